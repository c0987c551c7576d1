#pragma once

// The sources and lamps that the examples of the course are built with, each labelled so that a
// test table can name it and recorded so that the Logic History shows it.

#include "ExampleParts.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"

namespace logivane::examples {

/// An input to click, its label on the left.
inline TInteractiveInput* Switch(TMacro& circuit, int x, int y, const QString& label) {
  auto* input = Place<TInteractiveInput>(circuit, x, y);
  input->SetLabelText(label);
  input->Recorded = true;
  return input;
}

/// An LED, its label on the right.
inline TLEDDevice* Lamp(TMacro& circuit, int x, int y, const QString& label) {
  auto* led = Place<TLEDDevice>(circuit, x, y);
  led->SetLabelText(label);
  led->SetLabelPosition(TTextDevice::LabelRight);
  led->Recorded = true;
  return led;
}

}  // namespace logivane::examples
