// Throughput of the settle loop on large flat circuits.

#include "simulation/cCircuitBuilder.h"
#include "simulation/cGateDevice.h"
#include "simulation/cRunControl.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace logivane {
namespace {

/// Drives its pin with a level that flips on every step.
class TToggle final : public TDevice {
public:
  TToggle() : TDevice(TDeviceRole::Input) { AddPin(PinOutput, 0, 0); }
  SimResult Calculate() override {
    Level ^= 1;
    SimResult result;
    result.Changed = Pin(0)->SetValue(this, Level);
    return result;
  }
  TLevel Level = 0;
};

/// A toggling source feeding a chain of `length` inverters, filed in chain order.
std::unique_ptr<TMacro> InverterChain(int length) {
  auto root = std::make_unique<TMacro>();
  root->Closed = false;
  root->Displayed = true;
  TPin* previous = AddObject(*root, std::make_unique<TToggle>())->Pin(0);
  for (int i = 0; i < length; ++i) {
    auto gate = std::make_unique<TNotGate>();
    gate->Translate(static_cast<float>(60 * i), 0);
    TNotGate* added = AddObject(*root, std::move(gate));
    Connect(*root, *previous, *added->Pin(1));
    previous = added->Pin(0);
  }
  root->Reset();
  return root;
}

void BM_InverterChainStep(benchmark::State& state) {
  const auto root = InverterChain(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(StepCircuit(*root).Result.Changed);
  }
  // Every step changes the whole chain in the first pass and confirms it in a second.
  const auto evaluations =
      static_cast<double>(state.iterations()) * 2.0 * static_cast<double>(root->EvalOrder().size());
  state.counters["steps/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["evaluations/s"] = benchmark::Counter(evaluations, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_InverterChainStep)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace logivane
