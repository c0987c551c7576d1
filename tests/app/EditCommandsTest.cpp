// Cut, Copy, Paste and Delete are offered by the Edit menu, the tool bar, the pop-up menu and
// their shortcuts, which all run the same command: each is enabled exactly when it can act,
// whether or not a menu was opened.
#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "editor/DrawingClipboard.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "windows/LogicAnalyserForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>

namespace logivane::test {
namespace {

class EditCommandsTest : public MainWindowTest {
protected:
  /// Opens the Edit menu with Alt+E and closes it again with Escape.
  void LookIntoEditMenu() {
    Key(Qt::Key_E, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "MenuEdit");
    QTest::keyClick(menu, Qt::Key_Escape);
  }
  /// Every copy of a command is enabled as `enabled` says.
  void ExpectEnabled(std::initializer_list<const char*> names, bool enabled) {
    for (const char* name : names) {
      EXPECT_EQ(Action(name)->isEnabled(), enabled) << name;
    }
  }
};

TEST_F(EditCommandsTest, ShortcutsAndToolButtonsWorkAfterTheEditMenuWasOpened) {
  ShowActive();
  auto* gate = Place<TNotGate>(Circuit(), 200, 200);
  Drawing().SetModified(true);
  LookIntoEditMenu();  // nothing selected, nothing to paste
  ExpectEnabled({"MenuCut", "MenuCopy", "SpeedCut", "SpeedCopy", "PopCut", "PopCopy", "MenuPaste",
                 "SpeedPaste", "PopPaste", "MenuDelete"},
                false);

  ClickInWindow(CentreOf(*gate));
  ASSERT_TRUE(Drawing().HasSelection());
  ExpectEnabled({"MenuCut", "MenuCopy", "SpeedCut", "SpeedCopy", "PopCut", "PopCopy", "MenuDelete"},
                true);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(Drawing().Clipboard().CanPaste());
  ExpectEnabled({"MenuPaste", "SpeedPaste", "PopPaste"}, true);

  // Clicking on nothing lets the gate go; the menu opened then must not keep Cut off later.
  ClickInWindow({400, 300});
  ExpectEnabled({"MenuCut", "SpeedCut", "PopCut", "MenuDelete"}, false);
  LookIntoEditMenu();
  ClickInWindow(CentreOf(*gate));
  ClickTool("SpeedCut");
  EXPECT_EQ(Circuit().Devices().Count(), 0);
  ExpectEnabled({"MenuCut", "SpeedCut", "MenuDelete"}, false);

  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Circuit().Devices().Count(), 1);
}

TEST_F(EditCommandsTest, DeleteFollowsTheTraceAndTheLevel) {
  ShowActive();
  auto* input = Place<TInteractiveInput>(Circuit(), 100, 100);
  TMacro* sub = AddSubCircuit(Circuit(), 300, 300, 1);
  Drawing().SetModified(true);
  LookIntoEditMenu();

  // Delete and Escape abandon the trace alone: no question, the input stays, the tool too.
  Action("SpeedWireTool")->trigger();
  for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Escape}) {
    ClickInWindow(CentreOf(*input->Pin(0)));
    ASSERT_TRUE(Drawing().Tracing());
    EXPECT_TRUE(Action("MenuDelete")->isEnabled());
    Key(key);
    EXPECT_FALSE(Drawing().Tracing());
    EXPECT_TRUE(Drawing().WireMode());
    EXPECT_FALSE(Action("MenuDelete")->isEnabled());
  }
  EXPECT_TRUE(Messages.isEmpty());
  EXPECT_EQ(Circuit().Inputs().Count(), 1);

  // Opening a level lets the selection go, and with it the commands that need one.
  Action("SpeedPointer")->trigger();
  ClickInWindow(CentreOf(*sub));
  ASSERT_TRUE(Action("MenuCopy")->isEnabled());
  Form->EditMacroClick();
  ASSERT_TRUE(Document().IsInsideMacro());
  ExpectEnabled({"MenuCut", "MenuCopy", "SpeedCopy", "MenuDelete"}, false);
}

TEST_F(EditCommandsTest, RootCommandsFollowTheLevelWithoutAMenuOpening) {
  Show();
  AddSubCircuit(Circuit(), 300, 300, 1);
  const QString file = Path("levels.lvm");
  ASSERT_TRUE(Document().SaveToFile(file));
  ASSERT_TRUE(Form->OpenCircuit(file));
  const auto rootOnly = {"MenuNameMacro", "MenuAttachDatasheet", "MenuTemplateEditor",
                         "MenuReopenEntry"};
  ExpectEnabled(rootOnly, true);
  Drawing().Select(Circuit().Devices().Child(0));
  Form->EditMacroClick();
  ASSERT_TRUE(Document().IsInsideMacro());
  ExpectEnabled(rootOnly, false);
  Form->SpeedCloseMacroClick();
  ExpectEnabled(rootOnly, true);
}

TEST_F(EditCommandsTest, TicksFollowTheLogicHistoryWindowWithoutAMenuOpening) {
  Show();
  Action("MenuLogicHistory")->trigger();
  ASSERT_TRUE(Form->LogicHistory().isVisible());
  EXPECT_TRUE(Action("MenuLogicHistory")->isChecked());
  Form->LogicHistory().close();  // as its own menu or title bar closes it
  EXPECT_FALSE(Action("MenuLogicHistory")->isChecked());
}

}  // namespace
}  // namespace logivane::test
