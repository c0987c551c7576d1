#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace logivane {

/// The command line of the command-line simulator.
struct TSimOptions {
  QString CircuitFile;
  int Steps = 16;
  /// Steps to go back after the run, to the state then printed again.
  int Back = 0;
  QStringList WatchLabels;
  QString VcdFile;
  QString WaveDromFile;
  QString SaveFile;
  bool Bench = false;
  /// A test table to run instead of the steps.
  QString TestFile;
  bool HelpAsked = false;  ///< print how to call the program and nothing else
};

/// Parses `arguments` (program name first); none, with `error` set, when they make no sense.
std::optional<TSimOptions> ParseSimOptions(const QStringList& arguments, QString& error);

/// How to call the program.
QString SimUsage();

}  // namespace logivane
