// Section 1 of Orvelle Calc, items ④ and ⑤ and the area diagram: the like-terms drills over
// many seeded passes, each worked result equal to its problem, and the textbook answers.
#include "../../support/lesson_test.h"
#include "lessons/calc/like_terms_area.h"

namespace orvelle::test {
namespace {

bool IsLetter(const std::string& L) { return L == "x" || L == "y" || L == "a" || L == "b"; }

TEST(CalcSection1, LikeTermsExampleFixedThenRandom) {
  // Passes 1 and 2 draw, then are 3x+6x and 3y-6y; pass 3 draws 5 and 5 (raised to 6), minus.
  const ItemRun item(kCalc, 1, 4, 2 + 3 * 2 + 11, "    2\r  2\r  1\r" + std::string(11, ' '),
                     {0, 0, 0, Pick(2, 2, 4), 0.9f, 0.9f, 0.9f, Pick(3, 2, 4), Pick(5, 1, 5),
                      Pick(5, 1, 5), Pick(0, 0, 2), Pick(4, 2, 4)});
  item.Expect({{40, 180, 3, "文字の部分が同じ項は計算できる", 1},
               {MarkupEnd(127, "3x+6x="), 310, 3, "9x", 4},
               {MarkupEnd(127, "5a-6a="), 310, 3, "-a", 12},
               {MarkupEnd(100, "-3x-6x="), 480, 5, "-9x", 15}});
  // P75 exercise 2, 50 apart: each answer after its problem and equal to it.
  float y = 200;
  for (const auto& [problem, answer, screen] : {std::tuple{"5x+7x=", "12x", 18},
                                                {"6y-2y=", "4y", 20},
                                                {"4x-3x=", "x", 22},
                                                {"-9a+6a=", "-3a", 23},
                                                {"5y-y=", "4y", 24},
                                                {"-3x-2x=", "-5x", 25}}) {
    item.Expect({{767, y, 0, problem}, {MarkupEnd(767, problem), y, 5, answer, screen}});
    EXPECT_TRUE(SameExpression(problem, answer)) << problem;
    y += 50;
  }
}

TEST(CalcSection1, LikeTermsDrillThousandPasses) {
  std::map<int, int> sums;
  FromFourClocks(kCalc,
                 DrillScript()
                     .Keys(EnterItem(kCalc, 1, 4) + "  ")
                     .Passes(260, 2)
                     .Keys(std::string(11, ' ') + LeaveProgram(kCalc, 1)),
                 [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
                   const float a = m.coef[1], b = m.coef[2];
                   ASSERT_TRUE(pass >= 2 || (a == 3 && b == (pass == 0 ? 6 : -6))) << pass;
                   ASSERT_TRUE(a >= 1 && a <= 5 && a == std::floor(a)) << a;
                   ASSERT_TRUE(b != 0 && std::abs(b) <= 6 && b == std::floor(b) && std::abs(b) != a)
                       << b;
                   const std::string L = m.letterText[1];
                   ASSERT_TRUE(IsLetter(L) && m.letterText[2] == L) << L;
                   ++sums[static_cast<int>(a + b)];
                   const std::string problem = m.coefText[11] + L + m.coefText[12] + L + "=";
                   const std::string sum = m.coefText[13] + L;
                   EXPECT_TRUE(DrewMarkup(log, 127, 310, 0, problem) &&
                               DrewMarkup(log, MarkupEnd(127, problem), 310, 3, sum));
                   const Letters one = LettersAt({{L[0], 1}});
                   EXPECT_TRUE(MarkupValue(problem, one) == a + b && MarkupValue(sum, one) == a + b)
                       << problem << sum;
                   EXPECT_EQ(MarkupValue(m.coefText[22] + L, one), b);  // the second box's text
                 });
  // -4..-1, 1..9 and 11 (5 and 5 raised to 6): never 0 or 10.
  for (const auto& [sum, n] : sums) EXPECT_TRUE(sum >= -4 && sum <= 11 && sum != 0 && sum != 10);
  EXPECT_GT(sums[11], 0);
}

// The dotted arcs of a log, each "dots side:from-to cColour" to the nearest 10: a run of dots,
// the side it bulges to (l: left of x, a: above y, b: below y) and the colour of the label
// drawn after it.
std::vector<std::string> ArcsOf(const std::vector<DrawCall>& log) {
  std::vector<std::string> out;
  std::vector<DrawCall> dots;
  auto tens = [](float v) { return std::to_string(static_cast<int>(std::lround(v / 10)) * 10); };
  for (const auto& c : log) {
    if (c.op == Op::kCircle && c.r == 0.5f) dots.push_back(c);
    if (dots.empty() || !OnScreen(c) || (c.op != Op::kText && c.op != Op::kLine)) continue;
    float x0 = dots[0].x1, x1 = x0, y0 = dots[0].y1, y1 = y0;
    for (const auto& d : dots) {
      x0 = std::min(x0, d.x1), x1 = std::max(x1, d.x1), y0 = std::min(y0, d.y1),
      y1 = std::max(y1, d.y1);
    }
    const bool left = x1 - x0 < y1 - y0, above = !left && y0 < dots[0].y1 - 5;
    const std::string side = left ? "l" + tens(x1) : above ? "a" + tens(y1) : "b" + tens(y0);
    out.push_back(std::to_string(dots.size()) + side + ":" +
                  (left ? tens(y0) + "-" + tens(y1) : tens(x0) + "-" + tens(x1)) + "c" +
                  std::to_string(c.color));
    dots.clear();
  }
  return out;
}

// The diagram at (80, 410) for a·x + b·x: its boxes of border 0 and its arcs, in order.
void ExpectDiagram(float a, float b, const std::vector<std::string>& boxes,
                   const std::vector<std::string>& arcs) {
  SCOPED_TRACE(b);
  Bench bench(" ");
  Machine& m = bench.m;
  m.figX[1] = 80, m.figY[1] = 410, m.coef[1] = a, m.coef[2] = b;
  m.coefText[11] = m.coefText[1] = Str(a);
  m.coefText[22] = m.coefText[2] = Str(b);
  m.coefText[13] = m.coefText[3] = Str(a + b);
  m.letterText[1] = m.letterText[2] = "x";
  m.afterX = 300, m.lineY = 310;
  m.rowPitch = 10;  // left by an earlier arc: must not make the next bulge 160
  calc::DrawLikeTermsArea(m);
  std::vector<std::string> drawn;
  for (const std::string& box : Boxes(bench.device)) {
    if (box.find(" b0 ") != std::string::npos) drawn.push_back(box.substr(0, box.find(" w5")));
  }
  EXPECT_EQ(drawn, boxes);
  EXPECT_EQ(ArcsOf(bench.device.log()), arcs);
  EXPECT_EQ(KeyWaits(bench.device.log()), 1);
  EXPECT_EQ(bench.Calls(Op::kWidth).back().value, 5);  // left so
  EXPECT_TRUE(m.afterX == 300 && m.lineY == 310);
}

TEST(CalcSection1, LikeTermsAreaLayouts) {
  // A: end to end; the sum's box over the second part only, the sum's arc under the row.
  ExpectDiagram(3, 6,
                {"80,410-230,460 b0 f3", "290,410-590,460 b0 f3", "80,530-230,580 b0 f3",
                 "230,530-530,580 b0 f3", "230,530-530,580 b0 f3"},
                {"23a410:80-230c3", "11l80:410-460c3", "23a410:290-590c3", "11l290:410-460c3",
                 "11l80:530-580c3", "23a530:80-230c3", "23a530:230-530c3", "37b580:80-530c3"});
  // B: the negative box over the positive one's left end; what is left is the sum.
  ExpectDiagram(5, -2,
                {"80,410-330,460 b0 f3", "390,410-490,460 b0 f5", "80,530-330,580 b0 f3",
                 "80,530-180,580 b0 f5", "180,530-330,580 b0 f3"},
                {"23a410:80-330c3", "11l80:410-460c3", "23a410:390-490c5", "11l390:410-460c5",
                 "11l80:530-580c3", "23b580:80-330c3", "23a530:80-180c5", "37a530:180-330c3"});
  // C: the positive box over the negative one's left end; the sum negative.
  ExpectDiagram(3, -6,
                {"80,410-230,460 b0 f3", "290,410-590,460 b0 f5", "80,530-380,580 b0 f5",
                 "80,530-230,580 b0 f3", "230,530-380,580 b0 f5"},
                {"23a410:80-230c3", "11l80:410-460c3", "23a410:290-590c5", "11l290:410-460c5",
                 "11l80:530-580c5", "23b580:80-380c5", "23a530:80-230c3", "37a530:230-380c5"});
}

// Inputs the item never passes: no box without width, every point a number, one key wait.
TEST(CalcSection1, LikeTermsAreaDegenerateInputs) {
  for (const auto& [a, b] : {std::pair{0.0f, 0.0f}, {2.0f, -2.0f}, {-1.0f, 3.0f}, {0.5f, -4.0f}}) {
    Bench bench(" ");
    bench.m.coef[1] = a, bench.m.coef[2] = b;
    calc::DrawLikeTermsArea(bench.m);
    for (const auto& box : bench.Calls(Op::kBox)) EXPECT_GT(box.x2, box.x1) << a << " " << b;
    EXPECT_TRUE(AllFinite(bench.device));
    EXPECT_EQ(KeyWaits(bench.device.log()), 1);
  }
}

TEST(CalcSection1, CollectLikeTermsExampleAndExercise) {
  // Draws 10, 5, 10, 4: the tie raises the first to 11, so 11x+5-10x+4 = x+9; the letter x.
  const ItemRun item(kCalc, 1, 5, 3 + 14, "   1\r" + std::string(14, ' '),
                     {Pick(10, 2, 9), Pick(5, 2, 9), Pick(10, 2, 9), Pick(4, 2, 9), Pick(2, 2, 4)});
  item.Expect({{127, 90, 0, "11x+5-10x+4", 0},
               {100, 200, 5, "=x+9", 1},
               {100, 145, 0, "=11x-10x+5+4", 3},
               {40, 410, 5, "文字の部分が同じ項を集める。", 5}});
  // P75 exercise 3: the problem, a key, the letter terms brought first, a key, the result.
  for (const auto& [x, y, problem, regrouped, result, screen] :
       {std::tuple{100.0f, 510.0f, " 8x+6-3x-3", "=8x-3x+6-3", "=5x+3", 9},
        {694.0f, 30.0f, " 5x-2-4x+8", "=5x-4x-2+8", "=x+6", 11},
        {694.0f, 140.0f, " 6x-7+3x-2", "=6x+3x-7-2", "=9x-9", 13},
        {694.0f, 250.0f, " 6a-4-5a+1", "=6a-5a-4+1", "=a-3", 15},
        {694.0f, 360.0f, " 3x-2+x+9", "=3x+x-2+9", "=4x+7", 17},
        {694.0f, 470.0f, " a+5-7a-5", "=a-7a+5-5", "=-6a", 19}}) {
    item.Expect({{x, y, 0, problem, screen - 2},
                 {x, y + 50, 0, regrouped, screen - 1},
                 {MarkupEnd(x, regrouped), y + 50, 5, result, screen}});
    EXPECT_TRUE(SameExpression(problem, regrouped) && SameExpression(problem, result)) << problem;
  }
}

TEST(CalcSection1, CollectLikeTermsThousandPasses) {
  std::map<int, int> sums;
  FromFourClocks(
      kCalc,
      DrillScript()
          .Keys(EnterItem(kCalc, 1, 5))
          .Passes(260, 3)
          .Keys(std::string(14, ' ') + LeaveProgram(kCalc, 1)),
      [&](int, const Machine& m, const std::vector<DrawCall>& log) {
        for (int k : {2, 4}) ASSERT_TRUE(m.coef[k] >= 2 && m.coef[k] <= 10) << m.coef[k];
        ASSERT_TRUE(m.coef[1] >= 2 && m.coef[3] >= -10 && m.coef[3] <= -2);
        ASSERT_TRUE(m.coef[1] <= 10 || (m.coef[1] == 11 && m.coef[3] == -10));  // 10 and 10 tie
        ASSERT_NE(m.coef[1], -m.coef[3]);  // the letter terms never cancel
        ++sums[static_cast<int>(m.coef[1] + m.coef[3])];
        const std::string L = m.letterText[1];
        ASSERT_TRUE(IsLetter(L) && m.letterText[2] == L) << L;
        const auto& t = m.coefText;
        const std::string problem = t[1] + L + t[2] + t[3] + L + t[4];
        const std::string result = "=" + t[5] + L + t[6];
        EXPECT_TRUE(DrewMarkup(log, 127, 90, 0, problem) && DrewMarkup(log, 100, 200, 5, result))
            << problem;
        EXPECT_TRUE(SameExpression(problem, result)) << problem << result;
      });
  for (const auto& [sum, n] : sums) EXPECT_TRUE(sum != 0 && sum >= -8 && sum <= 8) << sum;
  // A tie raises the first coefficient: 1 comes from 17 of the 81 pairs of draws, -1 from 8.
  EXPECT_GT(sums[1], 3 * sums[-1] / 2);
}

}  // namespace
}  // namespace orvelle::test
