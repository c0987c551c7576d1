// logivane-make-examples: writes the example circuits into the folder given.

#include "Examples.h"
#include "HeadlessEnvironment.h"
#include "simulation/cConnect.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>

namespace {

using namespace logivane;

/// Why the wiring of `circuit` is untidy, or empty: every wire must end on two pins or joints
/// and run in straight, orthogonal segments between vertices on the 5-unit grid.
QString Untidiness(const TMacro& circuit) {
  const TGraphicList& wires = circuit.Wires();
  for (int i = 0; i < wires.Count(); ++i) {
    const auto& wire = *static_cast<const TWire*>(wires.Child(i));
    if (wire.EndCount() != 2) {
      return QStringLiteral("wire %1 has a loose end").arg(i);
    }
    for (int k = 0; k < wire.PointCount(); ++k) {
      const QPoint p = wire.GetPoint(k);
      if (p.x() % 5 != 0 || p.y() % 5 != 0) {
        return QStringLiteral("wire %1 has a vertex off the grid").arg(i);
      }
      if (k > 0) {
        const QPoint q = wire.GetPoint(k - 1);
        if (p.x() != q.x() && p.y() != q.y()) {
          return QStringLiteral("wire %1 has a slanted segment").arg(i);
        }
      }
    }
  }
  return {};
}

}  // namespace

int main(int argc, char* argv[]) {
  logivane::PrepareHeadlessEnvironment();
  QGuiApplication application(argc, argv);
  QTextStream err(stderr);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 2) {
    err << "Usage: logivane-make-examples FOLDER\n"
           "Writes the example circuits into FOLDER, replacing files of the same names.\n";
    return EXIT_FAILURE;
  }
  const QDir folder(arguments[1]);
  for (const examples::TExample& example : examples::AllExamples()) {
    const QString name = QString::fromLatin1(example.FileName);
    const QString untidy = Untidiness(*example.Build());
    if (!untidy.isEmpty()) {
      err << name << ": " << untidy << '\n';
      return EXIT_FAILURE;
    }
    QFile file(folder.filePath(name));
    const QByteArray bytes = examples::ExampleBytes(example);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
      err << "Unable to write '" << file.fileName() << "'.\n";
      return EXIT_FAILURE;
    }
  }
  return EXIT_SUCCESS;
}
