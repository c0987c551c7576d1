// The document without a window: its files and its evaluation order. Undo of an edit made
// after a run is shown through the window (UndoTest).
#include "TestHelpers.h"
#include "document/cGrid.h"
#include "editor/CircuitDocument.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cGateDevice.h"
#include "simulation/cMacro.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

namespace logivane {
namespace {

using test::Place;

QByteArray Bytes(const TCircuitDocument& document) {
  return CircuitBytes(document.Root(), document.MacroName);
}

TEST(CircuitDocumentTest, OnlyAChangedNetlistRebuildsTheEvaluationOrder) {
  TCircuitDocument document;
  auto* probe = Place<test::TTestProbe>(document.Root(), 100, 100);
  document.NetlistDirty = true;
  document.CommitEdit();
  EXPECT_FALSE(document.NetlistDirty);
  // A rebuild evaluates every indicator once; a colour or name change must not rebuild.
  probe->Seen = -1;
  document.CommitEdit();
  EXPECT_EQ(probe->Seen, -1);
  document.NetlistDirty = true;
  document.CommitEdit();
  EXPECT_EQ(probe->Seen, 0);
}

TEST(CircuitDocumentTest, FilesSaveOpenAndInsertAndAFailedOpenKeepsTheDocument) {
  QTemporaryDir folder;
  TCircuitDocument document;
  QSignalSpy modified(&document, &TCircuitDocument::ModifiedChanged);
  Place<TNotGate>(document.Root(), 100, 100);
  Place<TNotGate>(document.Root(), 300, 100);
  document.CommitEdit();
  EXPECT_TRUE(document.Modified());
  const QString saved = folder.filePath("pair.lvm");
  ASSERT_TRUE(document.SaveToFile(saved));
  EXPECT_FALSE(document.Modified());
  EXPECT_EQ(modified.count(), 2);
  EXPECT_EQ(document.FileName, saved);

  const QString bad =
      test::WriteFile(folder.filePath("bad.lvm"), QByteArray("\x04\xDD\xC4\x22\x00garbage", 12));
  EXPECT_EQ(document.LoadFromFile(bad).Outcome, TCircuitReadOutcome::Unreadable);
  EXPECT_EQ(document.Root().Devices().Count(), 2);
  EXPECT_EQ(document.FileName, saved);

  TGrid grid;
  TCircuitReadResult result;
  EXPECT_EQ(document.InsertMacroFile(folder.filePath("none.lvm"), {500, 500}, grid, result),
            nullptr);
  EXPECT_EQ(result.Outcome, TCircuitReadOutcome::Missing);
  TMacro* macro = document.InsertMacroFile(saved, {600, 600}, grid, result);
  ASSERT_NE(macro, nullptr);
  EXPECT_TRUE(macro->Closed);
  EXPECT_EQ(document.Root().Devices().Count(), 3);

  document.Clear();
  EXPECT_EQ(document.Root().Devices().Count(), 0);
  int percent = 0;
  ASSERT_TRUE(document.LoadFromFile(saved, [&percent](int p) { percent = p; }).Succeeded());
  EXPECT_EQ(percent, 100);
  EXPECT_FALSE(document.Modified());
  EXPECT_EQ(Bytes(document), test::FileBytes(saved));
}

}  // namespace
}  // namespace logivane
