#pragma once

// Random circuits for differential tests of the simulation: the same seed builds the same
// circuit, which two ways of running it must agree on.

#include "SampleCircuits.h"
#include "TestHelpers.h"
#include "fuzz/CircuitSnapshot.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cGateDevice.h"
#include "simulation/cinput.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <unordered_map>
#include <vector>

namespace logivane::test {

/// Builds the same random circuit from the same seed: sources, gates of every kind,
/// tri-state busses, flip-flops, feedback loops and now and then a sub-circuit, wired at
/// random, with fights between outputs on purpose.
class TRandomCircuit {
public:
  explicit TRandomCircuit(std::uint32_t seed) : FRandom(seed) {}

  std::unique_ptr<TMacro> Build(bool interpreted) {
    auto root = NewRoot();
    root->Interpreted = interpreted;
    for (int i = 0, n = 1 + Pick(3); i < n; ++i) {
      FOutputs.push_back(Place<TTestSource>(*root, At(), 0)->Pin(0));
    }
    for (int i = 0, n = Pick(3); i < n; ++i) {
      FOutputs.push_back(AddGenerator(*root)->Pin(0));
    }
    FFeedback = Pick(8) == 0;
    for (int i = 0, n = 2 + Pick(6); i < n; ++i) {
      AddDevice(*root, Pick(23));
    }
    for (int i = 0, n = 1 + Pick(2); i < n; ++i) {
      FInputs.push_back(Place<TTestProbe>(*root, At(), 0)->Pin(0));
    }
    WireAll(*root);
    root->Reset();
    return root;
  }

  int Pick(int n) { return static_cast<int>(FRandom() % static_cast<std::uint32_t>(n)); }

private:
  /// A clock or a sequence generator of a random sequence, which compiled levels drive
  /// themselves.
  TDevice* AddGenerator(TMacro& circuit) {
    if (Pick(3) == 0) {
      return Place<TClockDevice>(circuit, At(), 0);
    }
    auto* generator = Place<TBitGenerator>(circuit, At(), 0);
    QString sequence;
    for (int i = 0, n = 1 + Pick(5); i < n; ++i) {
      sequence += QLatin1Char(Pick(2) ? '1' : '0');
    }
    generator->SetSequence(sequence);
    return generator;
  }

  float At() {
    FX += 100;
    return FX;
  }

  template <class T>
  void Add(TMacro& circuit) {
    T* device = Place<T>(circuit, At(), static_cast<float>(Pick(5) * 80));
    for (int i = 0; i < device->PinCount(); ++i) {
      TPin* pin = device->Pin(i);
      (pin->Kind == PinInput      ? FInputs
       : pin->Kind == PinTriState ? FBusOutputs
                                  : FOutputs)
          .push_back(pin);
      FOrdinal[pin] = FX;
    }
  }

  void AddDevice(TMacro& circuit, int kind) {
    // The kinds by number; tri-state buffers and D flip-flops twice, and the rest sub-circuits.
    // Plain functions rather than member pointers, whose arrays the bounds sanitizer misreads.
    using TAdd = void (*)(TRandomCircuit&, TMacro&);
    static constexpr TAdd Kinds[] = {&AddOf<TNotGate>,   &AddOf<T2AndGate>,  &AddOf<T3AndGate>,
                                     &AddOf<T4AndGate>,  &AddOf<T2NandGate>, &AddOf<T3NandGate>,
                                     &AddOf<T2OrGate>,   &AddOf<T4OrGate>,   &AddOf<T2NorGate>,
                                     &AddOf<T3NorGate>,  &AddOf<T2XorGate>,  &AddOf<T2XnorGate>,
                                     &AddOf<TTriState>,  &AddOf<TTriState>,  &AddOf<TRSFlipFlop>,
                                     &AddOf<TDFlipFlop>, &AddOf<TDFlipFlop>, &AddOf<TJKFlipFlop>,
                                     &AddOf<T4NandGate>, &AddOf<T3OrGate>,   &AddOf<T4NorGate>};
    if (kind < static_cast<int>(std::size(Kinds))) {
      Kinds[kind](*this, circuit);
    } else {
      AddSubCircuitOf(circuit);
    }
  }
  template <class T>
  static void AddOf(TRandomCircuit& random, TMacro& circuit) {
    random.Add<T>(circuit);
  }

