#pragma once

#include "testtable/TestTable.h"

#include <QString>

#include <vector>

namespace logivane {

class TMacro;

/// One output of a row as run: what the table expected and what the circuit showed.
struct TTestCell {
  /// The output's name in the header.
  QString Name;
  QString Expected;
  QString Actual;
  bool Passed = true;
};

/// One row as run.
struct TTestRowResult {
  /// The row's number, from 1 in the order the rows ran.
  int Number = 0;
  /// The table line the row came from.
  int Line = 0;
  /// The inputs the row set, such as "A=0 B=1 Cin=1".
  QString Inputs;
  /// One per output column.
  std::vector<TTestCell> Outputs;
  /// The circuit's message when it raced or shorted during the row; the row fails then.
  QString Fault;

  bool Passed() const;
  /// "row 3 (A=0 B=1 Cin=1): Sum expected 0, got 1", or the fault instead of the outputs.
  QString FailureText() const;
};

/// The outcome of running a table on a circuit.
struct TTestReport {
  /// Names the circuit lacks or has twice, values that do not fit: no row runs then.
  std::vector<TTestError> Errors;
  std::vector<TTestRowResult> Rows;

  int PassedCount() const;
  /// Every row ran and passed, and the table fitted the circuit.
  bool AllPass() const;
  /// "8 of 8 rows pass".
  QString Summary() const;
};

/**
 * @brief Runs `table` on the top level of `circuit`, reset before and after.
 *
 * The table is bound and checked against the circuit first; a table that does not fit comes
 * back with `Errors` and leaves the circuit untouched. Callers who must not disturb a circuit
 * at all run it on a copy.
 */
TTestReport RunTestTable(TMacro& circuit, const TTestTable& table);

}  // namespace logivane
