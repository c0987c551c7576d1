#pragma once

#include "app/DeviceMenu.h"
#include "app/MainUnit.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "editor/RecordedMessages.h"
#include "simulation/cMacro.h"
#include "windows/PartsList.h"

#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <QWindow>

#include <functional>
#include <memory>
#include <stdexcept>

namespace logivane::test {

/// The main window on a settings store of its own, with every message box answered by the
/// test and the file dialogs replaced.
class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Folder.path());
    // Recovery copies, those the window writes and those it offers at start, stay in the test.
    qputenv("XDG_DATA_HOME", QFile::encodeName(Folder.filePath("data")));
    QCoreApplication::setOrganizationName("Ostrel");
    QCoreApplication::setApplicationName("Logivane");
  }
  void TearDown() override { QSettings().clear(); }

  /// Creates and shows the window, as the program does at start.
  TMainForm& Show(const QStringList& arguments = {}) {
    Form = std::make_unique<TMainForm>();
    Form->ChooseSaveFile = [this](QWidget*, const QString&) {
      return SaveName;
    };
    Form->ChooseOpenFile = [this](QWidget*, const QString&) {
      return OpenName;
    };
    Form->SetCommandLine(arguments);
    Form->show();
    QCoreApplication::processEvents();  // the command-line file opens once the window is up
    return *Form;
  }
  /// `Show`, and the window made active as a click in it makes it.
  TMainForm& ShowActive(const QStringList& arguments = {}) {
    Show(arguments);
    Form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    return *Form;
  }
  /// A key as the user gives it, to the window made active again (a file's progress box may
  /// have taken that from it).
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    QTest::keyClick(Form->windowHandle(), key, modifiers);
  }
  /// The button of command `name` on the tool bars.
  QWidget& ToolButton(const char* name) const {
    for (QToolBar* bar : Form->findChildren<QToolBar*>()) {
      if (QWidget* button = bar->widgetForAction(Action(name))) {
        return *button;
      }
    }
    throw std::runtime_error(name);
  }
  /// Clicks a tool button where it lies in the window.
  void ClickTool(const char* name) {
    QWidget& button = ToolButton(name);
    QTest::mouseClick(Form->windowHandle(), Qt::LeftButton, {},
                      button.mapTo(Form.get(), button.rect().center()));
  }
  QScrollArea& ScrollBox() const { return *Form->findChild<QScrollArea*>(); }
  /// The point of the main window that shows drawing point `at`.
  QPoint InWindow(QPoint at) const { return Drawing().mapTo(Form.get(), at); }
  /// Turns the wheel over drawing point `at`.
  void WheelAt(QPoint at, int delta, Qt::KeyboardModifiers modifiers = {}) {
    WheelInWindow(InWindow(at), delta, modifiers);
  }
  /// Turns the wheel over a point of the window the way the platform does: the event goes to
  /// the window, which hands it to the widget under the mouse and, while no one takes it, on
  /// to that widget's parents.
  void WheelInWindow(QPoint at, int delta, Qt::KeyboardModifiers modifiers = {}) {
    QWheelEvent wheel(at, Form->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    // Only what comes from the platform propagates, and sendEvent would take that mark away.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QCoreApplication::instance()->notify(Form->windowHandle(), &wheel);
  }
  /// A click on drawing point `at`, delivered to the window as the platform delivers it.
  void ClickInWindow(QPoint at, Qt::KeyboardModifiers modifiers = {},
                     Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Form->windowHandle(), button, modifiers, InWindow(at));
  }
  QAction* Action(const char* name) const { return Form->findChild<QAction*>(name); }
  TCircuitDocument& Document() const { return Form->Document(); }
  TLogivaneDrawing& Drawing() const { return Form->Drawing(); }
  TMacro& Circuit() const { return Form->Drawing().Circuit(); }
  void Click(QPoint at, Qt::KeyboardModifiers modifiers = {},
             Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&Drawing(), button, modifiers, at);
  }
  void Select(TGraphicObject& object) {
    Drawing().Select(&object);
    Form->DevicePopup().Configure();
  }
  int PlacedCount() const {
    const TMacro& c = Circuit();
    return c.Objects().Count() + c.Devices().Count() + c.Inputs().Count() + c.Outputs().Count() +
           c.Tags().Count();
  }
  bool Shown(const char* name) const { return Action(name)->isVisible(); }
  QString Path(const QString& name) const { return Folder.filePath(name); }
  /// Drags `data` onto drawing point `at` and drops it there; whether the drawing took the drag.
  bool Drop(const QMimeData& data, QPoint at) {
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&Drawing(), &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&Drawing(), &drop);
    return enter.isAccepted();
  }
  /// Drops library file `file` as a drag from the Parts Centre's list brings it.
  bool DropPart(const QString& file, QPoint at) {
    QMimeData part;
    part.setData(TPartsList::MimeType, file.toUtf8());
    return Drop(part, at);
  }
  /// Accepts the next modal dialog after `fill` has set it up.
  static void AcceptNextDialog(std::function<void(QDialog&)> fill = {}) {
    QTimer::singleShot(0, [fill] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      if (fill) {
        fill(*dialog);
      }
      dialog->accept();
    });
  }

  QTemporaryDir Folder;
  TRecordedMessages Messages;  // outlives the window, which may still ask as it goes
  QMessageBox::StandardButton& Answer = Messages.Answer;
  std::unique_ptr<TMainForm> Form;
  QString SaveName;
  QString OpenName;
};

}  // namespace logivane::test
