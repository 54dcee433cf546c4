// Ray angles, angle labels and angle marks.
#include "figures/angles.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "core/measure.h"

namespace orvelle {
namespace {

using test::Circles;
using test::Pt;
using test::Strings;

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
  // Multiples of the figures' pi, 3.14159, not of the true one.
  const struct {
    float ax, ay, rad;
  } cases[] = {{400, 300, 0},         {300, 200, 1.570795f}, {200, 300, 3.14159f},
               {300, 400, 4.712385f}, {400, 200, 0.785397f}, {200, 400, 3.926987f},
               {300, 300, 3.14159f}};  // a point on the vertex
  Angle a;
  for (const auto& c : cases) {
    a.Set(300, 300, c.ax, c.ay);
    RayAngle(a.m);
    EXPECT_NEAR(a.m.rayAngleRad, c.rad, 1e-6) << c.ax << "," << c.ay;
  }
  EXPECT_EQ(a.m.piValue, 3.14159f);
  a.Set(300, 300, 300, 400);
  RayAngle(a.m);
  EXPECT_EQ(a.m.rayAngleDeg, 270);
}

TEST(ComputeRayAngles, TurnsExchangeAndBisector) {
  Angle a;
  a.Set(300, 300, 400, 300, 300, 300);
  ComputeRayAngles(a.m);
  EXPECT_EQ(Pt(a.m.rayTurnA, a.m.rayTurnB), "1,0.5");  // to the right: a whole turn, not 0
  EXPECT_EQ(a.m.rayAngleB, 3.14159f);
  EXPECT_EQ(a.m.rayAngleRad, 3.14159f);  // B's direction is left in the working value

  // A up, B down: only -1 exchanges the rays.
  for (float swap : {1.0f, 0.0f, -2.0f, -1.0f}) {
    a.Set(300, 300, 300, 200, 300, 400, swap);
    ComputeRayAngles(a.m);
    const bool swapped = swap == -1;
    EXPECT_EQ(a.m.rayAngleA, swapped ? 4.712385f : 1.570795f) << swap;
    EXPECT_EQ(a.m.rayTurnA, swapped ? 0.25f : 0.75f) << swap;
    // Up to down counterclockwise runs through the left; exchanged, through the right.
    EXPECT_NEAR(a.m.bisectorAngle, swapped ? 2 * 3.14159f : 3.14159f, 1e-6) << swap;
    EXPECT_EQ(a.m.swapRays, swap);          // not reset here
    EXPECT_EQ(a.m.rayAngleRad, 4.712385f);  // B's direction before the exchange
  }

  // The bisector of the sweep from A to B, in degrees.
  const struct { float a, b, bisector; } sweeps[] = {{10, 350, 180}, {350, 10, 360}, {60, 60, 60}};
  for (const auto& s : sweeps) {
    const Point p = Angle::At(s.a), q = Angle::At(s.b);
    a.Set(300, 300, p.x, p.y, q.x, q.y);
    ComputeRayAngles(a.m);
    EXPECT_NEAR(a.m.bisectorAngle * 180 / 3.14159f, s.bisector, 1e-3) << s.a << " " << s.b;
  }
}

TEST(DrawAngleLabel, PlacedOffTheAnchorAlongTheBisector) {
  const struct {
    float ax, ay, bx, by;
    const char* label;
    float radius;
    float centred;  // how much of the width the text starts left of the anchor
    float y, lettersPos;
  } cases[] = {
      {300, 300, 500, 300, "3m", 0, 0.5f, 300, 0},     // bisector down: hangs centred below
      {400, 400, 400, 200, "3m", 0, 0, 278, 0},        // bisector right: centred in height
      {500, 300, 300, 300, "ﾀ1/2ﾀ", 0, 0.5f, 220, 1},  // up; a fraction stands 80 high
      {500, 300, 300, 300, "A", 30, 0.5f, 226, 0},     // up, the anchor 30 above the vertex
  };
  for (const auto& c : cases) {
    Angle a;
    const float w = a.Width(c.label);
    ASSERT_GT(w, 0);
    a.Set(400, 300, c.ax, c.ay, c.bx, c.by);
    a.m.figureLabel = c.label;
    a.m.markRadius = c.radius;
    a.m.drawColor = 5;
    a.device.ClearLog();
    DrawAngleLabel(a.m);
    SCOPED_TRACE(c.label);
    EXPECT_NEAR(a.m.drawX - w, 400 - c.centred * w, 1e-3);  // drawX is the x after the label
    EXPECT_NEAR(a.m.drawY, c.y, 1e-3);
    EXPECT_EQ(a.m.textWidth, w);
    EXPECT_EQ(a.m.lettersPos, c.lettersPos);
    const auto texts = test::VisibleTexts(a.device);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].color, 5);
    if (c.lettersPos == 0) {
      EXPECT_NEAR(texts[0].x1, a.m.drawX - w, 1e-3);
    }
  }
}

