// The drawing's side of undo and redo: what a snapshot of the document is, and how one is put
// back.
#include "document/cCircuitFile.h"
#include "editor/CLogivaneHandle.h"
#include "editor/EditHistory.h"
#include "editor/LogivaneDrawing.h"
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

void TLogivaneDrawing::EnableEditHistory() {
  if (FEditHistory) {
    return;
  }
  FEditHistory =
      new TEditHistory([this] { return CaptureDocument(); },
                       [this](const TDocumentState& state) { RestoreDocument(state); }, this);
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
          [this] { StoreModified(!FEditHistory->IsClean() || FHandles->Dragging()); });
  FEditHistory->Reset();
}

void TLogivaneDrawing::NameNextEdit(const QString& name) {
  if (FEditHistory) {
    FEditHistory->NameNextEdit(name);
  }
}

void TLogivaneDrawing::MarkHistoryStale() {
  if (FEditHistory) {
    FEditHistory->MarkStale();
  }
}

void TLogivaneDrawing::RefreshEditHistory() {
  if (FEditHistory) {
    FEditHistory->Refresh();
  }
}

void TLogivaneDrawing::EditAsOne(const QString& name, const std::function<void()>& edits) {
  if (!FEditHistory) {
    edits();
    return;
  }
  FEditHistory->NameNextEdit(name);
  FEditHistory->Hold();
  edits();
  FEditHistory->Release();
  StoreModified(!FEditHistory->IsClean());
}

bool TLogivaneDrawing::HoldEdits() {
  if (FEditHistory) {
    FEditHistory->Hold();
  }
  return FEditHistory != nullptr;
}

void TLogivaneDrawing::ReleaseEdits() {
  FEditHistory->Release();
  StoreModified(!FEditHistory->IsClean());
}

void TLogivaneDrawing::Undo() {
  LeaveEditingModes();  // a trace in progress ends before the circuit under it goes
  FEditHistory->Undo();
}

void TLogivaneDrawing::Redo() {
  LeaveEditingModes();
  FEditHistory->Redo();
}

void TLogivaneDrawing::RecordEdit(bool value) {
  if (!value) {
    FEditHistory->MarkClean();
  } else if (FHandles->Dragging() || WireInProgress()) {
    // The edit is not over: the release of the drag, or the end of the wire, records it. A
    // wire being traced is linked to the pin it starts at, but is no part of the circuit yet.
    StoreModified(true);
    return;
  } else {
    FEditHistory->Commit();
  }
  StoreModified(!FEditHistory->IsClean());
}

TDocumentState TLogivaneDrawing::CaptureDocument() const {
  // The whole circuit, not only the level shown: an edit inside a macro changes the file that
  // holds it, and a level cannot be put back on its own without breaking its outline's wires.
  TDocumentState state{CircuitBytes(*FRoot, MacroName), {}, nullptr};
  for (std::size_t i = 1; i <= FLevelStack.size(); ++i) {
    const TMacro& parent = *FLevelStack[i - 1];
    const TGraphicObject* level = i < FLevelStack.size() ? FLevelStack[i] : FCircuit;
    state.LevelPath.push_back(parent.Devices().Objects().IndexOf(level));
  }
  return state;
}

void TLogivaneDrawing::RestoreDocument(const TDocumentState& state) {
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
  LeaveEditingModes();
  FHandles->Deselect();
  HideNotice();
  // The old circuit goes once the new one is on screen: freeing a large one takes a while.
  FDiscarded.push_back(ReplaceCircuit(std::move(document.Root)));
  QTimer::singleShot(0, this, [this] { FDiscarded.clear(); });
  MacroName = document.MacroName;
  for (const int index : state.LevelPath) {
    TGraphicList& devices = FCircuit->Devices();
    auto* macro = index >= 0 && index < devices.Count()
                      ? dynamic_cast<TMacro*>(devices.Objects().Items(index))
                      : nullptr;
    if (!macro) {
      break;
    }
    EnterMacro(*macro);
    macro->Closed = false;  // as the level was when it was opened for editing
  }
  FPaintIndex.Invalidate();
  NetlistDirty = false;
  if (!prepared || IsInsideMacro()) {
    FCircuit->ClearDrivers();
    FCircuit->BuildEvalOrder();
  }
}

}  // namespace logivane
