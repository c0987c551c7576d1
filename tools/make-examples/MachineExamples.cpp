// The sequential circuits of the course that compute as they go: a serial adder.

#include "Layout.h"
#include "SequentialCircuits.h"
#include "StageParts.h"

#include <array>

namespace logivane::examples {

namespace {

constexpr int SumBits = 4;
/// The result register stands to the right of the adder, level with its sum output.
constexpr int RegisterX = 760;
constexpr int RegisterY = 130;

}  // namespace

std::unique_ptr<TMacro> SerialAdder() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TInteractiveInput* a = Input(c, 60, 100, "A");
  TInteractiveInput* b = Input(c, 60, 220, "B");
  // A full adder whose carry in is the carry out of the bit before, kept by a flip-flop.
  auto* half = Place<T2XorGate>(c, 200, 110);
  auto* both = Place<T2AndGate>(c, 200, 190);
  auto* sum = Place<T2XorGate>(c, 320, 120);
  auto* passed = Place<T2AndGate>(c, 320, 170);
  auto* carryOut = Place<T2OrGate>(c, 440, 200);
  auto* carry = Place<TDFlipFlop>(c, 540, 210);
  // Each sum bit enters the register at S3 and moves one stage right per clock, so after four
  // clocks the first, lowest, bit stands in S0.
  std::array<TDFlipFlop*, SumBits> result{};
  std::array<TLEDDevice*, SumBits> lamps{};
  std::vector<TPin*> clocks{&Clock(*carry)};
  for (int i = 0; i < SumBits; ++i) {
    const int x = RegisterX + 150 * i;
    result[i] = Place<TDFlipFlop>(c, x, RegisterY);
    const QByteArray label = "S" + QByteArray::number(SumBits - 1 - i);
    lamps[i] = Lamp(c, x + 70, RegisterY - 70, label.constData());
    clocks.push_back(&Clock(*result[i]));
  }
  ClockLine(c, Out(*Input(c, 60, ClockY, "Clk")), clocks, 20);

  TLayout layout(c);
  layout.Net(Out(*a), {&Upper(*half), &Upper(*both)});
  layout.Net(Out(*b), {&Lower(*half), &Lower(*both)});
  layout.Net(Out(*half), {&Upper(*sum), &Upper(*passed)});
  layout.Net(Out(*both), {&Lower(*carryOut)});
  layout.Net(Out(*passed), {&Upper(*carryOut)});
  layout.Net(Out(*carryOut), {&Data(*carry)});
  layout.Net(Q(*carry), {&Out(*Lamp(c, 620, 200, "Carry")), &Lower(*sum), &Lower(*passed)});
  layout.Net(Out(*sum), {&Out(*Lamp(c, 400, 80, "Sum")), &Data(*result[0])});
  for (int i = 0; i < SumBits; ++i) {
    if (i + 1 < SumBits) {
      layout.Net(Q(*result[i]), {&Out(*lamps[i]), &Data(*result[i + 1])});
    } else {
      layout.Net(Q(*result[i]), {&Out(*lamps[i])});
    }
  }
  layout.Route();
  root->Reset();
  return root;
}

QString SerialAdderTable() {
  QString table = QStringLiteral(
      "# serial adder: the bits of A and B are set lowest first while Clk is low, and each\n"
      "# rising edge keeps the carry and shifts the sum bit into the register: 5 + 3 = 8,\n"
      "# 6 + 7 = 13, and 9 + 9 = 18, which leaves 2 with the carry set\n"
      "A B Clk | Sum Carry S3 S2 S1 S0\n");
  int carried = 0;
  int shifted = 0;
  const auto row = [&](const QString& inputs, int sumBit) {
    QString registerBits;
    for (int bit = SumBits - 1; bit >= 0; --bit) {
      registerBits += QStringLiteral(" %1").arg(shifted >> bit & 1);
    }
    table += QStringLiteral("%1 | %2   %3    %4\n")
                 .arg(inputs)
                 .arg(sumBit < 0 ? QStringLiteral("X") : QString::number(sumBit))
                 .arg(carried)
                 .arg(registerBits.mid(1));
  };
  for (const auto& [x, y] : {std::pair{5, 3}, {6, 7}, {9, 9}}) {
    for (int bit = 0; bit < SumBits; ++bit) {
      const int ai = x >> bit & 1;
      const int bi = y >> bit & 1;
      const int s = ai ^ bi ^ carried;
      row(QStringLiteral("%1 %2 0  ").arg(ai).arg(bi), s);
      carried = (ai + bi + carried) >> 1;
      shifted = shifted >> 1 | s << (SumBits - 1);
      row(QStringLiteral("X X C  "), -1);
    }
  }
  return table;
}

}  // namespace logivane::examples
