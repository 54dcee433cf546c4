// Section 4 "P80(基本の問題)" of Orvelle Calc: its sub-menu and the three pages of worked
// problems, each working checked by value.
#include "lessons/calc/calc_problems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"
#include "lessons/calc/main_menu.h"

namespace orvelle {
namespace {

using test::ItemRun;
using test::kCalc;
using test::MarkupEnd;

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

// Each page: its title and problem numbers boxed where it puts them, a few texts where the page
// puts them, and every question worked to its result, each step shown and of the question's value.
TEST(CalcSection4, PagesOfWorkedProblems) {
  const ItemRun one(kCalc, 4, 1, 1), two(kCalc, 4, 2, 1), three(kCalc, 4, 3, 0);
  EXPECT_TRUE(test::HasBox(one.log(), 40, 30, 400, 78, 3, 13));    // the title's box
  EXPECT_TRUE(test::HasBox(one.log(), 694, 30, 738, 74, 4, 3));    // problem 2's number
  EXPECT_TRUE(test::HasBox(two.log(), 40, 440, 84, 484, 4, 3));    // problem 4's
  EXPECT_TRUE(test::HasBox(three.log(), 466, 30, 510, 74, 4, 3));  // problem 5's
  one.Expect({{40, 130, 3, "(1)", 0},
              {MarkupEnd(94, " 5x+2x"), 130, 5, "=7x", 0},
              {94, 410, 5, "=-x+2", 0},
              {694, 500, 5, "=a-2", 1}});
  const float step3 = MarkupEnd(94, " 6x/3");
  two.Expect({{step3, 300, 0, "=6x*ﾀ1/3ﾀ", 0},
              {MarkupEnd(step3, "=6x*ﾀ1/3ﾀ"), 300, 5, "=2x", 0},
              {640, 400, 3, "(4)", 1},
              {694, 600, 5, "=-5x-3", 1}});
  three.Expect({{40, 100, 3, "(1)", 0}, {654, 470, 5, "=10x-2", 0}});
  for (const auto& [item, workings] :
       {std::pair{&one,
                  std::vector<std::vector<std::string>>{
                      {"5x+2x", "=7x"},
                      {"7x-x", "=6x"},
                      {"2a-4a+5a", "=3a"},
                      {"x-6-2x+8", "=x-2x-6+8", "=-x+2"},
                      {"(6x+5)+(4x-3)", "=6x+5+4x-3", "=6x+4x+5-3", "=10x+2"},
                      {"(4a-3)-(3a-1)", "=(4a-3)+(-3a+1)", "=4a-3-3a+1", "=4a-3a-3+1", "=a-2"}}},
        {&two,
         {{"2x*(-4)", "=-8x"},
          {"30a*ﾀ1/5ﾀ", "=6a"},
          {"6x/3", "=6x*ﾀ1/3ﾀ", "=2x"},
          {"ﾀ2/5ﾀa/10", "=ﾀ2/5ﾀa*ﾀ1/10ﾀ", "=ﾀ1/25ﾀa"},
          {"5(3x+2)", "=15x+10"},
          {"(3a-2)*(-3)", "=-9a+6"},
          {"(10x-25)/5", "=(10x-25)*ﾀ1/5ﾀ", "=10x*ﾀ1/5ﾀ-25*ﾀ1/5ﾀ", "=2x-5"},
          {"(15x+9)/(-3)", "=(15x+9)*(-ﾀ1/3ﾀ)", "=15x*(-ﾀ1/3ﾀ)+9*(-ﾀ1/3ﾀ)", "=-5x-3"}}},
        {&three,
         {{"6(2x-1)+(9x+3)", "=12x-6+9x+3", "=12x+9x-6+3", "=21x-3"},
          {"3(2x+7)-4(3x+2)", "=6x+21-12x-8", "=6x-12x+21-8", "=-6x+13"},
          {"2(a-1)-3(a+4)", "=2a-2-3a-12", "=2a-3a-2-12", "=-a-14"},
          {"5(4x-2)-2(5x-4)", "=20x-10-10x+8", "=20x-10x-10+8", "=10x-2"}}}}) {
    for (const auto& working : workings) test::ExpectWorkingShown(item->log(), working);
  }
}

}  // namespace
}  // namespace orvelle
