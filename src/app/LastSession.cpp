#include "app/LastSession.h"

#include "app/MainUnit.h"
#include "app/Settings.h"
#include "editor/CircuitDocument.h"

#include <QFileInfo>

namespace logivane {

void KeepLastSession(const TCircuitDocument& document, TProgramSettings& settings) {
  // A name given on the command line may be relative to a folder the next start is not in.
  settings.LastCircuit =
      document.FileName.isEmpty() ? QString() : QFileInfo(document.FileName).absoluteFilePath();
  settings.LastLevelPath = document.LevelPath();
}

bool ReopenLastSession(TMainForm& window, const TProgramSettings& settings) {
  const QString& fileName = settings.LastCircuit;
  if (fileName.isEmpty() || !QFileInfo(fileName).isFile() || !window.OpenCircuit(fileName)) {
    return false;
  }
  for (TMacro* macro : window.Document().MacrosAlong(settings.LastLevelPath)) {
    window.OpenMacroLevel(*macro);
  }
  return true;
}

}  // namespace logivane
