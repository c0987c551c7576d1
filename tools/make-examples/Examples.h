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

/// One example circuit: the course folder and file name it is written to, the title stored
/// with it and written over it with a hint of what to try, and the test table shipped beside it.
struct TExample {
  const char* Folder;
  const char* FileName;
  const char* Title;
  /// One or two lines, split at '\n'.
  const char* Hint;
  std::unique_ptr<TMacro> (*Build)();
  QString (*Table)();
};

/// The examples of each folder of the course, in the order the course takes them; each folder
/// has a source file of its own.
std::span<const TExample> GatesExamples();
std::span<const TExample> CombinationalExamples();
std::span<const TExample> LatchExamples();
std::span<const TExample> SequentialExamples();
std::span<const TExample> MemoryExamples();
std::span<const TExample> ComputerExamples();

/// Every example this program writes, folder by folder.
std::span<const TExample> AllExamples();

/// The path of `example` under the examples folder: "<folder>/<file name>".
QString ExamplePath(const TExample& example);

/// The circuit of `example` as it is written: built, titled and moved to the top left corner.
std::unique_ptr<TMacro> BuildExample(const TExample& example);

/// The circuit file bytes of `example` as the program writes them.
QByteArray ExampleBytes(const TExample& example);

/// The path of the test table file beside `example`: its own path ending in ".lvtest".
QString TableFileName(const TExample& example);

/// The test table file bytes of `example` as the program writes them.
QByteArray TableBytes(const TExample& example);

}  // namespace logivane::examples
