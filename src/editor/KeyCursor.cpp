#include "editor/KeyCursor.h"

#include "editor/LogivaneDrawing.h"

#include <QPainter>
#include <QScrollArea>

namespace logivane {

void TKeyCursor::Show(std::optional<QPoint> at) {
  for (const std::optional<QPoint>& mark : {FAt, at}) {
    if (mark) {
      FDrawing.InvalidateOverlay(
          {mark->x() - Reach, mark->y() - Reach, mark->x() + Reach + 1, mark->y() + Reach + 1});
    }
  }
  FAt = at;
  if (QScrollArea* box = ScrollBoxOf(FDrawing); box && at) {
    const QPoint pixel = (QPointF(*at) * FDrawing.Zoom()).toPoint();
    box->ensureVisible(pixel.x(), pixel.y(), Reach * 8, Reach * 8);  // with the device around it
  }
}

void TKeyCursor::Draw(QPainter& painter) const {
  if (!FAt) {
    return;
  }
  // Blue on a white outline, so that it shows on wires and devices alike.
  painter.setBrush(Qt::NoBrush);
  for (const QPen& pen : {QPen(Qt::white, 3), QPen(QColor(0, 0x60, 0xFF), 1)}) {
    painter.setPen(pen);
    painter.drawLine(*FAt - QPoint(Reach, 0), *FAt + QPoint(Reach, 0));
    painter.drawLine(*FAt - QPoint(0, Reach), *FAt + QPoint(0, Reach));
    painter.drawEllipse(*FAt, Reach / 2, Reach / 2);
  }
}

}  // namespace logivane
