#include "SimMemories.h"

#include "SimulatorRun.h"
#include "simulation/cMacro.h"
#include "simulation/cMemory.h"
#include "simulation/cMemoryFiles.h"

namespace logivane {

TSimMemories::TSimMemories(const TMacro& root) {
  for (TSerialize* item : root.Devices().Objects()) {
    if (auto* memory = dynamic_cast<TMemoryDevice*>(item)) {
      FMemories.push_back(memory);
    }
  }
}

TMemoryDevice* TSimMemories::Find(int number) const {
  const bool exists = number >= 1 && number <= static_cast<int>(FMemories.size());
  return exists ? FMemories[static_cast<std::size_t>(number - 1)] : nullptr;
}

void TSimMemories::List(QTextStream& out) const {
  // A memory's file record keeps its drawing, not an origin; the drawing's corner places it.
  out << "memory\ttype\taddress\tdata\tleft\ttop\n";
  for (std::size_t i = 0; i < FMemories.size(); ++i) {
    const TMemoryDevice& memory = *FMemories[i];
    const TRect bounds = memory.GetBounds();
    out << i + 1 << '\t' << (memory.IsRAM() ? "RAM" : "ROM") << '\t' << memory.AddressWidth()
        << '\t' << memory.DataWidth() << '\t' << bounds.Left << '\t' << bounds.Top << '\n';
  }
}

int TSimMemories::Load(const TSimOptions& options, QTextStream& err) const {
  for (const auto* list : {&options.MemoryLoads, &options.MemoryDumps}) {
    for (const TMemoryFileArg& arg : *list) {
      if (!Find(arg.Number)) {
        err << "The circuit's top level has no memory " << arg.Number << "; it has "
            << FMemories.size() << " (--list-memories lists them).\n";
        return SimBadUsage;
      }
    }
  }
  for (const TMemoryFileArg& load : options.MemoryLoads) {
    const TMemoryMapResult result = LoadMemoryFile(load.File, *Find(load.Number));
    if (!result.Ok()) {
      err << "Unable to load '" << load.File << "' into memory " << load.Number << ": "
          << result.Message << '\n';
      return result.Status == TMemoryMapStatus::FileError ? SimNoCircuit : SimUnreadable;
    }
  }
  return SimDone;
}

int TSimMemories::Dump(const std::vector<TMemoryFileArg>& dumps, QTextStream& err) const {
  int status = SimDone;
  for (const TMemoryFileArg& dump : dumps) {
    const TMemoryMapResult result = SaveMemoryFile(dump.File, *Find(dump.Number));
    if (!result.Ok()) {
      err << "Unable to write '" << dump.File << "': " << result.Message << '\n';
      status = SimCannotWrite;
    }
  }
  return status;
}

}  // namespace logivane
