// The Logic History: repainting 32 recorded signals of 1,024 samples each, with the longest
// cycle length, as a timing diagram and as text.

#include "simulation/cOutput.h"
#include "windows/LogicAnalyserForm.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QSpinBox>

namespace logivane {
namespace {

constexpr int SignalCount = 32;

void BM_LogicHistoryRepaint(benchmark::State& state) {
  const bool timingDiagram = state.range(0) != 0;
  std::vector<std::unique_ptr<TLEDDevice>> devices;
  TAnalyserForm form;
  for (int i = 0; i < SignalCount; ++i) {
    devices.push_back(std::make_unique<TLEDDevice>());
    devices.back()->SetLabelText(QStringLiteral("Q%1").arg(i));
    form.HistoryDevices.push_back(devices.back().get());
  }
  form.findChild<QSpinBox*>("CycleLength")->setValue(8);  // 256 cycles, 512 samples a row
  form.findChild<QAction*>("HistoryDisplayMode")->setChecked(timingDiagram);
  form.resize(1600, 700);
  form.show();
  form.ResetHistory();
  QRandomGenerator random(7);
  for (auto& device : devices) {
    for (int k = 0; k < THistoryDevice::HistoryLimit; ++k) {
      device->AppendHistory(static_cast<TLevel>(random.bounded(2)));
    }
  }
  form.CountSteps(THistoryDevice::HistoryLimit);
  form.DrawTraces();
  QApplication::processEvents();  // the trace box takes the size of its samples
  auto* traces = form.findChild<QWidget*>("TraceBox");
  QImage screen(traces->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    traces->render(&screen);
  }
  state.counters["pixels"] = static_cast<double>(screen.width()) * screen.height();
}
BENCHMARK(BM_LogicHistoryRepaint)->ArgName("timing")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace logivane
