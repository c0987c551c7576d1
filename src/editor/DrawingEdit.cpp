#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "editor/WaitCursor.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cMacro.h"

namespace logivane {

void TLogivaneDrawing::FinishWireAtPin(TPin& pin) {
  TWire& wire = *FWireInProgress;
  wire.AttachEnd(&pin);
  pin.AttachWire(&wire);
  wire.AddPoint(FLastPoint);
  wire.Remap();
  Circuit().Wires().Add(std::move(FWireInProgress));
  if (Circuit().FollowAllWires()) {
    Circuit().InvalidateWireMoves([this](const TRect& r) { InvalidateRect(r); });
  }
  InvalidateBounds(wire);
  InvalidateRubberLine();
  FTracing = false;
  FDocument->NetlistDirty = true;
  UpdateTagKinds();
  SetModified(true);
}

void TLogivaneDrawing::JoinWireAt(TWire& wire) {
  const QPoint at = Grid().SnapPoint(wire.HitPoint);
  wire.HitPoint = at;
  FLastPoint = at;
  InvalidateBounds(wire);
  TSolder* joint = AddSolder(Circuit(), wire, at);
  if (!joint) {
    return;
  }
  FDocument->NetlistDirty = true;
  InvalidateBounds(*joint);
  if (!FTracing) {
    StartWire(*joint);
    return;
  }
  TWire& traced = *FWireInProgress;
  traced.AddPoint(FLastPoint);
  traced.Remap();
  joint->AttachWire(&traced);
  traced.AttachEnd(joint);
  Circuit().Wires().Add(std::move(FWireInProgress));
  InvalidateBounds(traced);
  InvalidateRubberLine();
  FTracing = false;
  UpdateTagKinds();
}

void TLogivaneDrawing::AbandonWire() {
  FTracing = false;
  FWireInProgress->AddPoint(FLastPoint);
  FWireInProgress->Remap();
  InvalidateBounds(*FWireInProgress);
  InvalidateRubberLine();
  FWireInProgress.reset();  // detaches it from the pin or joint it started at
  CleanSolders();
  if (FDocument->EditHistory()) {
    // A joint made to start the wire has gone again: the document may be as it was.
    SetModified(true);
  }
}

void TLogivaneDrawing::CleanSolders() {
  if (logivane::CleanSolders(Circuit(), [this](const TRect& r) { InvalidateRect(r); })) {
    FDocument->NetlistDirty = true;
    ForgetDeleted();
  }
}

void TLogivaneDrawing::RemoveLooseWires() {
  if (logivane::RemoveLooseWires(Circuit(), [this](const TRect& r) { InvalidateRect(r); })) {
    FDocument->NetlistDirty = true;
    ForgetDeleted();
  }
}

void TLogivaneDrawing::UpdateTagKinds() {
  logivane::UpdateTagKinds(Circuit());
}

void TLogivaneDrawing::DeleteSelection() {
  if (!HasSelection()) {
    return;
  }
  TWaitCursor wait;
  FDocument->BeginEdit();
  NameNextEdit(tr("Delete"));
  const bool singleWire =
      FHandles->IsSingle() && FHandles->Items().front()->GraphicKind() == TGraphicKind::Wire;
  DeleteSelected();
  if (!singleWire) {
    RemoveLooseWires();
  }
  CleanSolders();
  UpdateTagKinds();
  SetModified(true);
}

void TLogivaneDrawing::DeleteSelected() {
  // Let go of the selection first, so that the handles never hold a destroyed object.
  const std::vector<TGraphicObject*> doomed = FHandles->Items();
  FHandles->Deselect();
  emit OnObjectsRemoving(doomed);
  for (TGraphicObject* object : doomed) {
    InvalidateBounds(*object);
    Circuit().DeleteChild(object);
  }
  ForgetDeleted();
  FDocument->NetlistDirty = true;
  emit OnObjectsRemoved();
}

bool TLogivaneDrawing::SelectAll() {
  LeaveEditingModes();
  TGraphicList all;
  const bool collected = Circuit().CollectInside(Circuit().GetBounds(), all);
  if (collected) {
    FHandles->Deselect();
    FHandles->SetItem(&all);
  }
  all.Objects().DetachAll();
  return collected;
}

}  // namespace logivane
