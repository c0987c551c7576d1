#include "dialogs/UpDownBox.h"

#include <QLineEdit>

namespace logivane {

TUpDownBox::TUpDownBox(QWidget* parent) : QSpinBox(parent) {
  // Only the text is read-only: QSpinBox::setReadOnly would disable the arrows as well.
  lineEdit()->setReadOnly(true);
}

void TUpDownBox::SetFactor(int factor) {
  FFactor = factor < 1 ? 1 : factor;
  lineEdit()->setText(textFromValue(value()));
}

QString TUpDownBox::textFromValue(int value) const {
  return QString::number(value * FFactor);
}

int TUpDownBox::valueFromText(const QString& text) const {
  return text.toInt() / FFactor;
}

QValidator::State TUpDownBox::validate(QString& text, int& /*pos*/) const {
  bool ok = false;
  const int shown = text.toInt(&ok);
  if (!ok || shown % FFactor != 0) {
    return QValidator::Invalid;
  }
  const int count = shown / FFactor;
  return count >= minimum() && count <= maximum() ? QValidator::Acceptable
                                                  : QValidator::Intermediate;
}

}  // namespace logivane
