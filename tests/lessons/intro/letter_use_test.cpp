// Section 1 "文字の使用" of Orvelle, screen by screen on the recording device.
#include "lessons/intro/letter_use.h"

#include <gtest/gtest.h>

#include <string>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"
#include "lessons/intro/main_menu.h"

namespace orvelle {
namespace {

using test::ExpectWorkingShown;
using test::ItemRun;
using test::kIntro;
using test::MarkupEnd;
using test::MarkupValue;

TEST(LetterUse, P62QuestionCountsSticksFourWays) {
  const ItemRun item(kIntro, 1, 1, 16);
  std::vector<test::Seen> seen = {
      {40, 30, 7, "正方形を20個つなげてつくるとき、", 0},
      // Square ③ of the first row, "…", then ⑲ 120 units on.
      {261, 168, 3, "③", 0},
      {481, 168, 3, "⑲", 0},
      {40, 250, 3, "5個のときで考えよう。", 1},
      // Each way's heading, its sticks, then its answer one key later.
      {40, 430, 7, "(1)", 3},
      {MarkupEnd(40, "(1)") + 40, 430, 5, "4+3*4=16", 4},
      {MarkupEnd(700, "(2)") + 40, 10, 5, "1+3*5=16", 7},
      {MarkupEnd(700, "(3)") + 40, 180, 5, "4*5-4=16", 10},
      {700, 350, 7, "(4)", 11},
      {MarkupEnd(700, "(4)") + 40, 350, 5, "5*2+6=16", 13},
      {700, 520, 7, "正方形20個では?", 14},
      {700, 570, 3, "4+3*19=", 15},
      {MarkupEnd(700, "4+3*19="), 570, 5, "61(本)", 16},
  };
  // The five squares numbered, each in a circle at width 3.
  for (int i = 1; i <= 5; ++i) seen.push_back({100.0f * i + 11, 348, 0, std::to_string(i), 2});
  item.Expect(seen);
  int circles = 0;
  for (const auto& c : item.screens[2]) {
    circles += c.op == Op::kCircle && c.r == 25 && c.y1 == 370 && c.width == 3 && !c.filled;
  }
  EXPECT_EQ(circles, 5);
  // The four ways count the same 16 sticks; way (1) at 20 squares gives 61.
  const test::Screen screen(item.log());
  for (const std::string way : {"4+3*4", "1+3*5", "4*5-4", "5*2+6"}) {
    EXPECT_TRUE(screen.Shows(way + "=16")) << way;
    EXPECT_EQ(MarkupValue(way, {}), 16) << way;
  }
  EXPECT_EQ(MarkupValue("4+3*19=", {}), 61);
  bool dots = false;
  for (const auto& c : item.screens[0]) {
    dots |= c.s == "…" && c.x1 == 350 && c.y1 == 146 && c.scaleX == 5 && c.scaleY == 5;
  }
  EXPECT_TRUE(dots);
  // Way (2): the first stick set back to colour 0; way (3): the four inner sticks in 7.
  EXPECT_TRUE(test::HasLine(item.screens[6], 700, 78, 700, 162, 0, 7));
  for (int k = 1; k <= 4; ++k) {
    EXPECT_TRUE(test::HasLine(item.screens[9], 700.0f + 100 * k, 248, 700.0f + 100 * k, 332, 7, 7));
  }
}

TEST(LetterUse, P64QuestionTableAndRightHandPart) {
  const ItemRun item(kIntro, 1, 2, 10);
  // The right-hand part starts 120 after "1+3*3"; the erase stops 10 before it.
  const float right = MarkupEnd(460, "1+3*3") + 120;
  item.Expect({
      {40, 30, 0, "(2)の考えで棒の本数を求めよう。", 0},
      {340, 80, 3, "棒の本数を求める式", 0},
      {40, 165, 3, "1", 0},
      {40, 405, 3, "3", 0},
      {120, 515, 3, "棒の本数=1+3*", 4},
      {right, 30, 0, "Q 数の代わりに正方形が", 5},
      {right + 60, 130, 5, "答　(1+3*x)本", 6},
      {right + 60, 290, 5, "答　61本", 8},
      {right, 400, 0, "として、棒の本数を表そう。", 9},
      {right + 60, 550, 5, "答　{4+3*(x-1)}本", 10},
      {80, 150, 7, "(1) 4+3*4=16", 9},
  });
  // Row k of the table gives 1+3k sticks, a key after the one above; 1+3x at 20 squares is 61,
  // and way (1)'s 4+3(x-1) the same expression.
  for (int k = 1; k <= 3; ++k) {
    item.Expect({{460, 45.0f + 120 * k, 5, "1+3*" + std::to_string(k), k}});
  }
  ExpectWorkingShown(item.log(), {"1+3*20", "=61"});
  ExpectWorkingShown(item.log(), {"(1+3*x)", "{4+3*(x-1)}"});
  // Each table row's leading stick in colour 7; way (2)'s stick set apart in 0.
  EXPECT_TRUE(test::HasLine(item.log(), 80, 148, 80, 232, 7, 7));
  EXPECT_TRUE(test::HasLine(item.log(), 80, 388, 80, 472, 7, 7));
  EXPECT_TRUE(test::HasLine(item.log(), 80, 428, 80, 512, 0, 7));
  EXPECT_TRUE(test::HasBox(item.log(), 0, 0, right - 10, 1300, 15, 15));
}

TEST(LetterUse, Example1TwoPausesPerRow) {
  const ItemRun item(kIntro, 1, 3, 13);
  item.Expect({
      {40, 130, 3, "(代金)＝(単価)*(冊数)", 1},
      {MarkupEnd(40, "△冊…") + 50, 330, 3, "(90*△)円", 9},
      {40, 380, 0, "x冊…", 10},
      {40, 430, 5, "　＜文字式＞", 12},
      {40, 580, 3, "　　aやxを使って式に表す。", 12},
      {680, 80, 7, "問1 をしなさい。", 13},
  });
  // k notebooks, a key later 90k yen after them.
  for (int k = 1; k <= 3; ++k) {
    const std::string count = std::to_string(k) + "冊…90*" + std::to_string(k);
    const float y = 130.0f + 50 * k;
    item.Expect({{40, y, 0, count, 2 * k},
                 {MarkupEnd(40, count) + 50, y, 3, std::to_string(90 * k) + "円", 2 * k + 1}});
  }
}

TEST(LetterUse, ExercisesAnswersLineByLine) {
  ItemRun(kIntro, 1, 4, 18)
      .Expect({
          {40, 30, 3, "教科書P65　問1解答", 0},
          {110, 80, 0, "(代金)＝(単価)*(個数)", 0},
          {110, 180, 5, "(60*x)円", 1},
          {40, 230, 3, "(2)", 2},
          {110, 580, 5, "(t+3)℃", 9},
          {600, 30, 3, "教科書P65　問2 をしなさい。", 10},
          {670, 230, 0, "長さは正の数で、小数でもよい", 14},
          {600, 380, 7, "小数もふくめた数の代わりは", 16},
          {670, 430, 5, "a,(4)x,t", 16},
          {600, 490, 3, "教科書P65　問3 をしなさい。", 17},
          {600, 540, 0, "負の数もふくめた数の代わり…", 18},
      });
}

}  // namespace
}  // namespace orvelle
