#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace logivane {

/// The two folders in which a datasheet named without a folder is looked for, in this order.
struct TDatasheetFolders {
  /// The program's own "datasheets" folder.
  QString Datasheets;
  /// The folder of the "Datasheet Path" setting; may be empty.
  QString DatasheetFolder;
};

/// True when `fileName` is a document that the desktop may open: an existing file that is not
/// executable, no script, no program or library and no launcher. A circuit names its datasheet
/// itself, so the name is only as trustworthy as the file it came from.
bool IsSafeDocument(const QString& fileName);

/**
 * @brief Opens the datasheet `datasheet` of a circuit with the desktop.
 *
 * An empty datasheet does nothing; a web address ("http://", "https://") is opened as it is; a
 * name without a folder, and any ".htm" or ".html" page, is looked for in `folders`; a file
 * named with its whole path is opened where it is. Only documents are opened (see
 * `IsSafeDocument`). A Windows Help file (".hlp") that is found has nothing to show here.
 * A datasheet that is not found or cannot be opened gives "Unable to open datasheet.".
 * Returns false after that message.
 */
bool OpenDatasheet(QWidget* parent, const QString& datasheet, const TDatasheetFolders& folders);

/// Replaces the desktop's opening of files and web addresses, so that tests see what would be
/// opened; an empty one brings the desktop back. The function returns false on failure.
void SetDatasheetOpener(std::function<bool(const QUrl&)> opener);

}  // namespace logivane
