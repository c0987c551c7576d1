#include "app/LibraryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace logivane {

namespace {

/// Where the program's own folders may lie: beside the executable, in the installed data folder
/// and in the source tree (a program run from its build tree).
QStringList ProgramFolders() {
  return {QCoreApplication::applicationDirPath(), QStringLiteral(LOGIVANE_DATA_DIR),
          QStringLiteral(LOGIVANE_SOURCE_DIR)};
}

}  // namespace

QString DataFolder(const QString& startFolder, const QString& name) {
  const QString preferred = QDir(startFolder).filePath(name);
  QStringList candidates{preferred};
  for (const QString& base : ProgramFolders()) {
    candidates << QDir(base).filePath(name);
  }
  for (const QString& folder : candidates) {
    if (QFileInfo(folder).isDir()) {
      return folder;
    }
  }
  return preferred;
}

bool IsShippedFile(const QString& fileName) {
  const QString file = QFileInfo(fileName).canonicalFilePath();
  if (file.isEmpty()) {
    return false;  // not written yet
  }
  for (const QString& base : ProgramFolders()) {
    for (const char* shipped : {"examples", "Parts Centre"}) {
      const QString folder =
          QFileInfo(QDir(base).filePath(QLatin1String(shipped))).canonicalFilePath();
      if (!folder.isEmpty() && file.startsWith(folder + QLatin1Char('/'))) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace logivane
