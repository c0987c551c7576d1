#include "app/LibraryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace logivane {

QString DataFolder(const QString& startFolder, const QString& name) {
  const QString preferred = QDir(startFolder).filePath(name);
  for (const QString& folder :
       {preferred, QDir(QCoreApplication::applicationDirPath()).filePath(name),
        QDir(QStringLiteral(LOGIVANE_DATA_DIR)).filePath(name),
        QDir(QStringLiteral(LOGIVANE_SOURCE_DIR)).filePath(name)}) {
    if (QFileInfo(folder).isDir()) {
      return folder;
    }
  }
  return preferred;
}

}  // namespace logivane
