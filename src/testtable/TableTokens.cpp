#include "testtable/TableTokens.h"

namespace logivane {

namespace {

bool IsSymbol(QChar c) {
  return QStringView(u"()=~&|^").contains(c);
}

/// Splits `line` from `from` on, each character for which `alone` holds being a token.
template <class F>
std::vector<TTableToken> Split(const QString& line, int from, const F& alone) {
  std::vector<TTableToken> tokens;
  int i = from;
  while (i < line.size()) {
    if (line[i].isSpace()) {
      ++i;
      continue;
    }
    const int start = i;
    if (alone(line[i])) {
      ++i;
    } else {
      while (i < line.size() && !line[i].isSpace() && !alone(line[i])) {
        ++i;
      }
    }
    tokens.push_back({line.mid(start, i - start), start + 1});
  }
  return tokens;
}

}  // namespace

std::vector<TTableToken> SplitWords(const QString& line) {
  return Split(line, 0, [](QChar c) { return c == QLatin1Char('|'); });
}

std::vector<TTableToken> SplitSymbols(const QString& line, int from) {
  return Split(line, from, IsSymbol);
}

}  // namespace logivane
