// Ray directions, angle labels and angle marks.
#include "figures/angles.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "core/measure.h"

namespace orvelle {
namespace {

struct Angle : test::Bench {
  void Set(float vx, float vy, float ax, float ay, float bx = 0, float by = 0, float swap = 0) {
    m.vertexX = vx;
    m.vertexY = vy;
    m.pointAX = ax;
    m.pointAY = ay;
    m.pointBX = bx;
    m.pointBY = by;
    m.swapRays = swap;
  }
  // A point 100 from (300, 300) in the direction of `degrees`.
  static Point At(float degrees) {
    const float r = degrees * 3.14159265f / 180;
    return {300 + 100 * std::cos(r), 300 - 100 * std::sin(r)};
  }
  float Width(const std::string& label) {
    m.strArg = label;
    MeasureMarkedText(m);
    return m.textWidth;
  }
};

TEST(RayAngle, DirectionsWithTheFiguresPi) {
  Angle a;
  a.Set(300, 300, 400, 300);
  RayAngle(a.m);
  EXPECT_EQ(a.m.piValue, 3.14159f);
  EXPECT_EQ(a.m.rayAngleRad, 0);
  a.Set(300, 300, 300, 200);
  RayAngle(a.m);
  EXPECT_EQ(a.m.rayAngleRad, 1.570795f);
  a.Set(300, 300, 200, 300);
  RayAngle(a.m);
  EXPECT_EQ(a.m.rayAngleRad, 3.14159f);
  a.Set(300, 300, 300, 400);
  RayAngle(a.m);
  EXPECT_EQ(a.m.rayAngleRad, 4.712385f);
  EXPECT_EQ(a.m.rayAngleDeg, 270);
  a.Set(300, 300, 400, 200);  // up and to the right
  RayAngle(a.m);
  EXPECT_NEAR(a.m.rayAngleDeg, 45, 1e-4);
  a.Set(300, 300, 200, 400);
  RayAngle(a.m);
  EXPECT_NEAR(a.m.rayAngleDeg, 225, 1e-4);
  a.Set(300, 300, 300, 300);  // a point on the vertex
  RayAngle(a.m);
  EXPECT_EQ(a.m.rayAngleRad, 3.14159f);
}

TEST(ComputeRayAngles, TurnsForTheCirclePrimitive) {
  Angle a;
  a.Set(300, 300, 400, 300, 300, 300);
  ComputeRayAngles(a.m);
  EXPECT_EQ(a.m.rayTurnA, 1);  // to the right: a whole turn, not 0
  EXPECT_EQ(a.m.rayTurnB, 0.5f);
  EXPECT_EQ(a.m.rayAngleB, 3.14159f);
  EXPECT_EQ(a.m.rayAngleRad, 3.14159f);  // B's direction is left in the working value
}

TEST(ComputeRayAngles, OnlyMinusOneExchangesTheRays) {
  for (float swap : {1.0f, 0.0f, -2.0f}) {
    Angle a;
    a.Set(300, 300, 300, 200, 300, 400, swap);
    ComputeRayAngles(a.m);
    EXPECT_EQ(a.m.rayAngleA, 1.570795f);
    EXPECT_EQ(a.m.rayAngleB, 4.712385f);
    EXPECT_EQ(a.m.bisectorAngle, 3.14159f);  // up to down counterclockwise: through the left
    EXPECT_EQ(a.m.swapRays, swap);
  }
  Angle a;
  a.Set(300, 300, 300, 200, 300, 400, -1);
  ComputeRayAngles(a.m);
  EXPECT_EQ(a.m.rayAngleA, 4.712385f);
  EXPECT_EQ(a.m.rayTurnA, 0.25f);
  EXPECT_EQ(a.m.rayTurnB, 0.75f);
  EXPECT_NEAR(a.m.bisectorAngle, 2 * 3.14159f, 1e-6);  // through the right
  EXPECT_EQ(a.m.swapRays, -1);                         // not reset here
  EXPECT_EQ(a.m.rayAngleRad, 4.712385f);               // B's direction before the exchange
}

TEST(ComputeRayAngles, BisectorOfTheSweepFromAToB) {
  Angle a;
  Point p = Angle::At(10), q = Angle::At(350);
  a.Set(300, 300, p.x, p.y, q.x, q.y);
  ComputeRayAngles(a.m);
  EXPECT_NEAR(a.m.bisectorAngle * 180 / 3.14159f, 180, 1e-3);
  a.Set(300, 300, q.x, q.y, p.x, p.y);
  ComputeRayAngles(a.m);
  EXPECT_NEAR(a.m.bisectorAngle * 180 / 3.14159f, 360, 1e-3);
  p = Angle::At(60);
  a.Set(300, 300, p.x, p.y, p.x, p.y);
  ComputeRayAngles(a.m);
  EXPECT_NEAR(a.m.bisectorAngle * 180 / 3.14159f, 60, 1e-3);
}

TEST(DrawAngleLabel, PlacedOffTheAnchorAlongTheBisector) {
  Angle a;
  const float w = a.Width("3m");
  ASSERT_GT(w, 0);
  // Rays left and right of the vertex: bisector down, the label hangs centred below it.
  a.Set(400, 300, 300, 300, 500, 300);
  a.m.figureLabel = "3m";
  a.m.drawColor = 5;
  a.device.ClearLog();
  DrawAngleLabel(a.m);
  EXPECT_NEAR(a.m.drawX - w, 400 - w / 2, 1e-3);  // drawX is the x after the label
  EXPECT_NEAR(a.m.drawY, 300, 1e-3);
  EXPECT_EQ(a.m.textWidth, w);
  EXPECT_EQ(a.m.lettersPos, 0);
  const auto texts = test::VisibleTexts(a.device);
  ASSERT_FALSE(texts.empty());
  EXPECT_NEAR(texts[0].x1, 400 - w / 2, 1e-3);
  EXPECT_EQ(texts[0].color, 5);
  // Rays down and up: bisector to the right, the text starts at the vertex, centred in height.
  a.Set(400, 300, 400, 400, 400, 200);
  a.m.figureLabel = "3m";
  DrawAngleLabel(a.m);
  EXPECT_NEAR(a.m.drawX - w, 400, 1e-3);
  EXPECT_NEAR(a.m.drawY, 278, 1e-3);
}

TEST(DrawAngleLabel, FractionsStandTallerAndARadiusMovesTheAnchor) {
  Angle a;
  const std::string half = "ﾀ1/2ﾀ";
  const float w = a.Width(half);
  a.Set(400, 300, 500, 300, 300, 300);  // bisector up
  a.m.figureLabel = half;
  DrawAngleLabel(a.m);
  EXPECT_EQ(a.m.lettersPos, 1);
  EXPECT_NEAR(a.m.drawY, 300 - 80, 1e-3);
  EXPECT_NEAR(a.m.drawX - w, 400 - w / 2, 1e-3);
  a.Set(400, 300, 500, 300, 300, 300);
  a.m.figureLabel = "A";
  a.m.markRadius = 30;
  DrawAngleLabel(a.m);
  EXPECT_NEAR(a.m.drawY, 300 - 30 - 44, 1e-3);
}

TEST(DrawAngleLabel, OneShotInputsAreCleared) {
  Angle a;
  a.Set(400, 300, 500, 300, 300, 300, -1);
  a.m.figureLabel = "A";
  a.m.markRadius = 12;
  a.m.labelOffsetX = 7;
  a.m.labelOffsetY = -9;
  DrawAngleLabel(a.m);
  EXPECT_EQ(a.m.swapRays, 0);
  EXPECT_EQ(a.m.markRadius, 0);
  EXPECT_EQ(a.m.figureLabel, "");
  EXPECT_EQ(a.m.labelOffsetX, 0);
  EXPECT_EQ(a.m.labelOffsetY, 0);
  EXPECT_EQ(a.m.drawText, "");
  EXPECT_EQ(a.m.vertexX, 400);  // the angle itself is kept
  EXPECT_EQ(a.m.pointBX, 300);
}

TEST(DrawAngleLabel, LabelModeOneUsesTheLabelDrawer) {
  Angle markup, compact;
  compact.m.labelMode = 1;
  for (Angle* a : {&markup, &compact}) {
    a->Set(400, 300, 300, 300, 500, 300);
    a->m.figureLabel = "3m";
    a->device.ClearLog();
    DrawAngleLabel(a->m);
  }
  const auto one = test::VisibleTexts(compact.device);
  ASSERT_FALSE(one.empty());
  EXPECT_EQ(one[0].font.size, 15);  // the label drawer's size
  EXPECT_NE(test::VisibleTexts(markup.device)[0].font.size, 15);
  EXPECT_EQ(compact.m.figureLabel, "");
}

TEST(DrawAngleLabel, EmptyLabelDrawsNothingButStillClears) {
  Angle a;
  a.Set(400, 300, 300, 300, 500, 300, -1);
  a.m.markRadius = 5;
  a.device.ClearLog();
  DrawAngleLabel(a.m);
  EXPECT_TRUE(test::VisibleTexts(a.device).empty());
  EXPECT_EQ(a.m.textWidth, 0);
  EXPECT_EQ(a.m.swapRays, 0);
  EXPECT_EQ(a.m.markRadius, 0);
}

struct Mark : Angle {
  void Draw(float radius, float count, const std::string& label = "") {
    m.markRadius = radius;
    m.markCount = count;
    m.lineColor = 0;
    m.fillColor = 13;
    m.figureLabel = label;
    device.ClearLog();
    DrawAngleMark(m);
  }
};

TEST(DrawAngleMark, ConcentricArcsInsideTheRadius) {
  Mark k;
  k.Set(300, 300, 400, 300, 300, 200);  // right and up: the quarter from 0.75 to 1
  k.Draw(40, 3);
  const auto arcs = k.Calls("circle");
  ASSERT_EQ(arcs.size(), 3u);
  const float radii[] = {32, 24, 16};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(arcs[i].r, radii[i]);
    EXPECT_EQ(arcs[i].color, 13);
    EXPECT_FALSE(arcs[i].filled);
    EXPECT_EQ(arcs[i].start, 0.75f);
    EXPECT_EQ(arcs[i].end, 1);
    EXPECT_EQ(arcs[i].x1, 300);
  }
  EXPECT_EQ(k.m.loopIndex, 4);
  EXPECT_EQ(k.m.markRadius, 0);
}

TEST(DrawAngleMark, MoreThanSixArcsBecomeOne) {
  Mark k;
  k.Set(300, 300, 400, 300, 300, 200);
  k.Draw(40, 7);
  EXPECT_EQ(k.Calls("circle").size(), 1u);
  EXPECT_EQ(k.m.markCount, 1);
}

TEST(DrawAngleMark, ZeroOrLessIsOneFilledSector) {
  for (float count : {0.0f, -2.0f}) {
    Mark k;
    // The semicircle of the applications lesson: rays left and right, exchanged.
    k.Set(300, 300, 135, 300, 465, 300, -1);
    k.m.loopIndex = 9;
    k.Draw(165, count);
    const auto sectors = k.Calls("circle");
    ASSERT_EQ(sectors.size(), 1u);
    EXPECT_EQ(sectors[0].ToString().substr(0, 75),
              "circle x=300 y=300 r=165 color=0 start=0.5 end=1 filled=1 fill=13 width=3");
    EXPECT_EQ(k.m.markCount, count);
    EXPECT_EQ(k.m.loopIndex, 9);
    EXPECT_EQ(k.m.swapRays, 0);
  }
}

TEST(DrawAngleMark, NoRadiusOrNoSweepDrawsNoArcButTheLabel) {
  Mark k;
  k.Set(300, 300, 400, 300, 300, 200);
  k.Draw(20, 4, "A");  // radii 12, 4, then none left
  EXPECT_EQ(k.Calls("circle").size(), 2u);
  EXPECT_FALSE(test::VisibleTexts(k.device).empty());
  k.Set(300, 300, 400, 300, 300, 200);
  k.Draw(-5, 0, "A");
  EXPECT_TRUE(k.Calls("circle").empty());
  EXPECT_FALSE(test::VisibleTexts(k.device).empty());
  k.Set(300, 300, 400, 300, 500, 300);  // both rays to the right
  k.Draw(40, 2, "A");
  EXPECT_TRUE(k.Calls("circle").empty());
  EXPECT_EQ(k.m.figureLabel, "");
}

TEST(DrawAngleMark, LabelOnTheMarksOuterEdge) {
  Mark k;
  const float w = k.Width("A");
  k.Set(300, 300, 400, 300, 300, 200);  // bisector at 45 degrees
  k.Draw(40, 1, "A");
  const float c = std::cos(0.785397f), s = std::sin(0.785397f);
  EXPECT_NEAR(k.m.drawX - w, 300 + 40 * c + w * (c / 2 - 0.5f), 1e-3);
  EXPECT_NEAR(k.m.drawY, 300 - 40 * s - 44 * (s / 2 + 0.5f), 1e-3);
}

}  // namespace
}  // namespace orvelle
