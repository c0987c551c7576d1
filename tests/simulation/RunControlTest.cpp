#include "simulation/SimTestHelpers.h"

#include <gtest/gtest.h>

namespace logivane {
namespace {

using test::Net;
using test::Place;

/// Three inverters in a ring: a level that never settles.
std::unique_ptr<TMacro> Ring() {
  auto root = test::NewRoot();
  TNotGate* ring[3];
  for (int i = 0; i < 3; ++i) {
    ring[i] = Place<TNotGate>(*root, 60.0f * static_cast<float>(i), 0);
  }
  for (int i = 0; i < 3; ++i) {
    Net(*root, *ring[i]->Pin(0), {ring[(i + 1) % 3]->Pin(1)});
  }
  root->Reset();
  return root;
}

TEST(Step, ARaceIsReportedAtTheCulpritAfterTheSettledStateWasShown) {
  const auto root = Ring();
  int shown = 0;
  const TStepReport report = StepCircuit(*root, [&](const SimResult& result) {
    ++shown;
    EXPECT_TRUE(result.Race);
  });
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(report.Faulted());
  EXPECT_EQ(report.Message, QStringLiteral("Race condition, process halted"));
  ASSERT_TRUE(report.AtCulprit);
  float x, y;
  root->EvalOrder().back()->GetCentre(x, y);
  EXPECT_EQ(report.Position, QPoint(RoundToInt(x), RoundToInt(y)));

  root->Displayed = false;
  const TStepReport above = StepCircuit(*root);
  EXPECT_EQ(above.Message, QStringLiteral("Race condition at higher level"));
  EXPECT_FALSE(above.AtCulprit);
}

TEST(Step, AFaultResetsTheCircuit) {
  auto root = test::NewRoot();
  auto* high = Place<test::TTestSource>(*root, 0, 0);
  high->Level = 1;
  auto* a = Place<TTriState>(*root, 100, 0);
  auto* b = Place<TTriState>(*root, 100, 60);
  Net(*root, *high->Pin(0), {a->Pin(0), a->Pin(2), b->Pin(0), b->Pin(2)});
  Net(*root, *a->Pin(1), {b->Pin(1)});
  root->Reset();

  TLevel settledLevel = -1;
  const TStepReport report = StepCircuit(
      *root, [&](const SimResult&) { settledLevel = static_cast<TWire*>(a->Pin(1)->Wire)->Value; });
  EXPECT_EQ(report.Message, QStringLiteral("Bus contention, process halted"));
  EXPECT_EQ(settledLevel, 1);
  EXPECT_EQ(a->Pin(1)->Wire->Value, 0);
  EXPECT_FALSE(a->Contention || b->Contention);
}

TEST(Step, ARaceWinsOverContentionAndASettledStepReportsNothing) {
  class TBoth final : public TDevice {
  public:
    SimResult Calculate() override {
      SimResult result;
      result.Race = Faulty;
      result.Contention = Faulty;
      return result;
    }
    bool Faulty = true;
  };
  auto root = test::NewRoot();
  auto* device = Place<TBoth>(*root, 0, 0);
  root->Reset();
  EXPECT_EQ(StepCircuit(*root).Message, QStringLiteral("Race condition, process halted"));

  device->Faulty = false;
  const TStepReport report = StepCircuit(*root);
  EXPECT_FALSE(report.Faulted());
  EXPECT_FALSE(report.AtCulprit);
}

}  // namespace
}  // namespace logivane
