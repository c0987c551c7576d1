// Whole circuits of library devices, set by the user's inputs and stepped as the run control
// steps them.

#include "TestHelpers.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cInteractive.h"
#include "simulation/cMemory.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace logivane {
namespace {

using test::Net;
using test::Outline;
using test::Place;
using test::SettledStep;

/// Puts `input` at `level` the way the user does, by clicking it.
void Set(TInteractiveInput& input, TLevel level) {
  if ((input.Level & 1) != level) {
    input.Press();
  }
}

/// Whether an LED shows high: readers take any level of 1 or more as high.
TLevel Lit(const TLEDDevice& led) {
  return led.Level >= 1 ? 1 : 0;
}

TEST(Circuit, AnRSLatchSetsResetsAndHoldsAndSettlesWithBothInputsHigh) {
  auto root = test::NewRoot();
  auto* r = Place<TInteractiveInput>(*root, 0, 0);
  auto* s = Place<TInteractiveInput>(*root, 0, 50);
  auto* latch = Place<TRSFlipFlop>(*root, 100, 20);
  auto* q = Place<TLEDDevice>(*root, 200, 0);
  auto* notQ = Place<TLEDDevice>(*root, 200, 50);
  Net(*root, *r->Pin(0), {latch->Pin(TRSFlipFlop::PinR)});
  Net(*root, *s->Pin(0), {latch->Pin(TRSFlipFlop::PinS)});
  Net(*root, *latch->Pin(0), {q->Pin(0)});
  Net(*root, *latch->Pin(1), {notQ->Pin(0)});
  root->Reset();

  //                        R  S  Q
  const TLevel rows[][3] = {{0, 1, 1}, {0, 0, 1}, {1, 0, 0}, {0, 0, 0},
                            {0, 1, 1}, {1, 1, 0}, {0, 0, 0}};
  for (const auto& row : rows) {
    Set(*r, row[0]);
    Set(*s, row[1]);
    SettledStep(*root);
    EXPECT_EQ(Lit(*q), row[2]) << "R " << row[0] << " S " << row[1];
    EXPECT_EQ(Lit(*notQ), row[2] ^ 1);
  }
}

TEST(Circuit, SwitchesOfEachTypeConnectWhileTheirContactIsClosed) {
  struct TRow {
    std::int32_t Type;
    TLevel AtRest, Pressed, Released;
  };
  const TRow rows[] = {{TInteractiveSwitch::PushToMake, 0, 1, 0},
                       {TInteractiveSwitch::PushToBreak, 1, 0, 1},
                       {TInteractiveSwitch::Toggle, 0, 1, 1}};
  for (const TRow& row : rows) {
    auto root = test::NewRoot();
    auto* supply = Place<TSupply>(*root, 0, 0);
    auto* contact = Place<TInteractiveSwitch>(*root, 100, 0);
    auto* led = Place<TLEDDevice>(*root, 200, 0);
    contact->SetSwitchType(row.Type);
    Net(*root, *supply->Pin(0), {contact->Pin(0)});
    Net(*root, *contact->Pin(1), {led->Pin(0)});
    root->Reset();

    // An open contact pulls the LED's side low.
    SettledStep(*root);
    EXPECT_EQ(Lit(*led), row.AtRest) << row.Type;
    contact->Press();
    SettledStep(*root);
    EXPECT_EQ(Lit(*led), row.Pressed) << row.Type;
    contact->Release();
    SettledStep(*root);
    EXPECT_EQ(Lit(*led), row.Released) << row.Type;
  }
}

/**
 * A sub-circuit with four tags: in 0 -> NOT -> out 1; its own clock -> out 2; two tri-state
 * buffers on bidirectional tag 3, the second enabled from an input inside.
 */
class SubCircuitOfLibraryDevices : public ::testing::Test {
protected:
  void SetUp() override {
    root = test::NewRoot();
    sub = test::AddSubCircuit(*root, 0, 0, 4);
    auto* inverter = Place<TNotGate>(*sub, 50, 0);
    auto* clock = Place<TClockDevice>(*sub, 0, 100);
    auto* supply = Place<TSupply>(*sub, 0, 200);
    auto* ground = Place<TGround>(*sub, 0, 300);
    auto* driver = Place<TTriState>(*sub, 100, 200);
    auto* rival = Place<TTriState>(*sub, 100, 300);
    enableRival = Place<TInteractiveInput>(*sub, 0, 400);
    Net(*sub, *sub->Tag(0)->GetPin(), {inverter->Pin(1)});
    Net(*sub, *inverter->Pin(0), {sub->Tag(1)->GetPin()});
    Net(*sub, *clock->Pin(0), {sub->Tag(2)->GetPin()});
    Net(*sub, *supply->Pin(0), {driver->Pin(0), driver->Pin(2)});
    Net(*sub, *ground->Pin(0), {rival->Pin(0)});
    Net(*sub, *enableRival->Pin(0), {rival->Pin(2)});
    Net(*sub, *driver->Pin(1), {rival->Pin(1), sub->Tag(3)->GetPin()});
    UpdateTagKinds(*sub);

    input = Place<TInteractiveInput>(*root, -100, 0);
    Net(*root, *input->Pin(0), {&Outline(*sub, 0)});
    for (int i = 1; i < 4; ++i) {
      leds[i] = Place<TLEDDevice>(*root, 100, 20.0f * static_cast<float>(i));
      Net(*root, Outline(*sub, i), {leds[i]->Pin(0)});
    }
    root->Reset();
  }

  std::unique_ptr<TMacro> root;
  TMacro* sub = nullptr;
  TInteractiveInput* input = nullptr;
  TInteractiveInput* enableRival = nullptr;
  TLEDDevice* leds[4]{};
};

TEST_F(SubCircuitOfLibraryDevices, TagsCarryLevelsAcrossAndTheClockInsideTicksOncePerStep) {
  EXPECT_EQ(sub->Tag(0)->Direction, TTagDevice::DirectionInput);
  EXPECT_EQ(sub->Tag(1)->Direction, TTagDevice::DirectionOutput);
  EXPECT_EQ(sub->Tag(3)->Direction, TTagDevice::DirectionBidirectional);
  for (int step = 1; step <= 6; ++step) {
    // A changing input makes the root evaluate the sub-circuit in more than one pass.
    Set(*input, step & 1);
    SettledStep(*root);
    EXPECT_EQ(Lit(*leds[1]), (step & 1) ^ 1) << step;
    EXPECT_EQ(Lit(*leds[2]), (step & 1) ^ 1) << "the clock shows 0, 1, 0, ... on steps 1, 2, 3";
    EXPECT_EQ(Lit(*leds[3]), 1) << step;
  }
}

}  // namespace
}  // namespace logivane
