#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "app/MemoryCommands.h"
#include "editor/CLogivaneHandle.h"
#include "editor/EditHistory.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cMemory.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"
#include "windows/EditMemoryDlg.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>

namespace logivane {
namespace {

using namespace test;

/// The main window over a small circuit: two gates, an LED wired to the second, a switch, a
/// memory and a sub-circuit.
class UndoTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Show();
    TMacro& c = Circuit();
    Place<T2AndGate>(c, 100, 100);
    auto* second = Place<T2OrGate>(c, 200, 100);
    auto* led = Place<TLEDDevice>(c, 300, 100);
    Place<TInteractiveSwitch>(c, 100, 200);
    Place<TMemoryDevice>(c, 300, 300)->BuildSymbol(true, 4, 8);
    AddSubCircuit(c, 500, 100, 2);
    Net(c, *second->Pin(second->PinCount() - 1), {led->Pin(0)});
    // A document comes from a file, as a real one would: a few fields take their stored form.
    const QString file = Path("start.lvm");
    ASSERT_TRUE(Document().SaveToFile(file));
    ASSERT_TRUE(Form->OpenCircuit(file));
    const TGraphicList& devices = Circuit().Devices();  // in the order they were placed
    First = static_cast<TDevice*>(devices.Child(0));
    Second = static_cast<TDevice*>(devices.Child(1));
    Switch = static_cast<TInteractiveSwitch*>(devices.Child(2));
    Memory = static_cast<TMemoryDevice*>(devices.Child(3));
    Sub = static_cast<TMacro*>(devices.Child(4));
    Led = static_cast<TLEDDevice*>(Circuit().Outputs().Child(0));
  }
  void TearDown() override {
    Form.reset();
    MainWindowTest::TearDown();
  }
  TEditHistory& History() const { return *Document().EditHistory(); }
  /// What Save would write now.
  QByteArray Saved() const { return CircuitBytes(Circuit(), Document().MacroName); }

  TDevice* First = nullptr;
  TDevice* Second = nullptr;
  TLEDDevice* Led = nullptr;
  TInteractiveSwitch* Switch = nullptr;
  TMemoryDevice* Memory = nullptr;
  TMacro* Sub = nullptr;
};

struct TEditCase {
  const char* Name;
  /// The name the step is given, as the Undo entry shows it.
  const char* Step;
  std::function<void()> Edit;
};

TEST_F(UndoTest, EveryKindOfEditIsUndoneAndRedoneToTheSameBytes) {
  const auto command = [this](TGraphicObject* selected, std::initializer_list<const char*> names) {
    if (selected) {
      Select(*selected);
    }
    for (const char* name : names) {
      Action(name)->trigger();
    }
  };
  const std::vector<TEditCase> cases = {
      TEditCase("place", "Place",
                [&] {
                  command(nullptr, {"SpeedAndGate"});
                  Click({400, 400});
                }),
      TEditCase("wire", "Wire",
                [&] {
                  command(nullptr, {"SpeedWireTool"});
                  Click(CentreOf(*First->Pin(First->PinCount() - 1)));
                  Click(CentreOf(*Second->Pin(0)));
                }),
      TEditCase("delete", "Delete", [&] { command(Second, {"MenuDelete"}); }),
      TEditCase("move", "Move",
                [&] {
                  command(Second, {});
                  Drawing().MoveSelectionByKey(Qt::Key_Right);
                }),
      TEditCase("rotate", "Rotate",
                [&] {
                  command(First, {});
                  First->Rotate(90);
                  First->Remap();
                  emit Drawing().Handles().OnItemRotated();
                }),
      TEditCase("paste", "Paste",
                [&] {
                  command(First, {"MenuCopy", "MenuPaste"});
                }),
      TEditCase("property command", "Green", [&] { command(Led, {"PopGreen"}); }),
      TEditCase("gate inputs", "Inputs", [&] { command(First, {"Pop3Inputs"}); }),
      TEditCase("dialog", "Name Macro",
                [&] {
                  AcceptNextDialog([](QDialog& dialog) {
                    dialog.findChild<QPlainTextEdit*>("MacroName")->setPlainText("adder");
                  });
                  command(nullptr, {"MenuNameMacro"});
                }),
      TEditCase("interaction", "Interaction",
                [&] {
                  command(nullptr, {"SpeedInteraction"});
                  Click(CentreOf(*Switch));
                }),
      TEditCase("memory contents", "Edit Memory",
                [&] {
                  Form->Memory().Show(*Memory);
                  Memory->SetWord(0x5A, 3);
                  emit Form->Memory().Contents().ContentsChanged();
                }),
  };
  for (const TEditCase& edit : cases) {
    SCOPED_TRACE(edit.Name);
    TearDown();
    SetUp();
    const QByteArray before = Saved();
    edit.Edit();
    const QByteArray after = Saved();
    ASSERT_NE(after, before);
    EXPECT_EQ(Action("MenuUndo")->text().toStdString(), std::string("&Undo ") + edit.Step);
    QCoreApplication::processEvents();  // undo puts back a state read ahead, redo reads its own
    Action("MenuUndo")->trigger();
    EXPECT_EQ(Saved(), before);
    EXPECT_FALSE(Drawing().HasSelection());
    Action("MenuRedo")->trigger();
    EXPECT_EQ(Saved(), after);
  }
}

