#include "Examples.h"
#include "SequentialCircuits.h"

namespace logivane::examples {

std::span<const TExample> SequentialExamples() {
  static constexpr char Folder[] = "4 Sequential";
  static constexpr TExample examples[] = {
      {Folder, "counter.lvm", "Counter",
       "Press Run: the clock counts 0 to 15 in binary on Q0 to Q3 and in decimal on the display.\n"
       "Each stage toggles when every stage below it shows 1.",
       &Counter, &CounterTable},
      {Folder, "traffic-light.lvm", "Traffic light",
       "Press Run: a two-bit counter steps the lights through red, red and amber, green, amber.\n"
       "Three gates decode its count to the lamps.",
       &TrafficLight, &TrafficLightTable},
      {Folder, "ripple-counter.lvm", "Ripple counter",
       "Press Clk: each stage toggles when the one before it falls from 1 to 0.\n"
       "The count ripples along the row, which is why the stages change one after another.",
       &RippleCounter, &RippleCounterTable},
      {Folder, "up-down-counter.lvm", "Up/down counter",
       "Press Clk to count up; set Down and press Clk to count down.\n"
       "All stages share the clock: the XOR and AND gates decide which of them toggle.",
       &UpDownCounter, &UpDownCounterTable},
      {Folder, "bcd-counter.lvm", "BCD counter",
       "Press Clk: the units count 0 to 9, and each time they go back to 0 the tens count one.\n"
       "Each digit is a decade counter decoded to a seven-segment display.",
       &BcdCounter, &BcdCounterTable},
      {Folder, "shift-register.lvm", "Shift register",
       "Set Data, then press Clk: each rising edge moves every bit one stage to the right.\n"
       "Four presses load four bits; four more shift them out again.",
       &ShiftRegister, &ShiftRegisterTable},
      {Folder, "ring-counter.lvm", "Ring counter",
       "Press Clk: a single 1 goes round the four stages.\n"
       "The NOR gate puts the 1 in after a reset and drops any second 1 that gets in.",
       &RingCounter, &RingCounterTable},
      {Folder, "johnson-counter.lvm", "Johnson counter",
       "Press Clk: inverted Q3 feeds D0, so ones fill the register and then zeros do.\n"
       "Four flip-flops give eight states, each one bit away from the next.",
       &JohnsonCounter, &JohnsonCounterTable},
      {Folder, "lfsr.lvm", "Linear feedback shift register",
       "Press Clk again and again: Q2 XNOR Q3 feeds D0, and the LEDs run through fifteen\n"
       "states that look random before they repeat. Such registers make test patterns and noise.",
       &Lfsr, &LfsrTable},
      {Folder, "serial-adder.lvm", "Serial adder",
       "Set A and B to the lowest bits of two numbers and press Clk, then the next bits, four "
       "times:\none full adder adds them bit by bit, a flip-flop keeps the carry, and S3 to S0 "
       "collect the sum.",
       &SerialAdder, &SerialAdderTable},
      {Folder, "vending-machine.lvm", "Vending machine",
       "Set Coin5 or Coin10 and press Clk to put a coin in: a drink costs 15c.\n"
       "The ROM is the state table: from the credit and the coin it gives the next credit, "
       "Vend and Change.",
       &VendingMachine, &VendingMachineTable},
  };
  return examples;
}

}  // namespace logivane::examples
