#include "dialogs/ExportPictureDlg.h"

#include "dialogs/ValueDialog.h"
#include "ui_ExportPictureDlg.h"

namespace logivane {

TExportPictureDialog::TExportPictureDialog(QWidget* parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TExportPictureDialog>()) {
  FUi->setupUi(this);
}

TExportPictureDialog::~TExportPictureDialog() = default;

void TExportPictureDialog::SetValues(const TExportPictureValues& values) {
  FUi->Scale->setValue(values.ScalePercent);
  (values.Transparent ? FUi->Transparent : FUi->White)->setChecked(true);
}

TExportPictureValues TExportPictureDialog::Values() const {
  return {FUi->Scale->value(), FUi->Transparent->isChecked()};
}

bool TExportPictureDialog::Edit(TExportPictureValues& values) {
  return EditValues(*this, values);
}

}  // namespace logivane
