#pragma once

#include <QSpinBox>

#include <functional>
#include <optional>

namespace logivane {

/**
 * @brief A number box that the user changes with its arrows (or the arrow keys) only.
 *
 * It may show a number of its own for each value: the grid dialog's display box steps a count
 * of grid spacings but shows the distance between the painted dots, and the memory dialog's
 * data box steps a power of two but shows the number of lines.
 */
class TUpDownBox : public QSpinBox {
  Q_OBJECT
public:
  using TShownValue = std::function<int(int value)>;

  explicit TUpDownBox(QWidget* parent = nullptr);

  /// Shows `shown(value)` from now on; it must give every value of the range its own number.
  void SetShownValue(TShownValue shown);
  /// Shows the value times `factor` from now on; factors below 1 count as 1.
  void SetFactor(int factor);

protected:
  QString textFromValue(int value) const override;
  int valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& pos) const override;

private:
  /// The value of the range that shows as `text`, if any.
  std::optional<int> ValueShownAs(const QString& text) const;

  TShownValue FShown;
};

}  // namespace logivane
