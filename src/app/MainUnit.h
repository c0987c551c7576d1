#pragma once

#include "dialogs/ExportPictureDlg.h"
#include "dialogs/PreferencesDlg.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QScrollArea;
class QTimer;

namespace logivane {

class TCircuitDocument;
class TCircuitFileCommands;
class TDeviceDialogs;
class TDeviceMenu;
class TKeyboardEditing;
class TMainMenus;
class TMemoryCommands;
class TRunCommands;
class TSelection;
class TAnalyserForm;
class TTemplateForm;
class TTestTableCommands;
class TGraphicObject;
class TMacro;
class TLogivaneDrawing;
class TPartsForm;
class TPrintPreview;
class TRecoveryCommands;
class TUndoCommands;
struct TDeviceTool;
struct TProgramSettings;

/**
 * @brief The main window: the drawing in its scroll box, the menus and tool bars through which
 * every command is given, the status bar with the wiring hints, and the clock that runs the
 * circuit.
 *
 * The commands are public so that the menus, the tool bars and the tests call the same
 * functions. They are grouped by menu in the files named after them: MainFileCommands.cpp,
 * MainEditCommands.cpp (tools, placement, macro levels), MainHistoryCommands.cpp (the Logic
 * History window), MainTemplateCommands.cpp (the Template Editor), MainPartsCommands.cpp (the
 * Parts Centre and its drops), MainPrintCommands.cpp (printing and its preview) and
 * MainHelpCommands.cpp (help and datasheets). Larger groups are classes of their own, which the
 * window owns: TMainMenus builds the menus and tool bars, TDeviceMenu is the context menu of the
 * selection, TDeviceDialogs the device commands with dialogs of their own, TRunCommands runs the
 * circuit, TMemoryCommands keeps the memory device's windows, TUndoCommands keeps undo and redo
 * and their captions, and TRecoveryCommands copies unsaved work for recovery and offers the
 * copies at start. The preferences and the circuit the program starts with are in
 * MainPreferenceCommands.cpp.
 */
class TMainForm : public QMainWindow {
  Q_OBJECT
public:
  /// Returns the chosen file name, or an empty one when the user cancels.
  using TFileChooser = std::function<QString(QWidget* parent, const QString& folder)>;

  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  /// The circuit being edited, which the drawing shows.
  TCircuitDocument& Document() const { return *FDocument; }
  TLogivaneDrawing& Drawing() const { return *FDrawing; }
  TAnalyserForm& LogicHistory() const { return *FLogicHistory; }
  TTemplateForm& TemplateEditor() const { return *FTemplateEditor; }
  TPartsForm& PartsCentre() const { return *FParts; }
  TPrintPreview& PrintPreview() const { return *FPrintPreview; }
  /// The circuit's test table, its window and its file.
  TTestTableCommands& TestTables() const { return *FTestTables; }
  QTimer& Clock() const { return *FClock; }
  /// Opened when the window is first shown, after the settings are read: the arguments are
  /// joined with spaces, so a path with spaces may come unquoted.
  void SetCommandLine(const QStringList& arguments) { FCommandLine = arguments; }

  /// Recent files, most recent first.
  QStringList FileHistory;
  /// The folder the program works from: the library and the templates lie under it.
  QString StartFolder;
  QString DatasheetFolder;
  /// A step command runs one simulation step (half a clock cycle) when set, two otherwise.
  bool HalfCycle = true;
  /// The open and save dialogs; tests replace them.
  TFileChooser ChooseOpenFile;
  TFileChooser ChooseSaveFile;
  /// The file dialog of Export Picture; tests replace it.
  TFileChooser ChoosePictureFile;
  /// The recovery copy of unsaved work, and the copies offered at start.
  TRecoveryCommands& Recovery() const { return *FRecovery; }

