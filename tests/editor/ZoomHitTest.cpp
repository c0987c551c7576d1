#include "TestHelpers.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cConnect.h"
#include "simulation/cGateDevice.h"
#include "simulation/cMacro.h"

#include <gtest/gtest.h>

#include <QScrollArea>
#include <QTest>

namespace logivane {
namespace {

using test::CentreOf;

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

TEST(ZoomHitTest, WiringAtHalfSizeByClicksBesidePinsConnectsThem) {
  QScrollArea scroller;
  auto* drawing = new TLogivaneDrawing;
  scroller.setWidget(drawing);
  scroller.resize(900, 700);
  scroller.show();
  drawing->SetZoom(0.5);
  drawing->SetWireMode(true);
  auto* first = static_cast<TNotGate*>(drawing->AddObject(std::make_unique<TNotGate>(), 100, 100));
  auto* second = static_cast<TNotGate*>(drawing->AddObject(std::make_unique<TNotGate>(), 300, 200));
  // Three pixels from a pin's centre is beside its 4-pixel square at half size, but on the
  // square it has at actual size.
  const auto beside = [](const TPin& pin) {
    return CentreOf(pin) / 2 + QPoint(3, -3);
  };
  QTest::mouseClick(drawing, Qt::LeftButton, Qt::NoModifier, beside(*first->Pin(0)));
  QTest::mouseClick(drawing, Qt::LeftButton, Qt::NoModifier, beside(*second->Pin(1)));
  ASSERT_EQ(drawing->Circuit().Wires().Count(), 1);
  const auto* wire = static_cast<TWire*>(drawing->Circuit().Wires().Child(0));
  EXPECT_EQ(wire->End1, first->Pin(0));
  EXPECT_EQ(wire->End2, second->Pin(1));
  EXPECT_FALSE(drawing->Tracing());
}

}  // namespace
}  // namespace logivane
