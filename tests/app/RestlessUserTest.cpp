// A restless user: thousands of random clicks, drags, wheels and keys on the main window holding
// a real circuit, in every tool mode, delivered to the window as the platform delivers them.
// Afterwards the program must still answer, the circuit must hold together, and what it saves
// must read back. LOGIVANE_RESTLESS_EVENTS and LOGIVANE_RESTLESS_SEED make a longer or another
// run.
#include "TestHelpers.h"
#include "app/DeviceTools.h"
#include "app/MainWindowFixture.h"
#include "editor/CLogivaneHandle.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cConnect.h"
#include "simulation/cDevice.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QScrollArea>

#include <algorithm>
#include <random>
#include <unordered_set>

namespace logivane::test {
namespace {

int FromEnvironment(const char* name, int fallback) {
  bool number = false;
  const int value = qEnvironmentVariableIntValue(name, &number);
  return number && value > 0 ? value : fallback;
}

/// Every link between pins, wires and joints points both ways, at every level, and every wire
/// that a pin or joint holds is one of its own level's wires: a wire held but owned by no level
/// would be saved in a file that cannot be read back.
bool LinksHold(const TMacro& circuit, QString& where) {
  std::unordered_set<const TWire*> wires;
  for (TSerialize* item : circuit.Wires().Objects()) {
    wires.insert(static_cast<const TWire*>(item));
  }
  const auto owned = [&wires](const TWire* wire) {
    return !wire || wires.contains(wire);
  };
  for (const TGraphicList* list : circuit.PaintOrder()) {
    for (TSerialize* item : list->Objects()) {
      auto& object = static_cast<TGraphicObject&>(*item);
      where = object.ClassName();
      if (!object.ReferencesConsistent()) {
        return false;
      }
      if (const auto* joint = dynamic_cast<const TSolder*>(&object)) {
        if (!std::all_of(joint->Wires.begin(), joint->Wires.end(), owned)) {
          where += QStringLiteral(": a wire of no level");
          return false;
        }
      }
      const auto* device = dynamic_cast<const TDevice*>(&object);
      for (int i = 0; device && i < device->PinCount(); ++i) {
        const TPin& pin = *device->Pin(i);
        // A macro's outline pins are wired in the level that holds the macro.
        if (!pin.ReferencesConsistent() || !owned(pin.Wire)) {
          where = QStringLiteral("pin %1 of %2").arg(i).arg(object.ClassName());
          return false;
        }
      }
      const auto* macro = dynamic_cast<const TMacro*>(&object);
      if (macro && !LinksHold(*macro, where)) {
        return false;
      }
    }
  }
  return true;
}

class RestlessUserTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    // Menus and dialogs that the events open run loops of their own; this answers them there.
    Answerer.setInterval(0);
    QObject::connect(&Answerer, &QTimer::timeout, [this] { AnswerWhatIsOpen(); });
    Answerer.start();
  }

  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(Random); }
  bool Chance(int percent) { return Pick(100) < percent; }

  /// Closes an open pop-up menu, sometimes choosing one of its commands, and answers a dialog.
  void AnswerWhatIsOpen() {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      QList<QAction*> commands;
      for (QAction* action : menu->actions()) {
        if (action->isEnabled() && action->isVisible() && !action->menu() &&
            !action->isSeparator()) {
          commands << action;
        }
      }
      menu->close();
      if (!commands.isEmpty() && Chance(50)) {
        // Later, so that a dialog it opens is answered by this timer, which is busy till then.
        QTimer::singleShot(0, commands[Pick(commands.size())], &QAction::trigger);
      }
    } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      Chance(AcceptPercent) ? dialog->accept() : dialog->reject();
    }
  }

  /// A point of the window inside the visible drawing: near one of the circuit's objects more
  /// often than not, since that is where people click.
  QPoint SomewhereToClick() {
    QWidget& viewport = *ScrollBox().viewport();
    const std::array<TGraphicList*, 6> lists = Drawing().Circuit().PaintOrder();
    const TGraphicList& list = *lists[Pick(lists.size())];
    if (list.Count() > 0 && Chance(70)) {
      const QPoint centre = CentreOf(*list.Child(Pick(list.Count())));
      const QPoint onDrawing =
          (QPointF(centre) * Drawing().Zoom()).toPoint() + QPoint(Pick(15) - 7, Pick(15) - 7);
      ScrollBox().ensureVisible(onDrawing.x(), onDrawing.y(), 40, 40);
      const QPoint inViewport = Drawing().mapTo(&viewport, onDrawing);
      if (viewport.rect().contains(inViewport)) {
        return viewport.mapTo(Form.get(), inViewport);
      }
    }
    return viewport.mapTo(Form.get(), QPoint(Pick(viewport.width()), Pick(viewport.height())));
  }

  Qt::KeyboardModifiers SomeModifiers() {
    const int which = Pick(10);
    return which == 0 ? Qt::ControlModifier : which == 1 ? Qt::ShiftModifier : Qt::NoModifier;
  }

  void Drag(Qt::MouseButton button) {
    QWindow* window = Form->windowHandle();
    QPoint at = SomewhereToClick();
    QTest::mousePress(window, button, SomeModifiers(), at);
    for (int step = Pick(6); step >= 0; --step) {
      at += QPoint(Pick(41) - 20, Pick(41) - 20);
      QTest::mouseMove(window, at);
    }
    QTest::mouseRelease(window, button, {}, at);
  }

  void PressKey() {
    // The plain keys first, then those pressed with Ctrl.
    static const std::vector<Qt::Key> keys = {
        Qt::Key_F9,    Qt::Key_F11, Qt::Key_F12,  Qt::Key_Delete, Qt::Key_Escape, Qt::Key_Left,
        Qt::Key_Right, Qt::Key_Up,  Qt::Key_Down, Qt::Key_C,      Qt::Key_X,      Qt::Key_V,
        Qt::Key_A,     Qt::Key_Z,   Qt::Key_Y,    Qt::Key_Plus,   Qt::Key_Minus,  Qt::Key_0};
    const int which = Pick(static_cast<int>(keys.size()));
    QTest::keyClick(Form->windowHandle(), keys[static_cast<std::size_t>(which)],
                    which >= 9 ? Qt::ControlModifier : Qt::NoModifier);
  }

  /// Any tool of the tool bars: every device, wiring, selecting, interacting and probing.
  void ChooseTool() {
    QStringList tools{"SpeedPointer", "SpeedInteraction", "SpeedProbe", "SpeedWireTool"};
    for (const TDeviceTool& tool : DeviceTools()) {
      tools << QLatin1String(tool.Name);
    }
    // A device tool asks for nothing but the memory's size, which the answerer gives.
    Action(tools[Pick(tools.size())].toLatin1().constData())->trigger();
  }

  void OneEvent() {
    QWindow* window = Form->windowHandle();
    switch (Pick(12)) {
      case 0:
      case 1:
      case 2:
        QTest::mouseClick(window, Qt::LeftButton, SomeModifiers(), SomewhereToClick());
        break;
      case 3:
        QTest::mouseDClick(window, Qt::LeftButton, {}, SomewhereToClick());
        break;
      case 4:
        QTest::mouseClick(window, Qt::RightButton, {}, SomewhereToClick());
        break;
      case 5:
      case 6:
        Drag(Chance(90) ? Qt::LeftButton : Qt::RightButton);
        break;
      case 7:
        WheelInWindow(SomewhereToClick(), Chance(50) ? 120 : -120,
                      Chance(50) ? Qt::ControlModifier : Qt::NoModifier);
        break;
      case 8:
      case 9:
        PressKey();
        break;
      case 10:
        ChooseTool();
        break;
      default:
        QCoreApplication::processEvents();  // the clock ticks while the circuit runs
        break;
    }
  }

  /// The circuit holds together, and what it saves reads back and saves to the same bytes.
  void ExpectSavedCircuitReadsBack(int afterEvents) {
    SCOPED_TRACE(QStringLiteral("after %1 events").arg(afterEvents).toStdString());
    // Saved as the window saves, which first ends any trace, then the circuit must hold.
    const QString saved = Path("after.lvm");
    ASSERT_TRUE(Document().SaveToFile(saved));
    QString where;
    EXPECT_TRUE(LinksHold(Drawing().RootCircuit(), where)) << where.toStdString();
    TCircuitReadResult read = ReadCircuitFile(saved);
    if (!read.Succeeded()) {
      const QString kept = QDir::temp().filePath(QStringLiteral("restless-unreadable.lvm"));
      QFile::remove(kept);
      QFile::copy(saved, kept);
      FAIL() << read.Message.toStdString() << " (the file is kept as " << kept.toStdString() << ")";
    }
    EXPECT_TRUE(LinksHold(*read.Circuit, where)) << where.toStdString();
    const QString again = Path("again.lvm");
    ASSERT_TRUE(SaveCircuitFile(again, *read.Circuit, read.MacroName));
    EXPECT_EQ(FileBytes(saved), FileBytes(again));
  }

  int AcceptPercent = 50;  ///< how often a dialog is answered with OK
  std::mt19937 Random{static_cast<unsigned>(FromEnvironment("LOGIVANE_RESTLESS_SEED", 2026))};
  QTimer Answerer;
};

