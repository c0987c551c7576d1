#include "GatesExamples.h"

#include "Examples.h"

namespace logivane::examples {

std::span<const TExample> GatesExamples() {
  static constexpr char Folder[] = "1 Gates";
  static constexpr TExample examples[] = {
      {Folder, "not.lvm", "NOT gate",
       "Click A to switch it: the LED Y shows the opposite.\n"
       "Tools > Test Table runs both rows of its truth table.",
       &NotGate, &NotGateTable},
      {Folder, "and.lvm", "AND gate",
       "Click A and B: Y lights only while both are 1.\n"
       "Tools > Test Table runs the four rows of its truth table.",
       &AndGate, &AndGateTable},
      {Folder, "or.lvm", "OR gate",
       "Click A and B: Y lights while either is 1, or both.\n"
       "Tools > Test Table runs the four rows of its truth table.",
       &OrGate, &OrGateTable},
      {Folder, "nand.lvm", "NAND gate",
       "Click A and B: Y goes out only while both are 1 - an AND gate followed by NOT.", &NandGate,
       &NandGateTable},
      {Folder, "nor.lvm", "NOR gate",
       "Click A and B: Y lights only while both are 0 - an OR gate followed by NOT.", &NorGate,
       &NorGateTable},
      {Folder, "xor.lvm", "XOR gate",
       "Click A and B: Y lights while they differ. It adds two bits, without the carry.", &XorGate,
       &XorGateTable},
      {Folder, "xnor.lvm", "XNOR gate", "Click A and B: Y lights while they are equal.", &XnorGate,
       &XnorGateTable},
      {Folder, "de-morgan.lvm", "De Morgan's laws",
       "Click A and B: the two top LEDs always agree, and so do the two bottom ones.\n"
       "Not (A and B) is (not A) or (not B); not (A or B) is (not A) and (not B).",
       &DeMorgan, &DeMorganTable},
      {Folder, "nand-only.lvm", "NAND gates alone",
       "Click A and B: NOT, AND and OR made of nothing but NAND gates.\n"
       "A NAND with its inputs tied is NOT; NOT after NAND is AND; NAND of NOTs is OR.",
       &NandOnly, &NandOnlyTable},
      {Folder, "nor-only.lvm", "NOR gates alone",
       "Click A and B: NOT, OR and AND made of nothing but NOR gates.\n"
       "A NOR with its inputs tied is NOT; NOT after NOR is OR; NOR of NOTs is AND.",
       &NorOnly, &NorOnlyTable},
  };
  return examples;
}

}  // namespace logivane::examples
