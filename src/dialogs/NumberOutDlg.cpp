#include "dialogs/NumberOutDlg.h"

#include "dialogs/ValueDialog.h"
#include "ui_NumberOutDlg.h"

namespace logivane {

TNumberOutValues NumberOutValues(const TNumericDevice& display) {
  return {display.Format, display.PinCount(), display.PinsAtBottom};
}

void ApplyNumberOutValues(const TNumberOutValues& values, TNumericDevice& display) {
  display.Format = values.Format;
  display.SetPinsAtBottom(values.PinsAtBottom);
}

TNumberOutDialog::TNumberOutDialog(QWidget* parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TNumberOutDialog>()) {
  FUi->setupUi(this);
  for (QAbstractButton* control :
       {static_cast<QAbstractButton*>(FUi->Binary), static_cast<QAbstractButton*>(FUi->Hexadecimal),
        static_cast<QAbstractButton*>(FUi->Decimal),
        static_cast<QAbstractButton*>(FUi->TwosComplement),
        static_cast<QAbstractButton*>(FUi->SuppressLeadingZero),
        static_cast<QAbstractButton*>(FUi->PinsAtBottom)}) {
    connect(control, &QAbstractButton::toggled, this, &TNumberOutDialog::UpdateControls);
  }
  connect(FUi->InputLines, &QSpinBox::valueChanged, this, &TNumberOutDialog::UpdateControls);
  UpdateControls();
}

TNumberOutDialog::~TNumberOutDialog() = default;

void TNumberOutDialog::SetValues(const TNumberOutValues& values) {
  FUi->SuppressLeadingZero->setChecked(values.Format & TNumericDevice::FormatSuppressZeros);
  // The base the display itself shows when more than one flag is set.
  if (values.Format & TNumericDevice::FormatDecimal) {
    FUi->Decimal->setChecked(true);
  } else if (values.Format & TNumericDevice::FormatHex) {
    FUi->Hexadecimal->setChecked(true);
  } else {
    FUi->Binary->setChecked(true);
  }
  FUi->TwosComplement->setChecked(values.Format & TNumericDevice::FormatTwosComplement);
  FUi->PinsAtBottom->setChecked(values.PinsAtBottom);
  FUi->InputLines->SetLineCount(values.PinCount);
  UpdateControls();
}

TNumberOutValues TNumberOutDialog::Values() const {
  TNumberOutValues values;
  values.Format = FUi->SuppressLeadingZero->isChecked() ? TNumericDevice::FormatSuppressZeros : 0;
  if (FUi->Binary->isChecked()) {
    values.Format |= TNumericDevice::FormatBinary;
  } else if (FUi->Hexadecimal->isChecked()) {
    values.Format |= TNumericDevice::FormatHex;
  } else {
    values.Format |= TNumericDevice::FormatDecimal;
    if (FUi->TwosComplement->isChecked()) {
      values.Format |= TNumericDevice::FormatTwosComplement;
    }
  }
  values.PinCount = FUi->InputLines->LineCount();
  values.PinsAtBottom = FUi->PinsAtBottom->isChecked();
  return values;
}

bool TNumberOutDialog::Edit(TNumberOutValues& values) {
  return EditValues(*this, values);
}

void TNumberOutDialog::ShowSizeGroup(bool show) {
  FUi->SizeGroup->setVisible(show);
}

const TNumericDevice& TNumberOutDialog::Example() const {
  return static_cast<const TNumericDevice&>(*FUi->Example->Device());
}

void TNumberOutDialog::UpdateControls() {
  FUi->TwosComplement->setEnabled(FUi->Decimal->isChecked());
  // The example shows every input high, so each base shows its largest number (or -1).
  const TNumberOutValues values = Values();
  auto example = std::make_unique<TNumericDevice>();
  example->SetPinCount(values.PinCount);
  ApplyNumberOutValues(values, *example);
  for (int pin = 0; pin < example->PinCount(); ++pin) {
    example->Pin(pin)->Value = 1;
  }
  example->Calculate();
  FUi->Example->SetDevice(std::move(example));
}

}  // namespace logivane
