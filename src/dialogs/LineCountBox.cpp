#include "dialogs/LineCountBox.h"

#include <QLineEdit>

#include <bit>

namespace logivane {

TLineCountBox::TLineCountBox(QWidget* parent) : QSpinBox(parent) {
  setRange(1, 4);
  setValue(2);
  // Only the text is read-only: QSpinBox::setReadOnly would disable the arrows as well.
  lineEdit()->setReadOnly(true);
}

void TLineCountBox::SetLineCount(int count) {
  if (count > 0 && std::has_single_bit(static_cast<unsigned>(count))) {
    const int position = std::countr_zero(static_cast<unsigned>(count));
    if (position >= minimum() && position <= maximum()) {
      setValue(position);
    }
  }
}

QString TLineCountBox::textFromValue(int value) const {
  return QString::number(1 << value);
}

int TLineCountBox::valueFromText(const QString& text) const {
  return std::countr_zero(text.toUInt());
}

QValidator::State TLineCountBox::validate(QString& text, int& /*pos*/) const {
  for (int position = minimum(); position <= maximum(); ++position) {
    if (text == textFromValue(position)) {
      return QValidator::Acceptable;
    }
  }
  return QValidator::Invalid;
}

}  // namespace logivane
