#include "TestHelpers.h"
#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/DrawingClipboard.h"
#include "editor/EditHistory.h"
#include "editor/LogivaneDrawing.h"
#include "editor/RecordedMessages.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cConnect.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cMacro.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace logivane {
namespace {

using test::CentreOf;

/// A drawing in a shown scroll box, driven with real mouse events in drawing units.
class DrawingTest : public ::testing::Test {
protected:
  void SetUp() override {
    FDrawing = new TLogivaneDrawing;
    FScroller.setWidget(FDrawing);
    FScroller.resize(900, 700);
    FScroller.show();
    FDrawing->SetSelectMode(true);
  }

  TLogivaneDrawing& Drawing() { return *FDrawing; }
  TMacro& Circuit() { return FDrawing->Circuit(); }
  TLogivaneHandles& Handles() { return FDrawing->Handles(); }

  template <class T>
  T* Place(int x, int y) {
    return static_cast<T*>(FDrawing->AddObject(std::make_unique<T>(), x, y));
  }
  void Click(QPoint p, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(FDrawing, button, modifiers, p);
  }
  /// Presses at `from`, moves to `to` with the button held and releases there.
  static void Drag(QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
  }
  /// A point of the handles, given in drawing units.
  QPoint OnHandles(QPoint drawingPoint) { return drawingPoint - Handles().pos(); }
  TWire* WireAt(int index) { return static_cast<TWire*>(Circuit().Wires().Child(index)); }

  /// The pixel of the drawing that shows drawing point `units` at the present zoom.
  QPoint OnScreen(QPoint units) { return (QPointF(units) * FDrawing->Zoom()).toPoint(); }

  /// Two inverters with a wire from the first one's output through two bends to the second
  /// one's input, traced by clicks at the present zoom.
  TWire* TraceInverterPair() {
    First = Place<TNotGate>(100, 100);
    Second = Place<TNotGate>(300, 200);
    Drawing().SetWireMode(true);
    for (const QPoint at : {CentreOf(*First->Pin(0)), QPoint(200, 103), QPoint(200, 198),
                            CentreOf(*Second->Pin(1))}) {
      Click(OnScreen(at));
    }
    return Circuit().Wires().Count() == 1 ? WireAt(0) : nullptr;
  }

