#include "dialogs/GridSetupDlg.h"

#include "dialogs/ValueDialog.h"
#include "ui_GridSetupDlg.h"

namespace logivane {

TGridSetupDialog::TGridSetupDialog(QWidget* parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TGridSetupDialog>()) {
  FUi->setupUi(this);
  connect(FUi->Spacing, &QSpinBox::valueChanged, this, &TGridSetupDialog::UpdateDisplayBox);
  UpdateDisplayBox();
}

TGridSetupDialog::~TGridSetupDialog() = default;

void TGridSetupDialog::SetValues(const TGridSettings& values) {
  FUi->SnapToGrid->setChecked(values.SnapToGrid);
  FUi->ShowGrid->setChecked(values.ShowGrid);
  FUi->AngleStep->setValue(values.AngleStep);
  FUi->Spacing->setValue(values.Spacing);
  FUi->DisplayFrequency->setValue(values.DisplayFrequency);
  UpdateDisplayBox();
}

TGridSettings TGridSetupDialog::Values() const {
  TGridSettings values;
  values.SnapToGrid = FUi->SnapToGrid->isChecked();
  values.ShowGrid = FUi->ShowGrid->isChecked();
  values.AngleStep = FUi->AngleStep->value();
  values.Spacing = FUi->Spacing->value();
  // The box shows the dot spacing; the field is the count of grid points it stands for.
  values.DisplayFrequency = FUi->DisplayFrequency->value();
  return values;
}

bool TGridSetupDialog::Edit(TGridSettings& values) {
  return EditValues(*this, values);
}

void TGridSetupDialog::UpdateDisplayBox() {
  FUi->DisplayFrequency->SetFactor(FUi->Spacing->value());
}

}  // namespace logivane
