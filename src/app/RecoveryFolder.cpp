#include "app/RecoveryFolder.h"

#include "document/cSaveFile.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cMacro.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

namespace logivane {

namespace {

const QLatin1String CopySuffix(".lvm");
const QLatin1String InfoSuffix(".json");

QByteArray ReadSmallFile(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.read(64 * 1024) : QByteArray();
}

/// The fields of /proc/<pid>/stat from the third, the state, on; none where there is no such
/// process. The command name before them may hold spaces and brackets, so they start after its
/// last ')'.
QList<QByteArray> StatusFields(qint64 pid) {
  const QByteArray stat = ReadSmallFile(QStringLiteral("/proc/%1/stat").arg(pid));
  const qsizetype nameEnd = stat.lastIndexOf(')');
  return nameEnd < 0 ? QList<QByteArray>() : stat.mid(nameEnd + 1).simplified().split(' ');
}

/// When the process started, in clock ticks after boot (field 22).
QString StartTimeOf(const QList<QByteArray>& fields) {
  constexpr int StartTimeField = 22 - 3;
  return fields.size() > StartTimeField ? QString::fromLatin1(fields[StartTimeField]) : QString();
}

/// A program that has ended stays a zombie until its parent collects it, which a parent that
/// is busy or gone may take long to do.
bool HasEnded(const QList<QByteArray>& fields) {
  return fields.isEmpty() || fields[0] == "Z" || fields[0] == "X";
}

QString MachineBootId() {
  return QString::fromLatin1(ReadSmallFile(QStringLiteral("/proc/sys/kernel/random/boot_id")))
      .trimmed();
}

/// The process id at the end of a copy's name ("Counter-4711.lvm", "Counter-4711.2.lvm"), or 0.
qint64 PidInName(const QString& copyPath) {
  const QString base = QFileInfo(copyPath).completeBaseName();
  return base.section(QLatin1Char('-'), -1).section(QLatin1Char('.'), 0, 0).toLongLong();
}

bool WriteAtomically(const QString& fileName, const QByteArray& bytes, QString* error) {
  QSaveFile file(fileName);
  QString reason;
  if (!file.open(QIODevice::WriteOnly)) {
    reason = file.errorString();
  } else if (CommitWholeFile(file, file.write(bytes) == bytes.size(), &reason)) {
    return true;
  }
  if (error) {
    *error = QDir::toNativeSeparators(fileName) + QStringLiteral(": ") + reason;
  }
  return false;
}

QByteArray InfoBytes(const TRecoveryInfo& info) {
  QJsonObject object;
  object[QStringLiteral("file")] = info.FileName;
  object[QStringLiteral("written")] = info.Written.toUTC().toString(Qt::ISODateWithMs);
  object[QStringLiteral("undoIndex")] = info.UndoIndex;
  object[QStringLiteral("pid")] = info.Writer.Pid;
  object[QStringLiteral("processStart")] = info.Writer.StartTime;
  object[QStringLiteral("bootId")] = info.Writer.BootId;
  return QJsonDocument(object).toJson();
}

std::optional<TRecoveryInfo> ParseInfo(const QByteArray& bytes) {
  const QJsonObject object = QJsonDocument::fromJson(bytes).object();
  TRecoveryInfo info;
  info.FileName = object.value(QStringLiteral("file")).toString();
  info.Written =
      QDateTime::fromString(object.value(QStringLiteral("written")).toString(), Qt::ISODateWithMs);
  info.UndoIndex = object.value(QStringLiteral("undoIndex")).toInt(-1);
  info.Writer.Pid = object.value(QStringLiteral("pid")).toInteger();
  info.Writer.StartTime = object.value(QStringLiteral("processStart")).toString();
  info.Writer.BootId = object.value(QStringLiteral("bootId")).toString();
  if (!info.Written.isValid() || info.UndoIndex < 0 || info.Writer.Pid <= 0 ||
      !object.value(QStringLiteral("file")).isString()) {
    return std::nullopt;
  }
  return info;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Processes

TProcessIdentity TProcessIdentity::Current() {
  return Of(QCoreApplication::applicationPid());
}

TProcessIdentity TProcessIdentity::Of(qint64 pid) {
  return {pid, StartTimeOf(StatusFields(pid)), MachineBootId()};
}

bool TProcessIdentity::IsRunning() const {
  if (Pid <= 0 || StartTime.isEmpty() || BootId != MachineBootId()) {
    return false;
  }
  // After a restart the ids begin again, so the same id may well be running something else.
  const QList<QByteArray> fields = StatusFields(Pid);
  return !HasEnded(fields) && StartTimeOf(fields) == StartTime;
}

// ---------------------------------------------------------------------------------------------
// The folder

TRecoveryFolder::TRecoveryFolder()
    : TRecoveryFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                      QStringLiteral("/recovery")) {
}

TRecoveryFolder::TRecoveryFolder(QString path) : FPath(std::move(path)) {
}

QString TRecoveryFolder::CopyPathFor(const QString& fileName) const {
  const QString name =
      fileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(fileName).completeBaseName();
  return FPath + QLatin1Char('/') + name + QLatin1Char('-') +
         QString::number(QCoreApplication::applicationPid()) + CopySuffix;
}

QString TRecoveryFolder::NewCopyPath(const QString& fileName) const {
  const QString first = CopyPathFor(fileName);
  QString path = first;
  for (int n = 2; QFileInfo::exists(path) || QFileInfo::exists(InfoPathOf(path)); ++n) {
    path = first.chopped(CopySuffix.size()) + QLatin1Char('.') + QString::number(n) + CopySuffix;
  }
  return path;
}

QString TRecoveryFolder::InfoPathOf(const QString& copyPath) {
  return copyPath + InfoSuffix;
}

bool TRecoveryFolder::Write(const QString& copyPath, const QByteArray& bytes,
                            const TRecoveryInfo& info, QString* error) {
  const QString folder = QFileInfo(copyPath).absolutePath();
  if (!QDir().mkpath(folder)) {
    if (error) {
      *error = QDir::toNativeSeparators(folder) + QStringLiteral(": ") +
               QCoreApplication::translate("TRecoveryFolder", "cannot create the folder");
    }
    return false;
  }
  // The side file comes last: a copy with one is complete.
  return WriteAtomically(copyPath, bytes, error) &&
         WriteAtomically(InfoPathOf(copyPath), InfoBytes(info), error);
}

void TRecoveryFolder::Remove(const QString& copyPath) {
  QFile::remove(copyPath);
  QFile::remove(InfoPathOf(copyPath));
}

std::vector<TRecoveryCopy> TRecoveryFolder::StaleCopies() const {
  const QDir folder(FPath);
  QStringList copies = folder.entryList({QStringLiteral("*") + CopySuffix}, QDir::Files);
  // A side file without its copy is reported too, so that it can be discarded.
  for (const QString& info : folder.entryList({QStringLiteral("*") + InfoSuffix}, QDir::Files)) {
    const QString copy = info.chopped(InfoSuffix.size());
    if (!copies.contains(copy)) {
      copies << copy;
    }
  }
  std::vector<TRecoveryCopy> stale;
  for (const QString& name : copies) {
    TRecoveryCopy copy = Examine(folder.filePath(name));
    if (!copy.CopyPath.isEmpty()) {
      stale.push_back(std::move(copy));
    }
  }
  std::sort(stale.begin(), stale.end(), [](const TRecoveryCopy& a, const TRecoveryCopy& b) {
    return a.Info.Written < b.Info.Written;
  });
  return stale;
}

TRecoveryCopy TRecoveryFolder::Examine(const QString& copyPath) const {
  TRecoveryCopy copy;
  const QString infoPath = InfoPathOf(copyPath);
  const std::optional<TRecoveryInfo> info =
      QFileInfo::exists(infoPath) ? ParseInfo(ReadSmallFile(infoPath)) : std::nullopt;
  if (info) {
    if (info->Writer.IsRunning()) {
      return copy;  // another program's, which is still at work
    }
    copy.Info = *info;
  } else if (QFileInfo::exists(QStringLiteral("/proc/%1").arg(PidInName(copyPath))) &&
             !QFileInfo::exists(infoPath)) {
    return copy;  // its program may be writing the side file this moment
  }
  copy.CopyPath = copyPath;
  if (!info) {
    copy.Damage = QFileInfo::exists(infoPath)
                      ? QCoreApplication::translate("TRecoveryFolder", "Its side file is damaged.")
                      : QCoreApplication::translate("TRecoveryFolder", "Its side file is missing.");
    return copy;
  }
  if (!QFileInfo::exists(copyPath)) {
    copy.Damage = QCoreApplication::translate("TRecoveryFolder", "The copy is missing.");
    return copy;
  }
  const TCircuitReadResult read = ReadCircuitFile(copyPath);
  if (!read.Succeeded()) {
    copy.Damage = read.Message;
  }
  const QFileInfo file(copy.Info.FileName);
  if (!copy.Info.FileName.isEmpty() && file.isFile()) {
    copy.FileModified = file.lastModified();
  }
  return copy;
}

bool TRecoveryFolder::Claim(TRecoveryCopy& copy) const {
  // After a restart this program may have the id of the one that wrote the copy, and so its name.
  const QString target = copy.CopyPath == CopyPathFor(copy.Info.FileName)
                             ? copy.CopyPath
                             : NewCopyPath(copy.Info.FileName);
  // The rename is the claim: of two programs trying, only one finds the copy still there.
  if (target != copy.CopyPath && !QFile::rename(copy.CopyPath, target)) {
    return false;
  }
  TRecoveryInfo info = copy.Info;
  info.Writer = TProcessIdentity::Current();
  if (!WriteAtomically(InfoPathOf(target), InfoBytes(info), nullptr)) {
    return false;
  }
  if (target != copy.CopyPath) {
    QFile::remove(InfoPathOf(copy.CopyPath));
  }
  copy.CopyPath = target;
  copy.Info = info;
  return true;
}

}  // namespace logivane
