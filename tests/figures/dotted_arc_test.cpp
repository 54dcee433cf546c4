// Dotted arcs with labels, and single points of such arcs.
#include "figures/dotted_arc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "core/measure.h"

namespace orvelle {
namespace {

struct Arc : test::Bench {
  void Draw(float px, float py, float qx, float qy, float bulge, float side, float step,
            const std::string& label = "", float extent = 0) {
    m.vertexX = px;
    m.vertexY = py;
    m.pointAX = qx;
    m.pointAY = qy;
    m.rowPitch = bulge;
    m.arcSide = side;
    m.boxWidth = step;
    m.arcExtent = extent;
    m.lineColor = 9;
    m.drawColor = 3;
    m.figureLabel = label;
    device.ClearLog();
    DrawDottedArcLabel(m);
  }
  std::vector<DrawCall> Dots() const { return device.Calls("circle"); }
  float Width(const std::string& label) {
    m.strArg = label;
    MeasureMarkedText(m);
    return m.textWidth;
  }
};

void ExpectAt(const DrawCall& dot, float x, float y) {
  EXPECT_NEAR(dot.x1, x, 1e-3);
  EXPECT_NEAR(dot.y1, y, 1e-3);
}

TEST(DrawDottedArcLabel, RightSideArcBelowALeftToRightChord) {
  Arc a;
  const float w = a.Width("3m");
  a.device.SetDrawWidth(3);
  a.Draw(100, 300, 300, 300, 1, 1, 18, "3m");
  EXPECT_EQ(a.m.rowPitch, 16);
  const auto dots = a.Dots();
  ASSERT_EQ(dots.size(), 11u);
  ExpectAt(dots[0], 100, 300);
  ExpectAt(dots[5], 200, 316);
  ExpectAt(dots[10], 300, 300);
  for (const auto& d : dots) {
    EXPECT_EQ(d.r, 0.5f);
    EXPECT_EQ(d.color, 9);
    EXPECT_TRUE(d.filled);
    EXPECT_EQ(d.fill, 9);
    EXPECT_EQ(d.start, 0);
    EXPECT_EQ(d.end, 0);
    EXPECT_EQ(d.width, 3);
    EXPECT_GE(d.y1, 300 - 1e-3);  // below the chord
  }
  EXPECT_NEAR(a.m.vertexX, 200, 1e-3);
  EXPECT_NEAR(a.m.vertexY, 316, 1e-3);
  EXPECT_EQ(a.m.pointAX, 100);
  EXPECT_EQ(a.m.pointBX, 300);
  EXPECT_EQ(a.m.pointBY, 300);
  // The label hangs centred below the arc's middle, its top on it.
  EXPECT_NEAR(a.m.drawX - w, 200 - w / 2, 1e-2);
  EXPECT_NEAR(a.m.drawY, 316, 1e-2);
  const auto texts = test::VisibleTexts(a.device);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].color, 3);
  EXPECT_EQ(a.m.loopIndex, 378);  // one step past the last dot at 360
}

TEST(DrawDottedArcLabel, LeftSideArcAboveRunsFromQToP) {
  Arc a;
  const float w = a.Width("3m");
  a.Draw(100, 300, 300, 300, 1, -1, 18, "3m");
  const auto dots = a.Dots();
  ASSERT_EQ(dots.size(), 11u);
  ExpectAt(dots[0], 300, 300);
  ExpectAt(dots[5], 200, 284);
  ExpectAt(dots[10], 100, 300);
  EXPECT_NEAR(a.m.drawY, 284 - 44, 1e-2);  // its box ends on the arc's middle
  EXPECT_NEAR(a.m.drawX - w, 200 - w / 2, 1e-2);
}

TEST(DrawDottedArcLabel, ChordDrawnDownwardsBulgesLeftOnTheRightSide) {
  Arc a;
  a.Draw(100, 100, 100, 300, 1, 1, 18);
  const auto dots = a.Dots();
  ASSERT_EQ(dots.size(), 11u);
  ExpectAt(dots[5], 84, 200);
  for (const auto& d : dots) EXPECT_LE(d.x1, 100 + 1e-3);
}

