#pragma once

#include "simulation/cCircuitFile.h"
#include "simulation/cStepHistory.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace logivane {

class TEditHistory;
class TGraphicObject;
class TGrid;
class TMacro;
struct TDocumentState;

/**
 * @brief A circuit being edited: its root, the macro levels opened down to the one shown, its
 * file and macro names, whether it changed since it was saved, and the undo history of its
 * edits.
 *
 * The document knows nothing of windows. A surface shows its level and hears of every change of
 * level through `LevelLeaving` and `LevelChanged`; files report progress through a callback, so
 * the window that asked shows it. Every edit runs between `BeginEdit` and `CommitEdit`, so that
 * its undo step starts from the document as the edit found it, whatever ran in between.
 */
class TCircuitDocument : public QObject {
  Q_OBJECT
public:
  using TProgress = std::function<void(int percent)>;

  explicit TCircuitDocument(QObject* parent = nullptr);
  ~TCircuitDocument() override;

  /// The outermost level, which is simulated.
  TMacro& Root() const { return *FRoot; }
  /// The level shown and edited.
  TMacro& Level() const { return *FLevel; }
  bool IsInsideMacro() const { return !FLevelStack.empty(); }
  void EnterLevel(TMacro& macro);
  /// Goes back to the level that holds the one shown; wires cut loose by a changed outline go.
  void LeaveLevel();
  /// The level shown as the way down to it from the root: for each level opened, its index
  /// among the devices of the level that holds it. Empty at the root.
  QList<int> LevelPath() const;
  /// The macros that `path` opens one inside the other from the root; none when it does not
  /// fit the circuit (an index out of range, or a device that is no macro).
  std::vector<TMacro*> MacrosAlong(const QList<int>& path) const;
  /// Starts a new document; inside a macro level, empties that level, which stays open.
  void Clear();
  /// Makes `root` the level shown; returns the old root, which the caller may simply drop.
  std::unique_ptr<TMacro> ReplaceRoot(std::unique_ptr<TMacro> root);

  QString FileName;
  QString MacroName;
  /// Structural edits since the evaluation order was last rebuilt.
  bool NetlistDirty = false;

  bool Modified() const { return FModified; }

  // Edits.
  /// Gives the document undo and redo of its edits.
  void EnableEditHistory();
  /// The undo history, or none when the document keeps none.
  TEditHistory* EditHistory() const { return FEditHistory; }
  /// An edit starts: its undo step goes back to the document as it is now.
  void BeginEdit();
  /// Names the edit that is about to be made, for the undo history.
  void NameNextEdit(const QString& name);
  /// An edit ended: the evaluation order follows a changed netlist and the history records it.
  void CommitEdit();
  /// An edit changed the document but goes on (a drag, a wire being traced); a later commit
  /// records all of it.
  void KeepEditOpen();
  /// The document is as saved.
  void MarkSaved();
  /// The document differs from its file though no edit made it so (it was read from a copy).
  void MarkUnsaved();
  /// Runs `edits`, which make one change in several edits, as one step `name` of the history.
  void EditAsOne(const QString& name, const std::function<void()>& edits);
  /// Makes the edits until `ReleaseEdits` one step.
  void HoldEdits();
  void ReleaseEdits();
  /// The document changed without an edit (running, resetting): the next edit starts from the
  /// state it will then find.
  void MarkHistoryStale();
  /// Puts the document back as it was before the last edit, or after the edit undone last.
  void Undo();
  void Redo();
  /// Rebuilds the evaluation order of the level shown after a structural edit.
  void UpdateNetlist();

  // Running.
  /// The steps the circuit ran, to go back through. Any edit forgets them, as they belong to
  /// the circuit as it was; operating an input forgets only those after the step shown.
  TStepHistory& Steps() { return FSteps; }
  /// Runs `operate`, which operates an input and records it as an edit, as a change of the
  /// run's state rather than of the circuit.
  void OperateInput(const std::function<void()>& operate);
  /// Forgets the steps run so far: the circuit was reset, or changed in a way no edit records.
  void ForgetSteps();

  // Files.
  /// The whole circuit as Save at the root level writes it: the levels open for editing are
  /// written closed, as they are once left.
  QByteArray RootFileBytes();
  /// `RootFileBytes` taken from the edit history's last state, which holds them while nothing
  /// but edits changed the document and no level is open; empty otherwise. Costs no serialising.
  QByteArray RecordedRootFileBytes() const;
  /// Writes the level shown; on success it becomes the document's file.
  bool SaveToFile(const QString& fileName, QString* error = nullptr);
  /// Reads `fileName` as the document; on failure the document stays as it was and the result
  /// says why.
  TCircuitReadResult LoadFromFile(const QString& fileName, const TProgress& progress = {});
  /// Adds the circuit of `fileName` to the level shown as a closed macro whose body is centred
  /// on `centre`, its corner on `grid`; null when it could not be read, `result` saying why.
  TMacro* InsertMacroFile(const QString& fileName, QPoint centre, const TGrid& grid,
                          TCircuitReadResult& result);

signals:
  /// The level shown is about to change or to go: surfaces end what they do on it.
  void LevelLeaving();
  /// The level shown changed (a macro was opened or closed, a circuit opened or cleared).
  void LevelChanged();
  /// `doomed` and all they hold are about to be destroyed: the root, or the level emptied.
  void ObjectsRemoving(const std::vector<TGraphicObject*>& doomed);
  void ModifiedChanged(bool modified);
  /// Steps that could be gone back to, or were remembered ahead, were forgotten.
  void StepsForgotten();

private:
  void StoreModified(bool value);
  TDocumentState CaptureState() const;
  void RestoreState(const TDocumentState& state);

  std::unique_ptr<TMacro> FRoot;
  /// The length of the last captured state, which the next one will be near.
  mutable qsizetype FCapturedSize = 0;
  TMacro* FLevel = nullptr;
  /// The levels that hold the one shown, outermost first.
  std::vector<TMacro*> FLevelStack;
  TEditHistory* FEditHistory = nullptr;
  /// Roots put aside by undo and redo, freed once the restored circuit is on screen.
  std::vector<std::unique_ptr<TMacro>> FDiscarded;
  bool FModified = false;
  bool FEditOpen = false;
  TStepHistory FSteps{*FRoot};
  bool FOperatingInput = false;
};

}  // namespace logivane
