// Section 3, items ⑥ to ⑧ of Orvelle Calc: a bracket divided by a number, a fraction of an
// expression times a multiple, expand and collect; each worked by its mathematics.
#include "../../support/lesson_test.h"

namespace orvelle::test {
namespace {

constexpr float kLargest = 1.0f - 1.0f / 16777216;  // the generator's largest value

// 1,000 passes of item 3-`item`, `keyWaits` each: `check` checks a pass's picks and drawing and
// gives its problem and result, which must agree.
void ThousandPasses(
    int item, int keyWaits,
    const std::function<std::pair<std::string, std::string>(const Machine&, const Screen&)>&
        check) {
  FromFourClocks(kCalc,
                 DrillScript()
                     .Keys(EnterItem(kCalc, 3, item))
                     .Passes(250, keyWaits)
                     .Keys("     " + LeaveProgram(kCalc, 3)),
                 [&](int, const Machine& m, const std::vector<DrawCall>& log) {
                   const auto [problem, result] = check(m, Screen(log));
                   EXPECT_TRUE(SameExpression(problem, result)) << problem << " " << result;
                 });
}

// (6x-12)÷(-3): d = 3, s = -1, a = 2, b = -4; then the closing.
TEST(CalcExample10, WorkedDivisionThenRuleAndQuestion13) {
  const ItemRun item(
      kCalc, 3, 6, 11, std::string(8, ' ') + "1\r   ",
      {Pick(2, 1, 3), Pick(0, 0, 2), Pick(2, 1, 5), Pick(1, 0, 2), Pick(4, 1, 5), Pick(0, 0, 2)});
  const float x6 = MarkupEnd(67, "=("), x12 = MarkupEnd(x6, "6x");
  const float xr = MarkupEnd(x12, "-12)*");
  const float p1 = MarkupEnd(67, "="), p3 = MarkupEnd(MarkupEnd(p1, "6x*"), "(-ﾀ1/3ﾀ)");
  item.Expect({{107, 80, 0, "(6x-12)/(-3)", 0},
               {xr, 180, 0, "(-ﾀ1/3ﾀ)", 1},
               {p3, 270, 0, "-12*", 4},
               {67, 370, 5, "=-2x", 6},
               {MarkupEnd(67, "=-2x"), 370, 5, "+4", 8},
               {40, 430, 5, "除法は逆数をかける。", 10}});
  // The arcs run from past "(-" of the reciprocal, 20 up, to the x-term and past the constant's
  // sign; the slashes cross 6 and the digits of -12, each with its quotient above it.
  for (const auto& [screen, color, end] : {std::tuple{2, 9, x6 + 27}, {3, 7, x12 + 54}}) {
    const auto arc = Dots(item.screens[screen], color);
    ASSERT_EQ(arc.size(), 181u);
    EXPECT_EQ(Pt(arc.front().x1, arc.front().y1) + " " + Pt(arc.back().x1, arc.back().y1),
              Pt(xr + 81, 160) + " " + Pt(end, 180));
  }
  EXPECT_TRUE(HasLine(item.screens[5], p1, 310, p1 + 27, 270, 3, 5));
  EXPECT_TRUE(HasLine(item.screens[7], p3 + 27, 310, p3 + 81, 270, 3, 5));
  item.Expect({{p1, 240, 3, "2", 5}, {p3 + 27, 240, 3, "4", 7}});
  ExpectWorkingShown(item.log(), {"(20x+15)/5", "=(20x+15)*ﾀ1/5ﾀ", "=20x*ﾀ1/5ﾀ+15*ﾀ1/5ﾀ", "=4x+3"});
  ExpectWorkingShown(item.log(),
                     {"(16a-8)/(-8)", "=(16a-8)*(-ﾀ1/8ﾀ)", "=16a*(-ﾀ1/8ﾀ)-8*(-ﾀ1/8ﾀ)", "=-2a+1"});
}

TEST(CalcExample10, ThousandDivisionsComeOutEven) {
  std::set<float> divisors;
  ThousandPasses(6, 8, [&](const Machine& m, const Screen& screen) {
    const float d = m.auxNum[1], s = m.coef[1] / d, a = m.coef[12], b = m.coef[13];
    EXPECT_TRUE(d == 2 || d == 3 || d == 5) << d;
    EXPECT_TRUE(std::abs(s) == 1);
    for (float q : {a, b}) EXPECT_TRUE(q != 0 && std::abs(q) <= 5 && q == std::floor(q)) << q;
    divisors.insert(m.coef[1]);
    const std::string divisor = s < 0 ? "(" + Str(-d) + ")" : Str(d);
    const std::string problem = "(" + Str(a * d) + "x" + Signed(b * d) + ")/" + divisor;
    const std::string first = "=" + Coef(s * a) + "x", second = Signed(s * b);
    EXPECT_TRUE(screen.Drew(107, 80, 0, problem) && screen.Drew(67, 370, 5, first) &&
                screen.Drew(MarkupEnd(67, first), 370, 5, second))
        << problem;
    return std::pair{problem, first + second};
  });
  EXPECT_EQ(divisors.size(), 6u);
}

// ﾀ5x-7/3ﾀ*6: m = 2, d = 3, p = 5, q = -7 and x; then the closing.
TEST(CalcExample11, WorkedFractionThenRulesAndQuestion14) {
  const ItemRun item(kCalc, 3, 7, 7, "   1\r    ",
                     {Pick(1, 1, 4), Pick(1, 1, 3), Pick(1, 1, 3), Pick(1, 1, 2), Pick(2, 2, 4)});
  item.Expect({{127, 110, 0, "ﾀ5x-7/3ﾀ*6", 0},
               {100, 180, 0, "=(5x-7)*2", 1},
               {100, 280, 5, "=10x-14", 3},
               {40, 340, 3, "①約分できるときは約分する。", 5},
               {694, 350, 5, "=-25a+15", 9}});
  ExpectWorkingShown(item.log(), {"ﾀ2x+3/5ﾀ*10", "=(2x+3)*2", "=4x+6"});
  ExpectWorkingShown(item.log(), {"8*ﾀ3x-5/2ﾀ", "=4(3x-5)", "=12x-20"});
  ExpectWorkingShown(item.log(), {"ﾀ5a-3/3ﾀ*(-15)", "=(5a-3)*(-5)", "=-25a+15"});
}

TEST(CalcExample11, ThousandFractionsOfDistinctPrimes) {
  std::set<std::string> letters;
  ThousandPasses(7, 3, [&](const Machine& m, const Screen& screen) {
    const int md = static_cast<int>(m.coef[1]), d = static_cast<int>(m.coef[2]);
    const int p = static_cast<int>(m.coef[3]), q = static_cast<int>(m.coef[4]);
    const std::set<int> primes{2, 3, 5, 7, 11}, picks{md, d, p, -q};
    EXPECT_EQ(picks.size(), 4u);
    for (int v : picks) EXPECT_TRUE(primes.count(v)) << v;
    EXPECT_TRUE(md != 11 && d != 11);
    const std::string L = m.signText[1];
    letters.insert(L);
    const std::string problem = "ﾀ" + Str(p) + L + Str(q) + "/" + Str(d) + "ﾀ*" + Str(md * d);
    const std::string result = "=" + Str(md * p) + L + Str(md * q);
    EXPECT_TRUE(screen.Drew(127, 110, 0, problem) && screen.Drew(100, 280, 5, result)) << problem;
    return std::pair{problem, result};
  });
  EXPECT_EQ(letters, (std::set<std::string>{"x", "y", "a", "b"}));
}

// The far end of every range (the generator's largest value): 4(10b-9)-5(-10b+9).
TEST(CalcExample12, WorkedExpansionThenRulesAndQuestion15) {
  const ItemRun item(kCalc, 3, 8, 12, "       1\r     ", std::vector<float>(7, kLargest));
  const float x = MarkupEnd(100, "=");
  item.Expect({{127, 110, 0, "4(10b-9)-5(-10b+9)", 0},
               {x, 160, 0, "40b", 2},
               {MarkupEnd(x, "40b-36"), 160, 0, "+50b", 4},
               {100, 260, 5, "=90b-81", 7},
               {40, 420, 7, "教科書P70 問15 をやろう。", 10},
               {694, 580, 5, "=-2", 14}});
  ExpectWorkingShown(item.log(), {"5(x-2)+2(2x+4)", "=5x-10+4x+8", "=5x+4x-10+8", "=9x-2"});
  ExpectWorkingShown(item.log(), {"6(x+2)-5(2x-3)", "=6x+12-10x+15", "=6x-10x+12+15", "=-4x+27"});
  ExpectWorkingShown(item.log(), {"2(a-1)+3(a-4)", "=2a-2+3a-12", "=2a+3a-2-12", "=5a-14"});
  ExpectWorkingShown(item.log(), {"5(4x-2)-4(5x-2)", "=20x-10-20x+8", "=20x-20x-10+8", "=-2"});
}

TEST(CalcExample12, ThousandExpansionsCollectRight) {
  ThousandPasses(8, 7, [&](const Machine& m, const Screen& screen) {
    const float a1 = m.coef[1], a2 = m.coef[2], a3 = m.coef[3];
    const float a4 = m.coef[4], a5 = m.coef[5], a6 = m.coef[6];
    EXPECT_TRUE(a1 >= 2 && a1 <= 4 && a2 >= 2 && a2 <= 10 && a3 >= -9 && a3 <= -1);
    EXPECT_TRUE(a4 >= -5 && a4 <= -3 && a5 >= -10 && a5 <= -2 && a6 >= 1 && a6 <= 9);
    const std::string L = m.signText[1];
    const std::string problem = Str(a1) + "(" + Str(a2) + L + Str(a3) + ")" + Str(a4) + "(" +
                                Str(a5) + L + Signed(a6) + ")";
    const std::string result = "=" + Str(a1 * a2 + a4 * a5) + L + Str(a1 * a3 + a4 * a6);
    EXPECT_TRUE(screen.Drew(127, 110, 0, problem) && screen.Drew(100, 260, 5, result)) << problem;
    return std::pair{problem, result};
  });
}

// At the generator's largest value every pick stays in its table: 5, 5, 5 for example 10;
// m = 7, d = 5, p = 11, q = -3 for example 11.
TEST(CalcExamples10To11, LargestRandomValueStaysInRange) {
  ItemRun(kCalc, 3, 6, 11, std::string(8, ' ') + "1\r   ", std::vector<float>(6, kLargest))
      .Expect({{107, 80, 0, "(25x+25)/5", 0}, {67, 370, 5, "=5x", 6}});
  ItemRun(kCalc, 3, 7, 7, "   1\r    ", std::vector<float>(5, kLargest))
      .Expect({{127, 110, 0, "ﾀ11b-3/5ﾀ*35", 0}, {100, 280, 5, "=77b-21", 3}});
}

}  // namespace
}  // namespace orvelle::test
