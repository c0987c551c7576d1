#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "editor/WaitCursor.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cMacro.h"

namespace logivane {

void TLogivaneDrawing::AddWire(std::unique_ptr<TWire> wire) {
  TWire& added = *wire;
  Circuit().Wires().Add(std::move(wire));
  InvalidateBounds(added);
  FDocument->NetlistDirty = true;
  UpdateTagKinds();
}

TSolder* TLogivaneDrawing::AddJoint(TWire& wire) {
  const QPoint at = Grid().SnapPoint(wire.HitPoint);
  wire.HitPoint = at;
  InvalidateBounds(wire);
  TSolder* joint = AddSolder(Circuit(), wire, at);
  if (joint) {
    FDocument->NetlistDirty = true;
    InvalidateBounds(*joint);
  }
  return joint;
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
