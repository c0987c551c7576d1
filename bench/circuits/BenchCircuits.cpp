#include "circuits/BenchCircuits.h"

#include "simulation/cCircuitBuilder.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

namespace logivane::bench {

namespace {

std::unique_ptr<TMacro> NewRoot() {
  auto root = std::make_unique<TMacro>();
  root->Closed = false;
  root->Displayed = true;
  return root;
}

/// Moves a new object to (x, y) and files it in `circuit`.
template <class T>
T* Place(TMacro& circuit, float x, float y, std::unique_ptr<T> object = std::make_unique<T>()) {
  object->Translate(x, y);
  object->Remap();
  return AddObject(circuit, std::move(object));
}

template <class T>
T* PlaceLabelled(TMacro& circuit, float x, float y, const QString& label) {
  T* device = Place<T>(circuit, x, y);
  device->SetLabelText(label);
  return device;
}

void Wire(TMacro& circuit, TGraphicObject& a, TGraphicObject& b) {
  if (!Connect(circuit, a, b)) {
    // Only a mistake in the circuit code gets here; a half-wired circuit would measure nothing.
    throw std::logic_error("bench circuit: a wire end is already taken");
  }
}

/**
 * @brief Collects the loads of every net while a circuit is laid out, then wires each net in
 * the order its driver was first named, so the same circuit always comes out the same.
 *
 * A net runs from its driver through one solder joint beside each load but the last.
 */
class TNetList {
public:
  void Add(TPin& driver, std::initializer_list<TPin*> loads) {
    const auto [at, added] = FIndex.try_emplace(&driver, FNets.size());
    if (added) {
      FNets.emplace_back(&driver, std::vector<TPin*>{});
    }
    std::vector<TPin*>& net = FNets[at->second].second;
    net.insert(net.end(), loads.begin(), loads.end());
  }

