// The coordinate plane: axes, tick numbers, plotted points and graphs.
#include "figures/axes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "figures/graphs.h"

namespace orvelle {
namespace {

using Strings = std::vector<std::string>;

struct Plane : test::Bench {
  void Set(float xMin, float xMax, float yMin, float yMax, float cell, float colour,
           float xStep = 1, float yStep = 1) {
    m.axisXMin = xMin;
    m.axisXMax = xMax;
    m.axisYMin = yMin;
    m.axisYMax = yMax;
    m.axisXStep = xStep;
    m.axisYStep = yStep;
    m.cellSize = cell;
    m.lineColor = colour;
    m.gridOriginX = 0;
    m.gridOriginY = 0;
  }
  // Visible texts as "x,y sx x sy text".
  Strings Texts() const {
    Strings out;
    for (const auto& c : test::VisibleTexts(device)) {
      char buf[96];
      std::snprintf(buf, sizeof buf, "%g,%g %dx%d %s", c.x1, c.y1, c.scaleX, c.scaleY, c.s.c_str());
      out.push_back(buf);
    }
    return out;
  }
};

TEST(DrawAxes, GridNumbersAxesAndLetters) {
  Plane p;
  p.device.SetDrawWidth(2);
  p.Set(-10, 10, -5, 5, 20, 5);
  p.m.hideAxisNumbers = 0;
  p.device.ClearLog();
  DrawAxes(p.m);
  EXPECT_EQ(p.m.gridOriginX, 640);
  EXPECT_EQ(p.m.gridOriginY, 180);
  EXPECT_EQ(p.m.gridBaseX, 840);
  EXPECT_EQ(p.m.gridBaseY, 280);
  EXPECT_EQ(p.m.gridRightX, 1040);
  EXPECT_EQ(p.m.gridBottomY, 380);
  EXPECT_EQ(p.m.figureSize, 26);
  const auto lines = p.Calls("line");
  // 21 + 11 thin lines, 5 + 3 thick ones, the two axes.
  ASSERT_EQ(lines.size(), 42u);
  EXPECT_EQ(test::LineSig(lines[0]), "639.5,180-639.5,380 w1 c0");
  EXPECT_EQ(test::LineSig(lines[21]), "640,379.5-1040,379.5 w1 c0");
  EXPECT_EQ(test::LineSig(lines[32]), "640,180-640,380 w3 c1");
  EXPECT_EQ(test::LineSig(lines[37]), "640,380-1040,380 w3 c1");
  EXPECT_EQ(test::LineSig(lines[40]), "840,180-840,380 w4 c0");
  EXPECT_EQ(test::LineSig(lines[41]), "640,280-1040,280 w4 c0");
  EXPECT_EQ(p.Texts(), (Strings{
                           "601,280 2x1 -10",
                           "714,280 2x1 -5",
                           "927,280 2x1 5",
                           "1014,280 2x1 10",
                           "788,363 2x1 -5",
                           "814,163 2x1 5",
                           "1019.2,241 3x2 x",
                           "814,280 2x1 0",
                           "840,167 2x1 y",
                       }));
  const auto texts = test::VisibleTexts(p.device);
  EXPECT_EQ(texts[6].font.name, "Times New Roman");
  EXPECT_TRUE(texts[6].font.italic);
  EXPECT_TRUE(texts[6].font.bold);
  EXPECT_FLOAT_EQ(texts[6].font.size, 20.8f);
  EXPECT_EQ(texts[7].font.name, "ゴシック");
  EXPECT_FALSE(texts[7].font.italic);
  EXPECT_EQ(texts[7].font.size, 26);
  // Left behind: the font, the width, the flag, the steps and ranges in grid lines.
  EXPECT_EQ(p.device.font().name, "ゴシック");
  EXPECT_EQ(p.device.font().size, 16);
  EXPECT_FALSE(p.device.font().bold);
  EXPECT_FALSE(p.device.font().italic);
  EXPECT_EQ(p.device.GetDrawWidth(), 2);
  EXPECT_EQ(p.m.hideAxisNumbers, 0);
  EXPECT_EQ(p.m.drawText, "y");
  EXPECT_EQ(p.m.drawColor, 0);
}

TEST(DrawAxes, LabelSizeFollowsTheCell) {
  Plane small, large;
  small.Set(-5, 5, -5, 5, 39, 5);
  large.Set(-5, 5, -5, 5, 40, 5);
  DrawAxes(small.m);
  DrawAxes(large.m);
  EXPECT_EQ(small.m.figureSize, 26);
  EXPECT_EQ(large.m.figureSize, 30);
}

TEST(DrawAxes, ColourZeroDrawsOnlyTheAxesAndLetters) {
  Plane p;
  p.Set(-10, 10, -5, 5, 20, 0);
  DrawAxes(p.m);
  EXPECT_EQ(p.Calls("line").size(), 2u);
  EXPECT_EQ(p.Texts(), (Strings{"1019.2,241 3x2 x", "814,280 2x1 0", "840,167 2x1 y"}));
}

TEST(DrawAxes, HiddenNumbersForOneCall) {
  Plane p;
  p.Set(-10, 10, -5, 5, 20, 5);
  p.m.hideAxisNumbers = -1;
  DrawAxes(p.m);
  EXPECT_EQ(p.Calls("line").size(), 42u);
  EXPECT_EQ(p.Texts().size(), 3u);
  EXPECT_EQ(p.m.hideAxisNumbers, 0);
}

TEST(DrawAxes, StepsArePositiveAndRangesCountGridLines) {
  Plane p;
  p.Set(-20, 20, -10, 10, 20, 5, -2, 0);
  p.m.gridOriginX = 100;
  p.m.gridOriginY = 50;
  DrawAxes(p.m);
  EXPECT_EQ(p.m.axisXStep, 2);
  EXPECT_EQ(p.m.axisYStep, 1);
  EXPECT_EQ(p.m.axisXMin, -10);
  EXPECT_EQ(p.m.axisXMax, 10);
  EXPECT_EQ(p.m.gridOriginX, 100);  // kept when not both 0
  // Its own numbers count grid lines: "5" at the fifth line right of the origin.
  EXPECT_EQ(p.Texts()[2], "387,250 2x1 5");
}

TEST(DrawDecimalAxisLabels, ValuesWithOneDecimal) {
  Plane p;
  p.Set(-10, 10, -5, 5, 20, 5);
  p.m.hideAxisNumbers = -1;
  DrawAxes(p.m);
  p.m.axisXStep = 0.5f;
  p.m.axisYStep = 0.7f;
  p.device.ClearLog();
  DrawDecimalAxisLabels(p.m);
  EXPECT_EQ(p.Texts(), (Strings{
                           // x: -5, -2.5, 2.5, 5 (the point after the whole part)
                           "614,284 2x1 -5",
                           "701,284 2x1 -25",
                           "747,288 2x1 .",
                           "914,284 2x1 25",
                           "934,288 2x1 .",
                           "1027,284 2x1 5",
                           // y: -3.5, 3.5 (5 x 0.7 is 3.4999999 in single precision)
                           "762,367 2x1 -35",
                           "808,371 2x1 .",
                           "788,167 2x1 35",
                           "808,171 2x1 .",
                       }));
  EXPECT_EQ(p.device.font().size, 16);
  EXPECT_EQ(p.m.intPartText, "3");
  EXPECT_EQ(p.m.tenthsText, "5");
  EXPECT_EQ(p.m.tenthsDigit, 5);
}

TEST(DrawDecimalAxisLabels, NegativeValuesKeepTheirDigits) {
  Plane p;
  p.Set(-5, 0, -1, 1, 20, 5);
  p.m.hideAxisNumbers = -1;
  DrawAxes(p.m);
  p.m.axisXStep = 0.1f;
  p.device.ClearLog();
  DrawDecimalAxisLabels(p.m);
  const auto texts = p.Texts();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0].substr(texts[0].find(' ') + 5), "-05");  // reads -0.5, not -1.5
  EXPECT_EQ(texts[1].substr(texts[1].find(' ') + 5), ".");
}

