#include "document/Cfloat.h"
#include "document/Csegment.h"

#include <gtest/gtest.h>

#include <initializer_list>
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

TEST(Segment, RemapRoundsHalvesToEven) {
  const auto segment = Shape<TSegment>({{0.5f, 1.5f}, {2.5f, -0.5f}, {-1.5f, 3.49f}});
  EXPECT_EQ(segment->GetPoint(0), QPoint(0, 2));
  EXPECT_EQ(segment->GetPoint(1), QPoint(2, 0));
  EXPECT_EQ(segment->GetPoint(2), QPoint(-2, 3));
}

TEST(Segment, TransformsChangeFloatingVerticesOnlyUntilRemap) {
  const auto segment = Shape<TSegment>({{10, 0}});
  segment->Rotate(90);  // clockwise on the screen, where y grows downward
  EXPECT_NEAR(segment->GetFloatPoint(0)->X, 0, 1e-5);
  EXPECT_NEAR(segment->GetFloatPoint(0)->Y, 10, 1e-5);
  EXPECT_EQ(segment->GetPoint(0), QPoint(10, 0)) << "the integer copy waits for Remap";
  segment->Remap();
  EXPECT_EQ(segment->GetPoint(0), QPoint(0, 10));

  segment->Scale(2, -3);
  segment->Translate(1, 4);
  segment->Remap();
  EXPECT_EQ(segment->GetPoint(0), QPoint(1, -26));
}

TEST(Segment, BoundsWidenByHalfThePenAndStartEmpty) {
  const auto empty = std::make_unique<TSegment>();
  EXPECT_EQ(empty->GetFloatBounds(), TFloatRect::EmptyBounds());
  EXPECT_TRUE(empty->GetBounds().IsEmpty());
  EXPECT_EQ(empty->FirstPoint(), QPoint(0, 0));

  const auto segment = Shape<TSegment>({{0, 0}, {10.4f, 20}});
  EXPECT_EQ(segment->GetBounds(), (TRect{-1, -1, 12, 22}));
  segment->PenWidth = 3;  // half of it, truncated, is 1
  EXPECT_EQ(segment->GetBounds(), (TRect{-2, -2, 13, 23}));
  EXPECT_EQ(segment->GetFloatBounds(), FloatRect(0, 0, 10.4f, 20));

  const auto single = Shape<TSegment>({{3, -4}});
  EXPECT_EQ(single->GetFloatBounds(), FloatRect(3, -4, 3, -4));
  float x, y;
  single->GetCentre(x, y);
  EXPECT_EQ(x, 3);
  EXPECT_EQ(y, -4);
}

TEST(Segment, HitVertexUsesHandleBoxesAndSkipsFixedEnds) {
  const auto line = Shape<TPolyline>({{0, 0}, {10, 10}, {20, 0}});
  int index = -1;
  // Size 4: the box spans 2 units up and left, 4 down and right, far edges excluded.
  EXPECT_TRUE(line->HitVertex(8, 8, index, 4));
  EXPECT_EQ(index, 1);
  EXPECT_TRUE(line->HitVertex(13, 13, index, 4));
  EXPECT_FALSE(line->HitVertex(14, 10, index, 4));
  EXPECT_FALSE(line->HitVertex(10, 14, index, 4));
  EXPECT_TRUE(line->HitVertex(0, 0, index, 4));
  EXPECT_EQ(index, 0);

  line->EndsFixed = true;
  EXPECT_FALSE(line->HitVertex(0, 0, index, 4));
  EXPECT_FALSE(line->HitVertex(20, 0, index, 4));
  EXPECT_TRUE(line->HitVertex(10, 10, index, 4));
  EXPECT_EQ(index, 1);

  const auto wire = Shape<TPolyline>({{0, 0}, {20, 0}});
  wire->EndsFixed = true;
  EXPECT_FALSE(wire->HitVertex(0, 0, index, 4));
  EXPECT_FALSE(wire->HitVertex(20, 0, index, 4));
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

TEST(Polyline, SegmentsOfCoincidentVerticesAreNeverHit) {
  const auto dot = Shape<TPolyline>({{5, 5}, {5, 5}});
  EXPECT_FALSE(dot->HitTest(5, 5));

  const auto line = Shape<TPolyline>({{5, 5}, {5, 5}, {15, 5}});
  EXPECT_TRUE(line->HitTest(5, 5));
  EXPECT_EQ(line->HitIndex, 1);

  EXPECT_FALSE(Shape<TPolyline>({{5, 5}})->HitTest(5, 5));
  EXPECT_FALSE(std::make_unique<TPolyline>()->HitTest(0, 0));
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

TEST(Geometry, AngleGrowsFromPlusXTowardPlusY) {
  EXPECT_NEAR(Angle(0, 0, 10, 0, true), 0, 1e-4);
  EXPECT_NEAR(Angle(0, 0, 10, 10, true), 45, 1e-4);
  EXPECT_NEAR(Angle(0, 0, 0, 10, true), 90, 1e-4);
  EXPECT_NEAR(Angle(0, 0, -10, 10, true), 135, 1e-4);
  EXPECT_NEAR(Angle(0, 0, -10, 0, true), 180, 1e-4);
  EXPECT_NEAR(Angle(0, 0, 0, -10, true), 270, 1e-4);
  EXPECT_NEAR(Angle(0, 0, 10, -10, true), 315, 1e-4);
  EXPECT_NEAR(Angle(3, 3, 3, 3, true), 270, 1e-4);
  EXPECT_NEAR(Angle(5, 5, 5, 15, false), 1.5707964f, 1e-4);
}

}  // namespace
}  // namespace logivane
