// The drawing surface on a circuit of about 5,000 devices (64 sixteen-bit adders): repainting
// the visible area, a simulation step with its repaint, and dragging a large selection.

#include "circuits/BenchCircuits.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace logivane {
namespace {

const QRect Screen(0, 0, 1920, 1080);

/// A drawing showing the adder array with its top-left corner near the drawing's origin.
std::unique_ptr<TLogivaneDrawing> AdderDrawing() {
  auto drawing = std::make_unique<TLogivaneDrawing>();
  std::unique_ptr<TMacro> root = bench::AdderArray(64);
  const TRect bounds = root->GetBounds();
  root->Translate(static_cast<float>(20 - bounds.Left), static_cast<float>(20 - bounds.Top));
  root->Remap();
  drawing->Document().ReplaceRoot(std::move(root));
  drawing->SetModified(false);
  return drawing;
}

void BM_RepaintVisibleArea(benchmark::State& state) {
  const auto drawing = AdderDrawing();
  QImage image(Screen.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    drawing->Render(painter, Screen);
  }
}
BENCHMARK(BM_RepaintVisibleArea)->Unit(benchmark::kMillisecond);

void BM_StepAndRepaint(benchmark::State& state) {
  const auto drawing = AdderDrawing();
  QImage screen(Screen.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    drawing->Step();
    drawing->render(&screen, QPoint(), QRegion(Screen));  // the copy to the screen
  }
}
BENCHMARK(BM_StepAndRepaint)->Unit(benchmark::kMillisecond);

void BM_DragSelection(benchmark::State& state) {
  const auto drawing = AdderDrawing();
  TGraphicList group;
  const TGraphicList& devices = drawing->Circuit().Devices();
  for (int i = 0; i < 500; ++i) {
    group.Objects().Add(devices.Child(i));
  }
  TLogivaneHandles& handles = drawing->Handles();
  handles.SetItem(&group);
  group.Objects().DetachAll();
  QImage screen(Screen.size(), QImage::Format_RGB32);
  drawing->render(&screen, QPoint(), QRegion(Screen));

  // Grab the selection on a grid point inside it, then move the mouse one grid step to and
  // fro, repainting what changed after each step as the event loop would.
  float x, y;
  devices.Child(0)->GetCentre(x, y);
  const QPoint grab(RoundToInt(x), RoundToInt(y));
  QMouseEvent press(QEvent::MouseButtonPress, grab - handles.pos(), grab, Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&handles, &press);
  int step = drawing->Grid().Spacing;
  QPoint at = grab;
  for (auto _ : state) {
    at.rx() += step;
    QMouseEvent move(QEvent::MouseMove, at - handles.pos(), at, Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&handles, &move);
    drawing->render(&screen, QPoint(), QRegion(Screen));
    step = -step;
  }
}
BENCHMARK(BM_DragSelection)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace logivane
