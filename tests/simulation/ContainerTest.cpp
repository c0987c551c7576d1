// The circuit container: nets, evaluation order, sub-circuits, editing, files and templates.

#include "TestHelpers.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cMessages.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace logivane {
namespace {

using test::Net;
using test::Outline;
using test::Place;
using test::ReadBack;
using test::TTestProbe;
using test::TTestSource;
using test::WrittenObject;

/// A plain device with one pin of each given kind, 20 units apart, placed in `circuit`.
TDevice* PinBlock(TMacro& circuit, float x, std::initializer_list<std::int32_t> kinds) {
  TDevice* device = Place<TDevice>(circuit, 0, 0);
  float y = 0;
  for (const std::int32_t kind : kinds) {
    device->AddPin(kind, x, y);
    y += 20;
  }
  return device;
}

TEST(Nets, ALevelReachesEveryPinOfItsNetOncePerPassAndNeverLeavesAnInput) {
  TMacro circuit;
  TDevice* ends = PinBlock(circuit, 0, {PinOutput, PinInput, PinInput});
  auto* a = Place<TSolder>(circuit, 50, 0);
  auto* b = Place<TSolder>(circuit, 50, 50);
  Connect(circuit, *ends->Pin(0), *a);
  Connect(circuit, *a, *b);
  Connect(circuit, *b, *a);  // a second path between the joints closes a loop
  Connect(circuit, *b, *ends->Pin(1));
  EXPECT_TRUE(ends->Pin(0)->SetValue(ends, 1));
  EXPECT_EQ(ends->Pin(1)->Value, 1);
  EXPECT_EQ(ends->Pin(1)->Driver, ends);
  EXPECT_TRUE(ends->Pin(0)->SetValue(ends, 0));
  EXPECT_EQ(ends->Pin(1)->Value, 1) << "a visited net is not walked again in the same pass";

  circuit.SetVisited(false);
  Connect(circuit, *ends->Pin(2), *Place<TSolder>(circuit, 90, 0));
  EXPECT_TRUE(ends->Pin(2)->SetValue(ends, 1));
  EXPECT_FALSE(ends->Pin(2)->IsNetVisited()) << "an input does not drive";
  EXPECT_EQ(ends->Pin(1)->Wire->FindPinOfKind(PinOutput), ends->Pin(0));
}

TEST(Nets, AGatheredNetDissolvesOnAnyChangeOfWiringAndTheSearchTakesOver) {
  std::unique_ptr<TMacro> root;
  TTestSource* source = nullptr;
  TNotGate* loads[3]{};
  const auto build = [&] {
    root = test::NewRoot();
    source = Place<TTestSource>(*root, 0, 0);
    for (int i = 0; i < 3; ++i) {
      loads[i] = Place<TNotGate>(*root, 100, 50.0f * static_cast<float>(i));
    }
    Net(*root, *source->Pin(0), {loads[0]->Pin(1), loads[1]->Pin(1), loads[2]->Pin(1)});
    root->Reset();
  };
  const auto expectLoadsFollow = [&] {
    for (const TLevel level : {1, 0}) {
      source->Level = level;
      test::SettledStep(*root);
      for (TNotGate* load : loads) {
        if (load->Pin(1)->Wire) {
          EXPECT_EQ(load->Pin(0)->Value, level ^ 1);
        }
      }
    }
  };
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
    build();
    ASSERT_NE(source->Pin(0)->Net(), nullptr);
    EXPECT_EQ(source->Pin(0)->Net()->Pins().size(), 4u);
    change();
    EXPECT_EQ(source->Pin(0)->Net(), nullptr);
    expectLoadsFollow();
    root->BuildEvalOrder();
    EXPECT_NE(source->Pin(0)->Net(), nullptr);
    expectLoadsFollow();
  }
}

TEST(Nets, DestroyingAnObjectUnhooksEveryoneThatPointedAtIt) {
  TMacro circuit;
  TDevice* ends = PinBlock(circuit, 0, {PinOutput, PinInput});
  Net(circuit, *ends->Pin(0), {ends->Pin(1)});
  TSolder* joint =
      AddSolder(circuit, *static_cast<TWire*>(circuit.Wires().Child(0)), QPoint(0, 10));
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

  // A wire whose two ends hold one pin.
  TPin* pin = ends->AddPin(PinOutput, 0, 0);
  auto loop = std::make_unique<TWire>();
  loop->AttachEnd(pin);
  loop->AttachEnd(pin);
  pin->AttachWire(loop.get());
  ends->Clear();
  EXPECT_EQ(loop->EndCount(), 0);

  auto a = std::make_unique<TMacroPin>();
  TMacroPin b;
  TMacroPin::Link(*a, b);
  a.reset();
  EXPECT_EQ(b.Partner, nullptr);
}

