#pragma once

#include "editor/CircuitDocument.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cOutput.h"

#include <memory>

namespace logivane::test {

/// The edit that the crash test makes in the program before killing it, and again on a copy of
/// the circuit to know what the recovered file must hold: one step that adds a LED and renames
/// the circuit.
inline void MakeCrashTestEdit(TCircuitDocument& document) {
  document.BeginEdit();
  auto led = std::make_unique<TLEDDevice>();
  led->Translate(120, 80);
  led->Remap();
  AddObject(document.Root(), std::move(led));
  document.MacroName = QStringLiteral("Recovered");
  document.NetlistDirty = true;
  document.CommitEdit();
}

}  // namespace logivane::test
