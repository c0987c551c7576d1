// What a test table costs beyond the steps it makes: reading a 16-row table and running it on a
// circuit of about a hundred devices, beside 16 plain steps of the same circuit.

#include "circuits/BenchCircuits.h"
#include "simulation/cRunControl.h"
#include "testtable/TestRun.h"

#include <benchmark/benchmark.h>

namespace logivane {
namespace {

/// Sixteen rows of one step each that compare both outputs of the first adder of an array.
QString SixteenRows() {
  QString text = QStringLiteral("| S0 C0\n");
  for (int i = 0; i < 16; ++i) {
    text += QStringLiteral("| X X\n");
  }
  return text;
}

void BM_SixteenSteps(benchmark::State& state) {
  const auto root = bench::AdderArray(1);
  for (auto _ : state) {
    root->Reset();
    for (int i = 0; i < 16; ++i) {
      benchmark::DoNotOptimize(AdvanceCircuit(*root));
    }
  }
}
BENCHMARK(BM_SixteenSteps)->Unit(benchmark::kMicrosecond);

void BM_SixteenRowTable(benchmark::State& state) {
  const auto root = bench::AdderArray(1);
  const QString text = SixteenRows();
  for (auto _ : state) {
    std::vector<TTestError> errors;
    const TTestTable table = TTestTable::Parse(text, errors);
    const TTestReport report = RunTestTable(*root, table);
    if (!report.AllPass()) {
      state.SkipWithError("the table did not pass");
      break;
    }
  }
}
BENCHMARK(BM_SixteenRowTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace logivane
