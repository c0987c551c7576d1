// Editing without a mouse: the device palette, the keyboard cursor, stepping through the
// objects and wiring from pin to pin, each step one edit that undo takes back; and the names
// and hints of the tool buttons.
#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "app/MemoryCommands.h"
#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/EditHistory.h"
#include "simulation/cGateDevice.h"
#include "simulation/cOutput.h"
#include "windows/EditMemoryDlg.h"
#include "windows/LogicAnalyserForm.h"
#include "windows/PartsUnit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QToolButton>

namespace logivane::test {
namespace {

class KeyboardEditingTest : public MainWindowTest {
protected:
  /// Opens the palette with Insert and picks the device tool `name` with the arrow keys.
  void PlaceFromPalette(const char* name) {
    Key(Qt::Key_Insert);
    auto* palette = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(palette, nullptr);
    ASSERT_EQ(palette->objectName(), "DevicePalette");
    const auto chosen = [&] {
      return palette->activeAction() && palette->activeAction()->text() == Action(name)->text();
    };
    for (int i = 0; i < 30 && !chosen(); ++i) {
      QTest::keyClick(palette, Qt::Key_Down);
    }
    ASSERT_TRUE(chosen());
    QTest::keyClick(palette, Qt::Key_Return);
  }
  TGraphicObject* Selected() const {
    const auto& items = Drawing().Handles().Items();
    return items.size() == 1 ? items.front() : nullptr;
  }
  static QPoint Centre(const TGraphicObject& object) {
    float x, y;
    object.GetCentre(x, y);
    return {RoundToInt(x), RoundToInt(y)};
  }
  int Edits() const { return Document().EditHistory()->Count(); }
};

TEST_F(KeyboardEditingTest, PlacesMovesAndWiresWithoutAMouse) {
  ShowActive();
  const int before = Edits();
  PlaceFromPalette("SpeedNotGate");
  ASSERT_EQ(Circuit().Devices().Count(), 1);
  auto* gate = dynamic_cast<TNotGate*>(Selected());
  ASSERT_NE(gate, nullptr);
  EXPECT_EQ(Edits(), before + 1);
  EXPECT_TRUE(Action("SpeedPointer")->isChecked());

  // An arrow moves the selection one unit, with Shift one grid step.
  const QPoint placed = Centre(*gate);
  const int grid = Drawing().Grid().Spacing;
  Key(Qt::Key_Right);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Centre(*gate), placed + QPoint(1, grid));
  EXPECT_EQ(Edits(), before + 3);

  // Escape lets the gate go; the arrows then move the cross-hair, where the next device goes.
  Key(Qt::Key_Escape);
  EXPECT_EQ(Selected(), nullptr);
  const QPoint cursor = *Drawing().KeyCursor().At();
  Key(Qt::Key_Right, Qt::ShiftModifier);
  Key(Qt::Key_Up);
  EXPECT_EQ(*Drawing().KeyCursor().At(), cursor + QPoint(10 * grid, -grid));
  EXPECT_EQ(Centre(*gate), placed + QPoint(1, grid));
  PlaceFromPalette("SpeedLED");
  ASSERT_EQ(Circuit().Outputs().Count(), 1);
  auto* led = static_cast<TLEDDevice*>(Circuit().Outputs().Objects().Items(0));
  EXPECT_EQ(Selected(), led);

  // Tab steps on to the gate; W starts a wire at its first free pin, Tab walks the targets.
  Key(Qt::Key_Tab);
  EXPECT_EQ(Selected(), gate);
  Key(Qt::Key_W);
  ASSERT_TRUE(Drawing().Tracing());
  EXPECT_TRUE(gate->Pin(0)->IsConnected());
  const int wiresBefore = Circuit().Wires().Count();
  for (int i = 0; i < 5 && *Drawing().KeyCursor().At() != Centre(*led->Pin(0)); ++i) {
    Key(Qt::Key_Tab);
  }
  ASSERT_EQ(*Drawing().KeyCursor().At(), Centre(*led->Pin(0)));
  const int beforeWire = Edits();
  Key(Qt::Key_Return);
  EXPECT_FALSE(Drawing().Tracing());
  EXPECT_EQ(Circuit().Wires().Count(), wiresBefore + 1);
  EXPECT_TRUE(led->Pin(0)->IsConnected());
  EXPECT_EQ(Selected(), gate);
  EXPECT_TRUE(Action("SpeedPointer")->isChecked());
  EXPECT_EQ(Edits(), beforeWire + 1);

  // The wire is one edit: undo takes it back and leaves both devices.
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Circuit().Wires().Count(), wiresBefore);
  EXPECT_EQ(Circuit().Devices().Count(), 1);
  EXPECT_EQ(Circuit().Outputs().Count(), 1);

  // Shift+Tab goes the other way round: from nothing selected to the last object, then back.
  // Undo rebuilt the level, so its objects are looked up again.
  const TSerialize* restoredGate = Circuit().Devices().Objects().Items(0);
  const TSerialize* restoredLed = Circuit().Outputs().Objects().Items(0);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Selected(), nullptr);
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), restoredLed);
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), restoredGate);
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), restoredLed);
}

TEST_F(KeyboardEditingTest, EscapeAbandonsAKeyboardWireAndWIsRefusedWithoutADevice) {
  ShowActive();
  auto* gate = Place<TNotGate>(Circuit(), 200, 200);
  Key(Qt::Key_W);  // nothing selected
  EXPECT_FALSE(Drawing().Tracing());
  Key(Qt::Key_Tab);
  Key(Qt::Key_W);
  ASSERT_TRUE(Drawing().Tracing());
  // W again starts from the next free pin instead.
  Key(Qt::Key_W);
  ASSERT_TRUE(Drawing().Tracing());
  EXPECT_FALSE(gate->Pin(0)->IsConnected());
  EXPECT_TRUE(gate->Pin(1)->IsConnected());
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Drawing().Tracing());
  EXPECT_FALSE(gate->Pin(1)->IsConnected());
  EXPECT_EQ(Circuit().Wires().Count(), 0);
  EXPECT_TRUE(Action("SpeedPointer")->isChecked());
}

TEST_F(KeyboardEditingTest, ToolButtonsAreNamedAndHintsShowTheirKeys) {
  TMainForm& form = Show();
  for (QWidget* window : std::initializer_list<QWidget*>{
           &form, &form.LogicHistory(), &form.PartsCentre(), &form.Memory().Contents()}) {
    const auto buttons = window->findChildren<QToolButton*>();
    EXPECT_FALSE(buttons.isEmpty()) << window->objectName().toStdString();
    for (const QToolButton* button : buttons) {
      EXPECT_FALSE(button->accessibleName().isEmpty())
          << window->objectName().toStdString() << " " << button->objectName().toStdString();
    }
    for (const QAction* action : window->findChildren<QAction*>()) {
      const QString key = action->shortcut().toString(QKeySequence::NativeText);
      EXPECT_TRUE(key.isEmpty() || action->toolTip().contains(key))
          << action->objectName().toStdString();
    }
  }
  // A tool button names the key of the menu entry that gives its command.
  EXPECT_TRUE(Action("SpeedRun")->toolTip().contains("F9"));
  EXPECT_TRUE(Action("SpeedSave")
                  ->toolTip()
                  .contains(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText)));
  EXPECT_EQ(ToolButton("SpeedPartsCentre").accessibleName(), "Parts Centre");
}

}  // namespace
}  // namespace logivane::test
