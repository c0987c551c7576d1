#include "SimulatorRun.h"

#include "Readout.h"
#include "SimMemories.h"
#include "SimOptions.h"
#include "SimTableRun.h"
#include "document/cVcdWriter.h"
#include "document/cWaveDromWriter.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cDeviceKind.h"
#include "simulation/cMacro.h"
#include "simulation/cRunControl.h"
#include "simulation/cStepHistory.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace logivane {

namespace {

const QString Untitled = QStringLiteral("[untitled]");

QString LabelOf(const TDevice& device) {
  const auto* text = dynamic_cast<const TTextDevice*>(&device);
  return text && !text->GetLabelText().isEmpty() ? text->GetLabelText() : Untitled;
}

/// The sources, then the indicators, of the circuit's own level.
std::vector<TDevice*> SourcesAndIndicators(const TMacro& root) {
  std::vector<TDevice*> devices;
  for (const TGraphicList* list : {&root.Inputs(), &root.Outputs()}) {
    for (int i = 0; i < list->Count(); ++i) {
      devices.push_back(static_cast<TDevice*>(list->Child(i)));
    }
  }
  return devices;
}

/// The recorded devices in timing-diagram order, then those labelled as asked; none when a
/// label names nothing that can be watched (`missing` says which).
std::vector<TDevice*> WatchedDevices(const TMacro& root, const QStringList& labels,
                                     QString& missing) {
  const std::vector<TDevice*> candidates = SourcesAndIndicators(root);
  std::vector<TDevice*> watched;
  auto watch = [&watched](TDevice* device) {
    if (std::find(watched.begin(), watched.end(), device) == watched.end()) {
      watched.push_back(device);
    }
  };
  for (TDevice* device : candidates) {
    const auto* history = dynamic_cast<const THistoryDevice*>(device);
    if (history && history->Recorded && HasReadout(*device)) {
      watch(device);
    }
  }
  for (const QString& label : labels) {
    bool found = false;
    for (TDevice* device : candidates) {
      if (LabelOf(*device) == label && HasReadout(*device)) {
        watch(device);
        found = true;
      }
    }
    if (!found) {
      missing = label;
      return {};
    }
  }
  return watched;
}

QString CulpritText(const TDevice* culprit) {
  if (!culprit) {
    return {};
  }
  const QString label = LabelOf(*culprit);
  return QStringLiteral(" in %1 %2")
      .arg(DeviceKindName(*culprit),
           label == Untitled ? label : QLatin1Char('"') + label + QLatin1Char('"'));
}

/// One line per device the fault marks: the drivers of the net fought over, or the devices of
/// the loop that would not settle.
void PrintMarkedDevices(QTextStream& err, const TStepReport& report) {
  const char* role = report.Result.Race ? "racing" : "driver";
  for (const TDevice* device : report.Marks.Devices) {
    err << "  " << role << ": " << LabelOf(*device) << " (" << DeviceKindName(*device) << ")\n";
  }
}

/// The watched signals, written as they change into a value change dump, and step by step as
/// WaveDrom, for the files asked for.
class TDump {
public:
  /// Opens the files; false, with `Failed` naming it, when one cannot be written.
  bool Open(const TSimOptions& options, const std::vector<TDevice*>& watched) {
    if (!options.VcdFile.isEmpty()) {
      FVcdFile.setFileName(options.VcdFile);
      if (!FVcdFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return Fail(FVcdFile);
      }
      FVcd = std::make_unique<TVcdWriter>(FVcdFile);
    }
    if (!options.WaveDromFile.isEmpty()) {
      FWaveFile.setFileName(options.WaveDromFile);
      if (!FWaveFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return Fail(FWaveFile);
      }
      FWave = std::make_unique<TWaveDromWriter>();
    }
    for (const TDevice* device : watched) {
      const int width = ReadoutOf(*device)->Width;
      if (FVcd) {
        FVcd->AddSignal(LabelOf(*device), width);
      }
      if (FWave) {
        FWave->AddSignal(LabelOf(*device), width);
      }
    }
    if (FVcd) {
      FVcd->WriteHeader();
    }
    return true;
  }

  void Record(int step, const std::vector<TReadout>& readouts) {
    FValues.clear();
    for (const TReadout& readout : readouts) {
      FValues.push_back(readout.Bits);
    }
    if (FVcd) {
      FVcd->Record(step, FValues);
    }
    if (FWave) {
      FWave->Record(FValues);
    }
  }

  /// Writes what is kept and closes the files; false, with `Failed` naming it, when one could
  /// not be written.
  bool Close() {
    FVcd.reset();
    if (FWave) {
      FWave->Write(FWaveFile);
      FWave.reset();
    }
    for (QFile* file : {&FVcdFile, &FWaveFile}) {
      if (file->isOpen() && !(file->flush() && file->error() == QFileDevice::NoError)) {
        return Fail(*file);
      }
    }
    return true;
  }

  QString Failed;

private:
  bool Fail(const QFile& file) {
    Failed = file.fileName();
    return false;
  }

