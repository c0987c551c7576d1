#pragma once

#include "document/cColour.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <limits>
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
  /// The sample, counted from 1, of the state that the circuit shows: the cursor marks it, and
  /// the samples after it, a future that the circuit went back from, are drawn faded. Past the
  /// last sample, the last is the one shown.
  int ShownSamples = std::numeric_limits<int>::max();
  /// A numeric display's row shows its value as a bus lane; otherwise the row stays empty.
  bool ShowBusValues = false;
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
  /// The samples drawn in the longest row.
  int SamplesShown(const std::vector<THistoryDevice*>& rows) const;
  /// The sample, counted from 1, that the cursor marks; 0 when it marks none of those drawn.
  int CursorSample(const std::vector<THistoryDevice*>& rows) const;
  /// The sample, counted from 1, whose column in the trace box holds `x`; 0 for none drawn.
  int SampleAt(const std::vector<THistoryDevice*>& rows, int x) const;

  /// The caption of a row: the device's label, or "[untitled]".
  static QString RowName(const THistoryDevice& device);

private:
  struct TGlyph {
    QChar Character;
    QRgb Colour;
    bool Bus;
    QPixmap Image;
  };

  /// Whether the row of `device` is drawn as a bus lane.
  bool IsBus(const THistoryDevice& device) const;
  /// The left edge of the column of sample `k`, counted from 1.
  int ColumnLeft(int k) const;
  void PaintCursor(QPainter& painter, int sample, int rowCount) const;
  /// Paints the rows from `first` to `last` over the samples from `firstSample` to
  /// `lastSample`.
  void PaintRows(QPainter& painter, const std::vector<THistoryDevice*>& rows, int first, int last,
                 int firstSample, int lastSample);
  void PaintTimingRow(QPainter& painter, const QString& samples, int top, int first, int last);
  void PaintTextRow(QPainter& painter, const QString& samples, int top, int first, int last,
                    QColor colour, bool alternate);
  /// A lane of stretches, one per value, from the stretch that holds sample `first` to the one
  /// that holds `last`; `count` samples are drawn in all.
  void PaintBusRow(QPainter& painter, const THistoryDevice& device, int top, int first, int last,
                   int count, QColor colour);
  /// A band from sample `from` to `to` that narrows to a point at each end, so that two
  /// values cross where they meet; the value is written inside when it fits.
  void PaintBusStretch(QPainter& painter, int top, int from, int to, std::uint32_t value,
                       int digits, QColor colour);
  /// The value at the column of its first sample, or "*" when it does not fit in its stretch.
  void PaintBusText(QPainter& painter, int top, int from, int to, std::uint32_t value, int digits,
                    QColor colour);
  const QPixmap& Glyph(QChar character, QColor colour, bool bus = false);

  QFont FNameFont;
  QFont FSampleFont;
  QFont FBusFont;
  std::vector<TGlyph> FGlyphs;
  std::vector<QPoint> FPoints;
};

}  // namespace logivane
