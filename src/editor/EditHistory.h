#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <vector>

namespace logivane {

/// A state of the document: the stream of the whole circuit and the macro levels then open.
struct TDocumentState {
  QByteArray Bytes;
  /// For each open level below the root, its index among its parent's devices.
  QList<int> LevelPath;
  /// What `TEditHistory::Prepare` made of the bytes ahead of time; then `Bytes` may be empty.
  std::shared_ptr<void> Prepared;
};

/**
 * @brief Undo and redo of every edit of a circuit, as snapshots of the whole document.
 *
 * Edits do not describe themselves: after each one the history captures the document and, when
 * its stream differs from the state kept after the previous edit, pushes one step holding both
 * states, compressed. Any edit, whatever code made it, is covered this way. A step is named by
 * `NameNextEdit` before the edit or by `NameLatestEdit` just after it.
 *
 * The history keeps at most `StepLimit` steps and `MemoryLimit` bytes of snapshots, dropping the
 * oldest steps first; the live circuit is never part of that count.
 */
class TEditHistory : public QObject {
  Q_OBJECT
public:
  using TCapture = std::function<TDocumentState()>;
  using TRestore = std::function<void(const TDocumentState&)>;

  using TPrepare = std::function<std::shared_ptr<void>(const QByteArray& bytes)>;

  TEditHistory(TCapture capture, TRestore restore, QObject* parent = nullptr);
  /// Turns a state's bytes into what restoring it needs, while the program is idle, for the
  /// states that the next undo and the next redo would restore and for the current one, which
  /// the undo of the next edit restores; those then restore at once.
  TPrepare Prepare;
  ~TEditHistory() override;

  static constexpr int DefaultStepLimit = 1000;
  /// A step of a 10,000-device circuit holds about 1.5 MB, so this keeps well over 100 of them.
  static constexpr qsizetype DefaultMemoryLimit = qsizetype(256) << 20;
  int StepLimit = DefaultStepLimit;
  qsizetype MemoryLimit = DefaultMemoryLimit;

  /// Starts again from the document as it is now, with no steps and nothing changed.
  void Reset();
  /// Records the edit that has just ended, if it changed the document; true when it did.
  bool Commit();
  /// The document now is as saved.
  void MarkClean();
  /// No state of the history is as saved any more (the document came from elsewhere than its
  /// file): undo never makes it unchanged.
  void MarkUnsaved() { FStack.resetClean(); }
  /// Something that is not an edit (running, resetting) changed the document: the next edit
  /// starts from the document as it will then be, not as it was after the last edit.
  void MarkStale() { FStale = true; }
  /// Takes the document as it is now as the state before the next edit, if it went stale.
  void Refresh();
  /// Makes the edits until the matching `Release` one step, recorded by the release.
  void Hold() { ++FHeld; }
  void Release();
  /// Names the step that the next commit pushes.
  void NameNextEdit(const QString& name);
  /// Names the step just pushed, unless it was already named.
  void NameLatestEdit(const QString& name);

  void Undo();
  void Redo();
  bool CanUndo() const { return FStack.canUndo(); }
  bool CanRedo() const { return FStack.canRedo(); }
  QString UndoText() const { return FStack.undoText(); }
  QString RedoText() const { return FStack.redoText(); }
  bool IsClean() const { return FStack.isClean(); }
  int Count() const { return FStack.count(); }
  /// The steps done and not undone.
  int Index() const { return FStack.index(); }
  /// The stream of the document after the last edit, undo or redo, while nothing else changed
  /// it since; empty when something did. It shares the bytes held, so it costs no serialising.
  QByteArray CurrentBytes();
  /// Bytes of compressed snapshots held by the steps.
  qsizetype MemoryUsed() const;

signals:
  /// The steps, their names or the clean state changed.
  void Changed();

private:
  class TSnapshot;
  class TStep;
  friend class TStep;

  /// Prepares the current state and its neighbours once the event loop is idle.
  void SchedulePrepare();
  void PrepareNeighbours();
  /// Drops the oldest steps until the limits hold.
  void Trim();
  void Apply(const std::shared_ptr<TSnapshot>& state);
  TStep* Latest() const;

  TCapture FCapture;
  TRestore FRestore;
  /// Compresses the snapshots, one at a time; destroying it waits for the work in hand.
  QThreadPool FWorkers;
  QUndoStack FStack;
  /// The document after the last edit, undo or redo.
  std::shared_ptr<TSnapshot> FCurrent;
  QString FNextName;
  bool FLatestNamed = true;
  bool FStale = false;
  /// Steps being moved into a fresh stack; they change nothing.
  bool FReplaying = false;
  /// A state is being put back; what that does is no edit.
  bool FRestoring = false;
  int FHeld = 0;
  bool FPrepareScheduled = false;
  /// An edit was made while held.
  bool FPending = false;
};

}  // namespace logivane
