#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace logivane {

/// A memory of the circuit's top level, by its number from 1, and the file to load or write.
struct TMemoryFileArg {
  int Number = 0;
  QString File;
};

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
  /// Images loaded before the run, in order.
  std::vector<TMemoryFileArg> MemoryLoads;
  /// Memories written after the run.
  std::vector<TMemoryFileArg> MemoryDumps;
  bool ListMemories = false;  ///< print the top level's memories and run nothing
  bool HelpAsked = false;     ///< print how to call the program and nothing else
};

/// Parses `arguments` (program name first); none, with `error` set, when they make no sense.
std::optional<TSimOptions> ParseSimOptions(const QStringList& arguments, QString& error);

/// How to call the program.
QString SimUsage();

}  // namespace logivane
