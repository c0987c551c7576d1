#include "windows/CycleLengthBox.h"

#include <bit>

namespace logivane {

TCycleLengthBox::TCycleLengthBox(QWidget* parent) : TUpDownBox(parent) {
  setRange(2, 8);
  setValue(5);
}

QString TCycleLengthBox::textFromValue(int value) const {
  return QString::number(1 << value);
}

int TCycleLengthBox::valueFromText(const QString& text) const {
  return std::countr_zero(text.toUInt());
}

QValidator::State TCycleLengthBox::validate(QString& text, int& /*pos*/) const {
  bool ok = false;
  const unsigned cycles = text.toUInt(&ok);
  if (!ok || !std::has_single_bit(cycles)) {
    return QValidator::Intermediate;
  }
  const int power = std::countr_zero(cycles);
  return power >= minimum() && power <= maximum() ? QValidator::Acceptable
                                                  : QValidator::Intermediate;
}

}  // namespace logivane
