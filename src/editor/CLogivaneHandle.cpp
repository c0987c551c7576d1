#include "editor/CLogivaneHandle.h"

#include "document/Csegment.h"
#include "document/cColourScheme.h"
#include "editor/DrawingCursors.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace logivane {

namespace {

/// Wires and solder joints follow the pins they join, so they never keep a group from turning.
bool FollowsItsEnds(const TGraphicObject* object) {
  return object->GraphicKind() == TGraphicKind::Wire ||
         object->GraphicKind() == TGraphicKind::Solder;
}

int ClampCoordinate(std::int64_t v) {
  constexpr std::int64_t Limit = 1 << 30;
  return static_cast<int>(std::clamp(v, -Limit, Limit));
}

}  // namespace

TLogivaneHandles::TLogivaneHandles(QWidget* parent) : QWidget(parent) {
  InvalidateParent = [this](const TRect& r) {
    if (QWidget* drawing = parentWidget()) {
      drawing->update(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)));
    }
  };
  // Only the handles themselves are painted; the drawing shows through everywhere else.
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  resize(32, 32);
  hide();
  setEnabled(false);
  EditorCursor(TCursorId::LogivaneArrow);
  EditorCursor(TCursorId::LogivaneHand);
}

TLogivaneHandles::~TLogivaneHandles() {
  // The selected objects belong to the circuit, which may already be gone: touch none of them.
  Group.Objects().DetachAll();
  FItems.clear();
}

TGraphicObject* TLogivaneHandles::Item() {
  if (FItems.empty()) {
    return nullptr;
  }
  if (FItems.size() == 1) {
    return FItems.front();
  }
  Group.Objects().DetachAll();
  for (TGraphicObject* object : FItems) {
    Group.Objects().Add(object);
  }
  // A group offers only what every member allows, so no device is stretched along with it.
  Group.CanResize = std::all_of(FItems.begin(), FItems.end(), [](auto* o) { return o->CanResize; });
  Group.CanRotate = std::all_of(FItems.begin(), FItems.end(),
                                [](auto* o) { return o->CanRotate || FollowsItsEnds(o); });
  return &Group;
}

void TLogivaneHandles::SetItem(TGraphicObject* object) {
  // Collected before Deselect, because `object` may be the group of the current selection.
  std::vector<TGraphicObject*> objects;
  if (object) {
    auto* list = dynamic_cast<TGraphicList*>(object);
    if (list && object->GraphicKind() != TGraphicKind::Device) {
      for (int i = 0; i < list->Count(); ++i) {
        objects.push_back(list->Child(i));
      }
    } else {
      objects.push_back(object);
    }
  }
  Deselect();
  if (objects.empty()) {
    return;  // an empty rubber band selects nothing
  }
  FItems = std::move(objects);
  for (TGraphicObject* selected : FItems) {
    selected->Selected = true;
  }
  VertexMode = false;
  VertexDragging = false;
  Pressed = false;
  HandleKind = THandleKind::None;
  SetHandleCursor(nullptr);
  show();
  setEnabled(true);
  PlaceOver(Item()->GetBounds());
  update();
  emit OnSetItem();
  emit OnSelectionChanged();
}

void TLogivaneHandles::Deselect() {
  if (!HasItem()) {
    return;
  }
  hide();
  setEnabled(false);
  if (VertexMode) {
    if (TSegment* shape = Shape()) {
      InvalidateItem(shape);
      shape->ShowVertices = false;
    }
  }
  for (TGraphicObject* object : FItems) {
    object->Selected = false;
  }
  FItems.clear();
  VertexMode = false;
  VertexDragging = false;
  Pressed = false;
  emit OnSelectionChanged();
}

