#include "CombinationalExamples.h"
#include "CourseParts.h"
#include "Layout.h"
#include "Panel.h"
#include "simulation/cGateDevice.h"

namespace logivane::examples {

namespace {

constexpr int Bits = 4;
/// Each bit's full adder stands right of and below the one before, so that the carry runs
/// right and down from stage to stage, as it ripples.
constexpr int StageWidth = 240;
constexpr int StageHeight = 170;
/// Where the sums and the carry out are shown, right of every stage.
constexpr int LampX = StageWidth * (Bits - 1) + 580;
/// The displays of A, B and the sum stand in a row below every stage, their pins reached
/// from levels between them and the stages: the sum's highest, so that the stubs to a display
/// pass above the leads of the displays left of it. Displays come in powers of two lines, so
/// the sum's shows five bits on eight, the top three left open.
constexpr int DisplayY = StageHeight * (Bits - 1) + 390;
constexpr int SumLevel = DisplayY - 140;
constexpr int BLevel = SumLevel + 50;
constexpr int ALevel = BLevel + 40;

struct TDisplays {
  TNumericDevice* A;
  TNumericDevice* B;
  TNumericDevice* Sum;
};

TDisplays AddDisplays(TMacro& c, TLayout& layout) {
  const int x = StageWidth * (Bits - 1);
  const TDisplays displays{NewDisplay(c, x + 280, DisplayY, Bits, QStringLiteral("A")),
                           NewDisplay(c, x + 380, DisplayY, Bits, QStringLiteral("B")),
                           NewDisplay(c, x + 550, DisplayY, 2 * Bits, QStringLiteral("Sum"))};
  ApproachDisplay(layout, *displays.A, Bits, ALevel);
  ApproachDisplay(layout, *displays.B, Bits, BLevel);
  ApproachDisplay(layout, *displays.Sum, Bits + 1, SumLevel);
  return displays;
}

struct TStage {
  TPin* CarryIn0;
  TPin* CarryIn1;
  TPin* CarryOut;
};

/// The full adder of bit `bit`, its inputs Ai and Bi at its left and its sum lamp Si, each
/// also shown on its bit of `displays`.
TStage FullAdderStage(TMacro& c, TLayout& layout, const TDisplays& displays, int bit) {
  const int x = StageWidth * bit;
  const int y = StageHeight * bit;
  auto* a = Switch(c, x + 60, y + 100, QStringLiteral("A%1").arg(bit));
  auto* b = Switch(c, x + 60, y + 120, QStringLiteral("B%1").arg(bit));
  auto* half = Place<T2XorGate>(c, x + 200, y + 110);
  auto* both = Place<T2AndGate>(c, x + 200, y + 190);
  auto* sum = Place<T2XorGate>(c, x + 320, y + 130);
  auto* carried = Place<T2AndGate>(c, x + 320, y + 210);
  auto* carry = Place<T2OrGate>(c, x + 440, y + 190);
  layout.Net(*a->Pin(0), {half->Pin(2), both->Pin(2), displays.A->Pin(bit)});
  layout.Net(*b->Pin(0), {half->Pin(1), both->Pin(1), displays.B->Pin(bit)});
  layout.Net(*half->Pin(0), {sum->Pin(2), carried->Pin(2)});
  layout.Net(*both->Pin(0), {carry->Pin(2)});
  layout.Net(*carried->Pin(0), {carry->Pin(1)});
  layout.Net(*sum->Pin(0), {Lamp(c, LampX, y + 130, QStringLiteral("S%1").arg(bit))->Pin(0),
                            displays.Sum->Pin(bit)});
  return {sum->Pin(1), carried->Pin(1), carry->Pin(0)};
}

}  // namespace

std::unique_ptr<TMacro> RippleAdder() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TLayout layout(c);
  const TDisplays displays = AddDisplays(c, layout);
  TPin* carry = Switch(c, 60, 240, QStringLiteral("Cin"))->Pin(0);
  for (int bit = 0; bit < Bits; ++bit) {
    const TStage stage = FullAdderStage(c, layout, displays, bit);
    layout.Net(*carry, {stage.CarryIn0, stage.CarryIn1});
    carry = stage.CarryOut;
  }
  layout.Net(*carry,
             {Lamp(c, LampX, StageHeight * (Bits - 1) + 190, QStringLiteral("Cout"))->Pin(0),
              displays.Sum->Pin(Bits)});
  layout.Route();
  root->Reset();
  return root;
}

QString RippleAdderTable() {
  QString table = QStringLiteral(
      "# 4-bit ripple adder: A + B + Cin for every A, B and Cin, the sum on S3 to S0 and\n"
      "# the carry out of the top bit on Cout; the displays show A, B and the five-bit sum\n"
      "A3 A2 A1 A0 B3 B2 B1 B0 Cin | S3 S2 S1 S0 Cout A  B  Sum\n");
  for (int cin = 0; cin < 2; ++cin) {
    for (int a = 0; a < 16; ++a) {
      for (int b = 0; b < 16; ++b) {
        const int sum = a + b + cin;
        QString row;
        for (int bit = Bits - 1; bit >= 0; --bit) {
          row += QStringLiteral("%1  ").arg(a >> bit & 1);
        }
        for (int bit = Bits - 1; bit >= 0; --bit) {
          row += QStringLiteral("%1  ").arg(b >> bit & 1);
        }
        row += QStringLiteral("%1   |").arg(cin);
        for (int bit = Bits - 1; bit >= 0; --bit) {
          row += QStringLiteral("  %1").arg(sum >> bit & 1);
        }
        row += QStringLiteral("  %1").arg(sum >> Bits & 1);
        table += row + QStringLiteral("    %1 %2 %3\n").arg(a, -2).arg(b, -2).arg(sum);
      }
    }
  }
  return table;
}

}  // namespace logivane::examples
