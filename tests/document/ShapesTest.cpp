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
    shape->AddPoints({{x, y}});
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

TEST(Shapes, ArcsStepTwelveDegreesAndEndEvenWhereTheStepIsLostInRounding) {
  TPolygon arc;
  arc.AddArc(true, 100, 50, 0, 360, 10, 5);
  EXPECT_EQ(arc.PointCount(), 31);
  EXPECT_GT(arc.GetFloatPoint(7).Y, 54.9f) << "clockwise goes down the screen";
  TPolygon huge;
  huge.AddArc(true, 0, 0, 1e9f, 2e9f, 1, 1);
  EXPECT_EQ(huge.PointCount(), 1);
}

TEST(Shapes, PolygonsHitEvenOddWithLeftAndTopEdgesInside) {
  const auto square = Shape<TPolygon>({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  EXPECT_TRUE(square->HitTest(0, 0));
  EXPECT_TRUE(square->HitTest(9, 9));
  EXPECT_FALSE(square->HitTest(10, 5));
  EXPECT_FALSE(square->HitTest(5, 10));
  // An outer square traced around an inner one: the inner area is covered twice, so outside.
  const auto ring = Shape<TPolygon>(
      {{0, 0}, {30, 0}, {30, 30}, {0, 30}, {0, 0}, {10, 10}, {20, 10}, {20, 20}, {10, 20}});
  EXPECT_TRUE(ring->HitTest(5, 5));
  EXPECT_FALSE(ring->HitTest(15, 15));
  EXPECT_FALSE(std::make_unique<TPolygon>()->HitTest(0, 0));
}

/// A square polygon of the given side with its top-left vertex at (x, y).
std::unique_ptr<TPolygon> Square(float x, float y, float side) {
  auto square = std::make_unique<TPolygon>();
  square->AddPoints({{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}});
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

TEST(NumberText, BinaryTextKeepsItsLow32BitsAndRefusesWhatIsNoDigit) {
  EXPECT_EQ(BinToInt(QString(32, '1')), -1);
  EXPECT_EQ(BinToInt("1" + QString(40, '0') + "101"), 5);
  EXPECT_EQ(BinToInt("12"), 4) << "a digit counts with its decimal value";
  for (const QString& bad : {QString("10x1"), QString("-1"), QString(QChar(0x0661))}) {
    EXPECT_THROW(BinToInt(bad), std::invalid_argument) << bad.toStdString();
  }
  EXPECT_EQ(IntToBin(255, 4), "11111111") << "padded, never cut";
  for (std::int32_t value : {0, 1, 0x1234, 0x7FFFFFFF}) {
    EXPECT_EQ(BinToInt(HexToBin(BinToHex(IntToBin(value, 32)))), value);
  }
}

}  // namespace
}  // namespace logivane
