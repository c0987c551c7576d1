// Fuzz entry point for test tables: any text must be refused with errors that point into it,
// or give rows that fit the header and run on a small circuit or are refused by it cleanly.

#include "FuzzTargets.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"
#include "testtable/TestRun.h"

#include <QStringDecoder>

#include <cstdlib>

namespace logivane::fuzz {

namespace {

/// Rows beyond this are not run: a table may expand to many, and each is a step.
constexpr int MaxRunRows = 2000;

template <class T>
T* Add(TMacro& circuit, float x, const char* label) {
  auto device = std::make_unique<T>();
  device->Translate(x, 0);
  device->Remap();
  device->SetLabelText(QString::fromUtf8(label));
  return AddObject(circuit, std::move(device));
}

/// Input A through an inverter to LED Y, with a switch S and a 4-line display N beside them.
std::unique_ptr<TMacro> SmallCircuit() {
  auto root = std::make_unique<TMacro>();
  root->Closed = false;
  root->Displayed = true;
  auto* input = Add<TInteractiveInput>(*root, 0, "A");
  Add<TInteractiveSwitch>(*root, 200, "S");
  Add<TNumericDevice>(*root, 300, "N");
  auto inverter = std::make_unique<TNotGate>();
  inverter->Translate(60, 0);
  inverter->Remap();
  TNotGate* gate = AddObject(*root, std::move(inverter));
  auto* led = Add<TLEDDevice>(*root, 120, "Y");
  Connect(*root, *input->Pin(0), *gate->Pin(1));
  Connect(*root, *gate->Pin(0), *led->Pin(0));
  root->Reset();
  return root;
}

void Check(bool holds) {
  if (!holds) {
    std::abort();
  }
}

}  // namespace

void FuzzTestTable(const std::uint8_t* data, std::size_t size) {
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString text = decoder.decode(
      QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 2;
  std::vector<TTestError> errors;
  const TTestTable table = TTestTable::Parse(text, errors);
  for (const TTestError& error : errors) {
    Check(error.Line >= 1 && error.Line <= lines && error.Column >= 1 && !error.Message.isEmpty());
  }
  if (!errors.empty()) {
    Check(table.RowCount() == 0);
    return;
  }
  Check(table.RowCount() > 0);
  for (const TTestRow& row : table.Rows()) {
    Check(row.Line > 1 && row.Line < lines && row.Steps >= 1);
    Check(row.Inputs.size() == static_cast<std::size_t>(table.InputNames().size()));
    Check(row.Outputs.size() == static_cast<std::size_t>(table.OutputNames().size()));
  }
  if (table.RowCount() > MaxRunRows) {
    return;
  }
  const std::unique_ptr<TMacro> circuit = SmallCircuit();
  const TTestReport report = RunTestTable(*circuit, table);
  Check(report.Errors.empty() ? report.Rows.size() == table.Rows().size() : report.Rows.empty());
}

}  // namespace logivane::fuzz
