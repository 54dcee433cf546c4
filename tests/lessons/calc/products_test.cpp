// Section 3, items ④ "例８" and ⑤ "例9" of Orvelle Calc: products with a bracket, their arcs
// and cancellation marks.
#include "../../support/lesson_test.h"

namespace orvelle::test {
namespace {

// An arc of 181 dots from P to Q, drawn from Q back to P, as "Q P cColour".
std::string Arc(float px, float py, float qx, float qy, int color) {
  return Pt(qx, qy) + " " + Pt(px, py) + " c" + Str(color);
}
Strings Arcs(const std::vector<DrawCall>& log) {
  const auto dots = Dots(log);
  EXPECT_EQ(dots.size() % 181, 0u);
  Strings out;
  for (size_t k = 0; k + 180 < dots.size(); k += 181) {
    out.push_back(Arc(dots[k + 180].x1, dots[k + 180].y1, dots[k].x1, dots[k].y1, dots[k].color));
  }
  return out;
}

// One example of drill ① k(ax+b) or ② (ax+b)×k as its numbers give it: the problem line from
// (73, y), the answer at (100, y + 70) equal to it, both arcs. Gives the answer.
std::string CheckExample8Pass(bool one, const Machine& m, const std::vector<DrawCall>& log) {
  const float k = m.coef[1], a = m.coef[2], b = m.coef[3];
  const std::string L = m.letterText[1];
  const std::string parts[] = {one ? Coef(k) + "(" : "(" + Coef(a) + L,
                               one ? Coef(a) + L : Signed(b) + ")*",
                               one ? Signed(b) + ")" : (k < 0 ? "(" + Str(k) + ")" : Str(k))};
  const std::string first = "=" + Coef(k * a) + L, second = Signed(k * b);
  const float y = one ? 130 : 330;
  const Screen screen(log);
  float x[4] = {MarkupEnd(73, one ? "① " : "② ")};
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(screen.Drew(x[i], y, 0, parts[i])) << parts[i];
    x[i + 1] = MarkupEnd(x[i], parts[i]);
  }
  EXPECT_TRUE(screen.Drew(100, y + 70, 5, first) &&
              screen.Drew(MarkupEnd(100, first), y + 70, 5, second))
      << first << second;
  EXPECT_TRUE(SameExpression(parts[0] + parts[1] + parts[2], first + second));
  // ①: from the multiplier to each term; ②: from each term to the multiplier, past the "(" of a
  // negative one.
  const float kx = x[2] + 20 + (k < 0 ? 27 : 0);
  const Strings arcs =
      one ? Strings{Arc(x[0] + 10, y, x[1] + 10, y, 9), Arc(x[0] + 10, y, x[2] + 20, y, 7)}
          : Strings{Arc(x[0] + 40, y, kx, y, 9), Arc(x[1] + 40, y, kx, y, 7)};
  EXPECT_EQ(Arcs(log), arcs);
  return first + second;
}

// Example 9's pass: the problem (n/d)(pdx+qd), its two products, each bracket number and
// denominator crossed out where it stands, the result. Gives the result.
std::string CheckExample9Pass(const Machine& m, const std::vector<DrawCall>& log) {
  const int d = static_cast<int>(m.auxNum[1]), n = static_cast<int>(m.coef[1]);
  const int p = static_cast<int>(m.coef[12]), q = static_cast<int>(m.coef[13]);
  const std::string frac = (n < 0 ? "-ﾀ" : "ﾀ") + Str(std::abs(n)) + "/" + Str(d) + "ﾀ";
  const std::string parts[] = {frac + "(", Str(p * d) + "x", Signed(q * d) + ")"};
  const std::string products[] = {frac + "*", p < 0 ? "(" + Str(p * d) + "x)" : Str(p * d) + "x",
                                  (n > 0 ? "+" : "") + frac + "*",
                                  q < 0 ? "(" + Str(q * d) + ")" : Str(q * d)};
  const std::string result = "=" + Coef(n * p) + "x" + Signed(n * q);
  const Screen screen(log);
  float x[4] = {80};
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(screen.Drew(x[i], 150, 0, parts[i])) << parts[i];
    x[i + 1] = MarkupEnd(x[i], parts[i]);
  }
  EXPECT_EQ(Arcs(log),
            (Strings{Arc(107, 130, x[1] + 27, 150, 9), Arc(107, 130, x[2] + 27, 150, 7)}));
  float at = MarkupEnd(40, "=");
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(screen.Drew(at, 240, 0, products[i])) << products[i];
    if (i % 2 == 0) {  // the denominator, after the fraction's sign
      const float den = MarkupEnd(at, products[i].substr(0, products[i].find("ﾀ")));
      EXPECT_TRUE(HasLine(log, den, 296, den + 27, 268, 3, 5)) << products[i];
    } else {  // the bracket number's digits, past a "(-"
      const float digits = at + (products[i][0] == '(' ? 54 : 0);
      const float wide = 27 * static_cast<float>(Str(std::abs((i == 1 ? p : q) * d)).size());
      EXPECT_TRUE(HasLine(log, digits, 280, digits + wide, 240, 3, 5)) << products[i];
    }
    at = MarkupEnd(at, products[i]);
  }
  EXPECT_TRUE(screen.Drew(40, 340, 5, result)) << result;
  EXPECT_TRUE(SameExpression(parts[0] + parts[1] + parts[2], result));
  return result;
}