  /// Two inputs through a gate (and sometimes a tri-state buffer) to one output.
  void AddSubCircuitOf(TMacro& circuit) {
    TMacro* sub = AddSubCircuit(circuit, At(), 0, 3);
    TDevice* gate = Pick(2) ? static_cast<TDevice*>(Place<T2NandGate>(*sub, 100, 0))
                            : Place<T2XorGate>(*sub, 100, 0);
    Net(*sub, *sub->Tag(0)->GetPin(), {gate->Pin(1)});
    Net(*sub, *sub->Tag(1)->GetPin(), {gate->Pin(2)});
    if (Pick(3) == 0) {
      auto* buffer = Place<TTriState>(*sub, 200, 0);
      Net(*sub, *gate->Pin(0), {buffer->Pin(0), buffer->Pin(2)});
      Net(*sub, *buffer->Pin(1), {sub->Tag(2)->GetPin()});
    } else {
      auto* inverter = Place<TNotGate>(*sub, 200, 0);
      Net(*sub, *gate->Pin(0), {inverter->Pin(1)});
      Net(*sub, *inverter->Pin(0), {sub->Tag(2)->GetPin()});
    }
    UpdateTagKinds(*sub);
    FInputs.push_back(&Outline(*sub, 0));
    FInputs.push_back(&Outline(*sub, 1));
    FOutputs.push_back(&Outline(*sub, 2));
    for (int i = 0; i < 3; ++i) {
      FOrdinal[&Outline(*sub, i)] = FX;
    }
  }

  /// Most outputs drive a net of their own; a few join another's, and tri-state outputs mostly
  /// share busses. Inputs go to random nets or stay open; only one circuit in eight feeds back,
  /// as most that do race, and a race costs 201 passes.
  void WireAll(TMacro& circuit) {
    std::vector<TPin*> drivers;
    std::vector<std::vector<TPin*>> loads;
    std::vector<TPin*> joiners;
    for (TPin* pin : FOutputs) {
      (Pick(12) == 0 && !drivers.empty() ? joiners : drivers).push_back(pin);
    }
    for (TPin* pin : FBusOutputs) {
      (Pick(3) != 0 && !drivers.empty() ? joiners : drivers).push_back(pin);
    }
    if (drivers.empty()) {
      return;
    }
    std::stable_sort(drivers.begin(), drivers.end(),
                     [this](TPin* a, TPin* b) { return FOrdinal[a] < FOrdinal[b]; });
    loads.resize(drivers.size());
    for (TPin* pin : joiners) {
      loads[static_cast<std::size_t>(Pick(static_cast<int>(drivers.size())))].push_back(pin);
    }
    for (TPin* pin : FInputs) {
      int choices = static_cast<int>(drivers.size());
      if (!FFeedback) {
        choices = static_cast<int>(std::count_if(drivers.begin(), drivers.end(), [&](TPin* driver) {
          return FOrdinal[driver] < FOrdinal[pin];
        }));
      }
      if (choices > 0 && Pick(8) != 0) {
        loads[static_cast<std::size_t>(Pick(choices))].push_back(pin);
      }
    }
    for (std::size_t i = 0; i < drivers.size(); ++i) {
      if (!loads[i].empty()) {
        Net(circuit, *drivers[i], loads[i]);
      }
    }
  }

  std::mt19937 FRandom;
  float FX = 0;
  std::vector<TPin*> FOutputs;
  std::vector<TPin*> FBusOutputs;
  std::vector<TPin*> FInputs;
  std::unordered_map<const TPin*, float> FOrdinal;
  bool FFeedback = false;
};

/// A snapshot of a circuit, with what the test's indicators latched.
struct TFlattened : fuzz::TCircuitSnapshot {
  using TCircuitSnapshot::TCircuitSnapshot;
  std::vector<long> State() const {
    std::vector<long> state = TCircuitSnapshot::State();
    for (const TDevice* device : Devices) {
      if (const auto* probe = dynamic_cast<const TTestProbe*>(device)) {
        state.push_back(probe->Seen);
      }
    }
    return state;
  }
};

}  // namespace logivane::test
