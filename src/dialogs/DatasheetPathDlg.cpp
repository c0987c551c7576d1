#include "dialogs/DatasheetPathDlg.h"

#include "dialogs/ValueDialog.h"
#include "ui_DatasheetPathDlg.h"

namespace logivane {

TDatasheetPathDialog::TDatasheetPathDialog(QWidget* parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TDatasheetPathDialog>()) {
  FUi->setupUi(this);
}

TDatasheetPathDialog::~TDatasheetPathDialog() = default;

void TDatasheetPathDialog::SetValues(const QString& path) {
  FUi->DatasheetPath->setText(path);
}

QString TDatasheetPathDialog::Values() const {
  return FUi->DatasheetPath->text().trimmed();
}

bool TDatasheetPathDialog::Edit(QString& path) {
  return EditValues(*this, path);
}

}  // namespace logivane
