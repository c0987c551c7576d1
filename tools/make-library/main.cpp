// logivane-make-library: writes the stocked macro library, its test tables and its datasheets
// under the repository root given: "Parts Centre/<folder>/<name>.lvm" and ".lvtest", and
// "datasheets/<name>.htm".

#include "GeneratedFile.h"
#include "HeadlessEnvironment.h"
#include "Library.h"
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
    err << "Usage: logivane-make-library ROOT\n"
           "Writes the macro library and its test tables into ROOT/Parts Centre and its datasheets "
           "into "
           "ROOT/datasheets, replacing files of the same names.\n";
    return EXIT_FAILURE;
  }
  const QDir root(arguments[1]);
  const QString datasheets = root.filePath(QStringLiteral("datasheets"));
  for (const library::TPart& part : library::AllParts()) {
    const QString untidy = examples::Untidiness(*part.Build());
    if (!untidy.isEmpty()) {
      err << part.Name << ": " << untidy << '\n';
      return EXIT_FAILURE;
    }
    const QString folder = root.filePath(QStringLiteral("Parts Centre/") + part.Folder);
    if (!QDir().mkpath(folder) || !QDir().mkpath(datasheets)) {
      err << "Unable to create the folders under '" << root.path() << "'.\n";
      return EXIT_FAILURE;
    }
    if (!examples::WriteGeneratedFile(QDir(folder).filePath(part.FileName()), part.Bytes(), err) ||
        !examples::WriteGeneratedFile(QDir(folder).filePath(part.TestTableName()), part.TestTable(),
                                      err) ||
        !examples::WriteGeneratedFile(QDir(datasheets).filePath(part.DatasheetName()),
                                      part.Datasheet(), err)) {
      return EXIT_FAILURE;
    }
  }
  return EXIT_SUCCESS;
}
