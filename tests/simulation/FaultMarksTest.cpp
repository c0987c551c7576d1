// What a faulted step marks: one table of circuits, each stepped through the objects and
// through a compiled level, with the devices, wires and joints the marks must hold exactly.

#include "SampleCircuits.h"
#include "TestHelpers.h"
#include "simulation/cGateDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace logivane {
namespace {

using test::Net;
using test::Place;
using test::TTestProbe;
using test::TTestSource;

struct TMarked {
  std::unique_ptr<TMacro> Root = test::NewRoot();
  /// The level the marks belong to; the root when null.
  const TMacro* Level = nullptr;
  std::vector<TDevice*> Devices;
  std::vector<TWire*> Wires;
  std::vector<TSolder*> Solders;
};

TTestSource* Source(TMacro& circuit, float y, TLevel level) {
  auto* source = Place<TTestSource>(circuit, -100, y);
  source->Level = level;
  return source;
}

/// The whole net of `pin`, as the level gathered it.
void MarkNet(TMarked& m, const TPin& pin) {
  ASSERT_NE(pin.Net(), nullptr);
  m.Wires = pin.Net()->Wires();
  m.Solders = pin.Net()->Solders();
}

/// An odd ring of inverters in `circuit`, each output wired to the next one's input.
std::vector<TNotGate*> Ring(TMacro& circuit) {
  std::vector<TNotGate*> ring;
  for (int i = 0; i < 3; ++i) {
    ring.push_back(Place<TNotGate>(circuit, 60.0f * static_cast<float>(i), 0));
  }
  for (int i = 0; i < 3; ++i) {
    Net(circuit, *ring[i]->Pin(0), {ring[(i + 1) % 3]->Pin(1)});
  }
  return ring;
}

void MarkRing(TMarked& m, const std::vector<TNotGate*>& ring) {
  for (TNotGate* gate : ring) {
    m.Devices.push_back(gate);
    m.Wires.push_back(gate->Pin(1)->Wire);
  }
}

const struct TMarkCase {
  const char* Name;
  void (*Build)(TMarked& m);
} MarkCases[] = {
    {"AGateAndTheEnabledOneOfTwoBuffersOnABus",
     [](TMarked& m) {
       TMacro& c = *m.Root;
       auto* on = Place<TTriState>(c, 0, 0);
       auto* off = Place<TTriState>(c, 0, 60);
       auto* gate = Place<TNotGate>(c, 0, 120);
       Net(c, *Source(c, 0, 1)->Pin(0), {on->Pin(0), on->Pin(2)});
       Net(c, *Source(c, 60, 0)->Pin(0), {off->Pin(0), off->Pin(2), gate->Pin(1)});
       Net(c, *on->Pin(1), {off->Pin(1), gate->Pin(0), Place<TTestProbe>(c, 100, 0)->Pin(0)});
       c.Reset();
       m.Devices = {on, gate};
       MarkNet(m, *on->Pin(1));
     }},
    {"TwoBuffersOnOneWireAlone",
     [](TMarked& m) {
       m.Root = test::Contention();
       for (int i = 0; i < 2; ++i) {
         m.Devices.push_back(static_cast<TDevice*>(m.Root->Devices().Child(i)));
       }
       MarkNet(m, *m.Devices[0]->Pin(1));
     }},
    {"RingOfThreeInverters",
     [](TMarked& m) {
       MarkRing(m, Ring(*m.Root));
     }},
    {"RingWithAFollowerAndAStableBranch",
     [](TMarked& m) {
       TMacro& c = *m.Root;
       const std::vector<TNotGate*> ring = Ring(c);
       // The follower changes with the ring, the AND gate held low never does: neither is part
       // of the loop, nor are the wires to them.
       auto* follower = Place<TNotGate>(c, 0, 100);
       auto* stable = Place<T2AndGate>(c, 60, 100);
       Net(c, *Source(c, 100, 0)->Pin(0), {stable->Pin(2)});
       TWire* loop = ring[1]->Pin(1)->Wire;
       TSolder* joint = AddSolder(c, *loop, (loop->FirstPoint() + loop->LastPoint()) / 2);
       Connect(c, *joint, *follower->Pin(1));
       Connect(c, *joint, *stable->Pin(1));
       MarkRing(m, ring);
       m.Wires.push_back(ring[0]->Pin(0)->Wire);  // the loop's wire up to the joint
       m.Solders = {joint};
     }},
    {"RingInsideASubCircuit",
     [](TMarked& m) {
       TMacro* sub = test::AddSubCircuit(*m.Root, 0, 300, 0);
       MarkRing(m, Ring(*sub));
       m.Level = sub;
     }},
};

template <class T>
std::vector<T*> Sorted(std::vector<T*> list) {
  std::sort(list.begin(), list.end());
  return list;
}

class FaultMarks : public ::testing::TestWithParam<std::tuple<TMarkCase, bool>> {};

TEST_P(FaultMarks, MarkTheDevicesWiresAndJointsOfTheFault) {
  const auto& [markCase, interpreted] = GetParam();
  TMarked m;
  markCase.Build(m);
  m.Root->Interpreted = interpreted;
  m.Root->Reset();
  if (!m.Level) {
    EXPECT_EQ(m.Root->Compiled(), !interpreted) << "both ways of settling are to be tried";
  }
  const TStepReport report = StepCircuit(*m.Root);
  ASSERT_TRUE(report.Faulted());
  EXPECT_EQ(report.Marks.Level, m.Level ? m.Level : m.Root.get());
  EXPECT_EQ(Sorted(report.Marks.Devices), Sorted(m.Devices));
  EXPECT_EQ(Sorted(report.Marks.Wires), Sorted(m.Wires));
  EXPECT_EQ(Sorted(report.Marks.Solders), Sorted(m.Solders));
}

INSTANTIATE_TEST_SUITE_P(Circuits, FaultMarks,
                         ::testing::Combine(::testing::ValuesIn(MarkCases), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).Name) +
                                  (std::get<1>(info.param) ? "Interpreted" : "Compiled");
                         });

}  // namespace
}  // namespace logivane
