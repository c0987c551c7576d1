#include "testtable/TestTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace logivane {
namespace {

TTestTable Parsed(const char* text) {
  std::vector<TTestError> errors;
  TTestTable table = TTestTable::Parse(QString::fromUtf8(text), errors);
  for (const TTestError& error : errors) {
    ADD_FAILURE() << error.ToString().toStdString();
  }
  return table;
}

/// The inputs of every row, one string per row: "01XC".
std::vector<std::string> InputsOf(const TTestTable& table) {
  std::vector<std::string> rows;
  for (const TTestRow& row : table.Rows()) {
    std::string inputs;
    for (const TInputValue value : row.Inputs) {
      inputs += "01XC"[static_cast<int>(value)];
    }
    rows.push_back(inputs);
  }
  return rows;
}

/// The expected outputs of every row, X for a don't-care.
std::vector<std::vector<std::string>> OutputsOf(const TTestTable& table) {
  std::vector<std::vector<std::string>> rows;
  for (const TTestRow& row : table.Rows()) {
    std::vector<std::string> outputs;
    for (const TExpectedValue& value : row.Outputs) {
      outputs.push_back(value.Value ? std::to_string(*value.Value) : "X");
    }
    rows.push_back(outputs);
  }
  return rows;
}

TEST(TableGrammar, RowsWithCommentsBlankLinesAndEveryKindOfValue) {
  const TTestTable table = Parsed(
      "# a counter and its load input\n"
      "\n"
      "A  Clk Load | Sum Count   # trailing comment\n"
      "0  C   x    | 0   12\n"
      "\t1 0 X|1 0x1f\r\n"
      "1 c 0 | x 0XFF\n");
  EXPECT_EQ(table.InputNames(), (QStringList{"A", "Clk", "Load"}));
  EXPECT_EQ(table.OutputNames(), (QStringList{"Sum", "Count"}));
  EXPECT_EQ(table.OutputColumns()[1].Column, 19);
  EXPECT_EQ(InputsOf(table), (std::vector<std::string>{"0CX", "10X", "1C0"}));
  EXPECT_EQ(OutputsOf(table),
            (std::vector<std::vector<std::string>>{{"0", "12"}, {"1", "31"}, {"X", "255"}}));
  EXPECT_EQ(table.Rows()[1].Line, 5);
  EXPECT_TRUE(table.Rows()[1].Outputs[1].Hex);
  EXPECT_FALSE(table.Rows()[0].Outputs[1].Hex);
  EXPECT_EQ(table.Rows()[0].Outputs[1].Column, 19);
}

TEST(TableGrammar, StepsHoldForTheRowsBelowAndRepeatCopiesItsIndentedBlock) {
  const TTestTable table = Parsed(
      "Clk | Q\n"
      "0 | 0\n"
      "steps 3\n"
      "repeat 2\n"
      "  C | 1\n"
      "  repeat 2   # nested\n"
      "    1 | 0\n"
      "  steps 2\n"
      "0 | X\n");
  EXPECT_EQ(InputsOf(table), (std::vector<std::string>{"0", "C", "1", "1", "C", "1", "1", "0"}));
  std::vector<int> steps;
  std::vector<int> lines;
  for (const TTestRow& row : table.Rows()) {
    steps.push_back(row.Steps);
    lines.push_back(row.Line);
  }
  // `steps` counts from where it is written: the second pass of the block keeps 3 before it.
  EXPECT_EQ(steps, (std::vector<int>{1, 3, 3, 3, 3, 3, 3, 2}));
  EXPECT_EQ(lines, (std::vector<int>{2, 5, 7, 7, 5, 7, 7, 9}));
}

TEST(TableGrammar, BitsCountsThroughItsNamesWithExpressionsForTheOutputs) {
  const TTestTable table = Parsed(
      "A B Cin En | Sum Cout Fixed\n"
      "bits(A B Cin) | = A ^ B ^ Cin = (A & B) | (Cin & (A ^ B)) X\n"
      "bits( En ) | = ~En  =1 = ~(En | 0) & 1\n");
  EXPECT_EQ(InputsOf(table), (std::vector<std::string>{"000X", "001X", "010X", "011X", "100X",
                                                       "101X", "110X", "111X", "XXX0", "XXX1"}));
  const std::vector<std::vector<std::string>> expected{
      {"0", "0", "X"}, {"1", "0", "X"}, {"1", "0", "X"}, {"0", "1", "X"}, {"1", "0", "X"},
      {"0", "1", "X"}, {"0", "1", "X"}, {"1", "1", "X"}, {"1", "1", "1"}, {"0", "1", "0"}};
  EXPECT_EQ(OutputsOf(table), expected);
  // Precedence: & before ^ before |.
  const TTestTable precedence = Parsed(
      "A B C | Y\n"
      "bits(A B C) | = A | B ^ C & A\n");
  for (int i = 0; i < 8; ++i) {
    const bool a = i & 4, b = i & 2, c = i & 1;
    EXPECT_EQ(OutputsOf(precedence)[static_cast<std::size_t>(i)][0],
              (a || (b != (c && a))) ? "1" : "0")
        << i;
  }
}

struct TBadTable {
  const char* Text;
  int Line;
  int Column;
  const char* Message;
};

TEST(TableGrammar, EveryErrorNamesItsLineAndColumnAndWhatWasExpected) {
  const TBadTable cases[] = {
      {"", 1, 1, "expected the header: input names, '|', output names"},
      {"# only a comment\nA B Cin Sum\n", 2, 12, "expected the header"},
      {"A | B | C\n0 | 0\n", 1, 7, "expected one '|' in the header"},
      {"A |\n", 1, 4, "expected an output name after '|'"},
      {"A A | S\n", 1, 3, "'A' appears twice in the header"},
      {"A | S\n", 2, 1, "expected a row after the header"},
      {"A B | S\n0 1 0\n", 2, 6, "expected '|' between the inputs and the outputs"},
      {"A B | S\n0 | 1\n", 2, 3, "expected 2 input values before '|', found 1"},
      {"A | S\n0 1 | 1\n", 2, 3, "expected 1 input values before '|', found 2"},
      {"A | S T\n0 | 1 0 1\n", 2, 9, "expected 2 output values after '|', found 3"},
      {"A | S T\n0 | 1\n", 2, 6, "expected 2 output values after '|', found 1"},
      {"A | S\n0 | 1 | 0\n", 2, 7, "expected one '|' in a row"},
      {"A | S\n2 | 1\n", 2, 1, "expected 0, 1, X or C for input 'A'"},
      {"A | S\n1 | C\n", 2, 5, "expected 0, 1, X or a number for output 'S'; C pulses inputs"},
      {"A | S\n1 | 0x\n", 2, 5, "expected 0, 1, X or a number for output 'S'"},
      {"A | S\n1 | -1\n", 2, 5, "expected 0, 1, X or a number for output 'S'"},
      {"A | S\n1 | 4294967296\n", 2, 5, "expected a number below 2^32"},
      {"A | S\nsteps\n", 2, 6, "expected a whole number from 1 to 1000000 after 'steps'"},
      {"A | S\nsteps 0\n0 | 0\n", 2, 7, "expected a whole number from 1 to 1000000"},
      {"A | S\nsteps 2 3\n", 2, 9, "expected nothing more after 'steps 2'"},
      {"A | S\nrepeat two\n  0 | 0\n", 2, 8, "expected a whole number from 1 to 100000"},
      {"A | S\nrepeat 2\n0 | 0\n", 2, 9, "expected an indented block of rows after 'repeat'"},
      {"A | S\nrepeat 100000\n  repeat 2\n    0 | 0\n", 2, 1, "expected at most 100000 rows"},
      {"A | S\nbits A | = A\n", 2, 6, "expected '(' after 'bits'"},
      {"A | S\nbits(B) | = A\n", 2, 6, "expected an input name of the header or ')'"},
      {"A | S\nbits(A A) | = A\n", 2, 8, "'A' appears twice in bits(...)"},
      {"A | S\nbits() | 0\n", 2, 6, "expected an input name of the header"},
      {"A | S\nbits(A | = A\n", 2, 8, "expected an input name of the header or ')'"},
      {"A | S\nbits(A) = A\n", 2, 9, "expected '|' after bits(...)"},
      {"A | S\nbits(A) | = A &\n", 2, 16, "expected one of A, 0, 1, '~' or '(' in the expression"},
      {"A B | S\nbits(A) | = B\n", 2, 13, "expected one of A, 0, 1, '~' or '('"},
      {"A | S\nbits(A) | = (A\n", 2, 15, "expected ')'"},
      {"A | S\nbits(A) | = A = A\n", 2, 15, "expected 1 output values after '|', found more"},
      {"A | S T\nbits(A) | = A\n", 2, 14, "expected 2 output values after '|', found 1"},
      {"A | S\nbits(A) | C\n", 2, 11, "C pulses inputs only"},
  };
  for (const TBadTable& bad : cases) {
    std::vector<TTestError> errors;
    const TTestTable table = TTestTable::Parse(QString::fromUtf8(bad.Text), errors);
    ASSERT_FALSE(errors.empty()) << bad.Text;
    EXPECT_EQ(errors[0].Line, bad.Line) << bad.Text;
    EXPECT_EQ(errors[0].Column, bad.Column) << bad.Text;
    EXPECT_TRUE(errors[0].Message.contains(QString::fromUtf8(bad.Message)))
        << bad.Text << " gave " << errors[0].Message.toStdString();
    EXPECT_EQ(table.RowCount(), 0) << bad.Text;
  }
}

TEST(TableGrammar, ReadingGoesOnAfterAnErrorToFindTheNextOnes) {
  std::vector<TTestError> errors;
  TTestTable::Parse(QStringLiteral("A A | S\n0 0 | 1\n"), errors);
  EXPECT_EQ(errors.size(), 1u) << "rows are not read against a broken header";
  errors.clear();
  TTestTable::Parse(QStringLiteral("A | S\n2 | 0\n0 | 1\n1 | 7 0\n"), errors);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].ToString(), "line 2, column 1: expected 0, 1, X or C for input 'A'");
  EXPECT_EQ(errors[1].Line, 4);
}

}  // namespace
}  // namespace logivane
