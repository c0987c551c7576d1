// Printing: the preview's repaint of a large circuit (the whole circuit each time, however
// small the page) and one page of it printed to a PDF file at 600 pixels per inch.

#include "circuits/BenchCircuits.h"
#include "simulation/cMacro.h"
#include "windows/PrintPreview.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

namespace logivane {
namespace {

/// Eight 16-bit adders: 640 gates with their wires.
std::unique_ptr<TMacro> LargeCircuit() {
  auto circuit = bench::AdderArray(8);
  circuit->Closed = false;
  return circuit;
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& fileName) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(fileName);
  printer->setResolution(600);
  return printer;
}

void BM_PrintPreviewRepaint(benchmark::State& state) {
  const auto circuit = LargeCircuit();
  QTemporaryDir folder;
  TPrintPreview preview(nullptr, PdfPrinter(folder.filePath(QStringLiteral("page.pdf"))));
  preview.SetCircuit(circuit.get());
  preview.resize(900, 700);
  preview.show();
  QApplication::processEvents();
  auto* page = preview.findChild<QWidget*>(QStringLiteral("PaintBox"));
  QImage screen(page->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    page->render(&screen);
  }
}
BENCHMARK(BM_PrintPreviewRepaint)->Unit(benchmark::kMillisecond);

void BM_PrintToPdf(benchmark::State& state) {
  const auto circuit = LargeCircuit();
  QTemporaryDir folder;
  const auto printer = PdfPrinter(folder.filePath(QStringLiteral("page.pdf")));
  for (auto _ : state) {
    benchmark::DoNotOptimize(PrintCircuitOn(*printer, *circuit, TPrintOptions{}));
  }
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace logivane
