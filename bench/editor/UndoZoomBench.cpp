// Undo and redo on a circuit of about 10,000 devices (128 sixteen-bit adders), and painting the
// 5,000-device adder array zoomed out to a quarter.

#include "circuits/BenchCircuits.h"
#include "editor/CircuitDocument.h"
#include "editor/EditHistory.h"
#include "editor/LogivaneDrawing.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

namespace logivane {
namespace {

const QRect Screen(0, 0, 1920, 1080);

std::unique_ptr<TLogivaneDrawing> AdderDrawing(int adders) {
  auto drawing = std::make_unique<TLogivaneDrawing>();
  std::unique_ptr<TMacro> root = bench::AdderArray(adders);
  const TRect bounds = root->GetBounds();
  root->Translate(static_cast<float>(20 - bounds.Left), static_cast<float>(20 - bounds.Top));
  root->Remap();
  drawing->Document().ReplaceRoot(std::move(root));
  drawing->Document().EnableEditHistory();
  drawing->SetModified(false);
  return drawing;
}

/// The idle time after an edit, an undo or a redo, in which the history reads states ahead, one
/// for each pass of the event loop.
void Idle() {
  for (int pass = 0; pass < 4; ++pass) {
    QCoreApplication::processEvents();
  }
}

/// Moves one device: the edit that the undo and redo below take back and make again.
void MoveOneDevice(TLogivaneDrawing& drawing, int dx) {
  drawing.SetSelectMode(true);
  drawing.Select(drawing.Circuit().Devices().Child(0));
  drawing.MoveSelectionBy(dx, 0);
}

void BM_EditOn10000Devices(benchmark::State& state) {
  const auto drawing = AdderDrawing(128);
  state.counters["devices"] = drawing->Circuit().Devices().Count();
  int dx = 5;
  for (auto _ : state) {
    MoveOneDevice(*drawing, dx);
    dx = -dx;
    state.PauseTiming();
    Idle();
    state.ResumeTiming();
  }
  state.counters["snapshot KiB"] = double(drawing->Document().EditHistory()->MemoryUsed()) /
                                   drawing->Document().EditHistory()->Count() / 1024;
}
// A fixed count: the history grows with each edit, so runs of different lengths differ.
BENCHMARK(BM_EditOn10000Devices)->Unit(benchmark::kMillisecond)->Iterations(100)->UseRealTime();

// An edit that leaves the netlist alone (a name, a colour) against one that changed it, which
// rebuilds the evaluation order: the argument says whether the netlist changed.
void BM_CommitOn10000Devices(benchmark::State& state) {
  const auto drawing = AdderDrawing(128);
  TCircuitDocument& document = drawing->Document();
  bool odd = false;
  for (auto _ : state) {
    document.BeginEdit();
    document.MacroName = (odd = !odd) ? QStringLiteral("A") : QStringLiteral("B");
    document.NetlistDirty = state.range(0) != 0;
    drawing->SetModified(true);
    state.PauseTiming();
    Idle();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CommitOn10000Devices)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_UndoOn10000Devices(benchmark::State& state) {
  const auto drawing = AdderDrawing(128);
  for (auto _ : state) {
    state.PauseTiming();
    MoveOneDevice(*drawing, 5);
    Idle();
    state.ResumeTiming();
    drawing->Document().Undo();
  }
}
BENCHMARK(BM_UndoOn10000Devices)->Unit(benchmark::kMillisecond)->Iterations(10);

// Ctrl+Z straight after the edit, before the idle time in which the history reads the state to
// go back to ahead of time.
void BM_UndoRightAfterEditOn10000Devices(benchmark::State& state) {
  const auto drawing = AdderDrawing(128);
  Idle();  // a document just opened is idle before its first edit
  for (auto _ : state) {
    state.PauseTiming();
    MoveOneDevice(*drawing, 5);
    state.ResumeTiming();
    drawing->Document().Undo();
    state.PauseTiming();
    Idle();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoRightAfterEditOn10000Devices)->Unit(benchmark::kMillisecond)->Iterations(10);

// The least favourable case: two edits with no idle time between them, then Ctrl+Z, so that the
// state to go back to was never read ahead.
void BM_UndoOfSecondEditWithoutIdleOn10000Devices(benchmark::State& state) {
  const auto drawing = AdderDrawing(128);
  for (auto _ : state) {
    state.PauseTiming();
    MoveOneDevice(*drawing, 5);
    MoveOneDevice(*drawing, 5);
    state.ResumeTiming();
    drawing->Document().Undo();
    state.PauseTiming();
    drawing->Document().Undo();
    Idle();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoOfSecondEditWithoutIdleOn10000Devices)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_RedoOn10000Devices(benchmark::State& state) {
  const auto drawing = AdderDrawing(128);
  MoveOneDevice(*drawing, 5);
  for (auto _ : state) {
    state.PauseTiming();
    drawing->Document().Undo();
    Idle();
    state.ResumeTiming();
    drawing->Document().Redo();
  }
}
BENCHMARK(BM_RedoOn10000Devices)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_RepaintAtQuarterZoom(benchmark::State& state) {
  const auto drawing = AdderDrawing(64);
  drawing->SetZoom(0.25);
  QImage image(Screen.size(), QImage::Format_RGB32);
  const QRect area(0, 0, Screen.width() * 4, Screen.height() * 4);  // drawing units
  for (auto _ : state) {
    QPainter painter(&image);
    painter.scale(0.25, 0.25);
    drawing->Render(painter, area);
  }
}
BENCHMARK(BM_RepaintAtQuarterZoom)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace logivane