TEST_F(RestlessUserTest, TheWindowSurvivesThousandsOfRandomEventsAndTheCircuitStillSaves) {
  const QString circuit = Path("counter.lvm");
  ASSERT_TRUE(QFile::copy(LOGIVANE_EXAMPLES_DIR "/4 Sequential/counter.lvm", circuit));
  Show({circuit}).resize(1200, 800);
  QCoreApplication::processEvents();
  ASSERT_GT(Circuit().Devices().Count(), 0);

  const int events = FromEnvironment("LOGIVANE_RESTLESS_EVENTS", 2500);
  const int CheckEvery = FromEnvironment("LOGIVANE_RESTLESS_CHECK_EVERY", 500);
  for (int i = 1; i <= events; ++i) {
    OneEvent();
    // A wire being traced holds on to its first pin before it joins the circuit.
    QString where;
    ASSERT_TRUE(Drawing().Tracing() || LinksHold(Drawing().RootCircuit(), where))
        << where.toStdString() << " after " << i << " events";
    if (i % CheckEvery == 0) {
      ASSERT_NO_FATAL_FAILURE(ExpectSavedCircuitReadsBack(i));
    }
  }
  Answerer.stop();
  QTest::keyClick(Form->windowHandle(), Qt::Key_Escape);
  QCoreApplication::processEvents();
  ASSERT_TRUE(Form->isVisible());
  ExpectSavedCircuitReadsBack(events);
}

