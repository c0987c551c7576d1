#include "app/DeviceDialogs.h"

#include "app/MainUnit.h"
#include "app/OwnedDialog.h"
#include "app/Selection.h"
#include "dialogs/EditSeqDlg.h"
#include "dialogs/EditSwitchDlg.h"
#include "dialogs/NumberOutDlg.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cInteractive.h"
#include "simulation/cinput.h"

namespace logivane {

TDeviceDialogs::TDeviceDialogs(TMainForm& window, TLogivaneDrawing& drawing, TSelection& selection)
    : FWindow(window), FDrawing(drawing), FSelection(selection) {
}

void TDeviceDialogs::EditSequenceClick() {
  const auto* generator = dynamic_cast<const TBitGenerator*>(FSelection.Object());
  if (!generator) {
    return;
  }
  QString sequence = generator->Sequence;
  if (!OwnedDialog<TEditSequenceDialog>(FWindow).Edit(sequence)) {
    return;
  }
  FSelection.Change(
      [&sequence](TGraphicObject& object) {
        static_cast<TBitGenerator&>(object).SetSequence(sequence);
      },
      true);
  // The levels so far came from the old sequence.
  FDrawing.ResetCircuit();
  FWindow.RefreshLogicHistory();
}

void TDeviceDialogs::SwitchTypeClick() {
  const auto* contact = dynamic_cast<const TInteractiveSwitch*>(FSelection.Object());
  if (!contact) {
    return;
  }
  std::int32_t type = contact->SwitchType;
  if (OwnedDialog<TEditSwitchDialog>(FWindow).Edit(type)) {
    FSelection.Change(
        [type](TGraphicObject& object) {
          static_cast<TInteractiveSwitch&>(object).SetSwitchType(type);
        },
        true);
  }
}

std::unique_ptr<TGraphicObject> TDeviceDialogs::NewNumericDevice() {
  auto& dialog = OwnedDialog<TNumberOutDialog>(FWindow);
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

void TDeviceDialogs::NumericPropertiesClick() {
  const auto* display = dynamic_cast<const TNumericDevice*>(FSelection.Object());
  if (!display) {
    return;
  }
  TNumberOutValues values = NumberOutValues(*display);
  auto& dialog = OwnedDialog<TNumberOutDialog>(FWindow);
  dialog.ShowSizeGroup(false);  // the wires already on its pins fix the line count
  if (!dialog.Edit(values)) {
    return;
  }
  FSelection.Change(
      [this, &values](TGraphicObject& object) {
        FDrawing.InvalidateRect(object.GetBounds());  // where the leads were
        ApplyNumberOutValues(values, static_cast<TNumericDevice&>(object));
      },
      true);
  // Wires on the pins follow them when the leads move below the face or back.
  FDrawing.RefreshWires();
}

}  // namespace logivane
