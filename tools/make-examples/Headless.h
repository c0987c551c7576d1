#pragma once

#include <unistd.h>

#include <QDir>
#include <QFile>

namespace logivane::examples {

/// Lets a drawing tool create its GUI application without a screen. Labels are measured with
/// real fonts, which needs a GUI application; without a session Qt warns about its runtime
/// folder, so a private one keeps the output quiet.
inline void PrepareHeadlessRun() {
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

}  // namespace logivane::examples
