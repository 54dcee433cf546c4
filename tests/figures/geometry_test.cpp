// Perpendicular feet, crossings and points of lines.
#include "figures/geometry.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

void SetPoints(Machine& m, float x1, float y1, float x2, float y2, float x3, float y3, float x4 = 0,
               float y4 = 0) {
  m.segX1 = x1;
  m.segY1 = y1;
  m.segX2 = x2;
  m.segY2 = y2;
  m.segX3 = x3;
  m.segY3 = y3;
  m.segX4 = x4;
  m.segY4 = y4;
}

TEST(FindPerpendicularFoot, SlopingLineKeepsItsWorkInTheAxisRanges) {
  test::Bench b;
  SetPoints(b.m, 0, 0, 100, 100, 100, 0);
  FindPerpendicularFoot(b.m);
  EXPECT_NEAR(b.m.segPX, 50, 1e-4);
  EXPECT_NEAR(b.m.segPY, 50, 1e-4);
  EXPECT_EQ(b.m.axisXMin, 1);
  EXPECT_EQ(b.m.axisYMin, 0);
  EXPECT_EQ(b.m.axisXMax, -1);
  EXPECT_EQ(b.m.axisYMax, 100);
  // The foot's marker is a small disc in the background colour.
  const auto discs = b.Calls("circle");
  ASSERT_EQ(discs.size(), 1u);
  EXPECT_EQ(discs[0].ToString().substr(0, 70),
            "circle x=50 y=50 r=2 color=15 start=0 end=0 filled=1 fill=15 width=3");
}

TEST(FindPerpendicularFoot, VerticalHorizontalAndEqualPoints) {
  test::Bench b;
  b.m.axisXMin = -7;
  SetPoints(b.m, 30, 0, 30, 90, 80, 40);
  FindPerpendicularFoot(b.m);
  EXPECT_EQ(b.m.segPX, 30);
  EXPECT_EQ(b.m.segPY, 40);
  SetPoints(b.m, 0, 60, 100, 60, 80, 40);
  FindPerpendicularFoot(b.m);
  EXPECT_EQ(b.m.segPX, 80);
  EXPECT_EQ(b.m.segPY, 60);
  // Two equal points count as a vertical line (its x is tested first).
  SetPoints(b.m, 20, 20, 20, 20, 80, 40);
  FindPerpendicularFoot(b.m);
  EXPECT_EQ(b.m.segPX, 20);
  EXPECT_EQ(b.m.segPY, 40);
  EXPECT_EQ(b.m.axisXMin, -7);  // untouched by the special cases
}

TEST(FindPerpendicularFoot, PointOnTheLineIsItsOwnFoot) {
  test::Bench b;
  SetPoints(b.m, 10, 20, 110, 70, 60, 45);
  FindPerpendicularFoot(b.m);
  EXPECT_NEAR(b.m.segPX, 60, 1e-3);
  EXPECT_NEAR(b.m.segPY, 45, 1e-3);
}

TEST(FindLineIntersection, CrossingsOfSlopingVerticalAndHorizontalLines) {
  test::Bench b;
  SetPoints(b.m, 0, 0, 100, 100, 0, 100, 100, 0);
  FindLineIntersection(b.m);
  EXPECT_NEAR(b.m.crossX, 50, 1e-4);
  EXPECT_NEAR(b.m.crossY, 50, 1e-4);
  EXPECT_EQ(b.m.slope1, 1);
  EXPECT_EQ(b.m.intercept1, 0);
  EXPECT_EQ(b.m.slope2, -1);
  EXPECT_EQ(b.m.intercept2, 100);

  SetPoints(b.m, 30, 0, 30, 100, 0, 70, 100, 70);
  FindLineIntersection(b.m);
  EXPECT_EQ(b.m.slope1, 1000);
  EXPECT_EQ(b.m.crossX, 30);
  EXPECT_EQ(b.m.crossY, 70);
  SetPoints(b.m, 0, 70, 100, 70, 30, 0, 30, 100);
  FindLineIntersection(b.m);
  EXPECT_EQ(b.m.slope2, 1000);
  EXPECT_EQ(b.m.crossX, 30);
  EXPECT_EQ(b.m.crossY, 70);
  EXPECT_TRUE(b.Calls("circle").empty());
}

