#pragma once

// The circuits of the second folder of the course, drawn from gates, beside the full adder of
// Examples.h.

#include "simulation/cMacro.h"

#include <QString>

#include <memory>

namespace logivane::examples {

/// A3..A0 + B3..B0 + Cin by four full adders in a chain: S3 to S0 and Cout.
std::unique_ptr<TMacro> RippleAdder();
QString RippleAdderTable();

/// A - B - Bin on the inputs A, B and Bin: difference D and borrow Bout.
std::unique_ptr<TMacro> Subtractor();
QString SubtractorTable();

/// Whether A is greater than, equal to or less than B, one bit each.
std::unique_ptr<TMacro> Comparator();
QString ComparatorTable();

/// The even parity bit P of D3 to D0.
std::unique_ptr<TMacro> Parity();
QString ParityTable();

/// Y is A while S is 0, B while S is 1.
std::unique_ptr<TMacro> Mux2();
QString Mux2Table();

/// Y is the one of D0 to D3 that S1 S0 number.
std::unique_ptr<TMacro> Mux4();
QString Mux4Table();

/// One of Y0 to Y3 lights: the one that A1 A0 number.
std::unique_ptr<TMacro> Decoder();
QString DecoderTable();

/// Y1 Y0 number the highest of D3 to D0 that is 1; V says whether any is.
std::unique_ptr<TMacro> PriorityEncoder();
QString PriorityEncoderTable();

/// The segments a to g that draw the digit on D3 to D0, from a ROM, on LEDs and a display.
std::unique_ptr<TMacro> SegmentDecoder();
QString SegmentDecoderTable();

}  // namespace logivane::examples
