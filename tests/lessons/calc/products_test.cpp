// Section 3, items ④ "例８" and ⑤ "例9" of Orvelle Calc: products with a bracket, their arcs
// and cancellation marks.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "../../support/lesson_run.h"
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

// The distributive-law arcs of a log in order: colour, dot count, first and last dot, top.
struct Arc {
  int color;
  int dots = 0;
  Point first, last;
  float top = 1e9;
};
std::vector<Arc> Arcs(const std::vector<DrawCall>& log) {
  std::vector<Arc> arcs;
  for (const auto& c : log) {
    if (c.op != Op::kCircle || c.r != 0.5f) continue;
    if (arcs.empty() || arcs.back().color != c.color || arcs.back().dots == 181) {
      arcs.push_back({c.color, 0, {c.x1, c.y1}});
    }
    Arc& a = arcs.back();
    a.dots += 1;
    a.last = {c.x1, c.y1};
    a.top = std::min(a.top, c.y1);
  }
  return arcs;
}

// An arc of 181 dots from Q down to P (the dots run from the term back to the factor).
void ExpectArc(const Arc& a, int color, float px, float py, float qx, float qy) {
  EXPECT_EQ(a.color, color);
  EXPECT_EQ(a.dots, 181);
  EXPECT_NEAR(a.first.x, qx, 0.01);
  EXPECT_NEAR(a.first.y, qy, 0.01);
  EXPECT_NEAR(a.last.x, px, 0.01);
  EXPECT_NEAR(a.last.y, py, 0.01);
}

// A drill ① or ② example: its scripted picks, the three texts of its problem line and the two
// of its answer line.
struct Ex8Case {
  std::vector<float> random;
  std::string parts[3], answer[2];
};

const Ex8Case kDrill1[] = {
    {{Pick(1, 1, 9), 0, Pick(3, 1, 6), 0, Pick(5, 2, 8), 0, Pick(2, 2, 4)},
     {"3(", "x", "+5)"},
     {"=3x", "+15"}},
    {{Pick(7, 1, 9), 0, Pick(2, 1, 6), .9f, Pick(4, 2, 8), .9f, Pick(4, 2, 4)},
     {"-2(", "7a", "-4)"},
     {"=-14a", "+8"}},
    {{Pick(1, 1, 9), .9f, Pick(1, 1, 6), .9f, Pick(9, 2, 8), 0, Pick(3, 2, 4)},
     {"-(", "-y", "+9)"},
     {"=y", "-9"}},
    // A multiplier of +1 becomes -1 without its sign coin.
    {{Pick(1, 1, 9), .9f, Pick(1, 1, 6), 0, Pick(4, 2, 8), 0, Pick(2, 2, 4)},
     {"-(", "-x", "+4)"},
     {"=x", "-4"}},
};

const Ex8Case kDrill2[] = {
    {{Pick(2, 1, 9), Pick(3, 2, 8), .9f, Pick(5, 2, 8), 0, Pick(2, 2, 4)},
     {"(2x", "+5)*", "(-3)"},
     {"=-6x", "-15"}},
    {{Pick(1, 1, 9), Pick(7, 2, 8), 0, Pick(4, 2, 8), .9f, Pick(4, 2, 4)},
     {"(a", "-4)*", "7"},
     {"=7a", "-28"}},
    {{Pick(3, 1, 9), Pick(4, 2, 8), .9f, Pick(2, 2, 8), .9f, Pick(3, 2, 4)},
     {"(3y", "-2)*", "(-4)"},
     {"=-12y", "+8"}},
    {{Pick(1, 1, 9), Pick(2, 2, 8), .9f, Pick(7, 2, 8), .9f, Pick(5, 2, 4)},
     {"(b", "-7)*", "(-2)"},
     {"=-2b", "+14"}},
};

