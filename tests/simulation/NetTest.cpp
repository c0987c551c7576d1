#include "simulation/SimTestHelpers.h"

#include <gtest/gtest.h>

namespace logivane {
namespace {

using test::Net;
using test::Place;
using test::TTestProbe;
using test::TTestSource;

/// A source fanned out through solder joints to three inverters.
class GatheredNetTest : public ::testing::Test {
protected:
  void SetUp() override {
    root = test::NewRoot();
    source = Place<TTestSource>(*root, 0, 0);
    for (int i = 0; i < 3; ++i) {
      loads[i] = Place<TNotGate>(*root, 100, 50.0f * static_cast<float>(i));
    }
    Net(*root, *source->Pin(0), {loads[0]->Pin(1), loads[1]->Pin(1), loads[2]->Pin(1)});
    root->Reset();
  }

  const TNet* SourceNet() const { return source->Pin(0)->Net(); }

  /// Steps with the source high, then low; every load still wired follows it.
  void ExpectLoadsFollow() {
    for (const TLevel level : {1, 0}) {
      source->Level = level;
      test::SettledStep(*root);
      for (TNotGate* load : loads) {
        if (load->Pin(1)->Wire) {
          EXPECT_EQ(load->Pin(1)->Value, level);
          EXPECT_EQ(load->Pin(1)->Driver, source);
          EXPECT_EQ(load->Pin(0)->Value, level ^ 1);
        }
      }
    }
  }

  std::unique_ptr<TMacro> root;
  TTestSource* source = nullptr;
  TNotGate* loads[3]{};
};

TEST_F(GatheredNetTest, DrivingAGatheredNetReachesEveryPartOfItAsTheSearchDoes) {
  ASSERT_NE(SourceNet(), nullptr);
  EXPECT_EQ(SourceNet()->Pins().size(), 4u);
  for (TNotGate* load : loads) {
    EXPECT_EQ(load->Pin(1)->Net(), SourceNet());
  }
  root->SetVisited(false);
  EXPECT_TRUE(source->Pin(0)->SetValue(source, 1));
  EXPECT_FALSE(source->Pin(0)->SetValue(source, 1)) << "the net is marked for this pass";
  for (TSerialize* item : root->Wires().Objects()) {
    const auto* wire = static_cast<TWire*>(item);
    EXPECT_EQ(wire->Visited, wire->Net() == SourceNet());
    EXPECT_EQ(wire->Value, wire->Net() == SourceNet() ? 1 : 0);
  }
  for (TSerialize* solder : root->Solders().Objects()) {
    EXPECT_TRUE(static_cast<TSolder*>(solder)->Visited);
  }
  root->SetVisited(false);  // a source drives before the first pass clears the marks
  ExpectLoadsFollow();
}

TEST_F(GatheredNetTest, AnyChangeToTheWiringDissolvesTheNetUntilTheOrderIsBuiltAgain) {
  const std::function<void()> changes[] = {
      [&] { root->DeleteChild(loads[2]->Pin(1)->Wire); },
      [&] {
        TWire& wire = *loads[0]->Pin(1)->Wire;
        AddSolder(*root, wire, (wire.GetPoint(0) + wire.GetPoint(1)) / 2);
      },
      [&] {
        TPin& pin = *loads[2]->Pin(1);
        pin.Wire->DetachEnd(&pin);
        pin.DetachWire(pin.Wire);
      },
      [&] {
        root->DeleteChild(loads[1]);
        loads[1] = Place<TNotGate>(*root, 100, 50);
      },
  };
  for (const auto& change : changes) {
    SetUp();
    ASSERT_NE(SourceNet(), nullptr);
    change();
    EXPECT_EQ(SourceNet(), nullptr);
    ExpectLoadsFollow();  // the search still drives the net
    root->BuildEvalOrder();
    EXPECT_NE(SourceNet(), nullptr);
    ExpectLoadsFollow();
  }
}

TEST(GatheredNets, OneWayLinksAndJointsOfAnotherLevelAreLeftToTheSearch) {
  auto root = test::NewRoot();
  TMacro other;
  auto* source = Place<TTestSource>(*root, 0, 0);
  auto* probe = Place<TTestProbe>(*root, 200, 0);
  TSolder* foreign = Place<TSolder>(other, 100, 0);
  Connect(*root, *source->Pin(0), *foreign);
  Connect(*root, *foreign, *probe->Pin(0));

  // A wire whose end names a pin that belongs to another wire.
  auto* second = Place<TTestSource>(*root, 0, 100);
  auto* stray = Place<TTestProbe>(*root, 200, 100);
  TWire* oneWay = Connect(*root, *second->Pin(0), *stray->Pin(0));
  oneWay->End2 = probe->Pin(0);

  root->Reset();
  EXPECT_EQ(source->Pin(0)->Net(), nullptr);
  EXPECT_EQ(oneWay->Net(), nullptr);
  source->Level = 1;
  second->Level = 1;  // it reaches the probe too, through the one-way end
  test::SettledStep(*root);
  EXPECT_EQ(probe->Seen, 1);
  oneWay->End2 = stray->Pin(0);
}

}  // namespace
}  // namespace logivane
