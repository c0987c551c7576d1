#include "dialogs/UpDownBox.h"

#include <QLineEdit>

namespace logivane {

TUpDownBox::TUpDownBox(QWidget* parent)
    : QSpinBox(parent), FShown([](int value) { return value; }) {
  // Only the text is read-only: QSpinBox::setReadOnly would disable the arrows as well.
  lineEdit()->setReadOnly(true);
}

void TUpDownBox::SetShownValue(TShownValue shown) {
  FShown = std::move(shown);
  lineEdit()->setText(textFromValue(value()));
}

void TUpDownBox::SetFactor(int factor) {
  const int f = factor < 1 ? 1 : factor;
  SetShownValue([f](int value) { return value * f; });
}

QString TUpDownBox::textFromValue(int value) const {
  return QString::number(FShown(value));
}

std::optional<int> TUpDownBox::ValueShownAs(const QString& text) const {
  bool ok = false;
  const int shown = text.toInt(&ok);
  if (!ok) {
    return std::nullopt;
  }
  // The ranges of these boxes are a few dozen values at most.
  for (int value = minimum(); value <= maximum(); ++value) {
    if (FShown(value) == shown) {
      return value;
    }
  }
  return std::nullopt;
}

int TUpDownBox::valueFromText(const QString& text) const {
  return ValueShownAs(text).value_or(value());
}

QValidator::State TUpDownBox::validate(QString& text, int& /*pos*/) const {
  bool ok = false;
  (void)text.toInt(&ok);
  if (!ok) {
    return QValidator::Invalid;
  }
  return ValueShownAs(text) ? QValidator::Acceptable : QValidator::Intermediate;
}

}  // namespace logivane
