#include "TestHelpers.h"
#include "app/Datasheets.h"
#include "app/DeviceTools.h"
#include "app/LibraryFolder.h"
#include "app/MainUnit.h"
#include "app/MainWindowFixture.h"
#include "app/MemoryCommands.h"
#include "app/Settings.h"
#include "app/TestTableCommands.h"
#include "dialogs/DialogTestHelpers.h"
#include "dialogs/NumberOutDlg.h"
#include "document/cGText.h"
#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cMemory.h"
#include "simulation/cOutput.h"
#include "simulation/cTagDevice.h"
#include "simulation/cinput.h"
#include "windows/EditMemoryDlg.h"
#include "windows/HelpWindow.h"
#include "windows/LogicAnalyserForm.h"
#include "windows/PartsUnit.h"
#include "windows/TemplateForm.h"
#include "windows/TestTableWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace logivane {
namespace {

using namespace test;

// Every tool placing its device is driven by the restless-user test.
TEST_F(MainWindowTest, APlacedDeviceIsSelectedAndCtrlKeepsTheTool) {
  Show();
  const int before = PlacedCount();  // the circuit's own symbol shapes
  Action("SpeedNotGate")->trigger();
  Click({60, 100});
  EXPECT_EQ(PlacedCount(), before + 1);
  EXPECT_TRUE(Action("SpeedPointer")->isChecked());
  EXPECT_TRUE(Drawing().HasSelection());  // the new device, selected

  // Ctrl and the left button keep the tool: three presses, three gates, none selected.
  Action("SpeedAndGate")->trigger();
  const int gates = Circuit().Devices().Count();
  for (int i = 0; i < 3; ++i) {
    Click({100 + 60 * i, 300}, Qt::ControlModifier);
  }
  EXPECT_EQ(Circuit().Devices().Count(), gates + 3);
  EXPECT_TRUE(Action("SpeedAndGate")->isChecked());
  EXPECT_FALSE(Drawing().HasSelection());
  // Ctrl with Shift does not.
  Click({100, 400}, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(Action("SpeedPointer")->isChecked());
}

TEST_F(MainWindowTest, TheDeviceMenuOffersWhatTheSelectionTakes) {
  Show();
  TMacro& circuit = Circuit();
  auto* notGate = Place<TNotGate>(circuit, 100, 100);
  auto* andGate = Place<T2AndGate>(circuit, 200, 100);
  auto* led = Place<TLEDDevice>(circuit, 300, 100);
  auto* tag = Place<TTagDevice>(circuit, 400, 100);
  TWire* wire = Connect(circuit, *notGate->Pin(0), *led->Pin(0));

  Select(*wire);
  for (QAction* entry : Form->DevicePopup().Menu().actions()) {
    EXPECT_EQ(entry->isVisible(), entry->objectName() == "PopDelete")
        << entry->objectName().toStdString();
  }
  Select(*notGate);
  EXPECT_FALSE(Shown("PopGateInputs"));
  EXPECT_FALSE(Shown("PopSeparator1"));
  EXPECT_TRUE(Shown("PopCut"));

  Select(*led);
  EXPECT_TRUE(Shown("PopChangeColour"));
  Action("PopGreen")->trigger();  // an edit, as the undo test shows
  EXPECT_EQ(led->Colour, 0x00FF00);

  Select(*tag);
  EXPECT_EQ(Drawing().Handles().ContextMenu(), &Form->DevicePopup().TagMenu());

  // Four inputs replace the gate; once a pin is wired the count can no longer change.
  Select(*andGate);
  EXPECT_TRUE(Shown("PopGateInputs") && Action("PopGateInputs")->isEnabled());
  Action("Pop4Inputs")->trigger();
  ASSERT_EQ(circuit.Devices().Count(), 2);
  auto* fourInputs = dynamic_cast<T4AndGate*>(circuit.Devices().Child(1));
  ASSERT_NE(fourInputs, nullptr);
  Connect(circuit, *fourInputs->Pin(1), *tag->Pin(0));
  Select(*fourInputs);
  EXPECT_FALSE(Action("PopGateInputs")->isEnabled());
}

TEST_F(MainWindowTest, HalfAndFullCyclesStepTheClock) {
  Show();
  TMacro& circuit = Circuit();
  auto* clock = Place<TClockDevice>(circuit, 100, 100);
  auto* led = Place<TLEDDevice>(circuit, 200, 100);
  Connect(circuit, *clock->Pin(0), *led->Pin(0));
  Action("HertzFifty")->trigger();  // runs: RunStateTest
  EXPECT_EQ(Form->Clock().interval(), 10);

  // A half cycle changes the level once; a full cycle brings it back.
  Action("MenuStepCircuit")->trigger();
  const TLevel half = led->Pin(0)->Value;
  Action("PopFullCycle")->trigger();
  Action("MenuStepCircuit")->trigger();
  EXPECT_EQ(led->Pin(0)->Value, half);
  Action("PopHalfCycle")->trigger();
  Action("MenuStepCircuit")->trigger();
  EXPECT_NE(led->Pin(0)->Value, half);
}

TEST_F(MainWindowTest, ARaceStopsTheRunWithABalloon) {
  Show();
  TMacro& circuit = Circuit();
  auto* gate = Place<TNotGate>(circuit, 100, 100);
  Connect(circuit, *gate->Pin(0), *gate->Pin(1));
  Action("HertzFifty")->trigger();
  Action("MenuRun")->trigger();
  QTest::qWait(40);
  EXPECT_FALSE(Action("SpeedRun")->isChecked());
  EXPECT_TRUE(Drawing().NoticeBox().Visible);
  EXPECT_EQ(Drawing().NoticeBox().Lines.join('\n'), "Race condition, process halted");
}

TEST_F(MainWindowTest, FilesAreSavedOpenedAndRemembered) {
  Show();
  Place<TLEDDevice>(Circuit(), 100, 100);
  Drawing().SetModified(true);

  // New asks first; Cancel keeps the circuit, a cancelled save dialog too.
  Answer = QMessageBox::Cancel;
  Action("MenuNew")->trigger();
  EXPECT_EQ(Messages.value(0), "Circuit has changed, save current circuit?");
  Answer = QMessageBox::Yes;
  Action("MenuNew")->trigger();
  EXPECT_EQ(Circuit().Outputs().Count(), 1);
  EXPECT_TRUE(Document().Modified());

  SaveName = Path("full.adder.lvm");
  Action("MenuSaveAs")->trigger();
  EXPECT_TRUE(QFile::exists(SaveName));
  EXPECT_EQ(Form->windowTitle(), "Logivane - full");
  EXPECT_FALSE(Document().Modified());

  Action("MenuNew")->trigger();
  EXPECT_EQ(Form->windowTitle(), "Logivane - Untitled");
  EXPECT_EQ(Circuit().Outputs().Count(), 0);

  // The recent list: most recent first, no duplicates, at most five.
  for (const char* name : {"a.lvm", "b.lvm", "c.lvm", "d.lvm", "e.lvm"}) {
    QFile::copy(SaveName, Path(name));
    OpenName = Path(name);
    Action("MenuOpen")->trigger();
  }
  EXPECT_EQ(Circuit().Outputs().Count(), 1);
  EXPECT_EQ(Form->FileHistory.size(), 5);
  Form->ReopenClick(Path("c.lvm"));
  EXPECT_EQ(Form->FileHistory, QStringList({Path("c.lvm"), Path("e.lvm"), Path("d.lvm"),
                                            Path("b.lvm"), Path("a.lvm")}));
  EXPECT_EQ(Form->windowTitle(), "Logivane - c");

  // A file that does not open keeps the circuit and the list.
  Messages.clear();
  OpenName = Path("missing.lvm");
  Action("MenuOpen")->trigger();
  EXPECT_FALSE(Messages.isEmpty());
  EXPECT_EQ(Form->windowTitle(), "Logivane - c");
  EXPECT_EQ(Form->FileHistory.size(), 5);
}

TEST_F(MainWindowTest, InsideAMacroSaveAsksAndNeverOverwritesTheRoot) {
  Show();
  TMacro* sub = AddSubCircuit(Circuit(), 200, 200, 1);
  SaveName = Path("root.lvm");
  Action("MenuSave")->trigger();
  const QByteArray root = FileBytes(SaveName);

  Select(*sub);
  Action("PopEditMacro")->trigger();
  ASSERT_TRUE(Document().IsInsideMacro());
  EXPECT_TRUE(Action("SpeedCloseMacro")->isVisible());
  Messages.clear();
  SaveName = Path("level.lvm");
  Action("MenuSave")->trigger();
  EXPECT_TRUE(Messages.value(0).startsWith(
      "This action will save to file the circuit at its current level"));
  EXPECT_TRUE(QFile::exists(Path("level.lvm")));
  EXPECT_EQ(FileBytes(Path("root.lvm")), root);

  Action("SpeedCloseMacro")->trigger();
  EXPECT_FALSE(Document().IsInsideMacro());
  EXPECT_FALSE(Action("SpeedCloseMacro")->isVisible());

  // Declining the level question during Open still opens the file, without saving.
  Select(*sub);
  Action("PopEditMacro")->trigger();
  Place<TLEDDevice>(Circuit(), 10, 10);  // a change: Modified follows the undo steps
  Drawing().SetModified(true);
  Messages.clear();
  OpenName = Path("root.lvm");
  UserMessages::SetHandler([this](QMessageBox::Icon, const QString& text, auto) {
    Messages << text;
    return Messages.size() == 1 ? QMessageBox::Yes : QMessageBox::No;
  });
  Action("MenuOpen")->trigger();
  EXPECT_EQ(Messages.size(), 2);
  EXPECT_FALSE(Document().IsInsideMacro());
  EXPECT_EQ(Form->windowTitle(), "Logivane - root");
  EXPECT_FALSE(Action("SpeedCloseMacro")->isVisible());
}

TEST_F(MainWindowTest, SettingsAreReadAtStartAndWrittenAtClose) {
  // Bad and missing values are SettingsTest's: here, that the window applies what was read.
  TProgramSettings stored = DefaultSettings(QSize(1600, 1200));
  stored.Spacing = 10;
  stored.ClockInterval = 10;
  stored.FileHistory = {"/one.lvm"};
  {
    QSettings store;
    WriteSettings(store, stored);
  }
  Show();
  EXPECT_EQ(Drawing().Grid().Spacing, 10);
  EXPECT_EQ(Form->Clock().interval(), 10);
  EXPECT_EQ(Form->FileHistory, stored.FileHistory);

  // Closing with changes asks; Cancel keeps the window open.
  Place<TLEDDevice>(Circuit(), 10, 10);  // a change: Modified follows the undo steps
  Drawing().SetModified(true);
  Answer = QMessageBox::Cancel;
  EXPECT_FALSE(Form->close());
  Answer = QMessageBox::No;
  Action("HertzTen")->trigger();
  EXPECT_TRUE(Form->close());
  EXPECT_EQ(QSettings().value("3.04/Clock/Interval").toInt(), 50);
  EXPECT_EQ(QSettings().value("3.04/View/Snap Size").toInt(), 10);
}

TEST_F(MainWindowTest, TheCommandLineOpensAPathWithSpaces) {
  QDir(Folder.path()).mkdir("My Circuits");
  const QString file = Path("My Circuits/adder.LVM");
  {
    TMainForm writer;
    Place<TLEDDevice>(writer.Drawing().Circuit(), 100, 100);
    ASSERT_TRUE(writer.Document().SaveToFile(file));
  }
  Show(file.split(' '));
  EXPECT_EQ(Form->windowTitle(), "Logivane - adder");
  EXPECT_EQ(Circuit().Outputs().Count(), 1);
  EXPECT_TRUE(Form->FileHistory.isEmpty());

  // A missing file is reported and leaves an empty circuit.
  Show({Path("nothing here.lvm")});
  EXPECT_FALSE(Messages.isEmpty());
  EXPECT_EQ(Form->windowTitle(), "Logivane - Untitled");
}

TEST_F(MainWindowTest, ANumericDisplayIsPlacedAndChangedThroughItsDialog) {
  Show();
  Action("SpeedNumeric")->trigger();
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  Click({200, 200});
  EXPECT_EQ(Circuit().Outputs().Count(), 0);  // cancelled: nothing placed, the tool stays
  EXPECT_TRUE(Action("SpeedNumeric")->isChecked());

  AcceptNextDialog([](QDialog& dialog) {
    EXPECT_TRUE(Control<QWidget>(dialog, "SizeGroup")->isVisible());
    ClickArrow(Control<QSpinBox>(dialog, "InputLines"), true);
    ClickCheck(Control<QRadioButton>(dialog, "Hexadecimal"));
  });
  Click({200, 200});
  ASSERT_EQ(Circuit().Outputs().Count(), 1);
  auto& display = static_cast<TNumericDevice&>(*Circuit().Outputs().Child(0));
  using N = TNumericDevice;
  EXPECT_EQ(NumberOutValues(display), (TNumberOutValues{N::FormatHex | N::FormatSuppressZeros, 8}));
  EXPECT_TRUE(Document().Modified());

  // Properties keep the lines, and the wire on a pin follows it below the face.
  auto* supply = Place<TSupply>(Circuit(), 100, 100);
  TWire* wire = Connect(Circuit(), *supply->Pin(0), *display.Pin(0));
  Drawing().SetModified(false);
  Select(display);
  ASSERT_TRUE(Shown("PopProperties") && Action("PopProperties")->isEnabled());
  AcceptNextDialog([](QDialog& dialog) {
    EXPECT_FALSE(Control<QWidget>(dialog, "SizeGroup")->isVisible());
    EXPECT_EQ(Control<QSpinBox>(dialog, "InputLines")->text(), "8");
    ClickCheck(Control<QRadioButton>(dialog, "Decimal"));
    ClickCheck(Control<QCheckBox>(dialog, "TwosComplement"));
    ClickCheck(Control<QCheckBox>(dialog, "PinsAtBottom"));
  });
  Action("PopProperties")->trigger();
  EXPECT_EQ(NumberOutValues(display),
            (TNumberOutValues{N::FormatDecimal | N::FormatTwosComplement | N::FormatSuppressZeros,
                              8, true}));
  EXPECT_TRUE(Document().Modified());
  EXPECT_EQ(Form->findChildren<TNumberOutDialog*>().size(), 1);
  ASSERT_EQ(Drawing().Handles().Items().size(), 1u);
  EXPECT_EQ(Drawing().Handles().Items().front(), &display);
  const QPoint pin = CentreOf(*display.Pin(0));
  EXPECT_TRUE(wire->GetPoint(0) == pin || wire->GetPoint(wire->PointCount() - 1) == pin);
}

TEST_F(MainWindowTest, SequenceAndSwitchTypeAreSetThroughTheirDialogs) {
  Show();
  auto* generator = Place<TBitGenerator>(Circuit(), 100, 100);
  generator->SetSequence("10110");
  auto* contact = Place<TInteractiveSwitch>(Circuit(), 200, 100);
  Drawing().Step();
  Select(*generator);
  ASSERT_TRUE(Shown("PopEditSequence") && Action("PopEditSequence")->isEnabled());
  AcceptNextDialog();  // shown in hexadecimal and taken back as whole groups of four
  Action("PopEditSequence")->trigger();
  EXPECT_EQ(generator->Sequence, "00010110");
  EXPECT_EQ(generator->Position, 1);  // restarted with the circuit
  EXPECT_EQ(Drawing().Handles().Items().front(), generator);
  EXPECT_TRUE(Document().Modified());

  Drawing().SetModified(false);
  Select(*contact);
  ASSERT_TRUE(Shown("PopSwitchType") && Action("PopSwitchType")->isEnabled());
  AcceptNextDialog(
      [](QDialog& dialog) { ClickCheck(Control<QRadioButton>(dialog, "PushToBreak")); });
  Action("PopSwitchType")->trigger();
  EXPECT_EQ(contact->SwitchType, TInteractiveSwitch::PushToBreak);
  EXPECT_TRUE(contact->On);  // at rest a push-to-break contact is closed
  EXPECT_TRUE(Document().Modified());
}

TEST_F(MainWindowTest, TheMemoryToolPlacesTheSizeItsDialogGivesAndNothingOnCancel) {
  Show();
  Action("SpeedMemory")->trigger();
  QTimer::singleShot(0,
                     [] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject(); });
  Click({100, 100});
  EXPECT_EQ(Circuit().Devices().Count(), 0);
  EXPECT_TRUE(Action("SpeedMemory")->isChecked());

  AcceptNextDialog([](QDialog& dialog) {
    dialog.findChild<QRadioButton*>("ROMButton")->setChecked(true);
    dialog.findChild<QSpinBox*>("AddressLines")->setValue(10);
  });
  Click({200, 200});
  ASSERT_EQ(Circuit().Devices().Count(), 1);
  const auto* memory = dynamic_cast<const TMemoryDevice*>(Circuit().Devices().Child(0));
  ASSERT_NE(memory, nullptr);
  EXPECT_FALSE(memory->IsRAM());
  EXPECT_EQ(memory->WordCount(), 1024);  // the symbol as the dialog's example shows it
  EXPECT_TRUE(Action("SpeedPointer")->isChecked());
}

// That an edit in the window is an undo step: EditContentsTest and UndoTest.
TEST_F(MainWindowTest, TheContentsWindowOpensOnADoubleClickAndFollowsARun) {
  Show();
  TMacro& circuit = Circuit();
  auto* memory = Place<TMemoryDevice>(circuit, 200, 200);
  auto* supply = Place<TSupply>(circuit, 100, 300);
  Connect(circuit, *supply->Pin(0), *memory->Pin(memory->AddressWidth() - 1));  // address 1
  Document().NetlistDirty = true;
  Drawing().SetModified(false);
  TEditContentsDialog& window = Form->Memory().Contents();

  // A double click on the selected memory opens its window.
  Select(*memory);
  TLogivaneHandles& handles = Drawing().Handles();
  QTest::mouseDClick(&handles, Qt::LeftButton, {}, handles.rect().center());
  ASSERT_TRUE(window.isVisible());
  EXPECT_EQ(window.Memory(), memory);

  Action("MenuStepCircuit")->trigger();
  EXPECT_EQ(window.findChild<QTableView*>("ContentsGrid")->currentIndex().row(), 1);
  EXPECT_FALSE(Document().Modified());
}

TEST_F(MainWindowTest, TheContentsWindowClosesWhenItsMemoryIsRemoved) {
  Show();
  auto open = [this](TMemoryDevice& memory) {
    Select(memory);
    Action("PopMemoryContents")->trigger();
    EXPECT_TRUE(Form->Memory().Contents().isVisible());
  };
  auto closed = [this] {
    return !Form->Memory().Contents().isVisible() && !Form->Memory().Contents().Memory();
  };

  auto* memory = Place<TMemoryDevice>(Circuit(), 200, 200);
  auto* gate = Place<TNotGate>(Circuit(), 400, 200);
  open(*memory);
  Select(*gate);
  Action("MenuDelete")->trigger();
  EXPECT_FALSE(closed()) << "another device went";
  Select(*memory);
  Action("MenuCut")->trigger();
  EXPECT_TRUE(closed()) << "cut";

  Action("MenuPaste")->trigger();
  Place<TNotGate>(Circuit(), 400, 200);
  open(*static_cast<TMemoryDevice*>(Circuit().Devices().Child(0)));
  Form->EditSelectAllClick();
  Action("MenuDelete")->trigger();
  EXPECT_TRUE(closed()) << "deleted with others";

  // Inside a sub-circuit: leaving its level, deleting it, a new circuit, an opened one.
  TMacro* sub = AddSubCircuit(Circuit(), 200, 200, 0);
  memory = Place<TMemoryDevice>(*sub, 0, 0);
  Select(*sub);
  Action("PopEditMacro")->trigger();
  open(*memory);
  Action("SpeedCloseMacro")->trigger();
  EXPECT_TRUE(closed()) << "level left";
  Form->Memory().Show(*memory);
  Select(*sub);
  Action("MenuDelete")->trigger();
  EXPECT_TRUE(closed()) << "its sub-circuit deleted";

  open(*Place<TMemoryDevice>(Circuit(), 200, 200));
  Document().SaveToFile(Path("memory.lvm"));
  Action("MenuNew")->trigger();
  EXPECT_TRUE(closed()) << "new circuit";
  ASSERT_TRUE(Form->OpenCircuit(Path("memory.lvm")));
  open(*static_cast<TMemoryDevice*>(Circuit().Devices().Child(0)));
  ASSERT_TRUE(Form->OpenCircuit(Path("memory.lvm")));
  EXPECT_TRUE(closed()) << "circuit opened";
}

TEST_F(MainWindowTest, AMacroDroppedFromThePartsCentreSimulatesInsideItsParent) {
  // An inverter saved as a library macro with a datasheet.
  auto library = NewRoot();
  TMacro* inverter = AddSubCircuit(*library, 0, 0, 2);
  auto* gate = Place<TNotGate>(*inverter, 50, 0);
  Net(*inverter, *inverter->Tag(0)->GetPin(), {gate->Pin(1)});
  Net(*inverter, *gate->Pin(0), {inverter->Tag(1)->GetPin()});
  UpdateTagKinds(*inverter);
  inverter->Datasheet = "inverter.pdf";
  ASSERT_TRUE(QDir(Folder.path()).mkdir("Parts Centre"));
  const QString file = Path("Parts Centre/inverter.lvm");
  ASSERT_TRUE(SaveCircuitFile(file, *inverter, "Inverter"));

  EXPECT_EQ(LibraryFolder(Folder.path()), Path("Parts Centre"));
  // Without one in the start folder, a run from the build tree finds the library of the tree.
  EXPECT_TRUE(QFileInfo(LibraryFolder(Path("Parts Centre"))).isDir());
  Show();
  Form->PartsCentre().SetRoot(Path("Parts Centre"));
  Action("SpeedPartsCentre")->trigger();
  EXPECT_TRUE(Form->PartsCentre().isVisible());
  ASSERT_EQ(Form->PartsCentre().List().count(), 1);

  // Only a drag from the Parts Centre's list is taken.
  QMimeData text;
  text.setText(file);
  EXPECT_FALSE(Drop(text, {300, 300}));
  EXPECT_TRUE(DropPart(file, {300, 300}));
  ASSERT_EQ(Circuit().Devices().Count(), 1);
  auto* dropped = dynamic_cast<TMacro*>(Circuit().Devices().Child(0));
  ASSERT_NE(dropped, nullptr);
  EXPECT_TRUE(dropped->Closed);
  EXPECT_TRUE(Drawing().NoticeBox().Visible);
  EXPECT_TRUE(Document().Modified());

  auto* source = Place<TTestSource>(Circuit(), 100, 300);
  auto* probe = Place<TTestProbe>(Circuit(), 500, 300);
  Net(Circuit(), *source->Pin(0), {&Outline(*dropped, 0)});
  Net(Circuit(), Outline(*dropped, 1), {probe->Pin(0)});
  Drawing().RootCircuit().Reset();  // the test's devices keep no history for the window
  for (int level : {0, 1, 0}) {
    source->Level = level;
    SettledStep(Drawing().RootCircuit());
    EXPECT_EQ(probe->Seen, level ^ 1);
  }

  // Opening a library file asks about the changed circuit first.
  Answer = QMessageBox::No;
  Form->PartsCentre().OnEditMacro(file);
  EXPECT_EQ(Messages.last(), "Circuit has changed, save current circuit?");
  EXPECT_EQ(Document().FileName, file);
  EXPECT_EQ(Form->FileHistory.value(0), file);
}

/// The help and datasheet requests of the main window, recorded instead of shown.
class MainWindowHelpTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    SetHelpRequestHandler(
        [this](const THelpRequest& request) { Requests << request.Address + "|" + request.Topic; });
    SetDatasheetOpener([this](const QUrl& url) {
      Opened << url.toString();
      return true;
    });
  }
  void TearDown() override {
    SetHelpRequestHandler({});
    SetDatasheetOpener({});
    MainWindowTest::TearDown();
  }
  void PressF1() { QTest::keyClick(&Drawing(), Qt::Key_F1); }

  const QString Topic = ProgramHelpFile() + ">PopWindow|";
  QStringList Requests;
  QStringList Opened;
};

