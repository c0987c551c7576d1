#include "document/Cgobject.h"
#include "document/Csegment.h"

#include <gtest/gtest.h>

namespace logivane {
namespace {

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

TEST(GraphicList, HitTestAsksTheTopmostChildFirst) {
  TGraphicList list;
  EXPECT_FALSE(list.HitTest(0, 0));
  EXPECT_EQ(list.HitObject, nullptr);

  TPolygon* bottom = list.Add(Square(0, 0, 10));
  TPolygon* top = list.Add(Square(5, 5, 10));
  EXPECT_TRUE(list.HitTest(7, 7));
  EXPECT_EQ(list.HitObject, top);
  EXPECT_TRUE(list.HitTest(2, 2));
  EXPECT_EQ(list.HitObject, bottom);
  EXPECT_FALSE(list.HitTest(50, 50));
  EXPECT_EQ(list.HitObject, nullptr) << "a miss forgets the previous hit";
}

TEST(GraphicList, BoundsOfEmptyListsAndOfEmptyChildren) {
  TGraphicList list;
  EXPECT_EQ(list.GetBounds(), (TRect{2147483647, 2147483647, 0, 0}));
  EXPECT_EQ(list.GetFloatBounds(), FloatRect(100000, 100000, -100000, -100000));
  float x = 1, y = 1;
  list.GetCentre(x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);

  list.Add(std::make_unique<TPolygon>());
  EXPECT_EQ(list.GetBounds(), (TRect{0, 0, 0, 0})) << "two empty rectangles unite to nothing";

  list.Add(Square(10, 20, 5));
  list.Add(Square(-4, 30, 2));
  EXPECT_EQ(list.GetBounds(), (TRect{-5, 19, 17, 34}));
  EXPECT_EQ(list.GetFloatBounds(), FloatRect(-4, 20, 15, 32));
}

TEST(GraphicList, CentreAtPutsTheMiddleOfTheFloatingBoundsOnThePoint) {
  TGraphicList list;
  list.Add(Square(0.5f, 0.25f, 3));
  list.Add(Square(7.5f, -1.75f, 3));  // bounds 0.5..10.5 by -1.75..3.25
  list.CentreAt({100, -50});
  float x, y;
  list.GetCentre(x, y);
  EXPECT_FLOAT_EQ(x, 100);
  EXPECT_FLOAT_EQ(y, -50);
  EXPECT_EQ(list.Child(0)->GetBounds().Left, 95 - 1) << "CentreAt remaps the children";
}

TEST(GraphicList, TransformsReachEveryChild) {
  TGraphicList list;
  list.Add(Square(0, 0, 10));
  list.Add(Square(20, 0, 10));
  list.Translate(5, 5);
  list.Scale(2, 1);
  list.Rotate(180);
  list.Remap();
  EXPECT_FLOAT_EQ(list.GetFloatBounds().MinX, -70);
  EXPECT_EQ(static_cast<TSegment*>(list.Child(1))->GetPoint(0), QPoint(-50, -5));
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

TEST(GraphicList, DeleteChildDestroysAndForgetsTheHit) {
  TGraphicList list;
  TPolygon* a = list.Add(Square(0, 0, 10));
  TPolygon* b = list.Add(Square(20, 0, 10));
  list.DeleteChild(nullptr);
  EXPECT_EQ(list.Count(), 2);

  ASSERT_TRUE(list.HitTest(25, 5));
  list.DeleteChild(b);
  EXPECT_EQ(Children(list), (std::vector<TGraphicObject*>{a}));
  EXPECT_EQ(list.HitObject, nullptr);
  EXPECT_FALSE(list.HitTest(25, 5));
}

TEST(GraphicList, CollectInsideAndOutsideSplitByIntegerBounds) {
  TGraphicList list;
  TPolygon* inside = list.Add(Square(10, 10, 10));    // bounds 9, 9, 22, 22
  TPolygon* straddle = list.Add(Square(30, 10, 10));  // bounds 29, 9, 42, 22
  TPolygon* outside = list.Add(Square(100, 100, 1));

  TGraphicList target;
  EXPECT_TRUE(list.CollectInside({9, 9, 22, 22}, target)) << "touching edges count as inside";
  EXPECT_EQ(Children(target), (std::vector<TGraphicObject*>{inside}));
  EXPECT_TRUE(list.CollectOutside({9, 9, 22, 22}, target));
  EXPECT_EQ(Children(target), (std::vector<TGraphicObject*>{inside, straddle, outside}));

  TGraphicList none;
  EXPECT_FALSE(list.CollectInside({0, 0, 5, 5}, none));
  EXPECT_FALSE(list.CollectOutside({-1000, -1000, 1000, 1000}, none));
  EXPECT_EQ(none.Count(), 0);

  target.Objects().DetachAll();  // it only referred to the children
  EXPECT_EQ(list.Count(), 3);
}

}  // namespace
}  // namespace logivane
