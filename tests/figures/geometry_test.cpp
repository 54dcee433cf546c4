// Perpendicular feet, crossings and points of lines.
#include "figures/geometry.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Pt;

struct Points {
  float x1, y1, x2, y2, x3, y3, x4, y4;
};

struct Lines : test::Bench {
  void Set(const Points& p) {
    m.segX1 = p.x1;
    m.segY1 = p.y1;
    m.segX2 = p.x2;
    m.segY2 = p.y2;
    m.segX3 = p.x3;
    m.segY3 = p.y3;
    m.segX4 = p.x4;
    m.segY4 = p.y4;
  }
  std::string Ranges() const {
    return Pt(m.axisXMin, m.axisYMin) + " " + Pt(m.axisXMax, m.axisYMax);
  }
};

TEST(FindPerpendicularFoot, FootOfThePerpendicularFromTheThirdPoint) {
  const struct {
    Points p;
    const char* foot;
  } cases[] = {
      {{30, 0, 30, 90, 80, 40}, "30,40"},    // a vertical line
      {{0, 60, 100, 60, 80, 40}, "80,60"},   // a horizontal one
      {{20, 20, 20, 20, 80, 40}, "20,40"},   // equal points: vertical (its x is tested first)
      {{10, 20, 110, 70, 60, 45}, "60,45"},  // a point on the line is its own foot
  };
  for (const auto& c : cases) {
    Lines b;
    b.m.axisXMin = b.m.axisXMax = b.m.axisYMin = b.m.axisYMax = -7;
    b.Set(c.p);
    FindPerpendicularFoot(b.m);
    EXPECT_EQ(Pt(b.m.segPX, b.m.segPY), c.foot);
    // Only the general case keeps its slopes and intercepts in the axis ranges.
    EXPECT_EQ(b.Ranges(), c.p.x1 == c.p.x2 || c.p.y1 == c.p.y2 ? "-7,-7 -7,-7" : "0.5,15 -2,165")
        << c.foot;
  }
  Lines b;
  b.Set({0, 0, 100, 100, 100, 0});
  FindPerpendicularFoot(b.m);
  EXPECT_EQ(Pt(b.m.segPX, b.m.segPY), "50,50");
  EXPECT_EQ(b.Ranges(), "1,0 -1,100");
  // The foot's marker is a small disc in the background colour.
  EXPECT_EQ(test::Circles(b.device), test::Strings{"50,50 r2 c15 f15 w3"});
}

TEST(FindLineIntersection, CrossingsOfSlopingVerticalAndHorizontalLines) {
  const struct {
    Points p;
    const char* cross;  // parallel lines leave the crossing at 11,22
    const char* lines;  // slope and intercept of each line; a vertical one's slope is 1000
  } cases[] = {
      {{0, 0, 100, 100, 0, 100, 100, 0}, "50,50", "1,0 -1,100"},
      {{30, 0, 30, 100, 0, 70, 100, 70}, "30,70", "1000,0 0,70"},  // vertical, then horizontal
      {{0, 70, 100, 70, 30, 0, 30, 100}, "30,70", "0,70 1000,0"},
      {{0, 0, 1, 1000, 0, 500, 100, 500}, "0.5,500", "1000,0 0,500"},  // a real slope of 1000
      {{0, 0, 1, 1000, 2, 0, 2, 50}, "2,2000", "1000,0 1000,0"},       // ... against a vertical
      {{0, 0, 10, 10, 0, 5, 10, 15}, "11,22", "1,0 1,5"},              // parallel
      {{0, 0, 0, 10, 5, 0, 5, 10}, "5,22", "1000,0 1000,0"},  // two verticals: the second one's x
      {{4, 4, 4, 4, 30, 0, 30, 100}, "30,4", "0,4 1000,0"},   // equal points: horizontal here
  };
  for (const auto& c : cases) {
    Lines b;
    b.m.crossX = 11;
    b.m.crossY = 22;
    b.Set(c.p);
    FindLineIntersection(b.m);
    EXPECT_EQ(Pt(b.m.crossX, b.m.crossY), c.cross);
    EXPECT_EQ(Pt(b.m.slope1, b.m.intercept1) + " " + Pt(b.m.slope2, b.m.intercept2), c.lines)
        << c.cross;
    EXPECT_TRUE(b.device.log().empty());
  }
}

TEST(LinePointAtXOrY, PointAtAGivenXOrY) {
  const struct {
    Points p;
    const char* point;
  } cases[] = {
      {{0, 0, 100, 50, -1, 25}, "50,25"},    // at y 25
      {{0, 0, 100, 50, 40, -1}, "40,20"},    // at x 40
      {{0, 0, 100, 50, -10, -1}, "-10,-5"},  // both negative: at the x
      {{0, 0, 100, 50, 0, 0}, "7,8"},        // neither: the point stays as it was
      {{70, 0, 70, 100, 5, 33}, "70,33"},    // a vertical line
      {{0, 30, 100, 30, 44, 5}, "44,30"},    // a horizontal line
  };
  for (const auto& c : cases) {
    Lines b;
    b.m.originX = 7;
    b.m.originY = 8;
    b.Set(c.p);
    LinePointAtXOrY(b.m);
    EXPECT_EQ(Pt(b.m.originX, b.m.originY), c.point);
  }
}

}  // namespace
}  // namespace orvelle
