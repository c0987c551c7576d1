// The memory contents window on a 16K-word memory: showing it until its first frame is
// painted, and scrolling it by a page.

#include "simulation/cMemory.h"
#include "windows/EditMemoryDlg.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTableView>

namespace logivane {
namespace {

std::unique_ptr<TMemoryDevice> LargeMemory() {
  auto memory = std::make_unique<TMemoryDevice>();
  memory->BuildSymbol(true, TMemoryDevice::MaxAddressWidth, 16);
  for (int address = 0; address < memory->WordCount(); ++address) {
    memory->SetWord(address * 7, address);
  }
  return memory;
}

void BM_ShowContentsOf16KWords(benchmark::State& state) {
  const std::unique_ptr<TMemoryDevice> memory = LargeMemory();
  TEditContentsDialog window;
  QImage frame(window.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    window.SetMemory(memory.get());
    window.show();
    QApplication::processEvents();
    window.render(&frame);
    state.PauseTiming();
    window.Detach();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["words"] = memory->WordCount();
}
BENCHMARK(BM_ShowContentsOf16KWords)->Unit(benchmark::kMillisecond);

void BM_ScrollContentsPage(benchmark::State& state) {
  const std::unique_ptr<TMemoryDevice> memory = LargeMemory();
  TEditContentsDialog window;
  window.SetMemory(memory.get());
  window.show();
  QApplication::processEvents();
  auto* grid = window.findChild<QTableView*>("ContentsGrid");
  QScrollBar* bar = grid->verticalScrollBar();
  QImage frame(grid->viewport()->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    const int next = bar->value() + bar->pageStep();
    bar->setValue(next > bar->maximum() ? 0 : next);
    grid->viewport()->render(&frame);
  }
}
BENCHMARK(BM_ScrollContentsPage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace logivane
