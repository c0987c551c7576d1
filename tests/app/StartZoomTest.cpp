#include "app/MainWindowFixture.h"

#include <QScreen>
#include <QSettings>

namespace logivane::test {
namespace {

TEST(StartZoom, PartsAreAsLargeAsOnAScreenOf96DotsPerInch) {
  EXPECT_EQ(TLogivaneDrawing::ZoomForScreen(96), 1);
  EXPECT_EQ(TLogivaneDrawing::ZoomForScreen(120), 1.25);
  EXPECT_EQ(TLogivaneDrawing::ZoomForScreen(144), 1.5);
  EXPECT_EQ(TLogivaneDrawing::ZoomForScreen(192), 2);
  EXPECT_EQ(TLogivaneDrawing::ZoomForScreen(288), 3);
  // Between two steps of the View menu, the nearer; halfway, the smaller.
  EXPECT_EQ(TLogivaneDrawing::ZoomForScreen(110), 1.25);
  EXPECT_EQ(TLogivaneDrawing::ZoomForScreen(168), 1.5);
  // A screen that reports fewer dots never makes the parts smaller, nor one of many too large.
  EXPECT_EQ(TLogivaneDrawing::ZoomForScreen(72), 1);
  EXPECT_EQ(TLogivaneDrawing::ZoomForScreen(1200), TLogivaneDrawing::MaxZoom);
}

class StartZoomWindowTest : public MainWindowTest {};

TEST_F(StartZoomWindowTest, TheScreenSetsTheFirstZoomAndTheUsersChoiceIsKept) {
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
}

}  // namespace
}  // namespace logivane::test
