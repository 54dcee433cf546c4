// The page reader of the lesson tests (tests/support/page_reading.h) against the mark-up
// interpreter: what DrawMarkupText draws reads back as the mark-up it was given, and a page's
// lines give the equalities a pupil reads in them.
#include "../support/page_reading.h"

#include <gtest/gtest.h>

#include "../support/machine.h"
#include "notation/markup.h"

namespace orvelle {
namespace {

using test::Bench;

void Write(Bench& b, float x, float y, int color, const std::string& text) {
  b.m.drawX = x;
  b.m.drawY = y;
  b.m.drawColor = static_cast<float>(color);
  b.m.drawText = text;
  DrawMarkupText(b.m);
}

TEST(ReadTexts, EveryKindOfGlyphReadsBackAsItsMarkup) {
  for (const std::string text :
       {"5x+2x", "=x-2x-6+8", "(1+3x)*2=2+6x(本)", "=ﾀ2/5ﾀa*ﾀ1/10ﾀ", "2x^2-x", "-ﾀ3/4ﾀa+ﾀb/5ﾀ",
        "{12+8(x-1)}本", "8本の組は、(x-1)組 だから 8(x-1)本", "=6a+3 (m^2)", "ﾀ2x+3/5ﾀ*10",
        "a^2b^3", "-(-3)^2", "3.14*ﾀ-c+1/2ﾀ", "6y/4", "x+ﾀpx/100ﾀ≧400", "4*4+5=16+5=21 (g)"}) {
    Bench b;
    Write(b, 100, 200, 0, " " + text + " ");  // leading and trailing spaces draw nothing
    const auto read = test::ReadTexts(b.device.log());
    ASSERT_EQ(read.size(), 1u) << text;
    EXPECT_EQ(read[0].text, text);
    EXPECT_EQ(read[0].y, 200);
  }
}

TEST(ReadTexts, TextsJoinWhereTheyGoOnOnTheirLine) {
  Bench b;
  Write(b, 40, 100, 3, "(1)");
  Write(b, b.m.drawX, 100, 0, "12+8(x-1)");
  const float end = b.m.drawX;
  Write(b, 40, 150, 3, "(2)");
  Write(b, b.m.drawX + 20, 150, 0, "x");  // 20 after: a text of its own
  Write(b, end, 100, 0, "=12+8x-8");      // later, on line (1) from its end
  const auto read = test::ReadTexts(b.device.log());
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0].text, "(1)12+8(x-1)=12+8x-8");
  EXPECT_EQ(read[0].colors.front(), 3);
  EXPECT_EQ(read[0].colors.back(), 0);
  EXPECT_EQ(read[1].text, "(2)");
  EXPECT_EQ(read[2].text, "x");
}

TEST(Equalities, ChainsLineUnderLineInsideTextsAndAfterLabels) {
  Bench b;
  Write(b, 40, 100, 3, "(1)");
  Write(b, b.m.drawX, 100, 0, "12+8(x-1)");
  Write(b, b.m.drawX, 100, 0, "=12+8x-8");
  Write(b, 100, 150, 0, " (2+6x)+(2x+2)");
  Write(b, 100, 200, 0, "=6x+2x+2+2");
  Write(b, 100, 250, 5, "=8x+4(本)");
  Write(b, 100, 300, 0, "p％=ﾀp/100ﾀ だから x*ﾀp/100ﾀ=ﾀpx/100ﾀ(人)");
  const auto equalities = test::Equalities(test::ReadTexts(b.device.log()));
  std::vector<std::string> read;
  for (const auto& e : equalities) read.push_back(e.left + " = " + e.right);
  EXPECT_EQ(read, (std::vector<std::string>{"12+8(x-1) = 12+8x-8", "(2+6x)+(2x+2) = 6x+2x+2+2",
                                            "6x+2x+2+2 = 8x+4", "x*ﾀp/100ﾀ = ﾀpx/100ﾀ"}));
}

}  // namespace
}  // namespace orvelle
