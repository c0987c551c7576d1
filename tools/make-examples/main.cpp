// logivane-make-examples: writes the example circuits into the folder given.

#include "Examples.h"
#include "HeadlessEnvironment.h"
#include "Tidiness.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>

using namespace logivane;

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
    const QString untidy = examples::Untidiness(*example.Build());
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
