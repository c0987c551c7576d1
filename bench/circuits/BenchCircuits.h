#pragma once

#include "simulation/cMacro.h"

#include <memory>

/**
 * @brief Large circuits built in code from the real devices, for measuring the simulator and
 * for writing as circuit files.
 *
 * Each function returns an open root circuit on screen (`Closed` false, `Displayed` true) that
 * has been reset and is ready to step. Every device sits at a position of its own. Indicators
 * carry labels, so that a tool can find the signals it wants to watch by name.
 */
namespace logivane::bench {

/// An N-bit synchronous counter: `bits` JK flip-flops (at least 1) clocked together by one
/// clock device. Stage 0 has J = K = supply; stage i toggles when the Q outputs of every stage
/// below it are high, through a chain of two-input AND gates. Q of stage i lights an LED
/// labelled "Q<i>", which is `Outputs` child i. The count goes up on every falling clock edge,
/// that is every second step.
std::unique_ptr<TMacro> SynchronousCounter(int bits);

/// `count` independent 16-bit ripple-carry adders, each of sixteen full adders (two XOR, two
/// AND and one OR gate apiece) with the carry in of bit 0 grounded. The 32 operand bits of
/// every adder come from sequence generators with sequences of their own, so the sums keep
/// changing. Adder k shows its sum on a 16-line numeric display labelled "S<k>" and its carry
/// out on an LED labelled "C<k>".
std::unique_ptr<TMacro> AdderArray(int count);

/// A 16-bit ripple-carry adder of full adders like those of AdderArray, its carry in grounded,
/// for test tables: its operand bits come from interactive inputs labelled "A0" to "A15" and
/// "B0" to "B15", its sum shows on a 16-line numeric display labelled "S" and its carry out on
/// an LED labelled "Cout"; 115 devices in all.
std::unique_ptr<TMacro> InputAdder();

/// A clock device driving a chain of `length` inverters, filed in chain order. The last
/// inverter lights an LED labelled "Out". Every step flips the whole chain.
std::unique_ptr<TMacro> InverterChain(int length);

}  // namespace logivane::bench
