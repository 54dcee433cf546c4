// Section 3, items ⑥ to ⑧ of Orvelle Calc: a bracket divided by a number, a fraction of an
// expression times a multiple, expand and collect; each worked by its mathematics.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"

namespace orvelle {
namespace {

using test::DrillRun;
using test::DrillScript;
using test::ItemRun;
using test::kCalc;
using test::MarkupEnd;
using test::Pick;
using test::Str;

constexpr float kLargest = 1.0f - 1.0f / 16777216;  // the generator's largest value

std::string Signed(float v) { return (v > 0 ? "+" : "") + Str(v); }

// The centres of the dots of colour `color`, in order.
std::vector<std::pair<float, float>> Dots(const std::vector<DrawCall>& log, int color) {
  std::vector<std::pair<float, float>> dots;
  for (const auto& c : log) {
    if (c.op == Op::kCircle && c.color == color) dots.emplace_back(c.x1, c.y1);
  }
  return dots;
}

void ExpectNear(std::pair<float, float> dot, float x, float y) {
  EXPECT_NEAR(dot.first, x, 0.01);
  EXPECT_NEAR(dot.second, y, 0.01);
}

// 1000 passes of an item over four clocks; `check` sees each pass's machine and drawing.
void ThousandPasses(int item, int keyWaits, const test::PassCheck& check) {
  for (const char* clock : {"07:01:02", "09:30:45", "11:11:11", "14:20:33"}) {
    DrillScript s;
    s.Keys("3\r" + std::to_string(item) + "\r").Passes(250, keyWaits);
    s.Keys(std::string(5, ' ') + "9\r6\r");
    DrillRun(kCalc, s, check, clock).ExpectPasses(250);
  }
}

// (6x-12)÷(-3): d = 3, s = -1, a = 2, b = -4; then the closing.
TEST(CalcExample10, WorkedDivisionThenRuleAndQuestion13) {
  const ItemRun item(
      kCalc, 3, 6, 11, std::string(8, ' ') + "1\r   ",
      {Pick(2, 1, 3), Pick(0, 0, 2), Pick(2, 1, 5), Pick(1, 0, 2), Pick(4, 1, 5), Pick(0, 0, 2)});
  const float x6 = MarkupEnd(67, "=("), x12 = MarkupEnd(x6, "6x");
  const float xr = MarkupEnd(x12, "-12)*");
  const float p1 = MarkupEnd(67, "="), p3 = MarkupEnd(MarkupEnd(p1, "6x*"), "(-ﾀ1/3ﾀ)");
  item.Expect({{40, 30, 0, "例10　次の計算をしなさい。", 0},
               {107, 80, 0, "(6x-12)/(-3)", 0},
               {x6, 180, 0, "6x", 1},
               {xr, 180, 0, "(-ﾀ1/3ﾀ)", 1},
               {p1, 270, 0, "6x*", 4},
               {p3, 270, 0, "-12*", 4},
               {p1, 240, 3, "2", 5},
               {67, 370, 5, "=-2x", 6},
               {p3 + 27, 240, 3, "4", 7},
               {MarkupEnd(67, "=-2x"), 370, 5, "+4", 8},
               {40, 430, 5, "除法は逆数をかける。", 10},
               {600, 30, 7, "教科書P79 問13 をやろう。", 11},
               {654, 590, 5, "=-2a+1", 13}});
  // The arcs run from past "(-" of the reciprocal, 20 up, to the x-term and past the constant's
  // sign; the slashes cross 6 and the digits of -12.
  const auto arc1 = Dots(item.screens[2], 9), arc2 = Dots(item.screens[3], 7);
  ASSERT_EQ(arc1.size(), 181u);
  ASSERT_EQ(arc2.size(), 181u);
  ExpectNear(arc1.front(), xr + 27 + 54, 160);
  ExpectNear(arc1.back(), x6 + 27, 180);
  ExpectNear(arc2.front(), xr + 27 + 54, 160);
  ExpectNear(arc2.back(), x12 + 54, 180);
  EXPECT_TRUE(test::HasLine(item.screens[5], p1, 310, p1 + 27, 270, 3, 5));
  EXPECT_TRUE(test::HasLine(item.screens[7], p3 + 27, 310, p3 + 81, 270, 3, 5));
}

TEST(CalcExample10, ThousandDivisionsComeOutEven) {
  std::set<float> divisors;
  ThousandPasses(6, 8, [&](int, const Machine& m, const std::vector<DrawCall>& log) {
    const float d = m.auxNum[1], s = m.coef[1] / d, a = m.coef[12], b = m.coef[13];
    ASSERT_TRUE(d == 2 || d == 3 || d == 5) << d;
    ASSERT_TRUE(std::abs(s) == 1);
    for (float q : {a, b}) ASSERT_TRUE(q != 0 && std::abs(q) <= 5 && q == std::floor(q)) << q;
    divisors.insert(m.coef[1]);
    const std::string divisor = s < 0 ? "(" + Str(-d) + ")" : Str(d);
    const std::string problem = "(" + Str(a * d) + "x" + Signed(b * d) + ")/" + divisor;
    const float xa = s * a;
    const std::string first = "=" + (xa == 1 ? "" : xa == -1 ? "-" : Str(xa)) + "x";
    const test::Screen screen(log);
    EXPECT_TRUE(screen.Drew(107, 80, 0, problem)) << problem;
    EXPECT_TRUE(screen.Drew(67, 370, 5, first)) << first;
    EXPECT_TRUE(screen.Drew(MarkupEnd(67, first), 370, 5, Signed(s * b)));
    EXPECT_TRUE(test::SameExpression(problem, first + Signed(s * b))) << problem;
  });
  EXPECT_EQ(divisors.size(), 6u);
}

// ﾀ5x-7/3ﾀ*6: m = 2, d = 3, p = 5, q = -7 and x; then the closing.
TEST(CalcExample11, WorkedFractionThenRulesAndQuestion14) {
  const ItemRun item(kCalc, 3, 7, 7, "   1\r    ",
                     {Pick(1, 1, 4), Pick(1, 1, 3), Pick(1, 1, 3), Pick(1, 1, 2), Pick(2, 2, 4)});
  item.Expect({{40, 30, 0, "例11　次の計算をしなさい。", 0},
               {127, 110, 0, "ﾀ5x-7/3ﾀ*6", 0},
               {100, 180, 0, "=(5x-7)*2", 1},
               {100, 230, 0, "=5x*2-7*2", 2},
               {100, 280, 5, "=10x-14", 3},
               {40, 340, 3, "①約分できるときは約分する。", 5},
               {MarkupEnd(100, "=(2x+3)*2"), 590, 5, "=4x+6", 7},
               {640, 30, 3, "(2)", 8},
               {694, 350, 5, "=-25a+15", 9}});
}

TEST(CalcExample11, ThousandFractionsOfDistinctPrimes) {
  std::set<std::string> letters;
  ThousandPasses(7, 3, [&](int, const Machine& m, const std::vector<DrawCall>& log) {
    const int md = static_cast<int>(m.coef[1]), d = static_cast<int>(m.coef[2]);
    const int p = static_cast<int>(m.coef[3]), q = static_cast<int>(m.coef[4]);
    const std::set<int> primes{2, 3, 5, 7, 11}, picks{md, d, p, -q};
    ASSERT_EQ(picks.size(), 4u);
    for (int v : picks) ASSERT_TRUE(primes.count(v)) << v;
    ASSERT_TRUE(md != 11 && d != 11);
    EXPECT_EQ(m.exerciseNo, 1);
    const std::string L = m.signText[1];
    letters.insert(L);
    const std::string problem = "ﾀ" + Str(p) + L + Str(q) + "/" + Str(d) + "ﾀ*" + Str(md * d);
    const std::string result = "=" + Str(md * p) + L + Str(md * q);
    const test::Screen screen(log);
    EXPECT_TRUE(screen.Drew(127, 110, 0, problem)) << problem;
    EXPECT_TRUE(screen.Drew(100, 280, 5, result)) << result;
    EXPECT_TRUE(test::SameExpression(problem, result)) << problem;
  });
  EXPECT_EQ(letters, (std::set<std::string>{"x", "y", "a", "b"}));
}

// The far end of every range (the generator's largest value): 4(10b-9)-5(-10b+9).
TEST(CalcExample12, WorkedExpansionThenRulesAndQuestion15) {
  const ItemRun item(kCalc, 3, 8, 12, "       1\r     ", std::vector<float>(7, kLargest));
  const float x = MarkupEnd(100, "=");
  item.Expect({{40, 30, 0, "例12　次の計算をしなさい。", 0},
               {127, 110, 0, "4(10b-9)-5(-10b+9)", 0},
               {x, 160, 0, "40b", 2},
               {MarkupEnd(x, "40b-36"), 160, 0, "+50b", 4},
               {100, 210, 0, "=40b+50b-36-45", 6},
               {100, 260, 5, "=90b-81", 7},
               {40, 320, 3, "①分配法則で( )をはずす。", 9},
               {40, 420, 7, "教科書P70 問15 をやろう。", 10},
               {MarkupEnd(100, "=5x+4x-10+8"), 570, 5, "=9x-2", 11},
               {694, 580, 5, "=-2", 14}});
}

TEST(CalcExample12, ThousandExpansionsCollectRight) {
  ThousandPasses(8, 7, [&](int, const Machine& m, const std::vector<DrawCall>& log) {
    const float a1 = m.coef[1], a2 = m.coef[2], a3 = m.coef[3];
    const float a4 = m.coef[4], a5 = m.coef[5], a6 = m.coef[6];
    ASSERT_TRUE(a1 >= 2 && a1 <= 4 && a2 >= 2 && a2 <= 10 && a3 >= -9 && a3 <= -1);
    ASSERT_TRUE(a4 >= -5 && a4 <= -3 && a5 >= -10 && a5 <= -2 && a6 >= 1 && a6 <= 9);
    const std::string L = m.signText[1];
    const std::string problem = Str(a1) + "(" + Str(a2) + L + Str(a3) + ")" + Str(a4) + "(" +
                                Str(a5) + L + Signed(a6) + ")";
    const std::string result = "=" + Str(a1 * a2 + a4 * a5) + L + Str(a1 * a3 + a4 * a6);
    const test::Screen screen(log);
    EXPECT_TRUE(screen.Drew(127, 110, 0, problem)) << problem;
    EXPECT_TRUE(screen.Drew(100, 260, 5, result)) << result;
    EXPECT_TRUE(test::SameExpression(problem, result)) << problem;
  });
}

// The textbook exercises of the three closing pages, worked right step by step.
TEST(CalcExamples10To12, TextbookWorkingsKeepTheirValue) {
  const test::Letters at = test::LettersAt({{'x', 1.7}, {'a', -2.3}});
  test::ExpectSameValues(at, {"(20x+15)/5", "=(20x+15)*ﾀ1/5ﾀ", "=20x*ﾀ1/5ﾀ+15*ﾀ1/5ﾀ", "=4x+3"});
  test::ExpectSameValues(
      at, {"(16a-8)/(-8)", "=(16a-8)*(-ﾀ1/8ﾀ)", "=16a*(-ﾀ1/8ﾀ)-8*(-ﾀ1/8ﾀ)", "=-2a+1"});
  test::ExpectSameValues(at, {"ﾀ2x+3/5ﾀ*10", "=(2x+3)*2", "=4x+6"});
  test::ExpectSameValues(at, {"8*ﾀ3x-5/2ﾀ", "=4(3x-5)", "=12x-20"});
  test::ExpectSameValues(at, {"ﾀ5a-3/3ﾀ*(-15)", "=(5a-3)*(-5)", "=-25a+15"});
  test::ExpectSameValues(at, {"5(x-2)+2(2x+4)", "=5x-10+4x+8", "=5x+4x-10+8", "=9x-2"});
  test::ExpectSameValues(at, {"6(x+2)-5(2x-3)", "=6x+12-10x+15", "=6x-10x+12+15", "=-4x+27"});
  test::ExpectSameValues(at, {"2(a-1)+3(a-4)", "=2a-2+3a-12", "=2a+3a-2-12", "=5a-14"});
  test::ExpectSameValues(at, {"5(4x-2)-4(5x-2)", "=20x-10-20x+8", "=20x-20x-10+8", "=-2"});
}

// At the generator's largest value every pick stays in its table: 5, 5, 5 for example 10;
// m = 7, d = 5, p = 11, q = -3 for example 11.
TEST(CalcExamples10To12, LargestRandomValueStaysInRange) {
  const ItemRun ten(kCalc, 3, 6, 11, std::string(8, ' ') + "1\r   ",
                    std::vector<float>(6, kLargest));
  ten.Expect({{107, 80, 0, "(25x+25)/5", 0}, {67, 370, 5, "=5x", 6}});
  const ItemRun eleven(kCalc, 3, 7, 7, "   1\r    ", std::vector<float>(5, kLargest));
  eleven.Expect({{127, 110, 0, "ﾀ11b-3/5ﾀ*35", 0}, {100, 280, 5, "=77b-21", 3}});
}

}  // namespace
}  // namespace orvelle
