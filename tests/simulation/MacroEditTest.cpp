#include "simulation/SimTestHelpers.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace logivane {
namespace {

using test::Place;

TEST(MacroEdit, ObjectsAreFiledByTheirClassAndDeletedByTheSameRule) {
  auto root = test::NewRoot();
  EXPECT_TRUE(root->IsEmpty());
  auto* gate = Place<T2OrGate>(*root, 0, 0);
  auto* note = Place<TGraphicText>(*root, 0, 50);
  auto* sub = Place<TMacro>(*root, 0, 100);
  auto* tag = Place<TTagDevice>(*root, 0, 150);
  auto* source = Place<test::TTestSource>(*root, 0, 200);
  auto* probe = Place<test::TTestProbe>(*root, 0, 250);
  auto* joint = Place<TSolder>(*root, 0, 300);
  auto* wire = AddObject(*root, std::make_unique<TWire>());
  auto* pin = Place<TMacroPin>(*root, 0, 350);

  const std::pair<TGraphicObject*, TGraphicList*> filing[] = {
      {gate, &root->Devices()},  {note, &root->Devices()},  {sub, &root->Devices()},
      {tag, &root->Tags()},      {source, &root->Inputs()}, {probe, &root->Outputs()},
      {joint, &root->Solders()}, {wire, &root->Wires()},    {pin, &root->Pins()},
  };
  for (const auto& [object, list] : filing) {
    EXPECT_GE(list->Objects().IndexOf(object), 0) << object->ClassName();
  }
  EXPECT_FALSE(root->IsEmpty());

  root->Reset();
  ASSERT_EQ(root->EvalOrder().size(), 2u);
  for (const auto& [object, list] : filing) {
    const int before = list->Count();
    root->DeleteChild(object);
    EXPECT_EQ(list->Count(), before - 1);
  }
  EXPECT_TRUE(root->IsEmpty());
  EXPECT_TRUE(root->EvalOrder().empty());

  TNotGate stranger;
  root->DeleteChild(&stranger);  // not ours: left alone
  EXPECT_EQ(stranger.PinCount(), 2);
}

TEST(MacroEdit, DeletingAnOutlinePinClearsItsTagsNumber) {
  auto root = test::NewRoot();
  TMacro* sub = test::AddSubCircuit(*root, 0, 0, 2);
  TTagDevice* second = sub->Tag(1);
  ASSERT_EQ(second->GetNumber(), 2);
  sub->DeleteChild(sub->Pin(1));
  EXPECT_EQ(sub->PinCount(), 1);
  EXPECT_EQ(second->GetNumber(), -1);
  EXPECT_EQ(second->LinkPin->Partner, nullptr);
  EXPECT_EQ(sub->FindTagForPin(sub->Pin(0)), sub->Tag(0));

  const int shapes = sub->Count();
  sub->DeleteChild(sub->Child(0));  // closed: the symbol
  EXPECT_EQ(sub->Count(), shapes - 1);
}

TEST(MacroEdit, HitTestAnswersWithTheObjectAndThePinUnderThePoint) {
  auto root = test::NewRoot();
  auto* gate = Place<T2AndGate>(*root, 100, 100);
  EXPECT_TRUE(root->HitTest(130, 100));  // on the output pin
  EXPECT_EQ(root->HitObject, gate);
  EXPECT_EQ(root->HitPin, gate->Pin(0));
  EXPECT_FALSE(root->HitTest(500, 500));
  EXPECT_EQ(root->HitObject, nullptr);
  EXPECT_EQ(root->HitPin, nullptr);

  TMacro closed;
  TMacroPin* pin = AddOutlinePin(closed, -40, 0);
  EXPECT_TRUE(closed.HitTest(-40, 0));
  EXPECT_EQ(closed.HitObject, pin);
  EXPECT_EQ(closed.HitPin, pin);
}

TEST(MacroEdit, BoundsMovesAndCollectingFollowTheOpenOrClosedState) {
  TMacro macro;
  auto* gate = Place<TNotGate>(macro, 200, 0);
  TMacroPin* pin = AddOutlinePin(macro, -40, 0);
  const TRect pinBounds = pin->GetBounds();
  const TRect closed = macro.GetBounds();  // the symbol and the pin, not the contents
  EXPECT_EQ(closed.Left, pin->GetBounds().Left);
  EXPECT_LT(closed.Right, 100);
  TGraphicList target;
  EXPECT_TRUE(macro.CollectInside(TRect{-100, -100, 100, 100}, target));
  EXPECT_EQ(target.Count(), 3);  // frame, name and pin
  EXPECT_FALSE(macro.CollectOutside(TRect{-100, -100, 100, 100}, target));
  EXPECT_EQ(target.Count(), 0);

  macro.Closed = false;
  EXPECT_EQ(macro.GetBounds(), gate->GetBounds());
  macro.Translate(10, 0);
  macro.Remap();
  EXPECT_EQ(macro.GetBounds(), gate->GetBounds());
  EXPECT_EQ(gate->X, 210);
  EXPECT_EQ(pin->GetBounds(), pinBounds);  // the outline stays where it was
  EXPECT_TRUE(macro.CollectOutside(TRect{-100, -100, 100, 100}, target));
  EXPECT_EQ(target.Count(), 1);
  target.Objects().DetachAll();

  macro.Datasheet = QStringLiteral("x");
  macro.Clear();
  EXPECT_TRUE(macro.IsEmpty());
  EXPECT_TRUE(macro.Datasheet.isEmpty());
  EXPECT_EQ(macro.PinCount(), 1);
}

TEST(MacroEdit, PaintStateColoursWiresByTheirLevel) {
  auto root = test::NewRoot();
  TWire* wires[4];
  for (auto& wire : wires) {
    wire = AddObject(*root, std::make_unique<TWire>());
    wire->AddPoint(QPoint(0, 0));
    wire->AddPoint(QPoint(10, 0));
    wire->Remap();
    wire->SetColour(ColourRed);
  }
  wires[0]->Value = 1;
  wires[1]->Value = 0;
  wires[2]->Value = -1;
  wires[3]->Value = 1;
  wires[3]->Selected = true;

  QImage image(50, 50, QImage::Format_RGB32);
  QPainter dc(&image);
  root->PaintState(dc);
  EXPECT_EQ(wires[0]->GetColour(), ColourBlack);
  EXPECT_EQ(wires[1]->GetColour(), ColourSilver);
  EXPECT_EQ(wires[2]->GetColour(), ColourRed);
  EXPECT_EQ(wires[3]->GetColour(), ColourRed);
}

}  // namespace
}  // namespace logivane
