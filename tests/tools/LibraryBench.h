#pragma once

// A committed library macro on a test bench, driven and read through its outline pins.

#include "Library.h"
#include "TestHelpers.h"
#include "simulation/cCircuitFile.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace logivane::test {

inline QString LibraryFile(const library::TPart& part) {
  return QStringLiteral(LOGIVANE_SOURCE_DIR "/Parts Centre/") + part.Folder + u'/' +
         part.FileName();
}

/// The committed macro file of `part` dropped into a parent circuit as the editor inserts it,
/// each input pin driven by a source and each output pin read by a probe, in table order. The
/// pins are found by their numbers: pin n carries the name `order[n - 1]`.
class TBench {
public:
  TBench(const library::TPart& part, const library::TFunctionTable& table,
         const std::vector<QString>& order)
      : Root(test::NewRoot()) {
    TCircuitReadResult read = ReadCircuitFile(LibraryFile(part));
    if (!read.Succeeded()) {
      throw std::runtime_error(read.Message.toStdString());
    }
    MacroName = read.MacroName;
    TMacro& macro = *read.Circuit;
    macro.Closed = true;
    macro.IsSubCircuit = true;
    macro.Displayed = false;
    Macro = AddObject(*Root, std::move(read.Circuit));
    auto pin = [&](const QString& name) -> TPin& {
      const auto at = std::ranges::find(order, name);
      if (at == order.end()) {
        throw std::invalid_argument(name.toStdString());
      }
      return *Macro->Pin(static_cast<int>(at - order.begin()));
    };
    for (const QString& name : table.Inputs) {
      Sources.push_back(test::Place<test::TTestSource>(*Root, -200, 0));
      Connect(*Root, *Sources.back()->Pin(0), pin(name));
    }
    for (const QString& name : table.Outputs) {
      Probes.push_back(test::Place<test::TTestProbe>(*Root, 200, 0));
      Connect(*Root, pin(name), *Probes.back()->Pin(0));
    }
    Root->Reset();
  }

  /// Drives one row and says where the outputs differ from it; empty when they agree.
  std::string Mismatch(const std::vector<int>& row) {
    for (std::size_t i = 0; i < Sources.size(); ++i) {
      Sources[i]->Level = row[i];
    }
    const TStepReport report = StepCircuit(*Root);
    if (report.Faulted()) {
      return report.Message.toStdString();
    }
    std::string mismatch;
    for (std::size_t i = 0; i < Probes.size(); ++i) {
      const int expected = row[Sources.size() + i];
      if (expected >= 0 && (Probes[i]->Seen & 1) != expected) {
        mismatch += " output " + std::to_string(i) + " is " + std::to_string(Probes[i]->Seen);
      }
    }
    return mismatch;
  }

  std::unique_ptr<TMacro> Root;
  TMacro* Macro = nullptr;
  QString MacroName;
  std::vector<test::TTestSource*> Sources;
  std::vector<test::TTestProbe*> Probes;
};

}  // namespace logivane::test
