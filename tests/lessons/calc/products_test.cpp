// Section 3, items ④ "例８" and ⑤ "例9" of Orvelle Calc: products with a bracket, their arcs
// and cancellation marks.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "../../support/lesson_run.h"
#include "../../support/log_view.h"
#include "../../support/markup_value.h"

namespace orvelle {
namespace {

using test::kCalc;
using test::MarkupEnd;
using test::Pick;
using test::Str;

// A coefficient as written before a letter, and a term with its sign.
std::string Unit(float v) { return v == 1 ? "" : v == -1 ? "-" : Str(v); }
std::string Signed(float v) { return (v > 0 ? "+" : "") + Str(v); }

// The arcs of a log, 181 dots each from Q back to P: {colour, P, Q, top of a level arc}.
void ExpectArcs(const std::vector<DrawCall>& log, const std::vector<std::vector<float>>& arcs) {
  std::vector<DrawCall> dots;
  for (const auto& c : log) {
    if (c.op == Op::kCircle && c.r == 0.5f) dots.push_back(c);
  }
  ASSERT_EQ(dots.size(), 181 * arcs.size());
  for (size_t k = 0; k < arcs.size(); ++k) {
    const auto& a = arcs[k];
    const DrawCall &q = dots[181 * k], &mid = dots[181 * k + 90], &p = dots[181 * k + 180];
    const bool level = a.size() > 5;
    EXPECT_EQ(test::Pt(q.x1, q.y1) + " " + test::Pt(p.x1, p.y1) + " c" + Str(q.color) +
                  (level ? " top " + test::Fmt(mid.y1) : ""),
              test::Pt(a[3], a[4]) + " " + test::Pt(a[1], a[2]) + " c" + Str(a[0]) +
                  (level ? " top " + test::Fmt(a[5]) : ""));
  }
}

// One example of drill ① k(ax+b) or ② (ax+b)×k as its numbers give it: the problem line from
// (73, y), the answer line at (100, y + 70), both arcs, the value kept. Gives the answer line.
std::string CheckExample8Pass(bool one, const Machine& m, const std::vector<DrawCall>& log) {
  const float k = m.coef[1], a = m.coef[2], b = m.coef[3];
  const std::string L = m.letterText[1];
  const std::string parts[] = {one ? Unit(k) + "(" : "(" + Unit(a) + L,
                               one ? Unit(a) + L : Signed(b) + ")*",
                               one ? Signed(b) + ")" : (k < 0 ? "(" + Str(k) + ")" : Str(k))};
  const std::string answer[] = {"=" + Unit(k * a) + L, Signed(k * b)};
  const float y = one ? 130 : 330;
  const test::Screen screen(log);
  float x[4] = {MarkupEnd(73, one ? "① " : "② ")};
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(screen.Drew(x[i], y, 0, parts[i])) << parts[i];
    x[i + 1] = MarkupEnd(x[i], parts[i]);
  }
  EXPECT_TRUE(screen.Drew(100, y + 70, 5, answer[0])) << answer[0];
  EXPECT_TRUE(screen.Drew(MarkupEnd(100, answer[0]), y + 70, 5, answer[1])) << answer[1];
  EXPECT_TRUE(test::SameExpression(parts[0] + parts[1] + parts[2], answer[0] + answer[1]));
  EXPECT_TRUE(test::HasBox(log, 0, y - 50, 2000, y + 1750, 15, 15));
  if (one) {  // from the multiplier to each term, the longer arc higher
    ExpectArcs(log,
               {{9, x[0] + 10, y, x[1] + 10, y, y - 16}, {7, x[0] + 10, y, x[2] + 20, y, y - 32}});
  } else {  // from each term to the multiplier, past the "(" of a negative one
    const float kx = x[2] + 20 + (k < 0 ? 27 : 0);
    ExpectArcs(log, {{9, x[0] + 40, y, kx, y, y - 32}, {7, x[1] + 40, y, kx, y, y - 16}});
  }
  return answer[0] + answer[1];
}

// Example 9's pass: the problem (n/d)(pdx+qd), its two products, each bracket number and
// denominator crossed out where it stands, the result. Gives the result line.
std::string CheckExample9Pass(const Machine& m, const std::vector<DrawCall>& log) {
  const int d = static_cast<int>(m.auxNum[1]), n = static_cast<int>(m.coef[1]);
  const int p = static_cast<int>(m.coef[12]), q = static_cast<int>(m.coef[13]);
  const std::string frac = (n < 0 ? "-ﾀ" : "ﾀ") + Str(std::abs(n)) + "/" + Str(d) + "ﾀ";
  const std::string parts[] = {frac + "(", Str(p * d) + "x", Signed(q * d) + ")"};
  const std::string products[] = {frac + "*", p < 0 ? "(" + Str(p * d) + "x)" : Str(p * d) + "x",
                                  (n > 0 ? "+" : "") + frac + "*",
                                  q < 0 ? "(" + Str(q * d) + ")" : Str(q * d)};
  const std::string result = "=" + Unit(n * p) + "x" + Signed(n * q);
  const test::Screen screen(log);
  float x[4] = {80};
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(screen.Drew(x[i], 150, 0, parts[i])) << parts[i];
    x[i + 1] = MarkupEnd(x[i], parts[i]);
  }
  ExpectArcs(log, {{9, 107, 130, x[1] + 27, 150}, {7, 107, 130, x[2] + 27, 150}});
  float at = MarkupEnd(40, "=");
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(screen.Drew(at, 240, 0, products[i])) << products[i];
    if (i % 2 == 0) {  // the denominator, after the fraction's sign: "1" under it
      const float den = MarkupEnd(at, products[i].substr(0, products[i].find("ﾀ")));
      EXPECT_TRUE(test::HasLine(log, den, 296, den + 27, 268, 3, 5)) << i;
      EXPECT_TRUE(screen.Drew(den, 296, 3, "1"));
    } else {  // the bracket number's digits, past a "(-": its quotient by d above it
      const int factor = i == 1 ? p : q;
      const float digits = at + (products[i][0] == '(' ? 54 : 0);
      const float wide = 27 * static_cast<float>(Str(std::abs(factor * d)).size());
      EXPECT_TRUE(test::HasLine(log, digits, 280, digits + wide, 240, 3, 5)) << i;
      EXPECT_TRUE(screen.Drew(digits, 210, 3, Str(std::abs(factor))));
    }
    at = MarkupEnd(at, products[i]);
  }
  EXPECT_TRUE(screen.Drew(40, 340, 5, result)) << result;
  EXPECT_TRUE(test::SameExpression(parts[0] + parts[1] + parts[2], result));
  EXPECT_TRUE(test::HasBox(log, -40, 90, 1280, 1590, 15, 15));
  return result;
}

