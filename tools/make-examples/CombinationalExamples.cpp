#include "CombinationalExamples.h"

#include "Examples.h"

namespace logivane::examples {

// The half adder that opens this folder is drawn by hand and shipped as it is.
std::span<const TExample> CombinationalExamples() {
  static constexpr char Folder[] = "2 Combinational";
  static constexpr TExample examples[] = {
      {Folder, "full-adder.lvm", "Full adder",
       "Click A, B and Cin: Sum and Cout show their sum as a two-bit number.\n"
       "Two half adders make it: the second adds Cin to the sum of the first.",
       &FullAdder, &FullAdderTable},
      {Folder, "ripple-adder.lvm", "4-bit ripple adder",
       "Set A3..A0 and B3..B0 to two numbers: S3..S0 and Cout show their sum in binary,\n"
       "the displays below show A, B and Sum in decimal.\n"
       "Each full adder passes its carry to the next, down and to the right.",
       &RippleAdder, &RippleAdderTable},
      {Folder, "subtractor.lvm", "Full subtractor",
       "Click A, B and Bin: D is the difference A - B - Bin and Bout the borrow it needs.\n"
       "Compare it with the full adder: the difference is the same XOR of the three.",
       &Subtractor, &SubtractorTable},
      {Folder, "comparator.lvm", "Comparator",
       "Click A and B: Greater, Equal or Less lights, never two at once.", &Comparator,
       &ComparatorTable},
      {Folder, "mux2.lvm", "2-way multiplexer",
       "Set A and B differently, then click S: Y follows A while S is 0 and B while S is 1.", &Mux2,
       &Mux2Table},
      {Folder, "mux4.lvm", "4-way multiplexer",
       "S1 S0 number the data input that reaches Y: set D0 to D3, then count S1 S0 up.\n"
       "Each AND gate opens for one number; the OR gate collects them.",
       &Mux4, &Mux4Table},
      {Folder, "decoder.lvm", "2-to-4 decoder",
       "Click A1 and A0: the output they number in binary lights, and only that one.", &Decoder,
       &DecoderTable},
      {Folder, "priority-encoder.lvm", "Priority encoder",
       "Switch on several of D3 to D0: Y1 Y0 number the highest one, and V says any is on.",
       &PriorityEncoder, &PriorityEncoderTable},
      {Folder, "bcd-7segment.lvm", "BCD to 7-segment decoder",
       "Set a digit 0 to 9 on D3 to D0: the display draws it, and a to g show its segments.\n"
       "The ROM holds one word of segments for each digit: open it to read them.",
       &SegmentDecoder, &SegmentDecoderTable},
      {Folder, "parity.lvm", "Parity generator",
       "Click D3 to D0: P lights when an odd number of them is 1, so that the five together\n"
       "always hold an even number of 1s. A tree of XOR gates computes it.",
       &Parity, &ParityTable},
  };
  return examples;
}

}  // namespace logivane::examples
