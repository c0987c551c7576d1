#pragma once

#include "simulation/cMacro.h"

#include <memory>

namespace logivane::test {

/// One of every device class, wired where it matters, with a sub-circuit, joints and a note.
std::unique_ptr<TMacro> EveryDeviceCircuit();

/// A 4-bit synchronous counter of JK flip-flops counting on the clock's falling edges, shown
/// on a numeric display labelled "count" in plain decimal; the clock is labelled "clock".
std::unique_ptr<TMacro> Counter();

/// A full adder of gates between interactive inputs labelled A, B and Cin and LEDs labelled Sum
/// and Cout.
std::unique_ptr<TMacro> LabelledFullAdder();

/// Two enabled tri-state buffers driving one wire.
std::unique_ptr<TMacro> Contention();

}  // namespace logivane::test
