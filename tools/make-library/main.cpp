// logivane-make-library: writes the stocked macro library and its datasheets under the
// repository root given: "Parts Centre/<folder>/<name>.lvm" and "datasheets/<name>.htm".

#include "HeadlessEnvironment.h"
#include "Library.h"
#include "Tidiness.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>

using namespace logivane;

namespace {

bool WriteFile(const QString& fileName, const QByteArray& bytes, QTextStream& err) {
  QFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
      !file.flush()) {
    err << "Unable to write '" << fileName << "'.\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  logivane::PrepareHeadlessEnvironment();
  QGuiApplication application(argc, argv);
  QTextStream err(stderr);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 2) {
    err << "Usage: logivane-make-library ROOT\n"
           "Writes the macro library into ROOT/Parts Centre and its datasheets into "
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
    if (!WriteFile(QDir(folder).filePath(part.FileName()), part.Bytes(), err) ||
        !WriteFile(QDir(datasheets).filePath(part.DatasheetName()), part.Datasheet(), err)) {
      return EXIT_FAILURE;
    }
  }
  return EXIT_SUCCESS;
}
