#include "simulation/SimTestHelpers.h"

#include <gtest/gtest.h>

namespace logivane {
namespace {

using test::Net;
using test::Place;
using test::TTestProbe;
using test::TTestSource;

/// A device that reports whatever it is told to, to drive the container's bookkeeping.
class TScripted final : public TDevice {
public:
  SimResult Calculate() override { return Answer; }
  SimResult Answer;
};

TEST(SettleLoop, AnEmptyCircuitReturnsAnAllZeroResult) {
  auto root = test::NewRoot();
  root->Reset();
  const SimResult result = root->Calculate();
  EXPECT_EQ(result.Culprit, nullptr);
  EXPECT_FALSE(result.Changed || result.Race || result.Contention);
}

TEST(SettleLoop, AFullAdderOfGatesFollowsItsTruthTable) {
  const auto adder = test::FullAdder();
  test::ExpectFullAdderTruthTable(*adder);
}

TEST(SettleLoop, ANorLatchSetsResetsAndHolds) {
  auto root = test::NewRoot();
  auto* set = Place<TTestSource>(*root, 0, 0);
  auto* reset = Place<TTestSource>(*root, 0, 60);
  auto* top = Place<T2NorGate>(*root, 100, 0);
  auto* bottom = Place<T2NorGate>(*root, 100, 60);
  auto* q = Place<TTestProbe>(*root, 200, 0);
  Net(*root, *reset->Pin(0), {top->Pin(1)});
  Net(*root, *set->Pin(0), {bottom->Pin(2)});
  Net(*root, *top->Pin(0), {bottom->Pin(1), q->Pin(0)});
  Net(*root, *bottom->Pin(0), {top->Pin(2)});
  root->Reset();

  //                        S  R  Q
  const TLevel steps[][3] = {{1, 0, 1}, {0, 0, 1}, {0, 1, 0}, {0, 0, 0}, {1, 0, 1}};
  for (const auto& step : steps) {
    set->Level = step[0];
    reset->Level = step[1];
    test::SettledStep(*root);
    EXPECT_EQ(q->Seen, step[2]) << "S=" << step[0] << " R=" << step[1];
    EXPECT_EQ(bottom->Pin(0)->Value, step[2] ^ 1);
  }
}

TEST(SettleLoop, AnOddRingOfInvertersIsARaceBlamedOnTheLastToChange) {
  auto root = test::NewRoot();
  TNotGate* ring[3];
  for (int i = 0; i < 3; ++i) {
    ring[i] = Place<TNotGate>(*root, 60.0f * static_cast<float>(i), 0);
  }
  for (int i = 0; i < 3; ++i) {
    Net(*root, *ring[i]->Pin(0), {ring[(i + 1) % 3]->Pin(1)});
  }
  root->Reset();
  ASSERT_EQ(root->EvalOrder().size(), 3u);

  root->ClearDrivers();
  const SimResult result = root->Calculate();
  EXPECT_TRUE(result.Race);
  EXPECT_FALSE(result.Contention);
  EXPECT_FALSE(result.Changed);
  EXPECT_EQ(result.Culprit, root->EvalOrder().back());

  root->Displayed = false;
  root->ClearDrivers();
  EXPECT_EQ(root->Calculate().Culprit, nullptr);
}

/// Tri-state buffers with data and enable held high, and whatever else a case adds.
class ContentionTest : public ::testing::Test {
protected:
  void SetUp() override {
    root = test::NewRoot();
    high = Place<TTestSource>(*root, 0, 0);
    high->Level = 1;
  }

  TTriState* EnabledBuffer(float y) {
    auto* buffer = Place<TTriState>(*root, 100, y);
    buffers.push_back(buffer->Pin(0));
    buffers.push_back(buffer->Pin(2));
    return buffer;
  }

  SimResult Step() {
    Net(*root, *high->Pin(0), buffers);
    root->Reset();
    root->ClearDrivers();
    return root->Calculate();
  }