TEST_F(MainWindowHelpTest, F1AndEveryHelpCommandAskForTheirPage) {
  Show();
  Drawing().setFocus();
  PressF1();  // nothing selected, and the circuit has no datasheet: the contents
  EXPECT_EQ(Requests, QStringList{ProgramHelpFile() + "|"});
  EXPECT_TRUE(Opened.isEmpty() && Messages.isEmpty());
  Requests.clear();
  Circuit().Datasheet = "http://example.com/counter.pdf";
  PressF1();
  EXPECT_EQ(Opened, QStringList{"http://example.com/counter.pdf"});
  // The library's datasheets are found where the library is, though the start folder has none.
  Form->StartFolder = Folder.path();
  Circuit().Datasheet = "7400.htm";
  PressF1();
  EXPECT_TRUE(Opened.takeLast().endsWith("/datasheets/7400.htm"));

  auto* gate = Place<T2AndGate>(Circuit(), 100, 100);
  Select(*gate);
  PressF1();
  TMacro* macro = AddSubCircuit(Circuit(), 300, 100, 1);
  macro->Datasheet = "https://example.com/adder.htm";
  Select(*macro);
  PressF1();
  EXPECT_EQ(Opened.last(), "https://example.com/adder.htm");
  ASSERT_TRUE(Shown("PopViewDatasheet"));
  Action("PopViewDatasheet")->trigger();
  Form->PartsCentre().OnViewDatasheet("http://example.com/7400.pdf", "0");
  EXPECT_EQ(Opened.mid(2),
            QStringList({"https://example.com/adder.htm", "http://example.com/7400.pdf"}));

  // The tool windows' own commands are their F1, shown below.
  Action("MenuHelpTopics")->trigger();
  for (QAction* command : {Form->TemplateEditor().Action("TemplateHelpTopics"),
                           Form->Memory().Contents().findChild<QAction*>("ContentsHelpTopics")}) {
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(command->isEnabled());
    command->trigger();
  }
  EXPECT_EQ(Requests,
            QStringList({Topic + "GateAND.htm", ProgramHelpFile() + "|",
                         Topic + "TemplateEditor.htm", Topic + "MemoryContentsWindow.htm"}));
  EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(MainWindowHelpTest, F1InAToolWindowShowsThatWindowsPage) {
  Show();
  for (QWidget* window :
       {static_cast<QWidget*>(&Form->LogicHistory()), static_cast<QWidget*>(&Form->PartsCentre()),
        static_cast<QWidget*>(&Form->TestTables().Window())}) {
    window->show();
    QApplication::setActiveWindow(window);
    QTest::keyClick(window->windowHandle(), Qt::Key_F1);
  }
  EXPECT_EQ(Requests, QStringList({Topic + "LogicHistory.htm", Topic + "partscentre.htm",
                                   Topic + "testtables.htm"}));
}

// A datasheet that is a program is refused by the datasheet search (DatasheetTest).
TEST_F(MainWindowHelpTest, AnAttachedDatasheetAndTheDatasheetFolderAreKept) {
  Show();
  Circuit().HelpTopic = "12";
  Drawing().SetModified(true);  // an edit, then saved: attaching is the only change after it
  Drawing().SetModified(false);
  ASSERT_TRUE(Action("MenuAttachDatasheet")->isEnabled());
  AcceptNextDialog([](QDialog& dialog) {
    Control<QTabWidget>(dialog, "Pages")->setCurrentIndex(1);
    Control<QLineEdit>(dialog, "Url")->setText("http://example.com/counter.htm");
  });
  Action("MenuAttachDatasheet")->trigger();
  EXPECT_EQ(Circuit().Datasheet, "http://example.com/counter.htm");
  EXPECT_EQ(Circuit().HelpTopic, "12");
  EXPECT_TRUE(Document().Modified());

  AcceptNextDialog(
      [](QDialog& dialog) { Control<QLineEdit>(dialog, "DatasheetPath")->setText("/srv/sheets"); });
  Action("MenuDatasheetPath")->trigger();
  EXPECT_EQ(Form->DatasheetFolder, "/srv/sheets");
  EXPECT_TRUE(Messages.isEmpty());
}

}  // namespace
}  // namespace logivane
