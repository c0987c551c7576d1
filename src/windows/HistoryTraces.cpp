#include "windows/HistoryTraces.h"

#include "simulation/cDevice.h"
#include "simulation/cinput.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>

namespace logivane {

namespace {

constexpr TColour NameColour = 0x800000;  // navy
constexpr TColour ClockColour = 0x800000;
constexpr TColour BitGeneratorColour = 28672;  // a dark green
constexpr TColour SignalColour = 180;          // a dark red

using namespace HistoryLayout;

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
      FSampleFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)) {
  FNameFont.setBold(true);
  FNameFont.setItalic(true);
  FSampleFont.setPixelSize(12);
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

int THistoryPainter::SamplesShown(const THistoryDevice& device) const {
  return std::min(static_cast<int>(device.History.size()), Options.SampleLimit);
}

void THistoryPainter::PaintNames(QPainter& painter, const std::vector<THistoryDevice*>& rows,
                                 const QRect& area) const {
  painter.fillRect(area, ToQColor(Background));
  painter.setFont(FNameFont);
  painter.setPen(ToQColor(NameColour));
  const auto [first, last] = RowsIn(area, static_cast<int>(rows.size()));
  for (int row = first; row <= last; ++row) {
    painter.drawText(QRect(NameX, RowTop(row), painter.device()->width(), RowHeight),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, RowName(*rows[row]));
  }
}

void THistoryPainter::PaintTraces(QPainter& painter, const std::vector<THistoryDevice*>& rows,
                                  const QRect& area) {
  painter.fillRect(area, ToQColor(Background));
  // Samples are counted from 1; sample k starts at TraceOriginX + 8 k in a timing diagram and
  // one sample width earlier as text. One sample of slack on each side covers both.
  const int firstSample = std::max(1, (area.left() - TraceOriginX) / SampleWidth - 1);
  const int lastSample = (area.right() - TraceOriginX) / SampleWidth + 1;
  const auto [first, last] = RowsIn(area, static_cast<int>(rows.size()));
  for (int row = first; row <= last; ++row) {
    const THistoryDevice& device = *rows[row];
    const int shown = std::min(SamplesShown(device), lastSample);
    if (shown < firstSample) {
      continue;
    }
    const QColor colour = ToQColor(RowColour(device));
    if (Options.TimingDiagram) {
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
  const QColor silver = ToQColor(ColourSilver);
  for (int k = first; k <= last; ++k) {
    // The clock is low on odd samples after a reset, so highlighting its high half cycles
    // greys the odd ones.
    const bool grey = alternate && (k % 2 == 1) == Options.HighlightClockHigh;
    painter.drawPixmap(TraceOriginX + SampleWidth * (k - 1), top,
                       Glyph(samples[k - 1], grey ? silver : colour));
  }
}

const QPixmap& THistoryPainter::Glyph(QChar character, QColor colour) {
  const QRgb rgb = colour.rgb();
  for (const TGlyph& glyph : FGlyphs) {
    if (glyph.Character == character && glyph.Colour == rgb) {
      return glyph.Image;
    }
  }
  QPixmap image(SampleWidth, RowHeight);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setFont(FSampleFont);
  painter.setPen(colour);
  painter.drawText(image.rect(), Qt::AlignHCenter | Qt::AlignTop, QString(character));
  painter.end();
  FGlyphs.push_back({character, rgb, std::move(image)});
  return FGlyphs.back().Image;
}

}  // namespace logivane
