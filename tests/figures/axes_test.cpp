// The coordinate plane: axes, tick numbers, plotted points and graphs.
#include "figures/axes.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "figures/graphs.h"

namespace orvelle {
namespace {

using test::Lines;
using test::Pt;
using test::Strings;
using test::Texts;

struct Plane : test::Bench {
  // The plane of the lessons: x from -10 to 10, y from -5 to 5, 20 a cell, origin left to
  // DrawAxes.
  explicit Plane(float color = 5, float xMin = -10, float xMax = 10, float yMin = -5,
                 float yMax = 5, float cell = 20) {
    m.axisXMin = xMin;
    m.axisXMax = xMax;
    m.axisYMin = yMin;
    m.axisYMax = yMax;
    m.axisXStep = m.axisYStep = 1;
    m.cellSize = cell;
    m.lineColor = color;
    m.gridOriginX = m.gridOriginY = 0;
  }
  void Axes() {
    device.ClearLog();
    DrawAxes(m);
  }
};

TEST(DrawAxes, GridNumbersAxesAndLetters) {
  Plane p;
  p.device.SetDrawWidth(2);
  p.m.hideAxisNumbers = 0;
  p.Axes();
  EXPECT_EQ(Pt(p.m.gridOriginX, p.m.gridOriginY), "640,180");
  EXPECT_EQ(Pt(p.m.gridBaseX, p.m.gridBaseY), "840,280");
  EXPECT_EQ(Pt(p.m.gridRightX, p.m.gridBottomY), "1040,380");
  EXPECT_EQ(p.m.figureSize, 26);
  const auto lines = Lines(p.device);
  // 21 + 11 thin lines, 5 + 3 thick ones, the two axes.
  ASSERT_EQ(lines.size(), 42u);
  EXPECT_EQ(lines[0], "639.5,180-639.5,380 w1 c0");
  EXPECT_EQ(lines[21], "640,379.5-1040,379.5 w1 c0");
  EXPECT_EQ(lines[32], "640,180-640,380 w3 c1");
  EXPECT_EQ(lines[37], "640,380-1040,380 w3 c1");
  EXPECT_EQ(lines[40], "840,180-840,380 w4 c0");
  EXPECT_EQ(lines[41], "640,280-1040,280 w4 c0");
  // Numbers at the thick lines but none at 0, where "0" is written; the italic x and y.
  EXPECT_EQ(Texts(p.device),
            (Strings{"601,280 2x1 ｺﾞｼｯｸ 26 c0 -10", "714,280 2x1 ｺﾞｼｯｸ 26 c0 -5",
                     "927,280 2x1 ｺﾞｼｯｸ 26 c0 5", "1014,280 2x1 ｺﾞｼｯｸ 26 c0 10",
                     "788,363 2x1 ｺﾞｼｯｸ 26 c0 -5", "814,163 2x1 ｺﾞｼｯｸ 26 c0 5",
                     "1019.2,241 3x2 Times New Roman 20.8bi c0 x", "814,280 2x1 ゴシック 26b c0 0",
                     "840,167 2x1 ゴシック 26b c0 y"}));
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

TEST(DrawAxes, LabelSizeColorZeroAndHiddenNumbers) {
  Plane small(5, -5, 5, -5, 5, 39), large(5, -5, 5, -5, 5, 40);
  small.Axes();
  large.Axes();
  EXPECT_EQ(small.m.figureSize, 26);
  EXPECT_EQ(large.m.figureSize, 30);

  Plane bare(0);  // colour 0: only the two axes, "x", "0" and "y"
  bare.Axes();
  EXPECT_EQ(bare.Calls(Op::kLine).size(), 2u);
  EXPECT_EQ(Texts(bare.device),
            (Strings{"1019.2,241 3x2 Times New Roman 20.8bi c0 x", "814,280 2x1 ゴシック 26b c0 0",
                     "840,167 2x1 ゴシック 26b c0 y"}));

  Plane hidden;  // the full grid without numbers, for one call
  hidden.m.hideAxisNumbers = -1;
  hidden.Axes();
  EXPECT_EQ(hidden.Calls(Op::kLine).size(), 42u);
  EXPECT_EQ(Texts(hidden.device), Texts(bare.device));
  EXPECT_EQ(hidden.m.hideAxisNumbers, 0);
}

TEST(DrawAxes, StepsArePositiveAndRangesCountGridLines) {
  Plane p(5, -20, 20, -10, 10);
  p.m.axisXStep = -2;
  p.m.axisYStep = 0;
  p.m.gridOriginX = 100;
  p.m.gridOriginY = 50;
  p.Axes();
  EXPECT_EQ(Pt(p.m.axisXStep, p.m.axisYStep), "2,1");
  EXPECT_EQ(Pt(p.m.axisXMin, p.m.axisXMax), "-10,10");
  EXPECT_EQ(p.m.gridOriginX, 100);  // kept when not both 0
  // Its own numbers count grid lines: "5" at the fifth line right of the origin.
  EXPECT_EQ(Texts(p.device)[2], "387,250 2x1 ｺﾞｼｯｸ 26 c0 5");
}

TEST(DrawDecimalAxisLabels, ValuesWithOneDecimal) {
  Plane p;
  p.m.hideAxisNumbers = -1;
  p.Axes();
  p.m.axisXStep = 0.5f;
  p.m.axisYStep = 0.7f;
  p.device.ClearLog();
  DrawDecimalAxisLabels(p.m);
  // x: -5, -2.5, 2.5, 5, the point after the whole part; y: -3.5, 3.5.
  EXPECT_EQ(Texts(p.device),
            (Strings{"614,284 2x1 ゴシック 26 c0 -5", "701,284 2x1 ゴシック 26 c0 -25",
                     "747,288 2x1 ゴシック 26 c0 .", "914,284 2x1 ゴシック 26 c0 25",
                     "934,288 2x1 ゴシック 26 c0 .", "1027,284 2x1 ゴシック 26 c0 5",
                     "762,367 2x1 ゴシック 26 c0 -35", "808,371 2x1 ゴシック 26 c0 .",
                     "788,167 2x1 ゴシック 26 c0 35", "808,171 2x1 ゴシック 26 c0 ."}));
  EXPECT_EQ(p.device.font().size, 16);
  EXPECT_EQ(p.m.intPartText + "|" + p.m.tenthsText, "3|5");
  EXPECT_EQ(p.m.tenthsDigit, 5);

  // Negative values keep their digits (-0.5, not -1.5), and no tenth is lost to float error
  // (15 x 2.1 is 31.4999981 in single precision).
  Plane n(5, -5, 0, 0, 15);
  n.m.hideAxisNumbers = -1;
  n.Axes();
  n.m.axisXStep = 0.1f;
  n.m.axisYStep = 2.1f;
  n.device.ClearLog();
  DrawDecimalAxisLabels(n.m);
  const auto texts = Texts(n.device);
  ASSERT_EQ(texts.size(), 7u);
  EXPECT_EQ(texts[0], "601,484 2x1 ゴシック 26 c0 -05");
  EXPECT_EQ(texts[1], "647,488 2x1 ゴシック 26 c0 .");
  EXPECT_EQ(test::Chars(n.device), "-05.105.21315.");  // -0.5; 10.5, 21, 31.5
}

TEST(PlotPoint, DiscAndLabelThenStepsAndOffsetsReset) {
  Plane p;
  p.Axes();
  p.m.pointValueX = p.m.pointValueY = 0;
  p.m.pointRadius = 4;
  p.m.fillColor = 4;
  p.m.figureLabel = "A";
  p.m.axisXStep = 0;
  p.m.plotLabelDX = 3;
  p.device.ClearLog();
  PlotPoint(p.m);
  // On the crossing of the axes, the label 20 to the left and 40 above.
  EXPECT_EQ(test::Circles(p.device), Strings{"840,280 r4 c4 f4 w3"});
  EXPECT_EQ(Texts(p.device), Strings{"823,240 3x3 ゴシック 16b c4 A"});
  EXPECT_EQ(p.m.plotScreenX, 840);
  EXPECT_EQ(p.m.figureLabel, "A");
  EXPECT_EQ(p.m.plotLabelDX, 0);
  EXPECT_EQ(Pt(p.m.axisXStep, p.m.axisYStep), "1,1");
  p.m.pointValueX = 2;
  p.m.pointValueY = -1;
  p.m.axisXStep = 2;
  p.m.axisYStep = -1;  // a negative step stays negative for this point
  PlotPoint(p.m);
  EXPECT_EQ(Pt(p.m.plotScreenX, p.m.plotScreenY), "860,260");
}

struct Graph : Plane {
  void Plot(float type, float a, float b, float c, float xMin = -5, float xMax = 5) {
    // The origin at (500, 400), 10 a cell, the grid from y 0 to 800.
    m.gridBaseX = 500;
    m.gridBaseY = 400;
    m.cellSize = 10;
    m.gridTopY = 0;
    m.gridBottomY = 800;
    m.axisXMin = xMin;
    m.axisXMax = xMax;
    m.axisYMin = -5;
    m.axisYMax = 5;
    m.axisXStep = m.axisYStep = 1;
    m.graphType = type;
    m.graphA = a;
    m.graphB = b;
    m.graphC = c;
    m.fillColor = 2;
    m.figureLabel = "y";
    device.ClearLog();
    PlotGraph(m);
  }
  std::vector<DrawCall> Dots() const { return device.Calls(Op::kCircle); }
};

TEST(PlotGraph, StraightLineAsDots) {
  Graph g;
  g.device.SetDrawWidth(2);
  g.m.plotLabelDX = 4;
  g.m.plotLabelDY = -6;
  g.Plot(3, 2, 1, 0);  // y = 2x + 1 from (-5, -9) to (5, 11), 0.002 apart
  const auto dots = g.Dots();
  ASSERT_EQ(dots.size(), 5001u);
  EXPECT_EQ(test::CircleSig(dots[0]), "450,490 r1 c2 f2 w2");
  EXPECT_NEAR(dots.back().x1, 550, 0.05);
  EXPECT_NEAR(dots.back().y1, 290, 0.1);
  const auto label = test::VisibleTexts(g.device);  // at the last dot, plus the offsets
  ASSERT_FALSE(label.empty());
  EXPECT_NEAR(label[0].x1, dots.back().x1 + 4, 1e-3);
  EXPECT_EQ(g.m.boxWidth, 5000);
  EXPECT_EQ(g.m.loopIndex, 5001);
  EXPECT_EQ(Pt(g.m.plotLabelDX, g.m.plotLabelDY), "0,0");
  EXPECT_EQ(g.device.GetDrawWidth(), 2);
  EXPECT_EQ(g.m.drawColor, 2);
}

TEST(PlotGraph, ZeroIsSteppedOverExceptForForm3) {
  Graph g;
  g.Plot(1, 6, 0, 0);  // inverse proportion: nothing divided by 0
  EXPECT_TRUE(test::AllFinite(g.device));
  EXPECT_LE(g.Dots().size(), 5001u);
  for (float type : {1.0f, 2.0f, 3.0f}) {
    g.Plot(type, 1, 0, 0, 0, 5);
    EXPECT_FLOAT_EQ(g.m.originX, type == 3 ? 0 : 0.002f) << type;
  }
  for (float type : {0.0f, 5.0f}) {  // the other forms: y = ax + b, without x = 0
    g.Plot(type, 1, 2, 0, 0, 5);
    ASSERT_EQ(g.Dots().size(), 5001u);
    EXPECT_EQ(test::CircleSig(g.Dots()[0]), "500.02,379.98 r1 c2 f2 w3") << type;
  }
}

TEST(PlotGraph, EquationsOfLines) {
  Graph g;
  g.Plot(4, 2, 0, 6);  // x = 3, the label 10 right of its top
  EXPECT_EQ(Lines(g.device), Strings{"530,450-530,350 w5 c2"});
  EXPECT_EQ(g.m.graphC, 3);
  EXPECT_EQ(test::VisibleTexts(g.device)[0].x1, 540);
  EXPECT_EQ(g.device.GetDrawWidth(), 3);
  g.Plot(4, 1, 2, 4);  // y = -0.5x + 2
  EXPECT_EQ(Pt(g.m.graphA, g.m.graphB), "-0.5,2");
  EXPECT_EQ(g.m.graphType, 3);
  ASSERT_EQ(g.Dots().size(), 5001u);
  EXPECT_NEAR(g.Dots()[0].y1, 400 - 10 * 4.5f, 1e-3);

  g.m.plotLabelDX = 5;
  g.Plot(4, 0, 0, 6);  // 0x + 0y = 6: no graph, no label, the one-shots still cleared
  EXPECT_TRUE(g.Calls(Op::kLine).empty());
  EXPECT_TRUE(test::VisibleTexts(g.device).empty());
  EXPECT_EQ(g.m.graphC, 6);
  EXPECT_EQ(g.m.plotLabelDX, 0);
  EXPECT_EQ(g.m.axisXStep, 1);
}

TEST(PlotGraph, LabelStaysWhereItWasWhenNoDotIsInside) {
  Graph g;
  g.m.drawX = 77;
  g.m.drawY = 88;
  g.m.gridBottomY = 0;
  g.Plot(3, 0, 100, 0);  // y = 100, far above the grid
  EXPECT_TRUE(g.Dots().empty());
  const auto label = test::VisibleTexts(g.device);
  ASSERT_FALSE(label.empty());
  EXPECT_EQ(label[0].x1, 77);
}

TEST(NegateSignText, SignAtTheHead) {
  test::Bench b;
  const std::pair<std::string, std::string> cases[] = {
      {"-3x", "+3x"}, {"+3x", "-3x"}, {"3x", "-3x"}, {"", ""}, {"ａ", "-ａ"}, {"-ａ+b", "+ａ+b"}};
  for (const auto& [in, out] : cases) {
    b.m.strArg = in;
    NegateSignText(b.m);
    EXPECT_EQ(b.m.strArg, out) << in;
  }
  EXPECT_EQ(b.m.strLength, 4);  // characters, not bytes
}

}  // namespace
}  // namespace orvelle
