#include "dialogs/EditSeqDlg.h"

#include "dialogs/ValueDialog.h"
#include "document/cNumberText.h"
#include "ui_EditSeqDlg.h"

#include <QKeyEvent>

namespace logivane {

TEditSequenceDialog::TEditSequenceDialog(QWidget* parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TEditSequenceDialog>()) {
  FUi->setupUi(this);
  // A full binary pattern fits the box without scrolling its first digits out of sight.
  const QString fullPattern(BinaryDigitLimit + 2, u'0');
  FUi->Pattern->setMinimumWidth(FUi->Pattern->fontMetrics().horizontalAdvance(fullPattern));
  const QList<QPushButton*> digitKeys = {
      FUi->Key0, FUi->Key1, FUi->Key2, FUi->Key3, FUi->Key4, FUi->Key5, FUi->Key6, FUi->Key7,
      FUi->Key8, FUi->Key9, FUi->KeyA, FUi->KeyB, FUi->KeyC, FUi->KeyD, FUi->KeyE, FUi->KeyF};
  // Keys act as the mouse goes down, as a calculator's do.
  for (int value = 0; value < digitKeys.size(); ++value) {
    connect(digitKeys[value], &QPushButton::pressed, this, [this, value] { PressDigit(value); });
  }
  connect(FUi->BackKey, &QPushButton::pressed, this, &TEditSequenceDialog::PressBack);
  connect(FUi->ClearKey, &QPushButton::pressed, this, &TEditSequenceDialog::PressClear);
  connect(FUi->Hex, &QRadioButton::toggled, this, [this](bool on) {
    if (on) {
      ChooseHex();
    }
  });
  connect(FUi->Bin, &QRadioButton::toggled, this, [this](bool on) {
    if (on) {
      ChooseBin();
    }
  });
  FUi->Bin->installEventFilter(this);
  FUi->Hex->installEventFilter(this);
}

TEditSequenceDialog::~TEditSequenceDialog() = default;

bool TEditSequenceDialog::HexMode() const {
  return FUi->Hex->isChecked();
}

QRadioButton* TEditSequenceDialog::ActiveRadio() const {
  return HexMode() ? FUi->Hex : FUi->Bin;
}

void TEditSequenceDialog::SetValues(const QString& sequence) {
  FUi->Pattern->setText(HexMode() ? BinToHex(sequence) : sequence);
  ActiveRadio()->setFocus();
}

QString TEditSequenceDialog::Values() const {
  const QString text = FUi->Pattern->text();
  return HexMode() ? HexToBin(text) : text;
}

bool TEditSequenceDialog::Edit(QString& sequence) {
  return EditValues(*this, sequence);
}

void TEditSequenceDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ActiveRadio()->setFocus();
}

void TEditSequenceDialog::ChooseHex() {
  FUi->Pattern->setText(BinToHex(FUi->Pattern->text()));
  FDigitLimit /= 4;
  FUi->Hex->setFocus();
}

void TEditSequenceDialog::ChooseBin() {
  FDigitLimit = BinaryDigitLimit;
  FUi->Pattern->setText(HexToBin(FUi->Pattern->text()));
  FUi->Bin->setFocus();
}

void TEditSequenceDialog::PressDigit(int value) {
  const QString text = FUi->Pattern->text();
  const bool fits = text.size() < FDigitLimit;
  if (fits && (HexMode() ? value >= 0 && value < 16 : value == 0 || value == 1)) {
    FUi->Pattern->setText(text + QString::number(value, 16).toUpper());
  }
  ActiveRadio()->setFocus();
}

void TEditSequenceDialog::PressBack() {
  QString text = FUi->Pattern->text();
  text.chop(1);
  FUi->Pattern->setText(text);
  ActiveRadio()->setFocus();
}

void TEditSequenceDialog::PressClear() {
  FUi->Pattern->clear();
  ActiveRadio()->setFocus();
}

int TEditSequenceDialog::KeyForText(const QString& text) const {
  if (text.size() != 1) {
    return -1;
  }
  const char16_t c = text.front().unicode();
  if (!HexMode()) {
    return c == u'0' || c == u'1' ? c - u'0' : -1;
  }
  if (c >= u'0' && c <= u'9') {
    return c - u'0';
  }
  // Only the lower-case letters stand for the keys A to F.
  return c >= u'a' && c <= u'f' ? c - u'a' + 10 : -1;
}

bool TEditSequenceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || (watched != FUi->Bin && watched != FUi->Hex)) {
    return QDialog::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Backspace) {
    PressBack();
    return true;
  }
  if (key->key() == Qt::Key_Delete) {
    PressClear();
    return true;
  }
  if (const int value = KeyForText(key->text()); value >= 0) {
    PressDigit(value);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace logivane
