#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

class QListWidgetItem;
class QMenu;

namespace Ui {
class TPartsForm;
}

namespace logivane {

class TPartsList;
struct TFileData;

/// How the Parts Centre shows its entries.
enum class TPartsView { MacroName, LargeIcons, SmallIcons };

/**
 * @brief The Parts Centre: a tool window that browses a folder tree of circuit files as a
 * library of macros, one folder at a time, from which macros are dragged onto the drawing.
 *
 * It reads only the header and descriptors of each file. The window never changes the
 * process's working folder; every path it uses is absolute. A folder that cannot be entered
 * leaves the listing as it was; when the folder listed vanishes, the working folder is listed.
 */
class TPartsForm : public QMainWindow {
  Q_OBJECT
public:
  explicit TPartsForm(QWidget* parent = nullptr);
  ~TPartsForm() override;

  /// Opens the library at `folder`, which Parts Centre Root returns to.
  void SetRoot(const QString& folder);
  /// Lists the current folder again: a file may have been saved into it.
  void Refresh();
  /// Lists `dir`: a sub-folder's name, "..", or an absolute path. False, and nothing changes,
  /// when it cannot be entered; false too when the folder listed has vanished, and the working
  /// folder is listed instead.
  bool ChangeFolder(const QString& dir);
  /// The folders of the library that comes with the program, wherever it is installed: their
  /// macros are read-only, whatever the files' own marks say. Takes effect from the next
  /// listing.
  void SetShippedFolders(const QStringList& folders);
  const QString& RootFolder() const { return FRootFolder; }
  const QString& CurrentFolder() const { return FCurrentFolder; }
  TPartsList& List() const;
  QMenu& EntryMenu() const { return *FEntryMenu; }
  QMenu& DriveMenu() const { return *FDriveMenu; }

  TPartsView View() const { return FView; }
  void SetView(TPartsView view);
  bool StatusVisible() const;
  void SetStatusVisible(bool visible);

  // Commands.
  void UpOneLevelClick();
  void RootClick();
  /// Opens the selected macro as the main window's circuit.
  void EditMacroClick();
  /// Places the selected macro in the main window's circuit (also the Enter key on a macro).
  void PlaceMacroClick();
  /// Deletes the selected macro file after asking.
  void DeleteClick();
  void ViewDatasheetClick();
  /// Edit Macro is enabled exactly when a macro is selected.
  void UpdateButtons();

  /// Shows the datasheet (a file name or a web address) of a macro; unset leaves the command
  /// disabled.
  std::function<void(const QString& datasheet, const QString& helpTopic)> OnViewDatasheet;
  /// Opens a library file as the circuit.
  std::function<void(const QString& fileName)> OnEditMacro;
  /// Places a library file in the circuit as a macro; unset leaves the command disabled.
  std::function<void(const QString& fileName)> OnPlaceMacro;

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void ShowFolder(const QString& folder);
  bool IsShipped(const QString& folder) const;
  void Populate();
  void BuildDriveMenu();
  /// A press on the list; true when it was handled here and the list must not see it.
  bool ListPressed(const QMouseEvent& event);
  bool ListKeyPressed(const QKeyEvent& event);
  void ShowEntryMenu(const TFileData& entry, const QPoint& globalPos);
  void EntryChanged(QListWidgetItem* item);
  void EditEntry(const TFileData& entry);

  std::unique_ptr<Ui::TPartsForm> FUi;
  QMenu* FEntryMenu = nullptr;
  QMenu* FDriveMenu = nullptr;
  QString FRootFolder;
  QString FCurrentFolder;
  /// Canonical paths.
  QStringList FShippedFolders;
  TPartsView FView = TPartsView::MacroName;
  /// What the last right-click's entry carries, for View Datasheet.
  QString FItemDatasheet;
  QString FItemHelpTopic;
  /// The macro file under the last press: a double click edits it only when both of its clicks
  /// fell on it, not when the first one opened a folder.
  QString FPressedFile;
};

}  // namespace logivane
