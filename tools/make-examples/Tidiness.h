#pragma once

#include "simulation/cMacro.h"

#include <QString>

namespace logivane::examples {

/// Why the wiring of `circuit` is untidy, or empty: every wire must end on two pins or joints
/// and run in straight, orthogonal segments between vertices on the 5-unit grid.
QString Untidiness(const TMacro& circuit);

}  // namespace logivane::examples
