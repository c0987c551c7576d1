#pragma once

#include "document/cSerialize.h"

#include <QPoint>
#include <QPointF>
#include <QVarLengthArray>

#include <cmath>
#include <cstdint>

namespace logivane {

/// A platform rectangle: Left, Top, Right, Bottom; empty when Right <= Left or Bottom <= Top.
struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool operator==(const TRect&) const = default;
  /// The rectangle that graphic lists start from before they unite their children's bounds.
  static constexpr TRect EmptyBounds() { return {2147483647, 2147483647, 0, 0}; }
};

/// Floating bounds, in the order MinX, MaxX, MinY, MaxY.
struct TFloatRect {
  float MinX = 0;
  float MaxX = 0;
  float MinY = 0;
  float MaxY = 0;

  bool operator==(const TFloatRect&) const = default;
  /// The bounds that shapes start from before they widen to their vertices.
  static constexpr TFloatRect EmptyBounds() { return {100000, -100000, 100000, -100000}; }
};

/// Builds floating bounds from the platform order Left, Top, Right, Bottom.
constexpr TFloatRect FloatRect(float left, float top, float right, float bottom) {
  return {left, right, top, bottom};
}

/// A floating vertex as shapes keep it, by value.
struct TVertex {
  float X = 0;
  float Y = 0;

  bool operator==(const TVertex&) const = default;
};

/// A shape's vertices. Most shapes (pins, leads, wires) have at most four, which are then kept
/// inside the shape: a large circuit opens and closes with far fewer allocations.
using TVertexList = QVarLengthArray<TVertex, 4>;

/// A persistent floating vertex: the object a shape's vertices are written as.
class TFloatPoint final : public TSerialize {
  LV_PERSISTENT(TFloatPoint)
public:
  TFloatPoint() = default;
  TFloatPoint(float x, float y) : X(x), Y(y) {}

  void Assign(const TSerialize& source) override;
  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;

  float X = 0;
  float Y = 0;
};

/// Rounds to the nearest integer, halves to even, clamped to a range that integer geometry can
/// add pen widths and handle sizes to without overflowing.
inline std::int32_t RoundToInt(double value) {
  constexpr double Limit = 1 << 30;
  if (!(value > -Limit)) {  // also catches NaN
    return value > 0 ? static_cast<std::int32_t>(Limit) : -static_cast<std::int32_t>(Limit);
  }
  if (value > Limit) {
    return static_cast<std::int32_t>(Limit);
  }
  return static_cast<std::int32_t>(std::nearbyint(value));
}

/// Truncates toward zero, clamped like `RoundToInt`.
inline std::int32_t TruncToInt(double value) {
  return RoundToInt(std::trunc(value));
}

TRect RectFromPoints(QPoint p1, QPoint p2);
TRect InflateBy(const TRect& r, std::int32_t d);
/// Strictly inside on all four sides.
bool PointInside(const TRect& r, QPoint p);
bool RectInside(const TRect& inner, const TRect& outer);
/// Whether two non-empty rectangles share any pixel.
inline bool RectsMeet(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}
/// The platform union: empty rectangles contribute nothing; two empty ones give (0, 0, 0, 0).
TRect UnionRect(const TRect& a, const TRect& b);
TFloatRect UnionFloatRect(const TFloatRect& a, const TFloatRect& b);
/// Direction from point 1 to point 2 in [0, 2 pi) (or degrees), growing from +x toward +y.
float Angle(float x1, float y1, float x2, float y2, bool inDegrees);
/// Squared distance `d2` from `p` to the segment `a`-`b` and the projection parameter `t`.
void DistanceToSegment(QPoint a, QPoint b, QPointF p, float& d2, float& t);

}  // namespace logivane
