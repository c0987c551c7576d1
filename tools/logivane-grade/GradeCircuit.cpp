#include "GradeCircuit.h"

#include "simulation/cCircuitFile.h"
#include "simulation/cMacro.h"
#include "testtable/TestRun.h"
#include "testtable/TestTableFile.h"

#include <vector>

namespace logivane {

namespace {

QString JoinedErrors(const std::vector<TTestError>& errors) {
  QStringList lines;
  for (const TTestError& error : errors) {
    lines << error.ToString();
  }
  return lines.join(QStringLiteral("; "));
}

TGradeRow RowGrade(const TTestRowResult& row) {
  const QString name = QStringLiteral("row %1 (%2)").arg(row.Number).arg(row.Inputs);
  return {row.Line, name, row.Passed(), row.Passed() ? QString() : row.FailureText()};
}

}  // namespace

std::optional<TTestTable> ReadTableFile(const QString& fileName, QString& message) {
  const std::optional<QString> text = ReadTestTableText(fileName, message);
  if (!text) {
    return std::nullopt;
  }
  std::vector<TTestError> errors;
  TTestTable table = TTestTable::Parse(*text, errors);
  if (!errors.empty()) {
    QStringList lines;
    for (const TTestError& error : errors) {
      lines << fileName + QStringLiteral(": ") + error.ToString();
    }
    message = lines.join(u'\n');
    return std::nullopt;
  }
  return table;
}

TCircuitGrade GradeCircuit(const TTestTable& table, const QString& fileName) {
  TCircuitGrade grade;
  grade.File = fileName;
  grade.TotalRows = table.RowCount();
  TCircuitReadResult read = ReadCircuitFile(fileName);
  if (!read.Succeeded()) {
    grade.Message = read.Message;
    return grade;
  }
  TMacro& root = *read.Circuit;
  root.Closed = false;
  root.Displayed = true;
  root.IsSubCircuit = false;
  const TTestReport report = RunTestTable(root, table);
  if (!report.Errors.empty()) {
    grade.Message = JoinedErrors(report.Errors);
    return grade;
  }
  for (const TTestRowResult& row : report.Rows) {
    grade.Rows.push_back(RowGrade(row));
  }
  grade.PassedRows = report.PassedCount();
  grade.Outcome = report.AllPass() ? TGradeOutcome::Pass : TGradeOutcome::Fail;
  return grade;
}

}  // namespace logivane
