#include "document/Cfloat.h"

#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

#include <algorithm>
#include <numbers>

namespace logivane {

void TFloatPoint::Assign(const TSerialize& source) {
  const auto& point = static_cast<const TFloatPoint&>(source);
  X = point.X;
  Y = point.Y;
}

void TFloatPoint::Write(TSerializeWriter& writer) const {
  writer.WriteFloat(X);
  writer.WriteFloat(Y);
}

void TFloatPoint::Read(TSerializeReader& reader) {
  X = reader.ReadFloat();
  Y = reader.ReadFloat();
}

TRect RectFromPoints(QPoint p1, QPoint p2) {
  return {std::min(p1.x(), p2.x()), std::min(p1.y(), p2.y()), std::max(p1.x(), p2.x()),
          std::max(p1.y(), p2.y())};
}

TRect InflateBy(const TRect& r, std::int32_t d) {
  return {r.Left - d, r.Top - d, r.Right + d, r.Bottom + d};
}

bool PointInside(const TRect& r, QPoint p) {
  return r.Left < p.x() && p.x() < r.Right && r.Top < p.y() && p.y() < r.Bottom;
}

bool RectInside(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

TRect UnionRect(const TRect& a, const TRect& b) {
  if (a.IsEmpty()) {
    return b.IsEmpty() ? TRect{} : b;
  }
  if (b.IsEmpty()) {
    return a;
  }
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

TFloatRect UnionFloatRect(const TFloatRect& a, const TFloatRect& b) {
  return {std::min(a.MinX, b.MinX), std::max(a.MaxX, b.MaxX), std::min(a.MinY, b.MinY),
          std::max(a.MaxY, b.MaxY)};
}

float Angle(float x1, float y1, float x2, float y2, bool inDegrees) {
  constexpr float Pi = std::numbers::pi_v<float>;
  float a;
  if (x1 != x2) {
    a = std::atan((y1 - y2) / (x1 - x2));
  } else {
    a = y1 < y2 ? 1.5707964f : 4.712389f;
  }
  if (x1 < x2 && y1 > y2) {
    a += 2 * Pi;
  } else if (x1 > x2) {
    a += Pi;
  }
  return inDegrees ? a * 180 / Pi : a;
}

void DistanceToSegment(QPoint a, QPoint b, QPointF p, float& d2, float& t) {
  // Subtract as floats: far-apart integer vertices would overflow.
  const float dx = static_cast<float>(b.x()) - static_cast<float>(a.x());
  const float dy = static_cast<float>(b.y()) - static_cast<float>(a.y());
  const float length = dx * dx + dy * dy;
  if (std::abs(length) <= 0.01f) {
    d2 = 10000;
    t = 0;
    return;
  }
  const float px = static_cast<float>(p.x()) - static_cast<float>(a.x());
  const float py = static_cast<float>(p.y()) - static_cast<float>(a.y());
  t = (px * dx + py * dy) / length;
  const float clamped = std::clamp(t, 0.0f, 1.0f);
  const float ex = px - clamped * dx;
  const float ey = py - clamped * dy;
  d2 = ex * ex + ey * ey;
}

LV_REGISTER_CLASS(TFloatPoint)

}  // namespace logivane