  TNotGate* First = nullptr;
  TNotGate* Second = nullptr;

private:
  test::TRecordedMessages FMessages;
  QScrollArea FScroller;
  TLogivaneDrawing* FDrawing = nullptr;
};

TEST_F(DrawingTest, TracesAWireFromAnOutputThroughBendsToAnInput) {
  TWire* wire = TraceInverterPair();
  ASSERT_NE(wire, nullptr);
  EXPECT_FALSE(Drawing().Tracing());
  EXPECT_EQ(wire->End1, First->Pin(0));
  EXPECT_EQ(wire->End2, Second->Pin(1));
  ASSERT_EQ(wire->PointCount(), 4);
  EXPECT_EQ(wire->GetPoint(1), QPoint(200, 100));  // bends snap to the grid
  EXPECT_EQ(wire->GetPoint(2), QPoint(200, 200));
  EXPECT_EQ(wire->LastPoint(), CentreOf(*Second->Pin(1)));  // the end follows the pin
  EXPECT_TRUE(Drawing().Document().Modified());

  Drawing().Step();  // the first inverter's input is low, so the wire carries a high
  EXPECT_EQ(Second->Pin(1)->Value, 1);
  EXPECT_EQ(Second->Pin(0)->Value, 0);
}

TEST_F(DrawingTest, EndingOnAWireMakesAJointOfThreeAndDeletingOneMergesTheOthers) {
  TraceInverterPair();
  auto* third = Place<TNotGate>(300, 300);
  Click(CentreOf(*third->Pin(1)));
  Click({200, 150});  // on the first wire's vertical run
  ASSERT_EQ(Circuit().Solders().Count(), 1);
  auto* joint = static_cast<TSolder*>(Circuit().Solders().Child(0));
  EXPECT_EQ(joint->WireCount(), 3);
  EXPECT_EQ(Circuit().Wires().Count(), 3);
  EXPECT_EQ(CentreOf(*joint), QPoint(200, 150));

  Drawing().SetSelectMode(true);
  Drawing().Select(third->Pin(1)->Wire);
  Drawing().DeleteSelection();
  EXPECT_EQ(Circuit().Solders().Count(), 0);
  ASSERT_EQ(Circuit().Wires().Count(), 1);
  EXPECT_TRUE(WireAt(0)->HasEnd(First->Pin(0)));
  EXPECT_TRUE(WireAt(0)->HasEnd(Second->Pin(1)));
  EXPECT_FALSE(third->Pin(1)->IsConnected());
}

TEST_F(DrawingTest, AWireStartedOnAWireAndAbandonedLeavesTheWireWhole) {
  TraceInverterPair();
  Click({200, 150});
  EXPECT_TRUE(Drawing().Tracing());
  EXPECT_EQ(Circuit().Solders().Count(), 1);
  Drawing().SetWireMode(false);
  EXPECT_FALSE(Drawing().Tracing());
  EXPECT_EQ(Circuit().Solders().Count(), 0);
  ASSERT_EQ(Circuit().Wires().Count(), 1);
  EXPECT_TRUE(WireAt(0)->HasEnd(First->Pin(0)));
  EXPECT_TRUE(WireAt(0)->HasEnd(Second->Pin(1)));
}

TEST_F(DrawingTest, TwoOutputsOnOneNetAreRefusedAndTheTraceIsKept) {
  TraceInverterPair();
  auto* third = Place<TNotGate>(100, 300);
  auto* fourth = Place<TNotGate>(300, 300);
  Click(CentreOf(*third->Pin(0)));
  Click({200, 150});  // a wire whose net the first inverter drives
  EXPECT_TRUE(Drawing().Tracing());
  EXPECT_TRUE(Drawing().NoticeBox().Visible);
  EXPECT_EQ(Drawing().NoticeBox().Lines, QStringList{"Unable to connect two outputs"});
  EXPECT_EQ(Circuit().Solders().Count(), 0);

  Click(CentreOf(*fourth->Pin(0)));  // another free output
  EXPECT_TRUE(Drawing().Tracing());
  EXPECT_FALSE(fourth->Pin(0)->IsConnected());

  Click(CentreOf(*fourth->Pin(1)));  // an input is fine
  EXPECT_FALSE(Drawing().Tracing());
  EXPECT_FALSE(Drawing().NoticeBox().Visible);
  EXPECT_EQ(Circuit().Wires().Count(), 2);
}

TEST_F(DrawingTest, ARubberBandSelectsWhatLiesWhollyInside) {
  TraceInverterPair();
  auto* far = Place<TNotGate>(600, 600);
  Drawing().SetSelectMode(true);
  QSignalSpy selected(&Drawing(), &TLogivaneDrawing::OnObjectSelected);
  Drag(&Drawing(), {40, 40}, {400, 260});
  EXPECT_EQ(selected.count(), 1);
  ASSERT_TRUE(Drawing().IsMultiSelection());
  const auto& items = Handles().Items();
  EXPECT_EQ(items.size(), 3u);
  EXPECT_EQ(std::count(items.begin(), items.end(), far), 0);
  EXPECT_TRUE(Drawing().CanCopy());

  Drag(&Drawing(), {1000, 1000}, {1100, 1100});  // encloses nothing
  EXPECT_EQ(selected.count(), 2);
  EXPECT_FALSE(Drawing().HasSelection());
}

/// Whether anything but the white background and the grid is painted inside `r`.
bool PaintedInside(TLogivaneDrawing& drawing, const TRect& r) {
  QImage image(r.Right - r.Left, r.Bottom - r.Top, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.translate(-r.Left, -r.Top);
  drawing.Grid().ShowGrid = false;
  drawing.Render(painter, QRect(r.Left, r.Top, image.width(), image.height()));
  painter.end();
  return !test::InkBounds(image).isEmpty();
}

TEST_F(DrawingTest, RepaintsShowObjectsWhereTheyAreAfterEveryChange) {
  auto* gate = Place<TNotGate>(300, 200);
  Click(CentreOf(*gate));
  const TRect before = gate->GetBounds();
  ASSERT_TRUE(PaintedInside(Drawing(), before));
  // Repaints between the steps of a drag, before the release settles the move.
  const QPoint grab = OnHandles(CentreOf(*gate));
  QTest::mousePress(&Handles(), Qt::LeftButton, Qt::NoModifier, grab);
  for (const QPoint step : {QPoint(100, 50), QPoint(200, 150)}) {
    QMouseEvent move(QEvent::MouseMove, grab + step, Handles().mapToGlobal(grab + step),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Handles(), &move);
    EXPECT_TRUE(PaintedInside(Drawing(), gate->GetBounds()));
  }
  QTest::mouseRelease(&Handles(), Qt::LeftButton, Qt::NoModifier, grab + QPoint(200, 150));
  const TRect after = gate->GetBounds();
  EXPECT_FALSE(PaintedInside(Drawing(), before));
  Drawing().DeleteSelection();
  EXPECT_FALSE(PaintedInside(Drawing(), after));
}

TEST_F(DrawingTest, CopyPastesTwiceAtGrowingOffsetsAndCutRemovesWithWires) {
  TraceInverterPair();
  Drawing().SetSelectMode(true);
  Drag(&Drawing(), {40, 40}, {400, 260});
  ASSERT_TRUE(Drawing().Clipboard().CopySelection());
  EXPECT_TRUE(Drawing().Clipboard().CanPaste());
  Drawing().Clipboard().PasteClipboard();
  Drawing().Clipboard().PasteClipboard();
  ASSERT_EQ(Circuit().Devices().Count(), 6);
  ASSERT_EQ(Circuit().Wires().Count(), 3);
  for (int copy = 1; copy <= 2; ++copy) {
    auto* gate = static_cast<TNotGate*>(Circuit().Devices().Child(2 * copy));
    EXPECT_EQ(CentreOf(*gate), CentreOf(*First) + QPoint(20, 20) * copy);
    TWire* wire = WireAt(copy);
    EXPECT_EQ(wire->End1, gate->Pin(0));
    EXPECT_EQ(static_cast<TPin*>(wire->End2)->Wire, wire);
  }
  EXPECT_EQ(Handles().Items().size(), 3u);  // the last paste is selected

  Drawing().Select(First);
  Drawing().Clipboard().CutSelection();  // as Delete removes a device: with its wires
  EXPECT_EQ(Circuit().Devices().Count(), 5);
  EXPECT_EQ(Circuit().Wires().Count(), 2);
  EXPECT_FALSE(Second->Pin(1)->IsConnected());
  EXPECT_FALSE(Drawing().HasSelection());
  EXPECT_EQ(Drawing().Clipboard().PasteBuffer().Devices().Count(), 1);
}

TEST_F(DrawingTest, TheProbeReadsTheLevelUnderItAfterEveryStep) {
  TraceInverterPair();
  auto* input = Place<TInteractiveInput>(20, 100);
  Drawing().SetWireMode(true);
  Click(CentreOf(*input->Pin(0)));
  Click(CentreOf(*First->Pin(1)));
  Drawing().SetProbeMode(true);
  Drawing().Step();
  Click({200, 150});  // the wire between the inverters
  EXPECT_EQ(Drawing().ProbeState, TLogivaneDrawing::ProbeHigh);
  input->Press();
  Drawing().Step();
  EXPECT_EQ(Drawing().ProbeState, TLogivaneDrawing::ProbeLow);
  Click({700, 700});  // nothing under the probe
  EXPECT_EQ(Drawing().ProbeState, TLogivaneDrawing::ProbeFloating);
}

TEST_F(DrawingTest, EveryStepRecordsOneSampleOnScreenOrOff) {
  auto* near = Place<TClockDevice>(100, 100);
  auto* far = Place<TClockDevice>(12000, 17000);  // far outside the view
  for (int step = 0; step < 4; ++step) {
    Drawing().Step();
    Drawing().repaint();  // however often the screen is painted
  }
  EXPECT_EQ(near->History, "0101");
  EXPECT_EQ(far->History, "0101");
}

TEST_F(DrawingTest, TracedShapesCloseNearTheirStartOrOnADoubleClick) {
  Drawing().Grid().SnapToGrid = false;
  const int symbol = Circuit().Count();  // a circuit's own symbol shapes come first
  QSignalSpy ended(&Drawing(), &TLogivaneDrawing::OnEndDrawing);
  Drawing().SetPolygonMode(true);
  for (const QPoint p : {QPoint(100, 100), QPoint(200, 100), QPoint(200, 200), QPoint(96, 104)}) {
    Click(p);  // 4 units off the first vertex: one more vertex
  }
  EXPECT_TRUE(Drawing().Tracing());
  Click({103, 97});  // within 3 units: closes without a vertex
  ASSERT_EQ(Circuit().Count(), symbol + 1);
  const auto* polygon = static_cast<TPolygon*>(Circuit().Child(symbol));
  EXPECT_EQ(polygon->PointCount(), 4);
  EXPECT_FALSE(polygon->Outline);
  EXPECT_FALSE(Drawing().PolygonMode());
  EXPECT_EQ(ended.count(), 1);

  Drawing().SetPolylineMode(true);
  Click({300, 300});
  Click({400, 300});
  QTest::mouseDClick(&Drawing(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
  ASSERT_EQ(Circuit().Count(), symbol + 2);
  EXPECT_EQ(static_cast<TSegment*>(Circuit().Child(symbol + 1))->PointCount(), 2);
  EXPECT_FALSE(Drawing().Tracing());

  Drawing().SetPolygonMode(true);
  Click({500, 500});
  Click({600, 500});
  QTest::mouseDClick(&Drawing(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 500));
  EXPECT_EQ(Circuit().Count(), symbol + 2);  // two vertices make no polygon
  EXPECT_EQ(ended.count(), 3);

  Drawing().SetPolygonMode(true);
  Click({500, 500});
  Drawing().SetWireMode(true);  // another tool abandons the trace
  EXPECT_FALSE(Drawing().Tracing());
  EXPECT_EQ(Drawing().PolygonInProgress(), nullptr);
}

TEST_F(DrawingTest, ZoomedMouseWorkHitsAndSnapsAsAtActualSize) {
  TraceInverterPair();
  const QByteArray actualSize = CircuitBytes(Circuit());
  for (const double zoom : {0.5, 2.0}) {
    SCOPED_TRACE(zoom);
    Drawing().SetWireMode(false);
    Drawing().Document().Clear();
    Drawing().SetZoom(zoom);
    TraceInverterPair();
    EXPECT_EQ(CircuitBytes(Circuit()), actualSize);

    // A click selects what lies under it; the handles frame it on screen and drag it in units.
    Drawing().SetSelectMode(true);
    Click(OnScreen(CentreOf(*Second)));
    ASSERT_EQ(Handles().Items(), std::vector<TGraphicObject*>{Second});
    EXPECT_LE((Handles().geometry().center() - OnScreen(CentreOf(*Second))).manhattanLength(), 2);
    const QPoint grab = OnScreen(CentreOf(*Second)) - Handles().pos();
    Drag(&Handles(), grab, grab + OnScreen(QPoint(20, 0)));
    EXPECT_EQ(CentreOf(*Second), CentreOf(*First) + QPoint(220, 100));
    EXPECT_EQ(WireAt(0)->LastPoint(), CentreOf(*Second->Pin(1)));
    Drawing().MoveSelectionBy(1, 0);  // the arrow keys move by one unit
    EXPECT_EQ(CentreOf(*Second), CentreOf(*First) + QPoint(221, 100));
    EXPECT_EQ(WireAt(0)->LastPoint(), CentreOf(*Second->Pin(1)));
  }
}

/// Whether a press on the screen pixel `pixel` of `drawing` hits `object`.
bool HitsOnScreen(const TLogivaneDrawing& drawing, TGraphicObject& object, QPoint pixel) {
  const QPointF at = drawing.ToExactUnits(pixel);
  const QPoint unit = THitReach::UnitOf(at);
  return object.HitTest(unit.x(), unit.y(), THitReach::Of(at, drawing.Zoom()));
}

TEST(ZoomHitTest, WiresPinsAndJointsReachAsFarOnScreenAsAtActualSize) {
  TLogivaneDrawing drawing;
  TPolyline wire;  // a horizontal run at y = 100
  wire.AddPoints({{100, 100}, {300, 100}});
  wire.Remap();
  TPin pin;
  pin.Translate(400, 100);
  pin.Remap();
  TSolder joint;
  joint.Translate(500, 100);
  joint.Remap();

  // Screen pixels beside each object, as offsets from where it lies on screen.
  const auto hits = [&](TGraphicObject& object, QPoint anchor, QPoint offset) {
    const double zoom = drawing.Zoom();
    const QPoint onScreen(qRound(anchor.x() * zoom), qRound(anchor.y() * zoom));
    return HitsOnScreen(drawing, object, onScreen + offset);
  };
  struct TTarget {
    TGraphicObject* Object;
    QPoint Anchor;
    bool Small;  // grown zoomed out, never shrunk zoomed in
  };
  const TTarget targets[] = {
      {&wire, {200, 100}, false}, {&pin, CentreOf(pin), true}, {&joint, CentreOf(joint), true}};
  for (const double zoom : {0.25, 0.5, 2.0, 4.0}) {
    for (const TTarget& target : targets) {
      for (int dx = -7; dx <= 7; ++dx) {
        for (int dy = -7; dy <= 7; ++dy) {
          const QPoint offset(dx, dy);
          drawing.SetZoom(1);
          const bool actualSize = hits(*target.Object, target.Anchor, offset);
          drawing.SetZoom(zoom);
          const bool zoomed = hits(*target.Object, target.Anchor, offset);
          SCOPED_TRACE(testing::Message() << "zoom " << zoom << " offset " << dx << "," << dy);
          if (target.Small && zoom > 1) {
            // Zoomed in, the pin or joint is hit on its own area, larger than at actual size.
            EXPECT_TRUE(!actualSize || zoomed);
          } else {
            EXPECT_EQ(zoomed, actualSize);
          }
        }
      }
    }
  }
  // At 400% a press on the pin's own square, 10 pixels from its centre, still hits it.
  drawing.SetZoom(4);
  EXPECT_TRUE(hits(pin, CentreOf(pin), {10, -10}));
  EXPECT_FALSE(hits(pin, CentreOf(pin), {17, 0}));
}

TEST_F(DrawingTest, WiringAtHalfSizeByClicksBesidePinsConnectsThem) {
  Drawing().SetZoom(0.5);
  Drawing().SetWireMode(true);
  First = Place<TNotGate>(100, 100);
  Second = Place<TNotGate>(300, 200);
  // Three pixels from a pin's centre is beside its 4-pixel square at half size, but on the
  // square it has at actual size.
  const auto beside = [](const TPin& pin) {
    return CentreOf(pin) / 2 + QPoint(3, -3);
  };
  Click(beside(*First->Pin(0)));
  Click(beside(*Second->Pin(1)));
  ASSERT_EQ(Circuit().Wires().Count(), 1);
  EXPECT_EQ(WireAt(0)->End1, First->Pin(0));
  EXPECT_EQ(WireAt(0)->End2, Second->Pin(1));
  EXPECT_FALSE(Drawing().Tracing());
}

/// What each tool keeps under way must end with the tool, and no press of one tool may be
/// finished by another.
class DrawingToolsTest : public DrawingTest {
protected:
  void SetUp() override {
    DrawingTest::SetUp();
    Gate = Place<TNotGate>(100, 100);
  }
  void Press(QPoint p) { QTest::mousePress(&Drawing(), Qt::LeftButton, Qt::NoModifier, p); }
  void Release(QPoint p) { QTest::mouseRelease(&Drawing(), Qt::LeftButton, Qt::NoModifier, p); }
  /// Starts a wire at the gate's output with one bend.
  void StartTrace() {
    Drawing().SetWireMode(true);
    Click(CentreOf(*Gate->Pin(0)));
    Click({300, 100});
    ASSERT_TRUE(Drawing().Tracing());
  }

  TNotGate* Gate = nullptr;
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
