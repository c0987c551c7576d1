#include "document/cGrid.h"

#include <cmath>
#include <limits>

namespace logivane {

namespace {

std::int32_t SnapCoordinate(std::int32_t c, std::int32_t s) {
  const std::int32_t q = c / s;
  const std::int32_t r = c % s;
  // A multiple of the spacing stays. Without the test for zero a spacing of 1, whose half is 0,
  // would push every coordinate one unit on.
  if (r == 0 || r < s / 2) {
    return q * s;
  }
  // Near the top of the range the multiple above may not exist; take the one below.
  const std::int64_t up = std::int64_t(q) * s + s;
  return up > std::numeric_limits<std::int32_t>::max() ? q * s : static_cast<std::int32_t>(up);
}

}  // namespace

QPoint TGrid::SnapPoint(QPoint p) const {
  if (!SnapToGrid || Spacing <= 0) {
    return p;
  }
  return {SnapCoordinate(p.x(), Spacing), SnapCoordinate(p.y(), Spacing)};
}

double TGrid::SnapAngle(double angle) const {
  if (!SnapToGrid || AngleStep <= 0 || !std::isfinite(angle)) {
    return angle;
  }
  // The default rounding mode rounds halves to even. fmod is exact and truncates like `mod`.
  const double a = std::nearbyint(angle);
  const double s = AngleStep;
  const double r = std::fmod(a, s);
  return r >= s / 2 ? a - r + s : a - r;
}

}  // namespace logivane
