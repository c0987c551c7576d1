// Recovery copies while the work is unsaved, and recovering them at the next start.
#include "TestHelpers.h"
#include "app/Autosave.h"
#include "app/MainWindowFixture.h"
#include "app/RecoveryFolder.h"
#include "editor/EditHistory.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cOutput.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>

namespace logivane::test {
namespace {

QByteArray Contents(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AutosaveTest : public MainWindowTest {
protected:
  /// The window with a saved circuit holding a sub-circuit, and a copy every second.
  void ShowSavedCircuit() {
    Show();
    Sub = AddSubCircuit(Circuit(), 200, 200, 1);
    Place<TLEDDevice>(*Sub, 40, 40);
    Drawing().SetModified(true);
    SaveName = Path("work.lvm");
    ASSERT_TRUE(Form->SaveAsClick());
    Form->Autosave().SetInterval(1);
  }
  TAutosave& Autosave() const { return Form->Autosave(); }
  QStringList RecoveryFiles() const {
    return QDir(Form->RecoveryFolder().Path()).entryList(QDir::Files);
  }
  /// An edit as the user makes one.
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
    return Contents(Path("work.lvm"));
  }

  TMacro* Sub = nullptr;
};

TEST_F(AutosaveTest, CopyComesAfterTheIntervalAsSaveWritesItAndGoesWithTheSave) {
  ShowSavedCircuit();
  Autosave().WriteNow();
  EXPECT_TRUE(RecoveryFiles().isEmpty());  // nothing unsaved, nothing copied

  // An edit inside the open sub-circuit: the copy holds the whole circuit, that level closed.
  Select(*Sub);
  Form->EditMacroClick();
  ASSERT_TRUE(Document().IsInsideMacro());
  AddLed(*Sub, 80);
  ASSERT_TRUE(QTest::qWaitFor([this] { return !Autosave().CopyPath().isEmpty(); }, 5000));
  const QString copy = Autosave().CopyPath();
  EXPECT_TRUE(QFileInfo(copy).fileName().startsWith("work-"));
  const QJsonObject info =
      QJsonDocument::fromJson(Contents(TRecoveryFolder::InfoPathOf(copy))).object();
  EXPECT_EQ(info["file"].toString(), Path("work.lvm"));
  EXPECT_EQ(info["undoIndex"].toInt(), Document().EditHistory()->Index());
  EXPECT_EQ(info["pid"].toInteger(), QCoreApplication::applicationPid());
  const QByteArray copied = Contents(copy);

  EXPECT_EQ(copied, SavedBytes());
  EXPECT_TRUE(RecoveryFiles().isEmpty());
  EXPECT_TRUE(Autosave().CopyPath().isEmpty());
}

TEST_F(AutosaveTest, LargeCircuitsAreWrittenOnTheWorkerAsSaveWritesThem) {
  ShowSavedCircuit();
  Autosave().QuickWriteLimit = 0;  // as if the last copy had taken too long
  // From the edit history's last state...
  AddLed(Circuit(), 300);
  Autosave().WriteNow();
  Autosave().WaitForWriting();
  const QByteArray fromHistory = Contents(Autosave().CopyPath());
  // ...and serialised again once running changed what the history holds.
  Drawing().ResetCircuit();
  AddLed(Circuit(), 340);
  Drawing().Step();
  EXPECT_TRUE(Document().RecordedRootFileBytes().isEmpty());
  Autosave().WriteNow();
  Autosave().WaitForWriting();
  const QByteArray afterRun = Contents(Autosave().CopyPath());
  EXPECT_NE(fromHistory, afterRun);
  EXPECT_EQ(afterRun, SavedBytes());
}

TEST_F(AutosaveTest, FailedCopyIsToldOnceInTheStatusBarAndTriedAgain) {
  ShowSavedCircuit();
  // A file where the folder should be: nothing can be written under it.
  QDir().mkpath(QFileInfo(Form->RecoveryFolder().Path()).path());
  QFile blocker(Form->RecoveryFolder().Path());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  AddLed(Circuit(), 300);
  int notices = 0;
  QObject::connect(&Autosave(), &TAutosave::NoticeChanged, [&notices] { ++notices; });
  Autosave().WriteNow();
  Autosave().WriteNow();
  auto* notice = Form->findChild<QLabel*>("AutosaveNotice");
  EXPECT_TRUE(notice->isVisible());
  EXPECT_TRUE(notice->text().contains("recovery")) << notice->text().toStdString();
  EXPECT_EQ(notices, 1);
  EXPECT_TRUE(Messages.isEmpty());  // no box
  EXPECT_TRUE(Document().Modified());

  blocker.remove();
  Autosave().WriteNow();
  EXPECT_FALSE(notice->isVisible());
  EXPECT_TRUE(QFileInfo::exists(Autosave().CopyPath()));
}

TEST_F(AutosaveTest, DiscardingTheChangesRemovesTheCopy) {
  ShowSavedCircuit();
  AddLed(Circuit(), 300);
  Autosave().WriteNow();
  ASSERT_EQ(RecoveryFiles().size(), 2);  // the copy and its side file
  Answer = QMessageBox::No;              // Discard in the close prompt
  EXPECT_TRUE(Form->close());
  EXPECT_TRUE(RecoveryFiles().isEmpty());

  Show();
  AddLed(Circuit(), 300);
  Autosave().WriteNow();
  ASSERT_FALSE(RecoveryFiles().isEmpty());
  Form->NewClick();  // "No" again: the changes are given up
  EXPECT_TRUE(RecoveryFiles().isEmpty());
}

/// Copies left in the folder before the window starts, by programs of the test's making.
class RecoveryAtStartTest : public AutosaveTest {
protected:
  /// Picks the listed copy whose name holds `Name`.
  struct TAnswer {
    TRecoveryAction Action;
    QString Name;
  };

