// The counters of the course that the flip-flops count with on their own: a ripple counter.

#include "Layout.h"
#include "SequentialCircuits.h"
#include "StageParts.h"

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
  TInteractiveInput* clock = Input(c, 60, RippleY, "Clk");
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

}  // namespace logivane::examples
