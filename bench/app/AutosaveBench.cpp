// The pause a recovery copy costs the window of a large circuit with unsaved changes: the
// circuit serialised, or taken from the edit history, and handed to the worker that writes it.

#include "app/Autosave.h"
#include "app/RecoveryFolder.h"
#include "circuits/BenchCircuits.h"
#include "editor/CircuitDocument.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace logivane {
namespace {

void BM_AutosavePause(benchmark::State& state) {
  const bool recorded = state.range(1) != 0;
  TCircuitDocument document;
  document.ReplaceRoot(bench::AdderArray(int(state.range(0))));
  document.EnableEditHistory();
  document.MarkUnsaved();
  QTemporaryDir folder;
  TRecoveryFolder recovery(folder.path());
  TAutosave autosave(document, recovery);
  autosave.QuickWriteLimit = recorded ? 0 : 1e9;
  for (auto _ : state) {
    autosave.WriteNow();
    state.PauseTiming();
    autosave.WaitForWriting();
    state.ResumeTiming();
  }
  state.counters["bytes"] = double(QFileInfo(autosave.CopyPath()).size());
  state.counters["serialise_ms"] = autosave.LastSerialiseMilliseconds();
}
BENCHMARK(BM_AutosavePause)
    ->ArgNames({"adders", "recorded"})
    ->ArgsProduct({{16, 128}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace logivane
