// The Parts Centre: listing a folder of 500 macro files, and dropping a macro of 1,000 devices
// onto the drawing.

#include "app/MainUnit.h"
#include "circuits/BenchCircuits.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cMacro.h"
#include "windows/PartsList.h"
#include "windows/PartsUnit.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace logivane {
namespace {

void BM_ListFolderOf500Macros(benchmark::State& state) {
  QTemporaryDir folder;
  const std::unique_ptr<TMacro> macro = bench::InverterChain(20);
  for (int i = 0; i < 500; ++i) {
    macro->Datasheet = i % 2 ? QStringLiteral("part%1.pdf").arg(i) : QString();
    SaveCircuitFile(folder.filePath(QStringLiteral("part%1.lvm").arg(i)), *macro,
                    QStringLiteral("Part %1").arg(i));
  }
  TPartsForm form;
  form.SetRoot(folder.path());
  for (auto _ : state) {
    form.Refresh();
  }
  state.counters["entries"] = form.List().count();
}
BENCHMARK(BM_ListFolderOf500Macros)->Unit(benchmark::kMillisecond);

void BM_DropMacroOf1000Devices(benchmark::State& state) {
  QTemporaryDir folder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
  const QString file = folder.filePath(QStringLiteral("chain.lvm"));
  const std::unique_ptr<TMacro> macro = bench::InverterChain(1000);
  SaveCircuitFile(file, *macro, QStringLiteral("Chain"));
  TMainForm form;
  form.show();
  QApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    form.Document().Clear();
    state.ResumeTiming();
    form.DropLibraryMacro(file, QPoint(400, 400));
  }
  state.counters["devices"] =
      static_cast<TMacro*>(form.Drawing().Circuit().Devices().Child(0))->Devices().Count();
}
BENCHMARK(BM_DropMacroOf1000Devices)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace logivane
