#pragma once

#include "document/Cfloat.h"
#include "document/Cgobject.h"
#include "document/cGrid.h"

#include <QPoint>
#include <QPointF>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QMenu;

namespace logivane {

class TSegment;

/**
 * @brief The selection of a drawing, made visible and draggable.
 *
 * A child of the drawing laid over the selected objects, one unit larger than their bounds on
 * every side. It paints the corner squares and the rotate marker and turns drags on itself into
 * moving, resizing, rotating and vertex editing, each snapped with the grid it owns. The
 * selection only refers to its objects; they belong to the circuit.
 */
class TLogivaneHandles : public QWidget {
  Q_OBJECT
public:
  explicit TLogivaneHandles(QWidget* parent);
  ~TLogivaneHandles() override;

  /// None, the single selected object, or the group of all selected objects (refilled on each
  /// call).
  TGraphicObject* Item();
  /// Selects `object`; a list that is not a device is taken as a group and its children are
  /// selected. Safe with the current item, the group included.
  void SetItem(TGraphicObject* object);
  void Deselect();
  bool IsSingle() const { return FItems.size() == 1; }
  bool IsMulti() const { return FItems.size() >= 2; }
  bool HasItem() const { return !FItems.empty(); }
  /// A drag of the item or of a vertex is under way.
  bool Dragging() const { return Pressed; }
  /// The selected objects, never owned.
  const std::vector<TGraphicObject*>& Items() const { return FItems; }
  /// Edits the vertices of a single selected shape instead of moving it.
  void SetVertexMode(bool on);
  bool InVertexMode() const { return VertexMode; }
  void MoveItemBy(int dx, int dy);
  /// Lays the control over `r` (drawing units) grown by one pixel, at least `MinSize` pixels
  /// each way.
  void PlaceOver(const TRect& r);
  /// The drawing's zoom: screen pixels per drawing unit. Handles keep their size on screen.
  void SetZoom(double zoom);
  /// Lets go of the selection and hands it to the drawing; (x, y) in the control's coordinates.
  void Detach(int x, int y, bool reHit);
  TGrid& Grid() { return FGrid; }
  /// Repaints a rectangle of the parent (drawing units); the drawing installs its own.
  std::function<void(const TRect&)> InvalidateParent;
  /// Popped up on a right press over the handles; not owned.
  void SetContextMenu(QMenu* menu) { FContextMenu = menu; }
  QMenu* ContextMenu() const { return FContextMenu; }

  /// Set by the first release after a move, resize, rotation or vertex drag; never cleared.
  bool Changed = false;
  std::int32_t HandleSize = 6;
  std::int32_t MinSize = 14;

signals:
  void OnSetItem();
  /// The selection changed: objects were selected or let go.
  void OnSelectionChanged();
  /// Raised just before a drag moves the item.
  void OnItemChanging();
  void OnItemMoved();
  void OnItemMoving();
  void OnItemSized();
  void OnItemSizing();
  void OnItemRotated();
  void OnItemRotating();
  /// A vertex drag of the selected shape ended.
  void OnVertexMoved();
  void OnDblClick();
  /// The handles let go of `item`; (x, y) in the parent's coordinates, `reach` for hitting
  /// whatever lies there instead.
  void OnDetach(TGraphicObject* item, int x, int y, bool reHit, const THitReach& reach);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  enum class THandleKind : std::uint8_t { None, Corner, Rotate };
  enum class TCorner : std::uint8_t { TopLeft, TopRight, BottomRight, BottomLeft };

  /// A point of this control in drawing units.
  QPoint ToUnits(QPoint local) const;
  /// How far a hit test at the point `local` of this control reaches.
  THitReach ReachAt(QPoint local) const;
  /// `HandleSize` in drawing units, rounded up.
  std::int32_t HandleUnits() const;
  /// The single selected shape, or none.
  TSegment* Shape() const;
  void Invalidate(const TRect& r);
  /// Repaints the item's bounds grown by `HandleSize`.
  void InvalidateItem(TGraphicObject* item);
  /// Sets `HandleKind`, `Corner` and the cursor for the mouse at `local`.
  void Hover(QPoint local);
  void UpdateVertexCursor(QPoint local);
  bool OverHandle() const { return FCursorSet; }
  void SetHandleCursor(const QCursor* cursor);
  void DragVertex(QPoint parentPoint);
  void MoveTo(QPoint parentPoint);
  void ResizeTo(QPoint parentPoint);
  void RotateTo(QPoint local);
  /// The snapped coordinate nearest to `limit` that is not below it (or above it, for `atMost`).
  std::int32_t SnapBeyond(float limit, bool atMost) const;
  /// Where a resize puts the moving edge on one axis whose item spans `low` to `high`: the
  /// left or top edge (`lowEdge`) follows `origin`, where the control's corner would be; the
  /// other follows `origin` plus the item's `extent`, snapped.
  std::int32_t MovedEdge(bool lowEdge, std::int32_t origin, float extent, float low,
                         float high) const;
  void PlaceOverVertices();

  std::vector<TGraphicObject*> FItems;
  TGraphicList Group;
  TGrid FGrid;
  QMenu* FContextMenu = nullptr;
  bool FCursorSet = false;
  double FZoom = 1;

  QPoint PressPoint;
  THandleKind HandleKind = THandleKind::None;
  TCorner Corner = TCorner::TopLeft;
  bool Pressed = false;
  bool VertexDragging = false;
  bool VertexMode = false;
  bool Moved = false;
  bool Sized = false;
  bool Rotated = false;
  bool VertexMoved = false;
  TRect StartRect;
  TRect ItemRect;
  QPoint LastPoint;
  float CurrentAngle = 360;
  int VertexIndex = 0;
  int PrevIndex = 0;
  int NextIndex = 0;
  QPointF Centre;
  float ItemWidth = 0;
  float ItemHeight = 0;
};

}  // namespace logivane
