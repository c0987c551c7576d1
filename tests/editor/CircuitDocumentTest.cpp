// The document without a window: its files, and undo of an edit made after a run.
#include "TestHelpers.h"
#include "document/cGrid.h"
#include "editor/CircuitDocument.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cGateDevice.h"
#include "simulation/cMacro.h"
#include "simulation/cMemory.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace logivane {
namespace {

using test::Net;
using test::Place;

QByteArray Bytes(const TCircuitDocument& document) {
  return CircuitBytes(document.Root(), document.MacroName);
}

TEST(CircuitDocumentTest, AnEditAfterARunIsUndoneToTheStateTheRunLeft) {
  TCircuitDocument document;
  document.EnableEditHistory();
  // A RAM that writes a one to its last address at every step: running changes what is saved.
  TMacro& circuit = document.Root();
  auto* ram = Place<TMemoryDevice>(circuit, 200, 100);
  ram->BuildSymbol(true, 4, 1);
  auto* ground = Place<TGround>(circuit, 50, 100);
  auto* supply = Place<TSupply>(circuit, 50, 300);
  std::vector<TPin*> high{ram->Pin(ram->FirstDataPin())};
  for (int i = 0; i < ram->AddressWidth(); ++i) {
    high.push_back(ram->Pin(i));
  }
  Net(circuit, *ground->Pin(0), {ram->Pin(ram->ChipSelectPin()), ram->Pin(ram->ReadWritePin())});
  Net(circuit, *supply->Pin(0), high);
  document.NetlistDirty = true;
  document.CommitEdit();

  for (int i = 0; i < 2; ++i) {
    test::SettledStep(circuit);
  }
  document.MarkHistoryStale();
  ASSERT_EQ(ram->GetWord(15), 1);
  const QByteArray afterRun = Bytes(document);

  document.BeginEdit();
  document.MacroName = QStringLiteral("Store");
  document.CommitEdit();
  const QByteArray edited = Bytes(document);
  document.Undo();
  EXPECT_EQ(Bytes(document), afterRun);
  document.Redo();
  EXPECT_EQ(Bytes(document), edited);
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

  const QString bad = folder.filePath("bad.lvm");
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray("\x04\xDD\xC4\x22\x00garbage", 12));
  file.close();
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
  QFile again(saved);
  ASSERT_TRUE(again.open(QIODevice::ReadOnly));
  EXPECT_EQ(Bytes(document), again.readAll());
}

}  // namespace
}  // namespace logivane