TEST(EvalOrder, PutsDirectDriversBeforeEachDeviceAndKeepsItsFirstPlace) {
  auto root = test::NewRoot();
  // Filed last to first along the chain first -> second -> third: second is met as the driver
  // of third before its own driver is looked at.
  auto* third = Place<TNotGate>(*root, 200, 0);
  auto* second = Place<TNotGate>(*root, 100, 0);
  auto* first = Place<TNotGate>(*root, 0, 0);
  Net(*root, *first->Pin(0), {second->Pin(1)});
  Net(*root, *second->Pin(0), {third->Pin(1)});
  // Sources, indicators, tags and texts are never in the order.
  auto* source = Place<TTestSource>(*root, 0, 100);
  auto* probe = Place<TTestProbe>(*root, 300, 0);
  Place<TTagDevice>(*root, 0, 150);
  Place<TGraphicText>(*root, 0, 200)->SetText(QStringLiteral("note"));
  Net(*root, *source->Pin(0), {first->Pin(1)});
  Net(*root, *third->Pin(0), {probe->Pin(0)});
  root->Reset();
  EXPECT_EQ(root->EvalOrder(), (std::vector<TDevice*>{second, third, first}));
  test::SettledStep(*root);

  // A deleted driver is forgotten, though an input still names it until the order is built.
  root->DeleteChild(first);
  EXPECT_EQ(root->EvalOrder(), (std::vector<TDevice*>{second, third}));
  root->BuildEvalOrder();
  EXPECT_EQ(root->EvalOrder(), (std::vector<TDevice*>{second, third}));
  test::SettledStep(*root);
}

TEST(SubCircuits, LevelsCrossThroughTagsAndInnerSourcesAdvanceOncePerStep) {
  // Tag 0 in, inverted, to tag 1 out; a clock inside out through tag 2; on bidirectional tag 3
  // a driving tri-state buffer and a disabled rival.
  auto root = test::NewRoot();
  auto* source = Place<TTestSource>(*root, -100, 0);
  TMacro* sub = test::AddSubCircuit(*root, 0, 0, 4);
  auto* inverter = Place<TNotGate>(*sub, 50, 0);
  auto* inner = Place<TTestSource>(*sub, 0, 100);
  auto* clock = Place<TClockDevice>(*sub, 0, 150);
  auto* driver = Place<TTriState>(*sub, 100, 200);
  auto* rival = Place<TTriState>(*sub, 100, 300);
  Net(*sub, *sub->Tag(0)->GetPin(), {inverter->Pin(1)});
  Net(*sub, *inverter->Pin(0), {sub->Tag(1)->GetPin()});
  Net(*sub, *clock->Pin(0), {sub->Tag(2)->GetPin()});
  Net(*sub, *Place<TSupply>(*sub, 0, 200)->Pin(0), {driver->Pin(0), driver->Pin(2)});
  Net(*sub, *Place<TGround>(*sub, 0, 300)->Pin(0), {rival->Pin(0), rival->Pin(2)});
  Net(*sub, *driver->Pin(1), {rival->Pin(1), sub->Tag(3)->GetPin()});
  UpdateTagKinds(*sub);
  Net(*root, *source->Pin(0), {&Outline(*sub, 0)});
  TTestProbe* probes[4]{};
  for (int i = 1; i < 4; ++i) {
    probes[i] = Place<TTestProbe>(*root, 100, 20.0f * static_cast<float>(i));
    Net(*root, Outline(*sub, i), {probes[i]->Pin(0)});
  }
  EXPECT_EQ(sub->Tag(0)->Direction, TTagDevice::DirectionInput);
  EXPECT_EQ(sub->Tag(1)->Direction, TTagDevice::DirectionOutput);
  EXPECT_EQ(sub->Tag(3)->Direction, TTagDevice::DirectionBidirectional);
  EXPECT_EQ(Outline(*sub, 1).Kind, PinOutput);

  root->Reset();
  EXPECT_EQ(inner->Calls, 0);
  for (int step = 1; step <= 4; ++step) {
    source->Level = step & 1;  // a change makes the root run several passes
    test::SettledStep(*root);
    EXPECT_EQ(probes[1]->Seen, (step & 1) ^ 1);
    EXPECT_EQ(probes[2]->Seen, (step & 1) ^ 1) << "the clock shows 0, 1, 0, ... on steps 1, 2, 3";
    EXPECT_EQ(probes[3]->Seen, 1);
    EXPECT_EQ(inner->Calls, step);
  }
  root->BuildEvalOrder();
  EXPECT_EQ(inner->Calls, 4);
  EXPECT_EQ(root->TotalEvaluations(), root->Evaluations() + sub->Evaluations());

  // What survives a file: tags tied to their outline pins, and the behaviour.
  const QByteArray bytes = WrittenObject(*root);
  const auto copy = ReadBack<TMacro>(bytes);
  EXPECT_EQ(WrittenObject(*copy), bytes);
  const auto* copiedSub = static_cast<const TMacro*>(copy->Devices().Child(0));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(copiedSub->Tag(i)->LinkPin->Partner, copiedSub->Pin(i));
    EXPECT_EQ(copiedSub->Tag(i)->GetNumber(), i + 1);
  }
  copy->Displayed = true;
  copy->Reset();
  test::SourceAt(*copy, 0)->Level = 1;
  test::SettledStep(*copy);
  EXPECT_EQ(test::ProbeAt(*copy, 0)->Seen, 0);
}