TEST_F(UndoTest, AnEditInsideAMacroIsUndoneOnThatLevel) {
  Select(*Sub);
  Action("PopEditMacro")->trigger();
  ASSERT_TRUE(Document().IsInsideMacro());
  const QByteArray before = Saved();
  Place<TLEDDevice>(Circuit(), 40, 40);
  Drawing().SetModified(true);
  const QByteArray after = Saved();
  Action("MenuUndo")->trigger();
  EXPECT_TRUE(Document().IsInsideMacro());
  EXPECT_EQ(Saved(), before);
  Action("MenuRedo")->trigger();
  EXPECT_EQ(Saved(), after);
}

TEST_F(UndoTest, ModifiedFollowsTheSavedStepAndRunningIsNoEdit) {
  ASSERT_TRUE(Document().SaveToFile(Path("a.lvm")));
  EXPECT_FALSE(Document().Modified());
  EXPECT_FALSE(Action("MenuRedo")->isEnabled());

  // Selecting and running change nothing that undo would take back.
  Drawing().SelectAll();
  Drawing().SetModified(true);
  for (int i = 0; i < 4; ++i) {
    Drawing().Step();
  }
  const int steps = History().Count();
  EXPECT_FALSE(Document().Modified());

  Select(*Led);
  Action("PopGreen")->trigger();
  EXPECT_TRUE(Document().Modified());
  EXPECT_EQ(History().Count(), steps + 1);
  Action("MenuUndo")->trigger();
  EXPECT_FALSE(Document().Modified());
  EXPECT_EQ(Form->windowTitle(), "Logivane - a");
  Action("MenuRedo")->trigger();
  EXPECT_TRUE(Document().Modified());

  // A new circuit starts a new history.
  Answer = QMessageBox::No;
  Action("MenuNew")->trigger();
  EXPECT_FALSE(Action("MenuUndo")->isEnabled());
  EXPECT_EQ(Action("MenuUndo")->text(), "&Undo");
}

TEST_F(UndoTest, AMenuCommandAfterARunIsUndoneToTheStateTheRunLeft) {
  // The memory writes all ones to its last address at every step: running changes what is
  // saved.
  TMacro& c = Circuit();
  std::vector<TPin*> low{Memory->Pin(Memory->ChipSelectPin()), Memory->Pin(Memory->ReadWritePin())};
  std::vector<TPin*> high;
  for (int i = 0; i < Memory->AddressWidth() + Memory->DataWidth(); ++i) {
    high.push_back(Memory->Pin(i));
  }
  Net(c, *Place<TGround>(c, 150, 400)->Pin(0), low);
  Net(c, *Place<TSupply>(c, 150, 500)->Pin(0), high);
  Document().NetlistDirty = true;
  Drawing().SetModified(true);
  for (int i = 0; i < 2; ++i) {
    Drawing().Step();
  }
  ASSERT_EQ(Memory->GetWord(15), 0xFF);
  const QByteArray afterRun = Saved();

  Select(*Led);
  Action("PopGreen")->trigger();
  Action("MenuUndo")->trigger();
  EXPECT_EQ(Saved(), afterRun);
}

TEST_F(UndoTest, APushButtonThatSpringsBackIsNoStep) {
  Switch->SetSwitchType(TInteractiveSwitch::PushToMake);
  Drawing().SetModified(false);
  const int steps = History().Count();
  Action("SpeedInteraction")->trigger();
  const QPoint button = CentreOf(*Switch);
  QTest::mousePress(&Drawing(), Qt::LeftButton, {}, button);
  EXPECT_TRUE(Switch->On);
  // Released away from the button, it still springs back.
  QTest::mouseMove(&Drawing(), button + QPoint(200, 200));
  QTest::mouseRelease(&Drawing(), Qt::LeftButton, {}, button + QPoint(200, 200));
  EXPECT_FALSE(Switch->On);
  EXPECT_EQ(History().Count(), steps);
  EXPECT_FALSE(Document().Modified());
}

}  // namespace
}  // namespace logivane
