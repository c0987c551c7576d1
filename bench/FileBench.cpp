// Opening, saving and closing a circuit of about 100,000 devices with their pins, wires and
// joints: 870 sixteen-bit adders fed by sequence generators. Reading and writing run on a helper
// thread, so the times are real time.

#include "circuits/BenchCircuits.h"
#include "simulation/cCircuitFile.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

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

// tcmalloc's counterpart of malloc_trim, there when the program is linked with tcmalloc.
extern "C" void MallocExtension_ReleaseFreeMemory() __attribute__((weak));

void ReleaseFreeMemory() {
  if (MallocExtension_ReleaseFreeMemory != nullptr) {
    MallocExtension_ReleaseFreeMemory();
  } else {
    malloc_trim(0);
  }
}

/// How far the resident size rises while the bytes are read. The read runs in a child process that
/// first hands the memory freed earlier back to the system, because that memory would otherwise be
/// reused without showing in the peak. Returns a negative figure when the child could not read.
double PeakIncreaseWhileReading(const QByteArray& bytes) {
  int channel[2];
  if (pipe(channel) != 0) {
    return -1;
  }
  const pid_t child = fork();
  if (child == 0) {
    ReleaseFreeMemory();
    std::ofstream("/proc/self/clear_refs") << "5";
    const double before = StatusBytes("VmRSS");
    const TCircuitReadResult read = ReadCircuitBytes(bytes);
    const double increase = read.Succeeded() ? StatusBytes("VmHWM") - before : -1;
    [[maybe_unused]] const auto written = write(channel[1], &increase, sizeof increase);
    _exit(0);
  }
  double increase = -1;
  close(channel[1]);
  if (read(channel[0], &increase, sizeof increase) != sizeof increase) {
    increase = -1;
  }
  close(channel[0]);
  waitpid(child, nullptr, 0);
  return increase;
}

void SetFileCounters(benchmark::State& state, const TMacro& circuit) {
  state.counters["devices"] = DeviceCount(circuit);
  state.counters["file_MB"] = static_cast<double>(LargeFile().size()) / 1e6;
}

void BM_OpenLargeFile(benchmark::State& state) {
  const QByteArray& bytes = LargeFile();
  for (auto _ : state) {
    TCircuitReadResult read = ReadCircuitBytes(bytes);
    if (!read.Succeeded()) {
      state.SkipWithError("the file did not read");
      break;
    }
    state.PauseTiming();
    read.Circuit.reset();
    state.ResumeTiming();
  }
  SetFileCounters(state, *LargeCircuit());
  state.counters["peak_per_file_byte"] =
      PeakIncreaseWhileReading(bytes) / static_cast<double>(bytes.size());
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

// What an edit's undo step captures of a 10,000-device circuit: its whole stream.
void BM_WriteCircuitOf10000Devices(benchmark::State& state) {
  const std::unique_ptr<TMacro> circuit = bench::AdderArray(128);
  qsizetype size = 0;  // as the history does, each capture reserves what the last one took
  for (auto _ : state) {
    size = CircuitBytes(*circuit, {}, size).size();
  }
  state.counters["devices"] = DeviceCount(*circuit);
}
BENCHMARK(BM_WriteCircuitOf10000Devices)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

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
