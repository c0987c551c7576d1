#include "windows/PrintCircuit.h"

#include "editor/FaultMarkPaint.h"
#include "simulation/cMacro.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace logivane {

namespace {

/// The page panel shows the page at this many pixels per inch: a tenth of a 300 dpi printer.
constexpr int PanelPixelsPerInch = 30;

/// Device pixels per panel pixel; never 0, so that a printer of very low resolution still gets
/// a panel.
int PanelDivisor(int resolution) {
  return std::max(1, qRound(static_cast<double>(resolution) / PanelPixelsPerInch));
}

}  // namespace

TPageFacts PageFactsOf(const QPrinter& printer) {
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  return {page.size(), QSize(printer.logicalDpiX(), printer.logicalDpiY())};
}

QSize PagePanelSize(const TPageFacts& page) {
  return {page.Page.width() / PanelDivisor(page.Resolution.width()),
          page.Page.height() / PanelDivisor(page.Resolution.height())};
}

QTransform CircuitTransform(const TMacro& circuit, qreal scale, std::optional<QPoint> centre) {
  QTransform transform;
  transform.scale(scale, scale);
  if (centre) {
    float x;
    float y;
    circuit.GetCentre(x, y);
    transform.translate(centre->x() - qRound(x), centre->y() - qRound(y));
  }
  return transform;
}

QTransform PrintTransform(const TMacro& circuit, QSize page, const TPrintOptions& options) {
  const int pixels = options.Zoom ? 4 : 2;
  std::optional<QPoint> centre;
  if (options.CentreImage) {
    centre = QPoint(page.width() / 2 / pixels, page.height() / 2 / pixels);
  }
  return CircuitTransform(circuit, pixels, centre);
}

QTransform PreviewTransform(const TMacro& circuit, QSize box, int previewDivisor, bool centre) {
  std::optional<QPoint> middle;
  if (centre) {
    middle = QPoint(box.width() / 4 * previewDivisor, box.height() / 4 * previewDivisor);
  }
  return CircuitTransform(circuit, 2.0 / previewDivisor, middle);
}

void DrawCircuit(QPainter& painter, TMacro& circuit, const QTransform& transform,
                 const TFaultMarks* marks) {
  painter.save();
  painter.setTransform(transform, true);
  circuit.Draw(painter);
  if (marks) {
    PaintFaultMarks(painter, *marks);
  }
  painter.restore();
}

bool PrintCircuitOn(QPrinter& printer, TMacro& circuit, const TPrintOptions& options,
                    const TFaultMarks* marks) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    return false;
  }
  DrawCircuit(painter, circuit, PrintTransform(circuit, PageFactsOf(printer).Page, options), marks);
  return painter.end();
}

}  // namespace logivane
