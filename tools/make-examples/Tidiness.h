#pragma once

#include "simulation/cMacro.h"

#include <QString>

namespace logivane::examples {

/// Why the wiring of `circuit` is untidy, or empty: every wire must end on two pins or joints
/// and run in straight, orthogonal segments between vertices on the 5-unit grid.
QString Untidiness(const TMacro& circuit);

/// Why `circuit` does not read cleanly at a glance, or empty: besides `Untidiness`, no wire may
/// run through the body of a device, no two wires may share a stretch, and no label or
/// annotation may overlap a wire, a device or another text.
QString Clutter(const TMacro& circuit);

}  // namespace logivane::examples
