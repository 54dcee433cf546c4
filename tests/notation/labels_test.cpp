// The label drawer of figures and its boxes.
#include "notation/labels.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "notation/markup.h"
#include "platform/text.h"

namespace orvelle {
namespace {

using test::Boxes;
using test::Strings;
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
  void InBox(const std::string& text) {
    m.boxWidth = 100;
    m.boxHeight = 50;
    m.strArg = text;
    DrawLabelInBox(m);
  }
  void TwoLines(const std::string& top, const std::string& second) {
    m.boxWidth = 100;
    m.boxHeight = 100;
    m.columnTopText = top;
    m.columnSecondText = second;
    DrawTwoLineLabelBox(m);
  }
};

TEST(DrawLabelText, CellsOfTheLabelDrawer) {
  const struct {
    struct {
      const char* text;
      float advance;
    } label;
    Strings texts;
  } cases[] = {
      {{"", 0}, {}},
      // The "x" in italic "Times New Roman", 4 right and 12 higher.
      {{"3x", 40}, {"100,200 3x2 ゴシック 15b c0 3", "124,188 7x4 Times New Roman 8bi c0 x"}},
      // 12 + 20 + 8, the "(" 8 left of its pen.
      {{"(a)", 40},
       {"92,200 3x2 ゴシック 15b c0 (", "116,188 7x4 Times New Roman 8bi c0 a",
        "132,200 3x2 ゴシック 15b c0 )"}},
      // 20 + 8 + 20: narrow marks advance 8.
      {{"2.5", 48},
       {"100,200 3x2 ゴシック 15b c0 2", "120,200 3x2 ゴシック 15b c0 .",
        "128,200 3x2 ゴシック 15b c0 5"}},
      {{"1,2", 48},
       {"100,200 3x2 ゴシック 15b c0 1", "120,200 3x2 ゴシック 15b c0 ,",
        "128,200 3x2 ゴシック 15b c0 2"}},
      {{"（", 30}, {"100,200 2x2 ゴシック 15b c0 （"}},  // a wide character: 2 x 2, 30
      {{" ", 20}, {}},
      // "y" 6 higher than the other letters; no mark-up here.
      {{"yb", 40}, {"100,194 3x2 ゴシック 15b c0 y", "120,200 3x2 ゴシック 15b c0 b"}},
      {{"ﾀ^*", 60},
       {"100,200 3x2 ゴシック 15b c0 ﾀ", "120,200 3x2 ゴシック 15b c0 ^",
        "140,200 3x2 ゴシック 15b c0 *"}},
  };
  for (const auto& c : cases) {
    LabelBench b;
    b.device.SetFontSize(11);
    b.device.SetFontBold(true);
    b.device.SetDrawWidth(5);
    EXPECT_EQ(b.Draw(c.label.text), c.label.advance) << c.label.text;
    EXPECT_EQ(Texts(b.device), c.texts) << c.label.text;
    if (*c.label.text) {
      EXPECT_EQ(b.m.strArg, CharRight(c.label.text, 1));  // the last character taken
    }
    // Left behind: the lesson font, bold off, size 16, the caller's line width.
    EXPECT_EQ(b.device.font().name, "ゴシック");
    EXPECT_FALSE(b.device.font().italic);
    EXPECT_FALSE(b.device.font().bold);
    EXPECT_EQ(b.device.font().size, 16);
    EXPECT_EQ(b.device.GetDrawWidth(), 5);
  }
}

TEST(MeasureLabelText, WidthAndTheCallersPosition) {
  LabelBench b;
  b.m.drawX = 7;
  b.m.drawY = 8;
  b.m.strArg = "3x";
  MeasureLabelText(b.m);
  EXPECT_EQ(b.m.textWidth, 40);
  EXPECT_EQ(test::Pt(b.m.drawX, b.m.drawY), "7,8");
  EXPECT_EQ(b.m.drawText, "3x");
  EXPECT_TRUE(Texts(b.device).empty());
}

TEST(DrawLabelInBox, CentredTwelveBelowTheTopOfABoxFiftyHigh) {
  LabelBench b;
  b.m.lineColor = 13;
  b.m.fillColor = 11;
  b.m.drawX = 10;
  b.m.drawY = 20;
  b.InBox("3x");
  b.InBox("5");  // chained to the right
  EXPECT_EQ(Boxes(b.device), (Strings{"10,20-110,70 b13 f11 w3", "110,20-210,70 b13 f11 w3"}));
  EXPECT_EQ(Texts(b.device),
            (Strings{"40,32 3x2 ゴシック 15b c0 3", "64,20 7x4 Times New Roman 8bi c0 x",
                     "150,32 3x2 ゴシック 15b c0 5"}));
  EXPECT_EQ(test::Pt(b.m.drawX, b.m.drawY), "210,20");

  LabelBench wide;  // a label wider than its box starts at the left edge
  wide.m.boxWidth = 30;
  wide.m.boxHeight = 27;
  wide.m.strArg = "123";
  DrawLabelInBox(wide.m);
  EXPECT_EQ(Texts(wide.device).at(0), "0,0 3x2 ゴシック 15b c0 1");
}

TEST(DrawTwoLineLabelBox, UpperAndLowerLines) {
  LabelBench b;
  b.m.drawY = 100;
  b.TwoLines("1", "25");  // 12 and 42 below the top
  EXPECT_EQ(Texts(b.device),
            (Strings{"40,112 3x2 ゴシック 15b c0 1", "30,142 3x2 ゴシック 15b c0 2",
                     "50,142 3x2 ゴシック 15b c0 5"}));
  EXPECT_EQ(test::Pt(b.m.drawX, b.m.drawY), "100,100");
  LabelBench one;
  one.m.drawY = 100;
  one.TwoLines("1", "");  // one line: 27 below the top
  EXPECT_EQ(Texts(one.device), Strings{"40,127 3x2 ゴシック 15b c0 1"});
}

}  // namespace
}  // namespace orvelle
