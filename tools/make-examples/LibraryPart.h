#pragma once

// Parts of the Parts Centre library placed inside an example, closed as the editor inserts them,
// so that an example shows how a larger circuit is built from ready macros.

#include "simulation/cMacro.h"

#include <QString>

#include <vector>

namespace logivane::examples {

/// A library part placed in an example: the closed macro and the names of its outline pins.
class TPlacedPart {
public:
  /// The library part named `name` (its file name without extension) as a closed sub-circuit
  /// of `circuit`, its outline centred on (x, y). An unknown name is a mistake in the example
  /// and throws.
  TPlacedPart(TMacro& circuit, const QString& name, int x, int y);

  /// The outline pin named `name` on the symbol; throws when there is none.
  TPin& operator[](const QString& name) const;
  /// Pin `stem` followed by `index`, as "D3".
  TPin& Bit(const QString& stem, int index) const;

private:
  TMacro* FMacro;
  std::vector<QString> FPinNames;
};

}  // namespace logivane::examples
