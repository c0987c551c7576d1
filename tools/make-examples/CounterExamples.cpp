// The counters of the course built from toggling JK flip-flops: a ripple counter and a
// synchronous up/down counter.

#include "Layout.h"
#include "SequentialCircuits.h"
#include "StageParts.h"

#include <array>
#include <vector>

namespace logivane::examples {

namespace {

constexpr int StageCount = 4;
/// The level under the row along which each stage's clock arrives.
constexpr int RippleY = 250;

/// Wires `from`, a Q, up to its LED and along `RippleY` to the clock of `next` when there is
/// one; the branch stands 10 right of the pin.
void RippleFrom(TMacro& c, TPin& from, TLEDDevice& lamp, TJKFlipFlop* next) {
  const QPoint pin = PinPoint(from);
  const QPoint led = PinPoint(Out(lamp));
  const int x = pin.x() + 10;
  if (!next) {
    Wire(c, from, Out(lamp), {{x, pin.y()}, {x, led.y()}});
    return;
  }
  TSolder* branch = Joint(c, x, pin.y());
  Wire(c, from, *branch);
  Wire(c, *branch, Out(lamp), {{x, led.y()}});
  const QPoint clock = PinPoint(Clock(*next));
  Wire(c, *branch, Clock(*next),
       {{x, RippleY}, {clock.x() - 10, RippleY}, {clock.x() - 10, clock.y()}});
}

}  // namespace

std::unique_ptr<TMacro> RippleCounter() {
  auto root = NewCircuit();
  TMacro& c = *root;
  std::vector<TJKFlipFlop*> stages;
  for (int i = 0; i < StageCount; ++i) {
    stages.push_back(ToggleStage(c, StageX(i)));
  }
  TInteractiveInput* clock = Switch(c, 60, RippleY, "Clk");
  const int x = StageX(0) - 40;
  Wire(c, Out(*clock), Clock(*stages[0]), {{x, RippleY}, {x, StageY}});
  for (int i = 0; i < StageCount; ++i) {
    RippleFrom(c, Q(*stages[i]), *StageLamp(c, i), i + 1 < StageCount ? stages[i + 1] : nullptr);
  }
  root->Reset();
  return root;
}

QString RippleCounterTable() {
  QString table = QStringLiteral(
      "# ripple counter: each stage toggles as the stage before it falls from 1 to 0, so the\n"
      "# LEDs count the pulses of Clk from 0 to 15 and round to 0 again\n"
      "Clk | Q0 Q1 Q2 Q3\n"
      "0   | 0 0 0 0\n");
  for (int count = 1; count <= 16; ++count) {
    table += QStringLiteral("C   | %1\n").arg(LevelsOf(count % 16, StageCount));
  }
  return table;
}

std::unique_ptr<TMacro> UpDownCounter() {
  auto root = NewCircuit();
  TMacro& c = *root;
  // The stages stand wide apart, so that the gate that decides whether a stage toggles fits
  // left of it.
  constexpr std::array<int, 3> x{200, 460, 720};
  TInteractiveInput* down = Switch(c, 60, 50, "Down");
  std::vector<TJKFlipFlop*> stages{ToggleStage(c, x[0]), Place<TJKFlipFlop>(c, x[1], StageY),
                                   Place<TJKFlipFlop>(c, x[2], StageY)};
  ClockLine(c, Out(*Switch(c, 60, ClockY, "Clk")), stages, 10);
  // Counting up, a stage toggles when every stage below it is 1; counting down, when every
  // one is 0. XOR with Down turns the second case into the first.
  auto* flip0 = Place<T2XorGate>(c, x[1] - 90, 110);
  auto* flip1 = Place<T2XorGate>(c, x[1] + 90, 60);
  auto* carry = Place<T2AndGate>(c, x[2] - 90, 110);
  TLayout layout(c);
  layout.Net(Out(*down), {&Upper(*flip1), &Upper(*flip0)});
  layout.Net(Q(*stages[0]), {&Out(*Lamp(c, x[0] + 70, 170, "Q0")), &Lower(*flip0)});
  layout.Net(Out(*flip0), {&Data(*stages[1]), &K(*stages[1]), &Lower(*carry)});
  layout.Net(Q(*stages[1]), {&Out(*Lamp(c, x[1] + 70, 170, "Q1")), &Lower(*flip1)});
  layout.Net(Out(*flip1), {&Upper(*carry)});
  layout.Net(Out(*carry), {&Data(*stages[2]), &K(*stages[2])});
  layout.Net(Q(*stages[2]), {&Out(*Lamp(c, x[2] + 70, 170, "Q2"))});
  layout.Route();
  root->Reset();
  return root;
}

QString UpDownCounterTable() {
  QString table = QStringLiteral(
      "# up/down counter: each falling edge of Clk counts up while Down is low and down while\n"
      "# it is high, wrapping round between 7 and 0 either way\n"
      "Down Clk | Q0 Q1 Q2\n"
      "0    0   | 0 0 0\n");
  int count = 0;
  for (const int step : {1, 1, 1, 1, 1, -1, -1, -1, -1, -1, -1, -1, 1, 1}) {
    count = (count + step + 8) % 8;
    table += QStringLiteral("%1    C   | %2\n").arg(step < 0 ? 1 : 0).arg(LevelsOf(count, 3));
  }
  return table;
}

}  // namespace logivane::examples