  void WireAll(TMacro& circuit) const {
    for (const auto& [driver, loads] : FNets) {
      TGraphicObject* tail = driver;
      for (std::size_t i = 0; i + 1 < loads.size(); ++i) {
        float x, y;
        loads[i]->GetCentre(x, y);
        TSolder* joint = Place<TSolder>(circuit, x - 6, y - 6);
        Wire(circuit, *tail, *joint);
        Wire(circuit, *joint, *loads[i]);
        tail = joint;
      }
      if (!loads.empty()) {
        Wire(circuit, *tail, *loads.back());
      }
    }
  }

private:
  std::vector<std::pair<TPin*, std::vector<TPin*>>> FNets;
  std::unordered_map<TPin*, std::size_t> FIndex;
};

std::unique_ptr<TMacro> Finish(std::unique_ptr<TMacro> root, const TNetList& nets) {
  nets.WireAll(*root);
  root->Reset();
  return root;
}

// ---------------------------------------------------------------------------------------------
// Counter

constexpr float StageWidth = 120;

float StageX(int stage) {
  return StageWidth * static_cast<float>(stage);
}

}  // namespace

std::unique_ptr<TMacro> SynchronousCounter(int bits) {
  bits = std::max(bits, 1);
  auto root = NewRoot();
  TMacro& c = *root;
  TNetList nets;
  auto* clock = Place<TClockDevice>(c, -120, 0);
  auto* supply = Place<TSupply>(c, -120, -60);

  std::vector<TJKFlipFlop*> stages;
  for (int i = 0; i < bits; ++i) {
    auto* led = PlaceLabelled<TLEDDevice>(c, StageX(i), -80, QStringLiteral("Q%1").arg(i));
    stages.push_back(Place<TJKFlipFlop>(c, StageX(i), 0));
    nets.Add(*stages.back()->Pin(0), {led->Pin(0)});
    nets.Add(*clock->Pin(0), {stages.back()->Pin(TClockedFlipFlop::PinClock)});
  }

  // Stage i toggles when every stage below it is high: enable(0) is the supply, enable(1) is
  // Q0, and from there on each enable is the one below ANDed with the Q below.
  TPin* enable = supply->Pin(0);
  for (int i = 0; i < bits; ++i) {
    if (i >= 2) {
      auto* gate = Place<T2AndGate>(c, StageX(i) - 60, 80);
      nets.Add(*enable, {gate->Pin(1)});
      nets.Add(*stages[static_cast<std::size_t>(i - 1)]->Pin(0), {gate->Pin(2)});
      enable = gate->Pin(0);
    } else if (i == 1) {
      enable = stages[0]->Pin(0);
    }
    TJKFlipFlop& stage = *stages[static_cast<std::size_t>(i)];
    nets.Add(*enable, {stage.Pin(TJKFlipFlop::PinData), stage.Pin(TJKFlipFlop::PinK)});
  }
  return Finish(std::move(root), nets);
}

// ---------------------------------------------------------------------------------------------
// Adders

namespace {

constexpr int AdderBits = 16;
constexpr float BitWidth = 200;
constexpr float AdderHeight = 320;

/// A well-mixed hash, so that neighbouring generators get unrelated sequences.
std::uint32_t Mix(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

/// A sequence of 2 to 9 characters that holds both levels.
QString OperandSequence(std::uint32_t seed) {
  std::uint32_t bits = Mix(seed);
  const int length = 2 + static_cast<int>(bits % 8);
  bits = Mix(bits);
  QString sequence;
  for (int i = 0; i < length; ++i) {
    sequence += QLatin1Char((bits >> i) & 1 ? '1' : '0');
  }
  if (!sequence.contains(QLatin1Char('0')) || !sequence.contains(QLatin1Char('1'))) {
    sequence[0] = sequence[0] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
  }
  return sequence;
}

TBitGenerator* OperandBit(TMacro& circuit, float x, float y, std::uint32_t seed) {
  auto* generator = Place<TBitGenerator>(circuit, x, y);
  generator->SetSequence(OperandSequence(seed));
  return generator;
}

/// The sources of one operand bit of an adder: each bit's two sources, lowest bit first.
using TOperandSources = std::function<std::pair<TDevice*, TDevice*>(int bit, float x, float top)>;

/// Adds one 16-bit adder with its indicators, labelled "S<suffix>" and "C<suffix>" (or "Cout"
/// when `suffix` is empty), its top edge at `top`.
void AddAdder(TMacro& c, TNetList& nets, const QString& suffix, float top,
              const TOperandSources& operands) {
  auto* ground = Place<TGround>(c, -80, top + 200);
  // The display rebuilds its symbol around the origin for a new pin count, so it is placed
  // only once it has its pins.
  auto sumDisplay = std::make_unique<TNumericDevice>();
  sumDisplay->SetPinCount(AdderBits);
  sumDisplay->SetLabelText(QStringLiteral("S") + suffix);
  auto* display = Place(c, BitWidth * AdderBits + 120, top + 160, std::move(sumDisplay));
  auto* carryLed = PlaceLabelled<TLEDDevice>(
      c, BitWidth * AdderBits + 40, top + 260,
      suffix.isEmpty() ? QStringLiteral("Cout") : QStringLiteral("C") + suffix);

  TPin* carry = ground->Pin(0);
  for (int b = 0; b < AdderBits; ++b) {
    const float x = BitWidth * static_cast<float>(b);
    const auto [a, bIn] = operands(b, x, top);
    auto* half = Place<T2XorGate>(c, x + 60, top + 100);
    auto* both = Place<T2AndGate>(c, x + 60, top + 200);
    auto* sum = Place<T2XorGate>(c, x + 140, top + 100);
    auto* carried = Place<T2AndGate>(c, x + 140, top + 200);
    auto* carryOut = Place<T2OrGate>(c, x + 140, top + 270);

    nets.Add(*a->Pin(0), {half->Pin(1), both->Pin(1)});
    nets.Add(*bIn->Pin(0), {half->Pin(2), both->Pin(2)});
    nets.Add(*carry, {sum->Pin(2), carried->Pin(2)});
    nets.Add(*half->Pin(0), {sum->Pin(1), carried->Pin(1)});
    nets.Add(*sum->Pin(0), {display->Pin(b)});
    nets.Add(*both->Pin(0), {carryOut->Pin(1)});
    nets.Add(*carried->Pin(0), {carryOut->Pin(2)});
    carry = carryOut->Pin(0);
  }
  nets.Add(*carry, {carryLed->Pin(0)});
}

}  // namespace

std::unique_ptr<TMacro> AdderArray(int count) {
  auto root = NewRoot();
  TNetList nets;
  for (int k = 0; k < count; ++k) {
    const auto seed = static_cast<std::uint32_t>(k) * 64;
    TMacro& c = *root;
    AddAdder(c, nets, QString::number(k), AdderHeight * static_cast<float>(k),
             [&c, seed](int b, float x, float top) -> std::pair<TDevice*, TDevice*> {
               const auto bit = static_cast<std::uint32_t>(b);
               return {OperandBit(c, x, top, seed + 2 * bit),
                       OperandBit(c, x, top + 40, seed + 2 * bit + 1)};
             });
  }
  return Finish(std::move(root), nets);
}

std::unique_ptr<TMacro> InputAdder() {
  auto root = NewRoot();
  TNetList nets;
  TMacro& c = *root;
  AddAdder(c, nets, {}, 0, [&c](int b, float x, float top) -> std::pair<TDevice*, TDevice*> {
    return {PlaceLabelled<TInteractiveInput>(c, x, top, QStringLiteral("A%1").arg(b)),
            PlaceLabelled<TInteractiveInput>(c, x, top + 40, QStringLiteral("B%1").arg(b))};
  });
  return Finish(std::move(root), nets);
}

// ---------------------------------------------------------------------------------------------
// Inverter chain

std::unique_ptr<TMacro> InverterChain(int length) {
  constexpr int PerRow = 100;
  constexpr float Pitch = 60;
  auto root = NewRoot();
  TMacro& c = *root;
  TNetList nets;
  TPin* previous = Place<TClockDevice>(c, -Pitch, 0)->Pin(0);
  int i = 0;
  for (; i < length; ++i) {
    const auto x = Pitch * static_cast<float>(i % PerRow);
    const auto y = Pitch * static_cast<float>(i / PerRow);
    auto* gate = Place<TNotGate>(c, x, y);
    nets.Add(*previous, {gate->Pin(1)});
    previous = gate->Pin(0);
  }
  auto* led =
      PlaceLabelled<TLEDDevice>(c, Pitch * static_cast<float>(i % PerRow),
                                Pitch * static_cast<float>(i / PerRow), QStringLiteral("Out"));
  nets.Add(*previous, {led->Pin(0)});
  return Finish(std::move(root), nets);
}

}  // namespace logivane::bench