void TLogivaneHandles::SetVertexMode(bool on) {
  TSegment* shape = Shape();
  if (on && shape) {
    VertexMode = true;
    // A polyline's ends stay where they are joined (a wire's on its pins).
    shape->EndsFixed = dynamic_cast<TPolyline*>(shape) != nullptr;
    shape->ShowVertices = true;
    PlaceOver(InflateBy(shape->GetBounds(), HandleUnits()));
    InvalidateItem(shape);
    update();
    return;
  }
  if (VertexMode && shape) {
    shape->ShowVertices = false;
    InvalidateItem(shape);
    PlaceOver(shape->GetBounds());
    update();
  }
  VertexMode = false;
  VertexDragging = false;
}

void TLogivaneHandles::MoveItemBy(int dx, int dy) {
  TGraphicObject* item = Item();
  if (!item) {
    return;
  }
  Deselect();
  InvalidateItem(item);
  item->Translate(static_cast<float>(dx), static_cast<float>(dy));
  item->Remap();
  SetItem(item);
  emit OnItemMoved();
}

void TLogivaneHandles::PlaceOver(const TRect& r) {
  const auto pixel = [this](std::int32_t units) {
    return static_cast<std::int64_t>(std::floor(units * FZoom));
  };
  std::int64_t left = pixel(r.Left) - 1;
  std::int64_t top = pixel(r.Top) - 1;
  std::int64_t width = pixel(r.Right) - pixel(r.Left) + 2;
  std::int64_t height = pixel(r.Bottom) - pixel(r.Top) + 2;
  if (width < MinSize) {
    left += width / 2 - MinSize / 2;
    width = MinSize;
  }
  if (height < MinSize) {
    top += height / 2 - MinSize / 2;
    height = MinSize;
  }
  setGeometry(ClampCoordinate(left), ClampCoordinate(top), ClampCoordinate(width),
              ClampCoordinate(height));
}

void TLogivaneHandles::SetZoom(double zoom) {
  FZoom = zoom;
  if (!HasItem()) {
    return;
  }
  if (VertexMode) {
    PlaceOverVertices();
  } else {
    PlaceOver(Item()->GetBounds());
  }
}

QPoint TLogivaneHandles::ToUnits(QPoint local) const {
  const QPoint parent = local + pos();
  if (FZoom == 1) {
    return parent;
  }
  return {static_cast<int>(std::floor(parent.x() / FZoom)),
          static_cast<int>(std::floor(parent.y() / FZoom))};
}

THitReach TLogivaneHandles::ReachAt(QPoint local) const {
  return THitReach::Of(QPointF(local + pos()) / FZoom, FZoom);
}

std::int32_t TLogivaneHandles::HandleUnits() const {
  return static_cast<std::int32_t>(std::ceil(HandleSize / FZoom));
}

void TLogivaneHandles::Detach(int x, int y, bool reHit) {
  TGraphicObject* item = Item();
  const QPoint at = ToUnits(QPoint(x, y));
  Deselect();
  emit OnDetach(item, at.x(), at.y(), reHit, ReachAt(QPoint(x, y)));
}

TSegment* TLogivaneHandles::Shape() const {
  return IsSingle() ? dynamic_cast<TSegment*>(FItems.front()) : nullptr;
}

void TLogivaneHandles::Invalidate(const TRect& r) {
  if (InvalidateParent) {
    InvalidateParent(r);
  }
}

void TLogivaneHandles::InvalidateItem(TGraphicObject* item) {
  Invalidate(InflateBy(item->GetBounds(), HandleUnits()));
}

void TLogivaneHandles::SetHandleCursor(const QCursor* cursor) {
  FCursorSet = cursor != nullptr;
  if (cursor) {
    setCursor(*cursor);
  } else {
    unsetCursor();
  }
}

