// logivane-make-examples: writes the example circuits into the folder given.

#include "Examples.h"
#include "GeneratedFile.h"
#include "HeadlessEnvironment.h"
#include "Tidiness.h"

#include <QDir>
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
           "Writes the example circuits and their test tables into FOLDER, replacing files of\n"
           "the same names.\n";
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
    if (!examples::WriteGeneratedFile(folder.filePath(name), examples::ExampleBytes(example),
                                      err) ||
        !examples::WriteGeneratedFile(folder.filePath(examples::TableFileName(example)),
                                      examples::TableBytes(example), err)) {
      return EXIT_FAILURE;
    }
  }
  return EXIT_SUCCESS;
}
