// A program killed in the middle of its work, started again: the work comes back.
#include "TestHelpers.h"
#include "driver/CrashEdit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace logivane::test {
namespace {

TEST(CrashRecoveryTest, WorkOfAKilledProgramIsRecoveredAndSavedWhereItBelongs) {
  QTemporaryDir home;
  QDir(home.path()).mkpath("work");
  // A copy every second, in settings and folders of the test's own.
  QSettings(home.filePath("config/Ostrel/Logivane.conf"), QSettings::IniFormat)
      .setValue("3.04/Options/Autosave Interval", 1);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("HOME", home.path());
  environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
  environment.insert("XDG_DATA_HOME", home.filePath("data"));
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  const QDir recovery(home.filePath("data/Ostrel/Logivane/recovery"));
  const auto run = [&environment](QProcess& program, const QStringList& arguments,
                                  const QByteArray& awaited) {
    program.setProcessEnvironment(environment);
    program.start(LOGIVANE_RECOVERY_DRIVER, arguments);
    return QTest::qWaitFor(
        [&] {
          program.waitForReadyRead(100);
          return program.readAllStandardOutput().contains(awaited);
        },
        30000);
  };

  const QString circuit = home.filePath("work/full-adder.lvm");
  ASSERT_TRUE(QFile::copy(LOGIVANE_EXAMPLES_DIR "/2 Combinational/full-adder.lvm", circuit));
  TCircuitDocument expected;
  ASSERT_TRUE(expected.LoadFromFile(circuit).Succeeded());
  MakeCrashTestEdit(expected);

  QProcess killed;
  ASSERT_TRUE(run(killed, {"edit", circuit}, "edited"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !recovery.entryList({"*.json"}).isEmpty(); }, 10000));
  killed.kill();  // SIGKILL: nothing of the program's own runs after this
  killed.waitForFinished();

  QProcess again;
  ASSERT_TRUE(run(again, {"recover"}, "recovered " + circuit.toUtf8()));
  // It may well have ended while its output was awaited, when there is nothing to wait for.
  ASSERT_TRUE(again.state() == QProcess::NotRunning || again.waitForFinished(30000));
  EXPECT_EQ(again.exitCode(), 0);
  EXPECT_EQ(FileBytes(circuit), expected.RootFileBytes());
  EXPECT_TRUE(recovery.entryList(QDir::Files).isEmpty());  // the copy went with the save
}

}  // namespace
}  // namespace logivane::test
