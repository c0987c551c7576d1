#pragma once

#include "simulation/cMacro.h"

#include <QString>

namespace logivane::examples {

/// Writes `title`, in bold, over the top left corner of everything in `circuit`, and below it
/// `hint`, one annotation per line, saying what to try.
void AddTitle(TMacro& circuit, const QString& title, const QString& hint);

}  // namespace logivane::examples
