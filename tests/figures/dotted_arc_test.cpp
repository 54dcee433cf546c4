// Dotted arcs with labels, and single points of such arcs.
#include "figures/dotted_arc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "core/measure.h"

namespace orvelle {
namespace {

using test::Pt;

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
  std::vector<DrawCall> Dots() const { return device.Calls(Op::kCircle); }
  std::string Dot(size_t i) const {
    return i < Dots().size() ? Pt(Dots()[i].x1, Dots()[i].y1) : "none";
  }
  float Width(const std::string& label) {
    m.strArg = label;
    MeasureMarkedText(m);
    return m.textWidth;
  }
};

TEST(DrawDottedArcLabel, RightSideBelowALeftToRightChordLeftSideAbove) {
  const struct {
    float side;
    const char *first, *middle, *last;
    float labelY;   // the label's top on the arc's middle below, its box ending there above
    float loopEnd;  // one step past the last dot
  } cases[] = {{1, "100,300", "200,316", "300,300", 316, 378},
               {-1, "300,300", "200,284", "100,300", 284 - 44, 198}};
  for (const auto& c : cases) {
    Arc a;
    const float w = a.Width("3m");
    a.Draw(100, 300, 300, 300, 1, c.side, 18, "3m");
    SCOPED_TRACE(c.side);
    EXPECT_EQ(a.m.rowPitch, 16);  // a bulge of 1 is 16
    const auto dots = a.Dots();
    ASSERT_EQ(dots.size(), 11u);
    EXPECT_EQ(a.Dot(0) + " " + a.Dot(5) + " " + a.Dot(10),
              std::string(c.first) + " " + c.middle + " " + c.last);
    for (const auto& d : dots) {
      EXPECT_EQ(test::CircleSig(d).substr(test::CircleSig(d).find(' ')), " r0.5 c9 f9 w3");
      EXPECT_GE(c.side * (d.y1 - 300), -1e-3);  // on its side of the chord
    }
    EXPECT_EQ(Pt(a.m.vertexX, a.m.vertexY), c.middle);  // M, the arc's middle
    EXPECT_EQ(Pt(a.m.pointBX, a.m.pointBY), "300,300");
    EXPECT_EQ(a.m.pointAX, 100);
    EXPECT_NEAR(a.m.drawX - w, 200 - w / 2, 1e-2);  // centred; drawX is the x after it
    EXPECT_NEAR(a.m.drawY, c.labelY, 1e-2);
    const auto texts = test::VisibleTexts(a.device);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].color, 3);
    EXPECT_EQ(a.m.loopIndex, c.loopEnd);
  }
}

TEST(DrawDottedArcLabel, BulgeRules) {
  const struct {
    float qx, qy, bulge, side, pitch;
    const char* middle;
  } cases[] = {
      {300, 300, -10, -1, 10, "200,290"},  // a bulge of 10, not 160
      {300, 300, 20, -1, 20, "200,280"},
      {300, 300, 16, -1, 16, "200,284"},  // 16, as a first call leaves it, stays 16
      {300, 300, 0, -1, 0, "200,300"},    // a dotted straight line on the chord
      {100, 500, 1, 1, 16, "84,400"},     // drawn downwards, the right side is the screen's left
  };
  for (const auto& c : cases) {
    Arc a;
    a.Draw(100, 300, c.qx, c.qy, c.bulge, c.side, 18, "A");
    EXPECT_EQ(a.m.rowPitch, c.pitch) << c.bulge;
    EXPECT_EQ(a.Dot(5), c.middle) << c.bulge;
  }
  Arc line;
  line.Draw(100, 300, 300, 300, 0, -1, 18, "A");
  for (const auto& d : line.Dots()) EXPECT_NEAR(d.y1, 300, 1e-3);
  EXPECT_NEAR(line.m.drawY, 300 - 44, 1e-2);  // the label still beside the middle, above
}

