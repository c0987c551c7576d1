// Recovery copies while the work is unsaved, and recovering them at the next start.
#include "TestHelpers.h"
#include "app/Autosave.h"
#include "app/MainWindowFixture.h"
#include "app/RecoveryCommands.h"
#include "app/RecoveryFolder.h"
#include "editor/EditHistory.h"
#include "simulation/cOutput.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>

namespace logivane::test {
namespace {

class AutosaveTest : public MainWindowTest {
protected:
  /// The window with a saved circuit that holds a sub-circuit.
  void ShowSavedCircuit() {
    Show();
    Sub = AddSubCircuit(Circuit(), 200, 200, 1);
    SaveName = Path("work.lvm");
    ASSERT_TRUE(Form->SaveAsClick());
  }
  TAutosave& Autosave() const { return Form->Recovery().Autosave(); }
  /// Writes a copy, as the timer does, and waits until it is on disk.
  void WriteCopy() {
    Autosave().WriteNow();
    Autosave().WaitForWriting();
  }
  QStringList RecoveryFiles() const {
    return QDir(Form->Recovery().Folder().Path()).entryList(QDir::Files);
  }
  void AddLed(TMacro& level, float x) {
    Document().BeginEdit();
    Place<TLEDDevice>(level, x, 100);
    Drawing().SetModified(true);
  }
  /// Saves at the root level and returns what Save wrote.
  QByteArray SavedBytes() {
    if (Document().IsInsideMacro()) {
      Action("SpeedCloseMacro")->trigger();
    }
    EXPECT_TRUE(Form->SaveClick());
    return FileBytes(Path("work.lvm"));
  }

  TMacro* Sub = nullptr;
};

TEST_F(AutosaveTest, CopyComesAfterTheIntervalAsSaveWritesItAndGoesWithTheSave) {
  ShowSavedCircuit();
  Autosave().SetInterval(1);
  WriteCopy();
  EXPECT_TRUE(RecoveryFiles().isEmpty());  // nothing unsaved, nothing copied
  // An edit inside the open sub-circuit: the copy holds the whole circuit, that level closed.
  Select(*Sub);
  Form->EditMacroClick();
  AddLed(*Sub, 80);
  ASSERT_TRUE(QTest::qWaitFor([this] { return !Autosave().CopyPath().isEmpty(); }, 5000));
  const QString copy = Autosave().CopyPath();
  const QJsonObject info =
      QJsonDocument::fromJson(FileBytes(TRecoveryFolder::InfoPathOf(copy))).object();
  EXPECT_EQ(info["file"].toString(), Path("work.lvm"));
  EXPECT_EQ(info["undoIndex"].toInt(), Document().EditHistory()->Index());
  const QByteArray copied = FileBytes(copy);
  EXPECT_EQ(copied, SavedBytes());
  EXPECT_TRUE(RecoveryFiles().isEmpty());
}

TEST_F(AutosaveTest, LargeCircuitsAreWrittenOnTheWorkerAsSaveWritesThem) {
  ShowSavedCircuit();
  Autosave().QuickWriteLimit = 0;  // as if serialising the last copy had taken too long
  AddLed(Circuit(), 300);
  WriteCopy();  // from the edit history's last state
  const QByteArray recorded = FileBytes(Autosave().CopyPath());
  AddLed(Circuit(), 340);
  Drawing().Step();  // running makes the history's state differ from the document
  EXPECT_TRUE(Document().RecordedRootFileBytes().isEmpty());
  WriteCopy();
  const QByteArray serialised = FileBytes(Autosave().CopyPath());
  EXPECT_NE(recorded, serialised);
  EXPECT_EQ(serialised, SavedBytes());
}

TEST_F(AutosaveTest, FailedCopyIsToldOnceInTheStatusBarAndTriedAgain) {
  ShowSavedCircuit();
  QDir().mkpath(QFileInfo(Form->Recovery().Folder().Path()).path());
  QFile blocker(Form->Recovery().Folder().Path());  // a file where the folder should be
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  AddLed(Circuit(), 300);
  int notices = 0;
  QObject::connect(&Autosave(), &TAutosave::NoticeChanged, [&notices] { ++notices; });
  WriteCopy();
  WriteCopy();
  auto* notice = Form->findChild<QLabel*>("AutosaveNotice");
  EXPECT_TRUE(notice->isVisible());
  EXPECT_TRUE(notice->text().contains("recovery")) << notice->text().toStdString();
  EXPECT_EQ(notices, 1);
  EXPECT_TRUE(Messages.isEmpty());
  EXPECT_TRUE(Document().Modified());

  blocker.remove();
  WriteCopy();
  EXPECT_FALSE(notice->isVisible());
  EXPECT_TRUE(QFileInfo::exists(Autosave().CopyPath()));
}

TEST_F(AutosaveTest, ChangesGivenUpOrClosedOnTakeTheCopyWithThem) {
  for (const bool closing : {true, false}) {
    ShowSavedCircuit();
    AddLed(Circuit(), 300);
    WriteCopy();
    ASSERT_EQ(RecoveryFiles().size(), 2);  // the copy and its side file
    Answer = QMessageBox::No;              // the changes are not saved
    if (closing) {
      Form->close();
    } else {
      Form->NewClick();
    }
    EXPECT_TRUE(RecoveryFiles().isEmpty()) << closing;
  }
}

/// Copies left in the folder before the window starts.
class RecoveryAtStartTest : public AutosaveTest {
protected:
  void SetUp() override {
    AutosaveTest::SetUp();
    Recovery.emplace();
    auto root = NewRoot();
    Place<TLEDDevice>(*root, 100, 100);
    CopyBytes = CircuitBytes(*root, "Lights");
    ASSERT_TRUE(SaveCircuitFile(Original, *NewRoot(), {}));
  }
  /// A copy of `fileName`; its writer has gone unless `running`, though its process id now
  /// belongs to this program.
  QString LeaveCopy(const QString& name, const QByteArray& bytes, bool running = false) {
    TProcessIdentity writer = TProcessIdentity::Current();
    writer.StartTime = running ? writer.StartTime : "1";
    const QString copy = Recovery->Path() + '/' + name;
    EXPECT_TRUE(TRecoveryFolder::Write(copy, bytes,
                                       {Original, QDateTime::currentDateTimeUtc(), 4, writer}, {}));
    return copy;
  }
  /// Shows the window, which lists the copies and does `action` with the one named `name`,
  /// then Later.
  void ShowChoosing(TRecoveryAction action, const QString& name) {
    Form = std::make_unique<TMainForm>();
    Form->Recovery().Choose = [=, this](QWidget*, const std::vector<TRecoveryListEntry>& copies) {
      Listed = copies;
      for (std::size_t i = 0; i < copies.size(); ++i) {
        if (copies[i].Circuit.contains(name) && ++Choices == 1) {
          return TRecoveryChoice{action, int(i)};
        }
      }
      return TRecoveryChoice{};
    };
    Choices = 0;
    Form->show();
    QCoreApplication::processEvents();
  }

