#pragma once

#include "GradeResult.h"
#include "testtable/TestTable.h"

#include <QString>

#include <optional>

namespace logivane {

/// The table in `fileName`; none, with `message` saying why, when the file cannot be read or
/// holds errors (each with its line and column).
std::optional<TTestTable> ReadTableFile(const QString& fileName, QString& message);

/// Runs `table` on the circuit file `fileName`, as the editor opens it, and grades it: error
/// when the file cannot be read or the table does not fit the circuit.
TCircuitGrade GradeCircuit(const TTestTable& table, const QString& fileName);

}  // namespace logivane
