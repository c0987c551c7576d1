#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace logivane {

/// One problem in a table, at a 1-based line and column.
struct TTestError {
  int Line = 0;
  int Column = 0;
  /// Says what was expected, such as "'Cout' names 2 devices".
  QString Message;

  /// "line 4, column 7: ...".
  QString ToString() const;
};

/// What a row does to one input.
enum class TInputValue : std::uint8_t {
  Low,
  High,
  Keep,   ///< `X`: left as it is
  Pulse,  ///< `C`: set high, settle, set low, settle
};

/// `value` as a table writes it: 0, 1, X or C.
QChar InputValueText(TInputValue value);

/// A name of the header and where it stands.
struct TTestColumn {
  QString Name;
  int Line = 0;
  int Column = 0;
};

/// What a row expects of one output: a value, or none when it does not care.
struct TExpectedValue {
  std::optional<std::uint32_t> Value;
  /// Written in hexadecimal, so the value shown beside it is too.
  bool Hex = false;
  /// Where the value stands, for the errors of a value that does not fit its output.
  int Column = 0;
};

/// One row as it runs, after `repeat` and `bits` are expanded.
struct TTestRow {
  /// The table line the row came from.
  int Line = 0;
  /// Steps to advance after the inputs are set (and after each half of a pulse).
  int Steps = 1;
  std::vector<TInputValue> Inputs;      ///< one per input column
  std::vector<TExpectedValue> Outputs;  ///< one per output column
};

/**
 * @brief A parsed test table: the header's names and the rows in the order they run.
 *
 * A table is plain text: `#` comments, a header `inputs | outputs`, then rows of values,
 * `steps N` lines and `repeat N` blocks; a row may give `bits(A B)` for its inputs and `= expr`
 * for its outputs. What the names refer to is decided when the table is bound to a circuit.
 */
class TTestTable {
  Q_DECLARE_TR_FUNCTIONS(TTestTable)

public:
  /// Reads `text`; each problem found goes to `errors`, and a table with errors has no rows.
  static TTestTable Parse(const QString& text, std::vector<TTestError>& errors);

  const QStringList& InputNames() const { return FInputNames; }
  const QStringList& OutputNames() const { return FOutputNames; }
  const std::vector<TTestColumn>& InputColumns() const { return FInputColumns; }
  const std::vector<TTestColumn>& OutputColumns() const { return FOutputColumns; }
  const std::vector<TTestRow>& Rows() const { return FRows; }
  int RowCount() const { return static_cast<int>(FRows.size()); }

private:
  friend class TTableParser;

  QStringList FInputNames;
  QStringList FOutputNames;
  std::vector<TTestColumn> FInputColumns;
  std::vector<TTestColumn> FOutputColumns;
  std::vector<TTestRow> FRows;
};

}  // namespace logivane
