#include "app/LibraryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace logivane {

QStringList InstalledFolders(const QString& name) {
  return {QDir(QCoreApplication::applicationDirPath()).filePath(name),
          QDir(QStringLiteral(LOGIVANE_DATA_DIR)).filePath(name),
          QDir(QStringLiteral(LOGIVANE_SOURCE_DIR)).filePath(name)};
}

QString DataFolder(const QString& startFolder, const QString& name) {
  const QString preferred = QDir(startFolder).filePath(name);
  for (const QString& folder : QStringList{preferred} + InstalledFolders(name)) {
    if (QFileInfo(folder).isDir()) {
      return folder;
    }
  }
  return preferred;
}

}  // namespace logivane
