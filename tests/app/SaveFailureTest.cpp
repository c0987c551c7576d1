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
class TFileSizeLimit {
public:
  explicit TFileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &FOld);
    FOldHandler = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of the process
    rlimit limit = FOld;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FOld);
    std::signal(SIGXFSZ, FOldHandler);
  }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
  rlimit FOld{};
  void (*FOldHandler)(int) = nullptr;
};

class SaveFailureTest : public MainWindowTest {
protected:
  /// A window whose circuit was saved as `fileName` and changed since.
  void ShowChangedCircuit(const QString& fileName) {
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    Show();
    Place<TLEDDevice>(Circuit(), 100, 100);
    Drawing().SetModified(true);
    SaveName = fileName;
    ASSERT_TRUE(Form->SaveAsClick());
    Saved = Bytes(fileName);
    Place<TLEDDevice>(Circuit(), 200, 100);
    Drawing().SetModified(true);
    Messages.clear();
  }
  static QByteArray Bytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  /// One message naming `fileName` and `reason`, and the circuit as changed as before.
  void ExpectFailureTold(const QString& fileName, const QString& reason) {
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].startsWith("An error has occurred trying to write this Logivane file."))
        << Messages[0].toStdString();
    EXPECT_TRUE(Messages[0].contains(QDir::toNativeSeparators(fileName)))
        << Messages[0].toStdString();
    EXPECT_TRUE(Messages[0].contains(reason)) << Messages[0].toStdString();
    EXPECT_TRUE(Document().Modified());
    EXPECT_FALSE(Document().EditHistory()->IsClean());
    EXPECT_EQ(Circuit().Outputs().Count(), 2);
    Messages.clear();
  }

  QByteArray Saved;
};

TEST_F(SaveFailureTest, AFullDiskLeavesTheOldFileWholeAndTheCircuitChanged) {
  const QString file = Path("adder.lvm");
  ShowChangedCircuit(file);
  ASSERT_GT(Saved.size(), 100);
  {
    const TFileSizeLimit full(Saved.size() / 2);
    EXPECT_FALSE(Form->SaveClick());
    ExpectFailureTold(file, "File too large");
    // Closing asks to save; a save that fails keeps the window open.
    EXPECT_FALSE(Form->close());
    ASSERT_EQ(Messages.value(0), "Circuit has changed, save current circuit?");
    Messages.removeFirst();
    ExpectFailureTold(file, "File too large");
  }
  EXPECT_EQ(Bytes(file), Saved);
  EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files), QStringList({"adder.lvm"}));
  EXPECT_EQ(Form->windowTitle(), "Logivane - adder");

  EXPECT_TRUE(Form->SaveClick());
  EXPECT_FALSE(Document().Modified());
  EXPECT_NE(Bytes(file), Saved);
}

TEST_F(SaveFailureTest, AFolderThatVanishedOrIsAFileIsReported) {
  const QString file = Path("gone/adder.lvm");
  ShowChangedCircuit(file);
  ASSERT_TRUE(QDir(Path("gone")).removeRecursively());
  EXPECT_FALSE(Form->SaveClick());
  ExpectFailureTold(file, "No such file or directory");

  QFile plain(Path("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  SaveName = Path("plain/adder.lvm");
  EXPECT_FALSE(Form->SaveAsClick());
  ExpectFailureTold(SaveName, "Not a directory");
  EXPECT_EQ(Document().FileName, file);
  EXPECT_EQ(Form->windowTitle(), "Logivane - adder");
}

TEST_F(SaveFailureTest, AReadOnlyFolderKeepsItsFile) {
  const QString file = Path("locked/adder.lvm");
  ShowChangedCircuit(file);
  const QString folder = Path("locked");
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
  QFile probe(Path("locked/probe"));
  if (probe.open(QIODevice::WriteOnly)) {
    probe.close();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    GTEST_SKIP() << "permissions do not stop this user from writing (root?); a folder that "
                    "vanished stands in for it";
  }
  EXPECT_FALSE(Form->SaveClick());
  ExpectFailureTold(file, "Permission denied");
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(Bytes(file), Saved);
}

}  // namespace
}  // namespace logivane::test
