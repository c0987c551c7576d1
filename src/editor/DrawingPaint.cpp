#include "document/cColourScheme.h"
#include "document/cGrid.h"
#include "editor/FaultMarkPaint.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace logivane {

namespace {

/// Grid dots are dark green single pixels.
constexpr QRgb GridDotColour = qRgb(0, 0x80, 0);
/// Zoomed out, grid dots are at least this many pixels apart on screen.
constexpr double MinGridDotGap = 8;

QRect ToQRect(const TRect& r) {
  return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
}

TRect ToTRect(const QRect& r) {
  return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

}  // namespace

namespace {

/// The pixels of the widget on screen; a hidden drawing (tests, pictures) renders a screen's
/// worth from its top-left corner.
QRect VisiblePixels(const QWidget& widget) {
  const QRect visible = widget.visibleRegion().boundingRect();
  return visible.isEmpty() ? widget.rect() & QRect(0, 0, 1920, 1080) : visible;
}

}  // namespace

QRect TLogivaneDrawing::VisibleArea() const {
  const QRect pixels = VisiblePixels(*this);
  if (FZoom == 1) {
    return pixels;
  }
  return QRect(ToUnits(pixels.topLeft()), ToUnits(pixels.bottomRight()));
}

QPoint TLogivaneDrawing::ToUnits(QPointF widgetPoint) const {
  return THitReach::UnitOf(ToExactUnits(widgetPoint));
}

QPointF TLogivaneDrawing::ToExactUnits(QPointF widgetPoint) const {
  if (FZoom == 1) {
    return widgetPoint.toPoint();
  }
  return widgetPoint / FZoom;
}

QRect TLogivaneDrawing::ToScreen(const QRect& units) const {
  if (FZoom == 1) {
    return units;
  }
  const int left = static_cast<int>(std::floor(units.left() * FZoom));
  const int top = static_cast<int>(std::floor(units.top() * FZoom));
  const int right = static_cast<int>(std::ceil((units.right() + 1) * FZoom));
  const int bottom = static_cast<int>(std::ceil((units.bottom() + 1) * FZoom));
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).adjusted(-1, -1, 1, 1);
}

void TLogivaneDrawing::InvalidateRect(const TRect& r) {
  if (r.IsEmpty()) {
    return;
  }
  const QRect area = ToQRect(r);
  FDirty += area;
  update(ToScreen(area));
}

void TLogivaneDrawing::InvalidateAll() {
  FBufferArea = QRect();  // the next paint renders the whole visible area again
  update();
}

void TLogivaneDrawing::InvalidateBounds(const TGraphicObject& object) {
  InvalidateRect(InflateBy(object.GetBounds(), 1));
}

void TLogivaneDrawing::InvalidateOverlay(const TRect& r) {
  update(ToScreen(ToQRect(InflateBy(r, 2))));
}

void TLogivaneDrawing::DrawGrid(QPainter& painter, const QRect& area) {
  const TGrid& grid = Grid();
  int step = grid.Spacing * grid.DisplayFrequency;
  if (!grid.ShowGrid || step <= 0) {
    return;
  }
  // Zoomed out, dots closer than a few pixels would grey the drawing over: every other one
  // goes, as often as needed. At full size and larger every dot the grid asks for is shown.
  const double scale = painter.transform().m11();
  while (scale < 1 && step * scale < MinGridDotGap) {
    step *= 2;
  }
  const int drawingWidth = static_cast<int>(width() / FZoom);
  const int drawingHeight = static_cast<int>(height() / FZoom);
  FGridDots.clear();
  const int firstX = (std::max(area.left(), 0) + step - 1) / step * step;
  const int firstY = (std::max(area.top(), 0) + step - 1) / step * step;
  for (int y = firstY; y <= std::min(area.bottom(), drawingHeight); y += step) {
    for (int x = firstX; x <= std::min(area.right(), drawingWidth); x += step) {
      FGridDots.emplace_back(x, y);
    }
  }
  painter.save();
  painter.setPen(QPen(PaintColour(painter, QColor(GridDotColour)), 0));
  painter.drawPoints(FGridDots.data(), static_cast<int>(FGridDots.size()));
  painter.restore();
}

void TLogivaneDrawing::Render(QPainter& painter, const QRect& area) {
  painter.save();
  // Clipping makes the painter test every pixel of every line, so an area that covers the
  // whole target is painted without it.
  const QRect target = painter.transform().mapRect(area);
  const QPaintDevice* device = painter.device();
  if (!device || !target.contains(QRect(0, 0, device->width(), device->height()))) {
    painter.setClipRect(area, Qt::IntersectClip);
  }
  painter.fillRect(area, PaintColour(painter, BackColour));
  DrawGrid(painter, area);
  if (ShowClosed) {
    Circuit().DrawClosed(painter);
  } else {
    FPaintIndex.Draw(painter, Circuit(), ToTRect(area));
    PaintFaultMarks(painter, FFaultMarks);
  }
  FTool->Draw(painter);
  if (FNoticeBox.Visible) {
    FNoticeBox.Draw(painter);
  }
  painter.restore();
}

void TLogivaneDrawing::PaintOnBuffer(QPainter& painter) const {
  painter.translate(-FBufferArea.topLeft());
  painter.scale(FZoom, FZoom);
}

void TLogivaneDrawing::FlushBuffer() {
  const QRect visible = VisiblePixels(*this);
  const QRect area = VisibleArea();
  const qreal ratio = devicePixelRatioF();
  QRegion toRender = FDirty & area;
  if (visible != FBufferArea || FBuffer.devicePixelRatio() != ratio) {
    if (FBuffer.size() != visible.size() * ratio) {
      FBuffer = QImage(visible.size() * ratio, QImage::Format_RGB32);
    }
    FBuffer.setDevicePixelRatio(ratio);
    FBufferArea = visible;
    toRender = area;
  }
  FDirty = QRegion();
  if (toRender.isEmpty()) {
    return;
  }
  QPainter painter(&FBuffer);
  const TSchemeScope scheme(painter, TColourScheme::Screen());
  PaintOnBuffer(painter);
  for (const QRect& part : toRender) {
    Render(painter, part);
  }
}

void TLogivaneDrawing::paintEvent(QPaintEvent* event) {
  FlushBuffer();
  QPainter painter(this);
  const TSchemeScope scheme(painter, TColourScheme::Screen());
  painter.setClipRect(event->rect());
  painter.drawImage(FBufferArea.topLeft(), FBuffer);
  painter.scale(FZoom, FZoom);
  FTool->DrawOverlay(painter);
  FKeyCursor.Draw(painter);
}

}  // namespace logivane
