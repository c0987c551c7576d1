#include "dialogs/EditSwitchDlg.h"

#include "dialogs/ValueDialog.h"
#include "simulation/cInteractive.h"
#include "ui_EditSwitchDlg.h"

#include <QButtonGroup>

namespace logivane {

TEditSwitchDialog::TEditSwitchDialog(QWidget* parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TEditSwitchDialog>()) {
  FUi->setupUi(this);
  FTypes = new QButtonGroup(this);
  FTypes->addButton(FUi->Toggle, TInteractiveSwitch::Toggle);
  FTypes->addButton(FUi->PushToMake, TInteractiveSwitch::PushToMake);
  FTypes->addButton(FUi->PushToBreak, TInteractiveSwitch::PushToBreak);
  connect(FTypes, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on) {
      ChooseType(id);
    }
  });
  // Twice the size of the switch on a drawing, so that the contact is easy to see.
  auto example = std::make_unique<TInteractiveSwitch>();
  example->Scale(2, 2);
  example->Remap();
  FExampleSwitch = example.get();
  FUi->Example->SetDevice(std::move(example));
  ChooseType(TInteractiveSwitch::Toggle);
}

TEditSwitchDialog::~TEditSwitchDialog() = default;

void TEditSwitchDialog::SetValues(std::int32_t switchType) {
  QAbstractButton* choice = FTypes->button(switchType);
  if (!choice) {
    choice = FUi->Toggle;
    switchType = TInteractiveSwitch::Toggle;
  }
  choice->setChecked(true);
  // Also when the radio button was already checked: the example returns to rest.
  ChooseType(switchType);
}

bool TEditSwitchDialog::Edit(std::int32_t& switchType) {
  return EditValues(*this, switchType);
}

void TEditSwitchDialog::ChooseType(std::int32_t switchType) {
  FSwitchType = switchType;
  FExampleSwitch->SetSwitchType(switchType);
  FUi->Example->update();
}

}  // namespace logivane
