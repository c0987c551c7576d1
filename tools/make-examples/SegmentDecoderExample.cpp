// A BCD to seven-segment decoder made of a ROM whose words are the segment patterns, so that a
// student can open the ROM and read which segments each digit lights.

#include "CombinationalExamples.h"
#include "CourseParts.h"
#include "Layout.h"
#include "Panel.h"
#include "simulation/cMemory.h"
#include "simulation/cinput.h"

#include <array>

namespace logivane::examples {

namespace {

constexpr int SegmentCount = TLEDSegmentDevice::SegmentCount;

/// The segments a to g lit for each value of D3..D0, one letter each: 0 to 9, then A b C d E F
/// so that the display reads as a hexadecimal digit.
constexpr std::array<const char*, 16> Patterns = {
    "abcdef",  "bc",     "abdeg",  "abcdg", "bcfg", "acdfg", "acdefg", "abc",
    "abcdefg", "abcdfg", "abcefg", "cdefg", "adef", "bcdeg", "adefg",  "aefg"};

bool Lit(int value, int segment) {
  for (const char* s = Patterns[static_cast<std::size_t>(value)]; *s; ++s) {
    if (*s - 'a' == segment) {
      return true;
    }
  }
  return false;
}

/// The ROM word for `value`: its top bit is unused, and the bits below it, from the highest,
/// are segments a to g.
int Word(int value) {
  int word = 0;
  for (int k = 0; k < SegmentCount; ++k) {
    if (Lit(value, k)) {
      word |= 1 << (SegmentCount - 1 - k);
    }
  }
  return word;
}

}  // namespace

std::unique_ptr<TMacro> SegmentDecoder() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TLayout layout(c);
  auto built = std::make_unique<TMemoryDevice>();
  // Memories are a power of two bits wide: the eighth bit, at the top, is left unused.
  built->BuildSymbol(false, 4, SegmentCount + 1);
  for (int value = 0; value < 16; ++value) {
    built->SetWord(Word(value), value);
  }
  TMemoryDevice* rom = PlaceBuilt(c, std::move(built), 260, 200);
  auto* selected = Place<TGround>(c, 275, 265);
  Wire(c, *selected->Pin(0), *rom->Pin(rom->ChipSelectPin()));

  TNumericDevice* digit = NewDisplay(c, 160, 300, 4, QStringLiteral("digit"));
  ApproachDisplay(layout, *digit, 4, 250);
  for (int bit = 3; bit >= 0; --bit) {
    TInteractiveInput* input = NewInput(c, 60, 140 - 20 * bit, QStringLiteral("D%1").arg(bit));
    // The address pins run from A3 at the top.
    layout.Net(*input->Pin(0), {rom->Pin(3 - bit), digit->Pin(bit)});
  }
  // Each segment's lead comes up from a level of its own, lower for the segments further
  // right, so that no stub crosses another segment's lead.
  auto* display = Place<TLEDSegmentDevice>(c, 430, -40);
  for (int k = 0; k < SegmentCount; ++k) {
    layout.Approach(*display->Pin(k), 20 + 10 * k);
    const QString name(QChar(u'a' + k));
    layout.Net(*rom->Pin(rom->FirstDataPin() + 1 + k),
               {display->Pin(k), Lamp(c, 540, 100 + 20 * k, name)->Pin(0)});
  }
  layout.Route();
  root->Reset();
  return root;
}

QString SegmentDecoderTable() {
  QString table = QStringLiteral(
      "# BCD to 7-segment decoder: the digits 0 to 9 light the segments that draw them; 10 to\n"
      "# 15 show the hexadecimal digits A b C d E F\n"
      "D3 D2 D1 D0 | digit a b c d e f g\n");
  for (int value = 0; value < 16; ++value) {
    QString row;
    for (int bit = 3; bit >= 0; --bit) {
      row += QStringLiteral("%1  ").arg(value >> bit & 1);
    }
    row += QStringLiteral("| %1").arg(value, -5);
    for (int k = 0; k < SegmentCount; ++k) {
      row += QStringLiteral(" %1").arg(Lit(value, k) ? 1 : 0);
    }
    table += row + QLatin1Char('\n');
  }
  return table;
}

}  // namespace logivane::examples
