#include "document/cGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace logivane {
namespace {

TEST(Grid, SnapPointRoundsRemaindersOfHalfTheSpacingUpAndNegativesTowardZero) {
  TGrid grid;
  EXPECT_EQ(grid.SnapPoint({14, 15}), QPoint(10, 20));
  EXPECT_EQ(grid.SnapPoint({-4, -7}), QPoint(0, 0));
  EXPECT_EQ(grid.SnapPoint({-15, -20}), QPoint(-10, -20));
  EXPECT_EQ(grid.SnapPoint({0, 30}), QPoint(0, 30));

  grid.Spacing = 7;  // half is 3
  EXPECT_EQ(grid.SnapPoint({9, 10}), QPoint(7, 14));

  grid.SnapToGrid = false;
  EXPECT_EQ(grid.SnapPoint({14, -7}), QPoint(14, -7));
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

TEST(Grid, SnapAngleRoundsToWholeDegreesHalvesToEvenFirst) {
  TGrid grid;
  EXPECT_EQ(grid.SnapAngle(42.4), 40);
  EXPECT_EQ(grid.SnapAngle(42.5), 40);  // 42.5 rounds to 42
  EXPECT_EQ(grid.SnapAngle(43.5), 45);  // 43.5 rounds to 44
  EXPECT_EQ(grid.SnapAngle(43), 45);
  EXPECT_EQ(grid.SnapAngle(-43), -40);
  EXPECT_EQ(grid.SnapAngle(360), 360);

  grid.AngleStep = 15;  // half is 7.5, compared as a real number
  EXPECT_EQ(grid.SnapAngle(7), 0);
  EXPECT_EQ(grid.SnapAngle(8), 15);

  grid.AngleStep = 0;
  EXPECT_EQ(grid.SnapAngle(42.4), 42.4);
  grid.AngleStep = 5;
  EXPECT_TRUE(std::isnan(grid.SnapAngle(std::nan(""))));
  grid.SnapToGrid = false;
  EXPECT_EQ(grid.SnapAngle(42.4), 42.4);
}

}  // namespace
}  // namespace logivane
