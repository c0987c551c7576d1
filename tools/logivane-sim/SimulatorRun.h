#pragma once

#include <QStringList>

namespace logivane {

/// Exit statuses of the command-line simulator.
enum TSimExit : int {
  SimDone = 0,
  SimBadUsage = 1,
  SimNoCircuit = 2,
  SimUnreadable = 3,
  SimFault = 4,
  SimCannotWrite = 5,
  SimTestFailed = 6,
  SimBadTable = 7,
};

/// Runs the command-line simulator on `arguments` (program name first) and returns its exit
/// status; results go to standard output, messages to standard error.
int RunSimulator(const QStringList& arguments);

}  // namespace logivane
