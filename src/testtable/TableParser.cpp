#include "testtable/TableParser.h"

#include "testtable/TableRowReader.h"

#include <QCoreApplication>

namespace logivane {

namespace {

int IndentOf(const QString& text) {
  int indent = 0;
  for (const QChar c : text) {
    if (c == QLatin1Char('\t')) {
      indent = (indent / 8 + 1) * 8;
    } else if (c.isSpace()) {
      ++indent;
    } else {
      break;
    }
  }
  return indent;
}

/// The lines that hold more than white space and comments.
std::vector<TTableLine> ContentLines(const QString& text) {
  std::vector<TTableLine> lines;
  const QStringList all = text.split(QLatin1Char('\n'));
  for (int i = 0; i < all.size(); ++i) {
    QString line = all[i];
    if (line.endsWith(QLatin1Char('\r'))) {
      line.chop(1);
    }
    const auto comment = line.indexOf(QLatin1Char('#'));
    if (comment >= 0) {
      line.truncate(comment);
    }
    std::vector<TTableToken> words = SplitWords(line);
    if (!words.empty()) {
      lines.push_back({i + 1, IndentOf(line), line, std::move(words)});
    }
  }
  return lines;
}

}  // namespace

TTableParser::TTableParser(const QString& text, std::vector<TTestError>& errors)
    : FLines(ContentLines(text)), FErrors(errors) {
}

TTestTable TTableParser::Parse() {
  const std::size_t errorsBefore = FErrors.size();
  if (FLines.empty()) {
    Error(1, 1, TTestTable::tr("expected the header: input names, '|', output names"));
    return {};
  }
  ReadHeader(FLines[FAt++]);
  if (FErrors.size() != errorsBefore) {
    return std::move(FTable);  // rows read against a broken header would only add noise
  }
  FTable.FRows = ReadBlock(-1);
  if (FTable.FRows.empty() && FErrors.size() == errorsBefore) {
    const TTableLine& last = FLines.back();
    Error(last.Number + 1, 1, TTestTable::tr("expected a row after the header"));
  }
  if (FErrors.size() != errorsBefore) {
    FTable.FRows.clear();
  }
  return std::move(FTable);
}

void TTableParser::ReadHeader(const TTableLine& line) {
  bool outputs = false;
  for (const TTableToken& word : line.Words) {
    if (word.Is("|")) {
      if (outputs) {
        Error(line.Number, word.Column, TTestTable::tr("expected one '|' in the header"));
        return;
      }
      outputs = true;
    } else {
      AddHeaderName(word, line.Number, outputs);
    }
  }
  const int end = static_cast<int>(line.Text.size()) + 1;
  if (!outputs) {
    Error(line.Number, end, TTestTable::tr("expected the header: input names, '|', output names"));
  } else if (FTable.FOutputNames.isEmpty()) {
    Error(line.Number, end, TTestTable::tr("expected an output name after '|'"));
  }
}

void TTableParser::AddHeaderName(const TTableToken& word, int line, bool output) {
  if (FTable.FInputNames.contains(word.Text) || FTable.FOutputNames.contains(word.Text)) {
    Error(line, word.Column, TTestTable::tr("'%1' appears twice in the header").arg(word.Text));
    return;
  }
  (output ? FTable.FOutputNames : FTable.FInputNames).append(word.Text);
  (output ? FTable.FOutputColumns : FTable.FInputColumns).push_back({word.Text, line, word.Column});
}

std::vector<TTestRow> TTableParser::ReadBlock(int parentIndent) {
  std::vector<TTestRow> rows;
  TTableRowReader rowReader(FTable, FErrors);
  while (FAt < FLines.size() && FLines[FAt].Indent > parentIndent) {
    const TTableLine& line = FLines[FAt++];
    const TTableToken& first = line.Words.front();
    if (first.Is("repeat")) {
      ReadRepeat(line, rows);
    } else if (first.Is("steps")) {
      ReadSteps(line);
    } else {
      Append(rows, rowReader.Read(line, FSteps), line);
    }
  }
  return rows;
}

void TTableParser::ReadRepeat(const TTableLine& line, std::vector<TTestRow>& rows) {
  const int count = ReadCount(line, MaxRows);
  if (FAt >= FLines.size() || FLines[FAt].Indent <= line.Indent) {
    Error(line.Number, static_cast<int>(line.Text.size()) + 1,
          TTestTable::tr("expected an indented block of rows after 'repeat'"));
    return;
  }
  const std::vector<TTestRow> block = ReadBlock(line.Indent);
  if (count == 0 || block.empty()) {
    return;
  }
  if (rows.size() + block.size() * static_cast<std::size_t>(count) > MaxRows) {
    TooBig(line);
    return;
  }
  for (int i = 0; i < count; ++i) {
    rows.insert(rows.end(), block.begin(), block.end());
  }
}

void TTableParser::ReadSteps(const TTableLine& line) {
  constexpr int MaxSteps = 1000000;
  const int steps = ReadCount(line, MaxSteps);
  if (steps > 0) {
    FSteps = steps;
  }
}

int TTableParser::ReadCount(const TTableLine& line, int max) {
  const TTableToken& keyword = line.Words.front();
  const QString expected =
      TTestTable::tr("expected a whole number from 1 to %1 after '%2'").arg(max).arg(keyword.Text);
  if (line.Words.size() < 2) {
    Error(line.Number, static_cast<int>(line.Text.size()) + 1, expected);
    return 0;
  }
  const TTableToken& number = line.Words[1];
  bool valid = false;
  const int count = number.Text.toInt(&valid);
  if (!valid || count < 1 || count > max) {
    Error(line.Number, number.Column, expected);
    return 0;
  }
  if (line.Words.size() > 2) {
    Error(line.Number, line.Words[2].Column,
          TTestTable::tr("expected nothing more after '%1 %2'").arg(keyword.Text, number.Text));
    return 0;
  }
  return count;
}

void TTableParser::Append(std::vector<TTestRow>& rows, std::vector<TTestRow>&& more,
                          const TTableLine& line) {
  if (rows.size() + more.size() > MaxRows) {
    TooBig(line);
    return;
  }
  rows.insert(rows.end(), std::make_move_iterator(more.begin()),
              std::make_move_iterator(more.end()));
}

void TTableParser::TooBig(const TTableLine& line) {
  if (!FTooBig) {
    Error(line.Number, line.Words.front().Column,
          TTestTable::tr("expected at most %1 rows in all").arg(MaxRows));
  }
  FTooBig = true;
}

void TTableParser::Error(int line, int column, const QString& message) {
  FErrors.push_back({line, column, message});
}

}  // namespace logivane