TEST(PlotPoint, DiscAndLabelThenStepsAndOffsetsReset) {
  Plane p;
  p.Set(-10, 10, -5, 5, 20, 5);
  DrawAxes(p.m);
  p.m.pointValueX = 0;
  p.m.pointValueY = 0;
  p.m.pointRadius = 4;
  p.m.fillColor = 4;
  p.m.figureLabel = "A";
  p.m.axisXStep = 0;
  p.m.plotLabelDX = 3;
  p.device.ClearLog();
  PlotPoint(p.m);
  const auto discs = p.Calls("circle");
  ASSERT_EQ(discs.size(), 1u);
  EXPECT_EQ(discs[0].ToString().substr(0, 60),
            "circle x=840 y=280 r=4 color=4 start=0 end=0 filled=1 fill=4");
  const auto texts = test::VisibleTexts(p.device);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].x1, 823);
  EXPECT_EQ(texts[0].color, 4);
  EXPECT_EQ(p.m.plotScreenX, 840);
  EXPECT_EQ(p.m.figureLabel, "A");
  EXPECT_EQ(p.m.plotLabelDX, 0);
  EXPECT_EQ(p.m.axisXStep, 1);
  EXPECT_EQ(p.m.axisYStep, 1);
  p.m.pointValueX = 2;
  p.m.pointValueY = -1;
  p.m.axisXStep = 2;
  p.m.axisYStep = -1;  // a negative step stays negative for this point
  PlotPoint(p.m);
  EXPECT_EQ(p.m.plotScreenX, 860);
  EXPECT_EQ(p.m.plotScreenY, 260);
}

