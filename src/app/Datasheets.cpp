#include "app/Datasheets.h"

#include "editor/UserMessages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

namespace logivane {

namespace {

std::function<bool(const QUrl&)>& Opener() {
  static std::function<bool(const QUrl&)> opener;
  return opener;
}

bool Open(const QUrl& url) {
  return Opener() ? Opener()(url) : QDesktopServices::openUrl(url);
}

/// File types that the desktop would run rather than show, besides every executable, script and
/// shared library, which `IsProgramType` knows by name.
constexpr const char* ProgramTypes[] = {
    "application/x-desktop",
    "application/x-perl",
    "text/x-perl",
    "application/x-python",
    "text/x-python",
    "text/x-python3",
    "application/x-ruby",
    "application/x-php",
    "application/x-msdownload",
    "application/x-msi",
    "application/x-ms-shortcut",
    "application/x-java-archive",
    "application/vnd.appimage",
    "application/x-iso9660-appimage",
};

bool IsProgramType(const QMimeType& type) {
  const QStringList names = QStringList{type.name()} + type.aliases() + type.allAncestors();
  for (const QString& name : names) {
    if (name.contains(QLatin1String("executable")) || name.contains(QLatin1String("script")) ||
        name.contains(QLatin1String("sharedlib"))) {
      return true;
    }
    for (const char* program : ProgramTypes) {
      if (name == QLatin1String(program)) {
        return true;
      }
    }
  }
  return false;
}

bool Fail(QWidget* parent) {
  UserMessages::Show(parent, QMessageBox::Information,
                     QCoreApplication::translate("Datasheets", "Unable to open datasheet."));
  return false;
}

/// The first of the two folders that holds `name`, as a path; empty when neither does. A
/// datasheet path that was never set is no folder: it would make the name one from the root.
QString FindInFolders(const QString& name, const TDatasheetFolders& folders) {
  QStringList candidates{folders.Datasheets + QLatin1Char('/') + name};
  if (!folders.DatasheetFolder.isEmpty()) {
    candidates << folders.DatasheetFolder + QLatin1Char('/') + name;
  }
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isFile()) {
      return QDir::cleanPath(candidate);
    }
  }
  return {};
}

}  // namespace

bool IsSafeDocument(const QString& fileName) {
  const QFileInfo info(fileName);
  if (!info.isFile() || info.suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0) {
    return false;
  }
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly) || file.peek(2) == "#!") {
    return false;
  }
  // Both the name and the bytes must say document: a program renamed to ".pdf" is still one.
  // The executable bit decides nothing alone, since FAT and SMB mounts set it on every file;
  // but a runnable file whose bytes say nothing of what it is might be any program.
  const QMimeDatabase types;
  const QMimeType content = types.mimeTypeForFile(info, QMimeDatabase::MatchContent);
  constexpr auto runnable =
      QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;
  if ((info.permissions() & runnable) && content.isDefault()) {
    return false;
  }
  return !IsProgramType(types.mimeTypeForFile(info)) && !IsProgramType(content);
}

bool OpenDatasheet(QWidget* parent, const QString& datasheet, const TDatasheetFolders& folders) {
  if (datasheet.isEmpty()) {
    return true;
  }
  const QString scheme = datasheet.left(8).toLower();
  if (scheme.startsWith(QLatin1String("http://")) || scheme.startsWith(QLatin1String("https://"))) {
    const QUrl address(datasheet, QUrl::TolerantMode);
    return (address.isValid() && Open(address)) || Fail(parent);
  }
  // Circuits written on Windows name their folders with backslashes.
  const QString name = QString(datasheet).replace(QLatin1Char('\\'), QLatin1Char('/'));
  const bool whole = QDir::isAbsolutePath(name);
  QString found = whole ? QString() : FindInFolders(name, folders);
  if (QFileInfo(name).suffix().compare(QLatin1String("hlp"), Qt::CaseInsensitive) == 0) {
    return !found.isEmpty() || Fail(parent);  // found, but there is no viewer for it here
  }
  if (whole) {
    found = name;
  }
  if (found.isEmpty() || !IsSafeDocument(found)) {
    return Fail(parent);
  }
  return Open(QUrl::fromLocalFile(QFileInfo(found).canonicalFilePath())) || Fail(parent);
}

void SetDatasheetOpener(std::function<bool(const QUrl&)> opener) {
  Opener() = std::move(opener);
}

}  // namespace logivane
