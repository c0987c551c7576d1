// Opening, saving and closing a circuit of about 100,000 devices with their pins, wires and
// joints: 870 sixteen-bit adders fed by sequence generators. Reading and writing run on a helper
// thread, so the times are real time.

#include "circuits/BenchCircuits.h"
#include "document/cCircuitFile.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

namespace logivane {
namespace {

constexpr int Adders = 870;

const std::unique_ptr<TMacro>& LargeCircuit() {
  static const std::unique_ptr<TMacro> circuit = bench::AdderArray(Adders);
  return circuit;
}

const QByteArray& LargeFile() {
  static const QByteArray bytes = CircuitBytes(*LargeCircuit());
  return bytes;
}

int DeviceCount(const TMacro& circuit) {
  return circuit.Devices().Count() + circuit.Inputs().Count() + circuit.Outputs().Count() +
         circuit.Tags().Count();
}

/// A figure from /proc/self/status in bytes ("VmRSS", "VmHWM"), or 0 where there is none.
double StatusBytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key + ":", 0) == 0) {
      return std::stod(line.substr(key.size() + 1)) * 1024;
    }
  }
  return 0;
}

/// Makes the peak resident size start again from the present one.
void ResetPeakMemory() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

void SetFileCounters(benchmark::State& state, const TMacro& circuit) {
  state.counters["devices"] = DeviceCount(circuit);
  state.counters["file_MB"] = static_cast<double>(LargeFile().size()) / 1e6;
}

void BM_OpenLargeFile(benchmark::State& state) {
  const QByteArray& bytes = LargeFile();
  double peakIncrease = 0;
  for (auto _ : state) {
    ResetPeakMemory();
    const double before = StatusBytes("VmRSS");
    TCircuitReadResult read = ReadCircuitBytes(bytes);
    peakIncrease = StatusBytes("VmHWM") - before;
    if (!read.Succeeded()) {
      state.SkipWithError("the file did not read");
      break;
    }
    state.PauseTiming();
    read.Circuit.reset();
    state.ResumeTiming();
  }
  SetFileCounters(state, *LargeCircuit());
  state.counters["peak_per_file_byte"] = peakIncrease / static_cast<double>(bytes.size());
}
BENCHMARK(BM_OpenLargeFile)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_SaveLargeFile(benchmark::State& state) {
  const TMacro& circuit = *LargeCircuit();
  for (auto _ : state) {
    benchmark::DoNotOptimize(CircuitBytes(circuit));
  }
  SetFileCounters(state, circuit);
}
BENCHMARK(BM_SaveLargeFile)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_CloseLargeFile(benchmark::State& state) {
  const QByteArray& bytes = LargeFile();
  for (auto _ : state) {
    state.PauseTiming();
    TCircuitReadResult read = ReadCircuitBytes(bytes);
    state.ResumeTiming();
    read.Circuit.reset();
  }
  SetFileCounters(state, *LargeCircuit());
}
BENCHMARK(BM_CloseLargeFile)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
}  // namespace logivane
