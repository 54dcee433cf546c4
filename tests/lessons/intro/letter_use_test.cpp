// Section 1 "文字の使用" of Orvelle, screen by screen on the recording device.
#include "lessons/intro/letter_use.h"

#include <gtest/gtest.h>

#include <string>

#include "../../support/machine.h"
#include "../../support/screen.h"
#include "lessons/intro/main_menu.h"

namespace orvelle {
namespace {

using test::DrewMarkup;
using test::KeyWaits;
using test::MarkupEnd;
using test::ProgramRun;

// Runs Orvelle: main menu item 1, then the section's item `item` with `keys` spaces for its
// key waits, then "終了" twice.
ProgramRun RunItem(int item, int keys) {
  return ProgramRun("Orvelle", intro::ShowMainMenu,
                    "1\r" + std::to_string(item) + "\r" + std::string(keys, ' ') + "5\r6\r");
}

bool HasLine(const RecordingDevice& d, float x1, float y1, float x2, float y2, int color,
             int width) {
  for (const auto& c : d.Calls("line")) {
    if (c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2 && c.color == color &&
        c.width == width) {
      return true;
    }
  }
  return false;
}

TEST(LetterUse, AimsOnceThenTheSubMenu) {
  ProgramRun run("Orvelle", intro::ShowMainMenu, "1\r0\r6\r5\r6\r");
  const auto& log = run.device.log();
  EXPECT_TRUE(DrewMarkup(log, 44, 240, 3, "<めあて>"));
  EXPECT_TRUE(DrewMarkup(log, 76, 305, 0, "数量を文字を使った式に表そう。"));
  int aims = 0, subMenus = 0;
  for (const auto& c : run.device.Texts()) {
    if (c.s == "①" && c.x1 == 16 && c.y1 == 666 && c.color == 0) ++subMenus;
  }
  for (const auto& c : run.device.Calls("text")) aims += c.s == "<" ? 1 : 0;
  EXPECT_EQ(subMenus, 3);  // 0 and 6 are out of range: the line is read again
  EXPECT_GE(aims, 1);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_FALSE(test::ShowedErrorScreen(log));
}

TEST(LetterUse, P62QuestionCountsSticksFourWays) {
  ProgramRun run = RunItem(1, 16);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 16);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewMarkup(log, 40, 30, 7, "正方形を20個つなげてつくるとき、"));
  EXPECT_TRUE(DrewMarkup(log, 40, 80, 7, "棒は何本必要？"));
  // Squares ①②③ of the first row, "…", then ⑲⑳ 120 units on.
  EXPECT_TRUE(DrewMarkup(log, 61, 168, 3, "①"));
  EXPECT_TRUE(DrewMarkup(log, 261, 168, 3, "③"));
  EXPECT_TRUE(DrewMarkup(log, 481, 168, 3, "⑲"));
  EXPECT_TRUE(DrewMarkup(log, 581, 168, 3, "⑳"));
  const auto dots =
      std::find_if(log.begin(), log.end(), [](const DrawCall& c) { return c.s == "…"; });
  ASSERT_NE(dots, log.end());
  EXPECT_EQ(dots->x1, 350);
  EXPECT_EQ(dots->y1, 146);
  EXPECT_EQ(dots->scaleX, 5);
  EXPECT_EQ(dots->scaleY, 5);
  EXPECT_TRUE(DrewMarkup(log, 40, 250, 3, "5個のときで考えよう。"));
  // Numbered squares with their circles at width 3.
  for (int i = 1; i <= 5; ++i) {
    EXPECT_TRUE(DrewMarkup(log, 100.0f * i + 11, 348, 0, std::to_string(i)));
  }
  int circles = 0;
  for (const auto& c : run.device.Calls("circle")) {
    circles += c.r == 25 && c.y1 == 370 && c.width == 3 && !c.filled ? 1 : 0;
  }
  EXPECT_EQ(circles, 5);
  EXPECT_TRUE(DrewMarkup(log, 40, 430, 7, "(1)"));
  EXPECT_TRUE(DrewMarkup(log, 700, 10, 7, "(2)"));
  EXPECT_TRUE(DrewMarkup(log, 700, 180, 7, "(3)"));
  EXPECT_TRUE(DrewMarkup(log, 700, 350, 7, "(4)"));
  EXPECT_TRUE(DrewMarkup(log, 700, 520, 7, "正方形20個では?"));
  EXPECT_TRUE(DrewMarkup(log, 700, 570, 3, "4+3*19="));
  // Way (2): the first stick set back to colour 0; way (3): the four inner sticks in 7.
  EXPECT_TRUE(HasLine(run.device, 700, 78, 700, 162, 0, 7));
  for (int k = 1; k <= 4; ++k)
    EXPECT_TRUE(HasLine(run.device, 700.0f + 100 * k, 248, 700.0f + 100 * k, 332, 7, 7));
  EXPECT_EQ(run.m.indentX, 700);
  EXPECT_EQ(run.m.lineY, 570);
  EXPECT_EQ(run.m.letterText[1], "⑲");
  EXPECT_EQ(run.m.letterText[3], "③");
}

