#include "dialogs/ChangeMemoryDlg.h"

#include "dialogs/ValueDialog.h"
#include "simulation/cMemory.h"
#include "ui_ChangeMemoryDlg.h"

#include <QPainter>

#include <bit>

namespace logivane {

TChangeMemoryDialog::TChangeMemoryDialog(QWidget* parent)
    : QDialog(parent),
      FUi(std::make_unique<Ui::TChangeMemoryDialog>()),
      FExampleDevice(std::make_unique<TMemoryDevice>()) {
  FUi->setupUi(this);
  // The data box steps the exponent: 0 to 4 give 1 to 16 lines.
  FUi->DataLines->SetShownValue([](int exponent) { return 1 << exponent; });
  FUi->PaintBox->installEventFilter(this);
  connect(FUi->AddressLines, &QSpinBox::valueChanged, this, &TChangeMemoryDialog::RebuildExample);
  connect(FUi->DataLines, &QSpinBox::valueChanged, this, &TChangeMemoryDialog::RebuildExample);
  connect(FUi->RAMButton, &QRadioButton::toggled, this, &TChangeMemoryDialog::RebuildExample);
  RebuildExample();
}

TChangeMemoryDialog::~TChangeMemoryDialog() = default;

void TChangeMemoryDialog::SetValues(const TMemorySize& values) {
  (values.IsRAM ? FUi->RAMButton : FUi->ROMButton)->setChecked(true);
  FUi->AddressLines->setValue(values.AddressWidth);
  const int dataWidth = values.DataWidth < 1 ? 1 : values.DataWidth;
  FUi->DataLines->setValue(std::bit_width(static_cast<unsigned>(dataWidth)) - 1);
  RebuildExample();
}

TMemorySize TChangeMemoryDialog::Values() const {
  return {FUi->RAMButton->isChecked(), FUi->AddressLines->value(), 1 << FUi->DataLines->value()};
}

bool TChangeMemoryDialog::Edit(TMemorySize& values) {
  return EditValues(*this, values);
}

void TChangeMemoryDialog::RebuildExample() {
  const TMemorySize size = Values();
  FExampleDevice->BuildSymbol(size.IsRAM, size.AddressWidth, size.DataWidth);
  FUi->PaintBox->update();
}

bool TChangeMemoryDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FUi->PaintBox || event->type() != QEvent::Paint) {
    return QDialog::eventFilter(watched, event);
  }
  QPainter painter(FUi->PaintBox);
  painter.fillRect(FUi->PaintBox->rect(), Qt::white);
  // The symbol is built around its origin; the box's centre is where it belongs.
  painter.translate(FUi->PaintBox->width() / 2, FUi->PaintBox->height() / 2);
  FExampleDevice->Draw(painter);
  return true;
}

}  // namespace logivane