TEST(DrawDottedArcLabel, BulgeRules) {
  Arc a;
  a.Draw(100, 300, 300, 300, -10, -1, 18);
  EXPECT_EQ(a.m.rowPitch, 10);
  ExpectAt(a.Dots()[5], 200, 290);
  a.Draw(100, 300, 300, 300, 20, -1, 18);
  EXPECT_EQ(a.m.rowPitch, 20);
  ExpectAt(a.Dots()[5], 200, 280);
  a.Draw(100, 300, 300, 300, 0, -1, 18, "A");  // a dotted straight line, label still beside it
  EXPECT_EQ(a.m.rowPitch, 0);
  for (const auto& d : a.Dots()) EXPECT_NEAR(d.y1, 300, 1e-3);
  EXPECT_NEAR(a.m.drawY, 300 - 44, 1e-2);
}

TEST(DrawDottedArcLabel, PartialArcIsAOneShotRequest) {
  Arc a;
  a.Draw(100, 300, 300, 300, 1, 1, 18, "", 90);
  const auto dots = a.Dots();
  ASSERT_EQ(dots.size(), 6u);  // t = 180 .. 270
  ExpectAt(dots[0], 100, 300);
  ExpectAt(dots[5], 200, 316);
  const float t = 225 * 3.14159f / 180;
  EXPECT_NEAR(a.m.vertexX, 200 + 100 * std::cos(t), 1e-2);
  EXPECT_NEAR(a.m.vertexY, 300 - 16 * std::sin(t), 1e-2);
  EXPECT_EQ(a.m.arcExtent, 0);
  a.Draw(100, 300, 300, 300, 1, -1, 18, "", 90);  // on the left it starts at Q
  ASSERT_EQ(a.Dots().size(), 6u);
  ExpectAt(a.Dots()[0], 300, 300);
  ExpectAt(a.Dots()[5], 200, 284);
  a.Draw(100, 300, 300, 300, 1, 0, 18, "", 90);  // side 0: the whole left half
  EXPECT_EQ(a.Dots().size(), 11u);
}

TEST(DrawDottedArcLabel, DotCountsOfTheLessonsSteps) {
  const struct {
    float step;
    size_t dots;
  } cases[] = {{1, 181}, {2, 91}, {5, 37}, {8, 23}, {18, 11}};
  for (const auto& c : cases) {
    Arc a;
    a.Draw(100, 300, 300, 300, 2, -1, c.step);
    EXPECT_EQ(a.Dots().size(), c.dots) << c.step;
  }
  Arc eight;
  eight.Draw(100, 300, 300, 300, 2, -1, 8);
  const float t = 176 * 3.14159f / 180;  // the last dot, 4 short of P
  ExpectAt(eight.Dots().back(), 200 + 100 * std::cos(t), 300 - 32 * std::sin(t));
  EXPECT_EQ(eight.m.loopIndex, 184);
}

TEST(DrawDottedArcLabel, EmptyLabelDrawsOnlyTheDots) {
  Arc a;
  a.Draw(100, 300, 300, 300, 1, 1, 18);
  EXPECT_EQ(a.Dots().size(), 11u);
  EXPECT_TRUE(test::VisibleTexts(a.device).empty());
  EXPECT_TRUE(a.Calls("line").empty());
}

TEST(DrawDottedArcLabel, OneShotsClearedAndOffsetsMoveTheLabel) {
  Arc plain, moved;
  moved.m.labelOffsetX = 5;
  moved.m.labelOffsetY = 6;
  for (Arc* a : {&plain, &moved}) {
    a->m.markRadius = 40;
    a->m.swapRays = -1;
    a->Draw(100, 300, 300, 300, 1, 1, 18, "3m", 45);
    EXPECT_EQ(a->m.figureLabel, "");
    EXPECT_EQ(a->m.arcExtent, 0);
    EXPECT_EQ(a->m.markRadius, 0);
    EXPECT_EQ(a->m.swapRays, 0);
    EXPECT_EQ(a->m.labelOffsetX, 0);
    EXPECT_EQ(a->m.labelOffsetY, 0);
    EXPECT_EQ(a->m.piValue, 3.14159f);
  }
  EXPECT_NEAR(moved.m.drawX, plain.m.drawX + 5, 1e-3);
  EXPECT_NEAR(moved.m.drawY, plain.m.drawY + 6, 1e-3);
}

