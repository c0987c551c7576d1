#include "Panel.h"

#include "ExampleParts.h"

namespace logivane::examples {

TInteractiveInput* NewInput(TMacro& circuit, int x, int y, const QString& label) {
  auto* input = Place<TInteractiveInput>(circuit, x, y);
  input->SetLabelText(label);
  input->Recorded = true;
  return input;
}

TNumericDevice* NewDisplay(TMacro& circuit, int x, int y, int lines, const QString& label) {
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
