// The drawing's edits, undo, redo and clipboard destroy whole circuits and states behind the
// shown one; none of that may turn the shown circuit's compiled plan off.

#include "TestHelpers.h"
#include "editor/CircuitDocument.h"
#include "editor/DrawingClipboard.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cGateDevice.h"
#include "simulation/cMacro.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

namespace logivane {
namespace {

/// Lets the drawing free what it set aside, as the event loop does after an undo.
void Idle() {
  for (int pass = 0; pass < 4; ++pass) {
    QCoreApplication::processEvents();
  }
}

TEST(DrawingPlan, EveryEditUndoRedoCopyPasteAndOpenLeavesTheRootCompiled) {
  QTemporaryDir folder;
  const QString second = folder.filePath(QStringLiteral("second.lvm"));
  ASSERT_TRUE(SaveCircuitFile(second, *test::FullAdder(), {}));

  TLogivaneDrawing drawing;
  drawing.Document().ReplaceRoot(test::FullAdder());
  drawing.Document().EnableEditHistory();
  drawing.SetModified(false);
  const auto expectCompiledAfter = [&drawing](const char* what) {
    Idle();
    EXPECT_TRUE(drawing.RootCircuit().Compiled()) << what;
    EXPECT_FALSE(drawing.Step().Race) << what;
    EXPECT_TRUE(drawing.RootCircuit().Compiled()) << what;
  };
  expectCompiledAfter("opening");
  drawing.AddObject(std::make_unique<T2AndGate>(), 600, 600);
  expectCompiledAfter("an edit");
  drawing.Document().Undo();
  expectCompiledAfter("undo");
  drawing.Document().Redo();
  expectCompiledAfter("redo");
  ASSERT_TRUE(drawing.SelectAll());
  ASSERT_TRUE(drawing.Clipboard().CopySelection());
  expectCompiledAfter("copy");
  ASSERT_TRUE(drawing.Clipboard().CopySelection());  // the first copy in the buffer goes
  expectCompiledAfter("a second copy");
  drawing.Clipboard().PasteClipboard();
  expectCompiledAfter("paste");
  drawing.DeleteSelection();
  expectCompiledAfter("delete");
  ASSERT_TRUE(drawing.Document().LoadFromFile(second).Succeeded());
  drawing.ResetCircuit();
  expectCompiledAfter("opening a second circuit");
}

}  // namespace
}  // namespace logivane
