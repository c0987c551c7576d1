// Throughput of whole simulation steps on the benchmark circuits: steps per second, and device
// evaluations per second as the containers count them; with the steps remembered for going
// back, and the cost of going back.

#include "circuits/BenchCircuits.h"
#include "simulation/cGateDevice.h"
#include "simulation/cRunControl.h"
#include "simulation/cStepHistory.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace logivane {
namespace {

/// Steps `root`; a second argument of 1 makes it settle device by device, as before the
/// circuit was compiled, so that both ways are measured in one run, and a third of 1 remembers
/// the last thousand steps to go back to, as the editor does.
void MeasureSteps(benchmark::State& state, TMacro& root) {
  if (state.range(1) != 0) {
    root.Interpreted = true;
    root.Reset();
  }
  TStepHistory history(root);
  const bool remembered = state.range(2) != 0;
  const std::uint64_t before = root.TotalEvaluations();
  for (auto _ : state) {
    if ((remembered ? history.Step(false) : AdvanceCircuit(root)).Faulted()) {
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
    ->ArgsProduct({{16, 64, 256}, {0}, {0, 1}})
    ->Args({256, 1, 0})
    ->Unit(benchmark::kMicrosecond);

void BM_AdderArray(benchmark::State& state) {
  const auto root = bench::AdderArray(static_cast<int>(state.range(0)));
  MeasureSteps(state, *root);
}
BENCHMARK(BM_AdderArray)
    ->ArgsProduct({{1, 16, 64}, {0}, {0, 1}})
    ->Args({64, 1, 0})
    ->Unit(benchmark::kMicrosecond);

// The array after a gate outside it was destroyed, as undo, redo and copy destroy whole circuits
// beside the one shown: it must step as fast as before.
void BM_AdderArrayAfterUnrelatedGateDestroyed(benchmark::State& state) {
  const auto root = bench::AdderArray(static_cast<int>(state.range(0)));
  std::make_unique<T2AndGate>().reset();
  MeasureSteps(state, *root);
}
BENCHMARK(BM_AdderArrayAfterUnrelatedGateDestroyed)
    ->Args({64, 0, 0})
    ->Unit(benchmark::kMicrosecond);

void BM_InverterChain(benchmark::State& state) {
  const auto root = bench::InverterChain(static_cast<int>(state.range(0)));
  MeasureSteps(state, *root);
}
BENCHMARK(BM_InverterChain)
    ->ArgsProduct({{1000, 10000}, {0}, {0, 1}})
    ->Args({10000, 1, 0})
    ->Unit(benchmark::kMicrosecond);

/// Going back one step at a time through the last thousand steps of the chain, each back
/// restoring a checkpoint and stepping on from it; and what the thousand steps hold.
void BM_StepBackOnInverterChain(benchmark::State& state) {
  const auto root = bench::InverterChain(static_cast<int>(state.range(0)));
  TStepHistory history(*root);
  for (int i = 0; i < TStepHistory::DefaultDepth + 50; ++i) {
    history.Step(false);
  }
  for (auto _ : state) {
    if (history.Past() == 0) {
      state.PauseTiming();
      history.GoTo(history.Newest());
      state.ResumeTiming();
    }
    history.StepBack(1);
  }
  state.counters["history_MB"] = static_cast<double>(history.Bytes()) / (1 << 20);
  state.counters["checkpoints"] = history.Checkpoints();
}
BENCHMARK(BM_StepBackOnInverterChain)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace logivane