TEST(LetterUse, P62QuestionAnswersFollowTheirHeadings) {
  ProgramRun run = RunItem(1, 16);
  const auto& log = run.device.log();
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "(1)") + 40, 430, 5, "4+3*4=16"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(700, "(2)") + 40, 10, 5, "1+3*5=16"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(700, "(3)") + 40, 180, 5, "4*5-4=16"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(700, "(4)") + 40, 350, 5, "5*2+6=16"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(700, "4+3*19="), 570, 5, "61(本)"));
  // Each answer comes one key after its row of squares.
  const auto parts = test::SplitAtKeys(log);
  int answerPart = -1;
  for (size_t k = 0; k < parts.size(); ++k) {
    if (DrewMarkup(parts[k], MarkupEnd(40, "(1)") + 40, 430, 5, "4+3*4=16")) answerPart = int(k);
  }
  ASSERT_GT(answerPart, 0);
  EXPECT_FALSE(DrewMarkup(parts[answerPart], 40, 430, 7, "(1)"));
}

TEST(LetterUse, P64QuestionTableAndRightHandPart) {
  ProgramRun run = RunItem(2, 10);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 10);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewMarkup(log, 40, 30, 0, "(2)の考えで棒の本数を求めよう。"));
  EXPECT_TRUE(DrewMarkup(log, 340, 80, 3, "棒の本数を求める式"));
  EXPECT_TRUE(DrewMarkup(log, 40, 165, 3, "1"));
  EXPECT_TRUE(DrewMarkup(log, 40, 285, 3, "2"));
  EXPECT_TRUE(DrewMarkup(log, 40, 405, 3, "3"));
  EXPECT_TRUE(DrewMarkup(log, 460, 165, 5, "1+3*1"));
  EXPECT_TRUE(DrewMarkup(log, 460, 405, 5, "1+3*3"));
  EXPECT_TRUE(DrewMarkup(log, 120, 515, 3, "棒の本数=1+3*"));
  // Each table row's leading stick in colour 7.
  EXPECT_TRUE(HasLine(run.device, 80, 148, 80, 232, 7, 7));
  EXPECT_TRUE(HasLine(run.device, 80, 388, 80, 472, 7, 7));
  // The right-hand part starts 120 after "1+3*3"; the erase stops 10 before it.
  const float right = MarkupEnd(460, "1+3*3") + 120;
  EXPECT_EQ(run.m.markX[1], right);
  EXPECT_TRUE(DrewMarkup(log, right, 30, 0, "Q 数の代わりに正方形が"));
  EXPECT_TRUE(DrewMarkup(log, right + 60, 130, 5, "答　(1+3*x)本"));
  EXPECT_TRUE(DrewMarkup(log, right + 60, 290, 5, "答　61本"));
  EXPECT_TRUE(DrewMarkup(log, right, 400, 0, "として、棒の本数を表そう。"));
  EXPECT_TRUE(DrewMarkup(log, right + 60, 550, 5, "答　{4+3*(x-1)}本"));
  bool erased = false;
  for (const auto& c : run.device.Calls("box")) {
    erased |= c.x1 == 0 && c.y1 == 0 && c.x2 == right - 10 && c.y2 == 1300 && c.fill == 15;
  }
  EXPECT_TRUE(erased);
  EXPECT_TRUE(DrewMarkup(log, 80, 150, 7, "(1) 4+3*4=16"));
  EXPECT_TRUE(HasLine(run.device, 80, 428, 80, 512, 0, 7));  // way (2)'s stick set apart
}

TEST(LetterUse, Example1TwoPausesPerRow) {
  ProgramRun run = RunItem(3, 13);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 13);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewMarkup(log, 40, 130, 3, "(代金)＝(単価)*(冊数)"));
  EXPECT_TRUE(DrewMarkup(log, 40, 180, 0, "1冊…90*1"));
  EXPECT_TRUE(DrewMarkup(log, 40, 380, 0, "x冊…"));
  EXPECT_TRUE(DrewMarkup(log, 40, 430, 5, "　＜文字式＞"));
  EXPECT_TRUE(DrewMarkup(log, 40, 580, 3, "　　aやxを使って式に表す。"));
  EXPECT_TRUE(DrewMarkup(log, 680, 80, 7, "問1 をしなさい。"));
  // Each right text from the end of its own row's left text.
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "△冊…") + 50, 330, 3, "(90*△)円"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "2冊…90*2") + 50, 230, 3, "180円"));
}

TEST(LetterUse, ExercisesAnswersLineByLine) {
  ProgramRun run = RunItem(4, 18);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 18);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewMarkup(log, 40, 30, 3, "教科書P65　問1解答"));
  EXPECT_TRUE(DrewMarkup(log, 110, 80, 0, "(代金)＝(単価)*(個数)"));
  EXPECT_TRUE(DrewMarkup(log, 110, 130, 0, "だから"));
  EXPECT_TRUE(DrewMarkup(log, 110, 180, 5, "(60*x)円"));
  EXPECT_TRUE(DrewMarkup(log, 40, 230, 3, "(2)"));
  EXPECT_TRUE(DrewMarkup(log, 110, 580, 5, "(t+3)℃"));
  EXPECT_TRUE(DrewMarkup(log, 600, 30, 3, "教科書P65　問2 をしなさい。"));
  EXPECT_TRUE(DrewMarkup(log, 670, 230, 0, "長さは正の数で、小数でもよい"));
  EXPECT_TRUE(DrewMarkup(log, 670, 330, 0, "小数でもよい"));
  EXPECT_TRUE(DrewMarkup(log, 600, 380, 7, "小数もふくめた数の代わりは"));
  EXPECT_TRUE(DrewMarkup(log, 670, 430, 5, "a,(4)x,t"));
  EXPECT_TRUE(DrewMarkup(log, 600, 490, 3, "教科書P65　問3 をしなさい。"));
  EXPECT_TRUE(DrewMarkup(log, 600, 540, 0, "負の数もふくめた数の代わり…"));
}

}  // namespace
}  // namespace orvelle
