// logivane-sim: runs a circuit file without a window.

#include "HeadlessEnvironment.h"
#include "SimulatorRun.h"

#include <QGuiApplication>

int main(int argc, char* argv[]) {
  logivane::PrepareHeadlessEnvironment();
  QGuiApplication application(argc, argv);
  return logivane::RunSimulator(QGuiApplication::arguments());
}
