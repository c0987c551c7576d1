#pragma once

// The inputs and displays a student works an example with, all recorded so that the Logic
// History shows them.

#include "Layout.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"

#include <memory>

namespace logivane::examples {

/// Moves `device`, built at the origin, to (x, y) in `circuit`: for devices whose pins are
/// made after construction, such as memories and displays.
template <class T>
T* PlaceBuilt(TMacro& circuit, std::unique_ptr<T> device, int x, int y) {
  device->Translate(static_cast<float>(x), static_cast<float>(y));
  device->Remap();
  return AddObject(circuit, std::move(device));
}

/// An interactive input labelled `label` on its left.
TInteractiveInput* NewInput(TMacro& circuit, int x, int y, const QString& label);

/// A numeric display of `lines` input lines, pins on top, showing decimal, labelled on its right.
TNumericDevice* NewDisplay(TMacro& circuit, int x, int y, int lines, const QString& label);

/// Has `layout` reach the `lines` pins of `display` each from a level of its own above them,
/// starting at `firstLevel`: the lowest bit, rightmost, from the highest level, so that no two
/// of these wires cross.
void ApproachDisplay(TLayout& layout, TNumericDevice& display, int lines, int firstLevel);

}  // namespace logivane::examples
