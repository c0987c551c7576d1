#include "Examples.h"

namespace logivane::examples {

std::span<const TExample> CombinationalExamples() {
  static constexpr char Folder[] = "2 Combinational";
  static constexpr TExample examples[] = {
      {Folder, "full-adder.lvm", "Full adder",
       "Click A, B and Cin: Sum and Cout show their sum as a two-bit number.\n"
       "Two half adders make it: the second adds Cin to the sum of the first.",
       &FullAdder, &FullAdderTable},
  };
  return examples;
}

}  // namespace logivane::examples