TEST(DrawDottedArcLabel, StepsThatMakeNoProgressDrawTheFirstDot) {
  for (float step : {0.0f, -5.0f, 1e-9f}) {
    Arc a;
    a.Draw(100, 300, 300, 300, 1, 1, step, "A");
    ASSERT_EQ(a.Dots().size(), 1u) << step;
    ExpectAt(a.Dots()[0], 100, 300);
    EXPECT_FALSE(test::VisibleTexts(a.device).empty());
    EXPECT_NEAR(a.m.vertexY, 316, 1e-3);
    EXPECT_EQ(a.m.loopIndex, 180 + step);
  }
}

TEST(DrawDottedArcLabel, EqualEndsDrawNothingAndStillClear) {
  Arc a;
  a.m.markRadius = 3;
  a.m.labelOffsetX = 2;
  a.Draw(150, 150, 150, 150, -3, 1, 18, "A", 30);
  EXPECT_TRUE(a.Dots().empty());
  EXPECT_TRUE(test::VisibleTexts(a.device).empty());
  EXPECT_TRUE(test::AllFinite(a.device));
  EXPECT_EQ(a.m.rowPitch, 3);
  EXPECT_EQ(a.m.figureLabel, "");
  EXPECT_EQ(a.m.arcExtent, 0);
  EXPECT_EQ(a.m.markRadius, 0);
  EXPECT_EQ(a.m.labelOffsetX, 0);
  EXPECT_EQ(a.m.vertexX, 150);
  EXPECT_EQ(a.m.pointBX, 150);
  EXPECT_TRUE(std::isfinite(a.m.drawX) && std::isfinite(a.m.drawY));
}

struct ArcPoint : test::Bench {
  void At(float px, float py, float qx, float qy, float bulge, float t) {
    m.vertexX = px;
    m.vertexY = py;
    m.pointAX = qx;
    m.pointAY = qy;
    m.rowPitch = bulge;
    m.arcAngleDeg = t;
    ArcPointAtAngle(m);
  }
};

TEST(ArcPointAtAngle, PointsOfTheArcOverAChord) {
  ArcPoint p;
  p.At(100, 300, 300, 300, 16, 90);
  EXPECT_NEAR(p.m.pointCX, 200, 1e-3);
  EXPECT_NEAR(p.m.pointCY, 284, 1e-3);
  EXPECT_EQ(p.m.pointBX, 200);
  EXPECT_EQ(p.m.pointBY, 300);
  EXPECT_NEAR(p.m.pointRadius, std::hypot(100.0f, 16.0f), 1e-3);
  EXPECT_EQ(p.m.rowPitch, 16);  // taken as it stands
  p.At(100, 300, 300, 300, 16, 270);
  EXPECT_NEAR(p.m.pointCX, 200, 1e-3);
  EXPECT_NEAR(p.m.pointCY, 316, 1e-3);
  p.At(100, 300, 300, 300, 16, 0);
  EXPECT_NEAR(p.m.pointCX, 300, 1e-3);
  EXPECT_NEAR(p.m.pointCY, 300, 1e-3);
  p.At(100, 300, 300, 300, 16, 180);
  EXPECT_NEAR(p.m.pointCX, 100, 1e-3);
  EXPECT_NEAR(p.m.pointCY, 300, 1e-3);
  p.At(100, 300, 300, 300, -16, 90);
  EXPECT_NEAR(p.m.pointCY, 316, 1e-3);
  p.At(100, 300, 100, 100, 16, 90);
  EXPECT_NEAR(p.m.pointCX, 84, 1e-3);
  EXPECT_NEAR(p.m.pointCY, 200, 1e-3);
  EXPECT_TRUE(p.device.log().empty());
}

TEST(ArcPointAtAngle, EqualEndsLeaveThePointAsItWas) {
  ArcPoint p;
  p.m.pointCX = 1;
  p.m.pointCY = 2;
  p.At(100, 300, 100, 300, 16, 90);
  EXPECT_EQ(p.m.pointCX, 1);
  EXPECT_EQ(p.m.pointCY, 2);
  EXPECT_EQ(p.m.pointBX, 100);
  EXPECT_EQ(p.m.piValue, 3.14159f);
}

}  // namespace
}  // namespace orvelle
