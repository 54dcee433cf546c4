// The square grid and the row of match-stick squares.
#include "figures/grid.h"

#include <gtest/gtest.h>

#include <map>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "figures/match_squares.h"

namespace orvelle {
namespace {

using test::Lines;
using test::Pt;
using test::Strings;

struct Grid : test::Bench {
  void Draw(float x, float y, float cols, float rows, float cell, float color, int width = 3) {
    device.SetDrawWidth(width);
    m.gridOriginX = x;
    m.gridOriginY = y;
    m.gridCols = cols;
    m.boxHeight = rows;
    m.cellSize = cell;
    m.lineColor = color;
    device.ClearLog();
    DrawGrid(m);
  }
};

TEST(DrawGrid, BackgroundColorOnlyGivesTheBasePoint) {
  Grid b;
  b.m.fillColor = 7;
  b.m.loopIndex = 42;
  b.Draw(600, 30, 11, 4, 50, 15, 5);  // one of the applications lessons' calls
  EXPECT_TRUE(b.Calls(Op::kLine).empty());
  EXPECT_EQ(Pt(b.m.gridBaseX, b.m.gridBaseY), "600,230");
  EXPECT_EQ(Pt(b.m.gridRightX, b.m.gridTopY), "1150,30");
  EXPECT_EQ(Pt(b.m.fillColor, b.m.loopIndex), "7,42");
  EXPECT_EQ(b.m.piValue, 3.14159f);
  EXPECT_EQ(b.m.savedDrawWidth, 5);
  EXPECT_EQ(b.device.GetDrawWidth(), 5);
}

TEST(DrawGrid, VerticalLinesLeftToRightThenHorizontalBottomUp) {
  Grid b;
  b.Draw(100, 100, 3, 4, 35, 0, 2);
  EXPECT_EQ(Lines(b.device),
            (Strings{"100,100-100,240 w3 c14", "135,100-135,240 w1 c0", "170,100-170,240 w1 c0",
                     "205,100-205,240 w1 c0", "100,240-205,240 w3 c14", "100,205-205,205 w1 c0",
                     "100,170-205,170 w1 c0", "100,135-205,135 w1 c0", "100,100-205,100 w1 c0"}));
  EXPECT_EQ(b.m.fillColor, 14);
  EXPECT_EQ(b.m.loopIndex, 5);  // boxHeight + 1
  EXPECT_EQ(b.m.gridBaseY, 240);
  EXPECT_EQ(b.device.GetDrawWidth(), 2);
}

TEST(DrawGrid, EveryFifthLineIsThickAndAnyWidthComesBack) {
  for (int width : {1, 7, 12}) {
    Grid b;
    b.Draw(0, 0, 10, 1, 10, 2, width);
    const auto lines = b.Calls(Op::kLine);
    ASSERT_EQ(lines.size(), 13u);
    for (int i = 0; i <= 10; ++i) {
      const bool thick = i % 5 == 0;
      EXPECT_EQ(Pt(lines[i].width, lines[i].color), thick ? "3,14" : "1,2") << i;
    }
    EXPECT_EQ(b.device.GetDrawWidth(), width);
    EXPECT_EQ(b.m.savedDrawWidth, width);
  }
  Grid none;  // counts of zero or less: the left edge, then the bottom (at 60 - 40), both thick
  none.Draw(50, 60, 0, -2, 20, 0);
  EXPECT_EQ(Lines(none.device), (Strings{"50,60-50,20 w3 c14", "50,20-50,20 w3 c14"}));
}

struct Sticks : test::Bench {
  void Draw(float n, float highlight) {
    m.squareCount = n;
    m.highlightMode = highlight;
    m.gridOriginX = 100;
    m.gridOriginY = 200;
    DrawMatchSquares(m);
  }
  // The colour a pupil sees on each stick: the last one drawn over it, keyed by its position.
  std::map<std::string, int> Visible() const {
    std::map<std::string, int> seen;
    for (const auto& c : device.Calls(Op::kLine)) {
      seen[test::LineSig(c).substr(0, test::LineSig(c).find(' '))] = c.color;
    }
    return seen;
  }
};

TEST(DrawMatchSquares, FiveSquaresPointsAndStateLeftBehind) {
  Sticks s;
  for (int i = 0; i <= 50; ++i) s.m.figX[i] = s.m.figY[i] = 777;
  s.device.SetDrawWidth(3);
  s.Draw(5, 3);
  // Top corners in 0..5, bottom corners in 6..11, label points in 21..25; the rest kept.
  for (int k = 0; k <= 5; ++k) {
    EXPECT_EQ(Pt(s.m.figX[k], s.m.figY[k]), Pt(100 + 100 * k, 200)) << k;
    EXPECT_EQ(Pt(s.m.figX[6 + k], s.m.figY[6 + k]), Pt(100 + 100 * k, 300)) << k;
  }
  for (int i = 1; i <= 5; ++i)
    EXPECT_EQ(Pt(s.m.figX[20 + i], s.m.figY[20 + i]), Pt(31 + 100 * i, 228));
  for (int i : {12, 13, 19, 20, 26, 30, 50})
    EXPECT_EQ(Pt(s.m.figX[i], s.m.figY[i]), "777,777") << i;
  EXPECT_EQ(s.m.lineColor, 3);
  EXPECT_EQ(s.device.GetDrawWidth(), 7);
  EXPECT_EQ(Pt(s.m.gridCols, s.m.boxHeight), "5,1");
  EXPECT_EQ(s.m.cellSize, 100);
  EXPECT_EQ(Pt(s.m.gridBaseX, s.m.gridBaseY), "100,300");
  EXPECT_EQ(s.m.loopIndex, 0);
  EXPECT_EQ(s.m.savedDrawWidth, 3);

  // Right to left, 8 short of the corners, at width 7: square 5 first (right, top, left,
  // bottom).
  const auto lines = Lines(s.device);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(Strings(lines.begin(), lines.begin() + 4),
            (Strings{"600,208-600,292 w7 c3", "592,200-508,200 w7 c3", "500,208-500,292 w7 c3",
                     "592,300-508,300 w7 c3"}));

  // What a pupil sees: the squares alternate in colour from the right.
  const auto seen = s.Visible();
  for (int i = 1; i <= 5; ++i) {
    const int x = 100 * i + 100, color = i % 2 == 0 ? 0 : 3;
    EXPECT_EQ(seen.at(Pt(x, 208) + "-" + Pt(x, 292)), color) << i;           // right
    EXPECT_EQ(seen.at(Pt(x - 8, 200) + "-" + Pt(x - 92, 200)), color) << i;  // top
    EXPECT_EQ(seen.at(Pt(x - 8, 300) + "-" + Pt(x - 92, 300)), color) << i;  // bottom
  }
  EXPECT_EQ(seen.at("100,208-100,292"), 3);  // square 1's left stick
}

TEST(DrawMatchSquares, TwoSquaresOneSquareAndNoHighlight) {
  Sticks s;
  s.Draw(2, 3);  // the left-hand square all black
  EXPECT_EQ(s.m.lineColor, 0);
  const auto seen = s.Visible();
  for (const char* stick : {"100,208-100,292", "192,200-108,200", "200,208-200,292"}) {
    EXPECT_EQ(seen.at(stick), 0) << stick;
  }
  EXPECT_EQ(seen.at("300,208-300,292"), 3);
  EXPECT_EQ(seen.at("292,300-208,300"), 3);

  Sticks one;
  one.Draw(1, 3);
  for (const auto& c : one.Calls(Op::kLine)) EXPECT_EQ(c.color, 3);
  Sticks plain;
  plain.Draw(3, 0);
  for (const auto& c : plain.Calls(Op::kLine)) EXPECT_EQ(c.color, 0);
  EXPECT_EQ(plain.m.lineColor, 0);
}

TEST(DrawMatchSquares, CountsOutsideOneToNineDrawNothing) {
  for (float n : {0.0f, -1.0f, 10.0f, 2.5f, 1e9f}) {
    Sticks s;
    s.m.lineColor = 4;
    s.m.figX[0] = 5;
    s.device.ClearLog();
    s.Draw(n, 3);
    EXPECT_TRUE(s.device.log().empty()) << n;
    EXPECT_EQ(s.m.lineColor, 4);
    EXPECT_EQ(s.m.figX[0], 5);
  }
  Sticks nine;  // the last bottom corner just below the label points
  nine.Draw(9, 3);
  EXPECT_EQ(nine.Calls(Op::kLine).size(), 36u);
  EXPECT_EQ(Pt(nine.m.figX[19], nine.m.figX[29]), "1000,931");
}

}  // namespace
}  // namespace orvelle
