#include "editor/LogivaneDrawing.h"

#include "editor/CLogivaneHandle.h"
#include "editor/DrawingCursors.h"
#include "editor/EditHistory.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cMacro.h"

namespace logivane {

namespace {

/// A new, empty circuit shown as the top level.
std::unique_ptr<TMacro> NewRootCircuit() {
  auto root = std::make_unique<TMacro>();
  root->Closed = false;
  root->Displayed = true;
  return root;
}

}  // namespace

TLogivaneDrawing::TLogivaneDrawing(QWidget* parent)
    : QWidget(parent),
      FRoot(NewRootCircuit()),
      FCircuit(FRoot.get()),
      FPasteBuffer(std::make_unique<TMacro>()),
      FSymbolClipboard(std::make_unique<TGraphicList>()),
      FTool(MakeDrawingTool(*this, TToolKind::None)) {
  setObjectName(QStringLiteral("Drawing"));
  setFixedSize(DrawingWidth, DrawingHeight);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  FPasteBuffer->Closed = false;
  FNoticeBox.Visible = false;
  FHandles = new TLogivaneHandles(this);
  ConnectHandles();
}

TLogivaneDrawing::~TLogivaneDrawing() {
  // The handles only refer to objects of the circuit; the paste buffers own private copies.
  FHandles->Deselect();
}

TMacro& TLogivaneDrawing::RootCircuit() const {
  return *FRoot;
}

TGrid& TLogivaneDrawing::Grid() const {
  return FHandles->Grid();
}

// ---------------------------------------------------------------------------------------------
// The document

void TLogivaneDrawing::Clear() {
  LeaveEditingModes();
  FHandles->Deselect();
  HideNotice();
  if (IsInsideMacro()) {
    EmptyLevel();
  } else {
    ReplaceCircuit(NewRootCircuit());
  }
  FileName.clear();
  MacroName.clear();
  if (FEditHistory) {
    FEditHistory->Reset();
  }
  SetModified(false);
}

void TLogivaneDrawing::EmptyLevel() {
  // The level stays open with its symbol and pins; only what is drawn inside it goes.
  emit OnObjectsRemoving({FCircuit});
  ForgetDeleted();
  FCircuit->Clear();
  NetlistDirty = true;
  InvalidateAll();
  emit OnObjectsRemoved();
}

std::unique_ptr<TMacro> TLogivaneDrawing::ReplaceCircuit(std::unique_ptr<TMacro> root) {
  emit OnObjectsRemoving({FRoot.get()});
  ForgetDeleted();
  FLevelStack.clear();
  std::unique_ptr<TMacro> old = std::exchange(FRoot, std::move(root));
  FCircuit = FRoot.get();
  FCircuit->Displayed = true;
  FCircuit->IsSubCircuit = false;
  NetlistDirty = true;
  InvalidateAll();
  emit OnLevelChanged();
  return old;
}

void TLogivaneDrawing::SetModified(bool value) {
  FPaintIndex.Invalidate();  // an edit may change what bounds do not show, such as pins shown
  HideNotice();
  if (NetlistDirty) {
    FCircuit->ClearDrivers();
    NetlistDirty = false;
  }
  FCircuit->BuildEvalOrder();
  if (FEditHistory) {
    RecordEdit(value);
  } else {
    StoreModified(value);
  }
}

void TLogivaneDrawing::StoreModified(bool value) {
  const bool changed = value != FModified;
  FModified = value;
  if (changed) {
    emit OnModifiedChanged(value);
  }
}

TGraphicObject* TLogivaneDrawing::AddObject(std::unique_ptr<TGraphicObject> object, int x, int y) {
  const QPoint at = Grid().SnapPoint(QPoint(x, y));
  object->Translate(static_cast<float>(at.x()), static_cast<float>(at.y()));
  object->Remap();
  if (object->GraphicKind() == TGraphicKind::Device &&
      static_cast<TDevice&>(*object).Role() == TDeviceRole::Input) {
    FCircuit->Reset();  // a new source starts the whole circuit from its first state
  }
  NameNextEdit(tr("Place"));
  TGraphicObject* added = logivane::AddObject(*FCircuit, std::move(object));
  NetlistDirty = true;
  InvalidateBounds(*added);
  SetModified(true);
  return added;
}

void TLogivaneDrawing::CollectHistoryDevices(std::vector<THistoryDevice*>& list) const {
  list.clear();
  for (const TGraphicList* sources : {&FCircuit->Inputs(), &FCircuit->Outputs()}) {
    for (TSerialize* item : sources->Objects()) {
      auto* device = static_cast<THistoryDevice*>(item);
      if (device->Recorded) {
        list.push_back(device);
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Macro levels

void TLogivaneDrawing::EnterMacro(TMacro& macro) {
  FHandles->Deselect();
  HideNotice();
  FCircuit->Displayed = false;
  FLevelStack.push_back(FCircuit);
  FCircuit = &macro;
  FCircuit->Displayed = true;
  ForgetDeleted();
  InvalidateAll();
  MarkHistoryStale();
  emit OnLevelChanged();
}

void TLogivaneDrawing::LeaveMacro() {
  LeaveEditingModes();
  if (!IsInsideMacro()) {
    return;
  }
  FHandles->Deselect();
  HideNotice();
  FCircuit->Displayed = false;
  FCircuit = FLevelStack.back();
  FLevelStack.pop_back();
  FCircuit->Displayed = true;
  ForgetDeleted();
  InvalidateAll();
  // The sub-circuit's outline may have changed while it was open.
  if (FCircuit->FollowAllWires()) {
    FCircuit->InvalidateWireMoves([this](const TRect& r) { InvalidateRect(r); });
  }
  RemoveLooseWires();
  CleanSolders();
  MarkHistoryStale();
  emit OnLevelChanged();
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

bool TLogivaneDrawing::CanPaste() const {
  return !FPasteBuffer->IsEmpty();
}

bool TLogivaneDrawing::CanPasteSymbol() const {
  return FSymbolClipboard->Count() > 0;
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
  connect(FHandles, &TLogivaneHandles::OnItemChanging, this, [this] { FPaintIndex.BeginMove(); });
  connect(FHandles, &TLogivaneHandles::OnItemMoving, this, &TLogivaneDrawing::FollowSelection);
  const auto done = [this](const QString& name) {
    return [this, name] {
      NameNextEdit(name);
      RefreshWires();
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
  } else if (FCircuit->HitTest(x, y, reach) && FCircuit->HitObject) {
    Select(FCircuit->HitObject);
  } else {
    emit OnObjectDeSelected();
  }
}

void TLogivaneDrawing::FollowSelection() {
  // While the selection is dragged only the wires attached to it can move, so only they follow
  // at each step; the release follows every wire of the level.
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
      default:
        break;
    }
  }
  FPaintIndex.EndMove(FHandles->Items(), FFollowed);
}

void TLogivaneDrawing::RefreshWires() {
  FCircuit->FollowAllWires();
  FCircuit->InvalidateWireMoves([this](const TRect& r) { InvalidateRect(r); });
}

void TLogivaneDrawing::MoveSelectionBy(int dx, int dy) {
  if (HasSelection()) {
    FHandles->MoveItemBy(dx, dy);
  }
}

bool TLogivaneDrawing::MoveSelectionByKey(int key) {
  RefreshEditHistory();
  switch (key) {
    case Qt::Key_Left:
      MoveSelectionBy(-1, 0);
      return true;
    case Qt::Key_Up:
      MoveSelectionBy(0, -1);
      return true;
    case Qt::Key_Right:
      MoveSelectionBy(1, 0);
      return true;
    case Qt::Key_Down:
      MoveSelectionBy(0, 1);
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
}

}  // namespace logivane
