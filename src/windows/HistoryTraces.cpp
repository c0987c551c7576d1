#include "windows/HistoryTraces.h"

#include "document/cColourScheme.h"
#include "document/cNumberText.h"
#include "simulation/cDevice.h"
#include "simulation/cinput.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <array>

namespace logivane {

namespace {

constexpr TColour NameColour = 0x800000;  // navy
constexpr TColour ClockColour = 0x800000;
constexpr TColour BitGeneratorColour = 28672;  // a dark green
constexpr TColour SignalColour = 180;          // a dark red
constexpr TColour CursorColour = 0xD77800;     // a clear blue

using namespace HistoryLayout;

/// How much of its colour the cursor's column takes, of 255.
constexpr int CursorTint = 48;
/// The opacity of the samples after the cursor.
constexpr double FutureOpacity = 0.4;
/// A bus lane is a little taller than the levels of a row, for the digits inside it.
constexpr int BusTop = -2;
constexpr int BusBottom = SampleWidth + 2;
constexpr int BusMiddle = SampleWidth / 2;
/// How far a lane narrows into the crossing where its value changes.
constexpr int BusSlant = 2;
constexpr int BusDigitWidth = 6;
constexpr int BusDigitHeight = BusBottom - BusTop - 1;

int RowTop(int row) {
  return TraceOriginY + RowHeight * row;
}

/// The rows that meet the vertical extent of `area`.
std::pair<int, int> RowsIn(const QRect& area, int rowCount) {
  const int first = std::max(0, (area.top() - TraceOriginY) / RowHeight - 1);
  const int last = std::min(rowCount - 1, (area.bottom() - TraceOriginY) / RowHeight + 1);
  return {first, last};
}

bool IsClock(const THistoryDevice& device) {
  return dynamic_cast<const TClockDevice*>(&device) != nullptr;
}

TColour RowColour(const THistoryDevice& device) {
  if (IsClock(device)) {
    return ClockColour;
  }
  return dynamic_cast<const TBitGenerator*>(&device) ? BitGeneratorColour : SignalColour;
}

}  // namespace

int HistoryLayout::TraceWidth(int samples, bool timingDiagram) {
  return TraceOriginX + SampleWidth * samples + (timingDiagram ? 2 * SampleWidth : SampleWidth);
}

int HistoryLayout::TraceHeight(int rows) {
  return RowTop(rows) + TraceOriginY;
}

THistoryPainter::THistoryPainter()
    : FNameFont(QGuiApplication::font()),
      FSampleFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)),
      FBusFont(FSampleFont) {
  FNameFont.setBold(true);
  FNameFont.setItalic(true);
  FSampleFont.setPixelSize(12);
  FBusFont.setPixelSize(BusDigitHeight - 2);
}

QString THistoryPainter::RowName(const THistoryDevice& device) {
  const QString label = device.GetLabelText();
  return label.isEmpty() ? QStringLiteral("[untitled]") : label;
}

int THistoryPainter::NameColumnWidth(const std::vector<THistoryDevice*>& rows) const {
  if (rows.empty()) {
    return 0;
  }
  const QFontMetrics metrics(FNameFont);
  int widest = 0;
  for (const THistoryDevice* device : rows) {
    widest = std::max(widest, metrics.horizontalAdvance(RowName(*device)));
  }
  return widest + 20;
}

bool THistoryPainter::IsBus(const THistoryDevice& device) const {
  return Options.ShowBusValues && device.SampleWidth() > 1;
}

int THistoryPainter::SamplesShown(const THistoryDevice& device) const {
  // Without bus lanes a numeric display's row stays empty: its values are not levels.
  const int recorded =
      IsBus(device) ? device.SampleCount() : static_cast<int>(device.History.size());
  return std::min(recorded, Options.SampleLimit);
}

int THistoryPainter::SamplesShown(const std::vector<THistoryDevice*>& rows) const {
  int samples = 0;
  for (const THistoryDevice* device : rows) {
    samples = std::max(samples, SamplesShown(*device));
  }
  return samples;
}

int THistoryPainter::CursorSample(const std::vector<THistoryDevice*>& rows) const {
  int recorded = 0;
  for (const THistoryDevice* device : rows) {
    recorded = std::max(recorded, device->SampleCount());
  }
  const int sample = std::min(Options.ShownSamples, recorded);
  return sample <= SamplesShown(rows) ? std::max(sample, 0) : 0;
}