TEST(CalcExample8, WorkedCasesWithTheirArcsThenProblems10And11) {
  for (size_t i = 0; i < std::size(kDrill1); ++i) {
    const Ex8Case& one = kDrill1[i];
    const Ex8Case& two = kDrill2[i];
    std::vector<float> random = one.random;
    random.insert(random.end(), two.random.begin(), two.random.end());
    const test::ItemRun item(kCalc, 3, 4, 17, "    1\r     1\r        ", random);
    std::vector<test::Seen> seen = {
        {40, 30, 0, "例8 次の計算をしなさい。"}, {73, 130, 3, "① "}, {73, 330, 3, "② "}};
    float x[2][4];  // where each problem text starts, and the end of the line
    for (int d = 0; d < 2; ++d) {
      const Ex8Case& c = d == 0 ? one : two;
      const float y = d == 0 ? 130 : 330;
      x[d][0] = MarkupEnd(73, d == 0 ? "① " : "② ");
      for (int k = 0; k < 3; ++k) {
        seen.push_back({x[d][k], y, 0, c.parts[k]});
        x[d][k + 1] = MarkupEnd(x[d][k], c.parts[k]);
      }
      seen.push_back({100, y + 70, 5, c.answer[0]});
      seen.push_back({MarkupEnd(100, c.answer[0]), y + 70, 5, c.answer[1]});
      EXPECT_TRUE(
          test::SameExpression(c.parts[0] + c.parts[1] + c.parts[2], c.answer[0] + c.answer[1]));
    }
    seen.insert(seen.end(), {{40, 450, 7, "教科書P78 問10　をやろう。"},
                             {100, 500, 0, " 4(a+2)"},
                             {100, 600, 5, "=4a+8"},
                             {520, 190, 7, "教科書P78 問11(1)～(3)　をやろう。"},
                             {694, 640, 5, "=-4c-20"}});
    item.Expect(seen);
    EXPECT_TRUE(test::HasBox(item.log(), 0, 280, 1760, 1580, 15, 15));
    EXPECT_TRUE(test::HasBox(item.log(), 0, 280, 2000, 2080, 15, 15));

    // ①: the multiplier to each term, the longer arc higher; ②: each term to the multiplier,
    // whose anchor passes the "(" of a negative one.
    const float k2 = x[1][2] + 20 + (two.parts[2][0] == '(' ? 27 : 0);
    const auto arcs = Arcs(item.log());
    ASSERT_EQ(arcs.size(), 4u);
    ExpectArc(arcs[0], 9, x[0][0] + 10, 130, x[0][1] + 10, 130);
    ExpectArc(arcs[1], 7, x[0][0] + 10, 130, x[0][2] + 20, 130);
    ExpectArc(arcs[2], 9, x[1][0] + 40, 330, k2, 330);
    ExpectArc(arcs[3], 7, x[1][1] + 40, 330, k2, 330);
    const float tops[] = {130 - 16, 130 - 32, 330 - 32, 330 - 16};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(arcs[k].top, tops[k], 0.01);
  }
}

// Example 9's worked cases: the picks, the problem line, the products, the numbers crossed out
// (first term, then constant) with their quotients, and the result.
struct Ex9Case {
  std::vector<float> random;
  std::string parts[3], products[4], crossed[2], quotients[2], result;
};

const Ex9Case kExample9[] = {
    {{Pick(2, 1, 3), Pick(1, 1, 3), .9f, Pick(2, 1, 5), 0, Pick(4, 1, 5), .9f},
     {"ﾀ2/3ﾀ(", "-6x", "+12)"},
     {"ﾀ2/3ﾀ*", "(-6x)", "+ﾀ2/3ﾀ*", "12"},
     {"6", "12"},
     {"2", "4"},
     "=-4x+8"},
    {{Pick(3, 1, 3), Pick(3, 1, 3), 0, Pick(1, 1, 5), .9f, Pick(5, 1, 5), 0},
     {"-ﾀ1/5ﾀ(", "5x", "-25)"},
     {"-ﾀ1/5ﾀ*", "5x", "-ﾀ1/5ﾀ*", "(-25)"},
     {"5", "25"},
     {"1", "5"},
     "=-x+5"},
};

