// Section 1 of Orvelle Calc, items ① to ③: the match-stick question, the drills on terms and
// coefficients, and the worked answers of exercise 1, each answer checked by its value.
#include "lessons/calc/terms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"

namespace orvelle {
namespace {

using test::ItemRun;
using test::kCalc;
using test::MarkupEnd;

// The coefficient of `letter` in a linear expression: its value at letter 1 less that at 0.
double Coefficient(const std::string& text, char letter) {
  return test::MarkupValue(text, test::LettersAt({{letter, 1}})) -
         test::MarkupValue(text, test::LettersAt({}));
}

// Whether the terms "t1,t2,..." add up to the expression.
bool TermsMakeUp(const std::string& terms, const std::string& expression) {
  std::string sum = "(";
  for (char c : terms) sum += c == ',' ? std::string(")+(") : std::string(1, c);
  return test::SameExpression(sum + ")", expression);
}

TEST(CalcSection1, P73QuestionThreeWaysToCountSticks) {
  const ItemRun item(kCalc, 1, 1, 17);
  const std::string conclusion = "x+(x+1)+x=1+3x ,4x-(x-1)=1+3x";
  item.Expect({{40, 30, 0, "教科書P73Q をやってみよう。", 0},
               {160, 140, 3, "1+3x", 0},
               {40, 350, 7, "<てむささんの考え>", 2},
               {760, 80, 3, "4x-(x-1)", 3},
               {640, 260, 3, "てむささん", 6},
               {640, 420, 3, "ほぬりさん", 12},
               {MarkupEnd(640, "だから、"), 520, 5, "{4x-(x-1)}", 16},
               {40, 580, 5, conclusion, 17},
               {MarkupEnd(40, conclusion), 580, 3, " となるのかな?", 17}});
  // Figure 1's left edge back in 0; all six upright sticks of figure 2 in 3; the four shared
  // ones of figure 3 in 7; at the sticks' width 7.
  EXPECT_TRUE(test::HasLine(item.screens[1], 40, 208, 40, 292, 0, 7));
  for (float x = 40; x <= 540; x += 100)
    EXPECT_TRUE(test::HasLine(item.screens[4], x, 468, x, 552, 3, 7));
  for (float x = 740; x <= 1040; x += 100)
    EXPECT_TRUE(test::HasLine(item.screens[5], x, 148, x, 232, 7, 7));
}

// The terms drill past its tenth problem, the coefficient drill for 1000 passes: each problem
// in turn, its answer right by value, the letter one of the five.
TEST(CalcSection1, TermsAndCoefficientDrills) {
  constexpr int kTerms = 11, kCoefficients = 1000;
  test::DrillScript s;
  s.Keys("1\r2\r").Passes(kTerms, 1).Keys(" ").Passes(kCoefficients, 1).Keys(" 6\r6\r");
  int letters[5] = {};
  const test::DrillRun run(
      kCalc, s, [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
        const test::Screen screen(log);
        const int k = (pass < kTerms ? pass : pass - kTerms) % 10 + 1;
        ASSERT_EQ(m.exerciseNo, k);
        const std::string written = m.coefText[10 + k], answer = m.coefText[20 + k];
        if (pass < kTerms) {
          const std::string expression = m.coefText[k];
          EXPECT_TRUE(test::HasBox(log, 0, 80, 560, 400, 15, 15));
          EXPECT_TRUE(screen.Drew(127, 110, 0, expression) &&
                      screen.Drew(100, 190, 0, "=" + written) &&
                      screen.Drew(100, 270, 3, "項…" + answer));
          EXPECT_TRUE(test::SameExpression(expression, written) && TermsMakeUp(answer, expression))
              << expression;
          EXPECT_TRUE(k != 1 || expression == "9x+3");
          return;
        }
        EXPECT_TRUE(pass > kTerms || (screen.Drew(40, 350, 5, "項") &&
                                      screen.Drew(100, 400, 3, "1つ1つの数や文字式")));
        const float pick = m.letterPick;
        ASSERT_TRUE(pick >= 1 && pick <= 5 && pick == static_cast<int>(pick)) << pick;
        ++letters[static_cast<int>(pick) - 1];
        const std::string letter = k == 9    ? "x"
                                   : k == 10 ? "a"
                                             : std::string(1, "abcxy"[static_cast<int>(pick) - 1]);
        const std::string term = written + (k > 8 ? "" : letter);
        EXPECT_TRUE(test::HasBox(log, 600, 0, 1600, 400, 15, 15));
        EXPECT_TRUE(screen.Drew(600, 30, 0, "問②　" + letter + "の係数をいいなさい。") &&
                    screen.Drew(687, 110, 0, term) && screen.Drew(660, 190, 3, "係数…" + answer));
        EXPECT_NEAR(Coefficient(term, letter[0]), test::MarkupValue(answer, {}), 1e-9) << term;
      });
  run.ExpectPasses(kTerms + kCoefficients);
  for (int n : letters) EXPECT_GT(n, kCoefficients / 8);
  test::ExpectSeen(run.rest, {{600, 270, 5, "係数"}, {600, 360, 7, "教科書P74 問1 をしなさい。"}});
}

TEST(CalcSection1, Exercise1AnswersByValue) {
  const ItemRun item(kCalc, 1, 3, 12);
  const float second = MarkupEnd(MarkupEnd(94, "xの係数…"), "4") + 27;
  const float last = MarkupEnd(MarkupEnd(MarkupEnd(654, "aの係数…"), "5") + 27, "bの係数…");
  item.Expect({{40, 30, 3, "問1　解答", 0},
               {121, 105, 0, "4x+y=4x+1y", 0},
               {MarkupEnd(94, "項…"), 155, 5, "4x,y", 1},
               {second, 205, 0, "yの係数…", 2},
               {MarkupEnd(second, "yの係数…"), 205, 5, "1", 3},
               {40, 290, 3, "(2)", 3},
               {600, 60, 3, "(3)", 6},
               {681, 305, 0, "5a-ﾀb/4ﾀ-ﾀ1/3ﾀ=5a-ﾀ1/4ﾀb-ﾀ1/3ﾀ", 9},
               {654, 395, 0, "項…", 9},
               {last, 475, 5, "-ﾀ1/4ﾀ", 12}});
  // Each expression: its second form, its terms, the coefficients of its two letters.
  for (const auto& [e, written, terms, x, xValue, y, yValue] :
       {std::tuple{"4x+y", "4x+1y", "4x,y", 'x', 4.0, 'y', 1.0},
        {"7x-2y", "7x-2y", "7x,-2y", 'x', 7.0, 'y', -2.0},
        {"-x+ﾀ2/3ﾀy+5", "-1x+ﾀ2/3ﾀy+5", "-x,ﾀ2/3ﾀy,5", 'x', -1.0, 'y', 2.0 / 3},
        {"5a-ﾀb/4ﾀ-ﾀ1/3ﾀ", "5a-ﾀ1/4ﾀb-ﾀ1/3ﾀ", "5a,-ﾀb/4ﾀ,-ﾀ1/3ﾀ", 'a', 5.0, 'b', -0.25}}) {
    EXPECT_TRUE(test::SameExpression(e, written) && TermsMakeUp(terms, e)) << e;
    EXPECT_TRUE(Coefficient(e, x) == xValue && std::abs(Coefficient(e, y) - yValue) < 1e-9) << e;
  }
}

}  // namespace
}  // namespace orvelle
