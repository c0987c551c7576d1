#pragma once

#include <QString>

#include <vector>

namespace logivane {

/// A piece of a table line and the 1-based column where it starts.
struct TTableToken {
  QString Text;
  int Column = 0;

  bool Is(const char* text) const { return Text == QLatin1String(text); }
};

/// A line of a table that holds more than a comment.
struct TTableLine {
  int Number = 0;
  /// Leading white space, a tab reaching to the next multiple of 8.
  int Indent = 0;
  /// The line without its comment.
  QString Text;
  std::vector<TTableToken> Words;
};

/// The words of `line`, split at white space; each `|` is a word of its own.
std::vector<TTableToken> SplitWords(const QString& line);

/// The tokens of an expression line from index `from` on: names and numbers, and each of
/// `( ) = ~ & | ^` on its own.
std::vector<TTableToken> SplitSymbols(const QString& line, int from);

}  // namespace logivane
