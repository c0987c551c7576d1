#pragma once

#include "document/Cgobject.h"
#include "document/cColour.h"

#include <QPen>
#include <QPoint>
#include <QVarLengthArray>

#include <cstdint>
#include <vector>

class QPainter;

namespace logivane {

/// The rounded integer copy of a shape's vertices, used for painting and hit testing.
class TMapVertices {
public:
  /// The least and greatest coordinates of the vertices: (INT32_MAX, INT32_MAX) and
  /// (-INT32_MAX, -INT32_MAX) when there are none.
  struct TExtent {
    QPoint Min;
    QPoint Max;
  };

  int Count() const { return static_cast<int>(FVertices.size()); }
  void Clear() {
    FVertices.clear();
    Changed();
  }
  QPoint GetVertex(int index) const { return FVertices[index]; }
  /// Replaces the vertices by `points`, each rounded to the nearest pixel.
  void MapFrom(const TVertexList& points);
  const QPoint* Data() const { return FVertices.data(); }
  /// Kept until a vertex changes: painting asks every object for its bounds on every repaint.
  const TExtent& Extent() const;
  /// The size of the vertices' bounding box in device pixels, as `dc` draws it.
  QSize DeviceSize(const QPainter& dc) const;

  void DrawPolygon(QPainter& dc) const;
  /// The ellipse that fills the vertices' box.
  void DrawEllipse(QPainter& dc) const;
  void DrawPolyline(QPainter& dc) const;
  void DrawHandles(QPainter& dc, std::int32_t size, bool endsFixed) const;
  /// Even-odd test of a point in units against the polygon through the vertices; a pixel is
  /// tested by its centre.
  bool PtInPolygon(QPointF p) const;
  /// A vertex whose handle, `size` screen pixels wide, lies under the press.
  bool HitVertex(std::int32_t x, std::int32_t y, bool endsFixed, int& index, std::int32_t size,
                 const THitReach& reach = {}) const;
  /// A segment within `tolerance` (a squared distance in units) of `p`.
  bool HitPolyline(QPointF p, int& index, QPoint& nearest, float tolerance) const;

private:
  /// Zoomed far out, a round shape such as a joint's dot covers a pixel or two, where its box
  /// looks the same and costs a fraction of rasterising the outline: true when it was drawn so.
  bool DrawnAsDot(QPainter& dc) const;
  void Changed() {
    FExtentValid = false;
    TDrawingChanges::Note();
  }

  QVarLengthArray<QPoint, 4> FVertices;
  mutable TExtent FExtent;
  mutable bool FExtentValid = false;
};

/// A shape made of floating vertices with a pen; polygons and polylines are its two kinds.
class TSegment : public TGraphicObject {
  LV_PERSISTENT(TSegment)
public:
  TSegment();
  ~TSegment() override;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;

  void Clear() override;
  bool HitTest(std::int32_t x, std::int32_t y, const THitReach& reach = {}) override;
  void Draw(QPainter& dc) override;
  void Rotate(float angle) override;
  void Scale(float sx, float sy) override;
  void Translate(float dx, float dy) override;
  void Remap() override;
  TRect GetBounds() const override;
  TFloatRect GetFloatBounds() const override;

  void AddPoint(QPoint p);
  void AddPointCopy(TVertex q);
  /// Appends the points; no remap.
  void AddPoints(std::initializer_list<TVertex> points);
  void AddArc(bool clockwise, float cx, float cy, float startAngle, float endAngle, float rx,
              float ry);
  void SetPoint(int index, QPoint p);
  QPoint GetPoint(int index) const { return Mapped.GetVertex(index); }
  TVertex GetFloatPoint(int index) const { return FPoints[index]; }
  QPoint FirstPoint() const;
  QPoint LastPoint() const { return Mapped.GetVertex(Mapped.Count() - 1); }
  int PointCount() const { return static_cast<int>(FPoints.size()); }
  bool HitVertex(std::int32_t x, std::int32_t y, int& index, std::int32_t size,
                 const THitReach& reach = {}) const;

  TMapVertices Mapped;
  bool EndsFixed = false;
  bool ShowVertices = false;
  std::int32_t HandleSize = 4;
  TColour PenColour = ColourBlack;
  std::int32_t PenWidth = 1;
  Qt::PenStyle PenStyle = Qt::SolidLine;

  /// The outline pen in `colour` as `dc` shows it, its width bounded so that a stored width
  /// cannot stall painting.
  QPen PenIn(const QPainter& dc, TColour colour) const;

protected:
  explicit TSegment(TGraphicKind kind);
  /// The outline pen as `dc` shows it.
  virtual QPen MakePen(const QPainter& dc) const { return PenIn(dc, PenColour); }
  /// Paints the vertex handles when `ShowVertices` is set.
  void DrawVertexHandles(QPainter& dc) const;
  /// Reverses the order of the vertices; no remap.
  void ReversePoints();

private:
  /// Written and read as a list of `TFloatPoint` objects; see `TSerializeWriter::WritePointList`.
  TVertexList FPoints;
};

/// A closed, filled shape.
class TPolygon : public TSegment {
  LV_PERSISTENT(TPolygon)
public:
  TPolygon() = default;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  bool HitTest(std::int32_t x, std::int32_t y, const THitReach& reach = {}) override;
  void Draw(QPainter& dc) override;
  void Remap() override;
  /// Paints the shape as `Draw` does, filled with `fill` instead of `BrushColour`: a device
  /// shows a live level so without touching the fill its file keeps.
  void DrawFilled(QPainter& dc, TColour fill) const;

  /// Painted as an open line while the user is still tracing it.
  bool Outline = false;
  TColour BrushColour = ColourWhite;

protected:
  explicit TPolygon(TGraphicKind kind) : TSegment(kind) {}
  /// A small target (a pin, a joint): zoomed out, it is hit wherever it would be at full size
  /// on screen, so it stays as easy to hit as unzoomed.
  bool SmallTarget = false;
  /// Paints the outline with the polygon's own pen, filled with `fill`.
  void DrawShape(QPainter& dc, TColour fill) const;

private:
  /// The vertices go once round an ellipse, as those of a whole arc do (an LED, a joint, an
  /// inverting bubble): painted as the ellipse, the shape stays round at any scale, where the
  /// polygon through its rounded vertices shows corners once magnified.
  bool FRound = false;
};

/// An open line through the vertices; wires are polylines.
class TPolyline : public TSegment {
  LV_PERSISTENT(TPolyline)
public:
  TPolyline() = default;

  bool HitTest(std::int32_t x, std::int32_t y, const THitReach& reach = {}) override;
  void Draw(QPainter& dc) override;

  QPoint HitPoint;
  std::int32_t HitIndex = 0;

protected:
  explicit TPolyline(TGraphicKind kind) : TSegment(kind) {}
};

}  // namespace logivane
