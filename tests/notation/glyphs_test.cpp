// The glyph renderer: every row's font, scale, offset and advance, the flags and the overbar.
#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "notation/markup.h"

namespace orvelle {
namespace {

using Strings = std::vector<std::string>;
using test::Lines;
using test::Polys;
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

TEST(DrawGlyphs, DigitsAndWideCharactersInAndOutOfFractions) {
  GlyphRun r;
  EXPECT_EQ(r.Draw("2"), 27);
  EXPECT_EQ(r.Draw("2", 100, 200, true), 32);
  EXPECT_EQ(r.Draw("２"), 34);
  EXPECT_EQ(r.Draw("２", 100, 200, true), 38);
  EXPECT_EQ(Texts(r.device),
            (Strings{"100,200 3x3 ゴシック 16b c0 2", "100,200 4x2 ゴシック 16b c0 2",
                     "100,200 2x3 ゴシック 16b c0 ２", "100,200 3x3 ゴシック 11b c0 ２"}));
  EXPECT_EQ(r.m.drawY, 200);
}

TEST(DrawGlyphs, ProductWithItalicLetter) {
  GlyphRun r;
  EXPECT_EQ(r.Draw("5a*3"), 108);
  EXPECT_EQ(Texts(r.device),
            (Strings{"100,200 3x3 ゴシック 16b c0 5", "131,178 10x7 Times New Roman 8bi c0 a",
                     "150,200 2x3 ゴシック 16b c0 ×", "181,200 3x3 ゴシック 16b c0 3"}));
}

TEST(DrawGlyphs, NumeratorRunInFractionMetrics) {
  GlyphRun r;
  EXPECT_EQ(r.Draw("2x+3", 0, 100, true), 128);
  EXPECT_EQ(Texts(r.device),
            (Strings{"0,100 4x2 ゴシック 16b c0 2", "36,84 12x5 Times New Roman 8bi c0 x",
                     "96,100 4x2 ゴシック 16b c0 3"}));
  // The plus: two strokes 20 long crossing at (+16, +14) of its pen (64).
  EXPECT_EQ(Lines(r.device), (Strings{"70,114-90,114 w5 c0", "80,104-80,124 w5 c0"}));
  EXPECT_EQ(r.device.GetDrawWidth(), 3);
}

TEST(DrawGlyphs, SignsAsLines) {
  GlyphRun r;
  EXPECT_EQ(r.Draw("-+"), 54);
  EXPECT_EQ(r.Draw("-", 0, 0, true), 32);
  EXPECT_EQ(Lines(r.device), (Strings{"104,220-123,220 w5 c0",  // minus, 2 above the bar
                                      "131,222-150,222 w5 c0",  // plus, cross bar
                                      "140,210-140,234 w5 c0",  // plus, upright
                                      "6,14-26,14 w5 c0"}));
  EXPECT_TRUE(Texts(r.device).empty());
}

TEST(DrawGlyphs, Exponents) {
  GlyphRun r;
  EXPECT_EQ(r.Draw("^2"), 24);
  EXPECT_EQ(r.m.superscriptNext, 0);
  EXPECT_EQ(r.Draw("^2", 0, 0, true), 24);
  EXPECT_EQ(r.m.superscriptNext, 0);
  // An exponent letter or sign is a font character in the exponent metrics.
  EXPECT_EQ(r.Draw("^x^+", 0, 300), 48);
  EXPECT_EQ(Texts(r.device),
            (Strings{"100,200 3x2 ゴシック 16b c0 2", "0,-4 6x3 ゴシック 8b c0 2",
                     "0,300 3x2 ゴシック 16b c0 x", "24,300 3x2 ゴシック 16b c0 +"}));
  EXPECT_TRUE(Lines(r.device).empty());
}

TEST(DrawGlyphs, MarksThatDoNotConsumeAPendingExponent) {
  GlyphRun r;
  r.m.superscriptNext = 1;
  EXPECT_EQ(r.Draw("."), 8);
  EXPECT_EQ(r.m.superscriptNext, 1);
  EXPECT_EQ(r.Draw("="), 32);
  EXPECT_EQ(r.Draw("%"), 12);  // the degree mark
  EXPECT_EQ(r.m.superscriptNext, 1);
  EXPECT_EQ(r.Draw("3"), 24);
  EXPECT_EQ(r.m.superscriptNext, 0);
  EXPECT_EQ(Texts(r.device),
            (Strings{"97,214 3x2 ゴシック 16b c0 .", "104,200 3x3 ゴシック 14b c0 =",
                     "100,200 3x3 ゴシック 16b c0 °", "100,200 3x2 ゴシック 16b c0 3"}));
}

TEST(DrawGlyphs, RaisedCharacterWinsOverExponent) {
  GlyphRun r;
  r.m.superscriptNext = 1;
  EXPECT_EQ(r.Draw("\\2"), 24);
  EXPECT_EQ(r.m.raisedNext, 0);
  EXPECT_EQ(r.m.superscriptNext, 1);
  EXPECT_EQ(Texts(r.device), (Strings{"100,190 6x3 ゴシック 8b c0 2"}));
  // A pending flag outlives the run that set it.
  EXPECT_EQ(r.Draw("\\"), 0);
  EXPECT_EQ(r.m.raisedNext, 1);
}

TEST(DrawGlyphs, EqualsIsSmallerAndTheNextCharacterIsBaseSizeAgain) {
  GlyphRun r;
  EXPECT_EQ(r.Draw("=6"), 59);
  EXPECT_EQ(r.Draw("=", 0, 0, true), 32);
  EXPECT_EQ(Texts(r.device),
            (Strings{"104,200 3x3 ゴシック 14b c0 =", "132,200 3x3 ゴシック 16b c0 6",
                     "4,0 3x3 ゴシック 14b c0 ="}));
}

TEST(DrawGlyphs, SymbolSubstitutions) {
  GlyphRun r;
  EXPECT_EQ(r.Draw("/@"), 54);
  EXPECT_EQ(r.Draw("/@", 0, 0, true), 76);  // wide characters inside a fraction
  EXPECT_EQ(Texts(r.device),
            (Strings{"96,200 2x3 ゴシック 16b c0 ÷", "123,200 2x3 ゴシック 16b c0 ±",
                     "0,0 3x3 ゴシック 11b c0 ÷", "38,0 3x3 ゴシック 11b c0 ±"}));
}

TEST(DrawGlyphs, SpacesAndPunctuation) {
  GlyphRun r;
  EXPECT_EQ(r.Draw(" "), 27);
  EXPECT_EQ(r.Draw(" ", 0, 0, true), 27);
  EXPECT_EQ(r.Draw("'"), 12);
  EXPECT_EQ(r.Draw("#", 0, 0), 27);  // the tall radical is the interpreter's, not a glyph
  EXPECT_EQ(r.Draw("#", 0, 0, true), 32);
  EXPECT_EQ(Texts(r.device).size(), 3u);
}

TEST(DrawGlyphs, ItalicLettersOnlyForAXC) {
  GlyphRun r;
  EXPECT_EQ(r.Draw("axcby"), 135);
  EXPECT_EQ(r.Draw("c", 0, 0, true), 32);
  EXPECT_EQ(
      Texts(r.device),
      (Strings{"104,178 10x7 Times New Roman 8bi c0 a", "131,178 10x7 Times New Roman 8bi c0 x",
               "158,178 10x7 Times New Roman 8bi c0 c", "181,200 3x3 ゴシック 16b c0 b",
               "208,200 3x3 ゴシック 16b c0 y", "4,-16 12x5 Times New Roman 8bi c0 c"}));
}

TEST(DrawGlyphs, ScriptEllKeepsTheRestOfTheRunBold) {
  GlyphRun r;
  EXPECT_EQ(r.Draw("l2", 0, 0, true), 64);
  EXPECT_EQ(Texts(r.device), (Strings{"0,0 6x3 MT Extra 16b c0 l", "32,0 4x2 ゴシック 16b c0 2"}));
}

TEST(DrawGlyphs, TallParentheses) {
  GlyphRun r;
  r.m.tallParens = 1;
  EXPECT_EQ(r.Draw("(2))"), 108);
  EXPECT_EQ(r.m.tallParens, 0);
  EXPECT_EQ(Texts(r.device),
            (Strings{"96,194 3x4 ゴシック 16b c0 (", "127,200 3x3 ゴシック 16b c0 2",
                     "160,194 3x4 ゴシック 16b c0 )", "181,200 3x3 ゴシック 16b c0 )"}));
}

TEST(DrawGlyphs, RadicalWithOverbarOutsideAFraction) {
  GlyphRun r;
  EXPECT_EQ(r.Draw("!3ﾝ"), 55);
  EXPECT_EQ(r.m.radicalMode, 0);
  EXPECT_EQ(r.m.radicalBarX, 128);
  EXPECT_EQ(Polys(r.device), (Strings{"104,236;108,224;116,240;124,196;132,196 w3 c0"}));
  EXPECT_EQ(Texts(r.device), (Strings{"128,200 3x3 ゴシック 16b c0 3"}));
  EXPECT_EQ(Lines(r.device), (Strings{"128,196-155,196 w3 c0"}));
}

TEST(DrawGlyphs, OpenRadicalBarsEveryLaterCharacterFromTheSignsEnd) {
  GlyphRun r;
  r.device.SetDrawWidth(2);
  EXPECT_EQ(r.Draw("√23"), 82);
  EXPECT_EQ(r.m.radicalMode, 1);
  EXPECT_EQ(r.Draw("4", 200, 300), 27);  // a later run, a later line: the bar goes on
  EXPECT_EQ(Lines(r.device),
            (Strings{"128,196-155,196 w3 c0", "128,196-182,196 w3 c0", "128,296-227,296 w3 c0"}));
  EXPECT_EQ(r.device.GetDrawWidth(), 2);
}

TEST(DrawGlyphs, SmallRadicalInsideAFraction) {
  GlyphRun r;
  EXPECT_EQ(r.Draw("!2ﾝ", 0, 100, true), 58);
  EXPECT_EQ(Polys(r.device), (Strings{"4,124;8,113;16,129;24,94;26,94 w3 c0"}));
  EXPECT_EQ(Lines(r.device), (Strings{"26,94-58,94 w3 c0"}));
  EXPECT_EQ(r.m.radicalMode, 0);
}

TEST(DrawGlyphs, TallRadicalBarOnlyOutsideFractions) {
  GlyphRun r;
  r.m.radicalMode = 22;
  r.m.radicalBarX = 50;
  EXPECT_EQ(r.Draw("2", 100, 200, true), 32);
  EXPECT_TRUE(Lines(r.device).empty());
  EXPECT_EQ(r.m.radicalBarX, 132);  // follows the pen
  r.m.radicalBarX = 50;
  r.Draw("2");
  EXPECT_EQ(Lines(r.device), (Strings{"50,186-127,186 w3 c0"}));
}

TEST(DrawGlyphs, ParallelogramsMoveTheBarStartPastThemselves) {
  GlyphRun r;
  r.device.SetDrawWidth(2);
  r.m.radicalMode = 1;
  EXPECT_EQ(r.Draw("&＃", 0, 0), 72);
  EXPECT_EQ(Polys(r.device),
            (Strings{"4,40;25,40;32,8;11,8;4,40 w5 c0", "46,8;40,36;62,36;68,8;46,8 w5 c0"}));
  EXPECT_TRUE(Lines(r.device).empty());
  EXPECT_EQ(r.m.radicalBarX, 72);
  EXPECT_EQ(r.m.radicalMode, 1);
  EXPECT_EQ(r.device.GetDrawWidth(), 2);
}

TEST(DrawGlyphs, EmptyRunDrawsNothingAndKeepsFlags) {
  GlyphRun r;
  r.m.superscriptNext = 1;
  r.m.raisedNext = 1;
  r.m.radicalMode = 1;
  r.m.radicalBarX = 40;
  EXPECT_EQ(r.Draw(""), 0);
  EXPECT_EQ(r.m.superscriptNext, 1);
  EXPECT_EQ(r.m.raisedNext, 1);
  EXPECT_EQ(r.m.radicalMode, 1);
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
