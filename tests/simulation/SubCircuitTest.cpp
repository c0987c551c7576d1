#include "simulation/SimTestHelpers.h"

#include <gtest/gtest.h>

namespace logivane {
namespace {

using test::Net;
using test::Outline;
using test::Place;
using test::TTestProbe;
using test::TTestSource;

/// A tag inside `sub` linked to an outline pin, with a device on each side to drive or read.
class TagTest : public ::testing::Test {
protected:
  void SetUp() override {
    sub = test::AddSubCircuit(parent, 0, 0, 1);
    tag = sub->Tag(0);
    inside = Place<TDevice>(*sub, 50, 0);
    inside->AddPin(PinTriState, 50, 0);
    outside = Place<TDevice>(parent, -100, 0);
    outside->AddPin(PinTriState, -100, 0);
    Connect(*sub, *tag->GetPin(), *inside->Pin(0));
    Connect(parent, Outline(*sub, 0), *outside->Pin(0));
  }

  TMacro parent;
  TMacro* sub = nullptr;
  TTagDevice* tag = nullptr;
  TDevice* inside = nullptr;
  TDevice* outside = nullptr;
};

TEST_F(TagTest, WithoutAnOutlinePinATagDoesNothing) {
  tag->LinkPin->Unlink();
  tag->Direction = TTagDevice::DirectionOutput;
  inside->Pin(0)->SetValue(inside, 1);
  const SimResult result = tag->Calculate();
  EXPECT_FALSE(result.Changed || result.Contention || result.Race);
  EXPECT_EQ(outside->Pin(0)->Value, 0);
}

TEST_F(TagTest, InputAndOutputTagsCarryLevelAndDriverAcross) {
  tag->Direction = TTagDevice::DirectionOutput;
  inside->Pin(0)->SetValue(inside, 3);
  EXPECT_TRUE(tag->Calculate().Changed);
  EXPECT_EQ(outside->Pin(0)->Value, 1);  // only the low bit crosses
  EXPECT_EQ(outside->Pin(0)->Driver, inside);

  tag->Direction = TTagDevice::DirectionInput;
  parent.SetVisited(false);
  sub->SetVisited(false);
  outside->Pin(0)->SetValue(outside, 0);
  EXPECT_TRUE(tag->Calculate().Changed);
  EXPECT_EQ(inside->Pin(0)->Value, 0);
  EXPECT_EQ(inside->Pin(0)->Driver, outside);
}

TEST_F(TagTest, ABidirectionalTagDrivesOutOnlyWhatWasDrivenInside) {
  tag->Direction = TTagDevice::DirectionBidirectional;
  EXPECT_FALSE(tag->Calculate().Changed);  // nothing inside drove this pass

  inside->Pin(0)->SetValue(inside, 1);
  EXPECT_TRUE(tag->Calculate().Changed);
  EXPECT_EQ(outside->Pin(0)->Value, 1);
  EXPECT_EQ(Outline(*sub, 0).Driver, nullptr);
  EXPECT_FALSE(tag->Contention);

  Outline(*sub, 0).Driver = outside;  // both sides driven
  const SimResult fight = tag->Calculate();
  EXPECT_TRUE(fight.Changed);
  EXPECT_TRUE(tag->Contention);
  EXPECT_EQ(tag->GetPin()->Driver, nullptr);
  EXPECT_EQ(Outline(*sub, 0).Driver, nullptr);
}

TEST_F(TagTest, TheNetDecidesTheDirectionAndTheOutlinePinFollows) {
  struct TCase {
    std::vector<std::int32_t> Kinds;
    std::int32_t Direction;
  };
  const TCase cases[] = {{{}, 0},
                         {{PinInput}, 1},
                         {{PinTriState, PinInput}, 3},
                         {{PinInput, PinOutput, PinTriState}, 2}};
  for (const TCase& c : cases) {
    // Closed, the sub-circuit's own DeleteChild works on its symbol.
    sub->Devices().DeleteChild(inside);
    sub->Wires().DeleteChild(tag->GetPin()->Wire);
    inside = Place<TDevice>(*sub, 50, 0);
    std::vector<TPin*> pins;
    for (const std::int32_t kind : c.Kinds) {
      pins.push_back(inside->AddPin(kind, 50, 10.0f * static_cast<float>(pins.size())));
    }
    if (!pins.empty()) {
      Net(*sub, *tag->GetPin(), pins);
    }
    UpdateTagKinds(*sub);
    EXPECT_EQ(tag->Direction, c.Direction);
    EXPECT_EQ(Outline(*sub, 0).Kind, c.Direction);
  }
}

TEST(TagDevice, ShowsItsNumberBesideThePin) {
  TTagDevice tag;
  tag.Translate(100, 50);
  tag.Remap();
  EXPECT_EQ(tag.GetNumber(), -1);
  tag.SetNumber(7);
  EXPECT_EQ(tag.GetNumber(), 7);
  float x, y;
  tag.Child(0)->GetCentre(x, y);
  EXPECT_NEAR(x, 88, 1);
  EXPECT_NEAR(y, 50, 1);

  tag.SetStyle(TTagDevice::StyleBottom);
  tag.Child(0)->GetCentre(x, y);
  EXPECT_FLOAT_EQ(x, 100);
  EXPECT_FLOAT_EQ(y, 62);
  tag.SetNumber(-1);
  EXPECT_EQ(tag.GetNumber(), -1);
}

/// Counts its evaluations.
class TCounting final : public TDevice {
public:
  SimResult Calculate() override {
    ++Calls;
    return {};
  }
  int Calls = 0;
};

/// parent: source -> [sub: in tag -> NOT -> out tag] -> probe
class SubCircuitTest : public ::testing::Test {
protected:
  void SetUp() override {
    root = test::NewRoot();
    source = Place<TTestSource>(*root, -100, 0);
    sub = test::AddSubCircuit(*root, 0, 0, 2);
    probe = Place<TTestProbe>(*root, 100, 0);
    inverter = Place<TNotGate>(*sub, 50, 0);
    Net(*sub, *sub->Tag(0)->GetPin(), {inverter->Pin(1)});
    Net(*sub, *inverter->Pin(0), {sub->Tag(1)->GetPin()});
    UpdateTagKinds(*sub);
    Net(*root, *source->Pin(0), {&Outline(*sub, 0)});
    Net(*root, Outline(*sub, 1), {probe->Pin(0)});
  }