void TLogivaneHandles::paintEvent(QPaintEvent*) {
  if (!HasItem() || VertexMode || Pressed) {
    return;
  }
  QPainter dc(this);
  const TColourScheme& scheme = TColourScheme::Screen();
  dc.setPen(QPen(scheme.Map(ColourBlack), 1));
  dc.setBrush(scheme.Map(ColourWhite));
  const int w = width();
  const int h = height();
  const int s = HandleSize;
  // A pen-outlined rectangle covers one unit more than its size each way.
  for (const QPoint corner :
       {QPoint(0, 0), QPoint(w - s, 0), QPoint(w - s, h - s), QPoint(0, h - s)}) {
    dc.drawRect(corner.x(), corner.y(), s - 1, s - 1);
  }
  if (Item()->CanRotate) {
    const int x = w - 9;
    const int y = h / 2 - 4;
    dc.drawEllipse(x, y, 8, 8);
    dc.drawLine(x + 2, y + 4, x + 6, y + 4);
    dc.drawLine(x + 4, y + 2, x + 4, y + 6);
  }
}

void TLogivaneHandles::Hover(QPoint local) {
  HandleKind = THandleKind::None;
  const QCursor* cursor = nullptr;
  static const QCursor FallingDiagonal(Qt::SizeFDiagCursor);
  static const QCursor RisingDiagonal(Qt::SizeBDiagCursor);
  TGraphicObject* item = Item();
  const int x = local.x();
  const int y = local.y();
  const int w = width();
  const int h = height();
  const int s = HandleSize;
  if (item->CanResize) {
    auto over = [&](int left, int top) {
      return left <= x && x <= left + s && top <= y && y <= top + s;
    };
    const struct {
      int Left, Top;
      TCorner Which;
      const QCursor* Cursor;
    } corners[] = {{0, 0, TCorner::TopLeft, &FallingDiagonal},
                   {w - s, 0, TCorner::TopRight, &RisingDiagonal},
                   {w - s, h - s, TCorner::BottomRight, &FallingDiagonal},
                   {0, h - s, TCorner::BottomLeft, &RisingDiagonal}};
    for (const auto& corner : corners) {
      if (over(corner.Left, corner.Top)) {
        HandleKind = THandleKind::Corner;
        Corner = corner.Which;
        cursor = corner.Cursor;
      }
    }
  }
  if (item->CanRotate && w - 6 <= x && x <= w && h / 2 - 3 <= y && y <= h / 2 + 3) {
    HandleKind = THandleKind::Rotate;
    cursor = &EditorCursor(TCursorId::LogivaneHand);
  }
  SetHandleCursor(cursor);
}

void TLogivaneHandles::UpdateVertexCursor(QPoint local) {
  TSegment* shape = Shape();
  const QPoint parentPoint = ToUnits(local);
  int index;
  const bool over = shape && shape->HitVertex(parentPoint.x(), parentPoint.y(), index, HandleSize,
                                              ReachAt(local));
  SetHandleCursor(over ? &EditorCursor(TCursorId::LogivaneArrow) : nullptr);
}

void TLogivaneHandles::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    if (FContextMenu) {
      FContextMenu->popup(event->globalPosition().toPoint());
    }
    return;
  }
  if (event->button() != Qt::LeftButton || !HasItem()) {
    return;
  }
  const QPoint local = event->position().toPoint();
  const QPoint parentPoint = ToUnits(local);
  // The handle under the press decides, not whatever the last hover left behind (the item may
  // have changed since without the mouse moving).
  if (VertexMode) {
    UpdateVertexCursor(local);
  } else {
    Hover(local);
  }
  TGraphicObject* item = Item();
  if (!item->HitTest(parentPoint.x(), parentPoint.y(), ReachAt(local)) && !OverHandle()) {
    Detach(local.x(), local.y(), true);
    return;
  }
  if (!VertexMode) {
    const TFloatRect f = item->GetFloatBounds();
    ItemWidth = f.MaxX - f.MinX;
    ItemHeight = f.MaxY - f.MinY;
    float cx, cy;
    item->GetCentre(cx, cy);
    Centre = QPointF(cx, cy);
    PressPoint = QPoint(qRound(local.x() / FZoom), qRound(local.y() / FZoom));
    const QRect g = geometry();
    StartRect = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    CurrentAngle = 360;
    ItemRect = item->GetBounds();
    LastPoint = FGrid.SnapPoint(parentPoint);
    Pressed = true;
    update();
    return;
  }
  TSegment* shape = Shape();
  int index;
  if (shape &&
      shape->HitVertex(parentPoint.x(), parentPoint.y(), index, HandleSize, ReachAt(local))) {
    VertexIndex = index;
    PrevIndex = index - 1;
    NextIndex = index + 1;
    if (dynamic_cast<TPolygon*>(shape)) {
      if (PrevIndex < 0) {
        PrevIndex = shape->PointCount() - 1;
      }
      if (NextIndex >= shape->PointCount()) {
        NextIndex = 0;
      }
    }
    VertexDragging = true;
  }
}

