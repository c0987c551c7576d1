#pragma once

#include "simulation/cMacro.h"

#include <memory>
#include <span>

namespace logivane::examples {

/// A clock drives four JK flip-flops that count 0 to 15 in step; LEDs Q0 to Q3 show the bits
/// and a numeric display labelled "count" shows the number.
std::unique_ptr<TMacro> Counter();

/// A full adder of XOR, AND and OR gates: inputs A, B and Cin, LEDs Sum and Cout.
std::unique_ptr<TMacro> FullAdder();

/// A two-bit counter on a clock, decoded to LEDs "red", "amber" and "green" that go through
/// red, red and amber, green, amber, and round again.
std::unique_ptr<TMacro> TrafficLight();

/// The test table of Counter(): the count and its bits over seventeen clock cycles.
QString CounterTable();

/// The test table of FullAdder(): every input combination, the outputs as expressions.
QString FullAdderTable();

/// The test table of TrafficLight(): its four phases, twice round.
QString TrafficLightTable();

/// One example circuit: its file name in the examples folder, the title stored with it and
/// the test table shipped beside it.
struct TExample {
  const char* FileName;
  const char* Title;
  std::unique_ptr<TMacro> (*Build)();
  QString (*Table)();
};

/// Every example this program writes.
std::span<const TExample> AllExamples();

/// The circuit file bytes of `example` as the program writes them.
QByteArray ExampleBytes(const TExample& example);

/// The name of the test table file beside `example`: its own name ending in ".lvtest".
QString TableFileName(const TExample& example);

/// The test table file bytes of `example` as the program writes them.
QByteArray TableBytes(const TExample& example);

}  // namespace logivane::examples
