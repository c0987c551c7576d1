#include "simulation/DeviceTestBench.h"
#include "simulation/cOutput.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <vector>

namespace logivane {
namespace {

using test::SetPins;
using test::TTestDriver;

/// A painter on a scratch image, for the painting entry points.
struct TCanvas {
  QImage image{100, 100, QImage::Format_RGB32};
  QPainter painter{&image};
};

TColour Fill(const TDevice& device, int child) {
  return static_cast<const TPolygon*>(device.Child(child))->BrushColour;
}

TEST(LED, ShowsPaleColoursWhileNobodyDrivesIt) {
  TLEDDevice led;
  TTestDriver driver;
  struct Row {
    TLevel level;
    bool driven;
    TColour fill;
  };
  for (const Row& row : {Row{1, true, ColourRed}, Row{5, false, TLEDDevice::UndrivenHighColour},
                         Row{0, true, ColourWhite}, Row{0, false, TLEDDevice::UndrivenLowColour}}) {
    led.Pin(0)->Value = row.level;
    led.Pin(0)->Driver = row.driven ? &driver : nullptr;
    led.Calculate();
    TCanvas canvas;
    led.DrawState(canvas.painter);
    EXPECT_EQ(Fill(led, 0), row.fill) << row.level << " " << row.driven;
  }
  led.Pin(0)->Value = -1;  // neither high nor low: the fill stays
  EXPECT_TRUE(led.Calculate().Changed);
  EXPECT_FALSE(led.LevelFill());
  TCanvas canvas;
  led.Draw(canvas.painter);
  EXPECT_EQ(Fill(led, 0), TLEDDevice::UndrivenLowColour);
  EXPECT_EQ(led.History, QStringLiteral("1100"));
}

TEST(LED, LatchesUnmaskedLevelsAndResets) {
  TLEDDevice led;
  EXPECT_EQ(led.Role(), TDeviceRole::Output);
  EXPECT_FALSE(led.Calculate().Changed);
  led.Pin(0)->Value = 2;
  EXPECT_TRUE(led.Calculate().Changed);
  EXPECT_EQ(led.Level, 2);
  EXPECT_FALSE(led.Calculate().Changed);
  led.Reset();
  EXPECT_EQ(led.Level, 0);
  EXPECT_EQ(led.Pin(0)->GetValue(), 0);
}

TEST(SevenSegment, LightsSegmentsForCathodeAndAnode) {
  TLEDSegmentDevice display;
  EXPECT_EQ(display.Segments, (std::array<bool, 7>{1, 1, 1, 1, 1, 1, 0})) << "a new one shows 0";
  display.Reset();
  // The digit 1: segments b and c.
  SetPins(display, {{1, 1}, {2, 1}});
  EXPECT_TRUE(display.Calculate().Changed);
  EXPECT_EQ(display.Segments, (std::array<bool, 7>{0, 1, 1, 0, 0, 0, 0}));
  EXPECT_FALSE(display.Calculate().Changed);

  display.CommonCathode = false;
  display.Calculate();
  EXPECT_EQ(display.Segments, (std::array<bool, 7>{1, 0, 0, 1, 1, 1, 1}));
  display.Reset();
  display.Calculate();
  EXPECT_EQ(display.Segments, (std::array<bool, 7>{1, 1, 1, 1, 1, 1, 1}))
      << "common anode with every input low";
}

TEST(SevenSegment, RepaintsSegmentsUnlessSelected) {
  TLEDSegmentDevice display;
  display.Colour = 0x00FF00;
  SetPins(display, {{6, 1}});
  display.Calculate();
  TCanvas canvas;
  display.Selected = true;
  display.DrawState(canvas.painter);
  EXPECT_EQ(Fill(display, 6), ColourWhite) << "a live repaint leaves the selection alone";
  display.Selected = false;
  display.DrawState(canvas.painter);
  EXPECT_EQ(Fill(display, 0), ColourWhite);
  EXPECT_EQ(Fill(display, 6), 0x00FF00);
  EXPECT_TRUE(display.History.isEmpty());
}

/// Sets a numeric display's inputs from `value`, latches them and builds its digits.
void Show(TNumericDevice& display, std::uint32_t value) {
  for (int k = 0; k < display.PinCount(); ++k) {
    display.Pin(k)->Value = static_cast<TLevel>(value >> k & 1);
  }
  display.Calculate();
  display.UpdateDigits();
}

/// The digits as shown, a dimmed digit in brackets.
QString Shown(const TNumericDevice& display) {
  QString shown;
  for (int i = 0; i < display.PinCount(); ++i) {
    const TGraphicText& digit = display.Digit(i);
    shown += digit.TextColour == display.ZeroColour ? "[" + digit.Text + "]" : digit.Text;
  }
  return shown;
}

TEST(NumericDisplay, ShowsEveryFormat) {
  using N = TNumericDevice;
  struct Row {
    int lines;
    std::int32_t format;
    std::uint32_t value;
    const char* shown;
  };
  const Row rows[] = {
      {4, N::FormatDecimal | N::FormatTwosComplement | N::FormatSuppressZeros, 15, "[0][0]-1"},
      {4, N::FormatDecimal | N::FormatSuppressZeros, 15, "[0][0]15"},
      {4, N::FormatDecimal, 15, "0015"},
      {8, N::FormatDecimal | N::FormatTwosComplement, 0x80, "0000-128"},
      {8, N::FormatDecimal | N::FormatTwosComplement, 0x7F, "00000127"},
      {16, N::FormatHex, 0xFFFF, "000000000000FFFF"},
      {8, N::FormatHex | N::FormatSuppressZeros, 0x3A, "[0][0][0][0][0][0]3A"},
      {2, N::FormatHex, 3, "03"},
      {4, N::FormatBinary | N::FormatSuppressZeros, 5, "[0]101"},
      {4, N::FormatBinary | N::FormatSuppressZeros, 0, "[0][0][0][0]"},
      {2, 0, 2, "10"},
  };
  for (const Row& row : rows) {
    TNumericDevice display;
    display.SetPinCount(row.lines);
    display.Format = row.format;
    Show(display, row.value);
    EXPECT_EQ(Shown(display), QString::fromLatin1(row.shown)) << row.lines << " " << row.format;
  }
}

TEST(NumericDisplay, PaintsCourierDigitsOnTheFace) {
  TNumericDevice display;
  display.Colour = 0x00FFFF;
  display.BackColour = 0x400000;
  display.Format = TNumericDevice::FormatDecimal;
  Show(display, 9);
  TCanvas canvas;
  display.Draw(canvas.painter);
  EXPECT_EQ(Fill(display, 0), 0x400000);
  const TGraphicText& digit = display.Digit(3);
  EXPECT_EQ(digit.Text, QStringLiteral("9"));
  EXPECT_EQ(digit.FontName, QStringLiteral("Courier New"));
  EXPECT_EQ(digit.TextColour, 0x00FFFF);
  EXPECT_EQ(digit.BackColour, 0x400000);
  EXPECT_TRUE(display.History.isEmpty());
}

TEST(NumericDisplay, SetPinCountRebuildsForValidCountsOnly) {
  TNumericDevice display;
  Show(display, 15);
  display.SetPinCount(3);
  EXPECT_EQ(display.PinCount(), 4);
  EXPECT_EQ(display.DisplayText(), QStringLiteral("00-1")) << "SetPinCount(3) changes nothing";

  display.SetPinCount(8);
  EXPECT_EQ(display.PinCount(), 8);
  EXPECT_EQ(display.Count(), 17);
  EXPECT_EQ(display.DisplayText(), QStringLiteral("00000000"));
  // Pin 0, the least significant line, is the rightmost; H = 40.
  float x, y;
  display.Pin(0)->GetCentre(x, y);
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(35.0f, -10.0f));
  display.Pin(7)->GetCentre(x, y);
  EXPECT_EQ(x, -35.0f);
  EXPECT_EQ(display.Digit(7).TextColour, ColourWhite);
}

TEST(NumericDisplay, PinsAtBottomMovesLeadsAndPins) {
  TNumericDevice display;
  const auto leadTop = [&] {
    return display.Child(1 + display.PinCount())->GetFloatBounds().MinY;
  };
  const auto pinY = [&] {
    float x, y;
    display.Pin(0)->GetCentre(x, y);
    return y;
  };
  display.SetPinsAtBottom(true);
  EXPECT_EQ(std::make_pair(leadTop(), pinY()), std::make_pair(10.0f, 15.0f));
  display.SetPinsAtBottom(true);
  EXPECT_EQ(pinY(), 15.0f) << "setting the same flag again moves nothing";
  display.SetPinCount(2);
  EXPECT_EQ(std::make_pair(leadTop(), pinY()), std::make_pair(10.0f, 15.0f))
      << "a rebuilt symbol follows the flag";
  display.SetPinsAtBottom(false);
  EXPECT_EQ(std::make_pair(leadTop(), pinY()), std::make_pair(-10.0f, -10.0f));
  EXPECT_EQ(display.Pin(0)->GetPoint(0).y(), -6) << "remapped";
}

}  // namespace
}  // namespace logivane