struct Graph : Plane {
  void Plot(float type, float a, float b, float c, float xMin = -5, float xMax = 5) {
    m.gridBaseX = 500;
    m.gridBaseY = 400;
    m.cellSize = 10;
    m.gridTopY = 0;
    m.gridBottomY = 800;
    m.axisXMin = xMin;
    m.axisXMax = xMax;
    m.axisYMin = -5;
    m.axisYMax = 5;
    m.axisXStep = 1;
    m.axisYStep = 1;
    m.graphType = type;
    m.graphA = a;
    m.graphB = b;
    m.graphC = c;
    m.fillColor = 2;
    m.figureLabel = "y";
    device.ClearLog();
    PlotGraph(m);
  }
};

TEST(PlotGraph, StraightLineAsDots) {
  Graph g;
  g.device.SetDrawWidth(2);
  g.m.plotLabelDX = 4;
  g.m.plotLabelDY = -6;
  g.Plot(3, 2, 1, 0);
  const auto dots = g.Calls("circle");
  ASSERT_EQ(dots.size(), 5001u);
  EXPECT_NEAR(dots[0].x1, 450, 1e-3);
  EXPECT_NEAR(dots[0].y1, 490, 1e-3);  // (-5, -9)
  EXPECT_NEAR(dots.back().x1, 550, 0.05);
  EXPECT_NEAR(dots.back().y1, 290, 0.1);  // (5, 11)
  EXPECT_EQ(dots[0].r, 1);
  EXPECT_EQ(dots[0].color, 2);
  const auto label = test::VisibleTexts(g.device);
  ASSERT_FALSE(label.empty());
  EXPECT_NEAR(label[0].x1, dots.back().x1 + 4, 1e-3);
  EXPECT_EQ(g.m.boxWidth, 5000);
  EXPECT_EQ(g.m.loopIndex, 5001);
  EXPECT_EQ(g.m.plotLabelDX, 0);
  EXPECT_EQ(g.m.plotLabelDY, 0);
  EXPECT_EQ(g.device.GetDrawWidth(), 2);
  EXPECT_EQ(g.m.drawColor, 2);
}

