// The mark-up interpreter and stacked fractions, as a pupil sees them on the screen.
#include "notation/markup.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "core/measure.h"

namespace orvelle {
namespace {

using test::Lines;
using test::Polys;
using test::Strings;
using test::Texts;

struct Screen : test::Bench {
  // Draws `text` at (x, y) in colour 0 and gives back the advance.
  float Draw(const std::string& text, float x = 100, float y = 200) {
    m.drawText = text;
    m.drawX = x;
    m.drawY = y;
    m.drawColor = 0;
    DrawMarkupText(m);
    EXPECT_EQ(m.drawY, y);
    EXPECT_EQ(m.drawText, "");
    return m.drawX - x;
  }
  float Measure(const std::string& text) {
    m.strArg = text;
    MeasureMarkedText(m);
    return m.textWidth;
  }
};

TEST(DrawMarkupText, EmptyTextDrawsNothingAndSetsTheWidthFound) {
  Screen s;
  s.device.SetDrawWidth(2);
  s.device.ClearLog();
  EXPECT_EQ(s.Draw(""), 0);
  ASSERT_EQ(s.device.log().size(), 1u);
  EXPECT_EQ(s.device.log()[0].ToString(), "width value=2");
}

TEST(DrawMarkupText, LinesOfMathematics) {
  const struct {
    struct {
      const char* text;
      float x, y, advance;
    } line;
    Strings texts, lines, polys;
    const char* spot = "";  // the last fraction's denominator, where a lesson writes beside it
  } cases[] = {
      // The bar 25 below the line at width 4; the denominator first, then the numerator.
      {{"ﾀ1/3ﾀ", 100, 200, 32},
       {"100,228 4x2 ゴシック 16b c0 3", "100,190 4x2 ゴシック 16b c0 1"},
       {"100,225-132,225 w4 c0"},
       {},
       "100,228"},
      {{"-ﾀx/5ﾀa-ﾀ1/7ﾀb", 0, 100, 172},
       {"27,128 4x2 ゴシック 16b c0 5", "31,74 12x5 Times New Roman 8bi c0 x",
        "63,78 10x7 Times New Roman 8bi c0 a", "113,128 4x2 ゴシック 16b c0 7",
        "113,90 4x2 ゴシック 16b c0 1", "145,100 3x3 ゴシック 16b c0 b"},
       {"4,120-23,120 w5 c0", "27,125-59,125 w4 c0", "90,120-109,120 w5 c0",
        "113,125-145,125 w4 c0"},
       {},
       "113,128"},
      // Only the first "/" splits: 12 over -4 (its minus a line), b ÷ c under a.
      {{"ﾀ12/-4ﾀ", 0, 100, 64},
       {"32,128 4x2 ゴシック 16b c0 4", "0,90 4x2 ゴシック 16b c0 1",
        "32,90 4x2 ゴシック 16b c0 2"},
       {"0,125-64,125 w4 c0", "6,142-26,142 w5 c0"}},
      {{"ﾀa/b/cﾀ", 0, 100, 102},
       {"0,128 4x2 ゴシック 16b c0 b", "32,128 3x3 ゴシック 11b c0 ÷",
        "74,112 12x5 Times New Roman 8bi c0 c", "39,74 12x5 Times New Roman 8bi c0 a"},
       {"0,125-102,125 w4 c0"}},
      // A "/" outside the fraction marks is a division sign.
      {{"4x/ﾀ2/3ﾀ", 0, 100, 113},
       {"0,100 3x3 ゴシック 16b c0 4", "31,78 10x7 Times New Roman 8bi c0 x",
        "50,100 2x3 ゴシック 16b c0 ÷", "81,128 4x2 ゴシック 16b c0 3",
        "81,90 4x2 ゴシック 16b c0 2"},
       {"81,125-113,125 w4 c0"}},
      // An unclosed mark is dropped and takes no room.
      {{"1ﾀ2/3", 0, 100, 108},
       {"0,100 3x3 ゴシック 16b c0 1", "27,100 3x3 ゴシック 16b c0 2",
        "50,100 2x3 ゴシック 16b c0 ÷", "81,100 3x3 ゴシック 16b c0 3"}},
      {{"ﾀ1/2ﾀﾀ3/4ﾀ", 0, 100, 64},  // side by side
       {"0,128 4x2 ゴシック 16b c0 2", "0,90 4x2 ゴシック 16b c0 1", "32,128 4x2 ゴシック 16b c0 4",
        "32,90 4x2 ゴシック 16b c0 3"},
       {"0,125-32,125 w4 c0", "32,125-64,125 w4 c0"}},
      // Centring keeps half units: "1 " is 59 wide in a fraction, "3" 32.
      {{"ﾀ1 /3ﾀ", 0, 100, 59},
       {"13.5,128 4x2 ゴシック 16b c0 3", "0,90 4x2 ゴシック 16b c0 1"},
       {"0,125-59,125 w4 c0"},
       {},
       "13.5,128"},
      {{"ﾀ2x+3/5ﾀ", 0, 100, 128},  // the 5 centred under the wider numerator
       {"48,128 4x2 ゴシック 16b c0 5", "0,90 4x2 ゴシック 16b c0 2",
        "36,74 12x5 Times New Roman 8bi c0 x", "96,90 4x2 ゴシック 16b c0 3"},
       {"0,125-128,125 w4 c0", "70,104-90,104 w5 c0", "80,94-80,114 w5 c0"},
       {},
       "48,128"},
      // An exponent in a denominator lowers it.
      {{"ﾀ1/x^2ﾀ", 0, 100, 56},
       {"4,120 12x5 Times New Roman 8bi c0 x", "32,132 6x3 ゴシック 8b c0 2",
        "12,90 4x2 ゴシック 16b c0 1"},
       {"0,125-56,125 w4 c0"}},
      // No "/": the whole text is the denominator, under an empty numerator.
      {{"ﾀ5ﾀ", 0, 100, 32}, {"0,128 4x2 ゴシック 16b c0 5"}, {"0,125-32,125 w4 c0"}},
      {{"2ﾀ/ﾀ3", 0, 100, 54},
       {"0,100 3x3 ゴシック 16b c0 2", "27,100 3x3 ゴシック 16b c0 3"},
       {"27,125-27,125 w4 c0"}},
      {{"ﾀﾀ", 0, 100, 0}, {}, {"0,125-0,125 w4 c0"}},
      // The tall radical over a fraction: its sign, the bar, the overbar 14 above the line.
      {{"#ﾀ1/2ﾀﾝ", 0, 100, 64},
       {"32,128 4x2 ゴシック 16b c0 2", "32,90 4x2 ゴシック 16b c0 1"},
       {"32,125-64,125 w4 c0", "32,86-64,86 w3 c0"},
       {"4,136;8,124;16,160;30,86;38,86 w3 c0"}},
  };
  for (const auto& c : cases) {
    Screen s;
    s.device.SetDrawWidth(2);
    SCOPED_TRACE(c.line.text);
    EXPECT_EQ(s.Draw(c.line.text, c.line.x, c.line.y), c.line.advance);
    EXPECT_EQ(Texts(s.device), c.texts);
    EXPECT_EQ(Lines(s.device), c.lines);
    EXPECT_EQ(Polys(s.device), c.polys);
    if (*c.spot) {
      EXPECT_EQ(test::Pt(s.m.spotX, s.m.spotY), c.spot);
    }
    EXPECT_EQ(s.m.inFraction, 0);
    EXPECT_EQ(s.m.radicalMode, 0);
    EXPECT_EQ(s.m.superscriptNext, 0);
    // The lesson font and the caller's line width after every text.
    EXPECT_EQ(s.device.font().name, "ゴシック");
    EXPECT_EQ(s.device.font().size, 16);
    EXPECT_FALSE(s.device.font().bold);
    EXPECT_FALSE(s.device.font().italic);
    EXPECT_EQ(s.device.GetDrawWidth(), 2);
  }
}

TEST(DrawMarkupText, DenominatorLoweredForExponentsAndRadicals) {
  struct Case {
    const char* text;
    float denY;
  };
  for (const Case& c : {Case{"ﾀ1/3ﾀ", 128}, Case{"ﾀ1/x^2ﾀ", 136}, Case{"ﾀ1/!2ﾝﾀ", 136},
                        Case{"ﾀ√2ﾝ/2ﾀ", 136}, Case{"ﾀ!2ﾝ/2ﾀ", 136}, Case{"ﾀ1/√2ﾝﾀ", 144}}) {
    Screen s;
    s.Draw(c.text, 0, 100);
    EXPECT_EQ(s.m.spotY, c.denY) << c.text;
  }
}

TEST(DrawMarkupText, TrailingExponentMarkCarriesOverToTheNextText) {
  Screen s;
  EXPECT_EQ(s.Draw("x^"), 27);
  EXPECT_EQ(s.m.superscriptNext, 1);
  EXPECT_EQ(s.Draw("2", 0, 300), 24);
  EXPECT_EQ(s.m.superscriptNext, 0);
}

TEST(DrawMarkupText, OpenTallRadicalBarsLaterTexts) {
  Screen s;
  EXPECT_EQ(s.Draw("#2", 0, 100), 59);
  EXPECT_EQ(s.m.radicalMode, 22);
  EXPECT_EQ(s.m.radicalBarX, 32);
  s.Draw("5", 200, 300);
  EXPECT_EQ(Lines(s.device), (Strings{"32,86-59,86 w3 c0", "32,286-227,286 w3 c0"}));
}

TEST(MeasureMarkedText, EqualsTheAdvanceOfDrawing) {
  for (const char* text :
       {"", "5a*3", "x^2", "x^2y^3", "=6a+3 (m^2)", "-ﾀx/5ﾀa-ﾀ1/7ﾀb", "4x/ﾀ2/3ﾀ", "ﾀ12/-4ﾀ",
        "ﾀ2x+3/5ﾀ", "!3ﾝ", "#ﾀ1/2ﾀﾝ", "1ﾀ2/3", "ﾀ道のり/速さﾀ", "（20x+15）/5", " 3.5%"}) {
    Screen s;
    s.m.drawX = 11;
    s.m.drawY = 22;
    const float width = s.Measure(text);
    SCOPED_TRACE(text);
    EXPECT_EQ(test::Pt(s.m.drawX, s.m.drawY), "11,22");
    EXPECT_EQ(s.m.strArg, text);
    EXPECT_EQ(s.m.drawText, "");
    EXPECT_TRUE(Texts(s.device).empty());  // measured below the screen
    EXPECT_TRUE(Lines(s.device).empty());
    EXPECT_EQ(width, s.Draw(text, 300, 400));
  }
}

TEST(MeasureMarkedText, FractionMetricsWhenInAFraction) {
  Screen s;
  EXPECT_EQ(s.Measure("2"), 27);
  s.m.inFraction = 1;
  EXPECT_EQ(s.Measure("2"), 32);
}

TEST(MeasureMarkedText, NestedMeasuringGivesBackEachCallersValues) {
  // The fraction measures its parts through here while the outer measuring is running; the
  // parts' measuring must hand the fraction back its own position, or the width would be off.
  Screen s;
  s.m.drawX = 5;
  s.m.drawY = 6;
  std::vector<float> partStarts;
  s.device.OnDraw([&](const DrawCall& c) {
    if (c.op == Op::kLine && c.y1 == 1825) partStarts.push_back(c.x1);
  });
  EXPECT_EQ(s.Measure("ab-ﾀ1/3ﾀ"), 113);
  EXPECT_EQ(partStarts, (std::vector<float>{81}));  // the bar starts where the fraction does
  EXPECT_EQ(test::Pt(s.m.drawX, s.m.drawY), "5,6");
  EXPECT_EQ(s.m.strArg, "ab-ﾀ1/3ﾀ");
}

}  // namespace
}  // namespace orvelle
