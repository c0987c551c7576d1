// The main window: one tick of the clock at its fastest setting on the 5,000-device adder
// array, and starting up with the counter example until its first frame is painted.

#include "app/MainUnit.h"
#include "app/RunCommands.h"
#include "circuits/BenchCircuits.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

namespace logivane {
namespace {

/// Keeps the benchmarks' settings away from the user's.
class TScratchSettings {
public:
  TScratchSettings() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FFolder.path());
  }

private:
  QTemporaryDir FFolder;
};

void BM_ClockTickOnAdderArray(benchmark::State& state) {
  TScratchSettings settings;
  TMainForm form;
  form.resize(1920, 1080);
  form.show();
  std::unique_ptr<TMacro> root = bench::AdderArray(64);
  const TRect bounds = root->GetBounds();
  root->Translate(static_cast<float>(20 - bounds.Left), static_cast<float>(20 - bounds.Top));
  root->Remap();
  TLogivaneDrawing& drawing = form.Drawing();
  drawing.Document().ReplaceRoot(std::move(root));
  form.findChild<QAction*>("HertzFifty")->trigger();
  form.findChild<QAction*>("MenuRun")->trigger();
  form.Clock().stop();  // the benchmark gives the ticks itself
  QImage screen(drawing.VisibleArea().size(), QImage::Format_RGB32);
  for (auto _ : state) {
    form.Run().RunCircuit();
    // What the event loop does next: show the repainted part of the window.
    drawing.render(&screen, QPoint(), QRegion(drawing.VisibleArea()));
  }
  state.counters["devices"] = static_cast<double>(drawing.Circuit().Devices().Count());
}
BENCHMARK(BM_ClockTickOnAdderArray)->Unit(benchmark::kMillisecond);

void BM_StartWithCounterToFirstFrame(benchmark::State& state) {
  TScratchSettings settings;
  const QString counter = QStringLiteral(LOGIVANE_EXAMPLES_DIR "/counter.lvm");
  for (auto _ : state) {
    TMainForm form;
    form.SetCommandLine({counter});
    form.show();
    QApplication::processEvents();  // the command line's file opens once the window is up
    QImage frame(form.size(), QImage::Format_RGB32);
    form.render(&frame);
    benchmark::DoNotOptimize(frame.bits());
    if (form.Drawing().Circuit().Devices().Count() == 0) {
      state.SkipWithError("the counter did not open");
    }
  }
}
BENCHMARK(BM_StartWithCounterToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace logivane