TEST_F(RestlessUserTest, EveryCommandOfEveryDevicesMenuLeavesACircuitThatReadsBack) {
  Show().resize(1200, 800);
  AcceptPercent = 100;
  for (const TDeviceTool& tool : DeviceTools()) {
    for (int command = 0;; ++command) {
      // Each command on a device of its own, placed and selected as a user does.
      Action(tool.Name)->trigger();
      ClickInWindow({400, 300});
      TGraphicObject* device = Drawing().Handles().Item();
      ASSERT_NE(device, nullptr) << tool.Hint;
      Form->DevicePopup().Configure();
      QList<QAction*> commands;
      for (QAction* action : Drawing().Handles().ContextMenu()->actions()) {
        if (action->isVisible() && action->isEnabled() && !action->menu() &&
            !action->isSeparator()) {
          commands << action;
        }
      }
      if (command >= commands.size()) {
        break;
      }
      SCOPED_TRACE((QString(tool.Hint) + " > " + commands[command]->text()).toStdString());
      commands[command]->trigger();
      QCoreApplication::processEvents();
      ASSERT_NO_FATAL_FAILURE(ExpectSavedCircuitReadsBack(command));
      Drawing().Handles().Deselect();
    }
  }
}

TEST_F(RestlessUserTest, ADeviceCommandReachedWithAnotherObjectSelectedDoesNothing) {
  Show();
  Action("SpeedAndGate")->trigger();
  ClickInWindow({200, 200});
  ASSERT_NE(Drawing().Handles().Item(), nullptr);
  const QByteArray before = WrittenObject(Drawing().RootCircuit());
  // Commands of the menus of LEDs, inputs, displays and tags, with a gate selected.
  for (const char* name : {"PopHistory", "PopPulseInput", "PopCathode", "PopTextStyle1"}) {
    ASSERT_NE(Action(name), nullptr) << name;
    Action(name)->trigger();
  }
  EXPECT_EQ(WrittenObject(Drawing().RootCircuit()), before);
}

}  // namespace
}  // namespace logivane::test
