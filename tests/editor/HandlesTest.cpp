#include "document/Csegment.h"
#include "editor/CLogivaneHandle.h"
#include "simulation/cConnect.h"
#include "simulation/cGateDevice.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <memory>

namespace logivane {
namespace {

template <class T>
std::unique_ptr<T> Shape(std::initializer_list<QPoint> points) {
  auto shape = std::make_unique<T>();
  for (QPoint p : points) {
    shape->AddPoint(p);
  }
  shape->Remap();
  return shape;
}

std::unique_ptr<TPolygon> Square(int left, int top, int side) {
  return Shape<TPolygon>(
      {{left, top}, {left + side, top}, {left + side, top + side}, {left, top + side}});
}

struct TDetached {
  TGraphicObject* Item;
  QPoint Point;
  bool ReHit;
};

class HandlesTest : public ::testing::Test {
protected:
  HandlesTest() {
    Drawing.resize(800, 600);
    Drawing.show();
    Handles.Grid().SnapToGrid = true;
    Handles.Grid().Spacing = 10;
    Handles.Grid().AngleStep = 10;
    // As the drawing does in select mode: an item handed back unchanged is selected again.
    QObject::connect(&Handles, &TLogivaneHandles::OnDetach,
                     [this](TGraphicObject* item, int x, int y, bool reHit) {
                       Detached.push_back({item, {x, y}, reHit});
                       if (!reHit) {
                         Handles.SetItem(item);
                       }
                     });
  }

  /// The mouse actions take points of the drawing and send them in the handles' coordinates
  /// of the moment, as the handles follow the item they drag.
  void PressAt(QPoint p) { QTest::mousePress(&Handles, Qt::LeftButton, {}, p - Handles.pos()); }
  void ReleaseAt(QPoint p) { QTest::mouseRelease(&Handles, Qt::LeftButton, {}, p - Handles.pos()); }
  void MoveTo(QPoint p, Qt::MouseButtons buttons = Qt::LeftButton) {
    const QPointF local = p - Handles.pos();
    QMouseEvent event(QEvent::MouseMove, local, Handles.mapToGlobal(local), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&Handles, &event);
  }
  void HoverAt(QPoint p) { MoveTo(p, Qt::NoButton); }
  /// A point of the drawing given in the handles' own coordinates.
  QPoint OnHandles(int x, int y) const { return Handles.pos() + QPoint(x, y); }
  QPoint BottomRightCorner() const { return OnHandles(Handles.width() - 2, Handles.height() - 2); }

