#pragma once

// The circuits of the sequential part of the course and their test tables, each pair in the
// source file of its kind.

#include "simulation/cMacro.h"

#include <QString>

#include <memory>

namespace logivane::examples {

/// Four D flip-flops in a row shift Data in, one place for each rising edge of Clk.
std::unique_ptr<TMacro> ShiftRegister();
QString ShiftRegisterTable();

/// A four-stage shift register fed back from inverted Q3: a Johnson counter of eight states.
std::unique_ptr<TMacro> JohnsonCounter();
QString JohnsonCounterTable();

/// A four-stage ring counter that starts itself: stage 0 takes a 1 whenever stages 0 to 2
/// are all 0.
std::unique_ptr<TMacro> RingCounter();
QString RingCounterTable();

/// A four-bit linear feedback shift register through fifteen states.
std::unique_ptr<TMacro> Lfsr();
QString LfsrTable();

/// Four JK flip-flops that toggle, each clocked by the Q of the stage before it.
std::unique_ptr<TMacro> RippleCounter();
QString RippleCounterTable();

/// Three JK flip-flops that count up, or down while Down is high, all on one clock.
std::unique_ptr<TMacro> UpDownCounter();
QString UpDownCounterTable();

/// Two decade counters from the library count Clk from 00 to 99, each digit decoded to a
/// seven-segment display and shown on a numeric display, "tens" or "units".
std::unique_ptr<TMacro> BcdCounter();
QString BcdCounterTable();

/// A full adder and a carry flip-flop that add A and B one bit per clock, lowest bit first,
/// into a four-bit result register.
std::unique_ptr<TMacro> SerialAdder();
QString SerialAdderTable();

/// A vending machine for a 15-cent drink: a ROM gives the next credit and the outputs for the
/// credit and the coin put in, and four D flip-flops keep them.
std::unique_ptr<TMacro> VendingMachine();
QString VendingMachineTable();

}  // namespace logivane::examples
