#include "TestHelpers.h"
#include "app/DeviceMenu.h"
#include "app/MainUnit.h"
#include "app/MemoryCommands.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/EditHistory.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cMemory.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"
#include "windows/EditMemoryDlg.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace logivane {
namespace {

using namespace test;

/// The main window over a small circuit: two gates, an LED wired to the second, a switch, a
/// memory and a sub-circuit.
class UndoTest : public ::testing::Test {
public:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Folder.path());
    UserMessages::SetHandler([](QMessageBox::Icon, const QString&, auto buttons) {
      return buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    });
    Form = std::make_unique<TMainForm>();
    Form->show();
    QCoreApplication::processEvents();
    TMacro& c = Drawing().Circuit();
    First = Place<T2AndGate>(c, 100, 100);
    Second = Place<T2OrGate>(c, 200, 100);
    Led = Place<TLEDDevice>(c, 300, 100);
    Switch = Place<TInteractiveSwitch>(c, 100, 200);
    Memory = Place<TMemoryDevice>(c, 300, 300);
    Memory->BuildSymbol(true, 4, 8);
    Sub = AddSubCircuit(c, 500, 100, 2);
    Net(c, *Second->Pin(Second->PinCount() - 1), {Led->Pin(0)});
    // A document comes from a file, as a real one would: a few fields take their stored form.
    const QString file = Folder.filePath("start.lvm");
    ASSERT_TRUE(Document().SaveToFile(file));
    ASSERT_TRUE(Form->OpenCircuit(file));
    First = Find<T2AndGate>();
    Second = Find<T2OrGate>();
    Led = Find<TLEDDevice>();
    Switch = Find<TInteractiveSwitch>();
    Memory = Find<TMemoryDevice>();
    Sub = Find<TMacro>();
  }
  template <class T>
  T* Find() const {
    const TMacro& c = Drawing().Circuit();
    for (const TGraphicList* list : {&c.Devices(), &c.Inputs(), &c.Outputs()}) {
      for (TSerialize* object : list->Objects()) {
        if (auto* found = dynamic_cast<T*>(object)) {
          return found;
        }
      }
    }
    return nullptr;
  }
  void TearDown() override {
    Form.reset();
    UserMessages::SetHandler({});
    QSettings().clear();
  }

  TCircuitDocument& Document() const { return Form->Document(); }
  TLogivaneDrawing& Drawing() const { return Form->Drawing(); }
  TEditHistory& History() const { return *Document().EditHistory(); }
  QAction* Action(const char* name) const { return Form->findChild<QAction*>(name); }
  /// What Save would write now.
  QByteArray Saved() const { return CircuitBytes(Drawing().Circuit(), Document().MacroName); }
  void Select(TGraphicObject& object) {
    Drawing().Select(&object);
    Form->DevicePopup().Configure();
  }

  QTemporaryDir Folder;
  std::unique_ptr<TMainForm> Form;
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
  std::function<void(UndoTest&)> Edit;
};

