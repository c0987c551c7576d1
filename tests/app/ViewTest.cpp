// The main window's view: the zoom it starts with, the wheel delivered as the platform delivers
// it (to the window, which hands it to the widget under the mouse, so the scroll box and its
// viewport take part as they do for a user), and the grid dots at every zoom.
#include "app/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>

namespace logivane::test {
namespace {

class WindowInputTest : public MainWindowTest {
protected:
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

TEST(StartZoom, PartsAreAsLargeAsOnAScreenOf96DotsPerInch) {
  // Between two steps of the View menu, the nearer and halfway the smaller (110, 168); a screen
  // that reports fewer dots never makes the parts smaller, nor one of many too large.
  const std::pair<double, double> zooms[] = {
      {96, 1},    {120, 1.25}, {144, 1.5},
      {192, 2},   {288, 3},    {110, 1.25},
      {168, 1.5}, {72, 1},     {1200, TLogivaneDrawing::MaxZoom}};
  for (const auto& [dotsPerInch, zoom] : zooms) {
    EXPECT_EQ(TLogivaneDrawing::ZoomForScreen(dotsPerInch), zoom) << dotsPerInch;
  }
}

TEST_F(WindowInputTest, TheScreenSetsTheFirstZoomAndTheUsersChoiceIsKept) {
  Show();
  const double suited = TLogivaneDrawing::ZoomForScreen(Form->screen()->logicalDotsPerInch());
  EXPECT_EQ(Drawing().Zoom(), suited);
  EXPECT_FALSE(QSettings().contains("3.04/View/Zoom"));

  WheelAt(QPoint(40, 40), 120, Qt::ControlModifier);
  const double chosen = Drawing().Zoom();
  ASSERT_GT(chosen, suited);
  ASSERT_TRUE(Form->close());
  EXPECT_EQ(QSettings().value("3.04/View/Zoom").toInt(), qRound(chosen * 100));
  Show();
  EXPECT_EQ(Drawing().Zoom(), chosen);
  // The zoom kept is no scroll: the drawing opens at its top left corner.
  EXPECT_EQ(ScrollBox().horizontalScrollBar()->value(), 0);
  EXPECT_EQ(ScrollBox().verticalScrollBar()->value(), 0);
}

constexpr QRgb GridGreen = qRgb(0, 0x80, 0);

/// The main window on an empty drawing, its grid set up in the stored settings.
class GridDotsTest : public MainWindowTest {
protected:
  void ShowWithGrid(int spacing, int displayFrequency) {
    QSettings store;
    store.setValue("3.04/View/Show Grid", 1);
    store.setValue("3.04/View/Snap", 1);
    store.setValue("3.04/View/Snap Size", spacing);
    store.setValue("3.04/View/Display Size", displayFrequency);
    store.setValue("3.04/View/Angle", 10);
    Show();
  }
  /// Whether the window shows a grid dot at drawing point `at`.
  bool DotAt(QPoint at) const {
    const QPoint pixel = (QPointF(at) * Drawing().Zoom()).toPoint();
    return Form->grab().toImage().pixel(InWindow(pixel)) == GridGreen;
  }
  /// Turns the wheel with Ctrl held over the top-left corner of the drawing, `notches` times.
  void ZoomBy(int notches) {
    for (int i = 0; i < std::abs(notches); ++i) {
      WheelAt(QPoint(2, 2), notches > 0 ? 120 : -120, Qt::ControlModifier);
    }
  }
};

TEST_F(GridDotsTest, EveryDotTheGridAsksForShowsAtFullSizeAndLarger) {
  for (const int spacing : {5, 6, 7}) {
    ShowWithGrid(spacing, 1);
    ASSERT_EQ(Drawing().Zoom(), 1);
    for (const int n : {1, 2, 3, 5}) {
      EXPECT_TRUE(DotAt(QPoint(n * spacing, 3 * spacing))) << spacing << " x " << n;
    }
    EXPECT_FALSE(DotAt(QPoint(spacing + 1, spacing)));
    ZoomBy(3);
    ASSERT_EQ(Drawing().Zoom(), 2);
    EXPECT_TRUE(DotAt(QPoint(3 * spacing, 5 * spacing))) << spacing;
  }
}

TEST_F(GridDotsTest, ZoomedOutEveryOtherDotGoesUntilTheyAreAFewPixelsApart) {
  ShowWithGrid(5, 1);
  ZoomBy(-3);
  ASSERT_EQ(Drawing().Zoom(), 0.5);
  // Five units are two and a half pixels: dots every twenty units keep them ten apart.
  EXPECT_TRUE(DotAt(QPoint(40, 60)));
  EXPECT_FALSE(DotAt(QPoint(30, 60)));
  EXPECT_FALSE(DotAt(QPoint(50, 60)));
  // A grid already wide enough is shown whole.
  ShowWithGrid(20, 2);
  ZoomBy(-3);
  EXPECT_TRUE(DotAt(QPoint(40, 80)));
}

}  // namespace
}  // namespace logivane::test
