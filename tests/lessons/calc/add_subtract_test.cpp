// Section 2 "1次式の加減" of Orvelle Calc: the sub-menu, the four random drills over many passes
// (every line written as a pupil writes it and equal to the problem), the examples the textbook
// prints, and the worked answers of P76 checked by value.
#include "lessons/calc/add_subtract.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"
#include "lessons/calc/main_menu.h"
#include "platform/text.h"

namespace orvelle {
namespace {

using test::DrillScript;
using test::kCalc;
using test::MarkupEnd;
using test::Pick;
using test::Str;

// A coefficient before a letter, a number with its sign, a letter term after the first; the
// same filled out to its cells with leading blanks.
std::string Coef(float k) { return k == 1 ? "" : k == -1 ? "-" : Str(k); }
std::string Signed(float k) { return (k > 0 ? "+" : "") + Str(k); }
std::string Term(float k, const std::string& L) { return (k > 0 ? "+" : "") + Coef(k) + L; }
std::string Cells(const std::string& s, int n) {
  return std::string(static_cast<size_t>(std::max(0, n - CharLen(s))), ' ') + s;
}

// A line on the screen: texts one after the other from (x, y), each {colour, text}.
struct Line {
  float x, y;
  std::vector<std::pair<int, std::string>> texts;
  std::string Text() const {
    std::string s;
    for (const auto& t : texts) s += t.second;
    std::erase(s, ' ');
    return s;
  }
};
using Working = std::vector<Line>;

struct Pair {  // (aL + b) and (cL + d)
  float a, b, c, d;
  std::string L;
};

Working Addition(const Pair& p) {
  const auto [a, b, c, d, L] = p;
  return {{127, 90, {{0, "(" + Coef(a) + L + Signed(b) + ")+(" + Coef(c) + L + Signed(d) + ")"}}},
          {100, 145, {{0, "=" + Coef(a) + L + Signed(b) + Term(c, L) + Signed(d)}}},
          {100, 200, {{0, "=" + Coef(a) + L + Term(c, L) + Signed(b) + Signed(d)}}},
          {100, 255, {{5, "=" + Coef(a + c) + L + Signed(b + d)}}}};
}

Working Subtraction(const Pair& p) {
  const auto [a, b, c, d, L] = p;
  const std::string first = "(" + Coef(a) + L + Signed(b) + ")";
  return {
      {127, 90, {{0, first}, {3, "-"}, {0, "(" + Coef(-c) + L + Signed(-d) + ")"}}},
      {100, 140, {{0, "=" + first}, {3, "+"}, {0, "("}, {3, Coef(c) + L + Signed(d)}, {0, ")"}}},
      {100, 195, {{0, "=" + Coef(a) + L + Signed(b) + Term(c, L) + Signed(d)}}},
      {100, 250, {{0, "=" + Coef(a) + L + Term(c, L) + Signed(b) + Signed(d)}}},
      {100, 305, {{5, "=" + Coef(a + c) + L + Signed(b + d)}}}};
}

// The problem; the answer row of 3 + 3 cells under the rule; the two rows of 6 cells; for the
// subtraction the changed signs between the rows.
Working Column(const Pair& p, bool minus) {
  const auto [a, b, c, d, L] = p;
  const float c2 = minus ? -c : c, d2 = minus ? -d : d;
  const std::string op = minus ? "-" : "+";
  const std::string first = "(" + Coef(a) + L + Signed(b) + ")";
  const std::string second = "(" + Coef(c2) + L + Signed(d2) + ")";
  Working w = {{127, 90, {{0, first}, {3, op}, {0, second}}},
               {154, 270, {{3, Cells(Coef(a + c), 2) + L}, {3, Cells(Signed(b + d), 3)}}},
               {154, 170, {{0, Cells(Coef(a), 2) + L + Cells(Signed(b), 3)}}},
               {154, 220, {{0, Cells(Coef(c2), 2) + L + Cells(Signed(d2), 3)}}},
               {100, 226, {{0, op}, {0, ")"}}}};
  if (minus) w.push_back({100, 195, {{3, "+ " + std::string(c2 > 0 ? "-" : "+") + "  +"}}});
  return w;
}

void ExpectDrawn(const std::vector<DrawCall>& log, const Working& working) {
  const test::Screen screen(log);
  for (const Line& line : working) {
    float x = line.x;
    for (const auto& [color, text] : line.texts) {
      EXPECT_TRUE(screen.Drew(x, line.y, color, text)) << text << " at " << x << "," << line.y;
      x = MarkupEnd(x, text);
    }
  }
}

struct Drill {
  int item, keyWaits;  // a pass's key waits
  Working (*working)(const Pair&);
  bool column;
};
const Drill kDrills[] = {{1, 3, Addition, false},
                         {3, 5, Subtraction, false},
                         {5, 2, [](const Pair& p) { return Column(p, false); }, true},
                         {6, 3, [](const Pair& p) { return Column(p, true); }, true}};

// 10,000 pairs of each item: the ranges, the tie rule, the letters and signs about as often as
// each other; every line as the pupil writes it, equal to the problem; column rows cell by cell.
TEST(AddSubtractDrills, TenThousandPassesOfEachDrill) {
  constexpr int kPasses = 10000;
  for (const Drill& drill : kDrills) {
    SCOPED_TRACE("item " + std::to_string(drill.item));
    int letters[4] = {}, negative = 0;
    test::DrillRun run(
        kCalc, DrillScript().Keys("2\r" + Str(drill.item) + "\r").Passes(kPasses, drill.keyWaits),
        [&](int, const Machine& m, const std::vector<DrawCall>& log) {
          const float a = m.coef[1], b = m.coef[2], c = m.coef[3], d = m.coef[4];
          for (float v : {a, b, c, d}) ASSERT_EQ(v, std::trunc(v));
          ASSERT_TRUE(a >= 1 && a <= 10 && b >= 2 && b <= 10 && d >= 2 && d <= 10);
          ASSERT_TRUE(std::abs(c) >= 1 && std::abs(c) <= 9);
          EXPECT_NE(a, std::abs(c));                // so a + c is never 0
          EXPECT_TRUE(a < 10 || std::abs(c) == 9);  // 10: both picks 9, the first raised
          const std::string L = m.letterText[1];
          const int letter = L == "x" ? 0 : L == "y" ? 1 : L == "a" ? 2 : L == "b" ? 3 : -1;
          ASSERT_GE(letter, 0) << L;
          ++letters[letter];
          negative += c < 0;
          EXPECT_EQ(test::KeyWaits(log), drill.keyWaits);
          const Working w = drill.working({a, b, c, d, L});
          ExpectDrawn(log, w);
          for (size_t i = 1; i < (drill.column ? 2 : w.size()); ++i) {
            EXPECT_TRUE(test::SameExpression(w[0].Text(), w[i].Text()));
          }
          if (drill.column) {
            EXPECT_EQ(CharLen(w[1].texts[0].second), 3);
            EXPECT_EQ(CharLen(w[1].texts[1].second), 3);
            for (int i : {2, 3}) EXPECT_EQ(CharLen(w[i].texts[0].second), 6);
            EXPECT_TRUE(test::HasLine(log, 127, 270, 127 + 6 * 27 + 30, 270, 0, 3));
          }
        });
    run.ExpectPasses(kPasses);
    for (int n : letters) EXPECT_NEAR(n, kPasses / 4, kPasses / 50);
    EXPECT_NEAR(negative, kPasses / 2, kPasses / 50);
  }
}

// The examples the textbook prints, from the generator's scripted values: a, b, |c|, d, the sign
// coin, the letter (2 to 5: x, y, a, b), the lines; a = |c| is raised by the tie rule.
TEST(AddSubtractDrills, WorkedItemsPrintTheTextbooksExamples) {
  struct Printed {
    int a, b, c, d, coin, letter;
    std::string lines;
  };
  // clang-format off
  const struct {
    const Drill& drill;
    std::vector<Printed> rows;
  } items[] = {
      {kDrills[0], {{3, 5, 2, 7, 1, 2, "(3x+5)+(-2x+7)|=3x+5-2x+7|=3x-2x+5+7|=x+12|"},
                    {3, 5, 1, 7, 0, 2, "(3x+5)+(x+7)|=3x+5+x+7|=3x+x+5+7|=4x+12|"}}},
      {kDrills[1], {{3, 5, 4, 7, 0, 2, "(3x+5)-(-4x-7)|=(3x+5)+(4x+7)|=3x+5+4x+7|=3x+4x+5+7|=7x+12|"},
                    {2, 6, 5, 3, 1, 4, "(2a+6)-(5a-3)|=(2a+6)+(-5a+3)|=2a+6-5a+3|=2a-5a+6+3|=-3a+9|"},
                    {1, 4, 2, 9, 1, 3, "(y+4)-(2y-9)|=(y+4)+(-2y+9)|=y+4-2y+9|=y-2y+4+9|=-y+13|"},
                    {5, 10, 1, 2, 0, 5, "(5b+10)-(-b-2)|=(5b+10)+(b+2)|=5b+10+b+2|=5b+b+10+2|=6b+12|"},
                    {9, 2, 9, 10, 1, 2, "(10x+2)-(9x-10)|=(10x+2)+(-9x+10)|=10x+2-9x+10|=10x-9x+2+10|=x+12|"}}},
  };
  // clang-format on
  for (const auto& [drill, rows] : items) {
    std::vector<float> random;
    for (const Printed& r : rows) {
      random.insert(random.end(), {Pick(r.a, 1, 9), Pick(r.b, 2, 9), Pick(r.c, 1, 9),
                                   Pick(r.d, 2, 9), Pick(r.coin, 0, 2), Pick(r.letter, 2, 4)});
    }
    const int passes = static_cast<int>(rows.size());
    const test::DrillRun run = test::ScriptedDrill(
        kCalc, DrillScript().Keys("2\r" + Str(drill.item) + "\r").Passes(passes, drill.keyWaits),
        random);
    ASSERT_EQ(run.passes.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
      const Printed& r = rows[i];
      const Working w =
          drill.working({r.a == r.c ? r.a + 1.0f : r.a, 1.0f * r.b, r.coin ? -1.0f * r.c : r.c,
                         1.0f * r.d, std::string(1, "xyab"[r.letter - 2])});
      ExpectDrawn(run.passes[i], w);
      std::string lines;
      for (const Line& line : w) lines += line.Text() + "|";
      EXPECT_EQ(lines, r.lines);
    }
  }
}

// One example of each drill with its key waits, then the texts under it.
TEST(AddSubtractSection, DrillsCloseWithTheRule) {
  test::ItemRun(kCalc, 2, 1, 4, "   1\r ").Expect({{100, 465, 7, "教科書P76 問4　をやろう。", 6}});
  test::ItemRun(kCalc, 2, 3, 6, "     1\r ")
      .Expect({{MarkupEnd(40, "符号を変えて加える。"), 385, 3, "(- → +)", 7},
               {100, 515, 7, "教科書P76 問6,問7　をやろう。", 8}});
  test::ItemRun(kCalc, 2, 5, 2, "  1\r").Expect({{40, 400, 3, "①それぞれの項を縦にたす。", 4}});
  test::ItemRun(kCalc, 2, 6, 3, "   1\r").Expect({{40, 450, 3, "②それぞれの項を縦にたす。", 5}});
}

TEST(AddSubtractSection, AimsOnceAndBadChoicesAskAgain) {
  // 8, 0, -1, 7.5 and 0.5 are out; 2.5 is item 2; after it 14/2 is item 7, the main menu.
  const test::DrillRun run(kCalc, DrillScript().Keys("2\r8\r0\r-1\r7.5\r0.5\r2.5\r" +
                                                     std::string(24, ' ') + "14/2\r6\r"));
  run.ExpectPasses(0);
  const test::Screen screen(run.rest);
  EXPECT_EQ(screen.Count(44, 240, 3, "<めあて>"), 1);
  EXPECT_EQ(screen.Count(76, 305, 0, "1次式の加法や減法ができるようになろう。"), 1);
  EXPECT_EQ(screen.Count(94, 30, 3, "教科書P76 問4　解答"), 1);
  EXPECT_EQ(test::SubMenuLines(run.rest, "①例４　②問4　③例５　④問6　⑤縦計算+　⑥縦計算-　⑦終了"), 7);
  EXPECT_EQ(screen.Count(44, 180, 15, "2　1次式の加減"), 2);  // the main menu, then again
}

// Every line and result of a worked answer has the value of its problem; a problem that runs on
// into the right column too.
void ExpectWorkedByValue(std::span<const calc::TextbookWorking> problems) {
  for (const calc::TextbookWorking& w : problems) {
    const std::string problem = w.problem + 1;  // after its blank
    for (const char* line : {w.lines[0], w.lines[1], w.lines[2], w.result}) {
      EXPECT_TRUE(!*line || test::SameExpression(problem, line)) << problem << " " << line;
    }
  }
}

TEST(AddSubtractSection, Exercise4And5Answers) {
  ExpectWorkedByValue(calc::Exercise4And5Working());
  test::ItemRun(kCalc, 2, 2, 24)
      .Expect({{94, 30, 3, "教科書P76 問4　解答", 0},
               {94, 80, 0, " (4a+5)+(3a-1)", 1},
               {MarkupEnd(94, "=4a+3a+5-1"), 180, 5, "=7a+4", 4},
               {40, 230, 3, "(2)", 4},
               {94, 580, 0, "=3x+1-4x", 11},
               {694, 30, 0, "=3x-4x+1", 12},
               {640, 400, 7, "教科書P76 問5　をやろう。", 20},
               {694, 450, 0, " (-x-8)+(4x+2)", 21},
               {MarkupEnd(694, "=-x+4x-8+2"), 550, 5, "=3x-6", 24}});
}

TEST(AddSubtractSection, Exercise6And7Answers) {
  ExpectWorkedByValue(calc::Exercise6And7Working());
  const test::ItemRun item(kCalc, 2, 4, 23);
  item.Expect({{94, 10, 3, "教科書P76 問6　解答", 0},
               {MarkupEnd(94, "=9a-2a+7-3"), 210, 5, "=7a+4", 3},
               {40, 260, 3, "(2)", 3},
               {94, 560, 0, "=a+3-2a+1", 8},
               {MarkupEnd(694, "=a-2a+3+1"), 10, 5, "=-a+4", 9},
               {94, 15, 3, "教科書P76 問7　解答", 19},
               {MarkupEnd(94, "=7x+3x-3+3"), 215, 5, "=10x", 23}});
  EXPECT_TRUE(test::HasBox(item.screens[19], 0, 0, 600, 1300, 15, 15));
}

}  // namespace
}  // namespace orvelle
