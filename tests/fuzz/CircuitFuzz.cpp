#include "FuzzTargets.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cMacro.h"
#include "simulation/cRunControl.h"

#include <QImage>
#include <QPainter>

#include <cstdlib>

namespace logivane::fuzz {

namespace {

/// Runs and paints the circuit as the editor does after opening it.
void Run(TMacro& root) {
  root.Closed = false;
  root.Displayed = true;
  root.IsSubCircuit = false;
  root.Reset();
  QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  for (int step = 0; step < 6; ++step) {
    StepCircuit(root, [&](const SimResult&) { root.PaintState(painter); });
  }
  root.Draw(painter);
  root.HitTest(0, 0);
}

}  // namespace

void FuzzCircuitFile(const std::uint8_t* data, std::size_t size) {
  TCircuitReadResult read = ReadCircuitBytes(
      QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!read.Succeeded()) {
    if (read.Message.isEmpty() || read.Circuit) {
      std::abort();  // a refusal always says why and hands over nothing
    }
    return;
  }
  const QByteArray first = CircuitBytes(*read.Circuit, read.MacroName);
  const TCircuitReadResult again = ReadCircuitBytes(first);
  if (!again.Succeeded() || CircuitBytes(*again.Circuit, again.MacroName) != first) {
    std::abort();
  }
  Run(*read.Circuit);
}

}  // namespace logivane::fuzz
