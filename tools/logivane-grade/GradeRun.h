#pragma once

#include <QStringList>

namespace logivane {

/// Exit statuses of the grader.
enum TGradeExit : int {
  GradeAllPass = 0,
  GradeBadUsage = 1,
  GradeCannotWrite = 5,
  GradeNotAllPass = 6,
  GradeBadTable = 7,
};

/// Runs the grader on `arguments` (program name first) and returns its exit status; the
/// table goes to standard output, messages to standard error. Grades each circuit in a new
/// process of the program `program`, which is this program itself.
int RunGrader(const QString& program, const QStringList& arguments);

}  // namespace logivane
