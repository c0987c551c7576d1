#include "LibraryPart.h"

#include "Library.h"
#include "simulation/cCircuitBuilder.h"

#include <algorithm>
#include <stdexcept>

namespace logivane::examples {

namespace {

const library::TPart& FindPart(const QString& name) {
  const auto parts = library::AllParts();
  const auto found = std::ranges::find(parts, name, &library::TPart::Name);
  if (found == parts.end()) {
    throw std::logic_error("an example places an unknown library part: " + name.toStdString());
  }
  return *found;
}

}  // namespace

TPlacedPart::TPlacedPart(TMacro& circuit, const QString& name, int x, int y) {
  const library::TPart& part = FindPart(name);
  std::unique_ptr<TMacro> macro = part.Build();
  macro->Closed = true;
  macro->IsSubCircuit = true;
  macro->Displayed = false;
  macro->Translate(static_cast<float>(x), static_cast<float>(y));
  macro->Remap();
  FMacro = AddObject(circuit, std::move(macro));
  FPinNames = part.Outline.PinOrder();
}

TPin& TPlacedPart::operator[](const QString& name) const {
  const auto found = std::ranges::find(FPinNames, name);
  if (found == FPinNames.end()) {
    throw std::logic_error("a library part has no pin " + name.toStdString());
  }
  return *FMacro->Pin(static_cast<int>(found - FPinNames.begin()));
}

TPin& TPlacedPart::Bit(const QString& stem, int index) const {
  return (*this)[stem + QString::number(index)];
}

}  // namespace logivane::examples
