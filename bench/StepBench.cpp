// Throughput of whole simulation steps on the benchmark circuits: steps per second, and device
// evaluations per second as the containers count them.

#include "circuits/BenchCircuits.h"
#include "simulation/cGateDevice.h"
#include "simulation/cRunControl.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace logivane {
namespace {

/// Steps `root`; a second argument of 1 makes it settle device by device, as before the
/// circuit was compiled, so that both ways are measured in one run.
void MeasureSteps(benchmark::State& state, TMacro& root) {
  if (state.range(1) != 0) {
    root.Interpreted = true;
    root.Reset();
  }
  const std::uint64_t before = root.TotalEvaluations();
  for (auto _ : state) {
    if (AdvanceCircuit(root).Faulted()) {
      state.SkipWithError("the circuit did not settle");  // it would measure the fault path
      break;
    }
  }
  const auto evaluations = static_cast<double>(root.TotalEvaluations() - before);
  state.counters["steps_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["evals_per_second"] = benchmark::Counter(evaluations, benchmark::Counter::kIsRate);
}

void BM_Counter(benchmark::State& state) {
  const auto root = bench::SynchronousCounter(static_cast<int>(state.range(0)));
  MeasureSteps(state, *root);
}
BENCHMARK(BM_Counter)
    ->ArgsProduct({{16, 64, 256}, {0}})
    ->Args({256, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_AdderArray(benchmark::State& state) {
  const auto root = bench::AdderArray(static_cast<int>(state.range(0)));
  MeasureSteps(state, *root);
}
BENCHMARK(BM_AdderArray)
    ->ArgsProduct({{1, 16, 64}, {0}})
    ->Args({64, 1})
    ->Unit(benchmark::kMicrosecond);

// The array after a gate outside it was destroyed, as undo, redo and copy destroy whole circuits
// beside the one shown: it must step as fast as before.
void BM_AdderArrayAfterUnrelatedGateDestroyed(benchmark::State& state) {
  const auto root = bench::AdderArray(static_cast<int>(state.range(0)));
  std::make_unique<T2AndGate>().reset();
  MeasureSteps(state, *root);
}
BENCHMARK(BM_AdderArrayAfterUnrelatedGateDestroyed)->Args({64, 0})->Unit(benchmark::kMicrosecond);

void BM_InverterChain(benchmark::State& state) {
  const auto root = bench::InverterChain(static_cast<int>(state.range(0)));
  MeasureSteps(state, *root);
}
BENCHMARK(BM_InverterChain)
    ->ArgsProduct({{1000, 10000}, {0}})
    ->Args({10000, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace logivane