  std::unique_ptr<TMacro> root;
  TTestSource* source = nullptr;
  TMacro* sub = nullptr;
  TNotGate* inverter = nullptr;
  TTestProbe* probe = nullptr;
};

TEST_F(SubCircuitTest, LevelsCrossTheBoundaryThroughTags) {
  EXPECT_EQ(sub->Tag(0)->Direction, TTagDevice::DirectionInput);
  EXPECT_EQ(Outline(*sub, 1).Kind, PinOutput);
  root->Reset();
  for (const TLevel level : {0, 1, 0}) {
    source->Level = level;
    test::SettledStep(*root);
    EXPECT_EQ(probe->Seen, level ^ 1);
  }
}

TEST_F(SubCircuitTest, SourcesInsideAdvanceOncePerStepAndNotWhenTheOrderIsBuilt) {
  auto* inner = Place<TTestSource>(*sub, 0, 100);
  root->Reset();
  EXPECT_EQ(inner->Calls, 0);
  for (int step = 1; step <= 3; ++step) {
    source->Level = step & 1;  // a change makes the root run several passes
    test::SettledStep(*root);
    EXPECT_EQ(inner->Calls, step);
  }
  root->BuildEvalOrder();
  EXPECT_EQ(inner->Calls, 3);
  EXPECT_EQ(root->TotalEvaluations(), root->Evaluations() + sub->Evaluations());
  EXPECT_GE(sub->Evaluations(), 3u * 4);  // each step: source, input tag, inverter, output tag
}

/// Two enabled tri-state buffers inside `sub` fighting over one net.
void AddFight(TMacro& sub) {
  auto* high = Place<TTestSource>(sub, 0, 200);
  high->Level = 1;
  auto* a = Place<TTriState>(sub, 50, 200);
  auto* b = Place<TTriState>(sub, 50, 260);
  Net(sub, *high->Pin(0), {a->Pin(0), a->Pin(2), b->Pin(0), b->Pin(2)});
  Net(sub, *a->Pin(1), {b->Pin(1)});
}

TEST_F(SubCircuitTest, ContentionInsideIsBlamedOnTheSubCircuitOnTheLevelAbove) {
  AddFight(*sub);
  root->Reset();
  const TStepReport report = StepCircuit(*root);
  EXPECT_TRUE(report.Result.Contention);
  EXPECT_EQ(report.Result.Culprit, sub);
  EXPECT_EQ(report.Message, QString::fromLatin1(StepMessages::Contention));
  ASSERT_TRUE(report.AtCulprit);
  float x, y;
  sub->GetCentre(x, y);
  EXPECT_EQ(report.Position, QPoint(RoundToInt(x), RoundToInt(y)));
}

TEST_F(SubCircuitTest, ContentionIsBlamedOnTheDeviceItselfWhenItsLevelIsShown) {
  AddFight(*sub);
  root->Displayed = false;
  sub->Displayed = true;
  root->Reset();
  const TStepReport report = StepCircuit(*root);
  ASSERT_NE(report.Result.Culprit, nullptr);
  EXPECT_EQ(report.Result.Culprit->ClassName(), TTriState::StaticClassName);
  EXPECT_EQ(report.Message, QString::fromLatin1(StepMessages::Contention));
}

TEST_F(SubCircuitTest, ContentionOutsideTheShownLevelIsReportedAtAHigherLevel) {
  AddFight(*sub);
  TMacro* sibling = test::AddSubCircuit(*root, 0, 200, 0);
  root->Displayed = false;
  sibling->Displayed = true;
  root->Reset();
  const TStepReport report = StepCircuit(*root);
  EXPECT_TRUE(report.Result.Contention);
  EXPECT_EQ(report.Result.Culprit, nullptr);
  EXPECT_FALSE(report.AtCulprit);
  EXPECT_EQ(report.Message, QString::fromLatin1(StepMessages::ContentionAbove));
}

TEST_F(SubCircuitTest, ARaceInsideReachesTheParentEvenWhenAnOutputChanges) {
  // Feed the inverter's output back through two more inverters: a ring that also drives the
  // output tag.
  sub->Wires().DeleteChild(sub->Tag(0)->GetPin()->Wire);
  auto* second = Place<TNotGate>(*sub, 100, 40);
  auto* third = Place<TNotGate>(*sub, 150, 40);
  TWire* out = inverter->Pin(0)->Wire;
  TSolder* joint = AddSolder(*sub, *out, out->GetPoint(0));
  Connect(*sub, *joint, *second->Pin(1));
  Net(*sub, *second->Pin(0), {third->Pin(1)});
  Net(*sub, *third->Pin(0), {inverter->Pin(1)});
  UpdateTagKinds(*sub);
  auto* later = Place<TCounting>(*root, 300, 0);
  root->Reset();
  later->Calls = 0;

  root->ClearDrivers();
  const SimResult result = root->Calculate();
  EXPECT_TRUE(result.Race);
  EXPECT_EQ(result.Culprit, sub);
  EXPECT_EQ(later->Calls, 0);  // the parent's first pass stopped at the sub-circuit
}

TEST(BidirectionalTag, AnOutsideBufferFightingAnInsideOneIsContention) {
  auto root = test::NewRoot();
  TMacro* sub = test::AddSubCircuit(*root, 0, 0, 1);
  AddFight(*sub);
  auto* fighters = static_cast<TTriState*>(sub->Devices().Child(0));
  sub->Wires().DeleteChild(fighters->Pin(1)->Wire);  // leave one buffer inside
  Net(*sub, *fighters->Pin(1), {sub->Tag(0)->GetPin()});
  UpdateTagKinds(*sub);
  ASSERT_EQ(sub->Tag(0)->Direction, TTagDevice::DirectionBidirectional);

  auto* high = Place<TTestSource>(*root, -200, 0);
  high->Level = 1;
  auto* outside = Place<TTriState>(*root, -100, 0);
  auto* probe = Place<TTestProbe>(*root, -100, 100);
  Net(*root, *high->Pin(0), {outside->Pin(0)});
  Net(*root, *outside->Pin(1), {&Outline(*sub, 0), probe->Pin(0)});
  root->Reset();

  test::SettledStep(*root);  // the outside buffer is disabled: the inside drives
  EXPECT_EQ(probe->Seen, 1);

  root->DeleteChild(high->Pin(0)->Wire);
  Net(*root, *high->Pin(0), {outside->Pin(0), outside->Pin(2)});
  root->BuildEvalOrder();
  const TStepReport report = StepCircuit(*root);
  EXPECT_TRUE(report.Result.Contention);
  EXPECT_EQ(report.Message, QString::fromLatin1(StepMessages::Contention));
}

}  // namespace
}  // namespace logivane
