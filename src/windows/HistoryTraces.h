#pragma once

#include "document/cColour.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <vector>

class QPainter;
class QRect;

namespace logivane {

class THistoryDevice;

/// Where the Logic History puts its rows and samples, in pixels of its two paint boxes.
namespace HistoryLayout {
constexpr int TraceOriginX = 10;
constexpr int TraceOriginY = 8;
constexpr int RowHeight = 16;
constexpr int SampleWidth = 8;
/// The left edge of the names in the name box.
constexpr int NameX = 10;
/// The pale yellow behind names and traces.
constexpr TColour Background = 15794175;

/// The width that `samples` samples take, with the margin after them.
int TraceWidth(int samples, bool timingDiagram);
/// The height that `rows` rows take, with a margin below the last.
int TraceHeight(int rows);
}  // namespace HistoryLayout

/// How the traces are drawn; the window sets it from its controls before each paint.
struct TTraceOptions {
  /// A timing diagram when set, otherwise rows of "0" and "1".
  bool TimingDiagram = true;
  /// In text mode, the samples taken while the clock was high are the ones in colour.
  bool HighlightClockHigh = true;
  /// Some row is a clock or a bit generator, so text rows mark alternate half cycles.
  bool HasClockSource = false;
  /// Samples drawn per row at most: twice the cycle length.
  int SampleLimit = 64;
};

/**
 * @brief Paints the rows of the Logic History: the names in their box and the samples in the
 * trace box, only those that meet the area to repaint.
 *
 * Text mode draws many small characters, so each character is rendered once per colour and
 * then copied; the painter keeps those images from one paint to the next.
 */
class THistoryPainter {
public:
  THistoryPainter();

  TTraceOptions Options;

  void PaintNames(QPainter& painter, const std::vector<THistoryDevice*>& rows,
                  const QRect& area) const;
  void PaintTraces(QPainter& painter, const std::vector<THistoryDevice*>& rows, const QRect& area);
  /// The name box's width: the widest name plus a margin, or 0 without rows.
  int NameColumnWidth(const std::vector<THistoryDevice*>& rows) const;
  /// The samples of `device` that are drawn.
  int SamplesShown(const THistoryDevice& device) const;

  /// The caption of a row: the device's label, or "[untitled]".
  static QString RowName(const THistoryDevice& device);

private:
  struct TGlyph {
    QChar Character;
    QRgb Colour;
    QPixmap Image;
  };

  void PaintTimingRow(QPainter& painter, const QString& samples, int top, int first, int last);
  void PaintTextRow(QPainter& painter, const QString& samples, int top, int first, int last,
                    QColor colour, bool alternate);
  const QPixmap& Glyph(QChar character, QColor colour);

  QFont FNameFont;
  QFont FSampleFont;
  std::vector<TGlyph> FGlyphs;
  std::vector<QPoint> FPoints;
};

}  // namespace logivane
