#pragma once

#include <QString>

class QTextStream;

namespace logivane {

class TMacro;

/**
 * @brief Runs the test table in `fileName` on `root`, the circuit's reset top level.
 *
 * Prints each failing row and then how many rows pass to `out`; what keeps the table from
 * running, with its line and column, to `err`. Returns the simulator's exit status: done when
 * every row passes, a failed test when any fails, a bad table when it cannot be read or does
 * not fit the circuit.
 */
int RunTableFile(TMacro& root, const QString& fileName, QTextStream& out, QTextStream& err);

}  // namespace logivane
