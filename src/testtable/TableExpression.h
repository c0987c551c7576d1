#pragma once

#include "testtable/TableTokens.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace logivane {

/**
 * @brief A logic expression of a `bits` row's names: `~ & ^ |` in falling precedence,
 * parentheses, names and the constants 0 and 1.
 */
class TTableExpression {
public:
  /// Where reading an expression failed and what was expected there.
  struct TFailure {
    int Column = 0;
    QString Message;
  };

  /**
   * @brief Reads an expression from `tokens[at]` on and leaves `at` behind it; it ends at a
   * token that cannot continue it. `names` are the variables; `endColumn` is where the line
   * ends, for a failure there.
   */
  static std::optional<TTableExpression> Read(const std::vector<TTableToken>& tokens,
                                              std::size_t& at, const QStringList& names,
                                              int endColumn, TFailure& failure);

  /// The value when variable k is bit k of `values`.
  bool Evaluate(std::uint32_t values) const { return Value(FRoot, values); }

private:
  enum class TOp : std::uint8_t { Constant, Variable, Not, And, Xor, Or };
  struct TNode {
    TOp Op = TOp::Constant;
    int Left = -1;   ///< operand, or the variable's index, or the constant
    int Right = -1;  ///< second operand of a binary operator
  };

  class TReader;

  bool Value(int node, std::uint32_t values) const;

  std::vector<TNode> FNodes;
  int FRoot = -1;
};

}  // namespace logivane
