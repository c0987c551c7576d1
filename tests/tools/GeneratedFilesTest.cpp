#include "tools/LibraryBench.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>

namespace logivane {
namespace {

using library::TPart;
using test::LibraryFile;

QByteArray Contents(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Library, CommittedFilesAreWhatTheToolWrites) {
  for (const TPart& part : library::AllParts()) {
    const std::string name = part.Name.toStdString();
    EXPECT_EQ(Contents(LibraryFile(part)), part.Bytes())
        << name << " is stale: run logivane-make-library on the repository";
    const QString table = QFileInfo(LibraryFile(part)).dir().filePath(part.TestTableName());
    EXPECT_EQ(Contents(table), part.TestTable())
        << name << "'s test table is stale: run logivane-make-library on the repository";
    EXPECT_EQ(Contents(QStringLiteral(LOGIVANE_SOURCE_DIR "/datasheets/") + part.DatasheetName()),
              part.Datasheet())
        << name << "'s datasheet is stale: run logivane-make-library on the repository";
  }
}

}  // namespace
}  // namespace logivane