void TLogivaneHandles::mouseMoveEvent(QMouseEvent* event) {
  if (!HasItem()) {
    return;
  }
  const QPoint local = event->position().toPoint();
  const QPoint parentPoint = ToUnits(local);
  if (VertexMode) {
    if (VertexDragging) {
      DragVertex(FGrid.SnapPoint(parentPoint));
    } else {
      UpdateVertexCursor(local);
    }
    return;
  }
  if (!Pressed) {
    Hover(local);
    return;
  }
  switch (HandleKind) {
    case THandleKind::None:
      MoveTo(FGrid.SnapPoint(parentPoint));
      break;
    case THandleKind::Corner:
      ResizeTo(parentPoint);
      break;
    case THandleKind::Rotate:
      RotateTo(local);
      break;
  }
}

void TLogivaneHandles::DragVertex(QPoint parentPoint) {
  TSegment* shape = Shape();
  if (!shape || VertexIndex >= shape->PointCount() || shape->GetPoint(VertexIndex) == parentPoint) {
    return;
  }
  InvalidateItem(shape);
  shape->SetPoint(VertexIndex, parentPoint);
  InvalidateItem(shape);
  VertexMoved = true;
}

void TLogivaneHandles::MoveTo(QPoint parentPoint) {
  const QPoint delta = parentPoint - LastPoint;
  if (delta.isNull()) {
    return;
  }
  LastPoint = parentPoint;
  emit OnItemChanging();
  Invalidate(InflateBy(ItemRect, HandleUnits()));
  TGraphicObject* item = Item();
  item->Translate(static_cast<float>(delta.x()), static_cast<float>(delta.y()));
  item->Remap();
  ItemRect = {ItemRect.Left + delta.x(), ItemRect.Top + delta.y(), ItemRect.Right + delta.x(),
              ItemRect.Bottom + delta.y()};
  PlaceOver(item->GetBounds());
  InvalidateItem(item);
  Moved = true;
  emit OnItemMoving();
}

std::int32_t TLogivaneHandles::SnapBeyond(float limit, bool atMost) const {
  const std::int32_t step = FGrid.SnapToGrid && FGrid.Spacing > 0 ? FGrid.Spacing : 1;
  std::int32_t v = FGrid.SnapPoint(QPoint(RoundToInt(limit), 0)).x();
  while (atMost ? v > limit : v < limit) {
    v += atMost ? -step : step;
  }
  return v;
}

std::int32_t TLogivaneHandles::MovedEdge(bool lowEdge, std::int32_t origin, float extent, float low,
                                         float high) const {
  const float minSize = static_cast<float>(MinSize);
  if (lowEdge) {
    return origin > high - minSize ? SnapBeyond(high - minSize, true) : origin;
  }
  const std::int32_t edge =
      FGrid.SnapPoint(QPoint(RoundToInt(static_cast<float>(origin) + extent), 0)).x();
  return edge < low + minSize ? SnapBeyond(low + minSize, false) : edge;
}

