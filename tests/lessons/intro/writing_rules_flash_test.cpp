// The flash drills of section 2: where every drill's heading, problem and boxes stand, the pick
// and its repeat rule, every problem of every table, and the mathematics of the answers.
#include "lessons/intro/writing_rules_flash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"
#include "lessons/common/random_pick.h"
#include "lessons/intro/writing_rules.h"
#include "platform/text.h"

namespace orvelle {
namespace {

using intro::FlashColumns;
using test::Bench;
using test::kIntro;
using test::MarkupEnd;

// A random value that makes the one random pick of 1..n give `pick`.
float PickOf(int pick, int n) { return test::Pick(pick, 1, n); }

std::string Spaces(int n) { return std::string(n, ' '); }

// Where a drill's texts and boxes stand, as the parameter table of the drills gives them.
struct Layout {
  const char* name;
  const char* heading;
  float hx, hy;
  struct {
    float x1, y1, x2, y2;
  } erase;
  float qx, qy;
  float boxW, boxH;  // boxW 0: 30 per character of the answer, plus 30
  FlashColumns columns;
};

// clang-format off
constexpr Layout kProducts = {"item 1", "Q1　積の表し方のきまりをみつけよう。", 40, 30,
                              {0, 90, 600, 230}, 80, 110, 120, 50, FlashColumns::kGenerated};
constexpr Layout kRule2Q1 = {"item 3 Q1", "Q1　きまりをみつけよう。", 40, 30,
                             {0, 90, 600, 230}, 80, 110, 120, 50, FlashColumns::kQuestionFirst};
constexpr Layout kRule2Q2 = {"item 3 Q2", "Q2　きまりをみつけよう。", 40, 270,
                             {0, 330, 640, 470}, 80, 350, 210, 50, FlashColumns::kQuestionFirst};
constexpr Layout kRule2Q3 = {"item 3 Q3", "Q3　きまりをみつけよう。", 680, 30,
                             {680, 90, 1600, 290}, 720, 120, 210, 90, FlashColumns::kQuestionFirst};
constexpr Layout kRule3Q1 = {"item 5 Q1", "Q1　きまりをみつけよう。", 94, 30,
                             {0, 90, 600, 230}, 134, 110, 120, 50, FlashColumns::kQuestionFirst};
constexpr Layout kRule3Q2 = {"item 5 Q2", "Q2　きまりをみつけよう。", 694, 30,
                             {694, 90, 1600, 230}, 734, 110, 150, 50, FlashColumns::kQuestionFirst};
constexpr Layout kRule4Q1 = {"item 6 Q1", "Q1　きまりをみつけよう。", 40, 30,
                             {0, 90, 720, 290}, 80, 120, 210, 90, FlashColumns::kQuestionFirst};
constexpr Layout kRule4Q2 = {"item 6 Q2", "Q2　きまりをみつけよう。", 40, 360,
                             {0, 410, 720, 610}, 40, 440, 150, 90, FlashColumns::kWithFraction};
constexpr Layout kSymbols = {"item 8", "Q 次の式を,*や/の記号を使って表しなさい。", 40, 30,
                             {0, 90, 1200, 290}, 80, 120, 0, 90, FlashColumns::kAnswerFirst};
// clang-format on

// One problem as a drill showed it.
struct Shown {
  int n;
  std::string question;
  std::string middle;  // the quotient as a fraction (item 6 Q2)
  std::string answer;
};

Shown ProblemAt(const Machine& m, FlashColumns columns) {
  const int n = static_cast<int>(m.exerciseNo);
  const auto& t = m.coefText;
  switch (columns) {
    case FlashColumns::kGenerated:
      return {n, m.signText[1], "", m.signText[2]};
    case FlashColumns::kQuestionFirst:
      return {n, t[n], "", t[10 + n]};
    case FlashColumns::kWithFraction:
      return {n, t[n], t[20 + n], t[10 + n]};
    case FlashColumns::kAnswerFirst:
      return {n, t[20 + n], "", t[n]};
  }
  return {};
}

// Checks a pass (its drawing up to the next-step prompt) against its drill's layout: before its
// key the heading, the erase box, the question and the empty box; after it the same box with the
// answer centred in it. The box lies inside the erase box, so the next pass removes it. Gives
// the problem shown.
Shown CheckPass(const std::vector<DrawCall>& pass, const Machine& m, const Layout& at) {
  SCOPED_TRACE(at.name);
  const auto screens = test::SplitAtKeys(pass);  // the pass's key wait is its last key
  if (screens.size() < 2) {
    ADD_FAILURE() << "no key wait";
    return {};
  }
  const auto& before = screens[screens.size() - 2];
  const auto& after = screens.back();
  const Shown p = ProblemAt(m, at.columns);
  const std::string question = p.question + (p.middle.empty() ? "" : "=" + p.middle) + "=";

  EXPECT_TRUE(test::DrewMarkup(before, at.hx, at.hy, 3, at.heading));
  EXPECT_TRUE(test::HasBox(before, at.erase.x1, at.erase.y1, at.erase.x2, at.erase.y2, 15, 15));
  EXPECT_TRUE(test::DrewMarkup(before, at.qx, at.qy, 0, question)) << question;
  const float left = MarkupEnd(at.qx, question) + 10;
  const float width = at.boxW > 0 ? at.boxW : 30.0f * CharLen(p.answer) + 30;
  const float top = at.qy - std::floor((at.boxH - 44) / 2);
  EXPECT_TRUE(test::HasBox(before, left, top, left + width, top + at.boxH, 3, 13));
  EXPECT_TRUE(test::HasBox(after, left, top, left + width, top + at.boxH, 3, 13));
  const float answerX = left + std::max(0.0f, (width - MarkupEnd(0, p.answer)) / 2);
  EXPECT_TRUE(test::DrewMarkup(after, answerX, at.qy, 5, p.answer)) << p.answer;
  // Until the key the box stays empty.
  const auto erase = std::find_if(before.rbegin(), before.rend(), [&](const DrawCall& c) {
    return c.op == Op::kBox && c.x1 == at.erase.x1 && c.y1 == at.erase.y1 && c.fill == 15;
  });
  EXPECT_FALSE(test::DrewMarkup({erase.base(), before.end()}, answerX, at.qy, 5, p.answer));
  EXPECT_TRUE(left >= at.erase.x1 && left + width <= at.erase.x2) << question;
  EXPECT_TRUE(top >= at.erase.y1 && top + at.boxH <= at.erase.y2);
  return p;
}

// The letters of a text in order.
std::string Letters(const std::string& s) {
  std::string out;
  for (char c : s) out += std::islower(static_cast<unsigned char>(c)) ? std::string(1, c) : "";
  return out;
}

// A text with every number written 9 (a factor 1 stays 1, "0.1" is a number) and every run of
// letters written a: "-3xy" is "-9a", "ﾀ2x/7ﾀ" is "ﾀ9a/9ﾀ", "-0.1a" is "-9a".
std::string Shape(const std::string& s) {
  std::string out, number;
  const auto isNumber = [](const std::string& ch) {
    return ch == "." || (ch.size() == 1 && std::isdigit(static_cast<unsigned char>(ch[0])));
  };
  for (const std::string& ch : SplitChars(s)) {
    if (isNumber(ch)) {
      number += ch;
      continue;
    }
    if (!number.empty()) out += number == "1" ? "1" : "9";
    number.clear();
    const bool letter = ch.size() == 1 && std::islower(static_cast<unsigned char>(ch[0]));
    if (!letter) {
      out += ch;
    } else if (out.empty() || out.back() != 'a') {
      out += "a";
    }
  }
  if (!number.empty()) out += number == "1" ? "1" : "9";
  return out;
}

bool HasOperatorOutsideFractions(const std::string& s) {
  bool inFraction = false;
  for (const std::string& ch : SplitChars(s)) {
    if (ch == "ﾀ") inFraction = !inFraction;
    if (ch == "*" || (ch == "/" && !inFraction)) return true;
  }
  return false;
}

// --- the pick ---

// Picks 7, 7, 7 show 7, 3, 3 (a repeat keeps the repeated pick); the extreme random values give
// 1 and 10. The rule over many seeds: ManySeedsPickByTheRule.
TEST(PickRuleProblem, ARepeatShowsProblemThreeAndKeepsTheRepeatedPick) {
  Bench b;
  b.m.random.Script({PickOf(7, 10), PickOf(7, 10), PickOf(7, 10), 0.0f, 16777215.0f / 16777216.0f});
  std::vector<float> shown;
  for (int i = 0; i < 5; ++i) {
    intro::PickRuleProblem(b.m);
    shown.push_back(b.m.exerciseNo);
  }
  EXPECT_EQ(shown, (std::vector<float>{7, 3, 3, 1, 10}));
}

TEST(PickSymbolProblem, OneToTwentyRepeatsAllowedRulePickUntouched) {
  Bench b;
  b.m.lastRulePick = 6;
  b.m.random.Script({0.0f, 16777215.0f / 16777216.0f, PickOf(9, 20), PickOf(9, 20)});
  std::vector<float> shown;
  for (int i = 0; i < 4; ++i) {
    intro::PickSymbolProblem(b.m);
    shown.push_back(b.m.exerciseNo);
  }
  EXPECT_EQ(shown, (std::vector<float>{1, 20, 9, 9}));
  EXPECT_EQ(b.m.lastRulePick, 6);
}

// --- every problem of every table ---

// Section 2's item `item` from Orvelle's start: `drills` drills with `passes` problems each (1
// answered at the last prompt), `after[d]` keys after drill d; every pass checked against its
// drill's layout. `onRun` scripts or seeds the random generator. Gives the problems shown.
std::vector<Shown> RunDrills(int item, std::vector<const Layout*> drills, int passes,
                             std::vector<std::string> after,
                             const std::function<void(Machine&)>& onRun,
                             std::vector<float>* lastPicks = nullptr) {
  test::DrillScript s;
  s.Keys(test::EnterItem(test::kIntro, 2, item));
  for (const std::string& keys : after) s.Passes(passes, 1).Keys(keys);
  s.Keys(test::LeaveProgram(test::kIntro, 2));
  std::vector<Shown> shown;
  const test::DrillRun run(
      kIntro, s,
      [&](int k, const Machine& m, const std::vector<DrawCall>& log) {
        shown.push_back(CheckPass(log, m, *drills[static_cast<size_t>(k / passes)]));
        if (lastPicks) lastPicks->push_back(m.lastRulePick);
      },
      "12:00:00", onRun);
  run.ExpectPasses(passes * static_cast<int>(drills.size()));
  return shown;
}

// Each drill of an item showing its problems 1, 2, ..., n in order.
std::vector<std::vector<Shown>> ShowEveryProblem(int item, std::vector<const Layout*> drills,
                                                 int problems, std::vector<std::string> after) {
  std::vector<float> picks;
  for (size_t d = 0; d < drills.size(); ++d) {
    for (int n = 1; n <= problems; ++n) picks.push_back(PickOf(n, problems));
  }
  const auto shown =
      RunDrills(item, drills, problems, after, [&](Machine& m) { m.random.Script(picks); });
  std::vector<std::vector<Shown>> byDrill(drills.size());
  for (size_t k = 0; k < shown.size(); ++k) {
    byDrill[k / static_cast<size_t>(problems)].push_back(shown[k]);
    EXPECT_EQ(shown[k].n, static_cast<int>(k) % problems + 1);
  }
  return byDrill;
}

// Every problem of every table is shown where its drill's layout says, its answer (and a
// quotient's fraction) has the value of its question whatever the letters are, the rows of a
// table are all different, and each answer follows the rule its drill teaches.
TEST(FlashDrill, EveryTabledProblemShowsWithAnAnswerByTheRule) {
  const auto rule2 = ShowEveryProblem(3, {&kRule2Q1, &kRule2Q2, &kRule2Q3}, 10, {"", "", " "});
  const auto rule3 = ShowEveryProblem(5, {&kRule3Q1, &kRule3Q2}, 10, {Spaces(8), Spaces(6)});
  const auto rule4 = ShowEveryProblem(6, {&kRule4Q1, &kRule4Q2}, 10, {"", Spaces(7)});
  const auto symbols = ShowEveryProblem(8, {&kSymbols}, 20, {Spaces(8)});
  for (const auto* table : {&rule2, &rule3, &rule4, &symbols}) {
    for (const auto& drill : *table) {
      std::set<std::string> questions;
      for (const Shown& p : drill) {
        EXPECT_TRUE(test::SameExpression(p.question, p.answer)) << p.question << " = " << p.answer;
        if (!p.middle.empty()) {
          EXPECT_TRUE(test::SameExpression(p.question, p.middle)) << p.middle;
        }
        // Letter notation forwards, "*" and "/" backwards.
        EXPECT_EQ(HasOperatorOutsideFractions(p.answer), table == &symbols) << p.answer;
        questions.insert(p.question);
      }
      EXPECT_EQ(questions.size(), drill.size());
    }
  }
  // Letter order: the number first, then the letters in alphabetical order.
  for (const Shown& p : rule2[0]) {
    const std::string letters = Letters(p.answer), shape = Shape(p.answer);
    EXPECT_TRUE(std::is_sorted(letters.begin(), letters.end())) << p.answer;
    EXPECT_TRUE(shape == "9a" || shape == "-9a" || shape == "a") << p.answer;
  }
  // The factor 1 is not written, 0.1 is.
  for (const Shown& p : rule3[0]) EXPECT_EQ(Shape(p.answer).find("1a"), std::string::npos);
  // Powers: no letter twice.
  for (const Shown& p : rule3[1]) {
    const std::string letters = Letters(p.answer);
    EXPECT_EQ(std::set<char>(letters.begin(), letters.end()).size(), letters.size()) << p.answer;
  }
  // Signs of a quotient: at most one "-", in front; none inside the fraction.
  for (const Shown& p : rule4[1]) {
    const std::string shape = Shape(p.answer);
    EXPECT_TRUE(shape == "a" || shape == "-a" || shape == "9a" || shape == "ﾀa/9ﾀ" ||
                shape == "-ﾀa/9ﾀ" || shape == "ﾀ9a/9ﾀ" || shape == "-ﾀ9a/9ﾀ")
        << p.answer;
  }
  // Back to symbols: no fractions, no exponents, no factors written side by side.
  for (const Shown& p : symbols[0]) {
    EXPECT_EQ(CharFind(p.answer, "ﾀ"), 0) << p.answer;
    EXPECT_EQ(CharFind(p.answer, "^"), 0) << p.answer;
    const auto c = SplitChars(p.answer);
    for (size_t i = 1; i < c.size(); ++i) {
      const std::string before = Shape(c[i - 1]), after = Shape(c[i]);
      const bool endsFactor = before == "9" || before == "1" || before == "a" || before == ")";
      EXPECT_FALSE(endsFactor && (after == "a" || after == "(")) << p.answer;
    }
  }
}

// --- the repeat rule across drills and items ---

TEST(FlashDrill, ARepeatedPickShowsProblemThreeAcrossDrills) {
  // Item ③: Q1 draws 7, 7, 7; Q2 draws 7 (Q1's last); Q3 draws 3 twice. Any number but 1 gives
  // a new problem: 2, 0, an empty entry.
  test::DrillScript s;
  s.Keys(test::EnterItem(test::kIntro, 2, 3))
      .Pass(1, "2")
      .Pass(1, "0")
      .Pass(1, "1")
      .Pass(1, "1")
      .Pass(1, "")
      .Pass(1, "1");
  // Item ⑤ goes on from there: its first draw of 3 repeats. Item ⑧ neither reads nor moves it.
  s.Keys(" " + test::ChooseItem(test::kIntro, 2, 5))
      .Pass(1, "1")
      .Keys(Spaces(8))
      .Pass(1, "1")
      .Keys(Spaces(6));
  s.Keys(test::ChooseItem(test::kIntro, 2, 8)).Pass(1, "2").Pass(1, "1");
  s.Keys(Spaces(8) + test::LeaveProgram(test::kIntro, 2));
  const Layout* layouts[] = {&kRule2Q1, &kRule2Q1, &kRule2Q1, &kRule2Q2, &kRule2Q3,
                             &kRule2Q3, &kRule3Q1, &kRule3Q2, &kSymbols, &kSymbols};
  std::vector<float> shown, last;
  std::vector<std::string> questions;
  const test::DrillRun run(
      kIntro, s,
      [&](int k, const Machine& m, const std::vector<DrawCall>& log) {
        questions.push_back(CheckPass(log, m, *layouts[k]).question);
        shown.push_back(m.exerciseNo);
        last.push_back(m.lastRulePick);
      },
      "12:00:00",
      [](Machine& m) {
        m.random.Script({PickOf(7, 10), PickOf(7, 10), PickOf(7, 10), PickOf(7, 10), PickOf(3, 10),
                         PickOf(3, 10), PickOf(3, 10), PickOf(5, 10), PickOf(5, 20),
                         PickOf(5, 20)});
      });
  run.ExpectPasses(10);
  EXPECT_EQ(shown, (std::vector<float>{7, 3, 3, 3, 3, 3, 3, 5, 5, 5}));
  EXPECT_EQ(last, (std::vector<float>{7, 7, 7, 7, 3, 3, 3, 5, 5, 5}));
  EXPECT_EQ(questions[1], "y*x");
  EXPECT_EQ(questions[3], "(n-5)*2");
  EXPECT_EQ(questions[5], "a*ﾀ1/5ﾀ");
  EXPECT_EQ(questions[6], "x*1");
}

TEST(FlashDrill, ManySeedsPickByTheRule) {
  for (int seed = 0; seed < 100; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const float start = static_cast<float>(seed % 11);
    std::vector<float> last;
    const auto shown = RunDrills(
        6, {&kRule4Q1, &kRule4Q2}, 4, {"", Spaces(7)},
        [&](Machine& m) {
          m.random.Seed(seed);
          m.lastRulePick = start;
        },
        &last);
    ASSERT_EQ(shown.size(), 8u);
    // The same generator, replayed with the one random pick and the repeat rule.
    Bench replay;
    replay.m.random.Seed(seed);
    float lastPick = start;
    for (size_t k = 0; k < 8; ++k) {
      const float n = RandomPick(replay.m, 10, 1);
      const float want = n == lastPick ? 3 : n;
      if (n != lastPick) lastPick = n;
      EXPECT_EQ(shown[k].n, want);
      EXPECT_EQ(last[k], lastPick);
      EXPECT_TRUE(want >= 1 && want <= 10) << want;
    }
  }
}

// --- the products drill ---

TEST(FlashDrill, ProductsDrillStandsWhereItsRowSays) {
  for (int seed : {1, 2, 3}) {
    RunDrills(1, {&kProducts}, 2, {Spaces(6)}, [&](Machine& m) { m.random.Seed(seed); });
  }
}

TEST(GenerateProduct, ManySeedsGiveAFactorALetterAndItsProduct) {
  std::set<std::string> forms;
  std::set<float> factors;
  for (int seed = 0; seed < 400; ++seed) {
    Bench b;
    b.m.random.Seed(seed);
    intro::GenerateProduct(b.m);
    const float f = b.m.coef[1];
    factors.insert(f);
    EXPECT_TRUE(std::abs(f) >= 2 && std::abs(f) <= 19 && f == std::floor(f)) << f;
    const std::string& q = b.m.signText[1];
    const std::string& a = b.m.signText[2];
    const std::string letter = b.m.coefText[11];
    ASSERT_TRUE(letter == "a" || letter == "b" || letter == "x" || letter == "y") << letter;
    const std::string number = std::to_string(static_cast<int>(f));
    // Number first as it is; after the letter a negative number is bracketed.
    const std::string after = f < 0 ? "(" + number + ")" : number;
    EXPECT_TRUE(q == number + "*" + letter || q == letter + "*" + after) << q;
    EXPECT_EQ(a, number + letter);
    EXPECT_TRUE(test::SameExpression(q, a)) << q << " = " << a;
    forms.insert((q.front() == letter.front() ? "letter first " : "number first ") +
                 std::string(f < 0 ? "-" : "+") + letter);
  }
  EXPECT_EQ(forms.size(), 16u);    // both orders, both signs, all four letters
  EXPECT_EQ(factors.size(), 36u);  // -19..-2 and 2..19
}

}  // namespace
}  // namespace orvelle
