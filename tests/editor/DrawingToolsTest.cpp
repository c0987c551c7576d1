#include "TestHelpers.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/EditHistory.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cMacro.h"

#include <gtest/gtest.h>

#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

namespace logivane {
namespace {

using test::CentreOf;

/// What each tool keeps under way must end with the tool, and no press of one tool may be
/// finished by another.
class DrawingToolsTest : public ::testing::Test {
protected:
  void SetUp() override {
    FDrawing = new TLogivaneDrawing;
    FScroller.setWidget(FDrawing);
    FScroller.resize(900, 700);
    FScroller.show();
    Gate = Place<TNotGate>(100, 100);
  }

  TLogivaneDrawing& Drawing() { return *FDrawing; }
  TMacro& Circuit() { return FDrawing->Circuit(); }
  template <class T>
  T* Place(int x, int y) {
    return static_cast<T*>(FDrawing->AddObject(std::make_unique<T>(), x, y));
  }
  void Press(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(FDrawing, button, Qt::NoModifier, p);
  }
  void Release(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(FDrawing, button, Qt::NoModifier, p);
  }
  void Click(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(FDrawing, button, Qt::NoModifier, p);
  }
  /// Starts a wire at the gate's output with one bend.
  void StartTrace() {
    Drawing().SetWireMode(true);
    Click(CentreOf(*Gate->Pin(0)));
    Click({300, 100});
    ASSERT_TRUE(Drawing().Tracing());
  }

  TNotGate* Gate = nullptr;

private:
  QScrollArea FScroller;
  TLogivaneDrawing* FDrawing = nullptr;
};

TEST_F(DrawingToolsTest, AnyOtherToolAbandonsATraceAndFreesItsStart) {
  for (auto choose : {&TLogivaneDrawing::SetSelectMode, &TLogivaneDrawing::SetInteractMode,
                      &TLogivaneDrawing::SetProbeMode, &TLogivaneDrawing::SetPolylineMode}) {
    StartTrace();
    (Drawing().*choose)(true);
    EXPECT_FALSE(Drawing().Tracing());
    EXPECT_EQ(Drawing().WireInProgress(), nullptr);
    EXPECT_FALSE(Gate->Pin(0)->IsConnected());
    EXPECT_EQ(Circuit().Wires().Count(), 0);
  }
  Drawing().FinishWireAtPin(*Gate->Pin(1));  // no trace: nothing to end
  EXPECT_FALSE(Gate->Pin(1)->IsConnected());
}

TEST_F(DrawingToolsTest, ChoosingTheToolAgainAbandonsItsTraceAndKeepsTheTool) {
  StartTrace();
  Drawing().SetWireMode(true);  // as Escape does in the main window
  EXPECT_TRUE(Drawing().WireMode());
  EXPECT_FALSE(Drawing().Tracing());
  EXPECT_FALSE(Gate->Pin(0)->IsConnected());

  Drawing().SetPolygonMode(true);
  Click({400, 400});
  Click({500, 400});
  Drawing().SetPolygonMode(true);
  EXPECT_TRUE(Drawing().PolygonMode());
  EXPECT_EQ(Drawing().PolygonInProgress(), nullptr);
}

TEST_F(DrawingToolsTest, RightPressesNeitherBendNorEndATrace) {
  StartTrace();
  Click({300, 300}, Qt::RightButton);
  Click(CentreOf(*Gate->Pin(1)), Qt::RightButton);
  ASSERT_TRUE(Drawing().Tracing());
  EXPECT_EQ(Drawing().WireInProgress()->PointCount(), 2);

  Drawing().SetPolylineMode(true);
  Click({400, 400});
  Click({500, 500}, Qt::RightButton);
  ASSERT_NE(Drawing().PolylineInProgress(), nullptr);
  EXPECT_EQ(Drawing().PolylineInProgress()->PointCount(), 1);
}

TEST_F(DrawingToolsTest, ABandLeftByItsToolSelectsNothingOnTheRelease) {
  Drawing().SetSelectMode(true);
  QSignalSpy selected(&Drawing(), &TLogivaneDrawing::OnObjectSelected);
  Click({600, 600}, Qt::RightButton);  // a right press on empty ground draws no band
  EXPECT_EQ(selected.count(), 0);

  Press({20, 20});
  Drawing().SetWireMode(true);
  Release({600, 600});
  EXPECT_EQ(selected.count(), 0);
  EXPECT_FALSE(Drawing().HasSelection());
}

TEST_F(DrawingToolsTest, AHeldSwitchIsLetGoWhenItsToolIsLeft) {
  Drawing().Document().EnableEditHistory();
  auto* button = Place<TInteractiveSwitch>(300, 300);
  button->SetSwitchType(TInteractiveSwitch::PushToMake);
  const int steps = Drawing().Document().EditHistory()->Count();
  Drawing().SetInteractMode(true);
  Press(CentreOf(*button));
  Drawing().SetInteractMode(true);  // the main window does so on every change of tools
  EXPECT_TRUE(button->On);

  Drawing().SetSelectMode(true);
  EXPECT_FALSE(button->On);
  EXPECT_EQ(Drawing().Document().EditHistory()->Count(), steps + 1);  // the press ended as one step
  Release(CentreOf(*button));
  EXPECT_FALSE(button->On);
}

TEST_F(DrawingToolsTest, AToolReplacedByItsOwnSignalFinishesSafely) {
  QObject::connect(&Drawing(), &TLogivaneDrawing::OnEndDrawing,
                   [this] { Drawing().SetSelectMode(true); });
  const int shapes = Circuit().Count();
  Drawing().SetPolylineMode(true);
  Click({400, 400});
  Click({500, 400});
  QTest::mouseDClick(&Drawing(), Qt::LeftButton, Qt::NoModifier, QPoint(500, 400));
  EXPECT_EQ(Circuit().Count(), shapes + 1);
  EXPECT_TRUE(Drawing().SelectMode());
  EXPECT_FALSE(Drawing().Tracing());
}

}  // namespace
}  // namespace logivane
