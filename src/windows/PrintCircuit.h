#pragma once

#include <QPoint>
#include <QSize>
#include <QTransform>

#include <optional>

class QPainter;
class QPrinter;

namespace logivane {

class TMacro;
struct TFaultMarks;

/// How a circuit goes on the page: the options that the print preview holds.
struct TPrintOptions {
  /// Four device pixels per drawing unit instead of two.
  bool Zoom = false;
  /// Centred on the page; otherwise at its own coordinates from the page's top-left corner.
  bool CentreImage = true;
};

/// What the layout needs to know of a printer.
struct TPageFacts {
  /// The printable area in device pixels.
  QSize Page;
  /// Device pixels per inch, across and down.
  QSize Resolution;
};

TPageFacts PageFactsOf(const QPrinter& printer);

/// The size of the preview's page panel: the page at 30 pixels per inch.
QSize PagePanelSize(const TPageFacts& page);

/// Drawing units to `scale` pixels; with `centre` (drawing units) the circuit's centre,
/// rounded to whole units, is moved there.
QTransform CircuitTransform(const TMacro& circuit, qreal scale, std::optional<QPoint> centre);

/// The transform of the printed page.
QTransform PrintTransform(const TMacro& circuit, QSize page, const TPrintOptions& options);

/// The transform of the preview's paint box: one drawing unit is 2 / `previewDivisor` pixels.
QTransform PreviewTransform(const TMacro& circuit, QSize box, int previewDivisor, bool centre);

/// Draws `circuit` through `transform` without moving any of its objects, and `marks` over it.
void DrawCircuit(QPainter& painter, TMacro& circuit, const QTransform& transform,
                 const TFaultMarks* marks = nullptr);

/// Prints `circuit` and `marks` on one page of `printer`; false when the printer fails.
bool PrintCircuitOn(QPrinter& printer, TMacro& circuit, const TPrintOptions& options,
                    const TFaultMarks* marks = nullptr);

}  // namespace logivane
