#include "document/Cfloat.h"
#include "document/Cgobject.h"
#include "document/Csegment.h"
#include "document/cGrid.h"
#include "document/cNumberText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <utility>

namespace logivane {
namespace {

template <class T>
std::unique_ptr<T> Shape(std::initializer_list<std::pair<float, float>> points) {
  auto shape = std::make_unique<T>();
  for (const auto& [x, y] : points) {
    shape->AddPoints({CreateFloatPoint(x, y)});
  }
  shape->Remap();
  return shape;
}

TEST(Shapes, RemapRoundsHalvesToEvenAndBoundsWidenByHalfThePen) {
  const auto rounded = Shape<TSegment>({{0.5f, 1.5f}, {2.5f, -0.5f}});
  EXPECT_EQ(rounded->GetPoint(0), QPoint(0, 2));
  EXPECT_EQ(rounded->GetPoint(1), QPoint(2, 0));
  const auto segment = Shape<TSegment>({{0, 0}, {10.4f, 20}});
  segment->PenWidth = 3;  // half of it, truncated, is 1
  EXPECT_EQ(segment->GetBounds(), (TRect{-2, -2, 13, 23}));
  EXPECT_TRUE(std::make_unique<TSegment>()->GetBounds().IsEmpty());
}

TEST(Segment, AddArcStepsTwelveDegreesAndIncludesAnExactEnd) {
  TPolygon arc;
  arc.AddArc(true, 100, 50, 0, 360, 10, 5);
  ASSERT_EQ(arc.PointCount(), 31);
  EXPECT_EQ(arc.Mapped.Count(), 0) << "AddArc leaves the remap to the caller";
  EXPECT_FLOAT_EQ(arc.GetFloatPoint(0)->X, 110);
  EXPECT_FLOAT_EQ(arc.GetFloatPoint(0)->Y, 50);
  // 84 degrees: clockwise arcs go toward +y, which is down on the screen.
  EXPECT_GT(arc.GetFloatPoint(7)->Y, 54.9f);

  TPolygon counter;
  counter.AddArc(false, 0, 0, 0, 90, 10, 10);
  EXPECT_EQ(counter.PointCount(), 8);  // 0, 12, ..., 84
  EXPECT_LT(counter.GetFloatPoint(7)->Y, -9.9f);

  TPolygon none;
  none.AddArc(true, 0, 0, 90, 0, 10, 10);
  EXPECT_EQ(none.PointCount(), 0);

  // Where twelve degrees are lost in rounding, the arc still ends.
  TPolygon huge;
  huge.AddArc(true, 0, 0, 1e9f, 2e9f, 1, 1);
  EXPECT_EQ(huge.PointCount(), 1);
}

TEST(Polyline, HitTestWithinTheToleranceOfASegment) {
  const auto line = Shape<TPolyline>({{0, 0}, {10, 0}, {10, 10}});
  EXPECT_TRUE(line->HitTest(5, 2));  // squared distance 4
  EXPECT_EQ(line->HitIndex, 0);
  EXPECT_EQ(line->HitPoint, QPoint(5, 0));
  EXPECT_FALSE(line->HitTest(5, 3)) << "squared distance 9";

  EXPECT_TRUE(line->HitTest(11, 7));
  EXPECT_EQ(line->HitIndex, 1);
  EXPECT_EQ(line->HitPoint, QPoint(10, 7));

  // Near the corner but beyond both segments' ends, though within 5 of the vertex.
  EXPECT_FALSE(line->HitTest(12, -1));
  EXPECT_FALSE(line->HitTest(-2, 0));
  // A miss leaves the previous results alone.
  EXPECT_EQ(line->HitIndex, 1);
}

TEST(Polygon, HitTestIsEvenOddWithLeftAndTopEdgesInside) {
  const auto square = Shape<TPolygon>({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  EXPECT_TRUE(square->HitTest(0, 0));
  EXPECT_TRUE(square->HitTest(9, 9));
  EXPECT_TRUE(square->HitTest(0, 9));
  EXPECT_FALSE(square->HitTest(10, 5));
  EXPECT_FALSE(square->HitTest(5, 10));
  EXPECT_FALSE(square->HitTest(-1, 5));
  square->Outline = true;
  EXPECT_TRUE(square->HitTest(5, 5)) << "outline only changes painting";

  // An outer square traced around an inner one: the inner area is covered twice, so outside.
  const auto ring = Shape<TPolygon>({{0, 0},
                                     {30, 0},
                                     {30, 30},
                                     {0, 30},
                                     {0, 0},
                                     {10, 10},
                                     {20, 10},
                                     {20, 20},
                                     {10, 20},
                                     {10, 10}});
  EXPECT_TRUE(ring->HitTest(5, 5));
  EXPECT_FALSE(ring->HitTest(15, 15));
  EXPECT_TRUE(ring->HitTest(25, 15));

  EXPECT_FALSE(Shape<TPolygon>({{0, 0}, {10, 10}})->HitTest(5, 5));
  EXPECT_FALSE(std::make_unique<TPolygon>()->HitTest(0, 0));
}

/// A square polygon of the given side with its top-left vertex at (x, y).
std::unique_ptr<TPolygon> Square(float x, float y, float side) {
  auto square = std::make_unique<TPolygon>();
  square->AddPoints({CreateFloatPoint(x, y), CreateFloatPoint(x + side, y),
                     CreateFloatPoint(x + side, y + side), CreateFloatPoint(x, y + side)});
  square->Remap();
  return square;
}

/// The children in list order, so that a test can compare the order at a glance.
std::vector<TGraphicObject*> Children(const TGraphicList& list) {
  std::vector<TGraphicObject*> children;
  for (int i = 0; i < list.Count(); ++i) {
    children.push_back(list.Child(i));
  }
  return children;
}

TEST(GraphicList, ZOrderMovesOnlyOwnChildren) {
  TGraphicList list;
  TPolygon* a = list.Add(Square(0, 0, 1));
  TPolygon* b = list.Add(Square(0, 0, 1));
  TPolygon* c = list.Add(Square(0, 0, 1));

  list.BringToFront(a);
  EXPECT_EQ(Children(list), (std::vector<TGraphicObject*>{b, c, a}));
  list.BringToFront(a);
  EXPECT_EQ(Children(list), (std::vector<TGraphicObject*>{b, c, a}));
  list.SendToBack(c);
  EXPECT_EQ(Children(list), (std::vector<TGraphicObject*>{c, b, a}));

  // An object of another list is neither adopted nor moved; adopting it would destroy it twice.
  TGraphicList other;
  TPolygon* foreign = other.Add(Square(0, 0, 1));
  list.BringToFront(foreign);
  list.SendToBack(foreign);
  list.DeleteChild(foreign);
  EXPECT_EQ(Children(list), (std::vector<TGraphicObject*>{c, b, a}));
  EXPECT_EQ(other.Child(0), foreign);
}

TEST(Grid, SnapPointLeavesPointsInPlaceWhereNoCoarserGridExists) {
  TGrid grid;
  grid.Spacing = 1;  // every point is on this grid, and must stay where it is
  EXPECT_EQ(grid.SnapPoint({5, -3}), QPoint(5, -3));
  EXPECT_EQ(grid.SnapPoint(grid.SnapPoint({5, -3})), QPoint(5, -3));

  grid.Spacing = 0;
  EXPECT_EQ(grid.SnapPoint({14, 15}), QPoint(14, 15));
  grid.Spacing = -10;
  EXPECT_EQ(grid.SnapPoint({14, 15}), QPoint(14, 15));

  grid.Spacing = 10;
  constexpr int Max = std::numeric_limits<int>::max();
  constexpr int Min = std::numeric_limits<int>::min();
  EXPECT_EQ(grid.SnapPoint({Max, Min}), QPoint(2147483640, -2147483640));
}

TEST(NumberText, BinToIntKeepsTheLow32BitsOfLongText) {
  EXPECT_EQ(BinToInt(QString(31, '1')), 2147483647);
  EXPECT_EQ(BinToInt("1" + QString(31, '0')), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(BinToInt(QString(32, '1')), -1);
  EXPECT_EQ(BinToInt(QString(100, '1')), -1);
  EXPECT_EQ(BinToInt("1" + QString(40, '0') + "101"), 5);
  EXPECT_EQ(BinToInt("2" + QString(31, '0')), 0);
}

TEST(NumberText, BinToIntRefusesCharactersThatAreNotDigits) {
  EXPECT_THROW(BinToInt("10x1"), std::invalid_argument);
  EXPECT_THROW(BinToInt(" 1"), std::invalid_argument);
  EXPECT_THROW(BinToInt("-1"), std::invalid_argument);
  EXPECT_THROW(BinToInt(QString(QChar(0x0661))), std::invalid_argument) << "not an ASCII digit";
}

TEST(NumberText, HexToBinGivesFourDigitsEach) {
  EXPECT_EQ(HexToBin("a"), "1010");
  EXPECT_EQ(HexToBin("F0"), "11110000");
  EXPECT_EQ(HexToBin("09"), "00001001");
  EXPECT_EQ(HexToBin(""), "");
  for (std::int32_t value : {0, 1, 0x1234, 0x7FFFFFFF}) {
    EXPECT_EQ(BinToInt(HexToBin(BinToHex(IntToBin(value, 32)))), value);
  }
}

}  // namespace
}  // namespace logivane