TEST(CalcExample9, WorkedCasesWithTheirCancellationThenTheClosing) {
  for (const Ex9Case& c : kExample9) {
    const test::ItemRun item(kCalc, 3, 5, 11, "       1\r    ", c.random);
    std::vector<test::Seen> seen = {
        {40, 30, 0, "例9 次の計算をしなさい。"}, {40, 240, 0, "="}, {40, 340, 5, c.result, 7}};
    float x = 80;
    float px[4];
    for (int k = 0; k < 3; ++k) {
      seen.push_back({x, 150, 0, c.parts[k], 0});
      px[k] = x;
      x = MarkupEnd(x, c.parts[k]);
    }
    float t[4];
    x = MarkupEnd(40, "=");
    for (int k = 0; k < 4; ++k) {
      seen.push_back({x, 240, 0, c.products[k]});
      t[k] = x;
      x = MarkupEnd(x, c.products[k]);
    }
    EXPECT_TRUE(test::SameExpression(c.parts[0] + c.parts[1] + c.parts[2], c.result));
    for (int k = 0; k < 2; ++k) {
      // The slash starts at the digits, past a bracketed term's "(-"; the denominator's after
      // the fraction's sign.
      const float digits = t[2 * k + 1] + (c.products[2 * k + 1][0] == '(' ? 54 : 0);
      const float wide = 27 * static_cast<float>(c.crossed[k].size());
      EXPECT_TRUE(test::HasLine(item.log(), digits, 280, digits + wide, 240, 3, 5)) << k;
      seen.push_back({digits, 210, 3, c.quotients[k], 5 + k});
      const char* sign = c.products[2 * k][0] == '-' ? "-" : c.products[2 * k][0] == '+' ? "+" : "";
      const float den = MarkupEnd(t[2 * k], sign);
      EXPECT_TRUE(test::HasLine(item.log(), den, 296, den + 27, 268, 3, 5)) << k;
      seen.push_back({den, 296, 3, "1", 5 + k});
    }
    seen.insert(seen.end(), {{40, 400, 5, "分配法則で（　）をはずし、", 9},
                             {40, 450, 5, "約分する。", 9},
                             {520, 30, 7, "教科書P78 問11(4)　をやろう。", 10},
                             {574, 260, 5, "=2x+4", 11},
                             {520, 340, 7, "教科書P78 問12　をやろう。", 12},
                             {574, 590, 5, "=2x-10", 13}});
    item.Expect(seen);
    EXPECT_TRUE(test::HasBox(item.log(), 40, 0, 1800, 1300, 15, 15));
    EXPECT_TRUE(test::HasBox(item.log(), -40, 90, 1280, 1590, 15, 15));
    const auto arcs = Arcs(item.log());
    ASSERT_EQ(arcs.size(), 2u);
    ExpectArc(arcs[0], 9, 107, 130, px[1] + 27, 150);
    ExpectArc(arcs[1], 7, 107, 130, px[2] + 27, 150);
  }
}

const char* const kClocks[] = {"07:01:02", "09:30:45", "11:11:11", "14:20:33"};
constexpr int kPasses = 250;  // a clock: 1,000 passes of each drill in all

// Drill ① then drill ②, many passes each: every pick in range, the answer line drawn as the
// numbers give it and equal in value to the problem, the chances about as the picks make them.
TEST(CalcExample8, ThousandPassesOfEachDrill) {
  std::map<int, int> multipliers;
  std::map<std::string, int> letters;
  int negative[2] = {};
  for (const char* clock : kClocks) {
    test::DrillScript s;
    s.Keys("3\r4\r").Passes(kPasses, 4).Keys(" ").Passes(kPasses, 4).Keys("        9\r6\r");
    test::DrillRun run(
        kCalc, s,
        [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
          const bool one = pass < kPasses;
          const float k = m.coef[1], a = m.coef[2], b = m.coef[3];
          ASSERT_TRUE(k == std::floor(k) && a == std::floor(a) && b == std::floor(b));
          if (one) {
            ASSERT_TRUE(std::abs(k) <= 6 && k != 0 && k != 1) << k;
            ASSERT_TRUE(std::abs(a) >= 1 && std::abs(a) <= 9) << a;
            ++multipliers[static_cast<int>(k)];
          } else {
            ASSERT_TRUE(std::abs(k) >= 2 && std::abs(k) <= 9) << k;
            ASSERT_TRUE(a >= 1 && a <= 9) << a;
            negative[0] += k < 0;
          }
          ASSERT_TRUE(std::abs(b) >= 2 && std::abs(b) <= 9) << b;
          negative[1] += b < 0;
          const std::string L = m.letterText[1];
          ++letters[L];
          const std::string parts[] = {
              one ? Unit(k) + "(" : "(" + Unit(a) + L, one ? Unit(a) + L : Signed(b) + ")*",
              one ? Signed(b) + ")" : (k < 0 ? "(" + Str(k) + ")" : Str(k))};
          const std::string answer[] = {"=" + Unit(k * a) + L, Signed(k * b)};
          const float y = one ? 130 : 330;
          const test::Screen screen(log);
          float x = MarkupEnd(73, one ? "① " : "② ");
          for (const std::string& part : parts) {
            EXPECT_TRUE(screen.Drew(x, y, 0, part)) << part;
            x = MarkupEnd(x, part);
          }
          EXPECT_TRUE(screen.Drew(100, y + 70, 5, answer[0])) << answer[0];
          EXPECT_TRUE(screen.Drew(MarkupEnd(100, answer[0]), y + 70, 5, answer[1])) << answer[1];
          EXPECT_TRUE(test::SameExpression(parts[0] + parts[1] + parts[2], answer[0] + answer[1]));
        },
        clock);
    run.ExpectPasses(2 * kPasses);
  }
  const int n = static_cast<int>(std::size(kClocks)) * kPasses;
  EXPECT_NEAR(multipliers[-1], n / 6, n / 20);  // the pick of +1 as well as -1 itself
  for (int k : {-6, -5, -4, -3, -2, 2, 3, 4, 5, 6}) EXPECT_NEAR(multipliers[k], n / 12, n / 25);
  for (const char* L : {"x", "y", "a", "b"}) EXPECT_NEAR(letters[L], 2 * n / 4, n / 10) << L;
  EXPECT_NEAR(negative[0], n / 2, n / 10);
  EXPECT_NEAR(negative[1], n, n / 10);
}

