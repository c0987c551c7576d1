// The device commands that open a dialog of their own: the sequence of a sequence generator,
// the type of a switch, and the numeric display's settings when it is placed and afterwards.
#include "app/MainUnit.h"
#include "app/OwnedDialog.h"
#include "dialogs/EditSeqDlg.h"
#include "dialogs/EditSwitchDlg.h"
#include "dialogs/NumberOutDlg.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cInteractive.h"
#include "simulation/cinput.h"

namespace logivane {

void TMainForm::EditSequenceClick() {
  const auto* generator = dynamic_cast<const TBitGenerator*>(SelectedObject());
  if (!generator) {
    return;
  }
  QString sequence = generator->Sequence;
  if (!OwnedDialog<TEditSequenceDialog>(*this).Edit(sequence)) {
    return;
  }
  ChangeSelected(
      [&sequence](TGraphicObject& object) {
        static_cast<TBitGenerator&>(object).SetSequence(sequence);
      },
      true);
  // The levels so far came from the old sequence.
  FDrawing->ResetCircuit();
  RefreshLogicHistory();
}

void TMainForm::SwitchTypeClick() {
  const auto* contact = dynamic_cast<const TInteractiveSwitch*>(SelectedObject());
  if (!contact) {
    return;
  }
  std::int32_t type = contact->SwitchType;
  if (OwnedDialog<TEditSwitchDialog>(*this).Edit(type)) {
    ChangeSelected(
        [type](TGraphicObject& object) {
          static_cast<TInteractiveSwitch&>(object).SetSwitchType(type);
        },
        true);
  }
}

std::unique_ptr<TGraphicObject> TMainForm::NewNumericDevice() {
  auto& dialog = OwnedDialog<TNumberOutDialog>(*this);
  TNumberOutValues values = dialog.Values();  // a new display starts from the last choice
  dialog.ShowSizeGroup(true);
  if (!dialog.Edit(values)) {
    return nullptr;
  }
  auto display = std::make_unique<TNumericDevice>();
  display->SetPinCount(values.PinCount);
  ApplyNumberOutValues(values, *display);
  return display;
}

void TMainForm::NumericPropertiesClick() {
  const auto* display = dynamic_cast<const TNumericDevice*>(SelectedObject());
  if (!display) {
    return;
  }
  TNumberOutValues values = NumberOutValues(*display);
  auto& dialog = OwnedDialog<TNumberOutDialog>(*this);
  dialog.ShowSizeGroup(false);  // the wires already on its pins fix the line count
  if (!dialog.Edit(values)) {
    return;
  }
  ChangeSelected(
      [this, &values](TGraphicObject& object) {
        FDrawing->InvalidateRect(object.GetBounds());  // where the leads were
        ApplyNumberOutValues(values, static_cast<TNumericDevice&>(object));
      },
      true);
  // Wires on the pins follow them when the leads move below the face or back.
  FDrawing->RefreshWires();
}

}  // namespace logivane
