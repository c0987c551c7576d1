#include "testtable/TestRun.h"

#include "simulation/cMacro.h"
#include "testtable/TestBinding.h"
#include "testtable/TestRunner.h"

#include <algorithm>

namespace logivane {

bool TTestRowResult::Passed() const {
  return Fault.isEmpty() && std::all_of(Outputs.begin(), Outputs.end(),
                                        [](const TTestCell& cell) { return cell.Passed; });
}

QString TTestRowResult::FailureText() const {
  QString text = QStringLiteral("row %1").arg(Number);
  if (!Inputs.isEmpty()) {
    text += QStringLiteral(" (%1)").arg(Inputs);
  }
  // After a fault the circuit was reset, so what the outputs show then says nothing.
  if (!Fault.isEmpty()) {
    return text + QStringLiteral(": ") + Fault;
  }
  QStringList problems;
  for (const TTestCell& cell : Outputs) {
    if (!cell.Passed) {
      problems
          << QStringLiteral("%1 expected %2, got %3").arg(cell.Name, cell.Expected, cell.Actual);
    }
  }
  return text + QStringLiteral(": ") + problems.join(QStringLiteral(", "));
}

int TTestReport::PassedCount() const {
  return static_cast<int>(std::count_if(Rows.begin(), Rows.end(),
                                        [](const TTestRowResult& row) { return row.Passed(); }));
}

bool TTestReport::AllPass() const {
  return Errors.empty() && PassedCount() == static_cast<int>(Rows.size());
}

QString TTestReport::Summary() const {
  return QStringLiteral("%1 of %2 rows pass").arg(PassedCount()).arg(Rows.size());
}

TTestReport RunTestTable(TMacro& circuit, const TTestTable& table) {
  TTestReport report;
  {
    const std::optional<TTestBinding> binding = TTestBinding::Bind(circuit, table, report.Errors);
    if (!binding) {
      return report;
    }
    circuit.Reset();
    TTestRunner runner(circuit, table, *binding);
    int number = 0;
    for (const TTestRow& row : table.Rows()) {
      report.Rows.push_back(runner.Run(row, ++number));
    }
  }  // the binding hands the sources back as they were
  circuit.Reset();
  return report;
}

}  // namespace logivane
