// A program killed in the middle of its work, started again: the work comes back.
#include "app/RecoveryFolder.h"
#include "driver/CrashEdit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace logivane::test {
namespace {

QByteArray Contents(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class CrashRecoveryTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Home.isValid());
    for (const char* folder : {"config", "data", "work"}) {
      QDir(Home.path()).mkpath(folder);
    }
    // A copy every second, in settings of the test's own.
    QSettings settings(Home.filePath("config/Ostrel/Logivane.conf"), QSettings::IniFormat);
    settings.setValue("3.04/Options/Autosave Interval", 1);
    settings.sync();
    Environment.insert("HOME", Home.path());
    Environment.insert("XDG_CONFIG_HOME", Home.filePath("config"));
    Environment.insert("XDG_DATA_HOME", Home.filePath("data"));
    Environment.insert("QT_QPA_PLATFORM", "offscreen");
  }
  void Start(QProcess& program, const QStringList& arguments) {
    program.setProcessEnvironment(Environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(LOGIVANE_RECOVERY_DRIVER, arguments);
    ASSERT_TRUE(program.waitForStarted());
  }
  /// Reads the program's output until a line starts with `word`.
  static bool WaitFor(QProcess& program, const QByteArray& word) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000) {
      while (program.canReadLine()) {
        if (program.readLine().startsWith(word)) {
          return true;
        }
      }
      program.waitForReadyRead(200);
    }
    return false;
  }
  QStringList SideFiles() const {
    return QDir(Home.filePath("data/Ostrel/Logivane/recovery")).entryList({"*.json"});
  }

  QTemporaryDir Home;
  QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(CrashRecoveryTest, WorkOfAKilledProgramIsRecoveredAndSavedWhereItBelongs) {
  const QString circuit = Home.filePath("work/full-adder.lvm");
  ASSERT_TRUE(QFile::copy(LOGIVANE_EXAMPLES_DIR "/full-adder.lvm", circuit));
  TCircuitDocument expected;
  ASSERT_TRUE(expected.LoadFromFile(circuit).Succeeded());
  MakeCrashTestEdit(expected);

  QProcess killed;
  Start(killed, {"edit", circuit});
  ASSERT_TRUE(WaitFor(killed, "edited"));
  ASSERT_TRUE(QTest::qWaitFor([this] { return !SideFiles().isEmpty(); }, 10000));
  killed.kill();  // SIGKILL: nothing of the program's own runs after this
  killed.waitForFinished();

  QProcess again;
  Start(again, {"recover"});
  ASSERT_TRUE(WaitFor(again, "recovered " + circuit.toUtf8()));
  ASSERT_TRUE(again.waitForFinished(30000));
  EXPECT_EQ(again.exitCode(), 0);
  EXPECT_EQ(Contents(circuit), expected.RootFileBytes());
  EXPECT_TRUE(SideFiles().isEmpty());  // saved: the copy went with the save
}

}  // namespace
}  // namespace logivane::test
