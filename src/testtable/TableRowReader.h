#pragma once

#include "testtable/TableExpression.h"
#include "testtable/TableTokens.h"
#include "testtable/TestTable.h"

#include <optional>
#include <vector>

namespace logivane {

/**
 * @brief Reads one row line against the header: a plain row gives one row, a `bits` row one
 * per combination of its inputs.
 */
class TTableRowReader {
public:
  /// The most names a `bits` row may count through.
  static constexpr int MaxBits = 16;

  TTableRowReader(const TTestTable& header, std::vector<TTestError>& errors)
      : FHeader(header), FErrors(errors) {}

  /// The rows `line` gives, each advancing `steps` steps; none after reporting errors.
  std::vector<TTestRow> Read(const TTableLine& line, int steps);

private:
  /// What a `bits` row gives one output: an expression or a plain value.
  struct TBitsEntry {
    std::optional<TTableExpression> Expression;
    TExpectedValue Value;
  };

  std::vector<TTestRow> ReadPlain(const TTableLine& line, int steps);
  std::vector<TTestRow> ReadBits(const TTableLine& line, int steps);
  /// The names between the parentheses of `bits(...)`, from `tokens[at]` on.
  std::optional<QStringList> ReadBitsNames(const TTableLine& line,
                                           const std::vector<TTableToken>& tokens, std::size_t& at);
  std::optional<std::vector<TBitsEntry>> ReadBitsEntries(const TTableLine& line,
                                                         const std::vector<TTableToken>& tokens,
                                                         std::size_t at, const QStringList& names);
  std::optional<TInputValue> InputValue(const TTableToken& token, int line, int input);
  std::optional<TExpectedValue> OutputValue(const TTableToken& token, int line, int output);
  /// Whether a row gives as many input or output `values` as the header has names; reports
  /// what is wrong otherwise. `endColumn` is where the values end.
  bool CheckCount(const std::vector<TTableToken>& values, bool outputs, int line, int endColumn);
  void CountError(int found, bool outputs, int line, int column);
  void Error(int line, int column, const QString& message);

  const TTestTable& FHeader;
  std::vector<TTestError>& FErrors;
};

}  // namespace logivane
