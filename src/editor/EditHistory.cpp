#include "editor/EditHistory.h"

#include <QTimer>
#include <QUndoCommand>

#include <algorithm>
#include <chrono>
#include <future>
#include <iterator>

namespace logivane {

namespace {

/// The most that `qCompress` makes of `size` bytes: zlib's bound and the length in front.
qsizetype CompressedBound(qsizetype size) {
  return size + (size >> 12) + (size >> 14) + (size >> 25) + 13 + 4;
}

}  // namespace

/// One document state. The stream is kept raw while the state is the current one, to see
/// whether an edit changed anything, and until its compressed copy is ready; steps hold it
/// compressed. Compressing a large circuit takes longer than the edit itself, so it runs on a
/// worker thread while the user goes on.
class TEditHistory::TSnapshot {
public:
  TSnapshot(QByteArray bytes, QThreadPool& workers) : Raw(std::move(bytes)) {
    auto promise = std::make_shared<std::promise<QByteArray>>();
    FCompressing = promise->get_future();
    // The worker reads its own reference to the bytes, so the raw copy may go meanwhile.
    workers.start([promise, raw = Raw] {
      promise->set_value(qCompress(raw, 1));  // the fastest level: snapshots come at every edit
    });
  }

  /// Waits for the worker if it is still compressing.
  const QByteArray& Compressed() {
    if (FCompressing.valid()) {
      FCompressed = FCompressing.get();
      if (FRetired) {
        Raw.clear();
      }
    }
    return FCompressed;
  }
  QByteArray Bytes() { return Raw.isEmpty() ? qUncompress(Compressed()) : Raw; }
  /// The memory the state holds in a step; waits for the worker if it is still compressing.
  qsizetype Size() { return Compressed().size(); }
  /// At least `Size`, known without waiting.
  qsizetype SizeBound() { return CollectIfReady() ? Size() : CompressedBound(Raw.size()); }
  /// The state is no longer the current one: its raw stream goes once the compressed one is
  /// there.
  void Retire() {
    FRetired = true;
    if (CollectIfReady()) {
      Raw.clear();
    }
  }
  /// Takes the compressed stream if the worker is done; true when it is there.
  bool CollectIfReady() {
    if (FCompressing.valid() &&
        FCompressing.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
      return false;
    }
    Compressed();
    return true;
  }

  QByteArray Raw;
  std::shared_ptr<void> Prepared;

private:
  std::future<QByteArray> FCompressing;
  QByteArray FCompressed;
  bool FRetired = false;
};

/// An edit: the document before and after it, and the macro level on which it was made.
class TEditHistory::TStep : public QUndoCommand {
public:
  TStep(TEditHistory& history, std::shared_ptr<TSnapshot> before, std::shared_ptr<TSnapshot> after,
        QList<int> levelPath, const QString& name)
      : QUndoCommand(name),
        History(history),
        Before(std::move(before)),
        After(std::move(after)),
        LevelPath(std::move(levelPath)) {}

  void undo() override { Restore(Before); }
  void redo() override {
    if (!FirstRedo) {
      Restore(After);
    }
    FirstRedo = false;  // a push runs redo, but the edit has already been made
  }

