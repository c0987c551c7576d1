#pragma once

#include "document/cColour.h"
#include "document/cGText.h"
#include "simulation/cDevice.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace logivane {

/**
 * @brief Base of the indicators: devices that show levels.
 *
 * A container keeps them in its outputs list and evaluates them once after its settle loop.
 * Their `Calculate` only latches the input levels and never drives a pin.
 */
class TOutputDevice : public THistoryDevice {
public:
  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;

  /// The colour of a lit element.
  TColour Colour;

protected:
  explicit TOutputDevice(TColour colour);
};

/// A single LED on pin 0, drawn pale while nobody drives its net.
class TLEDDevice : public TOutputDevice {
  LV_PERSISTENT(TLEDDevice)
public:
  TLEDDevice();

  void Read(TSerializeReader& reader) override;
  SimResult Calculate() override;
  void Reset() override;
  void ExchangeState(TStateArchive& state) override;
  void DrawState(QPainter& dc) override;
  void RecordState() override;
  void StoreShownState() override;

  /// The fill of the circle for the latched level; none for a level that is neither high nor
  /// low, which leaves the fill as it was.
  std::optional<TColour> LevelFill() const;

  /// The input level last latched, unmasked.
  TLevel Level = 0;

  static constexpr TColour UndrivenHighColour = 0x528CE4;
  static constexpr TColour UndrivenLowColour = 0xD9E6F9;

protected:
  std::optional<TColour> ShownFill(int index) const override;

private:
  /// Pin 0, read on every step; an LED never changes its pin.
  std::array<TPin*, 1> FInput{};
};

/// A seven-segment display: pins 0 to 6 drive segments a to g.
class TLEDSegmentDevice : public TOutputDevice {
  LV_PERSISTENT(TLEDSegmentDevice)
public:
  static constexpr int SegmentCount = 7;

  TLEDSegmentDevice();

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  SimResult Calculate() override;
  void Reset() override;
  void ExchangeState(TStateArchive& state) override;
  void DrawState(QPainter& dc) override;
  void StoreShownState() override;

  /// Lit segments a (top), b, c, d, e, f, g (middle); a new display shows 0.
  std::array<bool, SegmentCount> Segments{true, true, true, true, true, true, false};
  /// True: a segment is lit by a high input; false (common anode): by a low one.
  bool CommonCathode = true;

protected:
  std::optional<TColour> ShownFill(int index) const override;

private:
  /// Streams of these revisions carry `CommonCathode`; older ones predate it.
  static bool StoresCommonCathode(std::uint8_t revision) {
    return revision == 30 || revision == 34;
  }
  /// The fill that shows segment `k` lit or dark.
  TColour SegmentFill(int k) const;
  TPolygon& Segment(int k) const;
};

/**
 * @brief A numeric display of 2, 4, 8 or 16 input lines.
 *
 * The symbol is child 0 the face, then one digit text per line from right to left, then one
 * lead per line; pin 0, the least significant line, is the rightmost. The symbol depends on
 * the line count and is always stored.
 */
class TNumericDevice : public TOutputDevice {
  LV_PERSISTENT(TNumericDevice)
public:
  enum : std::int32_t {
    FormatBinary = 1,
    FormatDecimal = 2,
    FormatHex = 4,
    FormatTwosComplement = 8,
    FormatSuppressZeros = 16,
  };
  static constexpr int MaxLines = 16;

  TNumericDevice();

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void Clear() override;
  SimResult Calculate() override;
  void Reset() override;
  void ExchangeState(TStateArchive& state) override;
  void DrawState(QPainter& dc) override;
  void RecordState() override;
  void StoreShownState() override;
  void TrimHistory(int samples) override;
  int SampleCount() const override { return static_cast<int>(Values.size()); }
  int SampleWidth() const override { return LineCount(); }
  std::uint32_t SampleValue(int index) const override {
    return Values[static_cast<std::size_t>(index)];
  }

  static bool IsValidLineCount(int count) {
    return count == 2 || count == 4 || count == 8 || count == 16;
  }
  /// Rebuilds the device for `count` input lines; any other count than 2, 4, 8 or 16 is
  /// ignored.
  void SetPinCount(int count);
  /// Moves the leads and pins below the face, or back above it.
  void SetPinsAtBottom(bool atBottom);

  /// The characters the digits show, one per line, in `Format`.
  QString DisplayText() const;
  /// Gives the digit texts the characters and colours they show, each box fitted to its new
  /// character.
  void UpdateDigits();
  /// Digit `index` counted from the left.
  TGraphicText& Digit(int index) const;

  /// The latched input levels; bit k from pin k.
  std::array<bool, MaxLines> Bits{};
  std::int32_t Format = FormatDecimal | FormatTwosComplement | FormatSuppressZeros;
  TColour BackColour = ColourBlack;
  /// The colour of suppressed leading zeros, which are dimmed rather than removed.
  TColour ZeroColour = 0x808080;
  bool PinsAtBottom = false;
  /// The value shown after each step since the last reset, as many as `History` could hold.
  /// The samples are the Logic History's alone: `History` stays empty, so the file keeps
  /// nothing of them.
  std::vector<std::uint16_t> Values;

protected:
  void DrawSymbol(QPainter& dc) override;

private:
  /// A digit as the latched levels show it.
  struct TShownDigit {
    QChar Character;
    TColour TextColour;
  };
  using TShownDigits = std::array<TShownDigit, MaxLines>;

  int LineCount() const { return PinCount(); }
  /// Every digit, counted from the left, as `DisplayText` shows it.
  TShownDigits ShownDigits() const;
  TTextLook DigitLook(const TShownDigit& shown) const;
  /// Paints the digits as the latched levels show them, each in the box it has.
  void DrawDigits(QPainter& dc) const;
  void BuildSymbol(int count);
  /// Moves every lead by 20 and every pin by 25 units down (`direction` 1) or up (-1).
  void MoveConnections(int direction);
  std::uint32_t Value() const;
};

}  // namespace logivane
