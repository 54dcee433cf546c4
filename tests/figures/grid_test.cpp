// The square grid and the row of match-stick squares.
#include "figures/grid.h"

#include <gtest/gtest.h>

#include <map>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "figures/match_squares.h"

namespace orvelle {
namespace {

using Strings = std::vector<std::string>;
using test::Lines;

void SetGrid(Machine& m, float x, float y, float cols, float rows, float cell, float colour) {
  m.gridOriginX = x;
  m.gridOriginY = y;
  m.gridCols = cols;
  m.boxHeight = rows;
  m.cellSize = cell;
  m.lineColor = colour;
}

TEST(DrawGrid, BackgroundColourOnlyGivesTheBasePoint) {
  test::Bench b;
  b.device.SetDrawWidth(5);
  b.m.fillColor = 7;
  b.m.loopIndex = 42;
  SetGrid(b.m, 600, 30, 11, 4, 50, 15);
  DrawGrid(b.m);
  EXPECT_TRUE(b.Calls("line").empty());
  EXPECT_EQ(b.m.gridBaseX, 600);
  EXPECT_EQ(b.m.gridBaseY, 230);
  EXPECT_EQ(b.m.gridRightX, 1150);
  EXPECT_EQ(b.m.gridTopY, 30);
  EXPECT_EQ(b.m.fillColor, 7);
  EXPECT_EQ(b.m.loopIndex, 42);
  EXPECT_EQ(b.m.piValue, 3.14159f);
  EXPECT_EQ(b.m.savedDrawWidth, 5);
  EXPECT_EQ(b.device.GetDrawWidth(), 5);
}

TEST(DrawGrid, VerticalLinesLeftToRightThenHorizontalBottomUp) {
  test::Bench b;
  b.device.SetDrawWidth(2);
  SetGrid(b.m, 100, 100, 3, 4, 35, 0);
  DrawGrid(b.m);
  EXPECT_EQ(Lines(b.device), (Strings{
                                 "100,100-100,240 w3 c14",
                                 "135,100-135,240 w1 c0",
                                 "170,100-170,240 w1 c0",
                                 "205,100-205,240 w1 c0",
                                 "100,240-205,240 w3 c14",
                                 "100,205-205,205 w1 c0",
                                 "100,170-205,170 w1 c0",
                                 "100,135-205,135 w1 c0",
                                 "100,100-205,100 w1 c0",
                             }));
  EXPECT_EQ(b.m.fillColor, 14);
  EXPECT_EQ(b.m.loopIndex, 5);  // boxHeight + 1
  EXPECT_EQ(b.m.gridBaseY, 240);
  EXPECT_EQ(b.device.GetDrawWidth(), 2);
}

TEST(DrawGrid, EveryFifthLineIsThick) {
  test::Bench b;
  SetGrid(b.m, 0, 0, 10, 1, 10, 2);
  DrawGrid(b.m);
  const auto lines = b.Calls("line");
  ASSERT_EQ(lines.size(), 13u);
  for (int i = 0; i <= 10; ++i) {
    const bool thick = i % 5 == 0;
    EXPECT_EQ(lines[i].width, thick ? 3 : 1) << i;
    EXPECT_EQ(lines[i].color, thick ? 14 : 2) << i;
  }
}

TEST(DrawGrid, CountsOfZeroOrLessStillDrawTheEdges) {
  test::Bench b;
  SetGrid(b.m, 50, 60, 0, -2, 20, 0);
  DrawGrid(b.m);
  // The left edge, then the bottom edge (at y = 60 - 40), both thick.
  EXPECT_EQ(Lines(b.device), (Strings{"50,60-50,20 w3 c14", "50,20-50,20 w3 c14"}));
}

TEST(DrawGrid, GivesBackAnyWidth) {
  for (int width : {1, 3, 7, 12}) {
    test::Bench b;
    b.device.SetDrawWidth(width);
    SetGrid(b.m, 0, 0, 6, 6, 10, 0);
    DrawGrid(b.m);
    EXPECT_EQ(b.device.GetDrawWidth(), width);
    EXPECT_EQ(b.m.savedDrawWidth, width);
  }
}

struct Sticks : test::Bench {
  void Draw(float n, float highlight, float x = 100, float y = 200) {
    m.squareCount = n;
    m.highlightMode = highlight;
    m.gridOriginX = x;
    m.gridOriginY = y;
    DrawMatchSquares(m);
  }
  // The colour a pupil sees on each stick: the last one drawn over it. Sticks are keyed by their
  // corner-to-corner position.
  std::map<std::string, int> Visible() const {
    std::map<std::string, int> seen;
    for (const auto& c : device.Calls("line")) {
      seen[test::LineSig(c).substr(0, test::LineSig(c).find(' '))] = c.color;
    }
    return seen;
  }
};

TEST(DrawMatchSquares, FiveSquaresPointsAndStateLeftBehind) {
  Sticks s;
  for (int i = 0; i <= 50; ++i) {
    s.m.figX[i] = 777;
    s.m.figY[i] = 777;
  }
  s.device.SetDrawWidth(3);
  s.Draw(5, 3);
  for (int k = 0; k <= 5; ++k) {
    EXPECT_EQ(s.m.figX[k], 100 + 100 * k);
    EXPECT_EQ(s.m.figY[k], 200);
    EXPECT_EQ(s.m.figX[6 + k], 100 + 100 * k);
    EXPECT_EQ(s.m.figY[6 + k], 300);
  }
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(s.m.figX[20 + i], 31 + 100 * i);
    EXPECT_EQ(s.m.figY[20 + i], 228);
  }
  for (int i : {12, 13, 19, 20, 26, 30, 50}) {
    EXPECT_EQ(s.m.figX[i], 777) << i;
    EXPECT_EQ(s.m.figY[i], 777) << i;
  }
  EXPECT_EQ(s.m.lineColor, 3);
  EXPECT_EQ(s.device.GetDrawWidth(), 7);
  EXPECT_EQ(s.m.gridCols, 5);
  EXPECT_EQ(s.m.boxHeight, 1);
  EXPECT_EQ(s.m.cellSize, 100);
  EXPECT_EQ(s.m.gridBaseX, 100);
  EXPECT_EQ(s.m.gridBaseY, 300);
  EXPECT_EQ(s.m.loopIndex, 0);
  EXPECT_EQ(s.m.savedDrawWidth, 3);
}

TEST(DrawMatchSquares, SticksStopShortOfTheCornersRightToLeft) {
  Sticks s;
  s.Draw(5, 3);
  const auto lines = Lines(s.device);
  ASSERT_EQ(lines.size(), 20u);
  // Square 5 first: right, top, left, bottom.
  EXPECT_EQ(lines[0], "600,208-600,292 w7 c3");
  EXPECT_EQ(lines[1], "592,200-508,200 w7 c3");
  EXPECT_EQ(lines[2], "500,208-500,292 w7 c3");
  EXPECT_EQ(lines[3], "592,300-508,300 w7 c3");
  // Square 1 last: its left side and its top.
  EXPECT_EQ(lines[18], "100,208-100,292 w7 c3");
  EXPECT_EQ(lines[17], "192,200-108,200 w7 c3");
}

TEST(DrawMatchSquares, VisibleColoursAlternateFromTheRight) {
  Sticks s;
  s.Draw(5, 3);
  const auto seen = s.Visible();
  const int colour[] = {0, 3, 0, 3, 0, 3};  // square i's own colour, i = 1..5
  for (int i = 1; i <= 5; ++i) {
    const int x = 100 * i + 100;
    const std::string right = std::to_string(x) + ",208-" + std::to_string(x) + ",292";
    const std::string top = std::to_string(x - 8) + ",200-" + std::to_string(x - 92) + ",200";
    const std::string bottom = std::to_string(x - 8) + ",300-" + std::to_string(x - 92) + ",300";
    EXPECT_EQ(seen.at(right), colour[i]) << i;
    EXPECT_EQ(seen.at(top), colour[i]) << i;
    EXPECT_EQ(seen.at(bottom), colour[i]) << i;
  }
  EXPECT_EQ(seen.at("100,208-100,292"), 3);  // square 1's left stick
}

TEST(DrawMatchSquares, TwoSquaresLeaveTheFirstInBlack) {
  Sticks s;
  s.Draw(2, 3);
  EXPECT_EQ(s.m.lineColor, 0);
  const auto seen = s.Visible();
  EXPECT_EQ(seen.at("100,208-100,292"), 0);
  EXPECT_EQ(seen.at("192,200-108,200"), 0);
  EXPECT_EQ(seen.at("200,208-200,292"), 0);
  EXPECT_EQ(seen.at("300,208-300,292"), 3);
  EXPECT_EQ(seen.at("292,300-208,300"), 3);
}

TEST(DrawMatchSquares, HighlightZeroIsAllBlack) {
  Sticks s;
  s.Draw(3, 0);
  for (const auto& c : s.Calls("line")) EXPECT_EQ(c.color, 0);
  EXPECT_EQ(s.m.lineColor, 0);
  Sticks one;
  one.Draw(1, 3);
  for (const auto& c : one.Calls("line")) EXPECT_EQ(c.color, 3);
}

TEST(DrawMatchSquares, CountsOutsideOneToNineDrawNothing) {
  for (float n : {0.0f, -1.0f, 10.0f, 2.5f, 1e9f}) {
    Sticks s;
    s.device.SetDrawWidth(3);
    s.m.lineColor = 4;
    s.m.figX[0] = 5;
    s.device.ClearLog();
    s.Draw(n, 3);
    EXPECT_TRUE(s.device.log().empty()) << n;
    EXPECT_EQ(s.device.GetDrawWidth(), 3);
    EXPECT_EQ(s.m.lineColor, 4);
    EXPECT_EQ(s.m.figX[0], 5);
  }
  Sticks nine;
  nine.Draw(9, 3);
  EXPECT_EQ(nine.Calls("line").size(), 36u);
  EXPECT_EQ(nine.m.figX[29], 100 + 900 - 69);
  EXPECT_EQ(nine.m.figX[19], 1000);  // the last bottom corner, just below the label points
}

}  // namespace
}  // namespace orvelle
