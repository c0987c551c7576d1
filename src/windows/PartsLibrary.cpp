#include "windows/PartsLibrary.h"

#include "document/cCircuitFile.h"

#include <QDir>
#include <QFileInfo>

namespace logivane {

QString TFileData::ShortName() const {
  return QFileInfo(FileName).completeBaseName();
}

QString TFileData::StatusText() const {
  if (!IsMacro()) {
    return {};
  }
  return MacroName == ShortName() ? MacroName : MacroName + " [" + FileName + "]";
}

std::vector<TFileData> ListLibraryFolder(const QString& folder) {
  const QDir dir(folder);
  constexpr QDir::SortFlags ByName = QDir::Name | QDir::IgnoreCase;
  std::vector<TFileData> entries;
  for (const QString& name :
       dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, ByName)) {
    TFileData entry;
    entry.FileName = name;
    entries.push_back(entry);
  }
  for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Hidden, ByName)) {
    if (file.suffix().compare(QLatin1String("lvm"), Qt::CaseInsensitive) != 0) {
      continue;
    }
    const std::optional<TMacroInfo> info = ReadMacroInfo(file.filePath());
    if (!info) {
      continue;
    }
    TFileData entry;
    entry.Kind = TFileData::Macro;
    entry.FileName = file.fileName();
    // The owner's write bit is the file's read-only mark, which even the super-user respects.
    entry.ReadOnly = !file.isWritable() || !file.permissions().testFlag(QFile::WriteOwner);
    entry.MacroName = info->MacroName;
    entry.Datasheet = info->Datasheet;
    entry.HelpTopic = info->HelpTopic;
    entries.push_back(entry);
  }
  return entries;
}

}  // namespace logivane