  void SetUp() override {
    AutosaveTest::SetUp();
    Recovery.emplace();
    auto root = NewRoot();
    Place<TLEDDevice>(*root, 100, 100);
    Place<TLEDDevice>(*root, 200, 100);
    CopyBytes = CircuitBytes(*root, "Lights");
    Original = Path("lights.lvm");
    ASSERT_TRUE(SaveCircuitFile(Original, *NewRoot(), {}));
  }
  /// A copy of `fileName` written by `writer`.
  QString LeaveCopy(const QString& name, const QString& fileName, const TProcessIdentity& writer,
                    const QByteArray& bytes) {
    const QString copy = Recovery->Path() + '/' + name;
    const TRecoveryInfo info{fileName, QDateTime::currentDateTimeUtc(), 4, writer};
    EXPECT_TRUE(TRecoveryFolder::Write(copy, bytes, info, nullptr));
    return copy;
  }
  /// A program gone, whose process id now belongs to this one.
  static TProcessIdentity Gone() {
    TProcessIdentity gone = TProcessIdentity::Current();
    gone.StartTime = "1";
    return gone;
  }
  /// Shows the window, answering the recovery dialog with `answers`, one a time, and noting
  /// what it listed; Later when they run out.
  void ShowAnswering(std::vector<TAnswer> answers) {
    Form = std::make_unique<TMainForm>();
    Form->ChooseSaveFile = [this](QWidget*, const QString&) {
      return SaveName;
    };
    Form->ChooseRecovery = [this, answers](QWidget*,
                                           const std::vector<TRecoveryListEntry>& copies) mutable {
      Listed.push_back(copies);
      if (answers.empty()) {
        return TRecoveryChoice{};
      }
      const TAnswer answer = answers.front();
      answers.erase(answers.begin());
      for (std::size_t i = 0; i < copies.size(); ++i) {
        if (copies[i].Circuit.contains(answer.Name)) {
          return TRecoveryChoice{answer.Action, int(i)};
        }
      }
      ADD_FAILURE() << "not listed: " << answer.Name.toStdString();
      return TRecoveryChoice{};
    };
    Form->show();
    QCoreApplication::processEvents();
  }
  /// The entry of the last listing whose name holds `name`.
  const TRecoveryListEntry* Entry(const QString& name) const {
    for (const TRecoveryListEntry& entry : Listed.back()) {
      if (entry.Circuit.contains(name)) {
        return &entry;
      }
    }
    return nullptr;
  }