// A run of `script` with the generator scripted (none: seeded by `clock`), each pass checked.
void RunChecked(const test::DrillScript& script, const std::vector<float>& random,
                const test::PassCheck& check, int passes, int closingKeys, const char* clock,
                const std::vector<test::Seen>& closing) {
  test::DrillRun run(kCalc, script, check, clock, [&](Machine& m) { m.random.Script(random); });
  run.ExpectPasses(passes);
  // The closing stands at the same place however many examples came before it.
  EXPECT_EQ(test::KeyWaits(run.rest), closingKeys);
  test::ExpectSeen(run.rest, closing);
}

const std::vector<test::Seen> kProblems10And11 = {
    {40, 450, 7, "教科書P78 問10　をやろう。"},
    {100, 600, 5, "=4a+8"},
    {520, 190, 7, "教科書P78 問11(1)～(3)　をやろう。"},
    {694, 640, 5, "=-4c-20"}};

const std::vector<test::Seen> kProblems11And12 = {{40, 400, 5, "分配法則で（　）をはずし、"},
                                                  {520, 30, 7, "教科書P78 問11(4)　をやろう。"},
                                                  {574, 260, 5, "=2x+4"},
                                                  {574, 590, 5, "=2x-10"}};

// Into item 3-`item`, `passes` passes of `keys` key waits each (drill ① then ②: `two` more after
// the key that hands over), the closing's `closing` keys, out through both menus.
test::DrillScript Script(int item, int passes, int keys, int two, int closing) {
  test::DrillScript s;
  s.Keys("3\r" + Str(item) + "\r").Passes(passes, keys);
  if (two > 0) s.Keys(" ").Passes(two, keys);
  return s.Keys(std::string(closing, ' ') + "9\r6\r");
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
  RunChecked(
      Script(4, 4, 4, 2, 8), random,
      [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
        EXPECT_EQ(CheckExample8Pass(pass < 4, m, log), answers[pass]);
      },
      6, 8, "12:00:00", kProblems10And11);
}