TEST(DrawAngleLabel, OneShotInputsAreClearedEvenWithoutALabel) {
  for (const char* label : {"A", ""}) {
    Angle a;
    a.Set(400, 300, 500, 300, 300, 300, -1);
    a.m.figureLabel = label;
    a.m.markRadius = 12;
    a.m.labelOffsetX = 7;
    a.m.labelOffsetY = -9;
    a.device.ClearLog();
    DrawAngleLabel(a.m);
    SCOPED_TRACE(label);
    EXPECT_EQ(test::VisibleTexts(a.device).empty(), *label == 0);
    EXPECT_EQ(Pt(a.m.swapRays, a.m.markRadius), "0,0");
    EXPECT_EQ(Pt(a.m.labelOffsetX, a.m.labelOffsetY), "0,0");
    EXPECT_EQ(a.m.figureLabel + a.m.drawText, "");
    EXPECT_EQ(Pt(a.m.vertexX, a.m.pointBX), "400,300");  // the angle itself is kept
  }
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

TEST(DrawAngleMark, ArcsInsideTheRadiusOrOneFilledSector) {
  Mark k;
  k.Set(300, 300, 400, 300, 300, 200);  // right and up: the quarter from 0.75 to 1
  k.Draw(40, 3);
  EXPECT_EQ(Circles(k.device), (Strings{"300,300 r32 c13 0.75-1 w3", "300,300 r24 c13 0.75-1 w3",
                                        "300,300 r16 c13 0.75-1 w3"}));
  EXPECT_EQ(k.m.loopIndex, 4);
  EXPECT_EQ(k.m.markRadius, 0);
  k.Draw(40, 7);  // more than six: one
  EXPECT_EQ(Circles(k.device), (Strings{"300,300 r32 c13 0.75-1 w3"}));
  EXPECT_EQ(k.m.markCount, 1);

  for (float count : {0.0f, -2.0f}) {
    // The semicircle of the applications lesson: rays left and right, exchanged.
    Mark s;
    s.Set(300, 300, 135, 300, 465, 300, -1);
    s.m.loopIndex = 9;
    s.Draw(165, count);
    EXPECT_EQ(Circles(s.device), (Strings{"300,300 r165 c0 0.5-1 f13 w3"}));
    EXPECT_EQ(Pt(s.m.markCount, s.m.loopIndex), Pt(count, 9));
    EXPECT_EQ(s.m.swapRays, 0);
  }
}

TEST(DrawAngleMark, NoRadiusOrNoSweepDrawsNoArcButTheLabel) {
  const struct {
    float bx, by, radius, count;
    size_t arcs;
  } cases[] = {{300, 200, 20, 4, 2},   // radii 12, 4, then none left
               {300, 200, -5, 0, 0},   // no sector without a radius
               {500, 300, 40, 2, 0}};  // both rays to the right: no sweep
  for (const auto& c : cases) {
    Mark k;
    k.Set(300, 300, 400, 300, c.bx, c.by);
    k.Draw(c.radius, c.count, "A");
    EXPECT_EQ(k.Calls(Op::kCircle).size(), c.arcs) << c.radius;
    EXPECT_FALSE(test::VisibleTexts(k.device).empty());
    EXPECT_EQ(k.m.figureLabel, "");
  }
}

TEST(DrawAngleMark, LabelOnTheMarksOuterEdge) {
  Mark k;
  const float w = k.Width("A");
  k.Set(300, 300, 400, 300, 200, 300);  // bisector up
  k.Draw(40, 1, "A");
  EXPECT_NEAR(k.m.drawX - w, 300 - w / 2, 1e-3);
  EXPECT_NEAR(k.m.drawY, 300 - 40 - 44, 1e-3);
}

}  // namespace
}  // namespace orvelle
