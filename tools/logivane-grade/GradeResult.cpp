#include "GradeResult.h"

#include <QJsonArray>

#include <algorithm>
#include <iterator>

namespace logivane {

namespace {

constexpr TGradeOutcome Outcomes[] = {TGradeOutcome::Pass, TGradeOutcome::Fail,
                                      TGradeOutcome::Error, TGradeOutcome::Timeout};

QJsonObject RowToJson(const TGradeRow& row) {
  QJsonObject object{{QStringLiteral("line"), row.Line},
                     {QStringLiteral("name"), row.Name},
                     {QStringLiteral("passed"), row.Passed}};
  if (!row.Passed) {
    object.insert(QStringLiteral("failure"), row.Failure);
  }
  return object;
}

}  // namespace

QString OutcomeName(TGradeOutcome outcome) {
  switch (outcome) {
    case TGradeOutcome::Pass:
      return QStringLiteral("pass");
    case TGradeOutcome::Fail:
      return QStringLiteral("fail");
    case TGradeOutcome::Error:
      return QStringLiteral("error");
    case TGradeOutcome::Timeout:
      return QStringLiteral("timeout");
  }
  return {};
}

QString TCircuitGrade::ResultText() const {
  return Outcome == TGradeOutcome::Error ? OutcomeName(Outcome) + QStringLiteral(": ") + Message
                                         : OutcomeName(Outcome);
}

QJsonObject GradeToJson(const TCircuitGrade& grade) {
  QJsonArray rows;
  for (const TGradeRow& row : grade.Rows) {
    rows.append(RowToJson(row));
  }
  QJsonObject object{{QStringLiteral("file"), grade.File},
                     {QStringLiteral("result"), OutcomeName(grade.Outcome)},
                     {QStringLiteral("passed"), grade.PassedRows},
                     {QStringLiteral("total"), grade.TotalRows},
                     {QStringLiteral("rows"), rows}};
  if (!grade.Message.isEmpty()) {
    object.insert(QStringLiteral("message"), grade.Message);
  }
  return object;
}

bool GradeFromJson(const QJsonObject& object, TCircuitGrade& grade) {
  const QString result = object.value(QStringLiteral("result")).toString();
  const auto* outcome =
      std::find_if(std::begin(Outcomes), std::end(Outcomes),
                   [&result](TGradeOutcome o) { return OutcomeName(o) == result; });
  if (outcome == std::end(Outcomes) || !object.value(QStringLiteral("rows")).isArray()) {
    return false;
  }
  grade.Outcome = *outcome;
  grade.PassedRows = object.value(QStringLiteral("passed")).toInt();
  grade.TotalRows = object.value(QStringLiteral("total")).toInt();
  grade.Message = object.value(QStringLiteral("message")).toString();
  grade.Rows.clear();
  for (const QJsonValue& value : object.value(QStringLiteral("rows")).toArray()) {
    const QJsonObject row = value.toObject();
    grade.Rows.push_back({row.value(QStringLiteral("line")).toInt(),
                          row.value(QStringLiteral("name")).toString(),
                          row.value(QStringLiteral("passed")).toBool(),
                          row.value(QStringLiteral("failure")).toString()});
  }
  return true;
}

}  // namespace logivane
