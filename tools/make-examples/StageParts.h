#pragma once

// What the latch, flip-flop and sequential examples share: the pins of a gate or flip-flop by
// their use, and rows of flip-flops with their LEDs and clock line.

#include "CourseParts.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"

#include <vector>

namespace logivane::examples {

/// A two-input gate's upper and lower inputs and its output.
inline TPin& Upper(TGateDevice& gate) {
  return *gate.Pin(2);
}
inline TPin& Lower(TGateDevice& gate) {
  return *gate.Pin(1);
}
inline TPin& Out(TDevice& device) {
  return *device.Pin(0);
}

/// The inputs and outputs of a flip-flop by name.
inline TPin& Q(TFlipFlop& flop) {
  return *flop.Pin(0);
}
inline TPin& NotQ(TFlipFlop& flop) {
  return *flop.Pin(1);
}
inline TPin& Data(TClockedFlipFlop& flop) {
  return *flop.Pin(TClockedFlipFlop::PinData);
}
inline TPin& Clock(TClockedFlipFlop& flop) {
  return *flop.Pin(TClockedFlipFlop::PinClock);
}
inline TPin& K(TJKFlipFlop& flop) {
  return *flop.Pin(TJKFlipFlop::PinK);
}

/// The x of stage `i` of a row of flip-flops; the stages stand 150 apart, which leaves a channel
/// for the wires between two of them.
constexpr int StageX(int i) {
  return 200 + 150 * i;
}
/// The y of the row of flip-flops, of the LEDs above it and of the clock line below it.
constexpr int StageY = 200;
constexpr int LampY = 130;
constexpr int ClockY = 280;

/// `count` flip-flops of class `T` in a row, stage 0 on the left.
template <class T>
std::vector<T*> StageRow(TMacro& circuit, int count) {
  std::vector<T*> stages;
  for (int i = 0; i < count; ++i) {
    stages.push_back(Place<T>(circuit, StageX(i), StageY));
  }
  return stages;
}

/// The LED "Qi" above and right of stage `i`, for its Q.
TLEDDevice* StageLamp(TMacro& circuit, int i);

/// A clock line along `ClockY` from `source`, which stands on it at the left, to each pin of
/// `clocks`, left to right: each is reached by a riser `offset` left of the pin.
void ClockLine(TMacro& circuit, TPin& source, const std::vector<TPin*>& clocks, int offset);
/// The same to the clock input of every stage of `stages`.
template <class T>
void ClockLine(TMacro& circuit, TPin& source, const std::vector<T*>& stages, int offset) {
  std::vector<TPin*> clocks;
  for (T* stage : stages) {
    clocks.push_back(&Clock(*stage));
  }
  ClockLine(circuit, source, clocks, offset);
}

/// A JK flip-flop at (x, StageY) whose J and K are tied high, so that it toggles on every
/// falling edge of its clock.
TJKFlipFlop* ToggleStage(TMacro& circuit, int x);

/// "0 1 1 0": the `count` bits of `value`, lowest first, as a row of a test table.
QString LevelsOf(int value, int count);

}  // namespace logivane::examples
