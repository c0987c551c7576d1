#include "app/Autosave.h"

#include "app/RecoveryFolder.h"
#include "editor/CircuitDocument.h"
#include "editor/EditHistory.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace logivane {

TAutosave::TAutosave(TCircuitDocument& document, TRecoveryFolder& folder, QObject* parent)
    : QObject(parent), FDocument(document), FFolder(folder) {
  FWorker.setMaxThreadCount(1);
  connect(&FTimer, &QTimer::timeout, this, &TAutosave::WriteNow);
  connect(&FDocument, &TCircuitDocument::ModifiedChanged, this, &TAutosave::AfterModifiedChanged);
}

TAutosave::~TAutosave() {
  FWorker.waitForDone();
}

void TAutosave::SetInterval(int seconds) {
  FInterval = seconds;
  FTimer.setInterval(seconds * 1000);
  FTimer.stop();
  if (FInterval > 0 && FDocument.Modified()) {
    FTimer.start();
  }
}

void TAutosave::AfterModifiedChanged(bool modified) {
  if (!modified) {
    Discard();  // saved, or back where the file is: the copy has nothing the file lacks
  } else if (FInterval > 0 && !FTimer.isActive()) {
    FTimer.start();  // the first copy comes one interval after the first change
  }
}

void TAutosave::WriteNow() {
  if (FWriting || !FDocument.Modified()) {
    return;
  }
  QByteArray bytes;
  if (FLastSerialiseMilliseconds >= QuickWriteLimit) {
    bytes = FDocument.RecordedRootFileBytes();
  }
  if (bytes.isEmpty()) {
    // Quick enough, or run, reset or inside a level since the last edit: then only serialising
    // gives what Save would write.
    QElapsedTimer clock;
    clock.start();
    bytes = FDocument.RootFileBytes();
    FLastSerialiseMilliseconds = double(clock.nsecsElapsed()) / 1e6;
  }
  StartWriting(TargetPath(), std::move(bytes));
}

QString TAutosave::TargetPath() {
  return !FCopyPath.isEmpty() && FCopyFor == FDocument.FileName
             ? FCopyPath
             : FFolder.NewCopyPath(FDocument.FileName);
}

TRecoveryInfo TAutosave::Info() const {
  const TEditHistory* history = FDocument.EditHistory();
  return {FDocument.FileName, QDateTime::currentDateTimeUtc(), history ? history->Index() : 0,
          TProcessIdentity::Current()};
}

void TAutosave::StartWriting(const QString& path, QByteArray bytes) {
  FWriting = true;
  // This object waits for the worker before it goes, so the worker may report to it.
  FWorker.start([this, path, bytes = std::move(bytes), info = Info()] {
    QString error;
    const bool written = TRecoveryFolder::Write(path, bytes, info, &error);
    QMetaObject::invokeMethod(
        this, [this, path, written, error] { Finished(path, written, error); },
        Qt::QueuedConnection);
  });
}

void TAutosave::Finished(const QString& path, bool written, const QString& error) {
  FWriting = false;
  if (!written) {
    if (path != FCopyPath) {
      TRecoveryFolder::Remove(path);  // a copy without its side file would be reported damaged
    }
    // Said once, not at every interval; the next interval tries again.
    if (!FFailing) {
      FFailing = true;
      emit NoticeChanged(tr("Your unsaved work could not be copied for recovery: %1").arg(error));
    }
    return;
  }
  if (path != FCopyPath && !FCopyPath.isEmpty()) {
    TRecoveryFolder::Remove(FCopyPath);  // the copy under the circuit's earlier name
  }
  FCopyPath = path;
  FCopyFor = FDocument.FileName;
  if (FFailing) {
    FFailing = false;
    emit NoticeChanged({});
  }
}

void TAutosave::WaitForWriting() {
  FWorker.waitForDone();
  QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);  // the worker's report
}

void TAutosave::Discard() {
  FTimer.stop();
  WaitForWriting();
  if (!FCopyPath.isEmpty()) {
    TRecoveryFolder::Remove(FCopyPath);
  }
  FCopyPath.clear();
  FCopyFor.clear();
  if (FFailing) {
    FFailing = false;
    emit NoticeChanged({});
  }
}

void TAutosave::Adopt(const QString& copyPath) {
  FCopyPath = copyPath;
  FCopyFor = FDocument.FileName;
}

}  // namespace logivane