// Into item 3-`item`, `passes` passes of `keys` key waits each (drill ① then ②: `two` more after
// the key that hands over), the closing's `closing` keys, out through both menus.
DrillScript Script(int item, int passes, int keys, int two, int closing) {
  DrillScript s;
  s.Keys(EnterItem(kCalc, 3, item)).Passes(passes, keys);
  if (two > 0) s.Keys(" ").Passes(two, keys);
  return s.Keys(std::string(closing, ' ') + LeaveProgram(kCalc, 3));
}

TEST(CalcExample8, WorkedCasesThenProblems10And11) {
  const std::vector<float> random = {
      // ① a, its sign, k, its sign (a +1 without its coin is -1), b, its sign, the letter
      Pick(1, 1, 9), 0, Pick(3, 1, 6), 0, Pick(5, 2, 8), 0, Pick(2, 2, 4),      //
      Pick(7, 1, 9), 0, Pick(2, 1, 6), .9f, Pick(4, 2, 8), .9f, Pick(4, 2, 4),  //
      Pick(1, 1, 9), .9f, Pick(1, 1, 6), .9f, Pick(9, 2, 8), 0, Pick(3, 2, 4),  //
      Pick(1, 1, 9), .9f, Pick(1, 1, 6), 0, Pick(4, 2, 8), 0, Pick(2, 2, 4),    //
      // ② a, k, its sign, b, its sign, the letter
      Pick(2, 1, 9), Pick(3, 2, 8), .9f, Pick(5, 2, 8), 0, Pick(2, 2, 4),  //
      Pick(1, 1, 9), Pick(7, 2, 8), 0, Pick(4, 2, 8), .9f, Pick(4, 2, 4)};
  const char* const answers[] = {"=3x+15", "=-14a+8", "=y-9", "=x-4", "=-6x-15", "=7a-28"};
  const DrillRun eight(
      kCalc, Script(4, 4, 4, 2, 8),
      [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
        EXPECT_EQ(CheckExample8Pass(pass < 4, m, log), answers[pass]);
      },
      "12:00:00", [&](Machine& m) { m.random.Script(random); });
  eight.ExpectPasses(6);
  EXPECT_EQ(KeyWaits(eight.rest), 8);
  ExpectSeen(eight.rest, {{40, 450, 7, "教科書P78 問10　をやろう。"}, {694, 640, 5, "=-4c-20"}});
}

