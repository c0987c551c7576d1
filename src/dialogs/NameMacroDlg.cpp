#include "dialogs/NameMacroDlg.h"

#include "dialogs/ValueDialog.h"
#include "ui_NameMacroDlg.h"

#include <QKeyEvent>

namespace logivane {

TNameMacroDialog::TNameMacroDialog(QWidget* parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TNameMacroDialog>()) {
  FUi->setupUi(this);
  FUi->MacroName->installEventFilter(this);
}

TNameMacroDialog::~TNameMacroDialog() = default;

void TNameMacroDialog::SetValues(const QString& name) {
  FUi->MacroName->setPlainText(name);
}

QString TNameMacroDialog::Values() const {
  QString name = FUi->MacroName->toPlainText();
  for (QChar& c : name) {
    if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
      c = u' ';
    }
  }
  return name;
}

bool TNameMacroDialog::Edit(QString& name) {
  return EditValues(*this, name);
}

void TNameMacroDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FUi->MacroName->setFocus(Qt::OtherFocusReason);
}

bool TNameMacroDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FUi->MacroName && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace logivane
