#pragma once

#include <QString>

#include <vector>

namespace logivane {

/// One entry of a library folder: a sub-folder or a macro file.
struct TFileData {
  enum TKind { Folder = 16, Macro = 32 };
  TKind Kind = Folder;
  bool ReadOnly = false;
  /// The name inside the folder, with its extension for a file.
  QString FileName;
  QString MacroName;
  QString Datasheet;
  QString HelpTopic;

  bool IsMacro() const { return Kind == Macro; }
  /// The file name less its extension, as the icon views caption a macro.
  QString ShortName() const;
  /// What the status bar says of a selected entry: the macro's name, and its file's name when
  /// the two differ.
  QString StatusText() const;
};

/**
 * @brief The sub-folders of `folder`, then its macro files, each group sorted ignoring case and
 * with the numbers in the names in their natural order ("7420" before "74161").
 *
 * A macro file is a ".lvm" file, whatever the case of its extension, whose header and
 * descriptors can be read; any other file is left out. Returns nothing for a folder that
 * cannot be read.
 */
std::vector<TFileData> ListLibraryFolder(const QString& folder);

}  // namespace logivane