TEST(CalcExample9, WorkedCasesThenTheRuleAndProblems11And12) {
  // d from 2, 3, 5; n from what is left and 1, its sign (0: -); p, its sign; q, its sign.
  const std::vector<float> random = {
      Pick(2, 1, 3), Pick(1, 1, 3), .9f, Pick(2, 1, 5), 0,   Pick(4, 1, 5), .9f,  // 2/3(-6x+12)
      Pick(3, 1, 3), Pick(3, 1, 3), 0,   Pick(1, 1, 5), .9f, Pick(5, 1, 5), 0};   // -1/5(5x-25)
  const char* const results[] = {"=-4x+8", "=-x+5"};
  const DrillRun run(
      kCalc, Script(5, 2, 7, 0, 4),
      [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
        EXPECT_EQ(CheckExample9Pass(m, log), results[pass]);
      },
      "12:00:00", [&](Machine& m) { m.random.Script(random); });
  run.ExpectPasses(2);
  EXPECT_EQ(KeyWaits(run.rest), 4);
  ExpectSeen(run.rest, {{40, 400, 5, "分配法則で（　）をはずし、"}, {574, 590, 5, "=2x-10"}});
}

// Both drills of example 8, 1,000 passes each: every pick in range, each example checked as
// above, the chances as the picks make them (-1 twice as often as each other multiplier of ①).
TEST(CalcExample8, ThousandPassesOfEachDrill) {
  std::map<std::string, int> seen;
  FromFourClocks(
      kCalc, Script(4, 250, 4, 250, 8),
      [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
        const bool one = pass < 250;
        const float k = std::abs(m.coef[1]), a = m.coef[2], b = std::abs(m.coef[3]);
        ASSERT_TRUE(one ? k >= 1 && k <= 6 && m.coef[1] != 1 : k >= 2 && k <= 9) << k;
        ASSERT_TRUE((one ? std::abs(a) : a) >= 1 && std::abs(a) <= 9 && b >= 2 && b <= 9);
        if (one) ++seen["k" + Str(m.coef[1])];
        ++seen[m.letterText[1]];
        seen["b<0"] += m.coef[3] < 0;
        seen["k<0 ②"] += !one && m.coef[1] < 0;
        CheckExample8Pass(one, m, log);
      });
  EXPECT_NEAR(seen["k-1"], 1000 / 6, 50);
  for (int k : {-6, -5, -4, -3, -2, 2, 3, 4, 5, 6}) EXPECT_NEAR(seen["k" + Str(k)], 1000 / 12, 40);
  for (const char* L : {"x", "y", "a", "b"}) EXPECT_NEAR(seen[L], 2000 / 4, 100) << L;
  EXPECT_NEAR(seen["k<0 ②"], 500, 100);
  EXPECT_NEAR(seen["b<0"], 1000, 100);
}

// Example 9, 1,000 passes: n/d in lowest terms and never whole, p and q in range, each example
// checked as above (so no text with a sign too many), the chances as the picks make them.
TEST(CalcExample9, ThousandPassesOfItsExamples) {
  std::map<std::string, int> seen;
  FromFourClocks(kCalc, Script(5, 250, 7, 0, 4),
                 [&](int, const Machine& m, const std::vector<DrawCall>& log) {
                   const float d = m.auxNum[1], n = std::abs(m.coef[1]);
                   const float p = std::abs(m.coef[12]), q = std::abs(m.coef[13]);
                   ASSERT_TRUE(d == 2 || d == 3 || d == 5) << d;
                   ASSERT_TRUE(n == 1 || (n != d && (n == 2 || n == 3 || n == 5))) << n;
                   ASSERT_TRUE(p >= 1 && p <= 5 && q >= 1 && q <= 5) << p << " " << q;
                   ++seen["d" + Str(d)];
                   seen["|n|=1"] += n == 1;
                   seen["n<0"] += m.coef[1] < 0;
                   CheckExample9Pass(m, log);
                 });
  for (int d : {2, 3, 5}) EXPECT_NEAR(seen["d" + Str(d)], 1000 / 3, 1000 / 15) << d;
  EXPECT_NEAR(seen["|n|=1"], 1000 / 3, 1000 / 15);
  EXPECT_NEAR(seen["n<0"], 1000 / 2, 1000 / 15);
}

}  // namespace
}  // namespace orvelle::test
