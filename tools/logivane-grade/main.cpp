// logivane-grade: runs a test table on many circuit files, each in a process of its own.

#include "GradeRun.h"
#include "HeadlessEnvironment.h"

#include <QGuiApplication>

int main(int argc, char* argv[]) {
  logivane::PrepareHeadlessEnvironment();
  QGuiApplication application(argc, argv);
  return logivane::RunGrader(QGuiApplication::applicationFilePath(), QGuiApplication::arguments());
}
