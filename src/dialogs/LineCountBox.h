#pragma once

#include <QSpinBox>

namespace logivane {

/**
 * @brief The number of input lines of a numeric display: an up-down whose position p (1 to 4)
 * shows as 2^p lines.
 *
 * The text is only a display: typing never changes it, the arrows and arrow keys do.
 */
class TLineCountBox : public QSpinBox {
  Q_OBJECT
public:
  explicit TLineCountBox(QWidget* parent = nullptr);

  int LineCount() const { return 1 << value(); }
  /// Moves the up-down to `count` lines (2, 4, 8 or 16); other counts leave it where it is.
  void SetLineCount(int count);

protected:
  QString textFromValue(int value) const override;
  int valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& pos) const override;
};

}  // namespace logivane
