// Equal marks, the right-angle mark and the size of an angle in degrees.
#include "figures/marks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Lines;
using test::Strings;

struct Marks : test::Bench {
  void Equal(float x2, float y2, float gap, float shift, float r, float count, float x1 = 0,
             float y1 = 0) {
    m.segX1 = x1;
    m.segY1 = y1;
    m.segX2 = x2;
    m.segY2 = y2;
    m.markGap = gap;
    m.swapRays = shift;
    m.markRadius = r;
    m.markCount = count;
    m.lineColor = 4;
    device.ClearLog();
    DrawEqualMarks(m);
  }
  void Angle(float ax, float ay, float bx, float by, float swap = 0) {
    m.vertexX = 300;
    m.vertexY = 300;
    m.pointAX = ax;
    m.pointAY = ay;
    m.pointBX = bx;
    m.pointBY = by;
    m.swapRays = swap;
  }
};

TEST(DrawEqualMarks, StrokesAcrossTheSegmentFromItsMiddle) {
  const struct {
    float x2, y2, gap, shift, r, count;
    Strings lines;
    float gapAfter, countAfter;
  } cases[] = {
      {100, 0, 0, 0, 6, 2, {"58,-6-58,6 w3 c4", "66,-6-66,6 w3 c4"}, 24, 2},
      {100, 0, 0, 0, 6, 0, {"58,-6-58,6 w3 c4"}, 16, 0},   // 0 still draws one and stays 0
      {100, 0, 10, 0, 6, 7, {"60,-6-60,6 w3 c4"}, 20, 1},  // more than six: one
      {100, 0, 31, 0, 6, 1, {"58,-6-58,6 w3 c4"}, 16, 1},  // a gap above 30 is 8
      // A negative gap runs towards the first end; a shift moves the middle along the segment.
      {0, 100, -10, 5, 3, 2, {"3,45--3,45 w3 c4", "3,35--3,35 w3 c4"}, -30, 2},
  };
  for (const auto& c : cases) {
    Marks s;
    s.Equal(c.x2, c.y2, c.gap, c.shift, c.r, c.count);
    EXPECT_EQ(Lines(s.device), c.lines) << c.gap << " " << c.count;
    EXPECT_EQ(test::Pt(s.m.markGap, s.m.markCount), test::Pt(c.gapAfter, c.countAfter));
    EXPECT_EQ(s.m.swapRays, c.shift);
  }
  Marks point;  // a point has no direction for a stroke, but the marks are counted
  point.Equal(40, 40, 0, 0, 6, 3, 40, 40);
  EXPECT_TRUE(point.Calls(Op::kLine).empty());
  EXPECT_EQ(test::Pt(point.m.markGap, point.m.loopIndex), "32,4");
}

TEST(DrawRightAngleMark, SquareCornerAtTheVertex) {
  for (float swap : {0.0f, -1.0f}) {
    Marks s;
    s.Angle(400, 300, 300, 200, swap);  // A right, B up
    s.m.markRadius = 20;
    s.m.lineColor = 6;
    DrawRightAngleMark(s.m);
    EXPECT_EQ(test::Polys(s.device), Strings{swap == 0 ? "320,300;320,280;300,280 w3 c6"
                                                       : "300,280;320,280;320,300 w3 c6"});
    EXPECT_EQ(s.m.swapRays, swap);  // nothing is reset
    EXPECT_EQ(s.m.markRadius, 20);
  }
}

TEST(AngleDegreesText, SizeOfTheSweepToOneDecimal) {
  const float rad = 37.5f * 3.14159f / 180;
  const struct {
    float bx, by, swap;
    const char* text;
  } cases[] = {{300, 200, 0, "90"},
               {300, 200, -1, "270"},
               {500, 300, 0, "0"},  // both rays the same way
               {300 + 100 * std::cos(rad), 300 - 100 * std::sin(rad), 0, "37.5"}};
  for (const auto& c : cases) {
    Marks s;
    s.Angle(400, 300, c.bx, c.by, c.swap);
    AngleDegreesText(s.m);
    EXPECT_EQ(s.m.angleText, c.text);
    EXPECT_EQ(s.m.strArg, c.text);
    EXPECT_TRUE(s.device.log().empty());
  }
  Marks s;
  s.Angle(400, 300, 300, 200);
  AngleDegreesText(s.m);
  EXPECT_NEAR(s.m.bisectorAngle, 1.570795f, 1e-6);
}

}  // namespace
}  // namespace orvelle
