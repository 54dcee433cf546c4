#include "core/plain_text.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Bench;

// Draws `text` with DrawText at (x, 200) in colour 4.
void Draw(Bench& b, const std::string& text, float x = 100) {
  b.m.drawText = text;
  b.m.drawX = x;
  b.m.drawY = 200;
  b.m.drawColor = 4;
  DrawText(b.m);
}

TEST(DrawText, OneCellPerCharacter) {
  Bench b;
  Draw(b, "次のステップは１を入力。", 128);
  const auto texts = b.Texts();
  ASSERT_EQ(texts.size(), 12u);
  for (size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].x1, 128 + 16 * static_cast<float>(i));
    EXPECT_EQ(texts[i].y1, 200);  // wide characters are not raised
    EXPECT_EQ(texts[i].color, 4);
    EXPECT_EQ(texts[i].scaleX, 1);
    EXPECT_EQ(texts[i].scaleY, 1);
    EXPECT_TRUE(texts[i].font.bold);
  }
  EXPECT_EQ(texts[0].s, "次");
  EXPECT_EQ(texts[11].s, "。");
  EXPECT_EQ(b.m.drawX, 320);
  EXPECT_EQ(b.m.drawY, 200);
  EXPECT_EQ(b.m.drawColor, 4);
  EXPECT_EQ(b.m.drawText, "");
}

TEST(DrawText, ConversionRaisesAndCells) {
  const struct {
    const char* text;
    const char* cells;
    float end;  // drawX afterwards, from 100
  } cases[] = {
      {"P73Q", "Ｐ@100,200 ７@116,200 ３@132,200 Ｑ@148,200 ", 164},
      // An exponent stays half-width, 4 higher.
      {"x^2", "χ@100,200 2@116,196 ", 132},
      // The full stop takes no cell, 4 left of the next; after "^" it keeps its cell.
      {"1.5", "１@100,200 ．@112,200 ５@116,200 ", 132},
      {"^.5", ".@100,196 ５@116,200 ", 132},
      // The tables' surprises: a Greek capital alpha (never the full-width Latin A), chi, ...
      {"Ax-*/ﾀ?~A",
       "Α@100,200 χ@116,200 －@132,200 ×@148,200 ÷@164,200 ―@180,200 ∽@196,200 △@212,200 "
       "Α@228,200 ",
       244},
      // In neither table: narrow ones drawn as they are, 4 higher; wide ones not raised.
      {"z#;_{ｱ①÷ぁ",
       "z@100,196 #@116,196 ;@132,196 _@148,196 {@164,196 ｱ@180,196 ①@196,200 ÷@212,200 "
       "ぁ@228,200 ",
       244},
      {"^１2", "１@100,200 ２@116,200 ", 132},  // a wide exponent is not raised; the flag goes
      {"a b", "ａ@100,200 ｂ@132,200 ", 148},   // a space takes one blank cell
      {"", "", 100},
  };
  for (const auto& c : cases) {
    Bench b;
    Draw(b, c.text);
    EXPECT_EQ(test::Cells(b.device), c.cells) << c.text;
    EXPECT_EQ(b.m.drawX, c.end) << c.text;
    EXPECT_EQ(b.m.superscriptNext, 0) << c.text;
  }
}

TEST(DrawText, TrailingCaretRaisesTheNextText) {
  Bench b;
  Draw(b, "2^");
  EXPECT_EQ(b.m.superscriptNext, 1);
  EXPECT_EQ(b.m.drawX, 116);
  Draw(b, "3", 116);
  EXPECT_EQ(test::Cells(b.device), "２@100,200 3@116,196 ");
  EXPECT_EQ(b.m.superscriptNext, 0);
  Draw(b, "a b");
  EXPECT_EQ(b.m.strArg, "b");  // the last character taken
}

TEST(DrawChars, ClosesUpAroundSpaces) {
  Bench b;
  b.m.strArg = " a b ";
  b.m.drawX = 50;
  b.m.drawY = 10;
  b.m.drawColor = 5;
  DrawChars(b.m);
  EXPECT_EQ(test::Cells(b.device), "ａ@50,10 ｂ@66,10 ");
  EXPECT_EQ(b.m.charPenX, 82);
  EXPECT_EQ(b.m.drawX, 50);  // DrawChars gives its end in charPenX only
  EXPECT_EQ(b.m.strArg, "ab");
  EXPECT_EQ(b.Texts()[0].color, 5);
}

TEST(RemoveSpaces, RemovesOnlyHalfWidthSpaces) {
  Bench b;
  for (const auto& [in, out] : {std::pair{" 12", "12"}, {"a　b c", "a　bc"}, {"", ""}}) {
    b.m.strArg = in;
    RemoveSpaces(b.m);
    EXPECT_EQ(b.m.strArg, out);
  }
}

}  // namespace
}  // namespace orvelle
