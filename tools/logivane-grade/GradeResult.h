#pragma once

#include <QJsonObject>
#include <QString>

#include <vector>

namespace logivane {

/// How grading one circuit ended.
enum class TGradeOutcome { Pass, Fail, Error, Timeout };

/// One row of the table as it went on one circuit.
struct TGradeRow {
  int Line = 0;  ///< the table line the row came from
  QString Name;  ///< "row 3 (A=0 B=1 Cin=1)"
  bool Passed = true;
  QString Failure;  ///< what went wrong, empty when it passed
};

/// The grade of one circuit file.
struct TCircuitGrade {
  QString File;
  TGradeOutcome Outcome = TGradeOutcome::Error;
  int PassedRows = 0;
  int TotalRows = 0;
  QString Message;  ///< why an error or a timeout happened
  std::vector<TGradeRow> Rows;

  bool Passed() const { return Outcome == TGradeOutcome::Pass; }
  /// "pass", "fail", "error: MESSAGE" or "timeout", as the printed table shows it.
  QString ResultText() const;
};

/// The word an outcome is written as in the reports.
QString OutcomeName(TGradeOutcome outcome);

/// `grade` as one JSON object: what the one-circuit process prints and the JSON report lists.
QJsonObject GradeToJson(const TCircuitGrade& grade);
/// The grade a JSON object written by GradeToJson holds; false when it is not one.
bool GradeFromJson(const QJsonObject& object, TCircuitGrade& grade);

}  // namespace logivane
