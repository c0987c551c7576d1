#include "Examples.h"

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
  };
  return examples;
}

}  // namespace logivane::examples