TEST_F(UndoTest, EveryKindOfEditIsUndoneAndRedoneToTheSameBytes) {
  const std::vector<TEditCase> cases = {
      {"place", "Place",
       [](UndoTest& t) {
         t.Action("SpeedAndGate")->trigger();
         QTest::mouseClick(&t.Drawing(), Qt::LeftButton, {}, QPoint(400, 400));
       }},
      {"wire", "Wire",
       [](UndoTest& t) {
         t.Action("SpeedWireTool")->trigger();
         const QPoint from = CentreOf(*t.First->Pin(t.First->PinCount() - 1));
         QTest::mouseClick(&t.Drawing(), Qt::LeftButton, {}, from);
         QTest::mouseClick(&t.Drawing(), Qt::LeftButton, {}, CentreOf(*t.Second->Pin(0)));
       }},
      {"delete", "Delete",
       [](UndoTest& t) {
         t.Select(*t.Second);
         t.Action("MenuDelete")->trigger();
       }},
      {"move", "Move",
       [](UndoTest& t) {
         t.Select(*t.Second);
         t.Drawing().MoveSelectionByKey(Qt::Key_Right);
       }},
      {"rotate", "Rotate",
       [](UndoTest& t) {
         t.Select(*t.First);
         t.First->Rotate(90);
         t.First->Remap();
         emit t.Drawing().Handles().OnItemRotated();
       }},
      {"paste", "Paste",
       [](UndoTest& t) {
         t.Select(*t.First);
         t.Action("MenuCopy")->trigger();
         t.Action("MenuPaste")->trigger();
       }},
      {"property command", "Green",
       [](UndoTest& t) {
         t.Select(*t.Led);
         t.Action("PopGreen")->trigger();
       }},
      {"gate inputs", "Inputs",
       [](UndoTest& t) {
         t.Select(*t.First);
         t.Action("Pop3Inputs")->trigger();
       }},
      {"dialog", "Name Macro",
       [](UndoTest& t) {
         QTimer::singleShot(0, [] {
           auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
           ASSERT_NE(dialog, nullptr);
           dialog->findChild<QPlainTextEdit*>("MacroName")->setPlainText("adder");
           dialog->accept();
         });
         t.Action("MenuNameMacro")->trigger();
       }},
      {"interaction", "Interaction",
       [](UndoTest& t) {
         t.Action("SpeedInteraction")->trigger();
         QTest::mouseClick(&t.Drawing(), Qt::LeftButton, {}, CentreOf(*t.Switch));
       }},
      {"memory contents", "Edit Memory",
       [](UndoTest& t) {
         t.Form->Memory().Show(*t.Memory);
         t.Memory->SetWord(0x5A, 3);
         emit t.Form->Memory().Contents().ContentsChanged();
       }},
  };
  for (const TEditCase& edit : cases) {
    SCOPED_TRACE(edit.Name);
    TearDown();
    SetUp();
    const QByteArray before = Saved();
    edit.Edit(*this);
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
  Place<TLEDDevice>(Drawing().Circuit(), 40, 40);
  Drawing().SetModified(true);
  const QByteArray after = Saved();
  Action("MenuUndo")->trigger();
  EXPECT_TRUE(Document().IsInsideMacro());
  EXPECT_EQ(Saved(), before);
  Action("MenuRedo")->trigger();
  EXPECT_EQ(Saved(), after);
}

TEST_F(UndoTest, ModifiedFollowsTheSavedStepAndRunningIsNoEdit) {
  ASSERT_TRUE(Document().SaveToFile(Folder.filePath("a.lvm")));
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
  UserMessages::SetHandler([](QMessageBox::Icon, const QString&, auto) { return QMessageBox::No; });
  Action("MenuNew")->trigger();
  EXPECT_FALSE(Action("MenuUndo")->isEnabled());
  EXPECT_EQ(Action("MenuUndo")->text(), "&Undo");
}

TEST_F(UndoTest, AMenuCommandAfterARunIsUndoneToTheStateTheRunLeft) {
  // The memory writes all ones to its last address at every step: running changes what is
  // saved.
  TMacro& c = Drawing().Circuit();
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

TEST(EditHistoryTest, OldestStepsGoFirstWhenTheLimitsAreReached) {
  QByteArray document = "start";
  std::vector<QByteArray> restored;
  TEditHistory history(
      [&] {
        return TDocumentState{document, {}, nullptr};
      },
      [&](const TDocumentState& state) {
        restored.push_back(state.Bytes);
        document = state.Bytes;
      });
  history.Reset();
  history.StepLimit = 3;
  for (int i = 1; i <= 5; ++i) {
    document = QByteArray::number(i).repeated(100);
    EXPECT_TRUE(history.Commit());
  }
  EXPECT_FALSE(history.Commit());  // nothing changed
  EXPECT_EQ(history.Count(), 3);
  EXPECT_FALSE(history.IsClean());
  while (history.CanUndo()) {
    history.Undo();
  }
  EXPECT_EQ(document, QByteArray("2").repeated(100));
  history.Redo();
  EXPECT_EQ(document, QByteArray("3").repeated(100));

  // A memory bound smaller than one step keeps that step: the live document is never counted.
  history.MemoryLimit = 1;
  document = "six";
  history.Commit();
  EXPECT_EQ(history.Count(), 1);
  history.Undo();
  EXPECT_EQ(document, QByteArray("3").repeated(100));
}

TEST(EditHistoryTest, TheStateBeforeAnEditIsReadAheadBeforeTheEdit) {
  QByteArray document = "start";
  bool readAhead = false;
  TEditHistory history(
      [&] {
        return TDocumentState{document, {}, nullptr};
      },
      [&](const TDocumentState& state) {
        readAhead = state.Prepared != nullptr;
        document = readAhead ? *std::static_pointer_cast<QByteArray>(state.Prepared) : state.Bytes;
      });
  history.Prepare = [](const QByteArray& bytes) {
    return std::make_shared<QByteArray>(bytes);
  };
  history.Reset();
  for (const char* edit : {"one", "two"}) {
    QCoreApplication::processEvents();  // the idle time before the edit
    const QByteArray before = document;
    document = edit;
    ASSERT_TRUE(history.Commit());
    history.Undo();  // straight after the edit, before any idle time
    EXPECT_TRUE(readAhead);
    EXPECT_EQ(document, before);
    history.Redo();
    EXPECT_EQ(document, edit);
  }
}

}  // namespace
}  // namespace logivane
