#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace logivane {

/// How one process of a pool ended.
struct TProcessEnd {
  enum TKind { Exited, Crashed, TimedOut, NotStarted };
  TKind Kind = NotStarted;
  int ExitCode = -1;  ///< meaningful when the process exited
  QByteArray Out;
  QByteArray Err;
};

/**
 * @brief Runs one program many times, a few processes at once, each with a time limit after
 * which it is killed.
 *
 * Runs an event loop of its own while the processes run, so it needs a Qt application but no
 * running loop.
 */
class TProcessPool {
public:
  TProcessPool(QString program, int jobs, int timeoutMs);

  /// Runs the program once per argument list and says how each run ended, in the same order.
  std::vector<TProcessEnd> Run(const std::vector<QStringList>& argumentLists) const;

private:
  QString FProgram;
  int FJobs;
  int FTimeoutMs;
};

}  // namespace logivane