// Example 9, many passes: the fraction in lowest terms and never whole, the bracket's
// coefficients multiples of d, every text drawn with one sign at most, each slash on its digits,
// and the result equal in value to the problem.
TEST(CalcExample9, ThousandPassesOfItsExamples) {
  std::map<int, int> denominators;
  int unitNumerators = 0, negative = 0;
  for (const char* clock : kClocks) {
    test::DrillScript s;
    s.Keys("3\r5\r").Passes(kPasses, 7).Keys("    9\r6\r");
    test::DrillRun run(
        kCalc, s,
        [&](int, const Machine& m, const std::vector<DrawCall>& log) {
          const int d = static_cast<int>(m.auxNum[1]), n = static_cast<int>(m.coef[1]);
          const int p = static_cast<int>(m.coef[12]), q = static_cast<int>(m.coef[13]);
          ASSERT_TRUE(d == 2 || d == 3 || d == 5) << d;
          ASSERT_TRUE(n == 1 || n == -1 || (std::abs(n) != d && (30 % std::abs(n)) == 0)) << n;
          ASSERT_TRUE(p != 0 && std::abs(p) <= 5 && q != 0 && std::abs(q) <= 5) << p << q;
          ++denominators[d];
          unitNumerators += std::abs(n) == 1;
          negative += n < 0;
          const std::string frac = (n < 0 ? "-ﾀ" : "ﾀ") + Str(std::abs(n)) + "/" + Str(d) + "ﾀ";
          const std::string parts[] = {frac + "(", Str(p * d) + "x", Signed(q * d) + ")"};
          const std::string products[] = {
              frac + "*", p < 0 ? "(" + Str(p * d) + "x)" : Str(p * d) + "x",
              (n > 0 ? "+" : "") + frac + "*", q < 0 ? "(" + Str(q * d) + ")" : Str(q * d)};
          const std::string result = "=" + Unit(n * p) + "x" + Signed(n * q);
          const test::Screen screen(log);
          float x = 80;
          for (const std::string& part : parts) {
            EXPECT_TRUE(screen.Drew(x, 150, 0, part)) << part;
            x = MarkupEnd(x, part);
          }
          x = MarkupEnd(40, "=");
          for (int k = 0; k < 4; ++k) {
            EXPECT_TRUE(screen.Drew(x, 240, 0, products[k])) << products[k];
            if (k % 2 == 1) {
              const int crossed = std::abs((k == 1 ? p : q) * d);
              const float digits = x + (products[k][0] == '(' ? 54 : 0);
              const float wide = crossed >= 10 ? 54 : 27;
              EXPECT_TRUE(test::HasLine(log, digits, 280, digits + wide, 240, 3, 5)) << crossed;
              EXPECT_TRUE(screen.Drew(digits, 210, 3, Str(std::abs(k == 1 ? p : q))));
            }
            x = MarkupEnd(x, products[k]);
          }
          EXPECT_TRUE(screen.Drew(40, 340, 5, result)) << result;
          EXPECT_TRUE(test::SameExpression(parts[0] + parts[1] + parts[2], result));
          for (const std::string& t : {m.fracText[1], m.coefText[22], m.coefText[23]}) {
            EXPECT_EQ(t.find("++"), std::string::npos) << t;
          }
        },
        clock);
    run.ExpectPasses(kPasses);
    // However many examples stood before it, the closing starts at the same place.
    EXPECT_TRUE(test::DrewMarkup(run.rest, 40, 400, 5, "分配法則で（　）をはずし、"));
  }
  const int n = static_cast<int>(std::size(kClocks)) * kPasses;
  for (int d : {2, 3, 5}) EXPECT_NEAR(denominators[d], n / 3, n / 15) << d;
  EXPECT_NEAR(unitNumerators, n / 3, n / 15);
  EXPECT_NEAR(negative, n / 2, n / 15);
}

}  // namespace
}  // namespace orvelle
