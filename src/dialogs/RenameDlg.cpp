#include "dialogs/RenameDlg.h"

#include "dialogs/ValueDialog.h"
#include "ui_RenameDlg.h"

namespace logivane {

TRenameDialog::TRenameDialog(QWidget* parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TRenameDialog>()) {
  FUi->setupUi(this);
}

TRenameDialog::~TRenameDialog() = default;

void TRenameDialog::SetValues(const TRenameValues& values) {
  FUi->Text->setText(values.Text);
  FUi->Overbar->setChecked(values.Overbar);
}

TRenameValues TRenameDialog::Values() const {
  return {FUi->Text->text(), FUi->Overbar->isChecked()};
}

bool TRenameDialog::Edit(TRenameValues& values) {
  return EditValues(*this, values);
}

void TRenameDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Typing replaces the old label at once.
  FUi->Text->setFocus(Qt::OtherFocusReason);
  FUi->Text->selectAll();
}

}  // namespace logivane
