// The Edit and View menus, the choice of tools, device placement, the wiring hints and the
// macro levels.
#include "app/DeviceDialogs.h"
#include "app/DeviceTools.h"
#include "app/MainMenus.h"
#include "app/MainUnit.h"
#include "app/MemoryCommands.h"
#include "app/OwnedDialog.h"
#include "app/Selection.h"
#include "app/UndoCommands.h"
#include "dialogs/EditTextDlg.h"
#include "dialogs/GridSetupDlg.h"
#include "dialogs/NameMacroDlg.h"
#include "document/cGText.h"
#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/DrawingClipboard.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"
#include "simulation/cMacro.h"
#include "simulation/cMemory.h"
#include "simulation/cTagDevice.h"

#include <QLabel>
#include <QMenu>

namespace logivane {

// ---------------------------------------------------------------------------------------------
// Tools

void TMainForm::SpeedUpdateClick() {
  if (!Action("SpeedWireTool")->isChecked() && FDrawing->WireMode()) {
    FDrawing->SetWireMode(false);
  }
  FDrawing->SetInteractMode(Action("SpeedInteraction")->isChecked());
  FDrawing->SetSelectMode(Action("SpeedPointer")->isChecked());
  FDrawing->SetProbeMode(Action("SpeedProbe")->isChecked());
  EnableEditCommands();
  EnablePrintCommands();
}

void TMainForm::SpeedWireToolClick() {
  FDrawing->Handles().Deselect();
  FDrawing->SetWireMode(Action("SpeedWireTool")->isChecked());
  SpeedUpdateClick();
}

void TMainForm::ChooseMode(const char* name) {
  Action(name)->setChecked(true);
  SpeedUpdateClick();
}

void TMainForm::ConnectEditCommands() {
  connect(&FDrawing->Handles(), &TLogivaneHandles::OnSelectionChanged, this,
          &TMainForm::EnableEditCommands);
  connect(FDrawing, &TLogivaneDrawing::OnObjectDeSelected, this, &TMainForm::EnableEditCommands);
  connect(FDrawing, &TLogivaneDrawing::OnLevelChanged, this, &TMainForm::EnableEditCommands);
  // A trace begins and ends on a press; the release that follows it comes here.
  connect(FDrawing, &TLogivaneDrawing::OnMouseUp, this, &TMainForm::EnableEditCommands);
}

void TMainForm::EnableEditCommands() {
  // The menu entry, the tool button, the pop-up entry and the shortcut all run the menu's
  // action, so each of them is enabled exactly when that command can act.
  const bool canCopy = FDrawing->CanCopy();
  const bool canPaste = FDrawing->Clipboard().CanPaste();
  for (const char* name : {"MenuCut", "SpeedCut", "PopCut", "MenuCopy", "SpeedCopy", "PopCopy"}) {
    Action(name)->setEnabled(canCopy);
  }
  for (const char* name : {"MenuPaste", "SpeedPaste", "PopPaste"}) {
    Action(name)->setEnabled(canPaste);
  }
  Action("MenuDelete")->setEnabled(FDrawing->HasSelection() || FDrawing->Tracing());
}

void TMainForm::AbandonTrace() {
  FDrawing->SetWireMode(false);
  FDrawing->SetWireMode(true);
  EnableEditCommands();
}

// ---------------------------------------------------------------------------------------------
// Placement

TGraphicObject* TMainForm::PlaceDevice(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                       QPoint at) {
  if (button == Qt::RightButton && FDrawing->WireMode() && FDrawing->Tracing()) {
    // A right click ends the traced wire on a new tag.
    auto* tag = static_cast<TTagDevice*>(
        FDrawing->AddObject(std::make_unique<TTagDevice>(), at.x(), at.y()));
    FDrawing->FinishWireAtPin(*tag->Pin(0));
    ChooseMode("SpeedPointer");
    return tag;
  }
  const auto tools = DeviceTools();
  const auto down = std::find_if(tools.begin(), tools.end(), [this](const TDeviceTool& tool) {
    return Action(tool.Name)->isChecked();
  });
  if (down == tools.end()) {
    return nullptr;
  }
  std::unique_ptr<TGraphicObject> device = down->Create ? down->Create() : DeviceFromDialog(*down);
  if (!device) {
    return nullptr;  // its dialog was cancelled
  }
  const bool keepTool = button == Qt::LeftButton && modifiers == Qt::ControlModifier;
  TGraphicObject* placed = FDrawing->AddObject(std::move(device), at.x(), at.y());
  if (down->SelectAfterPlacing && !keepTool) {
    FDrawing->Select(placed);
  }
  if (!keepTool) {
    ChooseMode("SpeedPointer");
  }
  return placed;
}

std::unique_ptr<TGraphicObject> TMainForm::DeviceFromDialog(const TDeviceTool& tool) {
  if (qstrcmp(tool.Name, "SpeedAnnotation") == 0) {
    return NewAnnotation();
  }
  if (qstrcmp(tool.Name, "SpeedNumeric") == 0) {
    return FDeviceDialogs->NewNumericDevice();
  }
  if (qstrcmp(tool.Name, "SpeedMemory") == 0) {
    return FMemory->NewDevice();
  }
  return nullptr;
}

std::unique_ptr<TGraphicObject> TMainForm::NewAnnotation() {
  auto& dialog = OwnedDialog<TEditTextDialog>(*this);
  // Each new annotation takes the size, style and colour chosen for the last one.
  TEditTextValues values = dialog.Values();
  values.Text = tr("Annotation");
  if (!dialog.Edit(values) || values.Text.isEmpty()) {
    return nullptr;
  }
  auto text = std::make_unique<TGraphicText>();
  ApplyAnnotationValues(values, *text);
  return text;
}

void TMainForm::ShowWiringHints() {
  const TMacro& circuit = FDrawing->Circuit();
  QString hint;
  if (FDrawing->WireMode() && FDrawing->OverTarget()) {
    hint = FDrawing->Tracing() ? tr("Use the left mouse button to finish wiring")
                               : tr("Use the left mouse button to begin wiring");
    const auto* device = dynamic_cast<const TDevice*>(circuit.HitObject);
    if (device && device->Role() == TDeviceRole::Macro &&
        static_cast<const TMacro*>(device)->Closed && device->HitPin) {
      hint += tr(" - pin %1 available.").arg(device->HitPin->Index + 1);
    }
  } else if (FDrawing->InteractMode() && FDrawing->OverTarget()) {
    hint = tr("Use the left mouse button to change device state");
  }
  FStatusText->setText(hint);
}

// ---------------------------------------------------------------------------------------------
// Selection and deletion

void TMainForm::ObjectSelected(Qt::MouseButton button) {
  // A right click selects the object under it and opens the selection's menu at once.
  if (button == Qt::RightButton) {
    QMenu* menu = FDrawing->Handles().ContextMenu();
    if (menu) {
      menu->popup(QCursor::pos());
    }
  }
}

void TMainForm::ObjectDoubleClicked(TGraphicObject* object) {
  if (dynamic_cast<TMacro*>(object)) {
    EditMacroClick();
  } else if (auto* memory = dynamic_cast<TMemoryDevice*>(object)) {
    FMemory->Show(*memory);
  }
}

void TMainForm::DeleteClick() {
  const TLogivaneHandles& handles = FDrawing->Handles();
  if (!handles.HasItem()) {
    if (FDrawing->Tracing()) {
      AbandonTrace();
    }
    return;
  }
  const QString question = handles.Items().size() == 1
                               ? tr("Are you sure you want to delete this object?")
                               : tr("Are you sure you want to delete all of the selected objects?");
  if (UserMessages::Ask(this, question, QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Information) == QMessageBox::Yes) {
    FDrawing->DeleteSelection();
    SpeedUpdateClick();
  }
}

void TMainForm::UndoClick() {
  FUndo->Undo();
}

void TMainForm::RedoClick() {
  FUndo->Redo();
}

void TMainForm::EditSelectAllClick() {
  if (FDrawing->SelectAll()) {
    ChooseMode("SpeedPointer");
  }
}

// ---------------------------------------------------------------------------------------------
// Macro levels

void TMainForm::EditMacroClick() {
  auto* macro = dynamic_cast<TMacro*>(FSelection->Object());
  if (!macro) {
    return;
  }
  OpenMacroLevel(*macro);
}

void TMainForm::OpenMacroLevel(TMacro& macro) {
  FDocument->EnterLevel(macro);
  macro.Closed = false;
}

void TMainForm::SpeedCloseMacroClick() {
  if (FDocument->IsInsideMacro()) {
    // The level left is no longer shown, so neither is a memory inside it.
    FMemory->CloseWithin({&FDrawing->Circuit()});
  }
  FDrawing->Circuit().Closed = true;
  FDocument->LeaveLevel();
  ChooseMode("SpeedPointer");
}

// ---------------------------------------------------------------------------------------------
// View and Tools

void TMainForm::GridSetupClick() {
  if (EditGridWithDialog(FDrawing->Grid(), this)) {
    FDrawing->InvalidateAll();
  }
  FMenus->RefreshViewMenu();
}

void TMainForm::NameMacroClick() {
  QString name = FDocument->MacroName;
  TNameMacroDialog dialog(this);
  if (dialog.Edit(name)) {
    FDocument->BeginEdit();
    FDocument->MacroName = name;
    FDrawing->SetModified(true);
  }
}

}  // namespace logivane