  std::optional<TRecoveryFolder> Recovery;
  QByteArray CopyBytes;
  QString Original;
  std::vector<std::vector<TRecoveryListEntry>> Listed;
};

TEST_F(RecoveryAtStartTest, StaleCopyIsRecoveredUnderItsFileAndKeptUntilSaved) {
  const QString running =
      LeaveCopy("other-1.lvm", Path("other.lvm"), TProcessIdentity::Current(), CopyBytes);
  LeaveCopy("lights-1.lvm", Original, Gone(), CopyBytes);
  const QString broken = LeaveCopy("broken-2.lvm", Original, Gone(), CopyBytes.left(40));
  ShowAnswering({{TRecoveryAction::Recover, "lights.lvm"}});

  ASSERT_EQ(Listed.size(), 1U);
  EXPECT_EQ(Listed[0].size(), 2U);  // the running program's copy is not offered
  ASSERT_TRUE(Entry("lights.lvm") && Entry("broken-2.lvm"));
  EXPECT_FALSE(Entry("lights.lvm")->Damaged);
  EXPECT_TRUE(Entry("lights.lvm")->Comparison.contains("newer than the file"));
  EXPECT_TRUE(Entry("broken-2.lvm")->Damaged);

  EXPECT_EQ(Document().FileName, Original);
  EXPECT_TRUE(Document().Modified());
  EXPECT_EQ(Circuit().Outputs().Count(), 2);
  EXPECT_EQ(Document().MacroName, "Lights");
  const QString kept = Autosave().CopyPath();
  EXPECT_EQ(kept, Recovery->CopyPathFor(Original));
  EXPECT_TRUE(QFileInfo::exists(kept));
  EXPECT_TRUE(QFileInfo::exists(running));
  EXPECT_TRUE(QFileInfo::exists(broken));

  EXPECT_TRUE(Form->SaveClick());
  EXPECT_EQ(Contents(Original), CopyBytes);
  EXPECT_FALSE(QFileInfo::exists(kept));
  EXPECT_TRUE(QFileInfo::exists(running));
}

TEST_F(RecoveryAtStartTest, DiscardDeletesACopyAndLaterKeepsTheRestForTheNextStart) {
  LeaveCopy("lights-1.lvm", Original, Gone(), CopyBytes);
  // Garbage without a side file, from a process id that no system gives.
  const QString garbage = LeaveCopy("garbage-999999999.lvm", {}, Gone(), "not a circuit at all");
  QFile::remove(TRecoveryFolder::InfoPathOf(garbage));
  ShowAnswering({{TRecoveryAction::Discard, "garbage"}, {TRecoveryAction::Later, "lights"}});
  ASSERT_EQ(Listed.size(), 2U);
  EXPECT_EQ(Listed[0].size(), 2U);
  EXPECT_EQ(Listed[1].size(), 1U);
  EXPECT_FALSE(QFileInfo::exists(garbage));
  EXPECT_FALSE(Document().Modified());
  Form.reset();

  ShowAnswering({});
  ASSERT_EQ(Listed.size(), 3U);
  EXPECT_EQ(Listed[2].size(), 1U);
}

TEST_F(RecoveryAtStartTest, OnlyOneProgramTakesAStaleCopy) {
  LeaveCopy("lights-1.lvm", Original, Gone(), CopyBytes);
  std::vector<TRecoveryCopy> first = Recovery->StaleCopies();
  std::vector<TRecoveryCopy> second = first;  // another program read the folder as well
  ASSERT_EQ(first.size(), 1U);
  EXPECT_TRUE(Recovery->Claim(first[0]));
  EXPECT_FALSE(Recovery->Claim(second[0]));
  EXPECT_TRUE(Recovery->StaleCopies().empty());  // the claimed copy is this running program's now
}

}  // namespace
}  // namespace logivane::test
