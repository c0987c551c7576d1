// The Test Table window on the main window: running a table, and the table kept beside the
// circuit's file.
#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "app/TestTableCommands.h"
#include "editor/CircuitTestTable.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cOutput.h"
#include "windows/TestTableEditor.h"
#include "windows/TestTableGrid.h"
#include "windows/TestTableWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>

namespace logivane::test {
namespace {

const QString AdderTable = QStringLiteral(
    "# full adder\n"
    "A B Cin | Sum Cout\n"
    "0 0 1   | 1   0\n"
    "1 1 0   | 1   1\n");

class TestTableWindowTest : public MainWindowTest {
protected:
  /// The full adder example, copied to `name` in the test's folder, opened in the window.
  QString OpenAdder(const QString& name = QStringLiteral("adder.lvm")) {
    const QString fileName = Path(name);
    QFile::copy(QStringLiteral(LOGIVANE_EXAMPLES_DIR "/2 Combinational/full-adder.lvm"), fileName);
    EXPECT_TRUE(Form->OpenCircuit(fileName));
    return fileName;
  }
  TTestTableWindow& Window() const { return Form->TestTables().Window(); }
  TTestTableEditor& Editor() const { return Window().Editor(); }
  TTestTableGrid& Grid() const { return Window().Grid(); }
  /// Opens the window from the Tools menu and types `table` into it, as a person would.
  void TypeTable(const QString& table) {
    Action("MenuTestTable")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    Editor().selectAll();
    QTest::keyClick(&Editor(), Qt::Key_Delete);
    const QStringList lines = table.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
      if (i > 0) {
        QTest::keyClick(&Editor(), Qt::Key_Return);
      }
      QTest::keyClicks(&Editor(), lines[i]);
    }
  }
  /// F8, to the window made active as a person's click in it makes it.
  void PressRunTests() {
    QApplication::setActiveWindow(&Window());
    QTest::keyClick(Window().windowHandle(), Qt::Key_F8);
  }
  QString CellText(int row, int column) const { return Grid().item(row, column)->text(); }
  QColor RowColour(int row) const { return Grid().item(row, 0)->background().color(); }
};

TEST_F(TestTableWindowTest, RunColoursEachRowAndLeavesTheCircuitAsSaved) {
  Show();
  OpenAdder();
  const QByteArray before = CircuitBytes(Document().Root(), Document().MacroName);
  TypeTable(AdderTable);
  PressRunTests();

  ASSERT_EQ(Grid().rowCount(), 2);
  EXPECT_EQ(CellText(0, 0), "3");  // the table line of each row
  EXPECT_EQ(RowColour(0), TTestTableGrid::PassColour);
  EXPECT_EQ(CellText(0, 4), "1");
  EXPECT_EQ(RowColour(1), TTestTableGrid::FailColour);
  EXPECT_EQ(CellText(1, 4), "expected 1, got 0");  // 1 + 1 + 0 gives no sum, only a carry
  EXPECT_EQ(CellText(1, 5), "1");
  EXPECT_EQ(Form->findChild<QLabel*>("TestTableSummary")->text(), "1 of 2 rows pass");

  // The rows ran on a copy: the circuit on screen is as it was opened, and unchanged.
  EXPECT_EQ(CircuitBytes(Document().Root(), Document().MacroName), before);
  EXPECT_FALSE(Document().Modified());
  EXPECT_EQ(Form->windowTitle(), "Logivane - adder");
}

TEST_F(TestTableWindowTest, AnErrorOfTheTableIsListedAndTakesTheCursorToItsPlace) {
  Show();
  OpenAdder();
  TypeTable(QStringLiteral("A B Cin | Sum Carry\n0 0 0 | 0 0\n"));
  PressRunTests();

  auto* errors = Window().findChild<QListWidget*>("TableErrors");
  ASSERT_EQ(errors->count(), 1);
  EXPECT_TRUE(errors->item(0)->text().startsWith("line 1, column 15: "))
      << errors->item(0)->text().toStdString();
  // No row runs on a circuit that the table does not fit: the row is shown, uncoloured.
  ASSERT_EQ(Grid().rowCount(), 1);
  EXPECT_EQ(Grid().item(0, 0)->background().style(), Qt::NoBrush);
  Editor().moveCursor(QTextCursor::End);
  QTest::mouseClick(errors->viewport(), Qt::LeftButton, {},
                    errors->visualItemRect(errors->item(0)).center());
  EXPECT_EQ(Editor().textCursor().blockNumber(), 0);
  EXPECT_EQ(Editor().textCursor().positionInBlock(), 14);
}

TEST_F(TestTableWindowTest, TheTableBesideTheCircuitOpensAndSavesWithIt) {
  const QString table = WriteFile(Path("adder.lvtest"), AdderTable.toUtf8());
  Show();
  OpenAdder();
  EXPECT_EQ(Editor().toPlainText(), AdderTable);
  EXPECT_FALSE(Form->TestTables().Table().Modified());

  // An unchanged table is not written again; a changed one is, with its circuit.
  WriteFile(table, "# kept\n");
  EXPECT_TRUE(Form->SaveClick());
  EXPECT_EQ(FileBytes(table), "# kept\n");
  TypeTable(QStringLiteral("A | Sum\n"));
  EXPECT_TRUE(Form->SaveClick());
  EXPECT_EQ(FileBytes(table), "A | Sum\n");

  // Save As gives the table to the new name too, though it did not change.
  SaveName = Path("copy.lvm");
  EXPECT_TRUE(Form->SaveAsClick());
  EXPECT_EQ(FileBytes(Path("copy.lvtest")), "A | Sum\n");

  // A new circuit starts without a table, and keeps the one typed until it has a name.
  Form->NewClick();
  EXPECT_TRUE(Editor().toPlainText().isEmpty());
  TypeTable(AdderTable);
  SaveName = Path("new.lvm");
  EXPECT_TRUE(Form->SaveClick());
  EXPECT_EQ(FileBytes(Path("new.lvtest")), AdderTable.toUtf8());
  EXPECT_TRUE(Messages.isEmpty()) << Messages.join('\n').toStdString();

  // A table that is no text does not stop its circuit from opening.
  WriteFile(Path("garbled.lvtest"), "A | \xff\xfe\n");
  EXPECT_TRUE(Form->SaveClick());
  OpenAdder(QStringLiteral("garbled.lvm"));
  EXPECT_EQ(Document().FileName, Path("garbled.lvm"));
  EXPECT_TRUE(Editor().toPlainText().isEmpty());
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_TRUE(Messages[0].contains("garbled.lvtest")) << Messages[0].toStdString();
}

TEST_F(TestTableWindowTest, ATableChangedAloneIsOfferedForSavingOnItsOwn) {
  Show();
  const QString circuit = OpenAdder();
  const QString other = OpenAdder(QStringLiteral("other.lvm"));
  TypeTable(AdderTable);
  ASSERT_FALSE(Document().Modified());

  Answer = QMessageBox::Cancel;  // the circuit stays open with its table
  OpenName = circuit;
  Form->OpenClick();
  EXPECT_EQ(Messages.join('\n').toStdString(),
            "The test table has changed, save it beside the circuit?");
  EXPECT_EQ(Document().FileName, other);
  EXPECT_EQ(Editor().toPlainText(), AdderTable);

  Messages.clear();
  Answer = QMessageBox::Yes;
  Form->OpenClick();
  EXPECT_EQ(Messages.size(), 1);
  EXPECT_EQ(FileBytes(Path("other.lvtest")), AdderTable.toUtf8());
  EXPECT_EQ(Document().FileName, circuit);
  EXPECT_TRUE(Editor().toPlainText().isEmpty());  // the circuit opened has no table

  // A changed circuit is asked about as ever; saving it saves the table, so one question.
  Messages.clear();
  TypeTable(QStringLiteral("A | Sum\n"));
  Place<TLEDDevice>(Circuit(), 400, 100);
  Drawing().SetModified(true);
  EXPECT_TRUE(Form->close());
  EXPECT_EQ(Messages.join('\n').toStdString(), "Circuit has changed, save current circuit?");
  EXPECT_EQ(FileBytes(Path("adder.lvtest")), "A | Sum\n");
}

}  // namespace
}  // namespace logivane::test
