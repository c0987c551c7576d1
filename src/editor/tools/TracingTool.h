#pragma once

#include "editor/tools/DrawingTool.h"

namespace logivane {

/**
 * @brief A tool that traces a line vertex by vertex, with a rubber line from the last vertex
 * to the mouse.
 */
class TTracingTool : public TDrawingTool {
public:
  using TDrawingTool::TDrawingTool;

  void Move(QPoint p, const THitReach& reach) override;
  void DrawOverlay(QPainter& painter) const override;

protected:
  /// Makes a left press's grid point the last vertex; returns the one it replaces.
  QPoint TakePoint(QPoint snapped);
  void InvalidateRubberLine() const;

  QPoint FLastPoint;
  QPoint FRubberEnd;
};

}  // namespace logivane
