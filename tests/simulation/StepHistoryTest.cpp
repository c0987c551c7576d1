// Going back in time: random circuits, their whole state saved after every step, are set back
// and run forward again at random and must show exactly the saved states at every level.

#include "RandomCircuit.h"
#include "simulation/cInteractive.h"
#include "simulation/cMemory.h"
#include "simulation/cOutput.h"
#include "simulation/cStepHistory.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <vector>

namespace logivane {
namespace {

using test::TFlattened;
using test::TRandomCircuit;
using test::TTestSource;

using TState = std::vector<long>;

TState StateOf(TMacro& circuit) {
  circuit.Publish();
  return TFlattened(circuit).State();
}

/// Runs the circuit of `seed` through its history: steps that are saved, inputs changed by
/// hand, and jumps back and forth that must meet the saved states again.
void ExpectSavedStatesComeBack(std::uint32_t seed) {
  const auto circuit = TRandomCircuit(seed).Build(seed % 3 == 0);
  TStepHistory history(*circuit);
  history.SetDepth(12);  // shorter than the run, so that old steps are forgotten on the way
  std::mt19937 random(seed);
  const auto pick = [&random](int n) {
    return static_cast<int>(random() % static_cast<std::uint32_t>(n));
  };
  std::vector<TState> saved{StateOf(*circuit)};  // by step
  for (int round = 0; round < 40; ++round) {
    if (pick(5) == 0 && circuit->Inputs().Count() > 0) {
      if (auto* source = dynamic_cast<TTestSource*>(circuit->Inputs().Child(0))) {
        source->Level ^= 1;
        history.ChangedByHand();
        saved.resize(static_cast<std::size_t>(history.Shown()) + 1);
        saved.back() = StateOf(*circuit);
      }
    }
    if (history.Step().Faulted()) {
      saved.assign(1, StateOf(*circuit));  // the fault reset the circuit and its history
      continue;
    }
    if (history.Future() == 0) {  // a step never run before
      saved.resize(static_cast<std::size_t>(history.Shown()) + 1);
      saved.back() = StateOf(*circuit);
    }
    ASSERT_EQ(StateOf(*circuit), saved[static_cast<std::size_t>(history.Shown())])
        << "seed " << seed << " round " << round << " forward";
    if (pick(3) == 0 && history.Past() > 0) {
      const int back = 1 + pick(history.Past());
      ASSERT_EQ(history.StepBack(back), back);
      ASSERT_EQ(StateOf(*circuit), saved[static_cast<std::size_t>(history.Shown())])
          << "seed " << seed << " round " << round << " back " << back;
    }
  }
}

class StepHistoryShard : public testing::TestWithParam<int> {};

TEST_P(StepHistoryShard, RandomCircuitsComeBackToEveryStateTheyHad) {
  for (std::uint32_t seed = static_cast<std::uint32_t>(GetParam()); seed < 300; seed += 5) {
    ExpectSavedStatesComeBack(seed);
    if (HasFatalFailure()) {
      return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, StepHistoryShard, testing::Range(0, 5));

/// The first device of class `T` among the top level's devices, sources and indicators.
template <class T>
T& Find(const TMacro& circuit) {
  for (const TGraphicList* list : {&circuit.Devices(), &circuit.Inputs(), &circuit.Outputs()}) {
    for (int i = 0; i < list->Count(); ++i) {
      if (auto* device = dynamic_cast<T*>(list->Child(i))) {
        return *device;
      }
    }
  }
  throw std::logic_error("no such device");
}

TEST(StepHistory, GoingBackRestoresWhatEachKindOfDeviceKeeps) {
  const auto circuit = test::EveryDeviceCircuit();
  auto& memory = Find<TMemoryDevice>(*circuit);
  auto& toggle = Find<TInteractiveSwitch>(*circuit);
  auto& input = Find<TInteractiveInput>(*circuit);
  auto& lamp = Find<TLEDDevice>(*circuit);
  auto& segments = Find<TLEDSegmentDevice>(*circuit);
  auto& display = Find<TNumericDevice>(*circuit);
  TStepHistory history(*circuit);
  history.Step();
  const bool on = toggle.On;
  const auto level = input.Level;
  const TLevel lamped = lamp.Level;
  const auto lit = segments.Segments;
  const auto bits = display.Bits;
  history.Step();
  // What no step of this circuit changes, changed behind the history's back.
  memory.SetWord(4, 3);
  toggle.SetOn(!on);
  input.Level ^= 1;
  lamp.Level ^= 1;
  segments.Segments[0] = !segments.Segments[0];
  display.Bits[0] = !display.Bits[0];

  ASSERT_EQ(history.StepBack(), 1);
  EXPECT_EQ(memory.GetWord(3), 9);
  EXPECT_EQ(toggle.On, on);
  EXPECT_EQ(input.Level, level);
  EXPECT_EQ(lamp.Level, lamped);
  EXPECT_EQ(segments.Segments, lit);
  EXPECT_EQ(display.Bits, bits);
}

TEST(StepHistory, AChangeByHandForgetsTheStepsAfterItAndIsKeptAsItsOwnState) {
  const auto circuit = test::LabelledFullAdder();
  auto& input = Find<TInteractiveInput>(*circuit);
  TStepHistory history(*circuit);
  for (int i = 0; i < 6; ++i) {
    ASSERT_FALSE(history.Step().Faulted());
  }
  ASSERT_EQ(history.StepBack(3), 3);
  EXPECT_EQ(history.Future(), 3);
  input.Press();
  history.ChangedByHand();
  EXPECT_EQ(history.Future(), 0);
  const TState changed = StateOf(*circuit);
  history.Step();
  ASSERT_EQ(history.StepBack(2), 2);
  history.Step();
  EXPECT_EQ(StateOf(*circuit), changed) << "stepping on must not undo the press";
  EXPECT_EQ(history.Oldest(), 0);
}

TEST(StepHistory, KeepsOnlyTheDepthAskedForAndLittleOfEachStep) {
  const auto circuit = test::Counter();
  TStepHistory history(*circuit);
  history.SetDepth(50);
  for (int i = 0; i < 400; ++i) {
    history.Step(false);
  }
  EXPECT_EQ(history.Past(), 50);
  EXPECT_EQ(history.StepBack(80), 50);
  EXPECT_EQ(history.Shown(), 350);
  EXPECT_LT(history.Checkpoints(), 50);  // a step's state is found again by stepping
}

}  // namespace
}  // namespace logivane