int THistoryPainter::SampleAt(const std::vector<THistoryDevice*>& rows, int x) const {
  if (x < ColumnLeft(1)) {
    return 0;
  }
  const int sample = (x - ColumnLeft(1)) / SampleWidth + 1;
  return sample <= SamplesShown(rows) ? sample : 0;
}

int THistoryPainter::ColumnLeft(int k) const {
  return TraceOriginX + SampleWidth * (Options.TimingDiagram ? k : k - 1);
}

void THistoryPainter::PaintNames(QPainter& painter, const std::vector<THistoryDevice*>& rows,
                                 const QRect& area) const {
  painter.fillRect(area, PaintColour(painter, Background));
  painter.setFont(FNameFont);
  painter.setPen(PaintColour(painter, NameColour));
  const auto [first, last] = RowsIn(area, static_cast<int>(rows.size()));
  for (int row = first; row <= last; ++row) {
    painter.drawText(QRect(NameX, RowTop(row), painter.device()->width(), RowHeight),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, RowName(*rows[row]));
  }
}

void THistoryPainter::PaintTraces(QPainter& painter, const std::vector<THistoryDevice*>& rows,
                                  const QRect& area) {
  painter.fillRect(area, PaintColour(painter, Background));
  // Samples are counted from 1; sample k starts at TraceOriginX + 8 k in a timing diagram and
  // one sample width earlier as text. One sample of slack on each side covers both.
  const int firstSample = std::max(1, (area.left() - TraceOriginX) / SampleWidth - 1);
  const int lastSample = (area.right() - TraceOriginX) / SampleWidth + 1;
  const auto [first, last] = RowsIn(area, static_cast<int>(rows.size()));
  const int cursor = CursorSample(rows);
  if (cursor > 0) {
    PaintCursor(painter, cursor, static_cast<int>(rows.size()));
  }
  if (Options.ShownSamples >= SamplesShown(rows)) {
    PaintRows(painter, rows, first, last, firstSample, lastSample);
    return;
  }
  // The samples after the cursor are the same traces, faded.
  const int split = ColumnLeft(cursor + 1);
  painter.setClipRect(QRect(area.topLeft(), QPoint(split - 1, area.bottom())));
  PaintRows(painter, rows, first, last, firstSample, lastSample);
  painter.setClipRect(QRect(QPoint(split, area.top()), area.bottomRight()));
  painter.setOpacity(FutureOpacity);
  PaintRows(painter, rows, first, last, firstSample, lastSample);
  painter.setOpacity(1);
  painter.setClipping(false);
}

void THistoryPainter::PaintCursor(QPainter& painter, int sample, int rowCount) const {
  const QRect column(ColumnLeft(sample), TraceOriginY + BusTop - 2, SampleWidth,
                     RowHeight * rowCount);
  QColor tint = PaintColour(painter, CursorColour);
  tint.setAlpha(CursorTint);
  painter.fillRect(column, tint);
  painter.setPen(PaintColour(painter, CursorColour));
  painter.drawRect(column.adjusted(0, 0, -1, -1));
}

void THistoryPainter::PaintRows(QPainter& painter, const std::vector<THistoryDevice*>& rows,
                                int first, int last, int firstSample, int lastSample) {
  for (int row = first; row <= last; ++row) {
    const THistoryDevice& device = *rows[row];
    const int count = SamplesShown(device);
    const int shown = std::min(count, lastSample);
    if (shown < firstSample) {
      continue;
    }
    const QColor colour = PaintColour(painter, RowColour(device));
    if (IsBus(device)) {
      PaintBusRow(painter, device, RowTop(row), firstSample, shown, count, colour);
    } else if (Options.TimingDiagram) {
      painter.setPen(colour);
      PaintTimingRow(painter, device.History, RowTop(row), firstSample, shown);
    } else {
      PaintTextRow(painter, device.History, RowTop(row), firstSample, shown, colour,
                   Options.HasClockSource && !IsClock(device));
    }
  }
}