  std::optional<TRecoveryFolder> Recovery;
  QByteArray CopyBytes;
  const QString Original = Path("lights.lvm");
  std::vector<TRecoveryListEntry> Listed;
  int Choices = 0;
};

TEST_F(RecoveryAtStartTest, StaleCopyIsRecoveredUnderItsFileAndKeptUntilSaved) {
  const QString running = LeaveCopy("other-1.lvm", CopyBytes, true);
  LeaveCopy("lights-1.lvm", CopyBytes);
  LeaveCopy("broken-2.lvm", CopyBytes.left(40));
  ShowChoosing(TRecoveryAction::Recover, "lights.lvm");
  EXPECT_EQ(Listed.size(), 2U);  // the running program's copy is not offered
  EXPECT_TRUE(std::any_of(Listed.begin(), Listed.end(), [](const TRecoveryListEntry& entry) {
    return entry.Circuit.contains("broken-2.lvm") && entry.Damaged;
  }));
  EXPECT_EQ(Document().FileName, Original);
  EXPECT_TRUE(Document().Modified());
  EXPECT_EQ(Document().MacroName, "Lights");
  const QString kept = Autosave().CopyPath();
  EXPECT_EQ(kept, Recovery->CopyPathFor(Original));
  EXPECT_TRUE(QFileInfo::exists(kept));

  EXPECT_TRUE(Form->SaveClick());
  EXPECT_EQ(FileBytes(Original), CopyBytes);
  EXPECT_FALSE(QFileInfo::exists(kept));
  EXPECT_TRUE(QFileInfo::exists(running));
}

TEST_F(RecoveryAtStartTest, DiscardDeletesLaterKeepsAndOnlyOneProgramTakesACopy) {
  LeaveCopy("lights-1.lvm", CopyBytes);
  // Garbage without a side file, from a process id that no system gives.
  const QString garbage = LeaveCopy("garbage-999999999.lvm", "not a circuit");
  QFile::remove(TRecoveryFolder::InfoPathOf(garbage));
  ShowChoosing(TRecoveryAction::Discard, "garbage");
  EXPECT_FALSE(QFileInfo::exists(garbage));
  EXPECT_EQ(Listed.size(), 1U);  // listed again without it, and left for later
  EXPECT_FALSE(Document().Modified());

  std::vector<TRecoveryCopy> first = Recovery->StaleCopies();
  std::vector<TRecoveryCopy> second = first;  // another program read the folder as well
  ASSERT_EQ(first.size(), 1U);
  EXPECT_TRUE(Recovery->Claim(first[0]));
  EXPECT_FALSE(Recovery->Claim(second[0]));
  EXPECT_TRUE(Recovery->StaleCopies().empty());  // the copy is this running program's now
}

// A program killed a moment ago lingers as a zombie until its parent collects it; its copy
// must be offered all the same.
TEST(ProcessIdentity, AProgramThatEndedButIsNotCollectedYetIsNotRunning) {
  int hold[2];
  ASSERT_EQ(pipe(hold), 0);
  const pid_t child = fork();
  if (child == 0) {
    char byte;
    close(hold[1]);
    [[maybe_unused]] const auto got = read(hold[0], &byte, 1);  // until the parent lets go
    _exit(0);
  }
  close(hold[0]);
  const TProcessIdentity identity = TProcessIdentity::Of(child);
  EXPECT_TRUE(identity.IsRunning());
  close(hold[1]);
  siginfo_t ended{};
  ASSERT_EQ(waitid(P_PID, id_t(child), &ended, WEXITED | WNOWAIT), 0);  // ended, not collected
  EXPECT_FALSE(identity.IsRunning());
  waitpid(child, nullptr, 0);
}

}  // namespace
}  // namespace logivane::test
