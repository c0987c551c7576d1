#include "editor/CircuitDocument.h"

#include "editor/EditHistory.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cMacro.h"

#include <QTimer>

namespace logivane {

namespace {

/// A new, empty circuit shown as the top level.
std::unique_ptr<TMacro> NewRootCircuit() {
  auto root = std::make_unique<TMacro>();
  root->Closed = false;
  root->Displayed = true;
  return root;
}

}  // namespace

TCircuitDocument::TCircuitDocument(QObject* parent)
    : QObject(parent), FRoot(NewRootCircuit()), FLevel(FRoot.get()) {
}

TCircuitDocument::~TCircuitDocument() = default;

// ---------------------------------------------------------------------------------------------
// Levels

void TCircuitDocument::EnterLevel(TMacro& macro) {
  emit LevelLeaving();
  FLevel->Displayed = false;
  FLevelStack.push_back(FLevel);
  FLevel = &macro;
  FLevel->Displayed = true;
  MarkHistoryStale();
  emit LevelChanged();
}

void TCircuitDocument::LeaveLevel() {
  emit LevelLeaving();
  if (!IsInsideMacro()) {
    return;
  }
  FLevel->Displayed = false;
  FLevel = FLevelStack.back();
  FLevelStack.pop_back();
  FLevel->Displayed = true;
  // The sub-circuit's outline may have changed while it was open: the wires follow its pins,
  // and those that lost their pin go. The surface repaints the whole level anyway.
  FLevel->FollowAllWires();
  const bool removed = RemoveLooseWires(*FLevel);
  if (CleanSolders(*FLevel) || removed) {
    NetlistDirty = true;
    ForgetSteps();
  }
  MarkHistoryStale();
  emit LevelChanged();
}

QList<int> TCircuitDocument::LevelPath() const {
  QList<int> path;
  for (std::size_t i = 0; i < FLevelStack.size(); ++i) {
    const TMacro* inner = i + 1 < FLevelStack.size() ? FLevelStack[i + 1] : FLevel;
    path.append(FLevelStack[i]->Devices().Objects().IndexOf(inner));
  }
  return path;
}

std::vector<TMacro*> TCircuitDocument::MacrosAlong(const QList<int>& path) const {
  std::vector<TMacro*> macros;
  const TMacro* level = FRoot.get();
  for (const int index : path) {
    const TSerializeList& devices = level->Devices().Objects();
    auto* macro = index >= 0 && index < devices.Count()
                      ? dynamic_cast<TMacro*>(devices.Items(index))
                      : nullptr;
    if (!macro) {
      return {};
    }
    macros.push_back(macro);
    level = macro;
  }
  return macros;
}

void TCircuitDocument::Clear() {
  if (IsInsideMacro()) {
    // The level stays open with its symbol and pins; only what is drawn inside it goes.
    emit LevelLeaving();
    emit ObjectsRemoving({FLevel});
    FLevel->Clear();
    NetlistDirty = true;
    ForgetSteps();
    emit LevelChanged();
  } else {
    ReplaceRoot(NewRootCircuit());
  }
  FileName.clear();
  MacroName.clear();
  if (FEditHistory) {
    FEditHistory->Reset();
  }
  MarkSaved();
}

std::unique_ptr<TMacro> TCircuitDocument::ReplaceRoot(std::unique_ptr<TMacro> root) {
  emit LevelLeaving();
  emit ObjectsRemoving({FRoot.get()});
  FLevelStack.clear();
  std::unique_ptr<TMacro> old = std::exchange(FRoot, std::move(root));
  FLevel = FRoot.get();
  FLevel->Displayed = true;
  FLevel->IsSubCircuit = false;
  NetlistDirty = true;
  FSteps.SetRoot(*FRoot);
  emit StepsForgotten();
  emit LevelChanged();
  return old;
}

// ---------------------------------------------------------------------------------------------
// Edits

void TCircuitDocument::StoreModified(bool value) {
  const bool changed = value != FModified;
  FModified = value;
  if (changed) {
    emit ModifiedChanged(value);
  }
}

void TCircuitDocument::UpdateNetlist() {
  // Only a changed netlist changes the order; rebuilding it for every edit would cost a large
  // circuit a noticeable pause at each colour or name change.
  if (NetlistDirty) {
    FLevel->ClearDrivers();
    FLevel->BuildEvalOrder();
    NetlistDirty = false;
  }
}

void TCircuitDocument::BeginEdit() {
  if (FEditHistory) {
    FEditHistory->Refresh();
  }
}

void TCircuitDocument::NameNextEdit(const QString& name) {
  if (FEditHistory) {
    FEditHistory->NameNextEdit(name);
  }
}

void TCircuitDocument::CommitEdit() {
  if (!FOperatingInput) {
    ForgetSteps();
  }
  UpdateNetlist();
  FEditOpen = false;
  if (FEditHistory) {
    FEditHistory->Commit();
  }
  StoreModified(!FEditHistory || !FEditHistory->IsClean());
}

void TCircuitDocument::KeepEditOpen() {
  ForgetSteps();
  UpdateNetlist();
  FEditOpen = true;
  StoreModified(true);
}

void TCircuitDocument::OperateInput(const std::function<void()>& operate) {
  FOperatingInput = true;
  operate();
  FOperatingInput = false;
  FSteps.ChangedByHand();
}

void TCircuitDocument::ForgetSteps() {
  if (FSteps.Checkpoints() > 0) {
    FSteps.Clear();
    emit StepsForgotten();
  }
}

void TCircuitDocument::MarkSaved() {
  UpdateNetlist();
  FEditOpen = false;
  if (FEditHistory) {
    FEditHistory->MarkClean();
  }
  StoreModified(false);
}

void TCircuitDocument::MarkUnsaved() {
  if (FEditHistory) {
    FEditHistory->MarkUnsaved();
  }
  StoreModified(true);
}

void TCircuitDocument::EditAsOne(const QString& name, const std::function<void()>& edits) {
  BeginEdit();
  NameNextEdit(name);
  HoldEdits();
  edits();
  ReleaseEdits();
}

void TCircuitDocument::HoldEdits() {
  if (FEditHistory) {
    FEditHistory->Hold();
  }
}

void TCircuitDocument::ReleaseEdits() {
  if (FEditHistory) {
    FEditHistory->Release();
    StoreModified(!FEditHistory->IsClean());
  }
}

void TCircuitDocument::MarkHistoryStale() {
  if (FEditHistory) {
    FEditHistory->MarkStale();
  }
}

void TCircuitDocument::Undo() {
  if (FEditHistory && FEditHistory->CanUndo()) {
    emit LevelLeaving();  // a trace in progress ends before the circuit under it goes
    FEditHistory->Undo();
  }
}

void TCircuitDocument::Redo() {
  if (FEditHistory && FEditHistory->CanRedo()) {
    emit LevelLeaving();
    FEditHistory->Redo();
  }
}

}  // namespace logivane
