#pragma once

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QString>

namespace logivane {

/// Prepares a command-line program's GUI application, which it needs to measure labels with
/// real fonts, to run without a screen: the offscreen platform, and, without a session (a batch
/// job, a grading script), a private runtime folder, so that Qt does not warn on standard error,
/// which belongs to the program's own messages.
inline void PrepareHeadlessEnvironment() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const QString runtime = QDir::temp().filePath(QStringLiteral("runtime-%1").arg(getuid()));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  }
}

}  // namespace logivane
