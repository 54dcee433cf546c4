// Section 4 "式の値" of Orvelle: its frame, the sticks question with the drills on 5-4x, the
// worked answers of 問1 and 例２, and the drill on 3x+2y; every working checked by its value.
#include "lessons/intro/expr_value.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"
#include "lessons/intro/main_menu.h"

namespace orvelle {
namespace {

using test::DrillKeys;
using test::DrillRun;
using test::DrillScript;
using test::ExpectSameValues;
using test::ItemRun;
using test::kIntro;
using test::LettersAt;
using test::MarkupEnd;
using test::Pick;
using test::Str;

std::string Spaces(int n) { return std::string(n, ' '); }

// The sticks formula, its value at 30 squares, the two words; then one problem of each drill
// on 5-4x, at x = 3 and x = -3.
TEST(ExprValueSection, P71QuestionThenDrillsAtThreeAndMinusThree) {
  const ItemRun item(kIntro, 4, 1, 23, Spaces(9) + DrillKeys(1, 6) + " " + DrillKeys(1, 6) + " ",
                     {Pick(3, 1, 10), Pick(3, 1, 10)});
  const float square = MarkupEnd(40, "正方形を");
  const float x130 = MarkupEnd(MarkupEnd(MarkupEnd(40, "1+3*"), "x"), "=1+3");
  const float x230 = MarkupEnd(MarkupEnd(40, "1+3*"), "30");
  const float x = MarkupEnd(707, "5-4x");
  item.Expect({
      {40, 30, 3, "教科書P71Q　をやってみよう。", 0},
      {square, 80, 3, "x", 1},
      {x130, 130, 3, "x…①", 1},
      {square, 180, 3, "30", 2},
      {x230, 230, 0, "=1+90=", 4},
      {MarkupEnd(x230, "=1+90="), 230, 5, "91(本)", 4},
      {40, 350, 5, "<式の値>", 6},
      {MarkupEnd(40, "代入"), 400, 0, "…式の中の文字に", 7},
      {MarkupEnd(148, "数をあてはめること"), 450, 3, "(②の式)", 7},
      {MarkupEnd(MarkupEnd(40, "式の値"), "…代入して計算した結果"), 500, 3, "(91)", 8},
      {680, 30, 0, "問①　x=3のとき、", 9},
      {680, 130, 5, "＜解答＞", 10},
      {MarkupEnd(680, "＜解答＞") + 10, 130, 3, "x=3を代入して", 11},
      {707, 180, 0, "5-4x", 12},
      {x, 180, 0, "=5-4*3", 13},
      {x, 230, 0, "=5-12", 14},
      {MarkupEnd(x, "=5-12"), 230, 5, "=-7", 15},
      {680, 280, 5, "代入するとき、*にする", 17},
      {680, 360, 0, "問②　x=-3のときは？", 18},
      {MarkupEnd(680, "＜解答＞") + 10, 410, 3, "x=-3を代入して", 20},
      {x, 460, 0, "=5-4*(-3)", 22},
      {x, 510, 0, "=5+12", 23},
      {MarkupEnd(x, "=5+12"), 510, 5, "=17", 24},
      {680, 560, 5, "- のとき、( )をつける", 26},
      {44, 600, 7, "教科書P71 問1 をしなさい。", 27},
  });
  // 1+3x at 30 squares: 1+90, 91 sticks.
  ExpectSameValues(LettersAt({{'x', 30}}), {"1+3*x", "=1+3x", "1+3*30", "=1+90=", "91"});
  EXPECT_TRUE(test::HasBox(item.screens[9], 680, 0, 2000, 1300, 15, 15));
  EXPECT_TRUE(test::HasBox(item.screens[18], 680, 360, 2000, 1660, 15, 15));
}

TEST(ExprValueSection, P71QuestionThousandPassesOfEachDrill) {
  constexpr int kPasses = 500;
  for (const char* clock : {"08:00:00", "13:45:27"}) {
    DrillScript s;
    s.Keys(test::EnterItem(test::kIntro, 4, 1) + Spaces(9)).Passes(kPasses, 6);
    s.Keys(" ").Passes(kPasses, 6).Keys(" " + test::LeaveProgram(test::kIntro, 4));
    const float w = MarkupEnd(707, "5-4x");
    DrillRun run(
        kIntro, s,
        [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
          const test::Screen screen(log);
          const bool positive = pass < kPasses;
          const int x = static_cast<int>(m.coef[1]);
          ASSERT_EQ(m.coef[1], x);
          ASSERT_TRUE(positive ? x >= 1 && x <= 10 : x >= -10 && x <= -1) << x;
          const float y = positive ? 180 : 460;
          const std::string second = "=5" + std::string(x < 0 ? "+" : "") + Str(-4 * x);
          EXPECT_TRUE(screen.Drew(w, y, 0, "=5-4*" + (x < 0 ? "(" + Str(x) + ")" : Str(x))));
          EXPECT_TRUE(screen.Drew(w, y + 50, 0, second));
          EXPECT_TRUE(screen.Drew(MarkupEnd(w, second), y + 50, 5, "=" + Str(5 - 4 * x)));
        },
        clock);
    run.ExpectPasses(2 * kPasses);
  }
}

TEST(ExprValueSection, Exercise1AnswersTwoColumns) {
  const ItemRun item(kIntro, 4, 2, 12);
  item.Expect({{40, 30, 3, "教科書P71 問1の答", 0},
               {100, 80, 0, "x=2 を代入して", 0},
               {660, 80, 0, "x=-4 を代入して", 6}});
  // A column for each x: 5x+2 and 3-2x worked in two lines a key apart, the value at once after
  // the second; 12/x in one line, its value a key later. The second column six keys on.
  const struct {
    double x;
    const char *label, *expression, *first, *second, *value;
  } linear[] = {
      {2, "(1)", "5x+2", "=5*2+2", "=10+2=", "12"},
      {2, "(2)", "3-2x", "=3-2*2", "=3-4=", "-1"},
      {-4, "(1)", "5x+2", "=5*(-4)+2", "=-20+2=", "-18"},
      {-4, "(2)", "3-2x", "=3-2*(-4)", "=3+8=", "11"},
  };
  for (size_t i = 0; i < 4; ++i) {
    const auto& q = linear[i];
    const float margin = i < 2 ? 40 : 600, y = i % 2 == 0 ? 130 : 310;
    const int s = (i < 2 ? 0 : 6) + (i % 2 == 0 ? 0 : 2);
    item.Expect({{margin, y, 3, q.label, s},
                 {margin + 87, y, 0, q.expression, s},
                 {margin + 60, y + 50, 0, q.first, s + 1},
                 {margin + 60, y + 100, 0, q.second, s + 2},
                 {MarkupEnd(margin + 60, q.second), y + 100, 5, q.value, s + 2}});
    ExpectSameValues(LettersAt({{'x', q.x}}), {q.expression, q.first, q.second, q.value});
  }
  const struct {
    double x;
    const char *line, *value;
  } fraction[] = {{2, "=ﾀ12/2ﾀ=", "6"}, {-4, "=ﾀ12/-4ﾀ=", "-3"}};
  for (size_t i = 0; i < 2; ++i) {
    const float margin = i == 0 ? 40 : 600;
    const int s = i == 0 ? 4 : 10;
    const auto& f = fraction[i];
    item.Expect({{margin + 87, 490, 0, "ﾀ12/xﾀ", s},
                 {margin + 60, 570, 0, f.line, s + 1},
                 {MarkupEnd(margin + 60, f.line), 570, 5, f.value, s + 2}});
    ExpectSameValues(LettersAt({{'x', f.x}}), {"ﾀ12/xﾀ", f.line, f.value});
  }
}

TEST(ExprValueSection, Example2AnswersWhereTheMinusStands) {
  const ItemRun item(kIntro, 4, 3, 18);
  item.Expect({
      {40, 30, 3, "例2 a=-2 のとき、", 0},
      {127, 190, 0, "-a", 0},
      {100, 240, 0, "=-(-2)=", 1},
      {MarkupEnd(100, "=-(-2)="), 240, 5, "2", 2},
      {127, 320, 0, "a^2", 2},
      {100, 370, 0, "=(-2)^2", 3},
      {100, 420, 0, "=(-2)*(-2)=", 4},
      {MarkupEnd(100, "=(-2)*(-2)="), 420, 5, "4", 5},
      {520, 30, 7, "教科書P71 問2 をしなさい。", 6},
  });
  const auto a2 = LettersAt({{'a', -2}});
  ExpectSameValues(a2, {"-a", "=-(-2)=", "2"});
  ExpectSameValues(a2, {"a^2", "=(-2)^2", "=(-2)*(-2)=", "4"});
  // 問2 at a = -5: the first step after the question, a second line (if any) 50 below at its
  // own x, the value after the last line.
  struct Question {
    float y;
    const char* question;
    const char* first;
    float secondX;
    const char* second;
    const char* value;
    int screen;
  };
  const Question exercise[] = {
      {80, "(1)-a", "=-(-5)=", 0, "", "5", 7},
      {140, "(2)a^2", "=(-5)^2", 661, "=(-5)*(-5)=", "25", 9},
      {240, "(3)-a^2", "=-(-5)^2", 688, "=-(-5)*(-5)=", "-25", 12},
      {350, "(4)(-a)^2", "={-(-5)}^2", 742, "=5^2=", "25", 15},
  };
  for (const Question& q : exercise) {
    const float firstX = MarkupEnd(520, q.question);
    const bool two = q.secondX > 0;
    item.Expect({
        {520, q.y, 3, q.question, q.screen},
        {firstX, q.y, 0, q.first, q.screen + 1},
        {two ? MarkupEnd(q.secondX, q.second) : MarkupEnd(firstX, q.first), two ? q.y + 50 : q.y, 5,
         q.value, q.screen + (two ? 3 : 2)},
    });
    if (two) item.Expect({{q.secondX, q.y + 50, 0, q.second, q.screen + 2}});
    // The question without its label "(n)".
    ExpectSameValues(LettersAt({{'a', -5}}),
                     {std::string(q.question).substr(3), q.first, q.second, q.value});
  }
}

// The drill on 3x+2y, one pass at x = -3, y = 5, then 問3 worked at those values.
TEST(ExprValueSection, ValueDrillWorkedPassAndExercise3) {
  const ItemRun item(kIntro, 4, 4, 17, DrillKeys(1, 6) + Spaces(11),
                     {Pick(3, 1, 10), Pick(5, 1, 10), Pick(1, 1, 2)});
  const float x = MarkupEnd(67, "3x+2y");
  item.Expect({
      {40, 30, 0, "例3　x=-3,y=5のとき、", 0},
      {112, 80, 0, "3x+2y　の値を求めなさい。", 0},
      {40, 130, 5, "＜解答＞", 1},
      {MarkupEnd(40, "＜解答＞") + 10, 130, 3, "x=-3,y=5を代入して", 2},
      {67, 180, 0, "3x+2y", 3},
      {x, 180, 0, "=3*(-3)+2*5", 4},
      {x, 230, 0, "=-9+10", 5},
      {x, 280, 5, "=1", 6},
      {40, 330, 5, "代入するとき、*　を書く", 8},
      {40, 380, 5, "負の数は、( )をつける", 8},
      {600, 30, 7, "教科書P72問3 をしなさい。", 9},
  });
  struct Question {
    float y;
    const char *expression, *substituted, *products, *value;
    int screen;
  };
  const Question exercise[] = {
      {80, "(1)2x-5y", "=2*(-3)-5*5", "=-6-25", "=-31", 10},
      {230, "(2)-x-3y", "=-(-3)-3*5", "=3-15", "=-12", 13},
      {390, "(3)x^2+3y", "=(-3)^2+3*5", "=9+15", "=24", 16},
  };
  for (const Question& q : exercise) {
    const float e = MarkupEnd(600, q.expression);
    item.Expect({{600, q.y, 3, q.expression, q.screen},
                 {e, q.y, 0, q.substituted, q.screen + 1},
                 {e, q.y + 50, 0, q.products, q.screen + 2},
                 {e, q.y + 100, 5, q.value, q.screen + 3}});
    ExpectSameValues(LettersAt({{'x', -3}, {'y', 5}}),
                     {std::string(q.expression).substr(3), q.substituted, q.products, q.value});
  }
  ExpectSameValues(LettersAt({{'x', -3}, {'y', 5}}), {"3x+2y", "=3*(-3)+2*5", "=-9+10", "=1"});
}

TEST(ExprValueSection, ValueDrillThousandPasses) {
  constexpr int kPasses = 500;
  int negativeX = 0, zeros = 0;
  for (const char* clock : {"09:12:13", "14:41:14"}) {
    DrillScript s;
    s.Keys(test::EnterItem(test::kIntro, 4, 4)).Passes(kPasses, 6);
    s.Keys(Spaces(11) + test::LeaveProgram(test::kIntro, 4));
    const float at = MarkupEnd(67, "3x+2y");
    DrillRun run(
        kIntro, s,
        [&](int, const Machine& m, const std::vector<DrawCall>& log) {
          const test::Screen screen(log);
          const int x = static_cast<int>(m.coef[1]), y = static_cast<int>(m.coef[2]);
          ASSERT_TRUE(m.coef[1] == x && m.coef[2] == y);
          ASSERT_TRUE(std::abs(x) >= 1 && std::abs(x) <= 10) << x;
          ASSERT_TRUE(std::abs(y) >= 1 && std::abs(y) <= 10) << y;
          ASSERT_TRUE((x < 0) != (y < 0)) << x << "," << y;  // exactly one negative
          negativeX += x < 0;
          zeros += 3 * x + 2 * y == 0;
          const std::string X = Str(x), Y = Str(y);
          EXPECT_TRUE(screen.Drew(40, 30, 0, "例3　x=" + X + ",y=" + Y + "のとき、"));
          const std::string sx = x < 0 ? "(" + X + ")" : X, sy = y < 0 ? "(" + Y + ")" : Y;
          EXPECT_TRUE(screen.Drew(at, 180, 0, "=3*" + sx + "+2*" + sy));
          EXPECT_TRUE(screen.Drew(at, 230, 0, "=" + Str(3 * x) + (y > 0 ? "+" : "") + Str(2 * y)));
          EXPECT_TRUE(screen.Drew(at, 280, 5, "=" + Str(3 * x + 2 * y)));
        },
        clock);
    run.ExpectPasses(kPasses);
  }
  EXPECT_GT(negativeX, 2 * kPasses * 4 / 10);
  EXPECT_LT(negativeX, 2 * kPasses * 6 / 10);
  EXPECT_GT(zeros, 0);  // "=6-6", "=0" among them
}

}  // namespace
}  // namespace orvelle
