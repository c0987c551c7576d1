#pragma once

#include "document/StreamTestHelpers.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cGateDevice.h"
#include "simulation/cMacro.h"
#include "simulation/cRunControl.h"
#include "simulation/cTagDevice.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

namespace logivane::test {

/// A source that drives its one output pin with `Level` each time its circuit's sources are due.
class TTestSource final : public TDevice {
  LV_PERSISTENT(TTestSource)
public:
  TTestSource() : TDevice(TDeviceRole::Input) { AddPin(PinOutput, 10, 0); }

  SimResult Calculate() override {
    ++Calls;
    SimResult result;
    result.Changed = Pin(0)->SetValue(this, Level);
    return result;
  }

  TLevel Level = 0;
  int Calls = 0;
};

/// An indicator that remembers the level its one input pin had when it was last evaluated.
class TTestProbe final : public TDevice {
  LV_PERSISTENT(TTestProbe)
public:
  TTestProbe() : TDevice(TDeviceRole::Output) { AddPin(PinInput, -10, 0); }

  SimResult Calculate() override {
    Seen = Pin(0)->Value;
    return {};
  }

  TLevel Seen = -1;
};

/// Moves a new object to (x, y) and files it in `circuit`.
template <class T>
T* Place(TMacro& circuit, float x, float y, std::unique_ptr<T> object = std::make_unique<T>()) {
  object->Translate(x, y);
  object->Remap();
  return AddObject(circuit, std::move(object));
}

/// Wires `from` to every pin of `to`, through solder joints when there are several.
inline void Net(TMacro& circuit, TPin& from, const std::vector<TPin*>& to) {
  TWire* trunk = nullptr;
  for (TPin* pin : to) {
    if (!trunk) {
      trunk = Connect(circuit, from, *pin);
      continue;
    }
    const QPoint a = trunk->GetPoint(0);
    const QPoint b = trunk->GetPoint(trunk->PointCount() - 1);
    TSolder* joint = AddSolder(circuit, *trunk, (a + b) / 2);
    Connect(circuit, *joint, *pin);
    trunk = joint->Wires[0];
  }
}

/// An open root circuit on screen, as the editor holds it.
inline std::unique_ptr<TMacro> NewRoot() {
  auto root = std::make_unique<TMacro>();
  root->Closed = false;
  root->Displayed = true;
  return root;
}

/// A closed sub-circuit in `parent` with `tags` tags, each linked to its own outline pin.
/// The caller wires the inside, then runs `UpdateTagKinds` on it.
inline TMacro* AddSubCircuit(TMacro& parent, float x, float y, int tags) {
  auto sub = std::make_unique<TMacro>();
  sub->IsSubCircuit = true;
  for (int i = 0; i < tags; ++i) {
    const float pinY = static_cast<float>(20 * i);
    TTagDevice* tag = Place<TTagDevice>(*sub, 0, pinY);
    AssociateTag(*sub, *tag, *AddOutlinePin(*sub, -30, pinY));
  }
  return Place(parent, x, y, std::move(sub));
}

/// The pin of the outline of `sub` that tag `index` is linked to.
inline TPin& Outline(const TMacro& sub, int index) {
  return *sub.Tag(index)->LinkPin->Partner;
}

/// Steps `root` and expects the step to settle.
inline void SettledStep(TMacro& root) {
  const TStepReport report = StepCircuit(root);
  EXPECT_FALSE(report.Faulted()) << report.Message.toStdString();
}

inline TTestSource* SourceAt(const TMacro& circuit, int index) {
  return static_cast<TTestSource*>(circuit.Inputs().Child(index));
}

inline TTestProbe* ProbeAt(const TMacro& circuit, int index) {
  return static_cast<TTestProbe*>(circuit.Outputs().Child(index));
}

/// A full adder of two XOR, two AND and one OR gate. Sources A, B and carry in are the first
/// three of `Inputs`; the probes of sum and carry out the two of `Outputs`.
inline std::unique_ptr<TMacro> FullAdder() {
  auto root = NewRoot();
  TMacro& c = *root;
  TTestSource* a = Place<TTestSource>(c, 0, 0);
  TTestSource* b = Place<TTestSource>(c, 0, 40);
  TTestSource* carryIn = Place<TTestSource>(c, 0, 80);
  auto* half = Place<T2XorGate>(c, 100, 20);
  auto* sum = Place<T2XorGate>(c, 200, 40);
  auto* both = Place<T2AndGate>(c, 100, 120);
  auto* carried = Place<T2AndGate>(c, 200, 120);
  auto* carryOut = Place<T2OrGate>(c, 300, 120);
  TTestProbe* sumProbe = Place<TTestProbe>(c, 400, 40);
  TTestProbe* carryProbe = Place<TTestProbe>(c, 400, 120);

  Net(c, *a->Pin(0), {half->Pin(1), both->Pin(1)});
  Net(c, *b->Pin(0), {half->Pin(2), both->Pin(2)});
  Net(c, *carryIn->Pin(0), {sum->Pin(2), carried->Pin(2)});
  Net(c, *half->Pin(0), {sum->Pin(1), carried->Pin(1)});
  Net(c, *sum->Pin(0), {sumProbe->Pin(0)});
  Net(c, *both->Pin(0), {carryOut->Pin(1)});
  Net(c, *carried->Pin(0), {carryOut->Pin(2)});
  Net(c, *carryOut->Pin(0), {carryProbe->Pin(0)});
  root->Reset();
  return root;
}

inline void ExpectFullAdderTruthTable(TMacro& root) {
  //                      A  B  Ci  S  Co
  const TLevel rows[8][5] = {{0, 0, 0, 0, 0}, {0, 0, 1, 1, 0}, {0, 1, 0, 1, 0}, {0, 1, 1, 0, 1},
                             {1, 0, 0, 1, 0}, {1, 0, 1, 0, 1}, {1, 1, 0, 0, 1}, {1, 1, 1, 1, 1}};
  for (const auto& row : rows) {
    for (int i = 0; i < 3; ++i) {
      SourceAt(root, i)->Level = row[i];
    }
    SettledStep(root);
    EXPECT_EQ(ProbeAt(root, 0)->Seen, row[3]) << row[0] << row[1] << row[2];
    EXPECT_EQ(ProbeAt(root, 1)->Seen, row[4]) << row[0] << row[1] << row[2];
  }
}

}  // namespace logivane::test
