// Texts in boxes: where the box and its text stand, to the half unit.
#include "core/text_boxes.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Boxes;
using test::Pt;
using test::Strings;
using test::Texts;

struct BoxBench : test::Bench {
  BoxBench(float width, float height) {
    m.boxWidth = width;
    m.boxHeight = height;
    m.lineColor = 13;
    m.fillColor = 4;
    m.drawColor = 9;
  }
  void InBox(const std::string& text, float x, float y) {
    m.strArg = text;
    m.drawX = x;
    m.drawY = y;
    DrawTextInBox(m);
  }
};

TEST(DrawTextInBox, CentresAPlainTextWithHalfUnits) {
  BoxBench b(100, 50);
  b.InBox("2", 100, 200);
  EXPECT_EQ(Boxes(b.device), (Strings{"100,200-200,250 b13 f4 w3"}));
  EXPECT_EQ(Texts(b.device), (Strings{"136.5,203 3x3 ゴシック 16b c9 2"}));
  EXPECT_EQ(Pt(b.m.drawX, b.m.drawY), "200,200");
  EXPECT_EQ(b.m.textWidth, 27);
  EXPECT_EQ(b.m.strArg, "2");
  EXPECT_EQ(b.m.drawText, "");
}

TEST(DrawTextInBox, LineHeightsFortyFourAndFifty) {
  BoxBench b(100, 44);
  b.InBox("2", 0, 100);
  b.m.boxHeight = 50;
  b.InBox("ﾀ1/3ﾀ", 0, 300);  // a fraction in a box 50 high starts at the top
  b.m.boxHeight = 51;
  b.InBox("ﾀ1/3ﾀ", 0, 500);  // INT(1 / 2) = 0
  b.m.boxHeight = 45;
  b.InBox("3", 0, 700);  // INT(0.5) = 0
  EXPECT_EQ(Texts(b.device),
            (Strings{"36.5,100 3x3 ゴシック 16b c9 2", "34,328 4x2 ゴシック 16b c9 3",
                     "34,290 4x2 ゴシック 16b c9 1", "34,528 4x2 ゴシック 16b c9 3",
                     "34,490 4x2 ゴシック 16b c9 1", "36.5,700 3x3 ゴシック 16b c9 3"}));
}

TEST(DrawTextInBox, BlankBoxesWideTextsAndChainedBoxes) {
  BoxBench b(120, 60);
  b.device.SetDrawWidth(2);
  b.InBox("", 10, 20);  // a blank box of the full size, filled in later; at the caller's width
  EXPECT_EQ(Boxes(b.device), Strings{"10,20-130,80 b13 f4 w2"});
  EXPECT_TRUE(Texts(b.device).empty());
  EXPECT_EQ(b.m.drawX, 130);
  EXPECT_EQ(b.device.GetDrawWidth(), 2);

  BoxBench wide(40, 44);  // starts at the left edge, not cut
  wide.InBox("123", 10, 20);
  EXPECT_EQ(Texts(wide.device),
            (Strings{"10,20 3x3 ゴシック 16b c9 1", "37,20 3x3 ゴシック 16b c9 2",
                     "64,20 3x3 ゴシック 16b c9 3"}));
  EXPECT_EQ(wide.m.drawX, 50);

  BoxBench chained(80, 50);  // two in a row share the border line
  chained.InBox("a", 40, 100);
  chained.m.strArg = "b";
  DrawTextInBox(chained.m);
  EXPECT_EQ(Boxes(chained.device),
            (Strings{"40,100-120,150 b13 f4 w3", "120,100-200,150 b13 f4 w3"}));
}

TEST(DrawTextInBox, DrawsTheTextWithTheTallParenthesesItMeasuredWith) {
  BoxBench b(100, 44);
  b.m.tallParens = 1;
  b.InBox("(2)", 0, 100);
  EXPECT_EQ(Texts(b.device),
            (Strings{"5.5,94 3x4 ゴシック 16b c9 (", "36.5,100 3x3 ゴシック 16b c9 2",
                     "69.5,94 3x4 ゴシック 16b c9 )"}));
}

TEST(DrawBoxAroundText, BoxAroundTheGivenLine) {
  BoxBench b(100, 48);
  b.m.strArg = "5";
  b.m.drawX = 200;
  b.m.drawY = 300;
  DrawBoxAroundText(b.m);
  EXPECT_EQ(Boxes(b.device), (Strings{"200,298-300,346 b13 f4 w3"}));
  EXPECT_EQ(Texts(b.device), (Strings{"236.5,300 3x3 ゴシック 16b c9 5"}));
  EXPECT_EQ(Pt(b.m.drawX, b.m.drawY), "300,300");
  // A fraction gets no rule of its own here.
  b.m.strArg = "ﾀ1/3ﾀ";
  b.m.drawY = 500;
  DrawBoxAroundText(b.m);
  EXPECT_EQ(Boxes(b.device).back(), "300,498-400,546 b13 f4 w3");
}

TEST(DrawTwoLineTextBox, TwoLinesAndOne) {
  BoxBench b(100, 100);
  b.m.columnTopText = "1";
  b.m.columnSecondText = "23";
  b.m.drawX = 0;
  b.m.drawY = 100;
  DrawTwoLineTextBox(b.m);
  EXPECT_EQ(Boxes(b.device), (Strings{"0,100-100,200 b13 f4 w3"}));
  EXPECT_EQ(Texts(b.device),
            (Strings{"36.5,103 3x3 ゴシック 16b c9 1", "23,147 3x3 ゴシック 16b c9 2",
                     "50,147 3x3 ゴシック 16b c9 3"}));
  EXPECT_EQ(Pt(b.m.drawX, b.m.drawY), "100,100");

  BoxBench c(100, 100);
  c.m.columnTopText = "1";
  c.m.columnSecondText = "";
  c.m.drawY = 100;
  DrawTwoLineTextBox(c.m);
  EXPECT_EQ(Texts(c.device), (Strings{"36.5,128 3x3 ゴシック 16b c9 1"}));
}

TEST(DrawTwoLineTextBox, FractionLinesTakeFifty) {
  BoxBench b(100, 120);
  b.m.columnTopText = "ﾀ1/3ﾀ";
  b.m.columnSecondText = "ﾀ2/5ﾀ";
  b.m.drawY = 0;
  DrawTwoLineTextBox(b.m);
  // Upper line at INT((60 - 50) / 2) = 5, lower at 50 + 5.
  EXPECT_EQ(test::Lines(b.device), (Strings{"34,30-66,30 w4 c9", "34,80-66,80 w4 c9"}));
}

}  // namespace
}  // namespace orvelle
