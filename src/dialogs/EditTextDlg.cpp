#include "dialogs/EditTextDlg.h"

#include "dialogs/ValueDialog.h"
#include "document/cColourScheme.h"
#include "document/cGText.h"
#include "ui_EditTextDlg.h"

#include <QColorDialog>

#include <cstdint>

namespace logivane {
namespace {

TColour FromQColor(const QColor& colour) {
  return static_cast<TColour>(static_cast<std::uint32_t>(colour.red()) |
                              static_cast<std::uint32_t>(colour.green()) << 8 |
                              static_cast<std::uint32_t>(colour.blue()) << 16);
}

}  // namespace

std::optional<TColour> ChooseFromColourDialog(TColour current, QWidget* parent) {
  for (int i = 0; i < QColorDialog::customCount(); ++i) {
    QColorDialog::setCustomColor(i, Qt::white);
  }
  const QColor chosen = QColorDialog::getColor(ToQColor(current), parent);
  if (!chosen.isValid()) {
    return std::nullopt;
  }
  return FromQColor(chosen);
}

TEditTextValues AnnotationValues(const TGraphicText& text) {
  return {text.Text, text.FontSize, text.Italic, text.IsBold(), text.Overline, text.TextColour};
}

void ApplyAnnotationValues(const TEditTextValues& values, TGraphicText& text) {
  text.SetText(values.Text);
  text.SetItalic(values.Italic);
  text.SetBold(values.Bold);
  text.SetOverline(values.Overbar);
  text.SetFontSize(values.Size);
  text.SetTextColour(values.TextColour);
  text.Remap();
}

TEditTextDialog::TEditTextDialog(QWidget* parent)
    : QDialog(parent),
      FUi(std::make_unique<Ui::TEditTextDialog>()),
      FChooseColour(ChooseFromColourDialog) {
  FUi->setupUi(this);
  connect(FUi->TextSize, &QSpinBox::valueChanged, this, &TEditTextDialog::UpdatePreviewFont);
  connect(FUi->Italic, &QCheckBox::toggled, this, &TEditTextDialog::UpdatePreviewFont);
  connect(FUi->Bold, &QCheckBox::toggled, this, &TEditTextDialog::UpdatePreviewFont);
  connect(FUi->ClearText, &QPushButton::clicked, FUi->Text, &QLineEdit::clear);
  connect(FUi->Color, &QPushButton::clicked, this, &TEditTextDialog::ChooseColour);
  UpdatePreviewFont();
  SetTextColour(FTextColour);
}

TEditTextDialog::~TEditTextDialog() = default;

void TEditTextDialog::SetValues(const TEditTextValues& values) {
  FUi->Text->setText(values.Text);
  FUi->TextSize->setValue(values.Size);
  FUi->Italic->setChecked(values.Italic);
  FUi->Bold->setChecked(values.Bold);
  FUi->Overbar->setChecked(values.Overbar);
  SetTextColour(values.TextColour);
  UpdatePreviewFont();
}

TEditTextValues TEditTextDialog::Values() const {
  TEditTextValues values;
  values.Text = FUi->Text->text();
  values.Size = FUi->TextSize->value();
  values.Italic = FUi->Italic->isChecked();
  values.Bold = FUi->Bold->isChecked();
  values.Overbar = FUi->Overbar->isChecked();
  values.TextColour = FTextColour;
  return values;
}

bool TEditTextDialog::Edit(TEditTextValues& values) {
  return EditValues(*this, values);
}

void TEditTextDialog::SetTextColour(TColour colour) {
  FTextColour = colour;
  // Shown as the drawing will show it, so that black text stays readable on a dark screen.
  QPalette palette = FUi->Text->palette();
  palette.setColor(QPalette::Text, TColourScheme::Screen().Map(colour));
  FUi->Text->setPalette(palette);
}

void TEditTextDialog::SetColourChooser(TColourChooser chooser) {
  FChooseColour = chooser ? std::move(chooser) : ChooseFromColourDialog;
}

void TEditTextDialog::UpdatePreviewFont() {
  const int size = FUi->TextSize->value();
  FUi->TextGroup->setTitle(tr("Text - %1 points").arg(size));
  QFont font = FUi->Text->font();
  font.setPointSize(size);
  font.setItalic(FUi->Italic->isChecked());
  font.setBold(FUi->Bold->isChecked());
  FUi->Text->setFont(font);
}

void TEditTextDialog::ChooseColour() {
  if (const auto chosen = FChooseColour(FTextColour, this)) {
    SetTextColour(*chosen);
  }
}

}  // namespace logivane
