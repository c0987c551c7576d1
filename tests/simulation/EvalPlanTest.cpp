// The compiled evaluation plan against the device-by-device reference: random circuits, stepped
// side by side, must agree on every pin, wire, driver and fault.

#include "RandomCircuit.h"

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
using test::TFlattened;
using test::TRandomCircuit;
using test::TTestProbe;
using test::TTestSource;

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
