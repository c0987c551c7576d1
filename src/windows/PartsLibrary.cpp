#include "windows/PartsLibrary.h"

#include "simulation/cCircuitFile.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

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

namespace {

/// Orders names as a person reads them: ignoring case, and with the numbers in them compared
/// by value, so that the 7420 comes before the 74161.
class TNameOrder {
public:
  // Numbers are compared by value in every language's collation but the C locale's.
  TNameOrder() : FCollator(QLocale(QLocale::English)) {
    FCollator.setCaseSensitivity(Qt::CaseInsensitive);
    FCollator.setNumericMode(true);
  }
  bool operator()(const QString& a, const QString& b) const { return FCollator(a, b); }

private:
  QCollator FCollator;
};

}  // namespace

std::vector<TFileData> ListLibraryFolder(const QString& folder) {
  const QDir dir(folder);
  // Names that differ only in case keep the order of the listing, sorted by name.
  constexpr QDir::SortFlags ByName = QDir::Name;
  const TNameOrder order;
  std::vector<TFileData> entries;
  QStringList folders =
      dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, ByName);
  std::ranges::stable_sort(folders, order);
  for (const QString& name : folders) {
    TFileData entry;
    entry.FileName = name;
    entries.push_back(entry);
  }
  QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden, ByName);
  std::ranges::stable_sort(files, order, &QFileInfo::fileName);
  for (const QFileInfo& file : files) {
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
