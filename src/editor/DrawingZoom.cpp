// Zooming the drawing: the steps, zooming about a point of the view, and fitting the level.
#include "editor/CLogivaneHandle.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace logivane {

namespace {

/// The zooms that Zoom In and Zoom Out go through.
constexpr std::array<double, 11> ZoomSteps = {0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 1,
                                              1.25, 1.5,     2,   3,       4};

}  // namespace

QScrollArea* ScrollBoxOf(const QWidget& drawing) {
  const QWidget* viewport = drawing.parentWidget();
  return viewport ? qobject_cast<QScrollArea*>(viewport->parentWidget()) : nullptr;
}

double TLogivaneDrawing::ZoomStep(bool in) const {
  constexpr double slack = 1e-6;
  if (in) {
    const auto next = std::find_if(ZoomSteps.begin(), ZoomSteps.end(),
                                   [this](double z) { return z > FZoom + slack; });
    return next == ZoomSteps.end() ? MaxZoom : *next;
  }
  const auto previous = std::find_if(ZoomSteps.rbegin(), ZoomSteps.rend(),
                                     [this](double z) { return z < FZoom - slack; });
  return previous == ZoomSteps.rend() ? MinZoom : *previous;
}

double TLogivaneDrawing::ZoomForScreen(double logicalDpi) {
  // The device pixel ratio needs no part here: Qt already draws every widget that much larger,
  // and divides the screen's dots per inch by it to give the logical ones.
  constexpr double designDpi = 96;
  const double wanted = std::max(logicalDpi / designDpi, 1.0);
  return *std::min_element(ZoomSteps.begin(), ZoomSteps.end(), [wanted](double a, double b) {
    return std::abs(a - wanted) < std::abs(b - wanted);
  });
}

void TLogivaneDrawing::SetZoom(double zoom, std::optional<QPoint> viewportPoint) {
  zoom = std::clamp(zoom, MinZoom, MaxZoom);
  if (zoom == FZoom) {
    return;
  }
  QScrollArea* box = ScrollBoxOf(*this);
  QPoint anchor;      // pixels of the viewport
  QPointF unitPoint;  // the drawing point under it
  if (box) {
    anchor = viewportPoint.value_or(box->viewport()->rect().center());
    unitPoint = QPointF(anchor + QPoint(box->horizontalScrollBar()->value(),
                                        box->verticalScrollBar()->value())) /
                FZoom;
  }
  FZoom = zoom;
  setFixedSize(static_cast<int>(DrawingWidth * zoom), static_cast<int>(DrawingHeight * zoom));
  FHandles->SetZoom(zoom);
  if (box) {
    box->horizontalScrollBar()->setValue(qRound(unitPoint.x() * zoom) - anchor.x());
    box->verticalScrollBar()->setValue(qRound(unitPoint.y() * zoom) - anchor.y());
  }
  InvalidateAll();
}

void TLogivaneDrawing::ZoomToFit() {
  const TRect bounds = Circuit().GetBounds();
  QScrollArea* box = ScrollBoxOf(*this);
  if (bounds.IsEmpty() || !box) {
    return;
  }
  constexpr int margin = 20;  // units of space around the circuit
  const QSize view = box->viewport()->size();
  const double fit = std::min(double(view.width()) / (bounds.Right - bounds.Left + 2 * margin),
                              double(view.height()) / (bounds.Bottom - bounds.Top + 2 * margin));
  SetZoom(fit);
  box->horizontalScrollBar()->setValue(qRound((bounds.Left - margin) * FZoom));
  box->verticalScrollBar()->setValue(qRound((bounds.Top - margin) * FZoom));
}

void TLogivaneDrawing::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
    event->ignore();  // the scroll box scrolls
    return;
  }
  // The drawing lies inside the viewport, so the point is mapped up to it, never down.
  QScrollArea* box = ScrollBoxOf(*this);
  const std::optional<QPoint> inViewport =
      box ? std::optional<QPoint>(mapTo(box->viewport(), event->position().toPoint()))
          : std::nullopt;
  SetZoom(ZoomStep(event->angleDelta().y() > 0), inViewport);
  event->accept();
}

}  // namespace logivane
