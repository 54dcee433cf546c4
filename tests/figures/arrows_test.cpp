// The left brace and arrowed segments.
#include "figures/arrows.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using Strings = std::vector<std::string>;
using test::Lines;

TEST(DrawLeftBrace, SevenPointsAtWidthFiveThenTheWidthFound) {
  for (int width : {1, 3, 8}) {
    test::Bench b;
    b.device.SetDrawWidth(width);
    b.m.drawX = 100;
    b.m.drawY = 200;
    b.m.boxWidth = 100;
    b.m.drawColor = 5;
    DrawLeftBrace(b.m);
    const auto polys = b.Calls("polyline");
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].ToString(),
              "polyline points=135,205;123,208;123,240.5;108,247.5;123,254.5;123,287;135,290 "
              "color=5 width=5");
    EXPECT_EQ(b.device.GetDrawWidth(), width);
    EXPECT_EQ(b.m.originX, 135);
    EXPECT_EQ(b.m.originY, 205);
  }
}

struct Arrow : test::Bench {
  void Draw(float vx, float vy, float cx, float cy, float reverse, float both = 0) {
    m.vertexX = vx;
    m.vertexY = vy;
    m.pointCX = cx;
    m.pointCY = cy;
    m.markRadius = 16;
    m.lineColor = 2;
    m.arrowReverse = reverse;
    m.arrowBothEnds = both;
    device.ClearLog();
    DrawArrowSegment(m);
  }
};

TEST(DrawArrowSegment, HeadAtTheFarEnd) {
  for (float reverse : {0.0f, 1.0f}) {
    Arrow a;
    a.device.SetDrawWidth(2);
    a.Draw(100, 100, 200, 100, reverse);
    EXPECT_EQ(Lines(a.device),
              (Strings{"100,100-200,100 w2 c2", "184,108-200,100 w2 c2", "184,92-200,100 w2 c2"}));
    EXPECT_EQ(a.m.arrowReverse, 0);
    EXPECT_EQ(a.m.segX3, 100);
    EXPECT_EQ(a.m.segX4, 1);
    EXPECT_EQ(a.m.segPX, 184);
    EXPECT_EQ(a.m.pointAY, 108);
    EXPECT_EQ(a.m.pointBY, 92);
    EXPECT_EQ(a.m.markRadius, 16);
  }
}

TEST(DrawArrowSegment, ReversedHeadAtTheFirstEnd) {
  Arrow a;
  a.Draw(100, 100, 200, 100, -1);
  EXPECT_EQ(Lines(a.device),
            (Strings{"200,100-100,100 w3 c2", "116,92-100,100 w3 c2", "116,108-100,100 w3 c2"}));
  EXPECT_EQ(a.m.arrowReverse, 0);
}

TEST(DrawArrowSegment, HeadsAtBothEndsOnce) {
  for (float reverse : {-1.0f, 0.0f}) {
    Arrow a;
    a.Draw(100, 100, 200, 100, reverse, 2);
    const auto lines = a.Calls("line");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].x2 + lines[3].x2, 300);  // one tip at each end
    EXPECT_EQ(a.m.arrowBothEnds, 0);
    EXPECT_EQ(a.m.arrowReverse, 0);
    a.Draw(100, 100, 200, 100, 0);
    EXPECT_EQ(a.Calls("line").size(), 3u);
    EXPECT_EQ(a.Calls("line")[1].x2, 200);
  }
  Arrow other;
  other.Draw(0, 0, 10, 10, 0, 1);
  EXPECT_EQ(other.m.arrowBothEnds, 1);  // only 2 asks for two heads, and only 2 is cleared
  EXPECT_EQ(other.Calls("line").size(), 3u);
}

TEST(DrawArrowSegment, EqualEndsDrawNoHead) {
  Arrow a;
  a.m.segX4 = 0.25f;
  a.m.pointAX = 9;
  a.Draw(50, 60, 50, 60, -1, 2);
  EXPECT_EQ(Lines(a.device), (Strings{"50,60-50,60 w3 c2", "50,60-50,60 w3 c2"}));
  EXPECT_EQ(a.m.segX4, 0.25f);
  EXPECT_EQ(a.m.pointAX, 9);
  EXPECT_EQ(a.m.arrowReverse, 0);
  EXPECT_EQ(a.m.arrowBothEnds, 0);
  EXPECT_TRUE(test::AllFinite(a.device));
}

}  // namespace
}  // namespace orvelle
