// The main window driven as the platform drives it: events go to the window, which hands them
// to the widget under the mouse, so the scroll box and its viewport take part as they do for a
// user.
#include "app/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <QScrollArea>
#include <QScrollBar>

namespace logivane::test {
namespace {

class WindowInputTest : public MainWindowTest {
protected:
  QScrollArea& ScrollBox() const { return *Form->findChild<QScrollArea*>(); }
  /// The drawing unit shown at a point of the window.
  QPointF UnitAt(QPoint inWindow) const {
    return QPointF(Drawing().mapFrom(Form.get(), inWindow)) / Drawing().Zoom();
  }
};

TEST_F(WindowInputTest, CtrlWheelZoomsAboutThePointUnderTheMouseAndPlainWheelScrolls) {
  Show().resize(900, 700);
  QCoreApplication::processEvents();
  QScrollBar& vertical = *ScrollBox().verticalScrollBar();
  ScrollBox().horizontalScrollBar()->setValue(1000);
  vertical.setValue(1000);
  const QPoint mouse = ScrollBox().viewport()->mapTo(Form.get(), QPoint(150, 100));
  const QPointF unit = UnitAt(mouse);

  const double before = Drawing().Zoom();
  const QPoint atDrawing = Drawing().mapFrom(Form.get(), mouse);
  WheelAt(atDrawing, 120, Qt::ControlModifier);
  EXPECT_GT(Drawing().Zoom(), before);
  EXPECT_NEAR(UnitAt(mouse).x(), unit.x(), 1);
  EXPECT_NEAR(UnitAt(mouse).y(), unit.y(), 1);

  WheelAt(Drawing().mapFrom(Form.get(), mouse), -120, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(Drawing().Zoom(), before);
  EXPECT_NEAR(UnitAt(mouse).x(), unit.x(), 1);

  const int scrolled = vertical.value();
  WheelAt(Drawing().mapFrom(Form.get(), mouse), -120);
  EXPECT_DOUBLE_EQ(Drawing().Zoom(), before);
  EXPECT_GT(vertical.value(), scrolled);
}

}  // namespace
}  // namespace logivane::test
