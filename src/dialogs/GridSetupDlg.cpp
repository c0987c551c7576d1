#include "dialogs/GridSetupDlg.h"

#include "dialogs/ValueDialog.h"
#include "document/cGrid.h"
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

bool EditGridWithDialog(TGrid& grid, QWidget* parent) {
  TGridSettings values{grid.SnapToGrid, grid.ShowGrid, grid.AngleStep, grid.Spacing,
                       grid.DisplayFrequency};
  TGridSetupDialog dialog(parent);
  if (!dialog.Edit(values)) {
    return false;
  }
  const bool repaint = values.ShowGrid != grid.ShowGrid || values.Spacing != grid.Spacing ||
                       values.DisplayFrequency != grid.DisplayFrequency;
  grid.SnapToGrid = values.SnapToGrid;
  grid.ShowGrid = values.ShowGrid;
  grid.AngleStep = values.AngleStep;
  grid.Spacing = values.Spacing;
  grid.DisplayFrequency = values.DisplayFrequency;
  return repaint;
}

}  // namespace logivane
