#pragma once

#include "GradeResult.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace logivane {

/// The printed table: a heading, one line per circuit in the order given, then
/// "27 of 30 circuits pass".
QString GradeTable(const std::vector<TCircuitGrade>& grades);

/// Every grade, row by row, as one JSON document.
QByteArray GradesJson(const QString& tableFile, const std::vector<TCircuitGrade>& grades);

/// Every grade as JUnit XML: a test suite per circuit and a test case per row, whose failure
/// holds the failure text; a circuit that could not be graded or timed out is one test case
/// with an error.
QByteArray GradesJunit(const QString& tableFile, const std::vector<TCircuitGrade>& grades);

}  // namespace logivane
