#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace logivane::test {

/// Runs one of the command-line programs on files written into a folder of its own.
class ToolTest : public ::testing::Test {
protected:
  struct TRun {
    int Status = -1;
    QString Out;
    QString Err;
  };

  static TRun RunProgram(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(timeoutMs));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }

  QString PathOf(const QString& name) const { return QDir(FFolder.path()).filePath(name); }

  /// Writes `bytes` to `name`, which may lie in a subfolder.
  QString Written(const QString& name, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(PathOf(name)).path());
    QFile file(PathOf(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
  }

  static QByteArray Bytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
  }

  QTemporaryDir FFolder;
};

}  // namespace logivane::test
