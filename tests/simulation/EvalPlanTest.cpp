// The compiled evaluation plan against the device-by-device reference: random circuits, stepped
// side by side, must agree on every pin, wire, driver and fault.

#include "SampleCircuits.h"
#include "TestHelpers.h"
#include "fuzz/CircuitSnapshot.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

namespace logivane {
namespace {

using test::AddSubCircuit;
using test::Net;
using test::NewRoot;
using test::Outline;
using test::Place;
using test::TTestProbe;
using test::TTestSource;

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

struct TCoverage {
  int CompiledRoots = 0;
  int CompiledSubCircuits = 0;
  int Races = 0;
  int Contentions = 0;
};

/// The same edit to both circuits, between two steps, as the editor makes them: a device
/// deleted, a device added and wired, each followed by a rebuild of the order; or a wire
/// deleted behind the order's back.
void EditBoth(const std::vector<TMacro*>& circuits, int step, TRandomCircuit& choices) {
  const int devices = circuits[0]->Devices().Count();
  const int wires = circuits[0]->Wires().Count();
  const int device = choices.Pick(std::max(devices, 1));
  const int wire = choices.Pick(std::max(wires, 1));
  for (TMacro* circuit : circuits) {
    if (step == 2 && devices > 0) {
      circuit->DeleteChild(circuit->Devices().Child(device));
      circuit->BuildEvalOrder();
    } else if (step == 3) {
      auto* inverter = Place<TNotGate>(*circuit, -200, 0);
      Net(*circuit, *inverter->Pin(0), {Place<TTestProbe>(*circuit, -100, 0)->Pin(0)});
      circuit->BuildEvalOrder();
    } else if (step == 4 && wires > 0) {
      circuit->Wires().DeleteChild(circuit->Wires().Child(wire));
    }
  }
}

/// Steps the circuit of `seed` both ways, editing both between some steps, and expects the
/// same at every step.
void ExpectSameSteps(std::uint32_t seed, TCoverage& coverage) {
  const auto reference = TRandomCircuit(seed).Build(true);
  const auto compiled = TRandomCircuit(seed).Build(false);
  ASSERT_EQ(TFlattened(*reference).Devices.size(), TFlattened(*compiled).Devices.size());
  coverage.CompiledRoots += compiled->Compiled();
  const TFlattened first(*compiled);
  for (std::size_t i = 1; i < first.Levels.size(); ++i) {
    coverage.CompiledSubCircuits += first.Levels[i]->Compiled();
  }
  ASSERT_FALSE(reference->Compiled());

  TRandomCircuit levels(seed ^ 0x9E3779B9u);
  const bool edited = seed % 4 == 0;
  int faults = 0;
  for (int step = 0; step < 6 && faults < 2; ++step) {
    if (edited) {
      EditBoth({reference.get(), compiled.get()}, step, levels);
    }
    for (int i = 0; i < reference->Inputs().Count(); ++i) {
      const TLevel level = levels.Pick(2);
      if (auto* source = dynamic_cast<TTestSource*>(reference->Inputs().Child(i))) {
        source->Level = level;
        static_cast<TTestSource*>(compiled->Inputs().Child(i))->Level = level;
      }
    }
    // Every other step the compiled circuit keeps its levels to itself; the next one must
    // still show everything.
    const bool looked = step % 2 == 1;
    const TStepReport want = StepCircuit(*reference);
    const TStepReport got = looked ? StepCircuit(*compiled) : AdvanceCircuit(*compiled);
    const TFlattened expected(*reference);
    const TFlattened actual(*compiled);
    ASSERT_EQ(want.Message, got.Message) << "seed " << seed << " step " << step;
    ASSERT_EQ(want.Result.Changed, got.Result.Changed) << "seed " << seed << " step " << step;
    ASSERT_EQ(expected.Of(want.Result.Culprit), actual.Of(got.Result.Culprit))
        << "seed " << seed << " step " << step;
    if (looked || want.Faulted()) {
      ASSERT_EQ(expected.State(), actual.State()) << "seed " << seed << " step " << step;
    }
    faults += want.Faulted();
    coverage.Races += want.Result.Race;
    coverage.Contentions += want.Result.Contention;
  }
}

/// A counter stepped device by device and the same counter compiled, which keeps its levels and
/// states to itself between steps.
struct TCounterPair {
  std::unique_ptr<TMacro> Reference = test::Counter();
  std::unique_ptr<TMacro> Compiled = test::Counter();

  TCounterPair() {
    Reference->Interpreted = true;
    Reference->Reset();
  }
  void Advance(int steps) {
    for (int i = 0; i < steps; ++i) {
      StepCircuit(*Reference);
      AdvanceCircuit(*Compiled);
    }
  }
  void ExpectSame() {
    StepCircuit(*Reference);
    StepCircuit(*Compiled);
    EXPECT_EQ(TFlattened(*Reference).State(), TFlattened(*Compiled).State());
  }
};

TEST(EvalPlan, ObjectsGoingElsewhereLeaveThePlanAndWhatItHoldsAlone) {
  // Pins and nets destroyed on another level or in no level at all, as undo, redo and copy
  // destroy them, are none of the plan's business.
  TCounterPair counters;
  ASSERT_TRUE(counters.Compiled->Compiled());
  counters.Advance(5);
  std::make_unique<T2AndGate>().reset();
  test::FullAdder().reset();
  auto other = test::Counter();
  other->Wires().DeleteChild(other->Wires().Child(0));
  EXPECT_TRUE(counters.Compiled->Compiled());
  counters.Advance(3);
  counters.ExpectSame();
}

TEST(EvalPlan, WiringChangedBehindTheOrdersBackIsCompiledAgainWithoutLosingState) {
  // An edit that skips the rebuild must not leave the plan pointing at a destroyed wire, nor
  // lose the states it had not published yet.
  TCounterPair counters;
  counters.Advance(5);
  for (TMacro* circuit : {counters.Reference.get(), counters.Compiled.get()}) {
    circuit->Wires().DeleteChild(circuit->Wires().Child(circuit->Wires().Count() - 1));
  }
  EXPECT_FALSE(counters.Compiled->Compiled());
  counters.Advance(3);
  EXPECT_TRUE(counters.Compiled->Compiled());
  counters.ExpectSame();
}

/// Ten shards of the search, so that a parallel test run spreads them.
class EvalPlanShard : public testing::TestWithParam<int> {};

TEST_P(EvalPlanShard, RandomCircuitsSettleExactlyAsDeviceByDevice) {
  // LOGIVANE_EVALPLAN_CIRCUITS, the circuits of all shards together, runs a longer search.
  const char* wanted = std::getenv("LOGIVANE_EVALPLAN_CIRCUITS");
  const int circuits = (wanted ? std::atoi(wanted) : 10000) / 10;
  const int first = GetParam() * circuits + 1;
  TCoverage coverage;
  for (int seed = first; seed < first + circuits && !HasFatalFailure(); ++seed) {
    ExpectSameSteps(static_cast<std::uint32_t>(seed), coverage);
  }
  // The search must reach what it is for.
  EXPECT_GT(coverage.CompiledRoots, circuits / 3);
  EXPECT_GT(coverage.CompiledSubCircuits, circuits / 20);
  EXPECT_GT(coverage.Races, circuits / 50);
  EXPECT_GT(coverage.Contentions, circuits / 50);
}

INSTANTIATE_TEST_SUITE_P(Shards, EvalPlanShard, testing::Range(0, 10));

}  // namespace
}  // namespace logivane