  // File.
  void NewClick();
  /// Opens a circuit chosen in the Open dialog, started in `startFolder` when one is given.
  void OpenClick(const QString& startFolder = {});
  void ReopenClick(const QString& fileName);
  /// Saves to the known file at the root level, otherwise asks for a name. False when a save
  /// the user asked for did not happen (the dialog was cancelled or writing failed).
  bool SaveClick();
  bool SaveAsClick();
  /// Opens `fileName` as the document, as the Open command does after its dialog.
  bool OpenCircuit(const QString& fileName);
  /// Asks for a file and the picture's scale and background, then writes the picture.
  void ExportPictureClick();
  /// Writes the selection, or the whole level when nothing is selected, as a picture; says
  /// why when it cannot.
  bool ExportPicture(const QString& fileName, const TExportPictureValues& values);

  // Edit.
  void UndoClick();
  void RedoClick();
  void DeleteClick();
  void EditSelectAllClick();

  // Tools and placement.
  /// Brings the drawing's mode and the editing commands in line with the tool buttons.
  void SpeedUpdateClick();
  void SpeedWireToolClick();
  /// Presses the mode tool `name` ("SpeedPointer", "SpeedInteraction", "SpeedProbe").
  void ChooseMode(const char* name);
  void EditMacroClick();
  /// Shows the level of `macro`, a device of the level shown.
  void OpenMacroLevel(TMacro& macro);
  void SpeedCloseMacroClick();
  void GridSetupClick();
  void NameMacroClick();
  /// Edits the preferences through their dialog, and applies them on OK.
  void PreferencesClick();
  /// The preferences in force: read at start, changed by the dialog, written at exit.
  const TPreferences& Preferences() const { return FPreferences; }
  /// Makes `preferences` the ones in force, at start and after the dialog: what follows them.
  void ApplyPreferences(const TPreferences& preferences);
  /// Edits the symbol of the level shown (the root only) in the Template Editor, handing it
  /// the selected tag.
  void TemplateEditorClick();

  /// The context menu of the selection, rebuilt whenever the selection changes.
  TDeviceMenu& DevicePopup() const { return *FDevicePopup; }
  /// Places a device of the device tool pressed at `at`, as a press of the mouse there does
  /// (a right press while a wire is traced ends it on a new tag); returns the object placed,
  /// or null when no tool is pressed or its dialog was cancelled.
  TGraphicObject* PlaceDevice(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);

  /// Cut, Copy, Paste and Delete, wherever they are offered, follow the selection, the paste
  /// buffer, the level shown and the trace.
  void EnableEditCommands();

  /// The memory device's windows.
  TMemoryCommands& Memory() const { return *FMemory; }

  /// Running, pausing and stepping the circuit, and the run state.
  TRunCommands& Run() const { return *FRun; }

  // The Logic History.
  /// Shows the Logic History with the recorded devices of the level shown, or hides it.
  void SpeedProbeWindowClick();
  /// Marks the selected device for the Logic History, or takes the mark off.
  void PopHistoryClick();
  /// Lists the recorded devices of the level shown in the Logic History and resets them; after
  /// every command that may add, remove or rename one.
  void RefreshLogicHistory();

  // The Parts Centre.
  void SpeedPartsCentreClick();
  /// Inserts the library file `fileName`, dropped on the drawing at `at`, as a closed macro.
  void DropLibraryMacro(const QString& fileName, QPoint at);
  /// Opens a library file as the circuit, after the save question.
  void EditLibraryMacro(const QString& fileName);

  // Printing.
  void PrintSetupClick();
  void PrintPreviewClick();
  /// Prints the level shown with the options that the preview holds.
  void PrintClick();
  /// The print commands are enabled only while a printer is installed.
  void EnablePrintCommands();

  // Help and datasheets.
  /// Shows the contents of the program's help file.
  void HelpTopicsClick();
  /// F1: with nothing selected the circuit's datasheet, with a macro selected its datasheet,
  /// otherwise the help page of the selected object.
  void HelpKeyClick();
  /// Opens `datasheet` from the datasheet folders, with the notice balloon hidden.
  void ViewDatasheet(const QString& datasheet);
  void ViewDatasheetClick();
  void AttachDatasheetClick();
  void DatasheetPathClick();

  // The actions, which are children of the window so that everything finds them by name.
  QAction* NewAction(const char* name, const QString& caption, const QKeySequence& shortcut = {});
  QAction* Action(const char* name) const;
  QMenu* NewMenu(const char* name, const QString& caption, QWidget* parent);

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  /// The Reopen entries show the recent files.
  void RefreshFileMenu();

