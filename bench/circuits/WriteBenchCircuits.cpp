// Writes the benchmark circuits as circuit files, for the command-line simulator to run:
//   logivane-bench-circuits FOLDER

#include "circuits/BenchCircuits.h"
#include "simulation/cCircuitFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <functional>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication application(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  QTextStream err(stderr);
  if (arguments.size() != 2) {
    err << "Usage: logivane-bench-circuits FOLDER\n";
    return 1;
  }
  const QDir folder(arguments[1]);
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    err << "Unable to create the folder '" << folder.path() << "'.\n";
    return 1;
  }

  using namespace logivane;
  struct TFamily {
    const char* Name;
    std::function<std::unique_ptr<TMacro>(int)> Build;
    std::vector<int> Sizes;
  };
  const TFamily families[] = {
      {"counter", bench::SynchronousCounter, {16, 64, 256}},
      {"adders", bench::AdderArray, {1, 16, 64}},
      {"inverters", bench::InverterChain, {1000, 10000}},
      {"input-adder", [](int) { return bench::InputAdder(); }, {16}},
  };
  for (const TFamily& family : families) {
    for (int size : family.Sizes) {
      const QString name = QStringLiteral("%1-%2.lvm").arg(QLatin1String(family.Name)).arg(size);
      QString error;
      if (!SaveCircuitFile(folder.filePath(name), *family.Build(size), name, &error)) {
        err << name << ": " << error << '\n';
        return 1;
      }
    }
  }
  return 0;
}
