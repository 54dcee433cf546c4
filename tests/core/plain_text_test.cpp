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

TEST(DrawText, HalfWidthBecomesFullWidth) {
  Bench b;
  Draw(b, "P73Q");
  EXPECT_EQ(test::Cells(b.device), "Ｐ@100,200 ７@116,200 ３@132,200 Ｑ@148,200 ");
  EXPECT_EQ(b.m.drawX, 164);
}

TEST(DrawText, ExponentStaysHalfWidthAndRaised) {
  Bench b;
  Draw(b, "x^2");
  EXPECT_EQ(test::Cells(b.device), "χ@100,200 2@116,196 ");
  EXPECT_EQ(b.m.drawX, 132);
  EXPECT_EQ(b.m.superscriptNext, 0);
}

TEST(DrawText, FullStopTakesNoCell) {
  Bench b;
  Draw(b, "1.5");
  EXPECT_EQ(test::Cells(b.device), "１@100,200 ．@112,200 ５@116,200 ");
  EXPECT_EQ(b.m.drawX, 132);
}

TEST(DrawText, PointAfterCaretKeepsItsCell) {
  Bench b;
  Draw(b, "^.5");
  EXPECT_EQ(test::Cells(b.device), ".@100,196 ５@116,200 ");
  EXPECT_EQ(b.m.drawX, 132);
}

TEST(DrawText, TableSurprises) {
  Bench b;
  Draw(b, "Ax-*/ﾀ?~A");
  EXPECT_EQ(test::Cells(b.device),
            "Α@100,200 χ@116,200 －@132,200 ×@148,200 ÷@164,200 ―@180,200 ∽@196,200 "
            "△@212,200 Α@228,200 ");
  EXPECT_EQ(test::Cells(b.device).find("\xEF\xBC\xA1"),
            std::string::npos);  // never the full-width Latin A
}

TEST(DrawText, CharactersInNeitherTable) {
  Bench b;
  Draw(b, "z#;_{ｱ①÷ぁ");
  // Narrow ones are drawn as they are, 4 higher; wide ones as they are, not raised.
  EXPECT_EQ(test::Cells(b.device),
            "z@100,196 #@116,196 ;@132,196 _@148,196 {@164,196 ｱ@180,196 ①@196,200 "
            "÷@212,200 ぁ@228,200 ");
  EXPECT_EQ(b.m.drawX, 244);
}

TEST(DrawText, WideExponentIsNotRaisedAndClearsTheFlag) {
  Bench b;
  Draw(b, "^１2");
  EXPECT_EQ(test::Cells(b.device), "１@100,200 ２@116,200 ");
  EXPECT_EQ(b.m.superscriptNext, 0);
}

TEST(DrawText, SpaceTakesOneBlankCell) {
  Bench b;
  Draw(b, "a b");
  EXPECT_EQ(test::Cells(b.device), "ａ@100,200 ｂ@132,200 ");
  EXPECT_EQ(b.m.drawX, 148);
  EXPECT_EQ(b.m.strArg, "b");  // the last character taken
}

TEST(DrawText, TrailingCaretRaisesTheNextText) {
  Bench b;
  Draw(b, "2^");
  EXPECT_EQ(b.m.superscriptNext, 1);
  EXPECT_EQ(b.m.drawX, 116);
  Draw(b, "3", 116);
  EXPECT_EQ(test::Cells(b.device), "２@100,200 3@116,196 ");
  EXPECT_EQ(b.m.superscriptNext, 0);
}

TEST(DrawText, EmptyTextDrawsNothing) {
  Bench b;
  Draw(b, "", 77);
  EXPECT_TRUE(b.Texts().empty());
  EXPECT_EQ(b.m.drawX, 77);
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
  b.m.strArg = " 12";
  RemoveSpaces(b.m);
  EXPECT_EQ(b.m.strArg, "12");
  b.m.strArg = "a　b c";
  RemoveSpaces(b.m);
  EXPECT_EQ(b.m.strArg, "a　bc");
  b.m.strArg = "";
  RemoveSpaces(b.m);
  EXPECT_EQ(b.m.strArg, "");
}

}  // namespace
}  // namespace orvelle