  std::unique_ptr<TMacro> root;
  TTestSource* high = nullptr;
  std::vector<TPin*> buffers;
};

TEST_F(ContentionTest, TwoEnabledBuffersOnOneNetAreBlamedOnTheMarkedOne) {
  TTriState* a = EnabledBuffer(0);
  TTriState* b = EnabledBuffer(60);
  auto* reader = Place<TTestProbe>(*root, 200, 0);
  Net(*root, *a->Pin(1), {b->Pin(1), reader->Pin(0)});

  const SimResult result = Step();
  EXPECT_TRUE(result.Contention);
  EXPECT_TRUE(result.Changed);
  EXPECT_FALSE(result.Race);
  ASSERT_NE(result.Culprit, nullptr);
  EXPECT_TRUE(result.Culprit->Contention);
  EXPECT_NE(a->Contention, b->Contention);  // only the one that found the other
}

TEST_F(ContentionTest, OneEnabledAndOneDisabledBufferShareANetPeacefully) {
  TTriState* enabled = EnabledBuffer(0);
  auto* idle = Place<TTriState>(*root, 100, 60);
  auto* reader = Place<TTestProbe>(*root, 200, 0);
  Net(*root, *enabled->Pin(1), {idle->Pin(1), reader->Pin(0)});

  const SimResult result = Step();
  EXPECT_FALSE(result.Contention || result.Race);
  EXPECT_EQ(reader->Seen, 1);
  EXPECT_FALSE(idle->Contention);
}

TEST_F(ContentionTest, AGateOnTheBuffersNetIsContentionInEitherOrder) {
  for (const bool gateFirst : {true, false}) {
    SetUp();
    buffers.clear();
    TNotGate* gate = gateFirst ? Place<TNotGate>(*root, 100, 60) : nullptr;
    TTriState* buffer = EnabledBuffer(0);
    gate = gate ? gate : Place<TNotGate>(*root, 100, 60);
    Net(*root, *buffer->Pin(1), {gate->Pin(0)});

    const SimResult result = Step();
    EXPECT_TRUE(result.Contention) << gateFirst;
    ASSERT_TRUE(result.Culprit == buffer || result.Culprit == gate) << gateFirst;
    EXPECT_TRUE(result.Culprit->Contention);
  }
}

TEST(SettleLoop, AFaultReportedByADeviceStopsThePassAtOnce) {
  auto root = test::NewRoot();
  auto* faulty = Place<TScripted>(*root, 0, 0);
  auto* after = Place<TScripted>(*root, 50, 0);
  faulty->Answer.Race = true;
  after->Answer.Changed = true;  // would keep the loop going for ever if it ran
  root->Reset();
  const SimResult result = root->Calculate();
  EXPECT_TRUE(result.Race);
  EXPECT_EQ(result.Culprit, faulty);
  EXPECT_EQ(root->Evaluations(), 1u);
}

TEST(SettleLoop, CountsEveryEvaluationOfAStepButNoneOfBuildingTheOrder) {
  auto root = test::NewRoot();
  auto* source = Place<TTestSource>(*root, 0, 0);
  auto* first = Place<TNotGate>(*root, 100, 0);
  auto* second = Place<TNotGate>(*root, 200, 0);
  auto* probe = Place<TTestProbe>(*root, 300, 0);
  Net(*root, *source->Pin(0), {first->Pin(1)});
  Net(*root, *first->Pin(0), {second->Pin(1)});
  Net(*root, *second->Pin(0), {probe->Pin(0)});
  root->Reset();
  EXPECT_EQ(root->Evaluations(), 0u);

  source->Level = 1;
  test::SettledStep(*root);
  // The source, two passes over both gates (one that changes them, one quiet), the probe.
  EXPECT_EQ(root->Evaluations(), 1u + 2 * 2 + 1);
  EXPECT_EQ(root->TotalEvaluations(), root->Evaluations());
}

/// Every pin of every device of `circuit` and the levels below it.
std::vector<TPin*> AllPins(const TMacro& circuit) {
  std::vector<TPin*> pins;
  for (const TGraphicList* list :
       {&circuit.Inputs(), &circuit.Devices(), &circuit.Tags(), &circuit.Outputs()}) {
    for (int i = 0; i < list->Count(); ++i) {
      const auto* device = static_cast<const TDevice*>(list->Child(i));
      for (int k = 0; k < device->PinCount(); ++k) {
        pins.push_back(device->Pin(k));
      }
      if (device->Role() == TDeviceRole::Macro) {
        const std::vector<TPin*> inner = AllPins(static_cast<const TMacro&>(*device));
        pins.insert(pins.end(), inner.begin(), inner.end());
      }
    }
  }
  return pins;
}

TEST(SettleLoop, AStepStartsWithNoDriverOnAnyPinEvenAfterAPinWasReplaced) {
  auto root = test::NewRoot();
  auto* source = Place<TTestSource>(*root, 0, 0);
  auto* loose = Place<TNotGate>(*root, 100, 100);  // drives a pin without a wire
  TMacro* sub = test::AddSubCircuit(*root, 100, 0, 1);
  auto* inner = Place<TNotGate>(*sub, 50, 0);
  Net(*sub, *sub->Tag(0)->GetPin(), {inner->Pin(1)});
  UpdateTagKinds(*sub);
  Net(*root, *source->Pin(0), {&test::Outline(*sub, 0)});
  auto* odd = Place<TDevice>(*root, 200, 100);
  odd->AddPin(PinOutput, 200, 100);
  root->Reset();
  test::SettledStep(*root);
  ASSERT_EQ(loose->Pin(0)->Driver, loose);
  ASSERT_EQ(inner->Pin(1)->Driver, source);

  for (int round = 0; round < 2; ++round) {
    for (TPin* pin : AllPins(*root)) {
      pin->Driver = odd;
    }
    root->ClearDrivers();
    for (TPin* pin : AllPins(*root)) {
      EXPECT_EQ(pin->Driver, nullptr) << "round " << round;
    }
    // The odd device swaps its pin behind the container's back.
    std::unique_ptr<TGraphicList> old = odd->TakePins();
    odd->AddPin(PinOutput, 200, 100);
    old.reset();
  }
}

TEST(EvalOrder, PutsEachDeviceAfterTheDevicesThatDriveIt) {
  auto root = test::NewRoot();
  // Filed last to first along the chain first -> second -> third.
  auto* third = Place<TNotGate>(*root, 200, 0);
  auto* second = Place<TNotGate>(*root, 100, 0);
  auto* first = Place<TNotGate>(*root, 0, 0);
  Net(*root, *first->Pin(0), {second->Pin(1)});
  Net(*root, *second->Pin(0), {third->Pin(1)});
  root->BuildEvalOrder();
  EXPECT_EQ(root->EvalOrder(), (std::vector<TDevice*>{second, third, first}));
}

TEST(EvalOrder, LeavesOutSourcesIndicatorsTagsAndTexts) {
  auto root = test::NewRoot();
  auto* source = Place<TTestSource>(*root, 0, 0);
  auto* tag = Place<TTagDevice>(*root, 0, 50);
  tag->Direction = TTagDevice::DirectionOutput;
  auto* gate = Place<T2AndGate>(*root, 100, 0);
  auto* probe = Place<TTestProbe>(*root, 200, 0);
  auto* note = Place<TGraphicText>(*root, 0, 100);
  note->SetText(QStringLiteral("note"));
  Net(*root, *source->Pin(0), {gate->Pin(1)});
  Net(*root, *tag->GetPin(), {gate->Pin(2)});
  Net(*root, *gate->Pin(0), {probe->Pin(0)});
  ASSERT_EQ(root->Devices().Count(), 2);

  root->Reset();
  EXPECT_EQ(root->EvalOrder(), std::vector<TDevice*>{gate});
  test::SettledStep(*root);
}

TEST(EvalOrder, ForgetsDevicesDeletedSinceTheLastStep) {
  auto root = test::NewRoot();
  auto* driver = Place<TNotGate>(*root, 0, 0);
  auto* reader = Place<TNotGate>(*root, 100, 0);
  Net(*root, *driver->Pin(0), {reader->Pin(1)});
  root->Reset();
  test::SettledStep(*root);
  ASSERT_EQ(reader->Pin(1)->Driver, driver);

  root->DeleteChild(driver);
  EXPECT_EQ(root->EvalOrder(), std::vector<TDevice*>{reader});
  root->BuildEvalOrder();  // the reader's input still names the deleted driver until now
  EXPECT_EQ(root->EvalOrder(), std::vector<TDevice*>{reader});
  test::SettledStep(*root);
}

}  // namespace
}  // namespace logivane
