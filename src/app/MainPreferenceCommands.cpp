// The preferences of Tools > Options, and the circuit the program starts with.
#include "app/Autosave.h"
#include "app/CircuitFileCommands.h"
#include "app/Language.h"
#include "app/LastSession.h"
#include "app/MainUnit.h"
#include "app/RecoveryCommands.h"
#include "app/Settings.h"
#include "app/Theme.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "windows/TemplateForm.h"

#include <QCoreApplication>

namespace logivane {

void TMainForm::PreferencesClick() {
  TPreferences preferences = FPreferences;
  if (TPreferencesDialog(MaxAutosaveInterval, this).Edit(preferences)) {
    ApplyPreferences(preferences);
  }
}

void TMainForm::ApplyPreferences(const TPreferences& preferences) {
  // Reopening the last circuit is looked at only when the program starts.
  if (preferences.Language != FPreferences.Language) {
    TLanguage::Shared().Apply(preferences.Language);
  }
  FPreferences = preferences;
  FRecovery->Autosave().SetInterval(preferences.AutosaveInterval);
  FDrawing->Document().Steps().SetDepth(preferences.HistoryDepth);
  ApplyTheme(preferences.Theme);
}

void TMainForm::OpenStartCircuit(const TProgramSettings& settings) {
  // Work recovered takes the window before the file named at start.
  if (FRecovery->OfferRecovery()) {
    FTemplateEditor->TemplateDrawing().SetModified(false);
    ChooseMode("SpeedPointer");
    UpdateCaption();
    return;
  }
  const QString fileName = FCommandLine.join(QLatin1Char(' ')).trimmed();
  if (!fileName.endsWith(QLatin1String(".lvm"), Qt::CaseInsensitive)) {
    if (FPreferences.ReopenLastCircuit) {
      ReopenLastSession(*this, settings);
    }
  } else if (FFiles->Load(fileName)) {
    ChooseMode("SpeedPointer");
    UpdateCaption();
    // Started with a file, the program works from its own folder, where its library is.
    StartFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    SetLibraryRoot();
  }
}

}  // namespace logivane
