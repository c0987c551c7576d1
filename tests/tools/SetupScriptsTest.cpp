// The set-up scripts as a new user meets them: the install stops with advice when it cannot
// become root, and the format check finds a badly formatted file in a tree without git.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace logivane::test {
namespace {

const QString Source = QStringLiteral(LOGIVANE_SOURCE_DIR);

struct TScriptRun {
  int Status = -1;
  QString Output;
};

/// Runs the shell script `script` with `path` as its PATH, when given.
TScriptRun RunScript(const QString& script, const QString& path = {}) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (!path.isEmpty()) {
    environment.insert(QStringLiteral("PATH"), path);
  }
  process.setProcessEnvironment(environment);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QStringLiteral("/bin/bash"), {script});
  EXPECT_TRUE(process.waitForFinished(60000));
  return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

void WriteFile(const QString& path, const QByteArray& text, bool executable = false) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
  file.close();
  if (executable) {
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
  }
}

TEST(SetupScripts, WithoutRootOrSudoTheInstallSaysWhatToDoAndRunsNothing) {
  // A PATH of stand-ins: an ordinary user, nothing installed, no sudo.
  QTemporaryDir bin;
  WriteFile(bin.filePath("id"), "#!/bin/sh\necho 1000\n", true);
  WriteFile(bin.filePath("dpkg-query"), "#!/bin/sh\nexit 1\n", true);
  WriteFile(bin.filePath("apt-get"), "#!/bin/sh\ntouch \"$0.ran\"\n", true);
  ASSERT_TRUE(QFile::link(QStringLiteral("/bin/grep"), bin.filePath("grep")));

  const TScriptRun run = RunScript(Source + "/tools/install-deps.sh", bin.path());
  EXPECT_NE(run.Status, 0);
  EXPECT_TRUE(run.Output.contains("su -c tools/install-deps.sh")) << run.Output.toStdString();
  EXPECT_FALSE(QFile::exists(bin.filePath("apt-get.ran")));
}

TEST(SetupScripts, AFailedInstallStepShowsTheEndOfItsLog) {
  QTemporaryDir bin;
  WriteFile(bin.filePath("id"), "#!/bin/sh\necho 0\n", true);
  WriteFile(bin.filePath("dpkg-query"), "#!/bin/sh\nexit 1\n", true);
  WriteFile(bin.filePath("apt-get"), "#!/bin/sh\necho \"E: the mirror is unreachable\"\nexit 100\n",
            true);
  for (const char* tool : {"grep", "tail", "env"}) {
    ASSERT_TRUE(QFile::link(QStandardPaths::findExecutable(tool), bin.filePath(tool)));
  }
  qputenv("LOGIVANE_INSTALL_LOG", bin.filePath("install.log").toUtf8());
  const TScriptRun run = RunScript(Source + "/tools/install-deps.sh", bin.path());
  qunsetenv("LOGIVANE_INSTALL_LOG");
  EXPECT_NE(run.Status, 0);
  const QStringList lines = run.Output.split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(lines.first(), "Updating the package lists...") << "one line a step";
  EXPECT_TRUE(run.Output.contains("E: the mirror is unreachable")) << run.Output.toStdString();
}

TEST(SetupScripts, TheFormatCheckFailsOnABadFileInATreeWithoutGit) {
  QTemporaryDir tree;
  for (const char* file : {"tools/stylecheck.sh", "tools/layercheck.sh", "tools/sourcefiles.sh",
                           "tools/classsize.awk", ".clang-format"}) {
    QDir().mkpath(tree.filePath("tools"));
    ASSERT_TRUE(QFile::copy(Source + '/' + file, tree.filePath(file))) << file;
  }
  const QString check = tree.filePath("tools/stylecheck.sh");
  EXPECT_NE(RunScript(check).Status, 0) << "a tree with no source checks nothing";

  WriteFile(tree.filePath("src/document/Good.cpp"), "int Answer() {\n  return 42;\n}\n");
  const TScriptRun clean = RunScript(check);
  EXPECT_EQ(clean.Status, 0) << clean.Output.toStdString();

  WriteFile(tree.filePath("src/document/Bad.cpp"), "int  Bad( ){return 1;}\n");
  const TScriptRun bad = RunScript(check);
  EXPECT_NE(bad.Status, 0);
  EXPECT_TRUE(bad.Output.contains("src/document/Bad.cpp: not formatted"))
      << bad.Output.toStdString();
}

}  // namespace
}  // namespace logivane::test