  QWidget Drawing;
  TLogivaneHandles& Handles = *new TLogivaneHandles(&Drawing);
  std::vector<TDetached> Detached;
};

TEST_F(HandlesTest, DragMovesInWholeSnapStepsAndReselects) {
  auto square = Square(100, 100, 100);
  Handles.SetItem(square.get());
  QSignalSpy moving(&Handles, &TLogivaneHandles::OnItemMoving);
  QSignalSpy moved(&Handles, &TLogivaneHandles::OnItemMoved);

  PressAt({150, 150});
  MoveTo({153, 152});  // less than half a step: stays
  EXPECT_EQ(square->GetFloatBounds(), FloatRect(100, 100, 200, 200));
  EXPECT_EQ(moving.count(), 0);
  MoveTo({157, 150});
  EXPECT_EQ(square->GetFloatBounds(), FloatRect(110, 100, 210, 200));
  MoveTo({176, 173});
  EXPECT_EQ(square->GetFloatBounds(), FloatRect(130, 120, 230, 220));
  EXPECT_FALSE(Handles.Changed);
  ReleaseAt({176, 173});

  EXPECT_EQ(moved.count(), 1);
  EXPECT_TRUE(Handles.Changed);
  ASSERT_EQ(Detached.size(), 1u);
  EXPECT_FALSE(Detached[0].ReHit);
  ASSERT_TRUE(Handles.IsSingle());
  EXPECT_EQ(Handles.Items()[0], square.get());
  EXPECT_TRUE(square->Selected);
  EXPECT_TRUE(Handles.geometry().contains(QPoint(130, 120)));
}

TEST_F(HandlesTest, GroupStaysSelectedThroughDragsAndMoves) {
  auto a = Square(100, 100, 40);
  auto b = Square(200, 100, 40);
  TGraphicList band;  // as a rubber band hands over its catch
  band.Objects().Add(a.get());
  band.Objects().Add(b.get());
  Handles.SetItem(&band);
  band.Objects().DetachAll();
  ASSERT_TRUE(Handles.IsMulti());

  PressAt({120, 120});
  MoveTo({140, 130});
  ReleaseAt({140, 130});
  EXPECT_EQ(a->GetFloatBounds(), FloatRect(120, 110, 160, 150));
  EXPECT_EQ(b->GetFloatBounds(), FloatRect(220, 110, 260, 150));
  ASSERT_EQ(Detached.size(), 1u);
  EXPECT_EQ(Handles.Items().size(), 2u);

  Handles.MoveItemBy(5, -5);
  EXPECT_EQ(b->GetFloatBounds(), FloatRect(225, 105, 265, 145));
  EXPECT_EQ(Handles.Items().size(), 2u);
  EXPECT_TRUE(a->Selected && b->Selected);

  TGraphicList empty;
  Handles.SetItem(&empty);
  EXPECT_FALSE(Handles.HasItem());
  EXPECT_FALSE(Handles.isVisible());
  EXPECT_FALSE(a->Selected || b->Selected);
  Handles.Deselect();
}

TEST_F(HandlesTest, ThinSelectionGetsMinSizeCentredOnIt) {
  auto line = Shape<TWire>({{100, 100}, {200, 100}});
  Handles.SetItem(line.get());
  EXPECT_EQ(Handles.height(), Handles.MinSize);
  EXPECT_NEAR(Handles.y() + Handles.MinSize / 2.0, 100, 1);
  EXPECT_GT(Handles.width(), 100);
}

TEST_F(HandlesTest, BottomRightResizeKeepsTopLeftAndMinSize) {
  auto square = Square(100, 100, 100);
  Handles.SetItem(square.get());
  QSignalSpy sized(&Handles, &TLogivaneHandles::OnItemSized);
  HoverAt(BottomRightCorner());
  PressAt(BottomRightCorner());
  MoveTo(BottomRightCorner() + QPoint(50, 60));
  EXPECT_EQ(square->GetFloatBounds(), FloatRect(100, 100, 250, 260));

  MoveTo({20, 30});  // far past the top-left corner
  const TFloatRect r = square->GetFloatBounds();
  EXPECT_EQ(r.MinX, 100);
  EXPECT_EQ(r.MinY, 100);
  EXPECT_GE(r.MaxX - r.MinX, Handles.MinSize);
  EXPECT_GE(r.MaxY - r.MinY, Handles.MinSize);
  EXPECT_EQ(std::fmod(r.MaxX, 10.0f), 0);
  ReleaseAt({20, 30});
  EXPECT_EQ(sized.count(), 1);

  // A straight line has no height to scale: it only grows along itself.
  auto line = Shape<TPolyline>({{100, 300}, {200, 300}});
  Handles.SetItem(line.get());
  HoverAt(BottomRightCorner());
  PressAt(BottomRightCorner());
  MoveTo(BottomRightCorner() + QPoint(40, 40));
  EXPECT_EQ(line->GetFloatBounds(), FloatRect(100, 300, 240, 300));
}

/// Direction of a polygon's first vertex seen from (150, 150), in degrees.
float VertexAngle(const TSegment& s) {
  const TVertex p = s.GetFloatPoint(0);
  return Angle(150, 150, p.X, p.Y, true);
}

TEST_F(HandlesTest, RotationTurnsInAngleSteps) {
  auto square = Square(100, 100, 100);
  Handles.SetItem(square.get());
  QSignalSpy rotated(&Handles, &TLogivaneHandles::OnItemRotated);
  const float start = VertexAngle(*square);
  // Points at `degrees` around the handles' centre of the moment.
  auto around = [this](double degrees) {
    const double r = degrees * 3.14159265358979 / 180;
    return OnHandles(Handles.width() / 2 + static_cast<int>(std::lround(80 * std::cos(r))),
                     Handles.height() / 2 + static_cast<int>(std::lround(80 * std::sin(r))));
  };
  const QPoint marker = OnHandles(Handles.width() - 3, Handles.height() / 2);
  HoverAt(marker);
  PressAt(marker);
  MoveTo(around(2));  // still 0 degrees, a whole turn from the 360 of the press
  EXPECT_EQ(VertexAngle(*square), start);

  MoveTo(around(33));
  EXPECT_NEAR(VertexAngle(*square) - start, 30, 0.01);
  MoveTo(around(37));
  EXPECT_NEAR(VertexAngle(*square) - start, 40, 0.01);
  MoveTo(around(42));
  EXPECT_NEAR(VertexAngle(*square) - start, 40, 0.01);
  ReleaseAt(around(42));
  EXPECT_EQ(rotated.count(), 1);
  float cx, cy;
  square->GetCentre(cx, cy);
  EXPECT_NEAR(cx, 150, 0.01);
  EXPECT_NEAR(cy, 150, 0.01);
}

TEST_F(HandlesTest, PressOnDeviceCornerPassesThrough) {
  auto square = Square(100, 100, 100);
  Handles.SetItem(square.get());
  HoverAt(OnHandles(Handles.width() - 2, 1));  // a resize corner of the square

  T2AndGate gate;
  gate.Translate(400, 300);
  gate.Remap();
  const TFloatRect before = gate.GetFloatBounds();
  Handles.SetItem(&gate);
  // Pressed where the square's corner was hovered, with no move since: devices do not resize.
  const QPoint corner = OnHandles(Handles.width() - 2, 1);
  ASSERT_FALSE(gate.HitTest(corner.x(), corner.y()));
  PressAt(corner);

  ASSERT_EQ(Detached.size(), 1u);
  EXPECT_EQ(Detached[0].Item, &gate);
  EXPECT_EQ(Detached[0].Point, corner);
  EXPECT_TRUE(Detached[0].ReHit);
  EXPECT_FALSE(Handles.HasItem());
  EXPECT_FALSE(gate.Selected);
  MoveTo(corner + QPoint(30, 30));
  ReleaseAt(corner + QPoint(30, 30));
  EXPECT_EQ(gate.GetFloatBounds(), before);
}

TEST_F(HandlesTest, WireVertexModeGrabsOnlyMiddleVertices) {
  auto wire = Shape<TWire>({{100, 100}, {200, 100}, {200, 200}, {300, 200}});
  Handles.SetItem(wire.get());
  Handles.SetVertexMode(true);
  ASSERT_TRUE(Handles.InVertexMode());
  EXPECT_TRUE(wire->EndsFixed);

  PressAt({100, 100});
  MoveTo({130, 130});
  ReleaseAt({130, 130});
  EXPECT_EQ(wire->GetPoint(0), QPoint(100, 100));
  EXPECT_TRUE(Detached.empty());

  PressAt({201, 99});
  MoveTo({222, 78});
  ReleaseAt({222, 78});
  EXPECT_EQ(wire->GetPoint(1), QPoint(220, 80));
  EXPECT_EQ(wire->GetPoint(0), QPoint(100, 100));
  ASSERT_EQ(Detached.size(), 1u);
  EXPECT_FALSE(Detached[0].ReHit);

  Handles.SetVertexMode(true);
  EXPECT_TRUE(wire->ShowVertices);
  Handles.SetVertexMode(false);
  EXPECT_FALSE(wire->ShowVertices);
  EXPECT_FALSE(Handles.InVertexMode());
}

}  // namespace
}  // namespace logivane
