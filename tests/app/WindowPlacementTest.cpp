#include "MainWindowFixture.h"
#include "TestHelpers.h"
#include "app/MemoryCommands.h"
#include "simulation/cMemory.h"
#include "windows/EditMemoryDlg.h"
#include "windows/HelpWindow.h"
#include "windows/LogicAnalyserForm.h"
#include "windows/PartsUnit.h"

#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

namespace logivane {
namespace {

using namespace test;

const QString BuiltHelpFile = QStringLiteral(LOGIVANE_HELP_FILE);

class WindowPlacementTest : public MainWindowTest {
protected:
  /// Where the main window's title bar, menu bar and tool bars are on the screen.
  std::vector<QRect> Bars() const {
    const QRect frame = Form->frameGeometry();
    std::vector<QRect> bars{
        QRect(frame.topLeft(), QPoint(frame.right(), Form->geometry().top() - 1))};
    std::vector<QWidget*> widgets{Form->menuBar()};
    for (QToolBar* bar : Form->findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly)) {
      widgets.push_back(bar);
    }
    for (const QWidget* widget : widgets) {
      if (widget->isVisible()) {
        bars.push_back(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
      }
    }
    return bars;
  }
  /// The window lies wholly on the main window's screen and leaves its bars uncovered.
  void ExpectClearOfBars(const QWidget& window) const {
    const QRect frame = window.frameGeometry();
    const QRect screen = Form->screen()->availableGeometry();
    EXPECT_TRUE(window.isVisible()) << window.objectName().toStdString();
    EXPECT_TRUE(screen.contains(frame)) << window.objectName().toStdString();
    for (const QRect& bar : Bars()) {
      EXPECT_FALSE(frame.intersects(bar)) << window.objectName().toStdString();
    }
  }
  static void Store(const char* window, QRect bounds) {
    QSettings store;
    store.beginGroup(QStringLiteral("3.04/") + window);
    store.setValue("Visible", 1);
    store.setValue("Top", bounds.top());
    store.setValue("Left", bounds.left());
    store.setValue("Width", bounds.width());
    store.setValue("Height", bounds.height());
    store.setValue("Status Visible", 0);
  }
};

TEST_F(WindowPlacementTest, OnFirstUseEachWindowLiesOnTheScreenClearOfTheMenusAndToolBars) {
  Show();
  ASSERT_TRUE(Bars().size() >= 4);  // the title bar, the menus and three rows of tools
  Action("MenuLogicHistory")->trigger();
  Action("SpeedPartsCentre")->trigger();
  auto* memory = Place<TMemoryDevice>(Circuit(), 200, 200);
  Select(*memory);
  Action("PopMemoryContents")->trigger();
  SetHelpRequestHandler({});
  ASSERT_TRUE(THelpWindow::Shared().ShowTopic(BuiltHelpFile, "MemoryOverview.htm"));

  ExpectClearOfBars(Form->LogicHistory());
  ExpectClearOfBars(Form->PartsCentre());
  ExpectClearOfBars(Form->Memory().Contents());
  ExpectClearOfBars(THelpWindow::Shared());
  THelpWindow::Shared().close();

  // The places chosen are kept for the next run.
  const QRect history = Form->LogicHistory().geometry();
  Answer = QMessageBox::No;  // the memory placed here is not to be saved
  Form->close();
  Show();
  EXPECT_EQ(Form->LogicHistory().geometry(), history);
}

TEST_F(WindowPlacementTest, AStoredPlaceOffEveryScreenIsBroughtBackAndOneOnScreenIsKept) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  Store("Logic History", QRect(screen.right() + 2000, screen.bottom() + 500, 500, 186));
  const QRect kept(screen.left() + 20, screen.bottom() - 380, 200, 360);
  Store("Parts Centre", kept);
  Show();
  ExpectClearOfBars(Form->LogicHistory());
  EXPECT_EQ(Form->LogicHistory().size(), QSize(500, 186));
  EXPECT_EQ(Form->PartsCentre().geometry(), kept);
}

}  // namespace
}  // namespace logivane
