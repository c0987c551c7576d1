#include "editor/tools/TracingTool.h"

#include "document/cColourScheme.h"
#include "document/cGrid.h"
#include "editor/LogivaneDrawing.h"

#include <QPainter>

#include <utility>

namespace logivane {

void TTracingTool::Move(QPoint p, const THitReach&) {
  if (Tracing()) {
    InvalidateRubberLine();
    FRubberEnd = FDrawing.Grid().SnapPoint(p);
    InvalidateRubberLine();
  }
}

void TTracingTool::DrawOverlay(QPainter& painter) const {
  if (Tracing()) {
    painter.setPen(QPen(PaintColour(painter, ColourBlack), 1));
    painter.drawLine(FLastPoint, FRubberEnd);
  }
}

QPoint TTracingTool::TakePoint(QPoint snapped) {
  const QPoint previous = std::exchange(FLastPoint, snapped);
  if (!Tracing()) {
    FRubberEnd = FLastPoint;
  }
  return previous;
}

void TTracingTool::InvalidateRubberLine() const {
  FDrawing.InvalidateOverlay(RectFromPoints(FLastPoint, FRubberEnd));
}

}  // namespace logivane
