#pragma once

#include "dialogs/EditTextDlg.h"

#include <QDialog>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QMenu;

namespace Ui {
class TTemplateForm;
}

namespace logivane {

class TGraphicObject;
class TLogivaneDrawing;
class TMacro;
class TMacroPin;
class TTagDevice;

/// The open and save dialogs of template files, starting in `folder`.
QString OpenTemplateDialog(QWidget* parent, const QString& folder);
QString SaveTemplateDialog(QWidget* parent, const QString& folder);

/**
 * @brief The Template Editor: the modal window in which the symbol of the circuit open in the
 * main window is drawn, its pins tied to the circuit's tags, and symbols saved to and read
 * from template files.
 *
 * It edits the circuit's own shape and pin lists in place, through a drawing surface of its
 * own that shows the circuit as its symbol. The links between pins and tags live in the
 * circuit; the window only colours the pins to show them. The commands are public so that the
 * menus, the tool bar and the tests call the same functions; the menus are built in
 * TemplateMenus.cpp and the file commands live in TemplateFileCommands.cpp.
 */
class TTemplateForm : public QDialog {
  Q_OBJECT
public:
  /// Returns the chosen file name, or an empty one when the user cancels.
  using TFileChooser = std::function<QString(QWidget* parent, const QString& folder)>;
  /// Shows the annotation dialog filled from `values`; true and the new values on OK.
  using TTextEditor = std::function<bool(QWidget* parent, TEditTextValues& values)>;

  /// The colours that show a pin's association.
  static constexpr unsigned PinFree = 0xFFFFFF;
  static constexpr unsigned PinTaken = 255;
  static constexpr unsigned PinOfCurrentTag = 65535;

  explicit TTemplateForm(QWidget* parent = nullptr);
  ~TTemplateForm() override;

  /// Edits the symbol of `circuit`, the level shown in `mainDrawing`, modally: `tag` is the tag
  /// selected there, or null. Marks the main drawing modified when the symbol changed.
  void Edit(TLogivaneDrawing& mainDrawing, TMacro& circuit, TTagDevice* tag);
  /// The first and second half of `Edit`, apart so that tests can work between them.
  void Attach(TLogivaneDrawing& mainDrawing, TMacro& circuit, TTagDevice* tag);
  void Detach();

  TLogivaneDrawing& TemplateDrawing() const { return *FDrawing; }
  TTagDevice* CurrentTag() const { return FCurrentTag; }
  int SelectedPinNumber() const { return FSelectedPinNumber; }
  QString StatusText() const;
  QMenu& Popup() const { return *FPopup; }
  QAction* Action(const char* name) const;

  /// Template files are offered from its "Templates" subfolder.
  QString StartFolder;
  TFileChooser ChooseOpenFile;
  TFileChooser ChooseSaveFile;
  TColourChooser ChooseColour;
  TTextEditor EditText;

  // Showing and closing.
  void FormShow();
  void FormClose();

  // The tools.
  /// Presses the tool `name` of the tool group and applies it.
  void ChooseTool(const char* name);
  void ResetTool() { ChooseTool("ToolSelector"); }
  void MousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint p);

  // The selection.
  void ConfigurePopup();
  void UpdateEditCommands();
  void AssociateWithTag();
  void PenColourClick();
  void BrushColourClick();
  void EditPointsClick();
  void BringToFrontClick();
  void SendToBackClick();
  void DeleteClick();
  void EditAnnotationClick();
  void TogglePinsClick();
  void GridSetupClick();

  // Template files.
  void NewClick();
  void OpenClick();
  void SaveClick();
  /// Reads `fileName` as the symbol; the links to the tags go only when it could be read.
  bool OpenTemplate(const QString& fileName);

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  /// The symbol of the main drawing's circuit changed: one edit of that circuit.
  void MainCircuitChanged();

  // TemplateMenus.cpp.
  QAction* NewAction(const char* name, const QString& caption, const QKeySequence& key = {});
  void CreateMenus();
  void CreateToolGroup();
  void CreatePopup();

  void ShowStatus(const QString& text);
  TMacro& Circuit() const;
  TGraphicObject* SelectedObject() const;
  /// Paints every pin white, then red or yellow where a tag refers to it.
  void ColourPins();
  /// Runs `change` on the selected shape with the selection let go, then selects it again.
  void ChangeSelected(const std::function<void(TGraphicObject&)>& change);
  void CentreSymbol();
  void SetTextBoxes(bool shown);
  void AddCircle(QPoint centre);
  void AddAnnotation(QPoint at);
  /// Asks to save a changed template; false when the user cancels.
  bool QuerySave();
  /// Every tag's link to a pin goes, and its number with it.
  void RemoveAssociations();
  /// Runs `command` with the working folder in the templates folder.
  QString InTemplateFolder(const std::function<QString()>& command) const;

  std::unique_ptr<Ui::TTemplateForm> FUi;
  TLogivaneDrawing* FDrawing = nullptr;
  TLogivaneDrawing* FMainDrawing = nullptr;
  TTagDevice* FCurrentTag = nullptr;
  QActionGroup* FTools = nullptr;
  QMenu* FPopup = nullptr;
  int FSelectedPinNumber = 0;
  float FSavedCentreX = 0;
  float FSavedCentreY = 0;
  bool FSavedPinsVisible = false;
};

}  // namespace logivane
