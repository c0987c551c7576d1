// Saves that cannot be written: the user learns which file and why, the circuit stays changed,
// and the file already on disk stays as it was.
#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "editor/EditHistory.h"
#include "simulation/cOutput.h"

#include <sys/resource.h>

#include <QDir>
#include <QFile>

#include <csignal>

namespace logivane::test {
namespace {

/// While it lives, no file of the process grows past `bytes`, as on a disk that is full.
struct TFileSizeLimit {
  explicit TFileSizeLimit(rlim_t bytes) : Handler(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &Old);
    const rlimit limit{bytes, Old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &Old);
    std::signal(SIGXFSZ, Handler);
  }
  void (*Handler)(int);
  rlimit Old{};
};

class SaveFailureTest : public MainWindowTest {
protected:
  /// A window whose circuit was saved as `fileName` and changed since.
  void ShowChangedCircuit(const QString& fileName) {
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    Show();
    Place<TLEDDevice>(Circuit(), 100, 100);
    SaveName = fileName;
    ASSERT_TRUE(Form->SaveAsClick());
    Saved = FileBytes(fileName);
    Place<TLEDDevice>(Circuit(), 200, 100);
    Drawing().SetModified(true);
    Messages.clear();
  }
  /// The last message names `fileName` and `reason`; the circuit is as changed as before.
  void ExpectFailureTold(const QString& fileName, const QString& reason) {
    const QString expected = "An error has occurred trying to write this Logivane file.\n" +
                             QDir::toNativeSeparators(fileName) + '\n' + reason;
    EXPECT_EQ(Messages.value(Messages.size() - 1).toStdString(), expected.toStdString());
    EXPECT_TRUE(Document().Modified());
    EXPECT_FALSE(Document().EditHistory()->IsClean());
    EXPECT_EQ(Circuit().Outputs().Count(), 2);
    Messages.clear();
  }

  QByteArray Saved;
};

TEST_F(SaveFailureTest, AFullDiskOrAFolderGoneIsToldAndTheOldFileStaysWhole) {
  const QString file = Path("gone/adder.lvm");
  ShowChangedCircuit(file);
  {
    const TFileSizeLimit full(Saved.size() / 2);
    EXPECT_FALSE(Form->SaveClick());
    ExpectFailureTold(file, "File too large");
    EXPECT_FALSE(Form->close());  // the save it asks for fails
    ExpectFailureTold(file, "File too large");
  }
  EXPECT_EQ(FileBytes(file), Saved);
  EXPECT_EQ(QDir(Path("gone")).entryList(QDir::Files), QStringList({"adder.lvm"}));

  ASSERT_TRUE(QDir(Path("gone")).removeRecursively());
  EXPECT_FALSE(Form->SaveClick());
  ExpectFailureTold(file, "No such file or directory");
  QFile(Path("plain")).open(QIODevice::WriteOnly);
  SaveName = Path("plain/adder.lvm");
  EXPECT_FALSE(Form->SaveAsClick());
  ExpectFailureTold(SaveName, "Not a directory");
  EXPECT_EQ(Form->windowTitle(), "Logivane - adder");
}

TEST_F(SaveFailureTest, AReadOnlyFolderKeepsItsFile) {
  const QString file = Path("locked/adder.lvm");
  ShowChangedCircuit(file);
  QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner);
  if (QFile(Path("locked/probe")).open(QIODevice::WriteOnly)) {
    GTEST_SKIP() << "permissions do not stop this user (root?); the vanished folder stands in";
  }
  EXPECT_FALSE(Form->SaveClick());
  ExpectFailureTold(file, "Permission denied");
  EXPECT_EQ(FileBytes(file), Saved);
  QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace logivane::test
