#include "platform/palette.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

// Small text is the plain 16-unit face; large text is the mark-up at its lesson sizes, the
// menus and the labels of figures.
enum class Size { kSmall, kLarge };

struct Pair {
  int text;
  int fill;
  Size size;
  const char* where;
};

// Every colour of text the programs draw on every colour it is drawn on, at each size it has.
constexpr Pair kTextOnFill[] = {
    {9, 4, Size::kSmall, "key-wait and message bars"},
    {9, 12, Size::kSmall, "next-step box"},
    {0, 15, Size::kSmall, "sub-menu lines, prompts, the entry field's label"},
    {5, 15, Size::kSmall, "prompts before a number, the entry field's echo"},
    {13, 15, Size::kSmall, "the error message"},
    {0, 15, Size::kLarge, "lesson text, table cells"},
    {3, 15, Size::kLarge, "lesson text, arc labels"},
    {4, 15, Size::kLarge, "default text colour"},
    {5, 15, Size::kLarge, "lesson text, answers"},
    {7, 15, Size::kLarge, "textbook references, arc labels"},
    {13, 15, Size::kLarge, "lesson text"},
    {13, 10, Size::kLarge, "main menu items"},
    {15, 10, Size::kLarge, "main menu title and items"},
    {0, 13, Size::kLarge, "title boxes"},
    {5, 13, Size::kLarge, "answer boxes"},
    {13, 3, Size::kLarge, "problem-number boxes, like-terms boxes"},
    {13, 5, Size::kLarge, "like-terms boxes"},
    {13, 6, Size::kLarge, "balance: letters"},
    {13, 8, Size::kLarge, "balance: envelope"},
    {13, 10, Size::kLarge, "balance: weights"},
    {5, 11, Size::kLarge, "answer grid cells"},
};

TEST(Palette, EveryTextIsLegibleOnWhatItIsDrawnOn) {
  for (const Pair& p : kTextOnFill) {
    EXPECT_GE(ContrastRatio(PaletteColor(p.text), PaletteColor(p.fill)),
              p.size == Size::kSmall ? 4.5 : 3.0)
        << p.text << " on " << p.fill << (p.size == Size::kSmall ? " small" : " large") << " ("
        << p.where << ")";
  }
}

// Light blue (9) is a colour of figures on the white page too: arcs of the distributive law, the
// filled rectangle of a quantities example, the balance's string. Non-text ink, thin: visible at
// 2:1, while it reads on the red bars at 4.5:1.
TEST(Palette, LightBlueFiguresShowOnWhite) {
  EXPECT_GE(ContrastRatio(PaletteColor(9), PaletteColor(15)), 2.0);
}

TEST(Palette, ClassicOrderWithAWhiteBackground) {
  const Rgb white = PaletteColor(15);
  EXPECT_EQ(white.r + white.g + white.b, 3 * 255);
  const Rgb black = PaletteColor(0);
  EXPECT_EQ(black.r + black.g + black.b, 0);
  // Hues in the classic order: 4 and 12 red, 1 and 9 blue, 2 and 10 green, 14 yellow.
  for (int red : {4, 12}) EXPECT_GT(PaletteColor(red).r, 2 * PaletteColor(red).g);
  for (int blue : {1, 9}) EXPECT_GT(PaletteColor(blue).b, PaletteColor(blue).r);
  for (int green : {2, 10}) EXPECT_GT(PaletteColor(green).g, PaletteColor(green).r);
  EXPECT_GT(PaletteColor(14).r, 200);
  EXPECT_GT(PaletteColor(14).g, 150);
  // 9, 11 and 12 are the light ones of their pairs.
  EXPECT_GT(RelativeLuminance(PaletteColor(9)), RelativeLuminance(PaletteColor(1)));
  EXPECT_GT(RelativeLuminance(PaletteColor(11)), RelativeLuminance(PaletteColor(3)));
  EXPECT_GT(RelativeLuminance(PaletteColor(12)), RelativeLuminance(PaletteColor(4)));
}

TEST(Palette, NumbersOutsideTheRangeWrap) {
  EXPECT_EQ(PaletteColor(16).r, PaletteColor(0).r);
  EXPECT_EQ(PaletteColor(-1).g, PaletteColor(15).g);
  EXPECT_EQ(PaletteColor(31).b, PaletteColor(15).b);
}

TEST(Palette, ContrastRatioMatchesTheDefinition) {
  EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio({118, 118, 118}, {255, 255, 255}), 4.54, 0.01);
}

}  // namespace
}  // namespace orvelle
