#include "app/LibraryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

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

bool IsShippedFile(const QString& fileName) {
  const QString file = QFileInfo(fileName).canonicalFilePath();
  if (file.isEmpty()) {
    return false;  // not written yet
  }
  const QStringList shipped = InstalledFolders(QStringLiteral("examples")) +
                              InstalledFolders(QStringLiteral("Parts Centre"));
  return std::any_of(shipped.begin(), shipped.end(), [&file](const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return !canonical.isEmpty() && file.startsWith(canonical + QLatin1Char('/'));
  });
}

}  // namespace logivane
