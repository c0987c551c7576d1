#include "dialogs/FileStatusDlg.h"

#include "ui_FileStatusDlg.h"

namespace logivane {

TFileStatusDialog::TFileStatusDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      FUi(std::make_unique<Ui::TFileStatusDialog>()) {
  FUi->setupUi(this);
}

TFileStatusDialog::~TFileStatusDialog() = default;

void TFileStatusDialog::SetStatus(const QString& text) {
  FUi->LabelStatus->setText(text);
}

void TFileStatusDialog::ShowProgress(int percent) {
  if (FUi->ProgressBar->value() != percent) {
    FUi->ProgressBar->setValue(percent);
    FUi->ProgressBar->repaint();
  }
}

void TFileStatusDialog::showEvent(QShowEvent* event) {
  FUi->ProgressBar->setValue(0);
  QDialog::showEvent(event);
}

}  // namespace logivane
