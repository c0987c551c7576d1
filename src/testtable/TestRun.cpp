#include "testtable/TestRun.h"

#include <algorithm>

namespace logivane {

bool TTestRowResult::Passed() const {
  return Fault.isEmpty() && std::all_of(Outputs.begin(), Outputs.end(),
                                        [](const TTestCell& cell) { return cell.Passed; });
}

QString TTestRowResult::FailureText() const {
  QStringList problems;
  if (!Fault.isEmpty()) {
    problems << Fault;
  }
  for (const TTestCell& cell : Outputs) {
    if (!cell.Passed) {
      problems
          << QStringLiteral("%1 expected %2, got %3").arg(cell.Name, cell.Expected, cell.Actual);
    }
  }
  return QStringLiteral("row %1 (%2): %3")
      .arg(Number)
      .arg(Inputs, problems.join(QStringLiteral("; ")));
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
  Q_UNUSED(circuit);
  Q_UNUSED(table);
  return {};
}

}  // namespace logivane