void THistoryPainter::PaintTimingRow(QPainter& painter, const QString& samples, int top, int first,
                                     int last) {
  // One polyline: each sample is a level segment, and a change of level between two samples
  // becomes the vertical edge at their boundary.
  FPoints.clear();
  for (int k = first; k <= last; ++k) {
    const int y = samples[k - 1] == QLatin1Char('0') ? top + SampleWidth : top;
    const int x = TraceOriginX + SampleWidth * k;
    FPoints.emplace_back(x, y);
    FPoints.emplace_back(x + SampleWidth, y);
  }
  painter.drawPolyline(FPoints.data(), static_cast<int>(FPoints.size()));
}

void THistoryPainter::PaintTextRow(QPainter& painter, const QString& samples, int top, int first,
                                   int last, QColor colour, bool alternate) {
  const QColor silver = PaintColour(painter, ColourSilver);
  for (int k = first; k <= last; ++k) {
    // The clock is low on odd samples after a reset, so highlighting its high half cycles
    // greys the odd ones.
    const bool grey = alternate && (k % 2 == 1) == Options.HighlightClockHigh;
    painter.drawPixmap(TraceOriginX + SampleWidth * (k - 1), top,
                       Glyph(samples[k - 1], grey ? silver : colour));
  }
}

void THistoryPainter::PaintBusRow(QPainter& painter, const THistoryDevice& device, int top,
                                  int first, int last, int count, QColor colour) {
  const int digits = HexDigitCount(device.SampleWidth());
  // The area may begin inside a stretch whose value is written before it.
  int from = first;
  while (from > 1 && device.SampleValue(from - 2) == device.SampleValue(first - 1)) {
    --from;
  }
  painter.setPen(colour);
  while (from <= last) {
    const std::uint32_t value = device.SampleValue(from - 1);
    int to = from;
    while (to < count && device.SampleValue(to) == value) {
      ++to;
    }
    if (Options.TimingDiagram) {
      PaintBusStretch(painter, top, from, to, value, digits, colour);
    } else {
      PaintBusText(painter, top, from, to, value, digits, colour);
    }
    from = to + 1;
  }
}

void THistoryPainter::PaintBusStretch(QPainter& painter, int top, int from, int to,
                                      std::uint32_t value, int digits, QColor colour) {
  const int left = ColumnLeft(from);
  const int right = ColumnLeft(to) + SampleWidth;
  const std::array<QPoint, 6> band{{{left, top + BusMiddle},
                                    {left + BusSlant, top + BusTop},
                                    {right - BusSlant, top + BusTop},
                                    {right, top + BusMiddle},
                                    {right - BusSlant, top + BusBottom},
                                    {left + BusSlant, top + BusBottom}}};
  painter.drawPolygon(band.data(), static_cast<int>(band.size()));
  const int width = digits * BusDigitWidth;
  if (width > right - left - 2 * BusSlant) {
    return;  // the crossings tell the change; the value has no room
  }
  const int x = (left + right - width) / 2;
  for (int i = 0; i < digits; ++i) {
    painter.drawPixmap(x + BusDigitWidth * i, top + BusTop + 1,
                       Glyph(HexDigit(value, digits, i), colour, true));
  }
}

void THistoryPainter::PaintBusText(QPainter& painter, int top, int from, int to,
                                   std::uint32_t value, int digits, QColor colour) {
  if (digits > to - from + 1) {
    painter.drawPixmap(ColumnLeft(from), top, Glyph(u'*', colour));
    return;
  }
  for (int i = 0; i < digits; ++i) {
    painter.drawPixmap(ColumnLeft(from + i), top, Glyph(HexDigit(value, digits, i), colour));
  }
}

const QPixmap& THistoryPainter::Glyph(QChar character, QColor colour, bool bus) {
  const QRgb rgb = colour.rgb();
  for (const TGlyph& glyph : FGlyphs) {
    if (glyph.Character == character && glyph.Colour == rgb && glyph.Bus == bus) {
      return glyph.Image;
    }
  }
  QPixmap image(bus ? BusDigitWidth : SampleWidth, bus ? BusDigitHeight : RowHeight);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setFont(bus ? FBusFont : FSampleFont);
  painter.setPen(colour);
  painter.drawText(image.rect(), Qt::AlignHCenter | (bus ? Qt::AlignVCenter : Qt::AlignTop),
                   QString(character));
  painter.end();
  FGlyphs.push_back({character, rgb, bus, std::move(image)});
  return FGlyphs.back().Image;
}

}  // namespace logivane
