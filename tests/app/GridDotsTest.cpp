#include "app/MainWindowFixture.h"

#include <QImage>
#include <QSettings>

namespace logivane::test {
namespace {

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
