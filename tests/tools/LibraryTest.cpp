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
using test::TBench;

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

TEST(Library, EveryMacroFollowsItsFunctionTableThroughItsOutlinePins) {
  EXPECT_GE(library::AllParts().size(), 30U);
  for (const TPart& part : library::AllParts()) {
    const std::string name = part.Name.toStdString();
    const library::TFunctionTable table = part.Table();
    TBench bench(part, table, part.Outline.PinOrder());
    EXPECT_EQ(bench.MacroName, part.Title) << name;
    EXPECT_EQ(bench.Macro->Datasheet, part.DatasheetName()) << name;
    for (std::size_t row = 0; row < table.Rows.size(); ++row) {
      const std::string mismatch = bench.Mismatch(table.Rows[row]);
      if (!mismatch.empty()) {
        ADD_FAILURE() << name << " row " << row << ":" << mismatch;
        break;  // the rows after a wrong one say nothing new
      }
    }
  }
}

}  // namespace
}  // namespace logivane
