// Ratio marks on a segment.
#include "core/ratio_marks.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using Strings = std::vector<std::string>;
using test::Lines;

struct Ticks : test::Bench {
  void Draw(float x1, float y1, float x2, float y2, float mm, float n, float r, float count) {
    m.segStartX = x1;
    m.segStartY = y1;
    m.segEndX = x2;
    m.segEndY = y2;
    m.clockSeed = mm;
    m.errorCode = n;
    m.markRadius = r;
    m.markCount = count;
    m.lineColor = 2;
    DrawRatioTicks(m);
  }
};

TEST(DrawRatioTicks, TwoMarksBeyondTheMiddle) {
  Ticks t;
  t.Draw(100, 200, 300, 200, 1, 1, 16, 2);
  EXPECT_EQ(Lines(t.device), (Strings{"200,208-216,200 w3 c2", "200,192-216,200 w3 c2",
                                      "216,208-232,200 w3 c2", "216,192-232,200 w3 c2"}));
  EXPECT_EQ(t.m.markCount, 2);
  EXPECT_EQ(t.device.GetDrawWidth(), 3);
}

TEST(DrawRatioTicks, SmallerMarks) {
  Ticks t;
  t.Draw(0, 0, 100, 0, 1, 1, 8, 2);
  EXPECT_EQ(Lines(t.device), (Strings{"58,4-66,0 w3 c2", "58,-4-66,0 w3 c2", "74,4-82,0 w3 c2",
                                      "74,-4-82,0 w3 c2"}));
}

TEST(DrawRatioTicks, RatioEnds) {
  Ticks a;
  a.Draw(0, 0, 100, 0, 0, 3, 8, 1);  // from the first end point
  EXPECT_EQ(Lines(a.device), (Strings{"8,4-16,0 w3 c2", "8,-4-16,0 w3 c2"}));
  Ticks b;
  b.Draw(0, 0, 100, 0, 2, 0, 8, 1);  // from the second one, and past it
  EXPECT_EQ(Lines(b.device), (Strings{"108,4-116,0 w3 c2", "108,-4-116,0 w3 c2"}));
  Ticks c;
  c.Draw(0, 0, 0, 100, 1, 3, 8, 1);  // down the screen: 25 down, tip at 41
  EXPECT_EQ(Lines(c.device), (Strings{"-4,33-0,41 w3 c2", "4,33-0,41 w3 c2"}));
}

TEST(DrawRatioTicks, CountOutOfRangeDrawsOneMark) {
  for (float count : {0.0f, -2.0f, 7.0f}) {
    Ticks t;
    t.Draw(0, 0, 100, 0, 1, 1, 8, count);
    EXPECT_EQ(Lines(t.device).size(), 2u);
    EXPECT_EQ(t.m.markCount, 1);
  }
  Ticks half;
  half.Draw(0, 0, 100, 0, 1, 1, 8, 2.5f);
  EXPECT_EQ(Lines(half.device).size(), 4u);
  Ticks small;
  small.Draw(0, 0, 100, 0, 1, 1, 8, 0.5f);
  EXPECT_EQ(Lines(small.device).size(), 2u);
  EXPECT_EQ(small.m.markCount, 0.5f);
  Ticks six;
  six.Draw(0, 0, 100, 0, 1, 1, 8, 6);
  EXPECT_EQ(Lines(six.device).size(), 12u);
}

TEST(DrawRatioTicks, DegenerateSegmentOrRatioDrawsNothing) {
  Ticks a;
  a.Draw(50, 50, 50, 50, 1, 1, 8, 9);
  EXPECT_TRUE(a.device.log().empty());
  EXPECT_EQ(a.m.markCount, 1);
  Ticks b;
  b.Draw(0, 0, 100, 0, 2, -2, 8, 3);
  EXPECT_TRUE(b.device.log().empty());
  EXPECT_EQ(b.m.markCount, 3);
}

TEST(DrawRatioTicks, DiagonalSegment) {
  Ticks t;
  t.Draw(0, 0, 30, 40, 1, 0, 10, 1);  // u = (0.6, 0.8); tip 16 beyond (30, 40)
  const auto lines = t.device.Calls("line");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_FLOAT_EQ(lines[0].x2, 39.6f);
  EXPECT_FLOAT_EQ(lines[0].y2, 52.8f);
  // Arm ends 10 back along the segment and 5 to either side.
  EXPECT_FLOAT_EQ(lines[0].x1, 39.6f - 6 - 4);
  EXPECT_FLOAT_EQ(lines[0].y1, 52.8f - 8 + 3);
  EXPECT_FLOAT_EQ(lines[1].x1, 39.6f - 6 + 4);
  EXPECT_FLOAT_EQ(lines[1].y1, 52.8f - 8 - 3);
}

}  // namespace
}  // namespace orvelle
