#include "document/Csegment.h"

#include "document/cColourScheme.h"
#include "document/cPainterState.h"
#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <mutex>
#include <numbers>

namespace logivane {

namespace {

/// Squared distance, in drawing units, within which a polyline counts as hit.
constexpr float PolylineTolerance = 5;

/// The vertices that carry an edit handle: all, or all but the two ends.
void EditableRange(int count, bool endsFixed, int& first, int& last) {
  first = endsFixed ? 1 : 0;
  last = endsFixed ? count - 2 : count - 1;
}

/// What an arc's points depend on; compared bit for bit, so that even the sign of a zero
/// centre gives its own entry.
struct TArcKey {
  float Sign;
  float Cx;
  float Cy;
  float StartAngle;
  float EndAngle;
  float Rx;
  float Ry;

  bool operator==(const TArcKey& other) const {
    return std::memcmp(this, &other, sizeof other) == 0;
  }
};

TVertexList ComputeArc(const TArcKey& k) {
  TVertexList points;
  for (float a = k.StartAngle; a <= k.EndAngle; a += 12) {
    const float r = a * 0.017453292f;
    points.push_back({std::cos(r) * k.Rx + k.Cx, k.Sign * std::sin(r) * k.Ry + k.Cy});
    if (a + 12 == a) {
      break;  // so large that the step is lost in rounding: the loop would never end
    }
  }
  return points;
}

/// The points of an arc. Every solder dot and gate body draws the same few arcs, and working
/// their points out each time took a large part of opening a circuit, so the first arcs met
/// are remembered. Devices are built on the reading thread as well as the caller's.
const TVertexList& ArcPoints(const TArcKey& key) {
  constexpr std::size_t ArcsKept = 64;
  static std::mutex guard;
  static std::deque<std::pair<TArcKey, TVertexList>> arcs;
  thread_local TVertexList computed;
  const std::lock_guard lock(guard);
  for (const auto& [known, points] : arcs) {
    if (known == key) {
      return points;  // entries are never removed, and a deque does not move them
    }
  }
  if (arcs.size() < ArcsKept) {
    return arcs.emplace_back(key, ComputeArc(key)).second;
  }
  computed = ComputeArc(key);
  return computed;
}

/// Whether the points of `shape` go once round an ellipse whose axes lie along x and y, as a
/// whole arc's points do: at least 16 of them, the last back on the first, and each on the
/// ellipse that fits their box.
bool GoesRoundAnEllipse(const TSegment& shape) {
  constexpr int FewestPoints = 16;
  constexpr float Tolerance = 0.03f;
  const int count = shape.PointCount();
  if (count < FewestPoints) {
    return false;
  }
  const TFloatRect box = shape.GetFloatBounds();
  const float cx = (box.MinX + box.MaxX) / 2;
  const float cy = (box.MinY + box.MaxY) / 2;
  const float rx = (box.MaxX - box.MinX) / 2;
  const float ry = (box.MaxY - box.MinY) / 2;
  if (rx <= 0 || ry <= 0) {
    return false;
  }
  const TVertex first = shape.GetFloatPoint(0);
  const TVertex last = shape.GetFloatPoint(count - 1);
  if (std::abs(first.X - last.X) > Tolerance * rx || std::abs(first.Y - last.Y) > Tolerance * ry) {
    return false;
  }
  for (int i = 0; i < count; ++i) {
    const TVertex p = shape.GetFloatPoint(i);
    const float dx = (p.X - cx) / rx;
    const float dy = (p.Y - cy) / ry;
    if (std::abs(dx * dx + dy * dy - 1) > 2 * Tolerance) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool TMapVertices::DrawnAsDot(QPainter& dc) const {
  if (Count() <= 4) {
    return false;
  }
  if (const QSize size = DeviceSize(dc); size.width() >= 3 || size.height() >= 3) {
    return false;
  }
  dc.drawRect(QRect(Extent().Min, Extent().Max));
  return true;
}

void TMapVertices::DrawPolygon(QPainter& dc) const {
  if (!DrawnAsDot(dc)) {
    dc.drawPolygon(FVertices.data(), Count(), Qt::OddEvenFill);
  }
}

void TMapVertices::DrawEllipse(QPainter& dc) const {
  if (!DrawnAsDot(dc)) {
    dc.drawEllipse(QRectF(QPointF(Extent().Min), QPointF(Extent().Max)));
  }
}

void TMapVertices::DrawPolyline(QPainter& dc) const {
  dc.drawPolyline(FVertices.data(), Count());
}

void TMapVertices::DrawHandles(QPainter& dc, std::int32_t size, bool endsFixed) const {
  const std::int32_t h = size / 2;
  int first, last;
  EditableRange(Count(), endsFixed, first, last);
  for (int i = first; i <= last; ++i) {
    const QPoint v = GetVertex(i);
    // The box spans (v - h) to (v + 2h), right and bottom edges excluded.
    dc.drawRect(v.x() - h, v.y() - h, 3 * h - 1, 3 * h - 1);
  }
}

bool TMapVertices::PtInPolygon(QPointF p) const {
  // A pixel belongs to the polygon when its centre does (even-odd rule), which includes the
  // left and top edges and excludes the right and bottom ones, as region fills do.
  const double px = p.x();
  const double py = p.y();
  bool inside = false;
  const int n = Count();
  for (int i = 0, j = n - 1; i < n; j = i++) {
    const double xi = FVertices[i].x();
    const double yi = FVertices[i].y();
    const double xj = FVertices[j].x();
    const double yj = FVertices[j].y();
    if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) {
      inside = !inside;
    }
  }
  return inside;
}

bool TMapVertices::HitVertex(std::int32_t x, std::int32_t y, bool endsFixed, int& index,
                             std::int32_t size, const THitReach& reach) const {
  // Compared in screen pixels, where the handle keeps its size at every zoom.
  const std::int32_t h = size / 2;
  const QPointF at = reach.At(x, y) * reach.Zoom;
  int first, last;
  EditableRange(Count(), endsFixed, first, last);
  for (int i = first; i <= last; ++i) {
    const QPointF v = QPointF(GetVertex(i)) * reach.Zoom;
    if (at.x() >= v.x() - h && at.x() < v.x() + 2 * h && at.y() >= v.y() - h &&
        at.y() < v.y() + 2 * h) {
      index = i;
      return true;
    }
  }
  return false;
}

bool TMapVertices::HitPolyline(QPointF p, int& index, QPoint& nearest, float tolerance) const {
  for (int i = 0; i + 1 < Count(); ++i) {
    const QPoint a = GetVertex(i);
    const QPoint b = GetVertex(i + 1);
    float d2, t;
    DistanceToSegment(a, b, p, d2, t);
    if (d2 <= tolerance && t >= 0 && t <= 1) {
      index = i;
      nearest = QPoint(RoundToInt(a.x() + t * (float(b.x()) - float(a.x()))),
                       RoundToInt(a.y() + t * (float(b.y()) - float(a.y()))));
      return true;
    }
  }
  return false;
}

TSegment::TSegment() : TSegment(TGraphicKind::Shape) {
}

TSegment::TSegment(TGraphicKind kind) : TGraphicObject(kind) {
}

TSegment::~TSegment() = default;

void TSegment::Write(TSerializeWriter& writer) const {
  writer.WriteInteger(PenColour);
  writer.WriteInteger(PenWidth);
  writer.WritePointList(FPoints);
}

void TSegment::Read(TSerializeReader& reader) {
  PenColour = reader.ReadInteger();
  PenWidth = reader.ReadInteger();
  reader.ReadPointList(*this, FPoints);
  Remap();
}

void TSegment::Clear() {
  FPoints.clear();
  Mapped.Clear();
}

bool TSegment::HitTest(std::int32_t, std::int32_t, const THitReach&) {
  return false;
}

void TSegment::Draw(QPainter& dc) {
  DrawVertexHandles(dc);
}

void TSegment::DrawVertexHandles(QPainter& dc) const {
  if (!ShowVertices) {
    return;
  }
  TPainterState state(dc);
  dc.setPen(QPen(PaintColour(dc, ColourBlack), 1));
  dc.setBrush(PaintColour(dc, ColourWhite));
  Mapped.DrawHandles(dc, HandleSize, EndsFixed);
}

void TSegment::Rotate(float angle) {
  const float r = std::numbers::pi_v<float> * angle / 180;
  const float c = std::cos(r);
  const float s = std::sin(r);
  for (TVertex& p : FPoints) {
    const float x = p.X;
    const float y = p.Y;
    p.X = c * x - s * y;
    p.Y = s * x + c * y;
  }
}

void TSegment::Scale(float sx, float sy) {
  for (TVertex& p : FPoints) {
    p.X *= sx;
    p.Y *= sy;
  }
}

void TSegment::Translate(float dx, float dy) {
  for (TVertex& p : FPoints) {
    p.X += dx;
    p.Y += dy;
  }
}

void TSegment::Remap() {
  Mapped.MapFrom(FPoints);
}

void TMapVertices::MapFrom(const TVertexList& points) {
  FVertices.resize(points.size());
  for (qsizetype i = 0; i < points.size(); ++i) {
    FVertices[i] = QPoint(RoundToInt(points[i].X), RoundToInt(points[i].Y));
  }
  Changed();
}

QSize TMapVertices::DeviceSize(const QPainter& dc) const {
  return dc.transform().mapRect(QRect(Extent().Min, Extent().Max)).size();
}

const TMapVertices::TExtent& TMapVertices::Extent() const {
  if (!FExtentValid) {
    FExtent = {{2147483647, 2147483647}, {-2147483647, -2147483647}};
    for (const QPoint v : FVertices) {
      FExtent.Min = {std::min(FExtent.Min.x(), v.x()), std::min(FExtent.Min.y(), v.y())};
      FExtent.Max = {std::max(FExtent.Max.x(), v.x()), std::max(FExtent.Max.y(), v.y())};
    }
    FExtentValid = true;
  }
  return FExtent;
}

TRect TSegment::GetBounds() const {
  const TMapVertices::TExtent& extent = Mapped.Extent();
  const std::int32_t minX = extent.Min.x(), minY = extent.Min.y();
  const std::int32_t maxX = extent.Max.x(), maxY = extent.Max.y();
  // Computed wide: a shape without vertices and a pen read from a stream may be anything.
  const std::int64_t w = PenWidth / 2;
  auto clamp = [](std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return {clamp(std::int64_t(minX) - w - 1), clamp(std::int64_t(minY) - w - 1),
          clamp(std::int64_t(maxX) + w + 2), clamp(std::int64_t(maxY) + w + 2)};
}

TFloatRect TSegment::GetFloatBounds() const {
  TFloatRect r = TFloatRect::EmptyBounds();
  for (const TVertex& p : FPoints) {
    if (p.X < r.MinX) {
      r.MinX = p.X;
    }
    if (p.Y < r.MinY) {
      r.MinY = p.Y;
    }
    if (p.X > r.MaxX) {
      r.MaxX = p.X;
    }
    if (p.Y > r.MaxY) {
      r.MaxY = p.Y;
    }
  }
  return r;
}

void TSegment::AddPoint(QPoint p) {
  FPoints.push_back({static_cast<float>(p.x()), static_cast<float>(p.y())});
  Remap();
}

void TSegment::AddPointCopy(TVertex q) {
  FPoints.push_back(q);
  Remap();
}

void TSegment::AddPoints(std::initializer_list<TVertex> points) {
  FPoints.append(points.begin(), static_cast<qsizetype>(points.size()));
}

void TSegment::ReversePoints() {
  std::reverse(FPoints.begin(), FPoints.end());
}

void TSegment::AddArc(bool clockwise, float cx, float cy, float startAngle, float endAngle,
                      float rx, float ry) {
  const TArcKey key{clockwise ? 1.0f : -1.0f, cx, cy, startAngle, endAngle, rx, ry};
  const TVertexList& points = ArcPoints(key);
  FPoints.append(points.constData(), points.size());
}

void TSegment::SetPoint(int index, QPoint p) {
  FPoints[index] = {static_cast<float>(p.x()), static_cast<float>(p.y())};
  Remap();
}

QPoint TSegment::FirstPoint() const {
  return Mapped.Count() > 0 ? Mapped.GetVertex(0) : QPoint(0, 0);
}

QPen TSegment::PenIn(const QPainter& dc, TColour colour) const {
  return QPen(PaintColour(dc, colour), std::clamp(PenWidth, 0, 1000), PenStyle);
}

bool TSegment::HitVertex(std::int32_t x, std::int32_t y, int& index, std::int32_t size,
                         const THitReach& reach) const {
  return Mapped.HitVertex(x, y, EndsFixed, index, size, reach);
}

void TPolygon::Write(TSerializeWriter& writer) const {
  TSegment::Write(writer);
  writer.WriteInteger(BrushColour);
}

void TPolygon::Read(TSerializeReader& reader) {
  TSegment::Read(reader);
  BrushColour = reader.ReadInteger();
}

bool TPolygon::HitTest(std::int32_t x, std::int32_t y, const THitReach& reach) {
  const QPointF p = reach.PixelCentre(x, y);
  if (Mapped.PtInPolygon(p)) {
    return true;
  }
  if (!SmallTarget || reach.Zoom >= 1) {
    return false;
  }
  // Bring the press as close to the centre as it is on screen, which tests it against the
  // target at full size.
  const TMapVertices::TExtent& e = Mapped.Extent();
  const QPointF centre = QPointF(e.Min + e.Max) / 2;
  return Mapped.PtInPolygon(centre + (p - centre) * reach.Zoom);
}

void TPolygon::Remap() {
  TSegment::Remap();
  FRound = GoesRoundAnEllipse(*this);
}

void TPolygon::DrawShape(QPainter& dc, TColour fill) const {
  TPainterState state(dc);
  dc.setPen(MakePen(dc));
  if (Outline) {
    Mapped.DrawPolyline(dc);
    return;
  }
  dc.setBrush(PaintColour(dc, fill));
  if (FRound) {
    Mapped.DrawEllipse(dc);
  } else {
    Mapped.DrawPolygon(dc);
  }
}

void TPolygon::Draw(QPainter& dc) {
  DrawFilled(dc, BrushColour);
}

void TPolygon::DrawFilled(QPainter& dc, TColour fill) const {
  DrawShape(dc, fill);
  DrawVertexHandles(dc);
}

bool TPolyline::HitTest(std::int32_t x, std::int32_t y, const THitReach& reach) {
  int index;
  QPoint nearest;
  // The tolerance is a distance on screen: fewer units zoomed in, more zoomed out.
  const float tolerance = PolylineTolerance / (reach.Zoom * reach.Zoom);
  if (!Mapped.HitPolyline(reach.At(x, y), index, nearest, tolerance)) {
    return false;
  }
  HitIndex = index;
  HitPoint = nearest;
  return true;
}

void TPolyline::Draw(QPainter& dc) {
  {
    TPainterState state(dc);
    if (ShowVertices) {
      dc.setPen(QPen(PaintColour(dc, ColourBlack), 1, Qt::DotLine));
    } else {
      dc.setPen(MakePen(dc));
    }
    Mapped.DrawPolyline(dc);
  }
  DrawVertexHandles(dc);
}

LV_REGISTER_CLASS(TSegment)
LV_REGISTER_CLASS(TPolygon)
LV_REGISTER_CLASS(TPolyline)

}  // namespace logivane
