// logivane-make-examples: writes the example circuits into the folder given.

#include "Examples.h"
#include "GeneratedFile.h"
#include "HeadlessEnvironment.h"
#include "Tidiness.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>
#include <stdexcept>

using namespace logivane;

int main(int argc, char* argv[]) {
  logivane::PrepareHeadlessEnvironment();
  QGuiApplication application(argc, argv);
  QTextStream err(stderr);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 2) {
    err << "Usage: logivane-make-examples FOLDER\n"
           "Writes the example circuits and their test tables into the course folders under\n"
           "FOLDER, replacing files of the same names.\n";
    return EXIT_FAILURE;
  }
  const QDir folder(arguments[1]);
  for (const examples::TExample& example : examples::AllExamples()) {
    const QString name = examples::ExamplePath(example);
    QString untidy;
    try {
      untidy = examples::Clutter(*examples::BuildExample(example));
    } catch (const std::logic_error& mistake) {
      untidy = QString::fromLatin1(mistake.what());
    }
    if (!untidy.isEmpty()) {
      err << name << ": " << untidy << '\n';
      return EXIT_FAILURE;
    }
    if (!folder.mkpath(QString::fromLatin1(example.Folder))) {
      err << "Unable to create '" << folder.filePath(QString::fromLatin1(example.Folder)) << "'.\n";
      return EXIT_FAILURE;
    }
    if (!examples::WriteGeneratedFile(folder.filePath(name), examples::ExampleBytes(example),
                                      err) ||
        !examples::WriteGeneratedFile(folder.filePath(examples::TableFileName(example)),
                                      examples::TableBytes(example), err)) {
      return EXIT_FAILURE;
    }
  }
  return EXIT_SUCCESS;
}
