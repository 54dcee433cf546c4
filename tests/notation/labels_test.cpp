// The label drawer of figures and its boxes.
#include "notation/labels.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "notation/markup.h"

namespace orvelle {
namespace {

using Strings = std::vector<std::string>;
using test::Boxes;
using test::Texts;

struct LabelBench : test::Bench {
  LabelBench() {
    // The lesson font, as the glyph renderer leaves it.
    m.drawText = "1";
    DrawMarkupText(m);
    device.ClearLog();
    m.drawX = 0;
    m.drawY = 0;
    m.drawColor = 0;
  }
  float Draw(const std::string& text, float x = 100, float y = 200) {
    m.drawText = text;
    m.drawX = x;
    m.drawY = y;
    DrawLabelText(m);
    EXPECT_EQ(m.drawY, y);
    EXPECT_EQ(m.drawText, "");
    return m.drawX - x;
  }
};

TEST(DrawLabelText, EmptyTextDrawsNothing) {
  LabelBench b;
  b.device.SetFontSize(11);
  b.device.SetFontBold(true);
  EXPECT_EQ(b.Draw(""), 0);
  EXPECT_TRUE(Texts(b.device).empty());
  EXPECT_FALSE(b.device.font().bold);
  EXPECT_EQ(b.device.font().size, 16);
}

TEST(DrawLabelText, DigitAndItalicLetter) {
  LabelBench b;
  EXPECT_EQ(b.Draw("3x"), 40);
  EXPECT_EQ(Texts(b.device),
            (Strings{"100,200 3x2 ゴシック 15b c0 3", "124,188 7x4 Times New Roman 8bi c0 x"}));
  EXPECT_EQ(b.device.font().name, "ゴシック");
  EXPECT_FALSE(b.device.font().italic);
  EXPECT_FALSE(b.device.font().bold);
  EXPECT_EQ(b.device.font().size, 16);
}

TEST(DrawLabelText, NarrowMarksAndBrackets) {
  LabelBench b;
  EXPECT_EQ(b.Draw("(a)"), 40);
  EXPECT_EQ(b.Draw("2.5", 0, 300), 48);
  EXPECT_EQ(b.Draw("1,2", 0, 400), 48);
  EXPECT_EQ(Texts(b.device).at(0), "92,200 3x2 ゴシック 15b c0 (");
  EXPECT_EQ(Texts(b.device).at(2), "132,200 3x2 ゴシック 15b c0 )");
}

TEST(DrawLabelText, WideCharactersSpacesAndRaisedY) {
  LabelBench b;
  EXPECT_EQ(b.Draw("（"), 30);
  EXPECT_EQ(b.Draw(" ", 0, 300), 20);
  EXPECT_EQ(b.Draw("yb", 0, 400), 40);
  EXPECT_EQ(b.Draw("ﾀ^*", 0, 500), 60);  // no mark-up here
  EXPECT_EQ(Texts(b.device),
            (Strings{"100,200 2x2 ゴシック 15b c0 （", "0,394 3x2 ゴシック 15b c0 y",
                     "20,400 3x2 ゴシック 15b c0 b", "0,500 3x2 ゴシック 15b c0 ﾀ",
                     "20,500 3x2 ゴシック 15b c0 ^", "40,500 3x2 ゴシック 15b c0 *"}));
}

TEST(DrawLabelText, KeepsTheLineWidth) {
  LabelBench b;
  b.device.SetDrawWidth(5);
  b.Draw("3a");
  EXPECT_EQ(b.device.GetDrawWidth(), 5);
  EXPECT_EQ(b.m.strArg, "a");
}

TEST(MeasureLabelText, WidthAndTheCallersPosition) {
  LabelBench b;
  b.m.drawX = 7;
  b.m.drawY = 8;
  b.m.strArg = "3x";
  MeasureLabelText(b.m);
  EXPECT_EQ(b.m.textWidth, 40);
  EXPECT_EQ(b.m.drawX, 7);
  EXPECT_EQ(b.m.drawY, 8);
  EXPECT_EQ(b.m.drawText, "3x");
  EXPECT_TRUE(Texts(b.device).empty());
}

TEST(DrawLabelInBox, CentredTwelveBelowTheTopOfABoxFiftyHigh) {
  LabelBench b;
  b.m.boxWidth = 100;
  b.m.boxHeight = 50;
  b.m.lineColor = 13;
  b.m.fillColor = 11;
  b.m.drawX = 10;
  b.m.drawY = 20;
  b.m.strArg = "3x";
  DrawLabelInBox(b.m);
  b.m.strArg = "5";
  DrawLabelInBox(b.m);  // chained to the right
  EXPECT_EQ(Boxes(b.device), (Strings{"10,20-110,70 b13 f11 w3", "110,20-210,70 b13 f11 w3"}));
  EXPECT_EQ(Texts(b.device),
            (Strings{"40,32 3x2 ゴシック 15b c0 3", "64,20 7x4 Times New Roman 8bi c0 x",
                     "150,32 3x2 ゴシック 15b c0 5"}));
  EXPECT_EQ(b.m.drawX, 210);
  EXPECT_EQ(b.m.drawY, 20);
}

TEST(DrawLabelInBox, WideLabelStartsAtTheLeftEdge) {
  LabelBench b;
  b.m.boxWidth = 30;
  b.m.boxHeight = 27;
  b.m.strArg = "123";
  DrawLabelInBox(b.m);
  EXPECT_EQ(Texts(b.device).at(0), "0,0 3x2 ゴシック 15b c0 1");
}

TEST(DrawTwoLineLabelBox, UpperAndLowerLines) {
  LabelBench b;
  b.m.boxWidth = 100;
  b.m.boxHeight = 100;
  b.m.drawY = 100;
  b.m.columnTopText = "1";
  b.m.columnSecondText = "25";
  DrawTwoLineLabelBox(b.m);
  EXPECT_EQ(Texts(b.device),
            (Strings{"40,112 3x2 ゴシック 15b c0 1", "30,142 3x2 ゴシック 15b c0 2",
                     "50,142 3x2 ゴシック 15b c0 5"}));
  EXPECT_EQ(b.m.drawX, 100);
  EXPECT_EQ(b.m.drawY, 100);

  LabelBench c;
  c.m.boxWidth = 100;
  c.m.boxHeight = 100;
  c.m.drawY = 100;
  c.m.columnTopText = "1";
  c.m.columnSecondText = "";
  DrawTwoLineLabelBox(c.m);
  EXPECT_EQ(Texts(c.device), (Strings{"40,127 3x2 ゴシック 15b c0 1"}));
}

}  // namespace
}  // namespace orvelle
