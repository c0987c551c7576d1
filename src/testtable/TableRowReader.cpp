#include "testtable/TableRowReader.h"

#include <QCoreApplication>

#include <algorithm>

namespace logivane {

namespace {

bool IsBitsRow(const TTableToken& first) {
  return first.Is("bits") || first.Text.startsWith(QLatin1String("bits("));
}

int EndOf(const TTableLine& line) {
  return static_cast<int>(line.Text.size()) + 1;
}

/// The words of a row before its `|` and after it.
struct TRowWords {
  std::vector<TTableToken> Inputs;
  std::vector<TTableToken> Outputs;
  const TTableToken* Bar = nullptr;
  const TTableToken* SecondBar = nullptr;
};

TRowWords SplitAtBar(const std::vector<TTableToken>& words) {
  TRowWords split;
  for (const TTableToken& word : words) {
    if (word.Is("|")) {
      if (!split.Bar) {
        split.Bar = &word;
      } else if (!split.SecondBar) {
        split.SecondBar = &word;
      }
    } else {
      (split.Bar ? split.Outputs : split.Inputs).push_back(word);
    }
  }
  return split;
}

}  // namespace

std::vector<TTestRow> TTableRowReader::Read(const TTableLine& line, int steps) {
  return IsBitsRow(line.Words.front()) ? ReadBits(line, steps) : ReadPlain(line, steps);
}

std::vector<TTestRow> TTableRowReader::ReadPlain(const TTableLine& line, int steps) {
  const TRowWords words = SplitAtBar(line.Words);
  if (!words.Bar) {
    Error(line.Number, EndOf(line),
          TTestTable::tr("expected '|' between the inputs and the outputs"));
    return {};
  }
  if (words.SecondBar) {
    Error(line.Number, words.SecondBar->Column, TTestTable::tr("expected one '|' in a row"));
    return {};
  }
  if (!CheckCount(words.Inputs, false, line.Number, words.Bar->Column) ||
      !CheckCount(words.Outputs, true, line.Number, EndOf(line))) {
    return {};
  }

  TTestRow row;
  row.Line = line.Number;
  row.Steps = steps;
  bool valid = true;
  for (std::size_t i = 0; i < words.Inputs.size(); ++i) {
    const std::optional<TInputValue> value =
        InputValue(words.Inputs[i], line.Number, static_cast<int>(i));
    valid &= value.has_value();
    row.Inputs.push_back(value.value_or(TInputValue::Keep));
  }
  for (std::size_t i = 0; i < words.Outputs.size(); ++i) {
    const std::optional<TExpectedValue> value =
        OutputValue(words.Outputs[i], line.Number, static_cast<int>(i));
    valid &= value.has_value();
    row.Outputs.push_back(value.value_or(TExpectedValue{}));
  }
  if (!valid) {
    return {};
  }
  return {std::move(row)};
}

std::vector<TTestRow> TTableRowReader::ReadBits(const TTableLine& line, int steps) {
  const std::vector<TTableToken> tokens = SplitSymbols(line.Text, line.Words.front().Column - 1);
  std::size_t at = 1;  // past "bits"
  const std::optional<QStringList> names = ReadBitsNames(line, tokens, at);
  if (!names) {
    return {};
  }
  const std::optional<std::vector<TBitsEntry>> entries = ReadBitsEntries(line, tokens, at, *names);
  if (!entries) {
    return {};
  }

  std::vector<int> bitOfInput;
  for (const QString& input : FHeader.InputNames()) {
    bitOfInput.push_back(static_cast<int>(names->indexOf(input)));
  }
  const int count = static_cast<int>(names->size());
  std::vector<TTestRow> rows;
  for (std::uint32_t combination = 0; combination < 1u << count; ++combination) {
    // The first name is the most significant digit of the count; variable k is bit k.
    std::uint32_t values = 0;
    for (int k = 0; k < count; ++k) {
      values |= (combination >> (count - 1 - k) & 1u) << k;
    }
    TTestRow row;
    row.Line = line.Number;
    row.Steps = steps;
    for (const int bit : bitOfInput) {
      row.Inputs.push_back(bit < 0                ? TInputValue::Keep
                           : (values >> bit & 1u) ? TInputValue::High
                                                  : TInputValue::Low);
    }
    for (const TBitsEntry& entry : *entries) {
      TExpectedValue expected = entry.Value;
      if (entry.Expression) {
        expected.Value = entry.Expression->Evaluate(values) ? 1u : 0u;
      }
      row.Outputs.push_back(expected);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::optional<QStringList> TTableRowReader::ReadBitsNames(const TTableLine& line,
                                                          const std::vector<TTableToken>& tokens,
                                                          std::size_t& at) {
  if (at >= tokens.size() || !tokens[at].Is("(")) {
    Error(line.Number, at < tokens.size() ? tokens[at].Column : EndOf(line),
          TTestTable::tr("expected '(' after 'bits'"));
    return std::nullopt;
  }
  QStringList names;
  for (++at; at < tokens.size() && !tokens[at].Is(")"); ++at) {
    const TTableToken& name = tokens[at];
    if (!FHeader.InputNames().contains(name.Text)) {
      Error(line.Number, name.Column,
            TTestTable::tr("expected an input name of the header or ')'"));
      return std::nullopt;
    }
    if (names.contains(name.Text)) {
      Error(line.Number, name.Column,
            TTestTable::tr("'%1' appears twice in bits(...)").arg(name.Text));
      return std::nullopt;
    }
    if (names.size() == MaxBits) {
      Error(line.Number, name.Column,
            TTestTable::tr("expected at most %1 names in bits(...)").arg(MaxBits));
      return std::nullopt;
    }
    names.append(name.Text);
  }
  if (at >= tokens.size()) {
    Error(line.Number, EndOf(line), TTestTable::tr("expected an input name of the header or ')'"));
    return std::nullopt;
  }
  if (names.isEmpty()) {
    Error(line.Number, tokens[at].Column, TTestTable::tr("expected an input name of the header"));
    return std::nullopt;
  }
  ++at;  // past ")"
  if (at >= tokens.size() || !tokens[at].Is("|")) {
    Error(line.Number, at < tokens.size() ? tokens[at].Column : EndOf(line),
          TTestTable::tr("expected '|' after bits(...)"));
    return std::nullopt;
  }
  ++at;
  return names;
}

std::optional<std::vector<TTableRowReader::TBitsEntry>> TTableRowReader::ReadBitsEntries(
    const TTableLine& line, const std::vector<TTableToken>& tokens, std::size_t at,
    const QStringList& names) {
  std::vector<TBitsEntry> entries;
  const auto outputs = static_cast<std::size_t>(FHeader.OutputNames().size());
  while (at < tokens.size()) {
    const TTableToken& token = tokens[at];
    if (entries.size() == outputs) {
      Error(line.Number, token.Column,
            TTestTable::tr("expected %1 output values after '|', found more").arg(outputs));
      return std::nullopt;
    }
    TBitsEntry entry;
    entry.Value.Column = token.Column;
    ++at;
    if (token.Is("=")) {
      TTableExpression::TFailure failure;
      entry.Expression = TTableExpression::Read(tokens, at, names, EndOf(line), failure);
      if (!entry.Expression) {
        Error(line.Number, failure.Column, failure.Message);
        return std::nullopt;
      }
    } else {
      const std::optional<TExpectedValue> value =
          OutputValue(token, line.Number, static_cast<int>(entries.size()));
      if (!value) {
        return std::nullopt;
      }
      entry.Value = *value;
    }
    entries.push_back(std::move(entry));
  }
  if (entries.size() < outputs) {
    CountError(static_cast<int>(entries.size()), true, line.Number, EndOf(line));
    return std::nullopt;
  }
  return entries;
}

std::optional<TInputValue> TTableRowReader::InputValue(const TTableToken& token, int line,
                                                       int input) {
  const QString value = token.Text.toUpper();
  if (value == QLatin1String("0")) {
    return TInputValue::Low;
  }
  if (value == QLatin1String("1")) {
    return TInputValue::High;
  }
  if (value == QLatin1String("X")) {
    return TInputValue::Keep;
  }
  if (value == QLatin1String("C")) {
    return TInputValue::Pulse;
  }
  Error(line, token.Column,
        TTestTable::tr("expected 0, 1, X or C for input '%1'").arg(FHeader.InputNames()[input]));
  return std::nullopt;
}

std::optional<TExpectedValue> TTableRowReader::OutputValue(const TTableToken& token, int line,
                                                           int output) {
  const QString& name = FHeader.OutputNames()[output];
  TExpectedValue expected;
  expected.Column = token.Column;
  if (token.Text.compare(QLatin1String("X"), Qt::CaseInsensitive) == 0) {
    return expected;
  }
  expected.Hex = token.Text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
  bool valid = false;
  const QString digits = expected.Hex ? token.Text.mid(2) : token.Text;
  const auto isDigit = [&expected](QChar c) {
    const char latin = c.toLatin1();
    return (latin >= '0' && latin <= '9') ||
           (expected.Hex && ((latin >= 'a' && latin <= 'f') || (latin >= 'A' && latin <= 'F')));
  };
  const bool onlyDigits = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), isDigit);
  const std::uint32_t value = onlyDigits ? digits.toUInt(&valid, expected.Hex ? 16 : 10) : 0;
  if (valid) {
    expected.Value = value;
    return expected;
  }
  if (onlyDigits) {
    Error(line, token.Column,
          TTestTable::tr("expected a number below 2^32 for output '%1'").arg(name));
  } else if (token.Text.compare(QLatin1String("C"), Qt::CaseInsensitive) == 0) {
    Error(line, token.Column,
          TTestTable::tr("expected 0, 1, X or a number for output '%1'; C pulses inputs only")
              .arg(name));
  } else {
    Error(line, token.Column,
          TTestTable::tr("expected 0, 1, X or a number for output '%1'").arg(name));
  }
  return std::nullopt;
}

bool TTableRowReader::CheckCount(const std::vector<TTableToken>& values, bool outputs, int line,
                                 int endColumn) {
  const auto expected = static_cast<std::size_t>(outputs ? FHeader.OutputNames().size()
                                                         : FHeader.InputNames().size());
  if (values.size() == expected) {
    return true;
  }
  // Too many: the first value too many; too few: where the next one should have been.
  CountError(static_cast<int>(values.size()), outputs, line,
             values.size() > expected ? values[expected].Column : endColumn);
  return false;
}

void TTableRowReader::CountError(int found, bool outputs, int line, int column) {
  const QString message = outputs ? TTestTable::tr("expected %1 output values after '|', found %2")
                                        .arg(FHeader.OutputNames().size())
                                  : TTestTable::tr("expected %1 input values before '|', found %2")
                                        .arg(FHeader.InputNames().size());
  Error(line, column, message.arg(found));
}

void TTableRowReader::Error(int line, int column, const QString& message) {
  FErrors.push_back({line, column, message});
}

}  // namespace logivane