  TEditHistory& History;
  std::shared_ptr<TSnapshot> Before;
  std::shared_ptr<TSnapshot> After;
  QList<int> LevelPath;
  bool FirstRedo = true;

private:
  void Restore(const std::shared_ptr<TSnapshot>& state) {
    if (!History.FReplaying) {
      TDocumentState document{{}, LevelPath, std::exchange(state->Prepared, nullptr)};
      if (!document.Prepared) {
        document.Bytes = state->Bytes();
      }
      History.FRestoring = true;
      History.FRestore(document);
      History.FRestoring = false;
      History.Apply(state);
    }
  }
};

TEditHistory::TEditHistory(TCapture capture, TRestore restore, QObject* parent)
    : QObject(parent), FCapture(std::move(capture)), FRestore(std::move(restore)) {
  connect(&FStack, &QUndoStack::indexChanged, this, &TEditHistory::Changed);
  connect(&FStack, &QUndoStack::cleanChanged, this, &TEditHistory::Changed);
  connect(&FStack, &QUndoStack::indexChanged, this, &TEditHistory::SchedulePrepare);
  FWorkers.setMaxThreadCount(1);
}

TEditHistory::~TEditHistory() {
  // The stack empties itself as it goes, which is no change anyone should hear of.
  disconnect(&FStack, nullptr, this, nullptr);
}

void TEditHistory::Reset() {
  FStack.clear();
  FCurrent = std::make_shared<TSnapshot>(FCapture().Bytes, FWorkers);
  FStale = false;
  FNextName.clear();
  FLatestNamed = true;
  SchedulePrepare();
  emit Changed();
}

bool TEditHistory::Commit() {
  if (FRestoring) {
    return false;
  }
  if (FHeld > 0) {
    FPending = true;
    return false;
  }
  if (!FCurrent) {
    Reset();
  }
  TDocumentState now = FCapture();
  const QString name = FNextName;
  FNextName.clear();
  FLatestNamed = true;
  if (FCurrent->Raw.isEmpty()) {
    FCurrent->Raw = FCurrent->Bytes();  // put back from a prepared state, never unpacked
  }
  if (now.Bytes == FCurrent->Raw) {
    return false;
  }
  auto after = std::make_shared<TSnapshot>(std::move(now.Bytes), FWorkers);
  FCurrent->Retire();
  const std::shared_ptr<TSnapshot> before = FCurrent;
  FCurrent = after;
  FStale = false;
  FStack.push(
      new TStep(*this, before, after, std::move(now.LevelPath),
                name.isEmpty() ? /*: A change of the circuit, named in Undo */ tr("Edit") : name));
  FLatestNamed = !name.isEmpty();
  Trim();
  emit Changed();
  return true;
}

void TEditHistory::MarkClean() {
  Refresh();
  FStack.setClean();
}

QByteArray TEditHistory::CurrentBytes() {
  return FStale || !FCurrent ? QByteArray() : FCurrent->Bytes();
}

void TEditHistory::Refresh() {
  if (!FStale && FCurrent) {
    return;
  }
  if (FCurrent) {
    FCurrent->Retire();
  }
  FCurrent = std::make_shared<TSnapshot>(FCapture().Bytes, FWorkers);
  FStale = false;
}

void TEditHistory::Release() {
  if (--FHeld == 0 && FPending) {
    FPending = false;
    Commit();
  }
}

void TEditHistory::NameNextEdit(const QString& name) {
  if (FHeld > 0) {
    return;  // the parts of a held edit do not name the whole
  }
  FNextName = name;
  FLatestNamed = true;
}

void TEditHistory::NameLatestEdit(const QString& name) {
  FNextName.clear();
  if (!FLatestNamed && Latest()) {
    Latest()->setText(name);
    emit Changed();
  }
  FLatestNamed = true;
}

void TEditHistory::Undo() {
  FNextName.clear();
  FLatestNamed = true;
  FStack.undo();
}

void TEditHistory::Redo() {
  FNextName.clear();
  FLatestNamed = true;
  FStack.redo();
}

void TEditHistory::Apply(const std::shared_ptr<TSnapshot>& state) {
  if (FCurrent && FCurrent != state) {
    FCurrent->Retire();
  }
  FCurrent = state;
  FStale = false;
}

void TEditHistory::SchedulePrepare() {
  if (!Prepare || FPrepareScheduled) {
    return;
  }
  FPrepareScheduled = true;
  QTimer::singleShot(0, this, &TEditHistory::PrepareNeighbours);
}

void TEditHistory::PrepareNeighbours() {
  FPrepareScheduled = false;
  const int index = FStack.index();
  const auto step = [this](int i) {
    return i >= 0 && i < FStack.count() ? static_cast<const TStep*>(FStack.command(i)) : nullptr;
  };
  const TStep* undone = step(index - 1);
  const TStep* redone = step(index);
  // The current state is what the undo of the next edit goes back to: read ahead first, that
  // undo is as quick as any other, however soon it follows the edit.
  const std::shared_ptr<TSnapshot> wanted[] = {FCurrent, undone ? undone->Before : nullptr,
                                               redone ? redone->After : nullptr};
  const auto isWanted = [&wanted](const std::shared_ptr<TSnapshot>& state) {
    return std::find(std::begin(wanted), std::end(wanted), state) != std::end(wanted);
  };
  // Only these stay prepared: each holds a whole circuit.
  for (int i = 0; i < FStack.count(); ++i) {
    for (const auto& state : {step(i)->Before, step(i)->After}) {
      if (!isWanted(state)) {
        state->Prepared.reset();
      }
    }
  }
  // One state a pass, so that input waiting in between is handled first.
  for (const auto& state : wanted) {
    if (state && !state->Prepared) {
      state->Prepared = Prepare(state->Bytes());
      if (state->Prepared) {
        SchedulePrepare();
      }
      return;
    }
  }
  // Last, the stream that the next edit is compared with, which an undo or redo left packed.
  if (FCurrent && FCurrent->Raw.isEmpty()) {
    FCurrent->Raw = FCurrent->Bytes();
  }
}

TEditHistory::TStep* TEditHistory::Latest() const {
  const int index = FStack.index();
  return index > 0 ? static_cast<TStep*>(const_cast<QUndoCommand*>(FStack.command(index - 1)))
                   : nullptr;
}

qsizetype TEditHistory::MemoryUsed() const {
  qsizetype used = 0;
  for (int i = 0; i < FStack.count(); ++i) {
    const auto* step = static_cast<const TStep*>(FStack.command(i));
    used += step->After->Size() + (i == 0 ? step->Before->Size() : 0);
  }
  return used;
}

void TEditHistory::Trim() {
  // The stack cannot drop its oldest commands itself once it holds any, so the steps that stay
  // move into it again, unchanged, in their order. A trim only follows a push, so every step is
  // below the index.
  const int count = FStack.count();
  std::vector<qsizetype> sizes(std::size_t(count), 0);  // the memory each step holds on its own
  qsizetype used = 0;
  const auto measure = [&](qsizetype (TSnapshot::*size)()) {
    used = 0;
    for (int i = 0; i < count; ++i) {
      TSnapshot& after = *static_cast<const TStep*>(FStack.command(i))->After;
      sizes[std::size_t(i)] = (after.*size)();
      used += sizes[std::size_t(i)];
    }
  };
  // Bounds decide without waiting for the worker, unless the memory limit may be reached.
  measure(&TSnapshot::SizeBound);
  if (used > MemoryLimit) {
    measure(&TSnapshot::Size);
  }
  int drop = 0;
  while (count - drop > 1 && (count - drop > StepLimit || used > MemoryLimit)) {
    used -= sizes[std::size_t(drop)];
    ++drop;
  }
  if (drop == 0) {
    return;
  }
  const int clean = FStack.cleanIndex();
  std::vector<TStep*> kept;
  for (int i = drop; i < count; ++i) {
    const auto* step = static_cast<const TStep*>(FStack.command(i));
    kept.push_back(new TStep(*this, step->Before, step->After, step->LevelPath, step->text()));
  }
  FReplaying = true;
  FStack.clear();
  if (clean == drop) {
    FStack.setClean();
  }
  for (std::size_t i = 0; i < kept.size(); ++i) {
    FStack.push(kept[i]);
    if (clean == drop + int(i) + 1) {
      FStack.setClean();
    }
  }
  if (clean < drop) {
    FStack.resetClean();  // the saved state was among the dropped steps: no way back to it
  }
  FReplaying = false;
}

}  // namespace logivane