TEST(FindLineIntersection, ARealSlopeOfAThousandIsNotVertical) {
  test::Bench b;
  SetPoints(b.m, 0, 0, 1, 1000, 0, 500, 100, 500);
  FindLineIntersection(b.m);
  EXPECT_EQ(b.m.slope1, 1000);
  EXPECT_NEAR(b.m.crossX, 0.5, 1e-5);
  EXPECT_EQ(b.m.crossY, 500);
  // And against a vertical line.
  SetPoints(b.m, 0, 0, 1, 1000, 2, 0, 2, 50);
  FindLineIntersection(b.m);
  EXPECT_EQ(b.m.crossX, 2);
  EXPECT_EQ(b.m.crossY, 2000);
}

TEST(FindLineIntersection, ParallelLinesLeaveTheCrossingAsItWas) {
  test::Bench b;
  b.m.crossX = 11;
  b.m.crossY = 22;
  SetPoints(b.m, 0, 0, 10, 10, 0, 5, 10, 15);
  FindLineIntersection(b.m);
  EXPECT_EQ(b.m.crossX, 11);
  EXPECT_EQ(b.m.crossY, 22);
  SetPoints(b.m, 0, 0, 0, 10, 5, 0, 5, 10);  // two vertical lines: x of the second kept
  FindLineIntersection(b.m);
  EXPECT_EQ(b.m.crossX, 5);
  EXPECT_EQ(b.m.crossY, 22);
  // Two equal points count as a horizontal line here (its y is tested first).
  SetPoints(b.m, 4, 4, 4, 4, 30, 0, 30, 100);
  FindLineIntersection(b.m);
  EXPECT_EQ(b.m.slope1, 0);
  EXPECT_EQ(b.m.intercept1, 4);
  EXPECT_EQ(b.m.crossX, 30);
  EXPECT_EQ(b.m.crossY, 4);
}

TEST(LinePointAtXOrY, PointAtAGivenXOrY) {
  test::Bench b;
  SetPoints(b.m, 0, 0, 100, 50, -1, 25);
  LinePointAtXOrY(b.m);
  EXPECT_EQ(b.m.originX, 50);
  EXPECT_EQ(b.m.originY, 25);
  SetPoints(b.m, 0, 0, 100, 50, 40, -1);
  LinePointAtXOrY(b.m);
  EXPECT_EQ(b.m.originX, 40);
  EXPECT_EQ(b.m.originY, 20);
  SetPoints(b.m, 0, 0, 100, 50, -10, -1);  // both negative: the point at the x stands
  LinePointAtXOrY(b.m);
  EXPECT_EQ(b.m.originX, -10);
  EXPECT_EQ(b.m.originY, -5);
  b.m.originX = 7;
  b.m.originY = 8;
  SetPoints(b.m, 0, 0, 100, 50, 0, 0);
  LinePointAtXOrY(b.m);
  EXPECT_EQ(b.m.originX, 7);
  EXPECT_EQ(b.m.originY, 8);
}

TEST(LinePointAtXOrY, VerticalAndHorizontalLines) {
  test::Bench b;
  SetPoints(b.m, 70, 0, 70, 100, 5, 33);
  LinePointAtXOrY(b.m);
  EXPECT_EQ(b.m.originX, 70);
  EXPECT_EQ(b.m.originY, 33);
  SetPoints(b.m, 0, 30, 100, 30, 44, 5);
  LinePointAtXOrY(b.m);
  EXPECT_EQ(b.m.originX, 44);
  EXPECT_EQ(b.m.originY, 30);
}

}  // namespace
}  // namespace orvelle
