#pragma once

#include <QString>

namespace logivane {

/**
 * @brief The folder of the macro library: "Parts Centre" under `startFolder`, or, where that
 * does not exist, the first that does beside the executable, in the installed data folder or in
 * the source tree (a program run from its build tree). Falls back to the one under
 * `startFolder`.
 */
QString LibraryFolder(const QString& startFolder);

}  // namespace logivane
