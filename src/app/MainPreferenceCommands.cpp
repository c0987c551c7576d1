// The preferences of Tools > Options, and the circuit the program starts with.
#include "app/CircuitFileCommands.h"
#include "app/MainUnit.h"
#include "app/Settings.h"
#include "editor/CircuitDocument.h"
#include "simulation/cMacro.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace logivane {

void TMainForm::PreferencesClick() {
  TPreferences preferences = FPreferences;
  TPreferencesDialog dialog(MaxAutosaveInterval, this);
  if (dialog.Edit(preferences)) {
    ApplyPreferences(preferences);
  }
}

void TMainForm::ApplyPreferences(const TPreferences& preferences) {
  // Reopening the last circuit is looked at only when the program starts.
  FPreferences = preferences;
}

void TMainForm::OpenStartCircuit(const QString& lastCircuit, const QList<int>& lastLevel) {
  const QString fileName = FCommandLine.join(QLatin1Char(' ')).trimmed();
  if (fileName.endsWith(QLatin1String(".lvm"), Qt::CaseInsensitive)) {
    OpenCommandLineFile(fileName);
  } else if (FPreferences.ReopenLastCircuit) {
    ReopenLastCircuit(lastCircuit, lastLevel);
  }
}

void TMainForm::OpenCommandLineFile(const QString& fileName) {
  if (FFiles->Load(fileName)) {
    ChooseMode("SpeedPointer");
    UpdateCaption();
    // Started with a file, the program works from its own folder, where its library is.
    StartFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    SetLibraryRoot();
  }
}

void TMainForm::ReopenLastCircuit(const QString& fileName, const QList<int>& levelPath) {
  // A circuit moved or deleted since the last exit is no news: the program starts empty, as
  // it would without the preference.
  if (fileName.isEmpty() || !QFileInfo(fileName).isFile() || !FFiles->Load(fileName)) {
    return;
  }
  ChooseMode("SpeedPointer");
  UpdateCaption();
  // The file may have changed since: a way down that no longer fits leaves the root shown.
  for (TMacro* macro : FDocument->MacrosAlong(levelPath)) {
    OpenMacroLevel(*macro);
  }
}

}  // namespace logivane
