// Stepping the 64-adder array held by the drawing surface after an edit and its undo, which
// destroy whole circuits beside the one shown: it must step as fast as from a file.

#include "circuits/BenchCircuits.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cRunControl.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace logivane {
namespace {

void BM_StepAfterUndo(benchmark::State& state) {
  TLogivaneDrawing drawing;
  drawing.Document().ReplaceRoot(bench::AdderArray(64));
  drawing.Document().EnableEditHistory();
  drawing.SetModified(false);
  drawing.SetSelectMode(true);
  drawing.Select(drawing.Circuit().Devices().Child(0));
  drawing.MoveSelectionBy(5, 0);
  drawing.Document().Undo();
  for (int pass = 0; pass < 4; ++pass) {
    QCoreApplication::processEvents();  // the circuit undo replaced goes here
  }
  TMacro& root = drawing.RootCircuit();
  if (!root.Compiled()) {
    state.SkipWithError("the circuit is no longer compiled");
    return;
  }
  for (auto _ : state) {
    AdvanceCircuit(root);
  }
  state.counters["steps_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StepAfterUndo)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace logivane
