// The Template Editor's commands on the selection: the pop-up menu, associating a pin with a
// tag, colours, points, stacking order and deletion.
#include "dialogs/GridSetupDlg.h"
#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/DrawingClipboard.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"
#include "simulation/cMacro.h"
#include "simulation/cTagDevice.h"
#include "windows/TemplateForm.h"

#include <QAction>
#include <QMenu>

namespace logivane {

TGraphicObject* TTemplateForm::SelectedObject() const {
  const TLogivaneHandles& handles = FDrawing->Handles();
  return handles.IsSingle() ? handles.Items().front() : nullptr;
}

void TTemplateForm::ConfigurePopup() {
  FDrawing->Handles().SetContextMenu(FPopup);
  for (const char* hidden : {"TemplatePenColour", "TemplateBrushColour", "TemplateEditAnnotation",
                             "TemplateAssociate", "TemplateEditPoints"}) {
    Action(hidden)->setVisible(false);
  }
  for (const char* shown :
       {"TemplateSeparator1", "TemplateBringToFront", "TemplateSendToBack", "TemplateSeparator4"}) {
    Action(shown)->setVisible(true);
  }
  TGraphicObject* selected = SelectedObject();
  if (dynamic_cast<TGraphicText*>(selected)) {
    Action("TemplateEditAnnotation")->setVisible(true);
    ShowStatus({});
  } else if (auto* pin = dynamic_cast<TMacroPin*>(selected)) {
    for (const char* hidden :
         {"TemplateBringToFront", "TemplateSendToBack", "TemplateSeparator4"}) {
      Action(hidden)->setVisible(false);
    }
    QAction* associate = Action("TemplateAssociate");
    associate->setVisible(true);
    pin->CanResize = false;
    FSelectedPinNumber = Circuit().Pins().Objects().IndexOf(pin) + 1;
    ShowStatus(tr("Pin %1 Selected").arg(FSelectedPinNumber));
    // A pin that a tag already refers to keeps that link until New or Open removes it.
    associate->setEnabled(FCurrentTag && !Circuit().FindTagForPin(pin));
  } else {
    ShowStatus({});
    Action("TemplateSeparator1")->setVisible(false);
    if (dynamic_cast<TPolyline*>(selected)) {
      Action("TemplateEditPoints")->setVisible(true);
      Action("TemplatePenColour")->setVisible(true);
      selected->CanResize = false;
      selected->CanRotate = false;
    } else if (dynamic_cast<TPolygon*>(selected)) {
      for (const char* shown : {"TemplateEditPoints", "TemplatePenColour", "TemplateBrushColour"}) {
        Action(shown)->setVisible(true);
      }
    }
  }
  Action("TemplateSeparator2")
      ->setVisible(Action("TemplatePenColour")->isVisible() ||
                   Action("TemplateBrushColour")->isVisible());
  UpdateEditCommands();
}

void TTemplateForm::UpdateEditCommands() {
  const bool selected = FDrawing->HasSelection();
  Action("TemplateCut")->setEnabled(selected);
  Action("TemplateCopy")->setEnabled(selected);
  Action("TemplateDelete")->setEnabled(selected);
  Action("TemplatePaste")->setEnabled(FDrawing->Clipboard().CanPasteSymbol());
}

void TTemplateForm::AssociateWithTag() {
  auto* pin = dynamic_cast<TMacroPin*>(SelectedObject());
  if (!FCurrentTag || !pin || Circuit().FindTagForPin(pin)) {
    return;
  }
  FDrawing->Handles().Deselect();
  TMacroPin::Link(*FCurrentTag->LinkPin, *pin);
  FCurrentTag->SetNumber(FSelectedPinNumber);
  pin->Kind = FCurrentTag->Direction;
  ColourPins();
  FDrawing->InvalidateAll();
  FDrawing->SetModified(true);
  FDrawing->Select(pin);
}

void TTemplateForm::ChangeSelected(const std::function<void(TGraphicObject&)>& change) {
  TGraphicObject* selected = SelectedObject();
  if (!selected) {
    return;
  }
  FDrawing->Handles().Deselect();
  change(*selected);
  FDrawing->InvalidateRect(selected->GetBounds());
  FDrawing->Select(selected);
}

void TTemplateForm::PenColourClick() {
  ChangeSelected([this](TGraphicObject& object) {
    auto& shape = static_cast<TSegment&>(object);
    if (const auto colour = ChooseColour(shape.PenColour, this)) {
      shape.PenColour = *colour;
      FDrawing->SetModified(true);
    }
  });
}

void TTemplateForm::BrushColourClick() {
  ChangeSelected([this](TGraphicObject& object) {
    auto& shape = static_cast<TPolygon&>(object);
    if (const auto colour = ChooseColour(shape.BrushColour, this)) {
      shape.BrushColour = *colour;
      FDrawing->SetModified(true);
    }
  });
}

void TTemplateForm::EditPointsClick() {
  TLogivaneHandles& handles = FDrawing->Handles();
  handles.SetVertexMode(!handles.InVertexMode());
  Action("TemplateEditPoints")->setChecked(handles.InVertexMode());
}

void TTemplateForm::BringToFrontClick() {
  ChangeSelected([this](TGraphicObject& object) {
    Circuit().BringToFront(&object);
    FDrawing->SetModified(true);
  });
}

void TTemplateForm::SendToBackClick() {
  ChangeSelected([this](TGraphicObject& object) {
    Circuit().SendToBack(&object);
    FDrawing->SetModified(true);
  });
}

void TTemplateForm::DeleteClick() {
  if (!FDrawing->HasSelection()) {
    return;
  }
  const QString question = FDrawing->IsMultiSelection()
                               ? tr("Are you sure you want to delete all of the selected objects?")
                               : tr("Are you sure you want to delete this object?");
  if (UserMessages::Ask(this, question, QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Information) != QMessageBox::Yes) {
    return;
  }
  FDrawing->DeleteSelection();
  FSelectedPinNumber = 0;
  ColourPins();
  UpdateEditCommands();
}

void TTemplateForm::EditAnnotationClick() {
  ChangeSelected([this](TGraphicObject& object) {
    auto& text = static_cast<TGraphicText&>(object);
    FDrawing->InvalidateRect(text.GetBounds());
    TEditTextValues values = AnnotationValues(text);
    if (EditText(this, values) && !values.Text.isEmpty()) {
      ApplyAnnotationValues(values, text);
      text.Remap();
      FDrawing->SetModified(true);
    }
  });
}

void TTemplateForm::TogglePinsClick() {
  Circuit().PinsVisible = Action("TogglePins")->isChecked();
  FDrawing->Handles().Deselect();
  FDrawing->InvalidateAll();
}

void TTemplateForm::GridSetupClick() {
  TGrid& grid = FDrawing->Grid();
  if (EditGridWithDialog(grid, this)) {
    FDrawing->InvalidateAll();
  }
  Action("TemplateShowGrid")->setChecked(grid.ShowGrid);
  Action("TemplateSnapToGrid")->setChecked(grid.SnapToGrid);
}

}  // namespace logivane