TEST(DrawDottedArcLabel, PartialArcIsAOneShotRequest) {
  Arc a;
  a.Draw(100, 300, 300, 300, 1, 1, 18, "", 90);  // t = 180 .. 270: P to the farthest point
  EXPECT_EQ(a.Dots().size(), 6u);
  EXPECT_EQ(a.Dot(0) + " " + a.Dot(5), "100,300 200,316");
  EXPECT_EQ(Pt(a.m.vertexX, a.m.vertexY), "129.29,311.31");  // the label point D(225)
  EXPECT_EQ(a.m.arcExtent, 0);
  a.Draw(100, 300, 300, 300, 1, -1, 18, "", 60);  // on the left t = 0 .. 60, from Q
  EXPECT_EQ(a.Dots().size(), 4u);
  EXPECT_EQ(a.Dot(0), "300,300");
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
    EXPECT_TRUE(test::VisibleTexts(a.device).empty());  // no label: only the dots
  }
  Arc eight;
  eight.Draw(100, 300, 300, 300, 2, -1, 8);
  EXPECT_EQ(eight.Dot(22), "100.24,297.77");  // the last dot, 4 degrees short of P
  EXPECT_EQ(eight.m.loopIndex, 184);
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
    EXPECT_EQ(Pt(a->m.markRadius, a->m.swapRays), "0,0");
    EXPECT_EQ(Pt(a->m.labelOffsetX, a->m.labelOffsetY), "0,0");
    EXPECT_EQ(a->m.piValue, 3.14159f);
  }
  EXPECT_NEAR(moved.m.drawX, plain.m.drawX + 5, 1e-3);
  EXPECT_NEAR(moved.m.drawY, plain.m.drawY + 6, 1e-3);
}

TEST(DrawDottedArcLabel, DegenerateStepsAndEnds) {
  // A step that makes no progress draws the first dot and the label, and ends.
  for (float step : {0.0f, -5.0f, 1e-9f}) {
    Arc a;
    a.Draw(100, 300, 300, 300, 1, 1, step, "A");
    EXPECT_EQ(a.Dots().size(), 1u) << step;
    EXPECT_EQ(a.Dot(0), "100,300");
    EXPECT_FALSE(test::VisibleTexts(a.device).empty());
    EXPECT_EQ(Pt(a.m.vertexX, a.m.vertexY), "200,316");
    EXPECT_EQ(a.m.loopIndex, 180 + step);
  }
  // Equal ends: nothing to draw, the one-shots cleared all the same.
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
  EXPECT_EQ(Pt(a.m.markRadius, a.m.labelOffsetX), "0,0");
  EXPECT_EQ(Pt(a.m.vertexX, a.m.pointBX), "150,150");
  EXPECT_TRUE(std::isfinite(a.m.drawX) && std::isfinite(a.m.drawY));
}

TEST(ArcPointAtAngle, PointsOfTheArcOverAChord) {
  const struct {
    float qx, qy, bulge, t;
    const char* point;
  } cases[] = {{300, 300, 16, 90, "200,284"},  {300, 300, 16, 270, "200,316"},
               {300, 300, 16, 0, "300,300"},   {300, 300, 16, 180, "100,300"},
               {300, 300, -16, 90, "200,316"},  // the other side of the chord
               {100, 100, 16, 90, "84,200"}};   // Q above P: left of the chord
  for (const auto& c : cases) {
    test::Bench b;
    b.m.vertexX = 100;
    b.m.vertexY = 300;
    b.m.pointAX = c.qx;
    b.m.pointAY = c.qy;
    b.m.rowPitch = c.bulge;
    b.m.arcAngleDeg = c.t;
    ArcPointAtAngle(b.m);
    EXPECT_EQ(Pt(b.m.pointCX, b.m.pointCY), c.point) << c.qy << " " << c.bulge << " " << c.t;
    EXPECT_EQ(b.m.rowPitch, c.bulge);  // taken as it stands
    EXPECT_TRUE(b.device.log().empty());
    if (c.t == 90 && c.bulge == 16) {  // the middle of the chord laid flat from P, and P to C
      EXPECT_EQ(Pt(b.m.pointBX, b.m.pointBY), "200,300");
      EXPECT_NEAR(b.m.pointRadius, std::hypot(100.0f, 16.0f), 1e-3);
    }
  }
  test::Bench b;  // equal ends leave the point as it was
  b.m.vertexX = b.m.pointAX = 100;
  b.m.vertexY = b.m.pointAY = 300;
  b.m.rowPitch = 16;
  b.m.arcAngleDeg = 90;
  b.m.pointCX = 1;
  b.m.pointCY = 2;
  ArcPointAtAngle(b.m);
  EXPECT_EQ(Pt(b.m.pointCX, b.m.pointCY), "1,2");
  EXPECT_EQ(b.m.pointBX, 100);
  EXPECT_EQ(b.m.piValue, 3.14159f);
}

}  // namespace
}  // namespace orvelle
