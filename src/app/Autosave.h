#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

namespace logivane {

class TCircuitDocument;
class TRecoveryFolder;
struct TRecoveryInfo;

/**
 * @brief Keeps a recovery copy of a circuit with unsaved changes, rewritten every interval, so
 * that a crash or a power cut loses at most that much work; removed once the circuit is saved or
 * its changes are given up.
 *
 * A copy holds the whole circuit as Save writes it at the root level. The file is written on a
 * worker thread: syncing it to the disk takes far longer than serialising. The bytes are
 * serialised on the window's thread while that is quick; for a larger circuit they are taken from
 * the edit history's last state when that is still the document's, which costs nothing, so that
 * the window does not stop.
 */
class TAutosave : public QObject {
  Q_OBJECT
public:
  TAutosave(TCircuitDocument& document, TRecoveryFolder& folder, QObject* parent = nullptr);
  /// Waits for a copy being written.
  ~TAutosave() override;

  /// Seconds between two copies; 0 writes none.
  void SetInterval(int seconds);
  int Interval() const { return FInterval; }
  /// Starts writing a copy if the circuit has unsaved changes and no copy is being written; the
  /// timer calls it.
  void WriteNow();
  /// Waits until a copy being written on the worker is on disk.
  void WaitForWriting();
  /// Removes this program's copy: the circuit was saved, or its changes given up.
  void Discard();
  /// Takes a copy recovered from another program as this one's, kept until the circuit is saved.
  void Adopt(const QString& copyPath);
  /// The copy this program keeps; empty when it keeps none.
  const QString& CopyPath() const { return FCopyPath; }
  /// How long serialising the circuit for the last copy took.
  double LastSerialiseMilliseconds() const { return FLastSerialiseMilliseconds; }
  /// A copy is serialised on the window's thread while the last serialising took less than this
  /// many milliseconds, about a frame: a longer pause would show.
  double QuickWriteLimit = 20;

signals:
  /// What the user should know about writing the copies: why the last one failed, or nothing
  /// once one was written again.
  void NoticeChanged(const QString& text);

private:
  void AfterModifiedChanged(bool modified);
  /// The copy's name for the document's file; a new name when that file changed.
  QString TargetPath();
  TRecoveryInfo Info() const;
  void StartWriting(const QString& path, QByteArray bytes);
  void Finished(const QString& path, bool written, const QString& error);

  TCircuitDocument& FDocument;
  TRecoveryFolder& FFolder;
  QTimer FTimer;
  int FInterval = 0;
  /// Writes the large copies, one at a time; destroying it waits for the write in hand.
  QThreadPool FWorker;
  bool FWriting = false;
  QString FCopyPath;
  /// The document's file that the copy's name was made for.
  QString FCopyFor;
  double FLastSerialiseMilliseconds = 0;
  bool FFailing = false;
};

}  // namespace logivane
