#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

namespace logivane {

/**
 * @brief Tells one running program from another, even after its process id was given to a new
 * process: the id, when the process started, and which boot of the machine it ran in.
 */
struct TProcessIdentity {
  qint64 Pid = 0;
  /// The process's start in clock ticks after boot; empty where the system does not say.
  QString StartTime;
  QString BootId;

  /// This program.
  static TProcessIdentity Current();
  /// The process running under `pid`.
  static TProcessIdentity Of(qint64 pid);
  /// Whether the process that `this` names is still the one running under its id.
  bool IsRunning() const;

  bool operator==(const TProcessIdentity&) const = default;
};

/// What the side file of a recovery copy says about it.
struct TRecoveryInfo {
  /// The circuit's own file; empty for a circuit never saved.
  QString FileName;
  QDateTime Written;
  /// The edit history's index when the copy was taken.
  int UndoIndex = 0;
  TProcessIdentity Writer;
};

/// A recovery copy left by a program that is no longer running.
struct TRecoveryCopy {
  /// The circuit's bytes; the side file lies beside it.
  QString CopyPath;
  TRecoveryInfo Info;
  /// When the circuit's file was last written; invalid when there is none.
  QDateTime FileModified;
  /// Why the copy cannot be recovered; empty when it can.
  QString Damage;

  bool Damaged() const { return !Damage.isEmpty(); }
};

/**
 * @brief The folder that holds the recovery copies of the circuits being edited: one circuit
 * file and one side file per program, named after the circuit and the program's process id.
 *
 * Copies of a program still running are never listed, and a stale copy is taken over by renaming
 * it, so two programs started together cannot both take the same one.
 */
class TRecoveryFolder {
public:
  /// The folder under the user's application data.
  TRecoveryFolder();
  explicit TRecoveryFolder(QString path);

  const QString& Path() const { return FPath; }
  /// The name of this program's copy of the circuit of `fileName` (empty when untitled).
  QString CopyPathFor(const QString& fileName) const;
  /// Where this program may put a new copy of that circuit: `CopyPathFor`, or when a copy left
  /// by an earlier program with the same id is there, a name beside it.
  QString NewCopyPath(const QString& fileName) const;
  static QString InfoPathOf(const QString& copyPath);

  /// Writes `bytes` and then the side file, each atomically; false with `error` naming the file
  /// and the reason. Safe to call from any thread.
  static bool Write(const QString& copyPath, const QByteArray& bytes, const TRecoveryInfo& info,
                    QString* error);
  /// Deletes a copy and its side file.
  static void Remove(const QString& copyPath);

  /// The copies whose program is no longer running, the damaged ones among them, oldest first.
  std::vector<TRecoveryCopy> StaleCopies() const;
  /// Makes a stale copy this program's own, under the name it would give it; false when another
  /// program was first. On success `copy.CopyPath` is the new name.
  bool Claim(TRecoveryCopy& copy) const;

private:
  TRecoveryCopy Examine(const QString& copyPath) const;

  QString FPath;
};

}  // namespace logivane