TEST(Editing, ObjectsAreFiledByClassAndDeletedByTheSameRuleButNeverAStrangersObject) {
  auto root = test::NewRoot();
  auto* gate = Place<T2OrGate>(*root, 0, 0);
  auto* note = Place<TGraphicText>(*root, 0, 50);
  auto* tag = Place<TTagDevice>(*root, 0, 150);
  auto* source = Place<TTestSource>(*root, 0, 200);
  auto* probe = Place<TTestProbe>(*root, 0, 250);
  auto* joint = Place<TSolder>(*root, 0, 300);
  auto* wire = AddObject(*root, std::make_unique<TWire>());
  auto* pin = Place<TMacroPin>(*root, 0, 350);
  const std::pair<TGraphicObject*, TGraphicList*> filing[] = {
      {gate, &root->Devices()},  {note, &root->Devices()},  {tag, &root->Tags()},
      {source, &root->Inputs()}, {probe, &root->Outputs()}, {joint, &root->Solders()},
      {wire, &root->Wires()},    {pin, &root->Pins()},
  };
  root->Reset();
  for (const auto& [object, list] : filing) {
    EXPECT_GE(list->Objects().IndexOf(object), 0) << object->ClassName();
    root->DeleteChild(object);
    EXPECT_LT(list->Objects().IndexOf(object), 0);
  }
  EXPECT_TRUE(root->IsEmpty());
  EXPECT_TRUE(root->EvalOrder().empty());
  TNotGate stranger;
  root->DeleteChild(&stranger);
  EXPECT_EQ(stranger.PinCount(), 2);

  TMacro* sub = test::AddSubCircuit(*root, 0, 0, 2);
  sub->DeleteChild(sub->Pin(1));
  EXPECT_EQ(sub->Tag(1)->GetNumber(), -1) << "its outline pin is gone";
  EXPECT_EQ(sub->Tag(1)->LinkPin->Partner, nullptr);
  EXPECT_EQ(sub->FindTagForPin(sub->Pin(0)), sub->Tag(0));
}

TEST(Templates, PinsComeBackFreeAtTheirCentresAndWhatCannotBeReadChangesNothing) {
  QTemporaryDir dir;
  const auto path = [&](const char* name) {
    return dir.filePath(QString::fromLatin1(name));
  };
  TMacro source;
  for (int i = 0; i < 4; ++i) {
    AddOutlinePin(source, i < 2 ? -30.0f : 30.0f, static_cast<float>(10 * (i % 2)));
  }
  AssociateTag(source, *Place<TTagDevice>(source, 0, 0), *static_cast<TMacroPin*>(source.Pin(0)));
  TStoredMessages messages;
  ASSERT_TRUE(source.SaveTemplate(path("four.lvt"), messages));
  TMacro target;
  ASSERT_TRUE(target.LoadTemplate(path("four.lvt"), messages)) << messages.LastError.toStdString();
  EXPECT_EQ(WrittenObject(target.Objects()), WrittenObject(source.Objects()));
  ASSERT_EQ(target.PinCount(), 4);
  for (int i = 0; i < 4; ++i) {
    const auto* pin = static_cast<const TMacroPin*>(target.Pin(i));
    EXPECT_TRUE(pin->Partner == nullptr && pin->Kind == PinNeutral) << i;
    EXPECT_EQ(target.Pin(i)->GetBounds(), source.Pin(i)->GetBounds());
  }

  test::WriteFile(path("cut.lvt"), test::FileBytes(path("four.lvt")).chopped(3));
  ASSERT_TRUE(SaveCircuitFile(path("adder.lvm"), *test::FullAdder(), {}));
  const char* const unreadable = "An error has occurred trying to read this Logivane file.";
  const std::pair<const char*, const char*> cases[] = {
      {"adder.lvm", "This is not a valid Logivane Template file."},
      {"cut.lvt", unreadable},
      {"none.lvt", unreadable}};
  for (const auto& [name, message] : cases) {
    TMacro macro;
    const QByteArray before = WrittenObject(macro);
    EXPECT_FALSE(macro.LoadTemplate(path(name), messages));
    EXPECT_EQ(messages.LastError, QString::fromLatin1(message)) << name;
    EXPECT_EQ(WrittenObject(macro), before);
  }
  EXPECT_FALSE(TMacro().SaveTemplate(path("no/such/folder/t.lvt"), messages));
  EXPECT_EQ(messages.LastError,
            QStringLiteral("An error has occurred trying to write this Logivane file."));
}

}  // namespace
}  // namespace logivane