void TLogivaneHandles::ResizeTo(QPoint parentPoint) {
  TGraphicObject* item = Item();
  // Where the control's top-left corner would be had it followed the mouse.
  const QPoint origin = FGrid.SnapPoint(parentPoint - PressPoint);
  const TFloatRect f = item->GetFloatBounds();
  TFloatRect n = f;
  // The moving edges never come closer than MinSize to the fixed ones, snapped or not.
  const bool left = Corner == TCorner::TopLeft || Corner == TCorner::BottomLeft;
  const std::int32_t x = MovedEdge(left, origin.x(), ItemWidth, f.MinX, f.MaxX);
  (left ? StartRect.Left : StartRect.Right) = x;
  (left ? n.MinX : n.MaxX) = static_cast<float>(x);
  const bool top = Corner == TCorner::TopLeft || Corner == TCorner::TopRight;
  const std::int32_t y = MovedEdge(top, origin.y(), ItemHeight, f.MinY, f.MaxY);
  (top ? StartRect.Top : StartRect.Bottom) = y;
  (top ? n.MinY : n.MaxY) = static_cast<float>(y);
  // A straight line has no extent across itself to scale; it keeps that axis as it is.
  const float width = f.MaxX - f.MinX;
  const float height = f.MaxY - f.MinY;
  if (!(width > 0)) {
    n.MinX = f.MinX;
    n.MaxX = f.MaxX;
  }
  if (!(height > 0)) {
    n.MinY = f.MinY;
    n.MaxY = f.MaxY;
  }
  if (n.MaxX - n.MinX == width && n.MaxY - n.MinY == height) {
    return;
  }
  InvalidateItem(item);
  item->Translate(-f.MinX, -f.MinY);
  item->Scale(width > 0 ? (n.MaxX - n.MinX) / width : 1,
              height > 0 ? (n.MaxY - n.MinY) / height : 1);
  item->Translate(n.MinX, n.MinY);
  item->Remap();
  PlaceOver(item->GetBounds());
  InvalidateItem(item);
  Sized = true;
  emit OnItemSizing();
}

void TLogivaneHandles::RotateTo(QPoint local) {
  const float a = static_cast<float>(
      FGrid.SnapAngle(Angle(static_cast<float>(width() / 2), static_cast<float>(height() / 2),
                            static_cast<float>(local.x()), static_cast<float>(local.y()), true)));
  if (a == CurrentAngle) {
    return;
  }
  const float d = a - CurrentAngle;
  CurrentAngle = a;
  // A whole turn (the first step, from 360 to 0) leaves the item as it is.
  if (std::fmod(d, 360.0f) == 0) {
    return;
  }
  TGraphicObject* item = Item();
  InvalidateItem(item);
  const float cx = static_cast<float>(Centre.x());
  const float cy = static_cast<float>(Centre.y());
  item->Translate(-cx, -cy);
  item->Rotate(d);
  item->Translate(cx, cy);
  item->Remap();
  PlaceOver(item->GetBounds());
  InvalidateItem(item);
  Rotated = true;
  emit OnItemRotating();
}

void TLogivaneHandles::PlaceOverVertices() {
  if (TSegment* shape = Shape()) {
    PlaceOver(InflateBy(shape->GetBounds(), HandleUnits()));
  }
}

void TLogivaneHandles::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  if (VertexMoved || Moved || Sized || Rotated) {
    Changed = true;
  }
  if (VertexMode && VertexMoved) {
    PlaceOverVertices();
  }
  const bool moved = Moved;
  const bool sized = Sized;
  const bool rotated = Rotated;
  const bool vertexMoved = VertexMoved;
  VertexDragging = false;
  Pressed = false;
  VertexMoved = false;
  Moved = false;
  Sized = false;
  Rotated = false;
  update();
  if (moved) {
    emit OnItemMoved();
  }
  if (sized) {
    emit OnItemSized();
  }
  if (rotated) {
    emit OnItemRotated();
  }
  if (vertexMoved) {
    emit OnVertexMoved();
  }
  // Handing the item back lets the drawing select it again with its new bounds.
  if (Changed && HasItem()) {
    const QPoint local = event->position().toPoint();
    Detach(local.x(), local.y(), false);
  }
}

void TLogivaneHandles::mouseDoubleClickEvent(QMouseEvent*) {
  emit OnDblClick();
}

void TLogivaneHandles::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  raise();
}

}  // namespace logivane
