#pragma once

#include "document/StreamTestHelpers.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cMacro.h"
#include "simulation/cRunControl.h"
#include "simulation/cTagDevice.h"

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
inline void Net(TMacro& circuit, TPin& from, std::initializer_list<TPin*> to) {
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

/// A closed sub-circuit with one tag per entry of `directions`, each linked to an outline pin.
inline TMacro* AddSubCircuit(TMacro& parent, float x, float y,
                             std::initializer_list<std::int32_t> directions) {
  auto sub = std::make_unique<TMacro>();
  sub->IsSubCircuit = true;
  float pinY = -20;
  for (const std::int32_t direction : directions) {
    TTagDevice* tag = Place<TTagDevice>(*sub, 0, pinY);
    tag->Direction = direction;
    AssociateTag(*sub, *tag, *AddOutlinePin(*sub, -30, pinY));
    pinY += 20;
  }
  return Place(parent, x, y, std::move(sub));
}

}  // namespace logivane::test
