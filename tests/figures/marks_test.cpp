// Equal marks, the right-angle mark and the size of an angle in degrees.
#include "figures/marks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using Strings = std::vector<std::string>;
using test::Lines;

struct Marks : test::Bench {
  void Equal(float x1, float y1, float x2, float y2, float gap, float shift, float r, float count) {
    m.segX1 = x1;
    m.segY1 = y1;
    m.segX2 = x2;
    m.segY2 = y2;
    m.markGap = gap;
    m.swapRays = shift;
    m.markRadius = r;
    m.markCount = count;
    m.lineColor = 4;
    DrawEqualMarks(m);
  }
  void Angle(float vx, float vy, float ax, float ay, float bx, float by, float swap = 0) {
    m.vertexX = vx;
    m.vertexY = vy;
    m.pointAX = ax;
    m.pointAY = ay;
    m.pointBX = bx;
    m.pointBY = by;
    m.swapRays = swap;
  }
};

TEST(DrawEqualMarks, StrokesAcrossTheSegmentFromItsMiddle) {
  Marks s;
  s.Equal(0, 0, 100, 0, 0, 0, 6, 2);
  EXPECT_EQ(Lines(s.device), (Strings{"58,-6-58,6 w3 c4", "66,-6-66,6 w3 c4"}));
  EXPECT_EQ(s.m.markGap, 24);
  EXPECT_EQ(s.m.markCount, 2);
  EXPECT_EQ(s.m.swapRays, 0);
}

TEST(DrawEqualMarks, CountGapAndShiftRules) {
  Marks zero;
  zero.Equal(0, 0, 100, 0, 0, 0, 6, 0);
  EXPECT_EQ(zero.Calls("line").size(), 1u);
  EXPECT_EQ(zero.m.markCount, 0);
  Marks many;
  many.Equal(0, 0, 100, 0, 10, 0, 6, 7);
  EXPECT_EQ(many.Calls("line").size(), 1u);
  EXPECT_EQ(many.m.markCount, 1);
  EXPECT_EQ(many.m.markGap, 20);
  Marks wide;
  wide.Equal(0, 0, 100, 0, 31, 0, 6, 1);
  EXPECT_EQ(Lines(wide.device), (Strings{"58,-6-58,6 w3 c4"}));
  Marks back;  // a negative gap runs towards the first end; a shift moves the middle
  back.Equal(0, 0, 0, 100, -10, 5, 3, 2);
  ASSERT_EQ(back.Calls("line").size(), 2u);
  const auto lines = back.Calls("line");
  EXPECT_EQ(lines[0].y1, 45);
  EXPECT_EQ(lines[1].y1, 35);
  EXPECT_EQ(lines[0].x1, 3);
  EXPECT_EQ(lines[0].x2, -3);
  EXPECT_EQ(back.m.markGap, -30);
}

TEST(DrawEqualMarks, PointSegmentDrawsNothingButCounts) {
  Marks s;
  s.Equal(40, 40, 40, 40, 0, 0, 6, 3);
  EXPECT_TRUE(s.Calls("line").empty());
  EXPECT_EQ(s.m.markGap, 32);
  EXPECT_EQ(s.m.loopIndex, 4);
}

TEST(DrawRightAngleMark, SquareCornerAtTheVertex) {
  for (float swap : {0.0f, -1.0f}) {
    Marks s;
    s.Angle(300, 300, 400, 300, 300, 200, swap);
    s.m.markRadius = 20;
    s.m.lineColor = 6;
    DrawRightAngleMark(s.m);
    const auto polys = s.Calls("polyline");
    ASSERT_EQ(polys.size(), 1u);
    ASSERT_EQ(polys[0].points.size(), 3u);
    const Point& corner = polys[0].points[1];
    EXPECT_NEAR(corner.x, 320, 1e-3);
    EXPECT_NEAR(corner.y, 280, 1e-3);
    const Point& a = polys[0].points[swap == 0 ? 0 : 2];
    const Point& c = polys[0].points[swap == 0 ? 2 : 0];
    EXPECT_NEAR(a.x, 320, 1e-3);
    EXPECT_NEAR(a.y, 300, 1e-3);
    EXPECT_NEAR(c.x, 300, 1e-3);
    EXPECT_NEAR(c.y, 280, 1e-3);
    EXPECT_EQ(polys[0].color, 6);
    EXPECT_EQ(s.m.swapRays, swap);  // nothing is reset
    EXPECT_EQ(s.m.markRadius, 20);
  }
}

TEST(AngleDegreesText, SizeOfTheSweepToOneDecimal) {
  Marks s;
  s.Angle(300, 300, 400, 300, 300, 200);
  AngleDegreesText(s.m);
  EXPECT_EQ(s.m.angleText, "90");
  EXPECT_EQ(s.m.strArg, "90");
  EXPECT_NEAR(s.m.bisectorAngle, 1.570795f, 1e-6);
  s.Angle(300, 300, 400, 300, 300, 200, -1);
  AngleDegreesText(s.m);
  EXPECT_EQ(s.m.angleText, "270");
  s.Angle(300, 300, 400, 300, 500, 300);
  AngleDegreesText(s.m);
  EXPECT_EQ(s.m.angleText, "0");
  const float rad = 37.5f * 3.14159f / 180;
  s.Angle(0, 0, 100, 0, 100 * std::cos(rad), -100 * std::sin(rad));
  AngleDegreesText(s.m);
  EXPECT_EQ(s.m.angleText, "37.5");
  EXPECT_TRUE(s.device.log().empty());
}

}  // namespace
}  // namespace orvelle
