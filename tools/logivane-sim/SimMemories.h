#pragma once

#include "SimOptions.h"

#include <QTextStream>

#include <vector>

namespace logivane {

class TMacro;
class TMemoryDevice;

/**
 * @brief The memories of a circuit's top level, numbered from 1 in the order its file stores
 * them: a memory carries no label, so its number is what the command line names it by.
 */
class TSimMemories {
public:
  explicit TSimMemories(const TMacro& root);

  /// One line per memory: number, RAM or ROM, address and data lines, and the top left corner
  /// of its drawing.
  void List(QTextStream& out) const;
  /// Checks that every memory the options name exists, then loads the images asked for; the exit
  /// status, with the reason on `err` when it is not `SimDone`.
  int Load(const TSimOptions& options, QTextStream& err) const;
  /// Writes each memory asked for to its file; the exit status, as `Load`.
  int Dump(const std::vector<TMemoryFileArg>& dumps, QTextStream& err) const;

private:
  TMemoryDevice* Find(int number) const;

  std::vector<TMemoryDevice*> FMemories;
};

}  // namespace logivane
