#include "FuzzTargets.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cMacro.h"
#include "simulation/cRunControl.h"

#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <unordered_map>
#include <vector>

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

/// What a step left on every level of a circuit, as numbers: each device's contention and its
/// pins' levels and drivers (by place), each wire's level and mark, each joint's mark.
class TSnapshot {
public:
  explicit TSnapshot(const TMacro& root) {
    Number(root);
    Take(root);
  }
  long Of(const TDevice* device) const {
    const auto at = FPlace.find(device);
    return device ? (at == FPlace.end() ? -2 : at->second) : -1;
  }
  const std::vector<long>& State() const { return FState; }

private:
  template <class F>
  static void EachChild(const TGraphicList& list, const F& f) {
    for (int i = 0; i < list.Count(); ++i) {
      f(*list.Child(i));
    }
  }
  /// Calls `f` on every device of `level`, sources first, without going below it.
  template <class F>
  static void EachDevice(const TMacro& level, const F& f) {
    for (const TGraphicList* list :
         {&level.Inputs(), &level.Devices(), &level.Tags(), &level.Outputs()}) {
      EachChild(*list, [&f](TGraphicObject& object) {
        if (object.GraphicKind() == TGraphicKind::Device) {
          f(static_cast<TDevice&>(object));
        }
      });
    }
  }
  void Number(const TMacro& level) {
    EachDevice(level, [this](TDevice& device) {
      FPlace.emplace(&device, static_cast<long>(FPlace.size()));
      if (device.Role() == TDeviceRole::Macro) {
        Number(static_cast<TMacro&>(device));
      }
    });
  }
  void Take(const TMacro& level) {
    EachDevice(level, [this](TDevice& device) {
      FState.push_back(device.Contention);
      for (int i = 0; i < device.PinCount(); ++i) {
        FState.push_back(device.Pin(i)->Value);
        FState.push_back(Of(device.Pin(i)->Driver));
      }
      if (device.Role() == TDeviceRole::Macro) {
        Take(static_cast<TMacro&>(device));
      }
    });
    EachChild(level.Wires(), [this](TGraphicObject& object) {
      const auto& wire = static_cast<const TWire&>(object);
      FState.push_back(wire.Value * 2 + wire.Visited);
    });
    EachChild(level.Solders(), [this](TGraphicObject& object) {
      FState.push_back(static_cast<const TSolder&>(object).Visited);
    });
  }

  std::unordered_map<const TDevice*, long> FPlace;
  std::vector<long> FState;
};

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
    const TSnapshot expected(*reference.Circuit);
    const TSnapshot actual(*compiled.Circuit);
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
