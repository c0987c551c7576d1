#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace logivane {

/// The command line of the grader.
struct TGradeOptions {
  QString TableFile;
  QStringList Paths;  ///< circuit files, and folders searched for them
  int TimeoutMs = 10000;
  int Jobs = 1;
  QString JsonFile;
  QString JunitFile;
  bool HelpAsked = false;  ///< print how to call the program and nothing else
  /// The one circuit a child process grades, printing its grade as JSON; empty in the parent.
  QString OneCircuit;
};

/// Parses `arguments` (program name first); none, with `error` set, when they make no sense.
std::optional<TGradeOptions> ParseGradeOptions(const QStringList& arguments, QString& error);

/// How to call the program.
QString GradeUsage();

/// The option that makes the program grade one circuit in a process of its own; not in the
/// usage, since only the program itself calls it so.
QString OneCircuitOption();

}  // namespace logivane
