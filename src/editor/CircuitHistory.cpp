// The document's side of undo and redo: what a snapshot of the document is, and how one is put
// back.
#include "editor/CircuitDocument.h"
#include "editor/EditHistory.h"
#include "simulation/cMacro.h"

#include <QTimer>

namespace logivane {

namespace {

/// A state read back ahead of time, ready to be shown.
struct TPreparedDocument {
  std::unique_ptr<TMacro> Root;
  QString MacroName;
};

}  // namespace

void TCircuitDocument::EnableEditHistory() {
  if (FEditHistory) {
    return;
  }
  FEditHistory =
      new TEditHistory([this] { return CaptureState(); },
                       [this](const TDocumentState& state) { RestoreState(state); }, this);
  FEditHistory->Prepare = [](const QByteArray& bytes) -> std::shared_ptr<void> {
    TCircuitReadResult result = ReadCircuitBytes(bytes);
    if (!result.Succeeded()) {
      return nullptr;
    }
    // What showing it as the root would do first, done while the program is idle.
    result.Circuit->ClearDrivers();
    result.Circuit->BuildEvalOrder();
    return std::make_shared<TPreparedDocument>(
        TPreparedDocument{std::move(result.Circuit), result.MacroName});
  };
  connect(FEditHistory, &TEditHistory::Changed, this,
          [this] { StoreModified(!FEditHistory->IsClean() || FEditOpen); });
  FEditHistory->Reset();
}

TDocumentState TCircuitDocument::CaptureState() const {
  // The whole circuit, not only the level shown: an edit inside a macro changes the file that
  // holds it, and a level cannot be put back on its own without breaking its outline's wires.
  TDocumentState state{CircuitBytes(*FRoot, MacroName, FCapturedSize), LevelPath(), nullptr};
  FCapturedSize = state.Bytes.size();
  return state;
}

void TCircuitDocument::RestoreState(const TDocumentState& state) {
  TPreparedDocument document;
  const bool prepared = state.Prepared != nullptr;
  if (prepared) {
    document = std::move(*std::static_pointer_cast<TPreparedDocument>(state.Prepared));
  } else {
    TCircuitReadResult result = ReadCircuitBytes(state.Bytes);
    if (!result.Succeeded()) {
      return;  // the program wrote these bytes itself; the document stays as it is
    }
    document = {std::move(result.Circuit), result.MacroName};
  }
  // The old circuit goes once the new one is on screen: freeing a large one takes a while.
  FDiscarded.push_back(ReplaceRoot(std::move(document.Root)));
  QTimer::singleShot(0, this, [this] { FDiscarded.clear(); });
  MacroName = document.MacroName;
  const std::vector<TMacro*> levels = MacrosAlong(state.LevelPath);
  for (TMacro* macro : levels) {
    FLevel->Displayed = false;
    FLevelStack.push_back(FLevel);
    FLevel = macro;
    FLevel->Displayed = true;
    FLevel->Closed = false;  // as the level was when it was opened for editing
  }
  NetlistDirty = false;
  if (!prepared || IsInsideMacro()) {
    FLevel->ClearDrivers();
    FLevel->BuildEvalOrder();
  }
  if (!levels.empty()) {
    emit LevelChanged();
  }
}

}  // namespace logivane
