// The left brace and arrowed segments.
#include "figures/arrows.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Lines;
using test::Strings;

TEST(DrawLeftBrace, SevenPointsAtWidthFiveThenTheWidthFound) {
  for (int width : {1, 3, 8}) {
    test::Bench b;
    b.device.SetDrawWidth(width);
    b.m.drawX = 100;
    b.m.drawY = 200;
    b.m.boxWidth = 100;
    b.m.drawColor = 5;
    DrawLeftBrace(b.m);
    EXPECT_EQ(test::Polys(b.device),
              Strings{"135,205;123,208;123,240.5;108,247.5;123,254.5;123,287;135,290 w5 c5"});
    EXPECT_EQ(b.device.GetDrawWidth(), width);
    EXPECT_EQ(test::Pt(b.m.originX, b.m.originY), "135,205");
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

TEST(DrawArrowSegment, OneHeadAtCUnlessReversed) {
  // 1, as DrawRightAngleLegs passes, is not a reversal; only -1 puts the head at V.
  for (float reverse : {0.0f, 1.0f, -1.0f}) {
    Arrow a;
    a.device.SetDrawWidth(2);
    a.Draw(100, 100, 200, 100, reverse);
    EXPECT_EQ(
        Lines(a.device),
        reverse == -1
            ? (Strings{"200,100-100,100 w2 c2", "116,92-100,100 w2 c2", "116,108-100,100 w2 c2"})
            : (Strings{"100,100-200,100 w2 c2", "184,108-200,100 w2 c2", "184,92-200,100 w2 c2"}))
        << reverse;
    EXPECT_EQ(a.m.arrowReverse, 0);
    EXPECT_EQ(a.m.markRadius, 16);
    if (reverse == 0) {  // the head's working points are left behind
      EXPECT_EQ(test::Pt(a.m.segX3, a.m.segX4), "100,1");
      EXPECT_EQ(test::Pt(a.m.segPX, a.m.pointAY), "184,108");
      EXPECT_EQ(a.m.pointBY, 92);
    }
  }
}

TEST(DrawArrowSegment, HeadsAtBothEndsOnce) {
  for (float reverse : {-1.0f, 0.0f}) {
    Arrow a;
    a.Draw(100, 100, 200, 100, reverse, 2);
    const auto lines = a.Calls(Op::kLine);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].x2 + lines[3].x2, 300);  // one tip at each end
    EXPECT_EQ(a.m.arrowBothEnds, 0);
    EXPECT_EQ(a.m.arrowReverse, 0);
    a.Draw(100, 100, 200, 100, 0);  // the next call: one head at C
    EXPECT_EQ(a.Calls(Op::kLine).size(), 3u);
    EXPECT_EQ(a.Calls(Op::kLine)[1].x2, 200);
  }
  Arrow other;
  other.Draw(0, 0, 10, 10, 0, 1);
  EXPECT_EQ(other.m.arrowBothEnds, 1);  // only 2 asks for two heads, and only 2 is cleared
  EXPECT_EQ(other.Calls(Op::kLine).size(), 3u);
}

TEST(DrawArrowSegment, EqualEndsDrawNoHead) {
  Arrow a;
  a.m.segX4 = 0.25f;
  a.m.pointAX = 9;
  a.Draw(50, 60, 50, 60, -1, 2);
  EXPECT_EQ(Lines(a.device), (Strings{"50,60-50,60 w3 c2", "50,60-50,60 w3 c2"}));
  EXPECT_EQ(test::Pt(a.m.segX4, a.m.pointAX), "0.25,9");
  EXPECT_EQ(a.m.arrowReverse, 0);
  EXPECT_EQ(a.m.arrowBothEnds, 0);
}

}  // namespace
}  // namespace orvelle
