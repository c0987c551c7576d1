// Who is blamed for a fault: one table of circuits, each with the level on screen, and the
// flag, culprit and notice that a step must report.

#include "TestHelpers.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace logivane {
namespace {

using test::Net;
using test::Place;
using test::TTestSource;

struct TFault {
  std::unique_ptr<TMacro> Root = test::NewRoot();
  bool Race = false;
  /// The devices that may be blamed; none when the fault lies outside the level on screen.
  std::vector<const TDevice*> Culprits;
};

/// Puts the screen on `level` instead of the root.
void Show(TFault& fault, TMacro& level) {
  fault.Root->Displayed = false;
  level.Displayed = true;
}

/// An odd ring of inverters in `circuit`: it never settles. Returns the last inverter.
TNotGate* Ring(TMacro& circuit) {
  TNotGate* ring[3];
  for (int i = 0; i < 3; ++i) {
    ring[i] = Place<TNotGate>(circuit, 60.0f * static_cast<float>(i), 0);
  }
  for (int i = 0; i < 3; ++i) {
    Net(circuit, *ring[i]->Pin(0), {ring[(i + 1) % 3]->Pin(1)});
  }
  return ring[2];
}

/// Two enabled tri-state buffers on one net of `circuit`.
std::vector<const TDevice*> Fight(TMacro& circuit) {
  auto* high = Place<TTestSource>(circuit, 0, 200);
  high->Level = 1;
  auto* a = Place<TTriState>(circuit, 50, 200);
  auto* b = Place<TTriState>(circuit, 50, 260);
  Net(circuit, *high->Pin(0), {a->Pin(0), a->Pin(2), b->Pin(0), b->Pin(2)});
  Net(circuit, *a->Pin(1), {b->Pin(1)});
  return {a, b};
}

/// An enabled tri-state buffer and an inverter driving one net, filed in either order.
void GateAndBuffer(TFault& f, bool gateFirst) {
  TMacro& c = *f.Root;
  auto* gate = gateFirst ? Place<TNotGate>(c, 100, 60) : nullptr;
  auto* buffer = Place<TTriState>(c, 100, 0);
  gate = gate ? gate : Place<TNotGate>(c, 100, 60);
  auto* high = Place<TTestSource>(c, 0, 0);
  high->Level = 1;
  Net(c, *high->Pin(0), {buffer->Pin(0), buffer->Pin(2)});
  Net(c, *buffer->Pin(1), {gate->Pin(0)});
  f.Culprits = {gate, buffer};
}

const struct TBlameCase {
  const char* Name;
  void (*Build)(TFault& f);
} BlameCases[] = {
    {"RingShown",
     [](TFault& f) {
       f.Race = true;
       Ring(*f.Root);
       f.Root->Reset();
       f.Culprits = {f.Root->EvalOrder().back()};  // the last to change
     }},
    {"RingAboveTheShownLevel",
     [](TFault& f) {
       f.Race = true;
       Ring(*f.Root);
       Show(f, *test::AddSubCircuit(*f.Root, 0, 300, 0));
     }},
    {"TwoBuffers",
     [](TFault& f) {
       f.Culprits = Fight(*f.Root);
     }},
    {"GateFiledBeforeBuffer",
     [](TFault& f) {
       GateAndBuffer(f, true);
     }},
    {"BufferFiledBeforeGate",
     [](TFault& f) {
       GateAndBuffer(f, false);
     }},
    {"ClockShortedToSupplyThroughASwitch",
     [](TFault& f) {
       auto* clock = Place<TClockDevice>(*f.Root, 0, 0);
       auto* supply = Place<TSupply>(*f.Root, 0, 100);
       auto* contact = Place<TInteractiveSwitch>(*f.Root, 100, 50);
       auto* led = Place<TLEDDevice>(*f.Root, 200, 0);
       contact->Press();  // a toggle switch, now closed
       Net(*f.Root, *clock->Pin(0), {contact->Pin(0), led->Pin(0)});
       Net(*f.Root, *supply->Pin(0), {contact->Pin(1)});
       f.Culprits = {contact};
     }},
    {"FightInsideASubCircuitShownFromAbove",
     [](TFault& f) {
       TMacro* sub = test::AddSubCircuit(*f.Root, 0, 0, 0);
       Fight(*sub);
       f.Culprits = {sub};
     }},
    {"FightInsideTheShownSubCircuit",
     [](TFault& f) {
       TMacro* sub = test::AddSubCircuit(*f.Root, 0, 0, 0);
       f.Culprits = Fight(*sub);
       Show(f, *sub);
     }},
    {"FightInsideASiblingOfTheShownLevel",
     [](TFault& f) {
       Fight(*test::AddSubCircuit(*f.Root, 0, 0, 0));
       Show(f, *test::AddSubCircuit(*f.Root, 0, 200, 0));
     }},
    {"BuffersOnBothSidesOfABidirectionalTag",
     [](TFault& f) {
       TMacro* sub = test::AddSubCircuit(*f.Root, 0, 0, 1);
       auto* inside = Place<TTriState>(*sub, 50, 0);
       auto* high = Place<TTestSource>(*sub, 0, 100);
       high->Level = 1;
       Net(*sub, *high->Pin(0), {inside->Pin(0), inside->Pin(2)});
       Net(*sub, *inside->Pin(1), {sub->Tag(0)->GetPin()});
       UpdateTagKinds(*sub);
       auto* outside = Place<TTriState>(*f.Root, -100, 0);
       auto* enable = Place<TTestSource>(*f.Root, -200, 0);
       enable->Level = 1;
       Net(*f.Root, *enable->Pin(0), {outside->Pin(0), outside->Pin(2)});
       Net(*f.Root, *outside->Pin(1), {&test::Outline(*sub, 0)});
       f.Culprits = {outside, sub};
     }},
    {"RingInsideASubCircuitThatAlsoChangesAnOutput",
     [](TFault& f) {
       TMacro* sub = test::AddSubCircuit(*f.Root, 0, 0, 1);
       TWire* out = Ring(*sub)->Pin(0)->Wire;
       Connect(*sub, *AddSolder(*sub, *out, out->GetPoint(0)), *sub->Tag(0)->GetPin());
       UpdateTagKinds(*sub);
       Net(*f.Root, test::Outline(*sub, 0), {Place<test::TTestProbe>(*f.Root, 100, 0)->Pin(0)});
       f.Race = true;
       f.Culprits = {sub};
     }},
};

void PrintTo(const TBlameCase& c, std::ostream* os) {
  *os << c.Name;
}

class Blame : public ::testing::TestWithParam<TBlameCase> {};

TEST_P(Blame, TheStepReportsTheFaultAtTheCulpritAndResetsTheCircuit) {
  TFault f;
  GetParam().Build(f);
  TMacro& root = *f.Root;
  root.Reset();
  bool shown = false;
  const TStepReport report = StepCircuit(root, [&](const SimResult&) { shown = true; });
  EXPECT_TRUE(shown) << "the settled state is painted before the notice";
  EXPECT_EQ(report.Result.Race, f.Race);
  EXPECT_EQ(report.Result.Contention, !f.Race);
  const char* message =
      f.Race ? (f.Culprits.empty() ? StepMessages::RaceAbove : StepMessages::Race)
             : (f.Culprits.empty() ? StepMessages::ContentionAbove : StepMessages::Contention);
  EXPECT_EQ(report.Message, QString::fromLatin1(message));
  if (f.Culprits.empty()) {
    EXPECT_EQ(report.Result.Culprit, nullptr);
    EXPECT_FALSE(report.AtCulprit);
    return;
  }
  const TDevice* culprit = report.Result.Culprit;
  ASSERT_NE(std::find(f.Culprits.begin(), f.Culprits.end(), culprit), f.Culprits.end())
      << (culprit ? culprit->ClassName() : "nobody");
  ASSERT_TRUE(report.AtCulprit);
  float x, y;
  culprit->GetCentre(x, y);
  EXPECT_EQ(report.Position, QPoint(RoundToInt(x), RoundToInt(y)));
  EXPECT_FALSE(culprit->Contention) << "a fault resets the circuit";
}

INSTANTIATE_TEST_SUITE_P(Circuits, Blame, ::testing::ValuesIn(BlameCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Blame, TheSettleLoopGivesUpAfter201PassesAndStopsAtAReportedFault) {
  auto root = test::NewRoot();
  Ring(*root);
  root->Reset();
  root->ClearDrivers();
  EXPECT_TRUE(root->Calculate().Race);
  EXPECT_EQ(root->Evaluations(), 3u * 201) << "three inverters, 201 passes";

  class TFaulty final : public TDevice {
  public:
    SimResult Calculate() override {
      SimResult result;
      result.Race = true;
      result.Contention = true;
      return result;
    }
  };
  auto other = test::NewRoot();
  Place<TFaulty>(*other, 0, 0);
  Place<TNotGate>(*other, 50, 0);  // would run if the pass went on
  other->Reset();
  EXPECT_EQ(StepCircuit(*other).Message, QString::fromLatin1(StepMessages::Race))
      << "a race wins over contention";
  EXPECT_EQ(other->Evaluations(), 1u);
}

}  // namespace
}  // namespace logivane
