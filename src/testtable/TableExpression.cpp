#include "testtable/TableExpression.h"

#include <QCoreApplication>

namespace logivane {

/// Recursive descent over the tokens, one function per precedence level.
class TTableExpression::TReader {
public:
  TReader(const std::vector<TTableToken>& tokens, std::size_t& at, const QStringList& names,
          int endColumn, TFailure& failure)
      : FTokens(tokens), FAt(at), FNames(names), FEndColumn(endColumn), FFailure(failure) {}

  std::optional<TTableExpression> Read() {
    const int root = Binary(0);
    if (root < 0) {
      return std::nullopt;
    }
    FExpression.FRoot = root;
    return std::move(FExpression);
  }

private:
  /// The binary operators from the loosest binding on.
  static constexpr struct {
    const char* Symbol;
    TOp Op;
  } Levels[] = {{"|", TOp::Or}, {"^", TOp::Xor}, {"&", TOp::And}};
  static constexpr int LevelCount = 3;

  int Binary(int level) {
    if (level == LevelCount) {
      return Unary();
    }
    int left = Binary(level + 1);
    while (left >= 0 && Next() && Next()->Is(Levels[level].Symbol)) {
      ++FAt;
      const int right = Binary(level + 1);
      left = right < 0 ? -1 : Add({Levels[level].Op, left, right});
    }
    return left;
  }

  int Unary() {
    const TTableToken* token = Next();
    if (!token) {
      return Fail(FEndColumn, Expected());
    }
    ++FAt;
    if (token->Is("~")) {
      const int operand = Unary();
      return operand < 0 ? -1 : Add({TOp::Not, operand, -1});
    }
    if (token->Is("(")) {
      const int inner = Binary(0);
      if (inner < 0) {
        return -1;
      }
      if (!Next() || !Next()->Is(")")) {
        return Fail(Next() ? Next()->Column : FEndColumn,
                    QCoreApplication::translate("TTestTable", "expected ')'"));
      }
      ++FAt;
      return inner;
    }
    if (token->Is("0") || token->Is("1")) {
      return Add({TOp::Constant, token->Is("1") ? 1 : 0, -1});
    }
    const int index = static_cast<int>(FNames.indexOf(token->Text));
    if (index >= 0) {
      return Add({TOp::Variable, index, -1});
    }
    return Fail(token->Column, Expected());
  }

  QString Expected() const {
    return QCoreApplication::translate("TTestTable",
                                       "expected one of %1, 0, 1, '~' or '(' in the expression")
        .arg(FNames.join(QStringLiteral(", ")));
  }

  const TTableToken* Next() const { return FAt < FTokens.size() ? &FTokens[FAt] : nullptr; }

  int Add(const TNode& node) {
    FExpression.FNodes.push_back(node);
    return static_cast<int>(FExpression.FNodes.size()) - 1;
  }

  int Fail(int column, const QString& message) {
    FFailure = {column, message};
    return -1;
  }

  const std::vector<TTableToken>& FTokens;
  std::size_t& FAt;
  const QStringList& FNames;
  int FEndColumn;
  TFailure& FFailure;
  TTableExpression FExpression;
};

std::optional<TTableExpression> TTableExpression::Read(const std::vector<TTableToken>& tokens,
                                                       std::size_t& at, const QStringList& names,
                                                       int endColumn, TFailure& failure) {
  return TReader(tokens, at, names, endColumn, failure).Read();
}

bool TTableExpression::Value(int node, std::uint32_t values) const {
  const TNode& n = FNodes[static_cast<std::size_t>(node)];
  switch (n.Op) {
    case TOp::Constant:
      return n.Left != 0;
    case TOp::Variable:
      return (values >> n.Left & 1u) != 0;
    case TOp::Not:
      return !Value(n.Left, values);
    case TOp::And:
      return Value(n.Left, values) && Value(n.Right, values);
    case TOp::Xor:
      return Value(n.Left, values) != Value(n.Right, values);
    case TOp::Or:
      return Value(n.Left, values) || Value(n.Right, values);
  }
  return false;
}

}  // namespace logivane
