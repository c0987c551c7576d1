#pragma once

#include <QStringList>

namespace logivane {

/**
 * @brief The program's folder `name` ("Parts Centre", "datasheets"): the one under
 * `startFolder`, or, where that does not exist, the first that does beside the executable, in
 * the installed data folder or in the source tree (a program run from its build tree). Falls
 * back to the one under `startFolder`.
 */
QString DataFolder(const QString& startFolder, const QString& name);

/// Where the program's own copy of folder `name` may be installed: beside the executable, in the
/// installed data folder, and in the source tree.
QStringList InstalledFolders(const QString& name);

/// The folder of the macro library.
inline QString LibraryFolder(const QString& startFolder) {
  return DataFolder(startFolder, QStringLiteral("Parts Centre"));
}

/**
 * @brief Whether `fileName` is one of the example circuits or library macros that come with the
 * program, wherever it is installed. The program reads them but never writes over them.
 */
bool IsShippedFile(const QString& fileName);

}  // namespace logivane
