#include "Examples.h"
#include "Library.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cMacro.h"
#include "testtable/TestRun.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <string>

namespace logivane {
namespace {

/// The circuit files shipped under `folder`, with its subfolders.
QStringList CircuitsIn(const QString& folder) {
  QStringList circuits;
  QDirIterator found(folder, {QStringLiteral("*.lvm")}, QDir::Files, QDirIterator::Subdirectories);
  while (found.hasNext()) {
    circuits << found.next();
  }
  return circuits;
}

/// Runs the table of the same name beside `circuitFile` on the circuit, opened as the editor
/// opens it, and says what went wrong; empty when every row passes.
std::string Failures(const QString& circuitFile) {
  QFile file(QString(circuitFile).replace(QStringLiteral(".lvm"), QStringLiteral(".lvtest")));
  if (!file.open(QIODevice::ReadOnly)) {
    return " no table beside it";
  }
  std::vector<TTestError> errors;
  const TTestTable table = TTestTable::Parse(QString::fromUtf8(file.readAll()), errors);
  TCircuitReadResult read = ReadCircuitFile(circuitFile);
  if (!read.Succeeded()) {
    return read.Message.toStdString();
  }
  read.Circuit->Closed = false;
  read.Circuit->Displayed = true;
  read.Circuit->IsSubCircuit = false;
  const TTestReport report = RunTestTable(*read.Circuit, table);
  for (const TTestError& error : report.Errors) {
    errors.push_back(error);
  }
  QString failures;
  for (const TTestError& error : errors) {
    failures += QStringLiteral("\n  ") + error.ToString();
  }
  for (const TTestRowResult& row : report.Rows) {
    if (!row.Passed()) {
      failures += QStringLiteral("\n  ") + row.FailureText();
    }
  }
  if (failures.isEmpty() && report.Rows.empty()) {
    failures = QStringLiteral("no rows");
  }
  return failures.toStdString();
}

TEST(ShippedTables, EveryExampleAndLibraryPartPassesItsTable) {
  const QStringList examples = CircuitsIn(QStringLiteral(LOGIVANE_EXAMPLES_DIR));
  const QStringList parts = CircuitsIn(QStringLiteral(LOGIVANE_SOURCE_DIR "/Parts Centre"));
  // The counts make sure that no circuit was skipped; one example is drawn by hand.
  EXPECT_EQ(examples.size(), static_cast<qsizetype>(examples::AllExamples().size()) + 1);
  EXPECT_EQ(parts.size(), static_cast<qsizetype>(library::AllParts().size()));
  for (const QString& circuit : examples + parts) {
    const std::string failures = Failures(circuit);
    EXPECT_TRUE(failures.empty()) << QFileInfo(circuit).fileName().toStdString() << ":" << failures;
  }
}

}  // namespace
}  // namespace logivane