  // MainFileCommands.cpp.
  /// Asks to save a changed circuit before a command that replaces it; false to stop.
  bool QuerySave(const std::function<bool()>& save);
  /// Saves the level shown: inside a macro only after a warning, and always to a new name.
  /// Declining the warning is no failure: the user chose to go on without saving.
  bool SaveLevel();
  /// Asks for a name and saves there; a shipped example or macro is never the name.
  bool SaveThroughDialog();
  void TellShippedFileIsKept(const QString& fileName);
  /// Runs a file dialog from `startFolder` when given, else from the folder of the file chosen
  /// last, or at first from the open circuit's folder or else the user's documents.
  QString ChooseFile(const TFileChooser& chooser, const QString& startFolder = {});
  void AddToFileHistory(const QString& fileName);
  void UpdateCaption();
  /// The commands that act on the root level only, and Reopen, follow the level shown and the
  /// recent files.
  void EnableLevelCommands();

  // MainEditCommands.cpp.
  void ConnectEditCommands();
  /// A new device of a tool whose device a dialog describes first; null when it is cancelled.
  std::unique_ptr<TGraphicObject> DeviceFromDialog(const TDeviceTool& tool);
  std::unique_ptr<TGraphicObject> NewAnnotation();
  void ShowWiringHints();
  void ObjectSelected(Qt::MouseButton button);
  void ObjectDoubleClicked(TGraphicObject* object);
  void AbandonTrace();
  bool HandleKey(const QKeyEvent& event);

  // MainHistoryCommands.cpp.
  void ConnectLogicHistory();

  // MainPartsCommands.cpp.
  void ConnectPartsCentre();
  /// Tells the Parts Centre the library under `StartFolder`.
  void SetLibraryRoot();
  /// Takes drags from the Parts Centre's list over the drawing; true when `event` was one.
  bool PartsDragEvent(QEvent* event);

  // MainPrintCommands.cpp.
  void CreatePrintPreview();

  /// Each tool window is placed clear of the menus and tool bars when first shown.
  void PlaceToolWindows();
  // Settings.
  void ApplySettings(const TProgramSettings& settings);
  void CollectSettings(TProgramSettings& settings) const;
  /// Offers the work that programs which stopped left; failing that, opens the file on the
  /// command line, otherwise, as the preferences ask, the last circuit.
  void OpenStartCircuit(const TProgramSettings& settings);

  QScrollArea* FScroller = nullptr;
  /// Destroyed after the drawing that shows it.
  TCircuitDocument* FDocument = nullptr;
  TLogivaneDrawing* FDrawing = nullptr;
  std::unique_ptr<TCircuitFileCommands> FFiles;
  std::unique_ptr<TSelection> FSelection;
  std::unique_ptr<TMainMenus> FMenus;
  std::unique_ptr<TDeviceDialogs> FDeviceDialogs;
  std::unique_ptr<TDeviceMenu> FDevicePopup;
  std::unique_ptr<TKeyboardEditing> FKeys;
  std::unique_ptr<TRunCommands> FRun;
  std::unique_ptr<TMemoryCommands> FMemory;
  TUndoCommands* FUndo = nullptr;
  std::unique_ptr<TRecoveryCommands> FRecovery;
  TAnalyserForm* FLogicHistory = nullptr;
  TTemplateForm* FTemplateEditor = nullptr;
  TPartsForm* FParts = nullptr;
  TPrintPreview* FPrintPreview = nullptr;
  /// Made before the file commands, which read and write the table with the circuit.
  std::unique_ptr<TTestTableCommands> FTestTables;
  QTimer* FClock = nullptr;
  QLabel* FStatusText = nullptr;
  /// Export Picture starts from the last choices.
  TExportPictureValues FPictureValues;
  QStringList FCommandLine;
  TPreferences FPreferences;
  /// Where the last file dialog left the user; empty until one chose a file.
  QString FDialogFolder;
  bool FShown = false;
};

}  // namespace logivane