TEST(PlotGraph, InverseProportionStepsOverZero) {
  Graph g;
  g.Plot(1, 6, 0, 0);
  EXPECT_TRUE(test::AllFinite(g.device));
  EXPECT_LE(g.Calls("circle").size(), 5001u);
  g.Plot(1, 6, 0, 0, 0, 5);
  EXPECT_FLOAT_EQ(g.m.originX, 0.002f);
  g.Plot(2, 1, 0, 0, 0, 5);
  EXPECT_FLOAT_EQ(g.m.originX, 0.002f);
  g.Plot(3, 1, 0, 0, 0, 5);
  EXPECT_EQ(g.m.originX, 0);
}

TEST(PlotGraph, EquationsOfLines) {
  Graph g;
  g.device.SetDrawWidth(3);
  g.Plot(4, 2, 0, 6);  // x = 3
  EXPECT_EQ(test::Lines(g.device), (Strings{"530,450-530,350 w5 c2"}));
  EXPECT_EQ(g.m.graphC, 3);
  EXPECT_EQ(test::VisibleTexts(g.device)[0].x1, 540);
  EXPECT_EQ(g.device.GetDrawWidth(), 3);
  g.Plot(4, 1, 2, 4);  // y = -0.5x + 2
  EXPECT_EQ(g.m.graphType, 3);
  EXPECT_EQ(g.m.graphA, -0.5f);
  EXPECT_EQ(g.m.graphB, 2);
  EXPECT_EQ(g.Calls("circle").size(), 5001u);
  EXPECT_NEAR(g.Calls("circle")[0].y1, 400 - 10 * 4.5f, 1e-3);
}

TEST(PlotGraph, NoGraphForZeroTimesXPlusZeroTimesY) {
  Graph g;
  g.m.plotLabelDX = 5;
  g.Plot(4, 0, 0, 6);
  EXPECT_TRUE(g.Calls("line").empty());
  EXPECT_TRUE(test::VisibleTexts(g.device).empty());
  EXPECT_EQ(g.m.graphC, 6);
  EXPECT_EQ(g.m.plotLabelDX, 0);
  EXPECT_EQ(g.m.axisXStep, 1);
}

TEST(PlotGraph, OtherFormsAreLinesWithoutZero) {
  for (float type : {0.0f, 5.0f}) {
    Graph g;
    g.Plot(type, 1, 2, 0, 0, 5);
    const auto dots = g.Calls("circle");
    ASSERT_EQ(dots.size(), 5001u);
    EXPECT_NEAR(dots[0].x1, 500.02f, 1e-3);  // x = 0 stepped over
    EXPECT_NEAR(dots[0].y1, 400 - 10 * 2.002f, 1e-3);
  }
}

TEST(PlotGraph, LabelStaysWhereItWasWhenNoDotIsInside) {
  Graph g;
  g.m.drawX = 77;
  g.m.drawY = 88;
  g.m.gridBottomY = 0;
  g.Plot(3, 0, 100, 0);  // y = 100, far above the grid
  EXPECT_TRUE(g.Calls("circle").empty());
  const auto label = test::VisibleTexts(g.device);
  ASSERT_FALSE(label.empty());
  EXPECT_EQ(label[0].x1, 77);
}

TEST(NegateSignText, SignAtTheHead) {
  test::Bench b;
  const std::pair<std::string, std::string> cases[] = {
      {"-3x", "+3x"}, {"+3x", "-3x"}, {"3x", "-3x"}, {"", ""}, {"-ａ+b", "+ａ+b"}, {"ａ", "-ａ"}};
  for (const auto& [in, out] : cases) {
    b.m.strArg = in;
    NegateSignText(b.m);
    EXPECT_EQ(b.m.strArg, out) << in;
  }
  b.m.strArg = "-ａ+b";
  NegateSignText(b.m);
  EXPECT_EQ(b.m.strLength, 4);
}

}  // namespace
}  // namespace orvelle
