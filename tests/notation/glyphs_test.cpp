// The glyph renderer: every row's font, scale, offset and advance, the flags and the overbar.
#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "notation/markup.h"

namespace orvelle {
namespace {

using test::Lines;
using test::Polys;
using test::Strings;
using test::Texts;

// Draws one run at (x, y) in colour 0, inside a fraction or not.
struct GlyphRun : test::Bench {
  float Draw(const std::string& run, float x = 100, float y = 200, bool inFraction = false) {
    m.strArg = run;
    m.drawX = x;
    m.drawY = y;
    m.drawColor = 0;
    m.inFraction = inFraction ? 1 : 0;
    DrawGlyphs(m);
    return m.drawX - x;
  }
};

constexpr bool kIn = true, kOut = false;  // inside a fraction or not

TEST(DrawGlyphs, EveryKindOfCharacter) {
  const struct {
    struct {
      const char* text;
      float x, y;
      bool inFraction;
      float advance;
    } run;
    Strings texts, lines, polys;
  } cases[] = {
      // Digits and wide characters, in the lesson and in the fraction metrics.
      {{"2", 100, 200, kOut, 27}, {"100,200 3x3 ゴシック 16b c0 2"}},
      {{"2", 100, 200, kIn, 32}, {"100,200 4x2 ゴシック 16b c0 2"}},
      {{"２", 100, 200, kOut, 34}, {"100,200 2x3 ゴシック 16b c0 ２"}},
      {{"２", 100, 200, kIn, 38}, {"100,200 3x3 ゴシック 11b c0 ２"}},
      // Italic a, x and c in "Times New Roman"; "*" is a "×" 4 left of its pen.
      {{"5a*3", 100, 200, kOut, 108},
       {"100,200 3x3 ゴシック 16b c0 5", "131,178 10x7 Times New Roman 8bi c0 a",
        "150,200 2x3 ゴシック 16b c0 ×", "181,200 3x3 ゴシック 16b c0 3"}},
      {{"axcby", 100, 200, kOut, 135},
       {"104,178 10x7 Times New Roman 8bi c0 a", "131,178 10x7 Times New Roman 8bi c0 x",
        "158,178 10x7 Times New Roman 8bi c0 c", "181,200 3x3 ゴシック 16b c0 b",
        "208,200 3x3 ゴシック 16b c0 y"}},
      {{"c", 0, 0, kIn, 32}, {"4,-16 12x5 Times New Roman 8bi c0 c"}},
      // A numerator: the plus is two strokes 20 long crossing at (+16, +14) of its pen.
      {{"2x+3", 0, 100, kIn, 128},
       {"0,100 4x2 ゴシック 16b c0 2", "36,84 12x5 Times New Roman 8bi c0 x",
        "96,100 4x2 ゴシック 16b c0 3"},
       {"70,114-90,114 w5 c0", "80,104-80,124 w5 c0"}},
      // Signs as lines: the minus 2 above the bar's line, the plus.
      {{"-+", 100, 200, kOut, 54},
       {},
       {"104,220-123,220 w5 c0", "131,222-150,222 w5 c0", "140,210-140,234 w5 c0"}},
      {{"-", 0, 0, kIn, 32}, {}, {"6,14-26,14 w5 c0"}},
      // Exponents; an exponent letter or sign is a font character in the exponent metrics.
      {{"^2", 100, 200, kOut, 24}, {"100,200 3x2 ゴシック 16b c0 2"}},
      {{"^2", 0, 0, kIn, 24}, {"0,-4 6x3 ゴシック 8b c0 2"}},
      {{"^x^+", 0, 300, kOut, 48}, {"0,300 3x2 ゴシック 16b c0 x", "24,300 3x2 ゴシック 16b c0 +"}},
      // "=" is smaller, and the next character is the base size again.
      {{"=6", 100, 200, kOut, 59},
       {"104,200 3x3 ゴシック 14b c0 =", "132,200 3x3 ゴシック 16b c0 6"}},
      {{"=", 0, 0, kIn, 32}, {"4,0 3x3 ゴシック 14b c0 ="}},
      // Substituted symbols are wide characters, also inside a fraction.
      {{"/@", 100, 200, kOut, 54},
       {"96,200 2x3 ゴシック 16b c0 ÷", "123,200 2x3 ゴシック 16b c0 ±"}},
      {{"/@", 0, 0, kIn, 76}, {"0,0 3x3 ゴシック 11b c0 ÷", "38,0 3x3 ゴシック 11b c0 ±"}},
      // A space draws nothing; "#" is an ordinary character here (the tall radical is the
      // interpreter's).
      {{" ", 100, 200, kOut, 27}},
      {{" ", 0, 0, kIn, 27}},
      {{"'", 100, 200, kOut, 12}, {"100,200 3x3 ゴシック 16b c0 '"}},
      {{"#", 0, 0, kOut, 27}, {"0,0 3x3 ゴシック 16b c0 #"}},
      {{"#", 0, 0, kIn, 32}, {"0,0 4x2 ゴシック 16b c0 #"}},
      // The script ell keeps the rest of the run bold.
      {{"l2", 0, 0, kIn, 64}, {"0,0 6x3 MT Extra 16b c0 l", "32,0 4x2 ゴシック 16b c0 2"}},
      // Radicals: the sign, the character, its overbar; the small one inside a fraction.
      {{"!3ﾝ", 100, 200, kOut, 55},
       {"128,200 3x3 ゴシック 16b c0 3"},
       {"128,196-155,196 w3 c0"},
       {"104,236;108,224;116,240;124,196;132,196 w3 c0"}},
      {{"!2ﾝ", 0, 100, kIn, 58},
       {"26,100 4x2 ゴシック 16b c0 2"},
       {"26,94-58,94 w3 c0"},
       {"4,124;8,113;16,129;24,94;26,94 w3 c0"}},
  };
  for (const auto& c : cases) {
    GlyphRun r;
    SCOPED_TRACE(std::string(c.run.text) + (c.run.inFraction ? " in a fraction" : ""));
    EXPECT_EQ(r.Draw(c.run.text, c.run.x, c.run.y, c.run.inFraction), c.run.advance);
    EXPECT_EQ(Texts(r.device), c.texts);
    EXPECT_EQ(Lines(r.device), c.lines);
    EXPECT_EQ(Polys(r.device), c.polys);
    EXPECT_EQ(r.m.drawY, c.run.y);
    EXPECT_EQ(r.m.superscriptNext, 0);
    EXPECT_EQ(r.m.radicalMode, 0);
  }
}

TEST(DrawGlyphs, PendingExponentAndRaisedCharacter) {
  GlyphRun r;
  r.m.superscriptNext = 1;
  // ".", "=" and the degree mark do not take up a pending exponent: the "3" does.
  EXPECT_EQ(r.Draw("."), 8);
  EXPECT_EQ(r.Draw("="), 32);
  EXPECT_EQ(r.Draw("%"), 12);
  EXPECT_EQ(r.m.superscriptNext, 1);
  EXPECT_EQ(r.Draw("3"), 24);
  EXPECT_EQ(r.m.superscriptNext, 0);
  EXPECT_EQ(Texts(r.device),
            (Strings{"97,214 3x2 ゴシック 16b c0 .", "104,200 3x3 ゴシック 14b c0 =",
                     "100,200 3x3 ゴシック 16b c0 °", "100,200 3x2 ゴシック 16b c0 3"}));

  GlyphRun raised;  // a raised character wins over the exponent, which stays pending
  raised.m.superscriptNext = 1;
  EXPECT_EQ(raised.Draw("\\2"), 24);
  EXPECT_EQ(Texts(raised.device), Strings{"100,190 6x3 ゴシック 8b c0 2"});
  EXPECT_EQ(raised.m.raisedNext, 0);
  EXPECT_EQ(raised.m.superscriptNext, 1);
  EXPECT_EQ(raised.Draw("\\"), 0);  // a pending flag outlives the run that set it
  EXPECT_EQ(raised.m.raisedNext, 1);
}

TEST(DrawGlyphs, TallParentheses) {
  GlyphRun r;
  r.m.tallParens = 1;
  EXPECT_EQ(r.Draw("(2))"), 108);  // the first ")" ends them; the second is ordinary
  EXPECT_EQ(r.m.tallParens, 0);
  EXPECT_EQ(Texts(r.device),
            (Strings{"96,194 3x4 ゴシック 16b c0 (", "127,200 3x3 ゴシック 16b c0 2",
                     "160,194 3x4 ゴシック 16b c0 )", "181,200 3x3 ゴシック 16b c0 )"}));
}

TEST(DrawGlyphs, OpenRadicalBarsEveryLaterCharacterFromTheSignsEnd) {
  GlyphRun r;
  r.device.SetDrawWidth(2);
  EXPECT_EQ(r.Draw("√23"), 82);
  EXPECT_EQ(r.m.radicalMode, 1);
  EXPECT_EQ(r.m.radicalBarX, 128);
  EXPECT_EQ(r.Draw("4", 200, 300), 27);  // a later run, a later line: the bar goes on
  EXPECT_EQ(Lines(r.device),
            (Strings{"128,196-155,196 w3 c0", "128,196-182,196 w3 c0", "128,296-227,296 w3 c0"}));
  EXPECT_EQ(r.device.GetDrawWidth(), 2);
  EXPECT_EQ(r.Draw("ﾝ"), 0);
  EXPECT_EQ(r.m.radicalMode, 0);

  GlyphRun tall;  // the interpreter's tall radical: bars only outside fractions
  tall.m.radicalMode = 22;
  tall.m.radicalBarX = 50;
  EXPECT_EQ(tall.Draw("2", 100, 200, kIn), 32);
  EXPECT_TRUE(Lines(tall.device).empty());
  EXPECT_EQ(tall.m.radicalBarX, 132);  // follows the pen
  tall.m.radicalBarX = 50;
  tall.Draw("2");
  EXPECT_EQ(Lines(tall.device), Strings{"50,186-127,186 w3 c0"});

  GlyphRun shapes;  // parallelograms move the bar's start past themselves
  shapes.device.SetDrawWidth(2);
  shapes.m.radicalMode = 1;
  EXPECT_EQ(shapes.Draw("&＃", 0, 0), 72);
  EXPECT_EQ(Polys(shapes.device),
            (Strings{"4,40;25,40;32,8;11,8;4,40 w5 c0", "46,8;40,36;62,36;68,8;46,8 w5 c0"}));
  EXPECT_TRUE(Lines(shapes.device).empty());
  EXPECT_EQ(shapes.m.radicalBarX, 72);
  EXPECT_EQ(shapes.m.radicalMode, 1);
  EXPECT_EQ(shapes.device.GetDrawWidth(), 2);
}

TEST(DrawGlyphs, EmptyRunDrawsNothingAndKeepsFlags) {
  GlyphRun r;
  r.m.superscriptNext = r.m.raisedNext = r.m.radicalMode = 1;
  r.m.radicalBarX = 40;
  EXPECT_EQ(r.Draw(""), 0);
  EXPECT_EQ(r.m.superscriptNext + r.m.raisedNext + r.m.radicalMode, 3);
  EXPECT_EQ(r.m.radicalBarX, 40);
  EXPECT_TRUE(Texts(r.device).empty());
  EXPECT_TRUE(Lines(r.device).empty());
}

TEST(DrawGlyphs, FontAndWidthAfterEveryRun) {
  for (const char* run : {"2", "a", "l", "=", "^2", "-", "√2", "&", "２", ""}) {
    for (bool inFraction : {false, true}) {
      GlyphRun r;
      r.device.SetDrawWidth(7);
      r.Draw(run, 0, 0, inFraction);
      SCOPED_TRACE(run);
      EXPECT_EQ(r.device.font().name, "ゴシック");
      EXPECT_EQ(r.device.font().size, 16);
      EXPECT_FALSE(r.device.font().bold);
      EXPECT_FALSE(r.device.font().italic);
      EXPECT_EQ(r.device.GetDrawWidth(), 7);
      EXPECT_EQ(r.m.drawY, 0);
    }
  }
}

}  // namespace
}  // namespace orvelle
