#include "app/Datasheets.h"
#include "editor/RecordedMessages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace logivane {
namespace {

/// Two datasheet folders in a temporary folder; what would be opened is recorded instead.
class DatasheetTest : public ::testing::Test {
protected:
  void SetUp() override {
    QDir(Folder.path()).mkpath("start/datasheets/docs");
    QDir(Folder.path()).mkpath("sheets/docs");
    SetDatasheetOpener([this](const QUrl& url) {
      Opened << url.toString();
      return true;
    });
  }
  void TearDown() override { SetDatasheetOpener({}); }

  QString Path(const QString& name) const { return Folder.filePath(name); }
  QString Write(const QString& name, const QByteArray& bytes = "<html></html>",
                QFileDevice::Permissions extra = {}) const {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | extra);
    return Path(name);
  }
  /// Opens `datasheet` and returns what the desktop was asked to open, or the message.
  QString Result(const QString& datasheet) {
    Opened.clear();
    Messages.clear();
    OpenDatasheet(nullptr, datasheet, Folders);
    EXPECT_LE(Opened.size() + Messages.size(), 1);
    return Opened.value(0, Messages.value(0));
  }
  static QString Url(const QString& path) { return QUrl::fromLocalFile(path).toString(); }

  QTemporaryDir Folder;
  TDatasheetFolders Folders{Path("start/datasheets"), Path("sheets")};
  QStringList Opened;
  test::TRecordedMessages Messages;
};

const QString Failure = QStringLiteral("Unable to open datasheet.");

TEST_F(DatasheetTest, TheDatasheetsFolderComesBeforeTheDatasheetPath) {
  EXPECT_EQ(Result("7400.htm"), Failure);
  const QString second = Write("sheets/7400.htm");
  EXPECT_EQ(Result("7400.htm"), Url(second));
  const QString first = Write("start/datasheets/7400.htm");
  EXPECT_EQ(Result("7400.htm"), Url(first));

  // Names with folders, written either way, are looked for the same way.
  const QString document = Write("sheets/docs/7400.pdf", "%PDF-1.4\n");
  EXPECT_EQ(Result("docs/7400.pdf"), Url(document));
  EXPECT_EQ(Result("docs\\7400.pdf"), Url(document));
  EXPECT_EQ(Result(document), Url(document));  // a whole path is opened where it is
  EXPECT_EQ(Result(first), Url(first));

  EXPECT_EQ(Result("http://example.com/sheets/7400.pdf"), "http://example.com/sheets/7400.pdf");
  EXPECT_EQ(Result("HTTPS://example.com/7400.htm"), "https://example.com/7400.htm");
  EXPECT_EQ(Result(""), "");

  // A Windows Help file is only looked for: found, it shows nothing, and says nothing.
  EXPECT_EQ(Result("7400.hlp"), Failure);
  Write("sheets/7400.hlp", "?_\x03\x00");
  EXPECT_EQ(Result("7400.hlp"), "");

  // A datasheet path never set is no folder: the name is not looked for from the root.
  Folders.DatasheetFolder.clear();
  EXPECT_EQ(Result("etc/passwd"), Failure);
}

// What a file is, not its mode bits, decides: some mounts mark every file runnable.
TEST_F(DatasheetTest, ACircuitCannotNameAProgramAsItsDatasheet) {
  constexpr auto everyone =
      QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;
  QFile program(QStringLiteral("/bin/true"));
  ASSERT_TRUE(program.open(QIODevice::ReadOnly));
  const struct {
    const char* Name;
    QByteArray Bytes;
    QFileDevice::Permissions Extra;
    bool Opens;
  } sheets[] = {
      {"install.htm", "#!/bin/sh\nrm -rf ~\n", {}, false},
      {"run.sh", "echo hello\n", QFileDevice::ExeOwner, false},
      {"blob.pdf", QByteArray("\x7f\x01\x02\x03", 4), QFileDevice::ExeOther, false},
      {"sheet.desktop", "[Desktop Entry]\nType=Application\nExec=xterm\n", {}, false},
      {"tool.py", "import os\nos.system('true')\n", {}, false},
      {"program.pdf", program.readAll(), {}, false},  // not executable, but a program
      {"setup.sh", "echo hello\n", everyone, false},
      {"readme.htm", "#!/bin/sh\necho hello\n", everyone, false},
      {"7400.pdf", "%PDF-1.4\n", everyone, true},
      {"7474.htm", "<html><body>D flip-flops</body></html>", everyone, true},
      {"notes.txt", "A page of notes.\n", everyone, true},
  };
  for (const auto& sheet : sheets) {
    const QString file = Write(QStringLiteral("sheets/") + sheet.Name, sheet.Bytes, sheet.Extra);
    EXPECT_EQ(Result(sheet.Name), sheet.Opens ? Url(file) : Failure) << sheet.Name;
    EXPECT_EQ(IsSafeDocument(file), sheet.Opens) << sheet.Name;
  }
  for (const char* name : {"docs", "../sheets/run.sh"}) {
    EXPECT_EQ(Result(name), Failure) << name;
  }
  EXPECT_EQ(Result(Path("sheets/run.sh")), Failure);
}

}  // namespace
}  // namespace logivane
