#include "editor/LogivaneDrawing.h"

#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/DrawingClipboard.h"
#include "editor/DrawingCursors.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cMacro.h"

namespace logivane {

TLogivaneDrawing::TLogivaneDrawing(QWidget* parent, TCircuitDocument* document)
    : QWidget(parent),
      FOwnDocument(document ? nullptr : std::make_unique<TCircuitDocument>()),
      FDocument(document ? document : FOwnDocument.get()),
      FClipboard(std::make_unique<TDrawingClipboard>(*this)),
      FTool(MakeDrawingTool(*this, TToolKind::None)) {
  setObjectName(QStringLiteral("Drawing"));
  setFixedSize(DrawingWidth, DrawingHeight);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  FNoticeBox.Visible = false;
  FHandles = new TLogivaneHandles(this);
  ConnectHandles();
  ConnectDocument();
}

TLogivaneDrawing::~TLogivaneDrawing() {
  // The handles only refer to objects of the circuit; the paste buffers own private copies.
  FHandles->Deselect();
}

TMacro& TLogivaneDrawing::Circuit() const {
  return FDocument->Level();
}

TMacro& TLogivaneDrawing::RootCircuit() const {
  return FDocument->Root();
}

TGrid& TLogivaneDrawing::Grid() const {
  return FHandles->Grid();
}

// ---------------------------------------------------------------------------------------------
// The document

void TLogivaneDrawing::ConnectDocument() {
  connect(FDocument, &TCircuitDocument::LevelLeaving, this, &TLogivaneDrawing::LeaveLevel);
  connect(FDocument, &TCircuitDocument::ObjectsRemoving, this,
          [this](const std::vector<TGraphicObject*>& doomed) {
            emit OnObjectsRemoving(doomed);
            ForgetDeleted();
          });
  connect(FDocument, &TCircuitDocument::LevelChanged, this, &TLogivaneDrawing::ShowLevel);
}

void TLogivaneDrawing::LeaveLevel() {
  LeaveEditingModes();  // a trace in progress is abandoned, never left on a level that went
  FHandles->Deselect();
  HideNotice();
  ForgetFaultMarks();
}

void TLogivaneDrawing::ShowLevel() {
  ForgetDeleted();
  FPaintIndex.Invalidate();
  InvalidateAll();
  emit OnLevelChanged();
}

void TLogivaneDrawing::SetModified(bool value) {
  FPaintIndex.Invalidate();  // an edit may change what bounds do not show, such as pins shown
  HideNotice();
  ForgetFaultMarks();  // an edit may move or rewire what they mark
  if (!value) {
    FDocument->MarkSaved();
  } else if (FHandles->Dragging() || WireInProgress()) {
    // The edit is not over: the release of the drag, or the end of the wire, records it. A
    // wire being traced is linked to the pin it starts at, but is no part of the circuit yet.
    FDocument->KeepEditOpen();
  } else {
    FDocument->CommitEdit();
  }
}

void TLogivaneDrawing::NameNextEdit(const QString& name) {
  FDocument->NameNextEdit(name);
}

TGraphicObject* TLogivaneDrawing::AddObject(std::unique_ptr<TGraphicObject> object, int x, int y) {
  const QPoint at = Grid().SnapPoint(QPoint(x, y));
  object->Translate(static_cast<float>(at.x()), static_cast<float>(at.y()));
  object->Remap();
  if (object->GraphicKind() == TGraphicKind::Device &&
      static_cast<TDevice&>(*object).Role() == TDeviceRole::Input) {
    Circuit().Reset();  // a new source starts the whole circuit from its first state
  }
  FDocument->BeginEdit();
  NameNextEdit(tr("Place"));
  TGraphicObject* added = logivane::AddObject(Circuit(), std::move(object));
  FDocument->NetlistDirty = true;
  InvalidateBounds(*added);
  SetModified(true);
  return added;
}

void TLogivaneDrawing::CollectHistoryDevices(std::vector<THistoryDevice*>& list) const {
  list.clear();
  for (const TGraphicList* sources : {&Circuit().Inputs(), &Circuit().Outputs()}) {
    for (TSerialize* item : sources->Objects()) {
      auto* device = static_cast<THistoryDevice*>(item);
      if (device->Recorded) {
        list.push_back(device);
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Selection

bool TLogivaneDrawing::HasSelection() const {
  return FHandles->HasItem();
}

bool TLogivaneDrawing::IsMultiSelection() const {
  return FHandles->IsMulti();
}

bool TLogivaneDrawing::CanCopySingle() const {
  if (!FHandles->IsSingle()) {
    return false;
  }
  const TGraphicKind kind = FHandles->Items().front()->GraphicKind();
  return kind != TGraphicKind::Wire && kind != TGraphicKind::Solder;
}

bool TLogivaneDrawing::CanCopy() const {
  return IsMultiSelection() || CanCopySingle();
}

void TLogivaneDrawing::Select(TGraphicObject* object) {
  FHandles->SetItem(object);
  if (object && object->GraphicKind() == TGraphicKind::Wire) {
    FHandles->SetVertexMode(true);
  }
}

void TLogivaneDrawing::ConnectHandles() {
  FHandles->InvalidateParent = [this](const TRect& r) {
    InvalidateRect(r);
  };
  connect(FHandles, &TLogivaneHandles::OnItemChanging, this, [this] {
    ForgetFaultMarks();  // a mark must not stay behind where its object was
    FPaintIndex.BeginMove();
  });
  connect(FHandles, &TLogivaneHandles::OnItemMoving, this, &TLogivaneDrawing::FollowSelection);
  const auto done = [this](const QString& name) {
    return [this, name] {
      NameNextEdit(name);
      FollowSelectionWires();
      SetModified(true);
    };
  };
  connect(FHandles, &TLogivaneHandles::OnItemMoved, this, done(tr("Move")));
  connect(FHandles, &TLogivaneHandles::OnItemRotating, this, done(tr("Rotate")));
  connect(FHandles, &TLogivaneHandles::OnItemRotated, this, done(tr("Rotate")));
  connect(FHandles, &TLogivaneHandles::OnItemSized, this, done(tr("Resize")));
  connect(FHandles, &TLogivaneHandles::OnVertexMoved, this, done(tr("Move Vertex")));
  connect(FHandles, &TLogivaneHandles::OnDblClick, this, [this] {
    if (FHandles->IsSingle()) {
      emit OnObjectDblClick(FHandles->Items().front());
    }
  });
  connect(FHandles, &TLogivaneHandles::OnDetach, this, &TLogivaneDrawing::HandlesDetached);
}

void TLogivaneDrawing::HandlesDetached(TGraphicObject* item, int x, int y, bool reHit,
                                       const THitReach& reach) {
  if (!SelectMode()) {
    return;
  }
  if (!reHit) {
    Select(item);
  } else if (Circuit().HitTest(x, y, reach) && Circuit().HitObject) {
    Select(Circuit().HitObject);
  } else {
    emit OnObjectDeSelected();
  }
}

void TLogivaneDrawing::FollowSelection() {
  FollowSelectionWires();
  FPaintIndex.EndMove(FHandles->Items(), FFollowed);
}

void TLogivaneDrawing::FollowSelectionWires() {
  // Only the wires attached to what the handles hold can have moved: following every wire of
  // a large level would cost more than the rest of the edit.
  FFollowed.clear();
  const auto follow = [this](TWire* wire) {
    if (wire && wire->FollowEnds()) {
      InvalidateRect(wire->DirtyRect);
      FFollowed.push_back(wire);
    }
  };
  for (TGraphicObject* object : FHandles->Items()) {
    switch (object->GraphicKind()) {
      case TGraphicKind::Device: {
        const auto& device = static_cast<const TDevice&>(*object);
        for (int i = 0; i < device.PinCount(); ++i) {
          follow(device.Pin(i)->Wire);
        }
        break;
      }
      case TGraphicKind::Solder:
        for (TWire* wire : static_cast<TSolder*>(object)->Wires) {
          follow(wire);
        }
        break;
      case TGraphicKind::Wire:  // a wire moved whole goes back to the ends it is attached to
        follow(static_cast<TWire*>(object));
        break;
      default:
        break;
    }
  }
}

void TLogivaneDrawing::RefreshWires() {
  Circuit().FollowAllWires();
  Circuit().InvalidateWireMoves([this](const TRect& r) { InvalidateRect(r); });
}

void TLogivaneDrawing::MoveSelectionBy(int dx, int dy) {
  if (HasSelection()) {
    FHandles->MoveItemBy(dx, dy);
  }
}

bool TLogivaneDrawing::MoveSelectionByKey(int key, int step) {
  FDocument->BeginEdit();
  switch (key) {
    case Qt::Key_Left:
      MoveSelectionBy(-step, 0);
      return true;
    case Qt::Key_Up:
      MoveSelectionBy(0, -step);
      return true;
    case Qt::Key_Right:
      MoveSelectionBy(step, 0);
      return true;
    case Qt::Key_Down:
      MoveSelectionBy(0, step);
      return true;
    default:
      return false;
  }
}

// ---------------------------------------------------------------------------------------------
// Notices

void TLogivaneDrawing::ShowNoticeAtSelection(const QString& text) {
  if (!HasSelection()) {
    return;
  }
  float x, y;
  FHandles->Item()->GetCentre(x, y);
  ShowNotice(RoundToInt(x), RoundToInt(y), NoticeInfo, true, text);
}

void TLogivaneDrawing::HideNotice() {
  if (FNoticeBox.Visible) {
    FNoticeBox.Visible = false;
    InvalidateRect(InflateBy(FNoticeBox.GetBounds(), 2));
  }
}

void TLogivaneDrawing::ForgetDeleted() {
  ProbeTarget = nullptr;
  FTool->Forget();
  ForgetFaultMarks();
}

}  // namespace logivane
