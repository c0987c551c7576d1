// The files the generators write are committed; each must be what its generator writes today.
// What they do is checked by the test tables beside them and by the library's function tables.
#include "Examples.h"
#include "tools/LibraryBench.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <string>

namespace logivane {
namespace {

using test::FileBytes;

TEST(Examples, CommittedFilesAreWhatTheToolWrites) {
  for (const examples::TExample& example : examples::AllExamples()) {
    const QString folder = QStringLiteral(LOGIVANE_EXAMPLES_DIR "/");
    EXPECT_EQ(FileBytes(folder + examples::ExamplePath(example)), examples::ExampleBytes(example))
        << example.FileName << " is stale: run logivane-make-examples examples";
    EXPECT_EQ(FileBytes(folder + examples::TableFileName(example)), examples::TableBytes(example))
        << example.FileName << "'s table is stale: run logivane-make-examples examples";
  }
}

TEST(Library, CommittedFilesAreWhatTheToolWrites) {
  for (const library::TPart& part : library::AllParts()) {
    const std::string name = part.Name.toStdString();
    const QString file = test::LibraryFile(part);
    EXPECT_EQ(FileBytes(file), part.Bytes())
        << name << " is stale: run logivane-make-library on the repository";
    EXPECT_EQ(FileBytes(QFileInfo(file).dir().filePath(part.TestTableName())), part.TestTable())
        << name << "'s test table is stale: run logivane-make-library on the repository";
    EXPECT_EQ(FileBytes(QStringLiteral(LOGIVANE_SOURCE_DIR "/datasheets/") + part.DatasheetName()),
              part.Datasheet())
        << name << "'s datasheet is stale: run logivane-make-library on the repository";
  }
}

}  // namespace
}  // namespace logivane
