#include "SimTableRun.h"

#include "SimulatorRun.h"
#include "testtable/TestRun.h"
#include "testtable/TestTableFile.h"

#include <QTextStream>

namespace logivane {

namespace {

int BadTable(const QString& fileName, const std::vector<TTestError>& errors, QTextStream& err) {
  for (const TTestError& error : errors) {
    err << fileName << ": " << error.ToString() << '\n';
  }
  return SimBadTable;
}

}  // namespace

int RunTableFile(TMacro& root, const QString& fileName, QTextStream& out, QTextStream& err) {
  QString failure;
  const std::optional<QString> text = ReadTestTableText(fileName, failure);
  if (!text) {
    err << failure << '\n';
    return SimBadTable;
  }
  std::vector<TTestError> errors;
  const TTestTable table = TTestTable::Parse(*text, errors);
  if (!errors.empty()) {
    return BadTable(fileName, errors, err);
  }
  const TTestReport report = RunTestTable(root, table);
  if (!report.Errors.empty()) {
    return BadTable(fileName, report.Errors, err);
  }
  for (const TTestRowResult& row : report.Rows) {
    if (!row.Passed()) {
      out << row.FailureText() << '\n';
    }
  }
  out << report.Summary() << '\n';
  return report.AllPass() ? SimDone : SimTestFailed;
}

}  // namespace logivane
