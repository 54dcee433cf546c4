// Section 4 "P80(基本の問題)" of Orvelle Calc: its sub-menu and the three pages of worked
// problems, each result checked by value.
#include "lessons/calc/calc_problems.h"

#include <gtest/gtest.h>

#include <string>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"
#include "lessons/calc/main_menu.h"

namespace orvelle {
namespace {

using test::ItemRun;
using test::kCalc;
using test::MarkupEnd;

// Whether a box (x, y) w × h in the given colours was drawn with its text centred in it.
bool DrewTextBox(const ItemRun& item, float x, float y, float w, float h, int border, int fill,
                 int color, const std::string& text) {
  const float textX = x + (w - MarkupEnd(0, text)) / 2;
  return test::HasBox(item.log(), x, y, x + w, y + h, border, fill) &&
         test::DrewMarkup(item.log(), textX, y + static_cast<int>((h - 44) / 2), color, text);
}

// A question: its label at (x, y) in 3, the question 54 right of it in 0, the result in 5 at
// (resultX, resultY) (resultX 0: right after the question), all on screen `screen`.
struct Question {
  float x, y;
  const char *label, *question, *result;
  float resultX, resultY;
  int screen;
};

void ExpectQuestions(const ItemRun& item, std::initializer_list<Question> questions) {
  for (const Question& q : questions) {
    const float indent = q.x + 54;
    const float resultX = q.resultX != 0 ? q.resultX : MarkupEnd(indent, q.question);
    item.Expect({{q.x, q.y, 3, q.label, q.screen},
                 {indent, q.y, 0, q.question, q.screen},
                 {resultX, q.resultY, 5, q.result, q.screen}});
    EXPECT_TRUE(test::SameExpression(std::string(q.question).substr(1), q.result)) << q.question;
  }
}

TEST(CalcSection4, NoAimsAndTheSubMenuReadsAgainOutOfRange) {
  // 0, 5, -1, 4.5 and an empty entry ask again; "1/0" is cleared, 3/3 opens page 1 and 8/2 leaves.
  const test::ProgramRun run("Orvelle Calc", calc::ShowMainMenu,
                             "4\r0\r5\r-1\r4.5\r\r1/0\r3/3\r 8/2\r6\r");
  const auto& log = run.device.log();
  EXPECT_EQ(test::Screen(log).Count(44, 240, 3, "<めあて>"), 0);
  EXPECT_EQ(test::SubMenuLines(log, "①　②　③　④終了"), 7);
  EXPECT_EQ(test::KeyWaits(log), 1);
  EXPECT_TRUE(test::DrewMarkup(log, 640, 300, 3, "(2)"));  // page 1 to its end
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_FALSE(test::ShowedErrorScreen(log));
}

TEST(CalcSection4, Page1Problems1And2) {
  const ItemRun item(kCalc, 4, 1, 1);
  EXPECT_TRUE(DrewTextBox(item, 40, 30, 360, 48, 3, 13, 0, "P80(基本の問題)"));
  EXPECT_TRUE(DrewTextBox(item, 40, 80, 44, 44, 4, 3, 13, "1"));
  EXPECT_TRUE(DrewTextBox(item, 694, 30, 44, 44, 4, 3, 13, "2"));
  ExpectQuestions(item, {{40, 130, "(1)", " 5x+2x", "=7x", 0, 130, 0},
                         {40, 310, "(4)", " x-6-2x+8", "=-x+2", 94, 410, 0},
                         {640, 90, "(1)", " (6x+5)+(4x-3)", "=10x+2", 694, 240, 1},
                         {640, 300, "(2)", " (4a-3)-(3a-1)", "=a-2", 694, 500, 1}});
}

TEST(CalcSection4, Page2Problems3And4) {
  const ItemRun item(kCalc, 4, 2, 1);
  EXPECT_TRUE(DrewTextBox(item, 40, 30, 396, 48, 3, 13, 0, "P80(基本の問題)"));
  EXPECT_TRUE(DrewTextBox(item, 40, 80, 44, 44, 4, 3, 13, "3"));
  EXPECT_TRUE(DrewTextBox(item, 40, 440, 44, 44, 4, 3, 13, "4"));
  const float step3 = MarkupEnd(94, " 6x/3"), step4 = MarkupEnd(94, " ﾀ2/5ﾀa/10");
  item.Expect({{step3, 300, 0, "=6x*ﾀ1/3ﾀ", 0}, {step4, 380, 0, "=ﾀ2/5ﾀa*ﾀ1/10ﾀ", 0}});
  ExpectQuestions(
      item, {{40, 130, "(1)", " 2x*(-4)", "=-8x", 0, 130, 0},
             {40, 220, "(2)", " 30a*ﾀ1/5ﾀ", "=6a", 0, 220, 0},
             {40, 300, "(3)", " 6x/3", "=2x", MarkupEnd(step3, "=6x*ﾀ1/3ﾀ"), 300, 0},
             {40, 380, "(4)", " ﾀ2/5ﾀa/10", "=ﾀ1/25ﾀa", MarkupEnd(step4, "=ﾀ2/5ﾀa*ﾀ1/10ﾀ"), 380, 0},
             {40, 500, "(1)", " 5(3x+2)", "=15x+10", 94, 550, 1},
             {640, 30, "(2)", " (3a-2)*(-3)", "=-9a+6", 694, 80, 1},
             {640, 140, "(3)", " (10x-25)/5", "=2x-5", 694, 340, 1},
             {640, 400, "(4)", " (15x+9)/(-3)", "=-5x-3", 694, 600, 1}});
  test::ExpectSameValues(test::LettersAt({{'x', 7}}),
                         {"(15x+9)/(-3)", "=(15x+9)*(-ﾀ1/3ﾀ)", "=15x*(-ﾀ1/3ﾀ)+9*(-ﾀ1/3ﾀ)"});
}

TEST(CalcSection4, Page3Problem5AtOnce) {
  const ItemRun item(kCalc, 4, 3, 0);
  EXPECT_TRUE(DrewTextBox(item, 466, 30, 44, 44, 4, 3, 13, "5"));
  ExpectQuestions(item, {{40, 100, "(1)", " 6(2x-1)+(9x+3)", "=21x-3", 94, 250, 0},
                         {40, 320, "(2)", " 3(2x+7)-4(3x+2)", "=-6x+13", 94, 470, 0},
                         {600, 100, "(3)", " 2(a-1)-3(a+4)", "=-a-14", 654, 250, 0},
                         {600, 320, "(4)", " 5(4x-2)-2(5x-4)", "=10x-2", 654, 470, 0}});
}

}  // namespace
}  // namespace orvelle
