// The sequential circuits of the course that compute as they go: a serial adder and a
// vending machine.

#include "Layout.h"
#include "SequentialCircuits.h"
#include "StageParts.h"
#include "simulation/cMemory.h"
#include "simulation/cinput.h"

#include <array>

namespace logivane::examples {

namespace {

constexpr int SumBits = 4;
/// The result register stands to the right of the adder, level with its sum output.
constexpr int RegisterX = 760;
constexpr int RegisterY = 130;

/// The vending machine's price and coins, in cents; its credit is kept in 5-cent units.
constexpr int Price = 15;
constexpr int Unit = 5;

/// What the vending machine does with credit `units` when `coins` cents go in: the credit it
/// keeps, whether it vends, and whether it gives change.
struct TVend {
  int Credit;
  bool Vend;
  bool Change;
};

TVend Insert(int units, int coins) {
  const int total = (units < 3 ? units * Unit : 0) + coins;
  if (total >= Price) {
    return {0, true, total > Price};
  }
  return {total / Unit, false, false};
}

/// The next-state table of the vending machine as a 16 x 4 ROM at (x, y): address bits credit
/// (2), 10c, 5c; data bits credit (2), vend, change. The size is set before the ROM is moved,
/// because building the symbol places the new pins around the origin.
std::unique_ptr<TMemoryDevice> VendingRom(int x, int y) {
  auto rom = std::make_unique<TMemoryDevice>();
  rom->BuildSymbol(false, 4, 4);
  for (int address = 0; address < 16; ++address) {
    const TVend next = Insert(address >> 2, (address >> 1 & 1) * 2 * Unit + (address & 1) * Unit);
    rom->SetWord(next.Credit << 2 | (next.Vend ? 2 : 0) | (next.Change ? 1 : 0), address);
  }
  rom->Translate(static_cast<float>(x), static_cast<float>(y));
  rom->Remap();
  return rom;
}

}  // namespace

std::unique_ptr<TMacro> SerialAdder() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TInteractiveInput* a = Switch(c, 60, 100, "A");
  TInteractiveInput* b = Switch(c, 60, 220, "B");
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
  ClockLine(c, Out(*Switch(c, 60, ClockY, "Clk")), clocks, 20);

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

std::unique_ptr<TMacro> VendingMachine() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TInteractiveInput* ten = Switch(c, 60, 240, "Coin10");
  TInteractiveInput* five = Switch(c, 60, 280, "Coin5");
  // The state is the credit in the top two flip-flops; a ROM holds the next state and the
  // outputs for every credit and coin, which the flip-flops take on each clock.
  auto* rom = AddObject(c, VendingRom(300, 200));
  auto* low = Place<TGround>(c, 315, 245);
  Wire(c, *low->Pin(0), *rom->Pin(rom->ChipSelectPin()));
  std::array<TDFlipFlop*, 4> state{};
  for (int k = 0; k < 4; ++k) {
    state[k] = Place<TDFlipFlop>(c, 460, 120 + 70 * k);
  }
  TLayout layout(c);
  for (int k = 0; k < 4; ++k) {
    layout.Net(*rom->Pin(rom->FirstDataPin() + k), {&Data(*state[k])});
  }
  TInteractiveInput* clock = Switch(c, 380, 400, "Clk");
  layout.Net(Out(*clock),
             {&Clock(*state[0]), &Clock(*state[1]), &Clock(*state[2]), &Clock(*state[3])});
  layout.Net(Out(*ten), {rom->Pin(2)});
  layout.Net(Out(*five), {rom->Pin(3)});
  layout.Net(Q(*state[0]), {&Out(*Lamp(c, 560, 110, "10c")), rom->Pin(0)});
  layout.Net(Q(*state[1]), {&Out(*Lamp(c, 560, 180, "5c")), rom->Pin(1)});
  layout.Net(Q(*state[2]), {&Out(*Lamp(c, 560, 250, "Vend"))});
  layout.Net(Q(*state[3]), {&Out(*Lamp(c, 560, 320, "Change"))});
  layout.Route();
  root->Reset();
  return root;
}

QString VendingMachineTable() {
  QString table = QStringLiteral(
      "# vending machine: a drink costs 15c; coins are put in while Clk is low and counted on\n"
      "# its rising edge. 5c LED and 10c LED show the credit; Vend lights for one clock when\n"
      "# the credit reaches 15c, and Change too when it passed it\n"
      "Coin5 Coin10 Clk | 5c 10c Vend Change\n");
  TVend now{0, false, false};
  const auto row = [&](const QString& inputs) {
    table += QStringLiteral("%1 | %2  %3   %4    %5\n")
                 .arg(inputs)
                 .arg(now.Credit & 1)
                 .arg(now.Credit >> 1)
                 .arg(now.Vend ? 1 : 0)
                 .arg(now.Change ? 1 : 0);
  };
  // Three fives, ten and five, ten and ten, a clock with no coin, five and ten.
  for (const int coin : {5, 5, 5, 0, 10, 5, 10, 10, 0, 5, 0, 10, 0}) {
    const int five = coin == 5 ? 1 : 0;
    const int ten = coin == 10 ? 1 : 0;
    row(QStringLiteral("%1     %2      0  ").arg(five).arg(ten));
    now = Insert(now.Credit, coin);
    row(QStringLiteral("X     X      C  "));
  }
  return table;
}

}  // namespace logivane::examples
