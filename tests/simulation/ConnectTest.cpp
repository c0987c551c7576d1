#include "simulation/SimTestHelpers.h"

#include <gtest/gtest.h>

namespace logivane {
namespace {

using test::ReadBack;
using test::WrittenObject;

/// A plain device with one pin of each given kind, 20 units apart, placed in `circuit`.
TDevice* PinBlock(TMacro& circuit, float x, std::initializer_list<std::int32_t> kinds) {
  TDevice* device = test::Place<TDevice>(circuit, 0, 0);
  float y = 0;
  for (const std::int32_t kind : kinds) {
    device->AddPin(kind, x, y);
    y += 20;
  }
  return device;
}

class NetTest : public ::testing::Test {
protected:
  // out -- joint -- in1
  //          \----- in2
  void SetUp() override {
    driver = PinBlock(circuit, 0, {PinOutput});
    readers = PinBlock(circuit, 100, {PinInput, PinInput});
    test::Net(circuit, *driver->Pin(0), {readers->Pin(0), readers->Pin(1)});
  }

  TMacro circuit;
  TDevice* driver = nullptr;
  TDevice* readers = nullptr;
};

TEST_F(NetTest, DrivingAPinReachesEveryPinAndWireOfItsNet) {
  ASSERT_EQ(circuit.Wires().Count(), 3);
  ASSERT_EQ(circuit.Solders().Count(), 1);

  EXPECT_TRUE(driver->Pin(0)->SetValue(driver, 1));
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(readers->Pin(i)->Value, 1);
    EXPECT_EQ(readers->Pin(i)->Driver, driver);
  }
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(static_cast<TWire*>(circuit.Wires().Child(i))->Value, 1);
  }
  EXPECT_TRUE(readers->Pin(0)->IsNetVisited());

  // The same level again changes nothing, yet still names the driver everywhere.
  circuit.SetVisited(false);
  readers->ClearDrivers();
  EXPECT_FALSE(driver->Pin(0)->SetValue(driver, 1));
  EXPECT_EQ(readers->Pin(1)->Driver, driver);

  // Within one pass a visited net is not walked again.
  EXPECT_TRUE(driver->Pin(0)->SetValue(driver, 0));
  EXPECT_EQ(readers->Pin(1)->Value, 1);
}

TEST_F(NetTest, AnInputPinNeverDrivesItsNet) {
  EXPECT_TRUE(readers->Pin(0)->SetValue(readers, 1));
  EXPECT_EQ(readers->Pin(0)->Value, 1);
  EXPECT_EQ(readers->Pin(1)->Value, 0);
  EXPECT_EQ(driver->Pin(0)->Value, 0);
  EXPECT_FALSE(readers->Pin(0)->IsNetVisited());
}

TEST_F(NetTest, SearchesFindPinsOfAKindAcrossJoints) {
  circuit.SetVisited(false);
  EXPECT_EQ(readers->Pin(1)->Wire->FindPinOfKind(PinOutput), driver->Pin(0));
  circuit.SetVisited(false);
  EXPECT_EQ(driver->Pin(0)->Wire->FindPinOfKind(PinTriState), nullptr);
}

TEST(Net, ALoopThroughJointsIsWalkedOncePerPass) {
  TMacro circuit;
  TDevice* ends = PinBlock(circuit, 0, {PinOutput, PinInput});
  auto* a = test::Place<TSolder>(circuit, 50, 0);
  auto* b = test::Place<TSolder>(circuit, 50, 50);
  Connect(circuit, *ends->Pin(0), *a);
  Connect(circuit, *a, *b);
  Connect(circuit, *b, *a);  // a second path between the joints closes the loop
  Connect(circuit, *b, *ends->Pin(1));
  ASSERT_EQ(circuit.Wires().Count(), 4);

  EXPECT_TRUE(ends->Pin(0)->SetValue(ends, 1));
  EXPECT_EQ(ends->Pin(1)->Value, 1);
  circuit.SetVisited(false);
  EXPECT_EQ(ends->Pin(0)->Wire->FindPinOfKind(PinInput), ends->Pin(1));
}

TEST(Net, AWireWithALooseEndDrivesTheEndItHas) {
  TMacro circuit;
  TDevice* ends = PinBlock(circuit, 0, {PinOutput, PinInput});
  TWire* wire = Connect(circuit, *ends->Pin(0), *ends->Pin(1));
  wire->DetachEnd(ends->Pin(1));
  ends->Pin(1)->DetachWire(wire);

  EXPECT_TRUE(ends->Pin(0)->SetValue(ends, 1));
  EXPECT_EQ(wire->Value, 1);
  EXPECT_EQ(ends->Pin(1)->Value, 0);
}

