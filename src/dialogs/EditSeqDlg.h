#pragma once

#include <QDialog>

#include <memory>

class QAbstractButton;
class QRadioButton;

namespace Ui {
class TEditSequenceDialog;
}

namespace logivane {

/**
 * @brief The "Edit Sequence" dialog: the bit pattern of a sequence generator, typed in binary or
 * in hexadecimal on a keypad or from the keyboard.
 *
 * The pattern is binary text ("0" and "1", one character per clock cycle). In hexadecimal each
 * digit stands for four steps counted from the end, so a pattern whose length is no multiple of
 * four comes back with leading zeros. The mode and the digit limit last between showings.
 */
class TEditSequenceDialog : public QDialog {
  Q_OBJECT
public:
  /// Digits the pattern box takes in binary; in hexadecimal a quarter of it after a switch.
  static constexpr int BinaryDigitLimit = 32;

  explicit TEditSequenceDialog(QWidget* parent = nullptr);
  ~TEditSequenceDialog() override;

  /// Shows `sequence` in the current mode.
  void SetValues(const QString& sequence);
  /// The pattern in binary.
  QString Values() const;
  /// Shows the dialog modally on `sequence`; on OK stores the edited pattern and returns true.
  bool Edit(QString& sequence);

  bool HexMode() const;
  int DigitLimit() const { return FDigitLimit; }
  /// What a keypad key with `value` (0 to 15) does: appends its digit when the mode has one and
  /// the box is not full.
  void PressDigit(int value);
  void PressBack();
  void PressClear();

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void ChooseHex();
  void ChooseBin();
  QRadioButton* ActiveRadio() const;
  /// The keypad key for a typed character of the current mode, or -1.
  int KeyForText(const QString& text) const;

  std::unique_ptr<Ui::TEditSequenceDialog> FUi;
  /// Held apart from the box: a longer pattern from a file is shown whole, only typing stops.
  int FDigitLimit = BinaryDigitLimit;
};

}  // namespace logivane
