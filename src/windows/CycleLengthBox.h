#pragma once

#include "dialogs/UpDownBox.h"

namespace logivane {

/**
 * @brief The Logic History's cycle length: its arrows step a power of two (2 to 8 by default)
 * and it shows the number of clock cycles that power gives (4 to 256).
 */
class TCycleLengthBox : public TUpDownBox {
  Q_OBJECT
public:
  explicit TCycleLengthBox(QWidget* parent = nullptr);

  /// The clock cycles shown: 2 to the power of the value.
  int Cycles() const { return 1 << value(); }

protected:
  QString textFromValue(int value) const override;
  int valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& pos) const override;
};

}  // namespace logivane