TEST(Links, DestroyingAnObjectUnhooksEveryoneThatPointedAtIt) {
  TMacro circuit;
  TDevice* ends = PinBlock(circuit, 0, {PinOutput, PinInput});
  test::Net(circuit, *ends->Pin(0), {ends->Pin(1)});
  TWire* wire = static_cast<TWire*>(circuit.Wires().Child(0));
  TSolder* joint = AddSolder(circuit, *wire, QPoint(0, 10));
  ASSERT_NE(joint, nullptr);
  TWire* toOutput = joint->Wires[0];
  TWire* toInput = joint->Wires[1];

  circuit.Solders().DeleteChild(joint);
  EXPECT_EQ(toOutput->End2, nullptr);
  EXPECT_EQ(toInput->End1, nullptr);

  circuit.Wires().DeleteChild(toOutput);
  EXPECT_FALSE(ends->Pin(0)->IsConnected());

  ends->Clear();  // destroys the pins
  EXPECT_EQ(toInput->EndCount(), 0);

  auto a = std::make_unique<TMacroPin>();
  TMacroPin b;
  TMacroPin::Link(*a, b);
  a.reset();
  EXPECT_EQ(b.Partner, nullptr);
}

TEST(WireEdit, SplitHandsEachEndToOnePieceAndJoinPutsThemBack) {
  TMacro circuit;
  TDevice* ends = PinBlock(circuit, 0, {PinOutput});
  TDevice* far = PinBlock(circuit, 100, {PinInput});
  TWire* wire = Connect(circuit, *ends->Pin(0), *far->Pin(0));
  wire->HitIndex = 0;
  wire->HitPoint = QPoint(40, 0);
  wire->SetColour(ColourRed);

  std::unique_ptr<TWire> first, second;
  wire->Split(first, second);
  EXPECT_EQ(first->End1, ends->Pin(0));
  EXPECT_EQ(ends->Pin(0)->Wire, first.get());
  EXPECT_EQ(second->End2, far->Pin(0));
  EXPECT_EQ(far->Pin(0)->Wire, second.get());
  EXPECT_EQ(first->LastPoint(), QPoint(40, 0));
  EXPECT_EQ(second->FirstPoint(), QPoint(40, 0));
  EXPECT_EQ(second->GetColour(), ColourRed);
  EXPECT_EQ(wire->EndCount(), 0);
  circuit.Wires().DeleteChild(wire);

  // The first piece turned round: Join must orient it before it chains the two.
  first->Reverse();
  EXPECT_EQ(first->End2, ends->Pin(0));
  auto* solder = test::Place<TSolder>(circuit, 40, 0);
  first->End1 = solder;
  second->End1 = solder;
  solder->AttachWire(first.get());
  solder->AttachWire(second.get());

  TWire joined;
  joined.Join(*first, *second);
  joined.Remap();
  EXPECT_EQ(joined.End1, ends->Pin(0));
  EXPECT_EQ(joined.End2, far->Pin(0));
  EXPECT_EQ(ends->Pin(0)->Wire, &joined);
  EXPECT_EQ(far->Pin(0)->Wire, &joined);
  EXPECT_EQ(joined.PointCount(), 3);
  EXPECT_EQ(joined.FirstPoint(), QPoint(0, 0));
  EXPECT_EQ(joined.LastPoint(), QPoint(100, 0));
  EXPECT_EQ(joined.GetColour(), ColourRed);
}

TEST(WireEdit, FollowEndsMovesEndVerticesOntoTheirPins) {
  auto circuit = test::NewRoot();
  TDevice* a = PinBlock(*circuit, 0, {PinOutput});
  TDevice* b = PinBlock(*circuit, 100, {PinInput});
  TWire* wire = Connect(*circuit, *a->Pin(0), *b->Pin(0));
  EXPECT_FALSE(circuit->FollowAllWires());

  b->Pins().Translate(0, 30);
  b->Pins().Remap();
  EXPECT_TRUE(circuit->FollowAllWires());
  EXPECT_EQ(wire->LastPoint(), QPoint(100, 30));
  EXPECT_TRUE(wire->EndsMoved);
  std::vector<TRect> dirty;
  circuit->InvalidateWireMoves([&](const TRect& r) { dirty.push_back(r); });
  ASSERT_EQ(dirty.size(), 1u);
  EXPECT_EQ(dirty[0], (TRect{-2, -2, 102, 32}));
}

TEST(SolderFile, ReadingPlacesTheCircleOnceAtItsPosition) {
  TSolder solder;
  solder.Translate(10, 20);
  solder.Remap();
  const QByteArray bytes = WrittenObject(solder);
  const auto copy = ReadBack<TSolder>(bytes);
  EXPECT_EQ(copy->X, 10);
  EXPECT_EQ(copy->Y, 20);
  EXPECT_EQ(copy->GetBounds(), solder.GetBounds());
  EXPECT_EQ(WrittenObject(*copy), bytes);
}

}  // namespace
}  // namespace logivane
