#include "simulation/SampleCircuits.h"

#include "TestHelpers.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cInteractive.h"
#include "simulation/cMemory.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

#include <string_view>

namespace logivane::test {

LV_REGISTER_CLASS(TTestSource)
LV_REGISTER_CLASS(TTestProbe)

namespace {

/// The gates of a full adder between the outputs of `a`, `b` and `carryIn` and the inputs of
/// `sum` and `carryOut`, all pin 0.
void WireFullAdder(TMacro& c, TDevice& a, TDevice& b, TDevice& carryIn, TDevice& sum,
                   TDevice& carryOut) {
  auto* half = Place<T2XorGate>(c, 100, 20);
  auto* sumGate = Place<T2XorGate>(c, 200, 40);
  auto* both = Place<T2AndGate>(c, 100, 120);
  auto* carried = Place<T2AndGate>(c, 200, 120);
  auto* carryGate = Place<T2OrGate>(c, 300, 120);
  Net(c, *a.Pin(0), {half->Pin(1), both->Pin(1)});
  Net(c, *b.Pin(0), {half->Pin(2), both->Pin(2)});
  Net(c, *carryIn.Pin(0), {sumGate->Pin(2), carried->Pin(2)});
  Net(c, *half->Pin(0), {sumGate->Pin(1), carried->Pin(1)});
  Net(c, *sumGate->Pin(0), {sum.Pin(0)});
  Net(c, *both->Pin(0), {carryGate->Pin(1)});
  Net(c, *carried->Pin(0), {carryGate->Pin(2)});
  Net(c, *carryGate->Pin(0), {carryOut.Pin(0)});
}

}  // namespace

std::unique_ptr<TMacro> FullAdder() {
  auto root = NewRoot();
  TMacro& c = *root;
  TTestSource* a = Place<TTestSource>(c, 0, 0);
  TTestSource* b = Place<TTestSource>(c, 0, 40);
  TTestSource* carryIn = Place<TTestSource>(c, 0, 80);
  TTestProbe* sum = Place<TTestProbe>(c, 400, 40);
  WireFullAdder(c, *a, *b, *carryIn, *sum, *Place<TTestProbe>(c, 400, 120));
  root->Reset();
  return root;
}

std::unique_ptr<TMacro> EveryDeviceCircuit() {
  auto root = NewRoot();
  TMacro& c = *root;
  float x = 0;
  auto next = [&x] {
    return x += 80;
  };
  for (const std::string_view name : TClassRegistry::Names()) {
    if (name.ends_with("Gate")) {
      const auto gate = TClassRegistry::Find(name.data(), name.size());
      Place(c, next(), 0, std::unique_ptr<TGraphicObject>(static_cast<TGateDevice*>(gate())));
    }
  }
  auto* buffer = Place<TTriState>(c, next(), 0);
  Place<TRSFlipFlop>(c, next(), 100);
  auto* d = Place<TDFlipFlop>(c, next(), 100);
  Place<TJKFlipFlop>(c, next(), 100);
  Place<TGround>(c, next(), 100);
  Place<TSupply>(c, next(), 100);
  auto* clock = Place<TClockDevice>(c, next(), 200);
  clock->SetLabelText("clock");
  auto* sequence = Place<TBitGenerator>(c, next(), 200);
  sequence->SetSequence("1101");
  sequence->Recorded = true;
  Place<TInteractiveInput>(c, next(), 200)->Press();
  auto* toggle = Place<TInteractiveSwitch>(c, next(), 200);
  toggle->SetSwitchType(1);
  auto* led = Place<TLEDDevice>(c, next(), 300);
  led->SetLabelText("lamp");
  led->SetLabelPosition(TTextDevice::LabelTop);
  Place<TLEDSegmentDevice>(c, next(), 300)->CommonCathode = false;
  Place<TNumericDevice>(c, next(), 300)->SetPinCount(8);
  auto* memory = Place<TMemoryDevice>(c, next(), 400);
  memory->BuildSymbol(false, 4, 4);
  memory->SetWord(9, 3);
  auto note = std::make_unique<TGraphicText>();
  note->SetText("A note");
  note->Rotate(90);
  Place(c, 10, 500, std::move(note));

  Net(c, *clock->Pin(0), {d->Pin(3), buffer->Pin(2)});
  Net(c, *sequence->Pin(0), {d->Pin(2), buffer->Pin(0), led->Pin(0)});
  TMacro* sub = AddSubCircuit(c, next(), 600, 2);
  auto* inner = Place<TNotGate>(*sub, 60, 0);
  Net(*sub, *sub->Tag(0)->GetPin(), {inner->Pin(1)});
  Net(*sub, *inner->Pin(0), {sub->Tag(1)->GetPin()});
  UpdateTagKinds(*sub);
  Net(c, *d->Pin(0), {&Outline(*sub, 0)});
  root->Datasheet = "adder.pdf";
  root->Reset();
  return root;
}

std::unique_ptr<TMacro> Counter() {
  auto root = NewRoot();
  TMacro& c = *root;
  auto* clock = Place<TClockDevice>(c, 0, 0);
  clock->SetLabelText("clock");
  auto* high = Place<TSupply>(c, 0, 100);
  auto* count = Place<TNumericDevice>(c, 500, 200);
  count->Format = TNumericDevice::FormatDecimal;
  count->SetLabelText("count");
  std::vector<TJKFlipFlop*> stages;
  for (int i = 0; i < 4; ++i) {
    stages.push_back(Place<TJKFlipFlop>(c, 100 + 100 * static_cast<float>(i), 0));
  }
  std::vector<TPin*> clocks;
  for (TJKFlipFlop* stage : stages) {
    clocks.push_back(stage->Pin(3));
  }
  Net(c, *clock->Pin(0), clocks);
  Net(c, *high->Pin(0), {stages[0]->Pin(2), stages[0]->Pin(6)});
  // Stage i toggles when every stage below it is high.
  TPin* carry = stages[0]->Pin(0);
  for (int i = 1; i < 4; ++i) {
    std::vector<TPin*> loads{stages[static_cast<std::size_t>(i)]->Pin(2),
                             stages[static_cast<std::size_t>(i)]->Pin(6)};
    TPin* next = carry;
    if (i < 3) {
      auto* gate = Place<T2AndGate>(c, 100 + 100 * static_cast<float>(i), 100);
      loads.push_back(gate->Pin(1));
      Net(c, *stages[static_cast<std::size_t>(i)]->Pin(0), {gate->Pin(2)});
      next = gate->Pin(0);
    }
    Net(c, *carry, loads);
    carry = next;
  }
  for (int i = 0; i < 4; ++i) {
    TPin* q = stages[static_cast<std::size_t>(i)]->Pin(0);
    if (q->IsConnected()) {
      // Tap the existing net through a joint.
      TWire* wire = q->Wire;
      TSolder* joint = AddSolder(c, *wire, (wire->GetPoint(0) + wire->GetPoint(1)) / 2);
      Connect(c, *joint, *count->Pin(i));
    } else {
      Connect(c, *q, *count->Pin(i));
    }
  }
  root->Reset();
  return root;
}

std::unique_ptr<TMacro> LabelledFullAdder() {
  auto root = NewRoot();
  TMacro& c = *root;
  auto* a = Labelled<TInteractiveInput>(c, 0, 0, "A");
  auto* b = Labelled<TInteractiveInput>(c, 0, 40, "B");
  auto* carryIn = Labelled<TInteractiveInput>(c, 0, 80, "Cin");
  auto* sum = Labelled<TLEDDevice>(c, 400, 40, "Sum");
  WireFullAdder(c, *a, *b, *carryIn, *sum, *Labelled<TLEDDevice>(c, 400, 120, "Cout"));
  root->Reset();
  return root;
}

std::unique_ptr<TMacro> Contention() {
  auto root = NewRoot();
  TMacro& c = *root;
  auto* high = Place<TSupply>(c, 0, 0);
  auto* low = Place<TGround>(c, 0, 100);
  auto* first = Place<TTriState>(c, 100, 0);
  auto* second = Place<TTriState>(c, 100, 100);
  Net(c, *high->Pin(0), {first->Pin(0), first->Pin(2), second->Pin(2)});
  Net(c, *low->Pin(0), {second->Pin(0)});
  Connect(c, *first->Pin(1), *second->Pin(1));
  root->Reset();
  return root;
}

}  // namespace logivane::test
