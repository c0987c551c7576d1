#include "Panel.h"

#include "ExampleParts.h"

#include <stdexcept>

namespace logivane::examples {

TInteractiveInput* NewInput(TMacro& circuit, int x, int y, const QString& label) {
  auto* input = Place<TInteractiveInput>(circuit, x, y);
  input->SetLabelText(label);
  input->Recorded = true;
  return input;
}

TNumericDevice* NewDisplay(TMacro& circuit, int x, int y, int lines, const QString& label) {
  // SetPinCount keeps the pins it had for a count it cannot draw, which would leave the
  // example wiring pins that are not there.
  if (!TNumericDevice::IsValidLineCount(lines)) {
    throw std::invalid_argument("a display cannot have that many lines");
  }
  auto built = std::make_unique<TNumericDevice>();
  built->SetPinCount(lines);
  TNumericDevice* display = PlaceBuilt(circuit, std::move(built), x, y);
  display->Format = TNumericDevice::FormatDecimal | TNumericDevice::FormatSuppressZeros;
  display->SetLabelText(label);
  display->SetLabelPosition(TTextDevice::LabelRight);
  display->Recorded = true;
  return display;
}

void ApproachDisplay(TLayout& layout, TNumericDevice& display, int lines, int firstLevel) {
  for (int i = 0; i < lines; ++i) {
    layout.Approach(*display.Pin(i), firstLevel + 10 * i);
  }
}

}  // namespace logivane::examples
