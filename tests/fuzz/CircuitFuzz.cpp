#include "CircuitSnapshot.h"
#include "FuzzTargets.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cMacro.h"
#include "simulation/cRunControl.h"

#include <QImage>
#include <QPainter>

#include <cstdlib>

namespace logivane::fuzz {

namespace {

constexpr int Steps = 6;

/// Opens the circuit as the editor does: the root on screen, reset.
void Open(TMacro& root, bool interpreted) {
  root.Closed = false;
  root.Displayed = true;
  root.IsSubCircuit = false;
  root.Interpreted = interpreted;
  root.Reset();
}

/// Runs and paints the circuit as the editor does after opening it.
void Run(TMacro& root) {
  Open(root, false);
  QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  for (int step = 0; step < Steps; ++step) {
    StepCircuit(root, [&](const SimResult&) { root.PaintState(painter); });
  }
  root.Draw(painter);
  root.HitTest(0, 0);
}

/// Steps two copies of the circuit, one device by device and one compiled where it can be,
/// and aborts on the first step after which they differ.
void ExpectBothWaysAlike(const QByteArray& bytes) {
  const TCircuitReadResult reference = ReadCircuitBytes(bytes);
  const TCircuitReadResult compiled = ReadCircuitBytes(bytes);
  if (!reference.Succeeded() || !compiled.Succeeded()) {
    std::abort();  // the bytes were read once already
  }
  Open(*reference.Circuit, true);
  Open(*compiled.Circuit, false);
  for (int step = 0; step < Steps; ++step) {
    const TStepReport want = StepCircuit(*reference.Circuit);
    const TStepReport got = StepCircuit(*compiled.Circuit);
    const TCircuitSnapshot expected(*reference.Circuit);
    const TCircuitSnapshot actual(*compiled.Circuit);
    if (want.Message != got.Message || want.Result.Changed != got.Result.Changed ||
        expected.Of(want.Result.Culprit) != actual.Of(got.Result.Culprit) ||
        expected.State() != actual.State()) {
      std::abort();
    }
  }
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
  ExpectBothWaysAlike(first);
}

}  // namespace logivane::fuzz
