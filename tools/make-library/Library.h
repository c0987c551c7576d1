#pragma once

// The stocked library of ready macros: each part's outline, its inside drawn from gates and
// flip-flops, and the function table its datasheet prints and its test checks.

#include "Schematic.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace logivane::library {

/// Levels on named outline pins, one row per simulation step. A sequential part lists its
/// rows in order, clock levels included; an expected level of -1 is not driven (don't care).
struct TFunctionTable {
  std::vector<QString> Inputs;
  std::vector<QString> Outputs;
  std::vector<std::vector<int>> Rows;
  bool Sequential = false;
};

/// A combinational part's outputs, in order, for the levels of its inputs, in order.
using TFunction = std::function<std::vector<int>(const std::vector<int>& inputs)>;

/// The table of every input combination of a combinational part.
TFunctionTable Truth(std::vector<QString> inputs, std::vector<QString> outputs,
                     const TFunction& function);

/// Numbered names: Names("D", 4) is D0 to D3.
std::vector<QString> Names(const QString& stem, int count);
/// The number that bits `from` to `from + count - 1` of `levels` make, lowest first.
int Value(const std::vector<int>& levels, int from, int count);
/// The `count` bits of `value`, lowest first.
std::vector<int> Bits(int value, int count);

struct TPart {
  /// The Parts Centre folder the macro is filed in.
  QString Folder;
  /// The file name without extension; also the datasheet's.
  QString Name;
  /// The macro name stored with the file, and the caption on its symbol.
  QString Title;
  /// The paragraph that opens the datasheet.
  QString Description;
  TOutline Outline;
  std::function<void(TSchematic&)> Draw;
  std::function<TFunctionTable()> Table;

  QString FileName() const { return Name + QStringLiteral(".lvm"); }
  QString DatasheetName() const { return Name + QStringLiteral(".htm"); }
  QString TestTableName() const { return Name + QStringLiteral(".lvtest"); }
  std::unique_ptr<TMacro> Build() const;
  /// The circuit file bytes as the program writes them.
  QByteArray Bytes() const;
  /// The datasheet page: description, pinout and function table.
  QByteArray Datasheet() const;
  /// The function table as a test table of the macro file, its pins named by the numbers of
  /// the tags inside.
  QByteArray TestTable() const;
};

void AddGateParts(std::vector<TPart>& parts);
void AddArithmeticParts(std::vector<TPart>& parts);
void AddSelectorParts(std::vector<TPart>& parts);
void AddStorageParts(std::vector<TPart>& parts);
void AddSeriesParts(std::vector<TPart>& parts);

/// Every part of the library.
std::span<const TPart> AllParts();

}  // namespace logivane::library
