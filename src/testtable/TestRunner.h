#pragma once

#include "testtable/TestRun.h"

namespace logivane {

class TMacro;
class TTestBinding;

/**
 * @brief Runs the rows of a table, one at a time, on a circuit that `binding` binds it to.
 *
 * A row sets its inputs, advances the circuit by its steps and compares the outputs; a pulse
 * sets its input high, advances, sets it low and advances again before the comparison. A
 * race or bus contention fails the row with the circuit's message; the circuit was reset by
 * then, and the next row runs from there.
 */
class TTestRunner {
public:
  TTestRunner(TMacro& circuit, const TTestTable& table, const TTestBinding& binding)
      : FCircuit(circuit), FTable(table), FBinding(binding) {}

  /// Runs `row`, the `number`th to run.
  TTestRowResult Run(const TTestRow& row, int number);

private:
  /// Sets every input the row gives a level; pulses go high.
  void SetInputs(const TTestRow& row, bool& pulses);
  /// Advances `steps` steps; the message of a fault that ends them early, or none.
  QString Advance(int steps);
  QString InputsText(const TTestRow& row) const;
  TTestCell Compare(int output, const TExpectedValue& expected) const;

  TMacro& FCircuit;
  const TTestTable& FTable;
  const TTestBinding& FBinding;
};

}  // namespace logivane
