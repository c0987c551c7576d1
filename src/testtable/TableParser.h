#pragma once

#include "testtable/TableTokens.h"
#include "testtable/TestTable.h"

#include <vector>

namespace logivane {

/**
 * @brief Reads the structure of a table: the header, `steps` and `repeat` lines, and hands
 * each row to a `TTableRowReader`.
 *
 * Reading goes on after an error so that one pass finds them all; a table with errors keeps
 * no rows.
 */
class TTableParser {
public:
  /// Rows that `repeat` and `bits` may expand to at most, so that a typing slip cannot exhaust
  /// the memory.
  static constexpr int MaxRows = 100000;

  TTableParser(const QString& text, std::vector<TTestError>& errors);

  TTestTable Parse();

private:
  void ReadHeader(const TTableLine& line);
  void AddHeaderName(const TTableToken& word, int line, bool output);
  /// Reads the lines indented deeper than `parentIndent`, from the current one on.
  std::vector<TTestRow> ReadBlock(int parentIndent);
  void ReadRepeat(const TTableLine& line, std::vector<TTestRow>& rows);
  void ReadSteps(const TTableLine& line);
  /// The whole number of 1 to `max` after `keyword`, or 0 after reporting what is wrong.
  int ReadCount(const TTableLine& line, int max);
  void Append(std::vector<TTestRow>& rows, std::vector<TTestRow>&& more, const TTableLine& line);
  /// Reports once that the table expands to more than `MaxRows` rows.
  void TooBig(const TTableLine& line);
  void Error(int line, int column, const QString& message);

  std::vector<TTableLine> FLines;
  std::size_t FAt = 0;
  int FSteps = 1;
  /// Stops further complaints about the size once the table is known to be too big.
  bool FTooBig = false;
  TTestTable FTable;
  std::vector<TTestError>& FErrors;
};

}  // namespace logivane