  QFile FVcdFile;
  QFile FWaveFile;
  std::unique_ptr<TVcdWriter> FVcd;
  std::unique_ptr<TWaveDromWriter> FWave;
  std::vector<std::uint32_t> FValues;
};

std::vector<TReadout> Readouts(const std::vector<TDevice*>& watched) {
  std::vector<TReadout> readouts;
  readouts.reserve(watched.size());
  for (const TDevice* device : watched) {
    readouts.push_back(*ReadoutOf(*device));
  }
  return readouts;
}

/// The step's line: its number, then the text of each readout.
void PrintRow(QTextStream& out, int step, const std::vector<TReadout>& readouts) {
  out << step;
  for (const TReadout& readout : readouts) {
    out << '\t' << readout.Text;
  }
  out << '\n';
}

/// Runs the steps the options ask for, printing a line for each, and writes the dumps.
int RunSteps(TMacro& root, const TSimOptions& options, QTextStream& out, QTextStream& err) {
  QString missing;
  const std::vector<TDevice*> watched = WatchedDevices(root, options.WatchLabels, missing);
  if (!missing.isEmpty()) {
    err << "No source or indicator of the circuit is labelled '" << missing << "'.\n";
    return SimBadUsage;
  }
  TDump dump;
  if (!dump.Open(options, watched)) {
    err << "Unable to write '" << dump.Failed << "'.\n";
    return SimCannotWrite;
  }

  out << "step";
  for (const TDevice* device : watched) {
    out << '\t' << LabelOf(*device);
  }
  out << '\n';
  dump.Record(0, Readouts(watched));

  // Indicators latch what they show; a source's readout is its pin, which compiled levels
  // write only when asked.
  const bool readsPins = std::any_of(watched.begin(), watched.end(), [](const TDevice* device) {
    return device->Role() == TDeviceRole::Input;
  });
  // Going back needs the steps remembered; a plain run keeps none.
  TStepHistory history(root);
  history.SetDepth(options.Back);
  const int dumpedSteps = options.Steps - options.Back;
  std::chrono::steady_clock::duration stepping{};
  for (int step = 1; step <= options.Steps; ++step) {
    const auto start = std::chrono::steady_clock::now();
    const TStepReport report = options.Back > 0 ? history.Step(false) : AdvanceCircuit(root);
    stepping += std::chrono::steady_clock::now() - start;
    if (readsPins) {
      root.Publish();
    }
    if (report.Faulted()) {
      out.flush();
      dump.Close();
      err << report.Message << "\nat step " << step << CulpritText(report.Result.Culprit) << '\n';
      PrintMarkedDevices(err, report);
      return SimFault;
    }
    const std::vector<TReadout> readouts = Readouts(watched);
    PrintRow(out, step, readouts);
    if (step <= dumpedSteps) {
      dump.Record(step, readouts);
    }
  }
  if (options.Back > 0 && history.StepBack(options.Back) == options.Back) {
    PrintRow(out, dumpedSteps, Readouts(watched));
  }
  if (!dump.Close()) {
    err << "Unable to write '" << dump.Failed << "'.\n";
    return SimCannotWrite;
  }
  if (options.Bench) {
    const double seconds = std::chrono::duration<double>(stepping).count();
    out << "steps_per_second: " << (seconds > 0 ? options.Steps / seconds : 0.0) << '\n';
  }
  return SimDone;
}

}  // namespace

int RunSimulator(const QStringList& arguments) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  QString error;
  const std::optional<TSimOptions> options = ParseSimOptions(arguments, error);
  if (!options) {
    err << error << "\n\n" << SimUsage();
    return SimBadUsage;
  }
  if (options->HelpAsked) {
    out << SimUsage();
    return SimDone;
  }

  TCircuitReadResult read = ReadCircuitFile(options->CircuitFile);
  if (!read.Succeeded()) {
    err << read.Message << '\n';
    const bool noCircuit = read.Outcome == TCircuitReadOutcome::Missing ||
                           read.Outcome == TCircuitReadOutcome::NotCircuitFile;
    return noCircuit ? SimNoCircuit : SimUnreadable;
  }
  TMacro& root = *read.Circuit;
  if (!options->SaveFile.isEmpty() &&
      !SaveCircuitFile(options->SaveFile, root, read.MacroName, &error)) {
    err << "Unable to save '" << options->SaveFile << "': " << error << '\n';
    return SimCannotWrite;
  }

  const TSimMemories memories(root);
  if (options->ListMemories) {
    memories.List(out);
    return SimDone;
  }
  if (const int status = memories.Load(*options, err); status != SimDone) {
    return status;
  }

  // As the editor opens a file: the top level, open and on screen, from a reset state.
  root.Closed = false;
  root.Displayed = true;
  root.IsSubCircuit = false;
  root.Reset();
  const int status = options->TestFile.isEmpty() ? RunSteps(root, *options, out, err)
                                                 : RunTableFile(root, options->TestFile, out, err);
  if (status == SimBadUsage) {
    return status;  // an unknown label or table stopped it before any step: nothing to dump
  }
  // Written whatever became of the run: the words as they were when it stopped.
  const int dumped = memories.Dump(options->MemoryDumps, err);
  return status != SimDone ? status : dumped;
}

}  // namespace logivane
