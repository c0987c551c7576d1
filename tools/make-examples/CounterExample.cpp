#include "ExampleParts.h"
#include "Examples.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cGateDevice.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

#include <array>

namespace logivane::examples {

namespace {

constexpr int StageCount = 4;
constexpr int Row = 200;

/// The x of flip-flop `i`; the stages stand 180 apart, which leaves room for a carry gate
/// between two of them.
constexpr int StageX(int i) {
  return 200 + 180 * i;
}

}  // namespace

std::unique_ptr<TMacro> Counter() {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* clock = Place<TClockDevice>(c, 60, 270);
  clock->SetLabelText(QStringLiteral("clock"));
  clock->Recorded = true;
  auto* high = Place<TSupply>(c, 115, Row - 10);

  std::array<TJKFlipFlop*, StageCount> stages{};
  std::array<TSolder*, StageCount> toggles{};
  for (int i = 0; i < StageCount; ++i) {
    const int x = StageX(i);
    TJKFlipFlop* stage = stages[i] = Place<TJKFlipFlop>(c, x, Row);
    // J and K are tied: a stage either toggles or holds.
    TSolder* toggle = toggles[i] = Joint(c, x - 50, Row - 10);
    Wire(c, *toggle, *stage->Pin(TClockedFlipFlop::PinData));
    Wire(c, *toggle, *stage->Pin(TJKFlipFlop::PinK), {{x - 50, Row + 10}});
  }
  Wire(c, *high->Pin(0), *toggles[0]);

  // The clock runs along a bus under the stages.
  TGraphicObject* bus = clock->Pin(0);
  for (int i = 0; i < StageCount; ++i) {
    const int x = StageX(i) - 40;
    TPin& input = *stages[i]->Pin(TClockedFlipFlop::PinClock);
    if (i + 1 < StageCount) {
      TSolder* tap = Joint(c, x, Row + 70);
      Wire(c, *bus, *tap);
      Wire(c, *tap, input, {{x, Row}});
      bus = tap;
    } else {
      Wire(c, *bus, input, {{x, Row + 70}, {x, Row}});
    }
  }

  // Each Q leaves through a joint: up to the carry, down to its LED and the display.
  std::array<TGraphicObject*, StageCount> outputs{};
  for (int i = 0; i + 1 < StageCount; ++i) {
    outputs[i] = Joint(c, StageX(i) + 45, Row - 10);
    Wire(c, *stages[i]->Pin(0), *outputs[i]);
  }
  outputs[3] = stages[3]->Pin(0);

  // Stage 1 toggles with Q0, stage 2 when Q0 and Q1 are high, stage 3 when Q0 to Q2 are.
  const int x1 = StageX(1);
  const int x2 = StageX(2);
  TSolder* carry1 = Joint(c, x1 - 50, 110);
  Wire(c, *outputs[0], *carry1, {{StageX(0) + 45, 110}});
  Wire(c, *carry1, *toggles[1]);
  auto* both = Place<T2AndGate>(c, x1 + 90, 120);
  Wire(c, *carry1, *both->Pin(2));
  Wire(c, *outputs[1], *both->Pin(1), {{x1 + 45, 130}});
  TSolder* carry2 = Joint(c, x2 - 50, 120);
  Wire(c, *both->Pin(0), *carry2);
  Wire(c, *carry2, *toggles[2]);
  auto* all = Place<T2AndGate>(c, x2 + 90, 130);
  Wire(c, *carry2, *all->Pin(2));
  Wire(c, *outputs[2], *all->Pin(1), {{x2 + 45, 140}});
  Wire(c, *all->Pin(0), *toggles[3], {{StageX(3) - 50, 130}});

  // The display sits low at the right with its pins underneath; each bit reaches it along its
  // own level, Q0 lowest, so that no two of these wires cross.
  auto* count = Place<TNumericDevice>(c, StageX(3) + 140, 300);
  count->SetPinsAtBottom(true);
  count->Format = TNumericDevice::FormatDecimal | TNumericDevice::FormatSuppressZeros;
  count->SetLabelText(QStringLiteral("count"));
  count->Recorded = true;
  for (int i = 0; i < StageCount; ++i) {
    const int x = StageX(i) + 45;
    TSolder* tap = Joint(c, x, Row + 40);
    if (i + 1 < StageCount) {
      Wire(c, *outputs[i], *tap);
    } else {
      Wire(c, *outputs[i], *tap, {{x, Row - 10}});
    }
    auto* led = Place<TLEDDevice>(c, x + 30, Row + 40);
    led->SetLabelText(QStringLiteral("Q%1").arg(i));
    led->SetLabelPosition(TTextDevice::LabelRight);
    led->Recorded = true;
    Wire(c, *tap, *led->Pin(0));
    const int level = 370 - 10 * i;
    const int pinX = StageX(3) + 155 - 10 * i;
    Wire(c, *tap, *count->Pin(i), {{x, level}, {pinX, level}});
  }
  root->Reset();
  return root;
}

QString CounterTable() {
  QString table = QStringLiteral(
      "# counter: the clock runs by itself, and the count goes up by one every clock cycle of\n"
      "# two steps, from 0 to 15 and round to 0 again\n"
      "| count Q3 Q2 Q1 Q0\n"
      "steps 2\n");
  for (int cycle = 0; cycle <= 16; ++cycle) {
    const int count = cycle % 16;
    table += QStringLiteral("| %1").arg(count, 5);
    for (int bit = StageCount - 1; bit >= 0; --bit) {
      table += QStringLiteral("  %1").arg(count >> bit & 1);
    }
    table += u'\n';
  }
  return table;
}

}  // namespace logivane::examples
