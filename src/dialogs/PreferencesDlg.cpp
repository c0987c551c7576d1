#include "dialogs/PreferencesDlg.h"

#include "dialogs/HelpTopics.h"
#include "dialogs/ValueDialog.h"
#include "ui_PreferencesDlg.h"

#include <algorithm>
#include <iterator>

namespace logivane {

TPreferencesDialog::TPreferencesDialog(int longestAutosave, QWidget* parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TPreferencesDialog>()) {
  FUi->setupUi(this);
  FUi->AutosaveInterval->setMaximum(longestAutosave);
  FUi->HistoryDepth->setRange(1, TStepHistory::MaxDepth);
  // Each language is named in itself, so that a user who cannot read the current one finds it.
  const QString names[] = {tr("System default"), QStringLiteral("English"),
                           QStringLiteral("Deutsch"), QStringLiteral("Français"),
                           QStringLiteral("Español")};
  for (std::size_t i = 0; i < std::size(LanguageCodes); ++i) {
    FUi->Language->addItem(names[i], QLatin1String(LanguageCodes[i]));
  }
  connect(FUi->HelpButton, &QPushButton::clicked, this, [] {
    ShowHelpTopic(ProgramHelpFile(), QLatin1String(HelpWindowName),
                  QStringLiteral("files.htm#preferences"));
  });
}

TPreferencesDialog::~TPreferencesDialog() = default;

void TPreferencesDialog::SetValues(const TPreferences& values) {
  FUi->AutosaveInterval->setValue(values.AutosaveInterval);
  FUi->ReopenLastCircuit->setChecked(values.ReopenLastCircuit);
  FUi->HistoryDepth->setValue(values.HistoryDepth);
  FUi->Language->setCurrentIndex(std::max(0, FUi->Language->findData(values.Language)));
  FUi->Theme->setCurrentIndex(static_cast<int>(values.Theme));
}

TPreferences TPreferencesDialog::Values() const {
  return {FUi->AutosaveInterval->value(), FUi->ReopenLastCircuit->isChecked(),
          FUi->HistoryDepth->value(), FUi->Language->currentData().toString(),
          static_cast<TTheme>(FUi->Theme->currentIndex())};
}

bool TPreferencesDialog::Edit(TPreferences& values) {
  return EditValues(*this, values);
}

}  // namespace logivane
