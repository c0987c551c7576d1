#pragma once

#include <QSpinBox>

namespace logivane {

/**
 * @brief A number box that the user changes with its arrows (or the arrow keys) only.
 *
 * It may show its value times a factor: the grid dialog's display box steps a count of grid
 * spacings but shows the distance between the painted dots.
 */
class TUpDownBox : public QSpinBox {
  Q_OBJECT
public:
  explicit TUpDownBox(QWidget* parent = nullptr);

  int Factor() const { return FFactor; }
  /// Shows the value times `factor` from now on; factors below 1 count as 1.
  void SetFactor(int factor);

protected:
  QString textFromValue(int value) const override;
  int valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& pos) const override;

private:
  int FFactor = 1;
};

}  // namespace logivane
