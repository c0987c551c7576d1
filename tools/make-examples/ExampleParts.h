#pragma once

// The few steps every example is drawn with: devices placed on the 5-unit grid and wires that
// run from pin to pin through the bends given, so that each is straight or bends at right
// angles.

#include "simulation/cCircuitBuilder.h"
#include "simulation/cMacro.h"

#include <QPoint>

#include <memory>
#include <stdexcept>
#include <vector>

namespace logivane::examples {

/// A new device of class `T` in `circuit`, its origin at (x, y).
template <class T>
T* Place(TMacro& circuit, int x, int y) {
  auto device = std::make_unique<T>();
  device->Translate(static_cast<float>(x), static_cast<float>(y));
  device->Remap();
  return AddObject(circuit, std::move(device));
}

/// Wires two pins or joints through `bends`. A wire that cannot be made is a mistake in the
/// example, so it stops the program rather than leave a circuit with a missing wire.
inline void Wire(TMacro& circuit, TGraphicObject& from, TGraphicObject& to,
                 const std::vector<QPoint>& bends = {}) {
  if (!Connect(circuit, from, to, bends)) {
    throw std::logic_error("an example wires an end that is taken");
  }
}

inline TSolder* Joint(TMacro& circuit, int x, int y) {
  return AddJoint(circuit, {x, y});
}

/// An open top-level circuit, as the editor opens a file.
inline std::unique_ptr<TMacro> NewCircuit() {
  auto root = std::make_unique<TMacro>();
  root->Closed = false;
  root->Displayed = true;
  return root;
}

}  // namespace logivane::examples
