#pragma once

#include <QPoint>

#include <cstdint>

namespace logivane {

/**
 * @brief The drawing grid: where points and angles snap to, and how often its dots are painted.
 *
 * Not persisted by itself; the program settings keep its values.
 */
class TGrid {
public:
  /// Moves each coordinate to a multiple of `Spacing`: up when its remainder is at least half
  /// the spacing, else down. Remainders truncate toward zero, so negative coordinates move toward
  /// zero. Unchanged when snapping is off or the spacing is not positive.
  QPoint SnapPoint(QPoint p) const;
  /// Rounds the angle to whole degrees (halves to even), then to a multiple of `AngleStep` in the
  /// same manner as `SnapPoint`. Unchanged when snapping is off, the step is not positive or the
  /// angle is not finite.
  double SnapAngle(double angle) const;

  std::int32_t Spacing = 10;
  std::int32_t AngleStep = 5;
  bool ShowGrid = true;
  /// Governs both point and angle snapping.
  bool SnapToGrid = true;
  /// A grid dot is painted every `Spacing` times this many units.
  std::int32_t DisplayFrequency = 1;
};

}  // namespace logivane
