// The shift registers of the course: a plain one, and the counters and the sequence generator
// that a shift register fed back from its own outputs makes.

#include "Layout.h"
#include "SequentialCircuits.h"
#include "StageParts.h"

#include <array>

namespace logivane::examples {

namespace {

constexpr int StageCount = 4;
/// The clock reaches each D flip-flop 20 left of its pin, clear of a wire fed back to D0.
constexpr int ClockOffset = 20;

/// A row of D flip-flops on the clock `Clk`, with the LED of each stage's Q.
struct TShiftRow {
  std::vector<TDFlipFlop*> Stages;
  std::array<TLEDDevice*, StageCount> Lamps{};
};

TShiftRow PlaceShiftRow(TMacro& c) {
  TShiftRow row{StageRow<TDFlipFlop>(c, StageCount), {}};
  for (int i = 0; i < StageCount; ++i) {
    row.Lamps[static_cast<std::size_t>(i)] = StageLamp(c, i);
  }
  ClockLine(c, Out(*Switch(c, 60, ClockY, "Clk")), row.Stages, ClockOffset);
  return row;
}

/// Declares the net of Q of stage `i`: the next stage's D, its LED and `more` when given.
void ShiftNet(TLayout& layout, const TShiftRow& row, int i, TPin* more = nullptr) {
  const auto at = static_cast<std::size_t>(i);
  TPin& q = Q(*row.Stages[at]);
  TPin* lamp = &Out(*row.Lamps[at]);
  if (i + 1 == StageCount) {
    more ? layout.Net(q, {lamp, more}) : layout.Net(q, {lamp});
    return;
  }
  TPin* next = &Data(*row.Stages[at + 1]);
  more ? layout.Net(q, {lamp, next, more}) : layout.Net(q, {lamp, next});
}

/// The table of a circuit clocked by Clk that runs through `states`, given as the levels of Q0
/// to Q3, from the reset state; `comment` explains it.
QString StatesTable(const char* comment, std::initializer_list<int> states) {
  QString table = QString::fromLatin1(comment) + QStringLiteral("Clk | Q0 Q1 Q2 Q3\n");
  bool first = true;
  for (const int state : states) {
    table += (first ? QStringLiteral("0   | ") : QStringLiteral("C   | ")) +
             LevelsOf(state, StageCount) + u'\n';
    first = false;
  }
  return table;
}

}  // namespace

std::unique_ptr<TMacro> ShiftRegister() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TInteractiveInput* data = Switch(c, 60, StageY - 10, "Data");
  const TShiftRow row = PlaceShiftRow(c);
  TLayout layout(c);
  layout.Net(Out(*data), {&Data(*row.Stages[0])});
  for (int i = 0; i < StageCount; ++i) {
    ShiftNet(layout, row, i);
  }
  layout.Route();
  root->Reset();
  return root;
}

QString ShiftRegisterTable() {
  QString table = QStringLiteral(
      "# shift register: Data is set while Clk is low, and each rising edge of Clk moves every\n"
      "# bit one stage on; the pattern 1 0 1 1 goes in and walks out again behind zeros\n"
      "Data Clk | Q0 Q1 Q2 Q3\n");
  int state = 0;
  for (const int bit : {1, 0, 1, 1, 0, 0, 0, 0}) {
    table += QStringLiteral("%1    0   | %2\n").arg(bit).arg(LevelsOf(state, StageCount));
    state = (state << 1 | bit) & 15;
    table += QStringLiteral("X    C   | %1\n").arg(LevelsOf(state, StageCount));
  }
  return table;
}

std::unique_ptr<TMacro> JohnsonCounter() {
  auto root = NewCircuit();
  TMacro& c = *root;
  const TShiftRow row = PlaceShiftRow(c);
  TLayout layout(c);
  for (int i = 0; i < StageCount; ++i) {
    ShiftNet(layout, row, i);
  }
  layout.Net(NotQ(*row.Stages[StageCount - 1]), {&Data(*row.Stages[0])});
  layout.Route();
  root->Reset();
  return root;
}

QString JohnsonCounterTable() {
  return StatesTable(
      "# Johnson counter: ones fill the register from Q0, then zeros follow them; eight\n"
      "# states, then round again\n",
      {0b0000, 0b0001, 0b0011, 0b0111, 0b1111, 0b1110, 0b1100, 0b1000, 0b0000, 0b0001});
}

std::unique_ptr<TMacro> RingCounter() {
  auto root = NewCircuit();
  TMacro& c = *root;
  const TShiftRow row = PlaceShiftRow(c);
  // Stage 0 takes a 1 only when stages 0 to 2 are empty, so the ring fills itself with one 1
  // after a reset, and a stray second 1 drops out within a round.
  const int x = StageX(StageCount - 1) + 170;
  auto* empty = Place<T3NorGate>(c, x, 80);
  TLayout layout(c);
  for (int i = 0; i < StageCount; ++i) {
    ShiftNet(layout, row, i, i < 3 ? empty->Pin(3 - i) : nullptr);
  }
  layout.Net(Out(*empty), {&Data(*row.Stages[0])});
  layout.Route();
  root->Reset();
  return root;
}

QString RingCounterTable() {
  return StatesTable(
      "# ring counter: a single 1 goes round the four stages, one stage per rising edge of\n"
      "# Clk; the first edge after a reset puts it in\n",
      {0b0000, 0b0001, 0b0010, 0b0100, 0b1000, 0b0001, 0b0010, 0b0100, 0b1000, 0b0001});
}

std::unique_ptr<TMacro> Lfsr() {
  auto root = NewCircuit();
  TMacro& c = *root;
  const TShiftRow row = PlaceShiftRow(c);
  // The feedback taps Q2 and Q3, which makes the longest sequence a four-bit register can run;
  // XNOR rather than XOR lets it start from the cleared state, and 1111 is the one it avoids.
  auto* feedback = Place<T2XnorGate>(c, StageX(StageCount - 1) + 170, 100);
  TLayout layout(c);
  for (int i = 0; i < StageCount; ++i) {
    TPin* tap = i == 2 ? &Upper(*feedback) : i == 3 ? &Lower(*feedback) : nullptr;
    ShiftNet(layout, row, i, tap);
  }
  layout.Net(Out(*feedback), {&Data(*row.Stages[0])});
  layout.Route();
  root->Reset();
  return root;
}

QString LfsrTable() {
  return StatesTable(
      "# linear feedback shift register: fifteen different states, every one but 1111, and\n"
      "# back to 0000 on the fifteenth rising edge of Clk\n",
      {0b0000, 0b0001, 0b0011, 0b0111, 0b1110, 0b1101, 0b1011, 0b0110, 0b1100, 0b1001, 0b0010,
       0b0101, 0b1010, 0b0100, 0b1000, 0b0000, 0b0001});
}

}  // namespace logivane::examples
