// Macros taken from the Parts Centre into the main window's circuit, by dragging, by the entry's
// menu and by Enter, with events sent through the windows as the platform sends them; and the
// library that comes with the program, which the Parts Centre never deletes from.
#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "editor/CLogivaneHandle.h"
#include "simulation/cCircuitFile.h"
#include "windows/PartsList.h"
#include "windows/PartsUnit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDrag>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>

namespace logivane::test {
namespace {

class PartsCentrePlacingTest : public MainWindowTest {
protected:
  /// The main window with the Parts Centre beside it, listing a library of one macro.
  TPartsForm& ShowLibrary() {
    Show().setGeometry(0, 0, 900, 700);
    const QString library = Path("library");
    QDir().mkpath(library);
    TMacro adder;
    adder.Datasheet = "adder.htm";
    WriteFile(QDir(library).filePath("adder.lvm"), CircuitBytes(adder, "Adder"));
    TPartsForm& parts = Form->PartsCentre();
    parts.SetRoot(library);
    parts.setGeometry(950, 0, 250, 400);
    parts.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&parts));
    return parts;
  }
  QPoint EntryCentre(int row) const {
    const TPartsList& list = Form->PartsCentre().List();
    return list.visualItemRect(list.item(row)).center();
  }
  /// The macros of the circuit, in the order they were placed.
  std::vector<TMacro*> Macros() const {
    std::vector<TMacro*> macros;
    for (int i = 0; i < Circuit().Devices().Count(); ++i) {
      if (auto* macro = dynamic_cast<TMacro*>(Circuit().Devices().Child(i))) {
        macros.push_back(macro);
      }
    }
    return macros;
  }
  bool IsSelected(TMacro* macro) const {
    const auto& items = Drawing().Handles().Items();
    return items.size() == 1 && items.front() == macro;
  }
};

TEST_F(PartsCentrePlacingTest, APressMovedInSmallStepsDragsTheMacroOntoTheDrawing) {
  TPartsForm& parts = ShowLibrary();
  QWidget* viewport = parts.List().viewport();
  const QPoint press = EntryCentre(0);
  QTest::mousePress(viewport, Qt::LeftButton, {}, press);
  for (int step = 1; step <= 8; ++step) {
    QTest::mouseMove(viewport, press - QPoint(2 * step, step));
  }
  // The test platform ends a drag at once, leaving the drag object behind until the event loop
  // next runs.
  const auto* drag = parts.List().findChild<QDrag*>();
  ASSERT_NE(drag, nullptr) << "the drag never started";
  QMimeData dragged;
  dragged.setData(TPartsList::MimeType, drag->mimeData()->data(TPartsList::MimeType));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, press - QPoint(16, 8));
  EXPECT_EQ(TPartsList::DraggedFile(&dragged), QDir(Path("library")).filePath("adder.lvm"));

  // What a platform's drag brings to the main window, which hands it to the widget under it.
  const QPoint drop(300, 200);
  QDragEnterEvent enter(InWindow(drop - QPoint(6, 6)), Qt::CopyAction, &dragged, Qt::LeftButton,
                        {});
  QCoreApplication::sendEvent(Form->windowHandle(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDragMoveEvent move(InWindow(drop), Qt::CopyAction, &dragged, Qt::LeftButton, {});
  QCoreApplication::sendEvent(Form->windowHandle(), &move);
  QDropEvent release(InWindow(drop), Qt::CopyAction, &dragged, Qt::LeftButton, {});
  QCoreApplication::sendEvent(Form->windowHandle(), &release);
  ASSERT_EQ(Macros().size(), 1U);
  EXPECT_TRUE(IsSelected(Macros().front()));
  EXPECT_NEAR(CentreOf(*Macros().front()).x(), drop.x(), 20);
  EXPECT_NEAR(CentreOf(*Macros().front()).y(), drop.y(), 20);
}

TEST_F(PartsCentrePlacingTest, PlaceInCircuitAndEnterPutTheMacroInTheMiddleOfTheView) {
  TPartsForm& parts = ShowLibrary();
  ScrollBox().horizontalScrollBar()->setValue(700);
  ScrollBox().verticalScrollBar()->setValue(500);
  QCoreApplication::processEvents();
  const QPointF middle = QRectF(Drawing().VisibleArea()).center();
  ASSERT_GT(middle.x(), 700);

  QTest::mouseClick(parts.List().viewport(), Qt::RightButton, {}, EntryCentre(0));
  QMenu& menu = parts.EntryMenu();
  ASSERT_TRUE(menu.isVisible());
  QAction* place = Action("PopPlaceInCircuit");
  ASSERT_NE(place, nullptr);
  ASSERT_EQ(place->text(), "Place in Circuit");
  QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {}, menu.actionGeometry(place).center());
  ASSERT_EQ(Macros().size(), 1U);
  EXPECT_TRUE(IsSelected(Macros().back()));
  EXPECT_NEAR(CentreOf(*Macros().back()).x(), middle.x(), 20);
  EXPECT_NEAR(CentreOf(*Macros().back()).y(), middle.y(), 20);

  QApplication::setActiveWindow(&parts);
  parts.List().setFocus();
  parts.List().setCurrentRow(0);
  QTest::keyClick(parts.windowHandle(), Qt::Key_Return);
  ASSERT_EQ(Macros().size(), 2U);
  EXPECT_TRUE(IsSelected(Macros().back()));
  EXPECT_NEAR(CentreOf(*Macros().back()).x(), middle.x(), 20);
  EXPECT_TRUE(Messages.isEmpty());
}

// How a kept macro is offered for deleting, by key and menu, is shown by PartsCentreTest.
TEST_F(PartsCentrePlacingTest, TheLibraryThatComesWithTheProgramIsNeverDeleted) {
  Show();
  TPartsForm& parts = Form->PartsCentre();
  ASSERT_EQ(QDir(parts.RootFolder()).canonicalPath(),
            QDir(LOGIVANE_EXAMPLES_DIR "/../Parts Centre").canonicalPath());
  ASSERT_TRUE(parts.ChangeFolder("7400 Series"));
  ASSERT_GT(parts.List().count(), 0);
  parts.List().setCurrentRow(0);
  ASSERT_TRUE(parts.findChild<QAction*>("SpeedEditMacro")->isEnabled());  // a macro, selected
  EXPECT_FALSE(parts.findChild<QAction*>("PopDelete")->isEnabled());
}

}  // namespace
}  // namespace logivane::test