TEST(CalcExample9, WorkedCasesThenTheRuleAndProblems11And12) {
  // d from 2, 3, 5; n from what is left and 1, its sign (0: -); p, its sign; q, its sign.
  const std::vector<float> random = {
      Pick(2, 1, 3), Pick(1, 1, 3), .9f, Pick(2, 1, 5), 0,   Pick(4, 1, 5), .9f,  // 2/3(-6x+12)
      Pick(3, 1, 3), Pick(3, 1, 3), 0,   Pick(1, 1, 5), .9f, Pick(5, 1, 5), 0};   // -1/5(5x-25)
  const char* const results[] = {"=-4x+8", "=-x+5"};
  RunChecked(
      Script(5, 2, 7, 0, 4), random,
      [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
        EXPECT_EQ(CheckExample9Pass(m, log), results[pass]);
        EXPECT_TRUE(pass > 0 || test::HasBox(log, 40, 0, 1800, 1300, 15, 15));
      },
      2, 4, "12:00:00", kProblems11And12);
}

const char* const kClocks[] = {"07:01:02", "09:30:45", "11:11:11", "14:20:33"};
constexpr int kPasses = 250;  // a clock: 1,000 passes of each drill in all
constexpr int kAll = 4 * kPasses;

// Both drills of example 8: every pick in range, each example checked as above, the chances
// about as the picks make them (-1 twice as often as each other multiplier of drill ①).
TEST(CalcExample8, ThousandPassesOfEachDrill) {
  std::map<std::string, int> seen;
  for (const char* clock : kClocks) {
    RunChecked(
        Script(4, kPasses, 4, kPasses, 8), {},
        [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
          const bool one = pass < kPasses;
          const float k = std::abs(m.coef[1]), a = m.coef[2], b = std::abs(m.coef[3]);
          ASSERT_TRUE(one ? k >= 1 && k <= 6 && m.coef[1] != 1 : k >= 2 && k <= 9) << k;
          ASSERT_TRUE((one ? std::abs(a) : a) >= 1 && std::abs(a) <= 9 && b >= 2 && b <= 9);
          if (one) ++seen["k" + Str(m.coef[1])];
          ++seen[m.letterText[1]];
          seen["b<0"] += m.coef[3] < 0;
          seen["k<0 ②"] += !one && m.coef[1] < 0;
          CheckExample8Pass(one, m, log);
        },
        2 * kPasses, 8, clock, kProblems10And11);
  }
  EXPECT_NEAR(seen["k-1"], kAll / 6, kAll / 20);
  for (int k : {-6, -5, -4, -3, -2, 2, 3, 4, 5, 6})
    EXPECT_NEAR(seen["k" + Str(k)], kAll / 12, kAll / 25);
  for (const char* L : {"x", "y", "a", "b"}) EXPECT_NEAR(seen[L], kAll / 2, kAll / 10) << L;
  EXPECT_NEAR(seen["k<0 ②"], kAll / 2, kAll / 10);
  EXPECT_NEAR(seen["b<0"], kAll, kAll / 10);
}

// Example 9: n/d in lowest terms and never whole, p and q in range, each example checked as
// above (so no text with a sign too many), the chances as the picks make them.
TEST(CalcExample9, ThousandPassesOfItsExamples) {
  std::map<std::string, int> seen;
  for (const char* clock : kClocks) {
    RunChecked(
        Script(5, kPasses, 7, 0, 4), {},
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
        },
        kPasses, 4, clock, kProblems11And12);
  }
  for (int d : {2, 3, 5}) EXPECT_NEAR(seen["d" + Str(d)], kAll / 3, kAll / 15) << d;
  EXPECT_NEAR(seen["|n|=1"], kAll / 3, kAll / 15);
  EXPECT_NEAR(seen["n<0"], kAll / 2, kAll / 15);
}

}  // namespace
}  // namespace orvelle
