#include "ProcessPool.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

namespace logivane {

namespace {

/// One run of a pool: the processes, the next to start and how the started ones ended.
class TPoolRun {
public:
  TPoolRun(const QString& program, int timeoutMs, const std::vector<QStringList>& argumentLists)
      : FProgram(program),
        FTimeoutMs(timeoutMs),
        FArguments(argumentLists),
        FEnds(argumentLists.size()),
        FProcesses(argumentLists.size()) {}

  std::vector<TProcessEnd> Run(int jobs) {
    if (FArguments.empty()) {
      return {};
    }
    const std::size_t first =
        std::min<std::size_t>(static_cast<std::size_t>(jobs), FArguments.size());
    while (FNext < first) {
      StartNext();
    }
    if (FEnded < FArguments.size()) {
      FLoop.exec();
    }
    return std::move(FEnds);
  }

private:
  void StartNext() {
    const std::size_t index = FNext++;
    FProcesses[index] = std::make_unique<QProcess>();
    QProcess* process = FProcesses[index].get();
    auto* limit = new QTimer(process);  // owned by the process, stopped with it
    limit->setSingleShot(true);
    QObject::connect(limit, &QTimer::timeout, process, [this, index, process] {
      FEnds[index].Kind = TProcessEnd::TimedOut;
      process->kill();
    });
    QObject::connect(process, &QProcess::finished, process,
                     [this, index, process, limit](int exitCode, QProcess::ExitStatus status) {
                       limit->stop();
                       TProcessEnd& end = FEnds[index];
                       if (end.Kind != TProcessEnd::TimedOut) {
                         end.Kind = status == QProcess::NormalExit ? TProcessEnd::Exited
                                                                   : TProcessEnd::Crashed;
                       }
                       end.ExitCode = exitCode;
                       end.Out = process->readAllStandardOutput();
                       end.Err = process->readAllStandardError();
                       Ended();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [this, index, limit](QProcess::ProcessError error) {
                       if (error == QProcess::FailedToStart) {
                         limit->stop();
                         FEnds[index].Kind = TProcessEnd::NotStarted;
                         Ended();
                       }
                     });
    limit->start(FTimeoutMs);
    process->start(FProgram, FArguments[index]);
  }

  /// A process has ended: the next one takes its place, and the loop ends with the last.
  void Ended() {
    ++FEnded;
    if (FNext < FArguments.size()) {
      StartNext();
    } else if (FEnded == FArguments.size()) {
      FLoop.quit();
    }
  }

  const QString& FProgram;
  int FTimeoutMs;
  const std::vector<QStringList>& FArguments;
  std::vector<TProcessEnd> FEnds;
  // Kept until the whole run ends: a process is never deleted inside its own signal.
  std::vector<std::unique_ptr<QProcess>> FProcesses;
  std::size_t FNext = 0;
  std::size_t FEnded = 0;
  QEventLoop FLoop;
};

}  // namespace

TProcessPool::TProcessPool(QString program, int jobs, int timeoutMs)
    : FProgram(std::move(program)), FJobs(std::max(1, jobs)), FTimeoutMs(timeoutMs) {
}

std::vector<TProcessEnd> TProcessPool::Run(const std::vector<QStringList>& argumentLists) const {
  TPoolRun run(FProgram, FTimeoutMs, argumentLists);
  return run.Run(FJobs);
}

}  // namespace logivane
