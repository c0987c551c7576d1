#include "dialogs/AssociateHelpDlg.h"

#include "dialogs/HelpTopics.h"
#include "dialogs/ValueDialog.h"
#include "ui_AssociateHelpDlg.h"

#include <QFileInfo>
#include <QRegularExpressionValidator>

namespace logivane {

TAssociateHelpDialog::TAssociateHelpDialog(QWidget* parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TAssociateHelpDialog>()) {
  FUi->setupUi(this);
  // A Windows Help file is kept for circuits that name one, but not offered for new ones.
  FUi->Pages->setTabVisible(FUi->Pages->indexOf(FUi->HelpFilePage), false);
  // Typed or pasted, the context number is at most four digits.
  FUi->ContextID->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), this));
  connect(FUi->HelpButton, &QPushButton::clicked, this, [] {
    ShowHelpTopic(ProgramHelpFile(), QLatin1String(HelpWindowName),
                  QStringLiteral("MacroAssignDatasheet.htm"));
  });
}

TAssociateHelpDialog::~TAssociateHelpDialog() = default;

void TAssociateHelpDialog::SetValues(const TDatasheetValues& values) {
  FContextID = values.ContextID;
  FUi->HelpFileName->clear();
  FUi->ContextID->setText(QStringLiteral("0"));
  FUi->Url->setText(QStringLiteral("http://"));
  FUi->DocumentName->clear();
  const QString extension = QFileInfo(values.Datasheet).suffix().toLower();
  if (extension == QLatin1String("hlp")) {
    FUi->HelpFileName->setText(values.Datasheet);
    FUi->ContextID->setText(values.ContextID);
    FUi->Pages->setCurrentWidget(FUi->HelpFilePage);
  } else if (extension == QLatin1String("htm") || extension == QLatin1String("html") ||
             values.Datasheet.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
             values.Datasheet.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) {
    FUi->Url->setText(values.Datasheet);
    FUi->Pages->setCurrentWidget(FUi->WebPage);
  } else {
    FUi->DocumentName->setText(values.Datasheet);
    FUi->Pages->setCurrentWidget(FUi->DocumentPage);
  }
}

TDatasheetValues TAssociateHelpDialog::Values() const {
  QWidget* page = FUi->Pages->currentWidget();
  if (page == FUi->HelpFilePage) {
    return {FUi->HelpFileName->text().trimmed(), FUi->ContextID->text()};
  }
  if (page == FUi->DocumentPage) {
    return {FUi->DocumentName->text().trimmed(), FContextID};
  }
  // The box starts with the scheme alone, which names no page.
  QString address = FUi->Url->text().trimmed();
  if (address.compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0 ||
      address.compare(QLatin1String("https://"), Qt::CaseInsensitive) == 0) {
    address.clear();
  }
  return {address, FContextID};
}

bool TAssociateHelpDialog::Edit(TDatasheetValues& values) {
  return EditValues(*this, values);
}

}  // namespace logivane
