// logivane-sim: runs a circuit file without a window.

#include "SimulatorRun.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>

int main(int argc, char* argv[]) {
  // Labels are measured with real fonts, which needs a GUI application but never a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // Without a session (a batch job, a grading script) Qt would warn on standard error, which
  // belongs to the simulator's own messages; give it a private runtime folder instead.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const QString runtime = QDir::temp().filePath(QStringLiteral("runtime-%1").arg(getuid()));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  }
  QGuiApplication application(argc, argv);
  return logivane::RunSimulator(QGuiApplication::arguments());
}
