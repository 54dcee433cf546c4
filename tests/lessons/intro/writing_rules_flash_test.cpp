// The flash drills of section 2: where every drill's heading, problem and boxes stand, the pick
// and its repeat rule, every problem of every table, and the mathematics of the answers.
#include "lessons/intro/writing_rules_flash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "../../support/machine.h"
#include "../../support/screen.h"
#include "lessons/intro/writing_rules.h"
#include "platform/random.h"
#include "platform/text.h"
#include "writing_rules_test_support.h"

namespace orvelle {
namespace {

using intro::FlashColumns;
using intro::PickRuleProblem;
using intro::PickSymbolProblem;
using test::Bench;
using test::DrewMarkup;
using test::DrillKeys;
using test::KeyWaitRecorder;
using test::KeyWaitShot;
using test::MarkupEnd;
using test::PickValue;
using test::SameExpression;

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

Shown ProblemAt(const KeyWaitShot& shot, FlashColumns columns) {
  const int n = static_cast<int>(shot.exerciseNo);
  switch (columns) {
    case FlashColumns::kGenerated:
      return {n, shot.question, "", shot.answer};
    case FlashColumns::kQuestionFirst:
      return {n, shot.coefText[n], "", shot.coefText[10 + n]};
    case FlashColumns::kWithFraction:
      return {n, shot.coefText[n], shot.coefText[20 + n], shot.coefText[10 + n]};
    case FlashColumns::kAnswerFirst:
      return {n, shot.coefText[20 + n], "", shot.coefText[n]};
  }
  return {};
}

std::vector<DrawCall> Slice(const std::vector<DrawCall>& log, size_t from, size_t to) {
  return {log.begin() + static_cast<long>(from), log.begin() + static_cast<long>(to)};
}

bool HasBox(const std::vector<DrawCall>& calls, float x1, float y1, float x2, float y2, int border,
            int fill) {
  return std::any_of(calls.begin(), calls.end(), [&](const DrawCall& c) {
    return c.op == "box" && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2 &&
           c.color == border && c.fill == fill;
  });
}

// Checks the pass that waited at shot k against its layout: before the key the heading, the
// erase box, the question and the empty box; after it the same box with the answer centred in
// it. The box lies inside the erase box, so the next pass removes it. Gives the problem shown.
Shown CheckPass(const RecordingDevice& device, const std::vector<KeyWaitShot>& shots, size_t k,
                const Layout& at) {
  SCOPED_TRACE(std::string(at.name) + ", key wait " + std::to_string(k));
  const auto& log = device.log();
  const size_t from = k == 0 ? 0 : shots[k - 1].logSize;
  const size_t to = k + 1 < shots.size() ? shots[k + 1].logSize : log.size();
  const auto before = Slice(log, from, shots[k].logSize);
  const auto after = Slice(log, shots[k].logSize, to);
  const Shown p = ProblemAt(shots[k], at.columns);
  const std::string question = p.question + (p.middle.empty() ? "" : "=" + p.middle) + "=";

  EXPECT_TRUE(DrewMarkup(before, at.hx, at.hy, 3, at.heading));
  EXPECT_TRUE(HasBox(before, at.erase.x1, at.erase.y1, at.erase.x2, at.erase.y2, 15, 15));
  EXPECT_TRUE(DrewMarkup(before, at.qx, at.qy, 0, question)) << question;
  const float left = MarkupEnd(at.qx, question) + 10;
  const float width = at.boxW > 0 ? at.boxW : 30.0f * CharLen(p.answer) + 30;
  const float top = at.qy - std::floor((at.boxH - 44) / 2);
  EXPECT_TRUE(HasBox(before, left, top, left + width, top + at.boxH, 3, 13));
  EXPECT_TRUE(HasBox(after, left, top, left + width, top + at.boxH, 3, 13));
  const float textWidth = MarkupEnd(0, p.answer);
  EXPECT_TRUE(DrewMarkup(after, left + std::max(0.0f, (width - textWidth) / 2), at.qy, 5, p.answer))
      << p.answer;
  // Until the key the box stays empty.
  const auto erase = std::find_if(before.rbegin(), before.rend(), [&](const DrawCall& c) {
    return c.op == "box" && c.x1 == at.erase.x1 && c.y1 == at.erase.y1 && c.fill == 15;
  });
  const std::vector<DrawCall> sinceErase(erase.base(), before.end());
  EXPECT_FALSE(
      DrewMarkup(sinceErase, left + std::max(0.0f, (width - textWidth) / 2), at.qy, 5, p.answer));
  EXPECT_GE(left, at.erase.x1);
  EXPECT_LE(left + width, at.erase.x2) << question;
  EXPECT_GE(top, at.erase.y1);
  EXPECT_LE(top + at.boxH, at.erase.y2);
  return p;
}

// The letters of a text in order, and whether a text has a "/" or "*" outside its fractions.
std::string Letters(const std::string& s) {
  std::string out;
  for (char c : s) out += std::islower(static_cast<unsigned char>(c)) ? std::string(1, c) : "";
  return out;
}
// A text with every number written 9 (a factor 1 stays 1, "0.1" is a number) and every run of
// letters written a: "-3xy" is "-9a", "ﾀ2x/7ﾀ" is "ﾀ9a/9ﾀ", "-0.1a" is "-9a".
std::string Shape(const std::string& s) {
  std::string out;
  const auto chars = SplitChars(s);
  for (size_t i = 0; i < chars.size(); ++i) {
    const std::string& ch = chars[i];
    const bool digit =
        ch.size() == 1 && (std::isdigit(static_cast<unsigned char>(ch[0])) || ch == ".");
    const bool letter = ch.size() == 1 && std::islower(static_cast<unsigned char>(ch[0]));
    if (digit) {
      size_t j = i;
      std::string number;
      while (j < chars.size() && chars[j].size() == 1 &&
             (std::isdigit(static_cast<unsigned char>(chars[j][0])) || chars[j] == ".")) {
        number += chars[j++];
      }
      out += number == "1" ? "1" : "9";
      i = j - 1;
    } else if (letter) {
      if (out.empty() || out.back() != 'a') out += "a";
    } else {
      out += ch;
    }
  }
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

TEST(PickRuleProblem, ARepeatShowsProblemThreeAndKeepsTheRepeatedPick) {
  struct Case {
    float last;
    int pick;
    float shown;
    float lastAfter;
  };
  const Case cases[] = {
      {0, 7, 7, 7}, {7, 7, 3, 7},    {3, 3, 3, 3},    {0, 3, 3, 3},
      {5, 1, 1, 1}, {5, 10, 10, 10}, {10, 10, 3, 10}, {0, 1, 1, 1},
  };
  for (const Case& c : cases) {
    Bench b;
    b.m.lastRulePick = c.last;
    b.m.random.Script({PickValue(c.pick, 10)});
    PickRuleProblem(b.m);
    EXPECT_EQ(b.m.exerciseNo, c.shown) << "last " << c.last << ", pick " << c.pick;
    EXPECT_EQ(b.m.lastRulePick, c.lastAfter) << "last " << c.last << ", pick " << c.pick;
  }

  // Picks 7, 7, 7 show 7, 3, 3; the extreme random values give 1 and 10.
  Bench b;
  b.m.random.Script(
      {PickValue(7, 10), PickValue(7, 10), PickValue(7, 10), 0.0f, 16777215.0f / 16777216.0f});
  std::vector<float> shown;
  for (int i = 0; i < 5; ++i) {
    PickRuleProblem(b.m);
    shown.push_back(b.m.exerciseNo);
  }
  EXPECT_EQ(shown, (std::vector<float>{7, 3, 3, 1, 10}));
}

TEST(PickSymbolProblem, OneToTwentyRepeatsAllowedRulePickUntouched) {
  Bench b;
  b.m.lastRulePick = 6;
  b.m.random.Script({0.0f, 16777215.0f / 16777216.0f, PickValue(9, 20), PickValue(9, 20)});
  std::vector<float> shown;
  for (int i = 0; i < 4; ++i) {
    PickSymbolProblem(b.m);
    shown.push_back(b.m.exerciseNo);
  }
  EXPECT_EQ(shown, (std::vector<float>{1, 20, 9, 9}));
  EXPECT_EQ(b.m.lastRulePick, 6);
}

// --- every drill's layout, one problem each ---

// The keys of an item with one problem in each of its drills.
std::string OnePassKeys(int item) {
  const std::string one = DrillKeys(1);
  switch (item) {
    case 1:
      return one + std::string(6, ' ');
    case 3:
      return one + one + one + " ";
    case 5:
      return one + std::string(8, ' ') + one + std::string(6, ' ');
    case 6:
      return one + one + std::string(7, ' ');
    case 8:
      return one + std::string(8, ' ');
  }
  return "";
}

TEST(FlashDrill, EveryDrillStandsWhereItsRowSays) {
  struct ItemRun {
    int item;
    void (*routine)(Machine&);
    std::vector<std::pair<size_t, const Layout*>> drills;  // key wait of each drill's problem
    int keyWaits;
  };
  const ItemRun runs[] = {
      {1, intro::ShowRule1ProductDrill, {{0, &kProducts}}, 7},
      {3, intro::ShowRule2Drills, {{0, &kRule2Q1}, {1, &kRule2Q2}, {2, &kRule2Q3}}, 4},
      {5, intro::ShowRule3Drills, {{0, &kRule3Q1}, {9, &kRule3Q2}}, 16},
      {6, intro::ShowRule4QuotientDrills, {{0, &kRule4Q1}, {1, &kRule4Q2}}, 9},
      {8, intro::ShowSymbolWritingDrill, {{0, &kSymbols}}, 9},
  };
  for (const ItemRun& run : runs) {
    for (int seed : {1, 2, 3}) {
      Bench b(OnePassKeys(run.item));
      b.m.random.Seed(seed);
      KeyWaitRecorder rec(b.device, b.m);
      run.routine(b.m);
      EXPECT_FALSE(b.device.KeysLeft()) << "item " << run.item;
      ASSERT_EQ(static_cast<int>(rec.shots().size()), run.keyWaits) << "item " << run.item;
      for (const auto& [k, layout] : run.drills) CheckPass(b.device, rec.shots(), k, *layout);
      // The item starts on a cleared part of the screen: 1320 wide, 1300 high.
      const DrawCall first = b.Calls("box").front();
      EXPECT_EQ(first.x2, 1320);
      EXPECT_EQ(first.y2, 1300);
      EXPECT_EQ(first.fill, 15);
    }
  }
}

// --- every problem of every table ---

struct TableRun {
  int item;
  void (*routine)(Machine&);
  std::vector<const Layout*> drills;
  int problems;               // per drill
  std::string afterDrill[3];  // keys after each drill
};

// Runs an item showing problems 1, 2, ..., n in order in each of its drills; gives the problems
// shown per drill, after checking each pass against its layout.
std::vector<std::vector<Shown>> ShowEveryProblem(const TableRun& run) {
  std::vector<float> picks;
  std::string keys;
  for (size_t d = 0; d < run.drills.size(); ++d) {
    for (int n = 1; n <= run.problems; ++n) picks.push_back(PickValue(n, run.problems));
    keys += DrillKeys(run.problems) + run.afterDrill[d];
  }
  Bench b(keys);
  b.m.random.Script(picks);
  KeyWaitRecorder rec(b.device, b.m);
  run.routine(b.m);
  EXPECT_FALSE(b.device.KeysLeft());

  std::vector<std::vector<Shown>> shown(run.drills.size());
  size_t k = 0;
  for (size_t d = 0; d < run.drills.size(); ++d) {
    for (int n = 1; n <= run.problems; ++n, ++k) {
      shown[d].push_back(CheckPass(b.device, rec.shots(), k, *run.drills[d]));
      EXPECT_EQ(shown[d].back().n, n);
    }
    k += std::count(run.afterDrill[d].begin(), run.afterDrill[d].end(), ' ');
  }
  return shown;
}

const TableRun kRule2Run = {
    3, intro::ShowRule2Drills, {&kRule2Q1, &kRule2Q2, &kRule2Q3}, 10, {"", "", " "}};
const TableRun kRule3Run = {
    5, intro::ShowRule3Drills, {&kRule3Q1, &kRule3Q2}, 10, {std::string(8, ' '), "      "}};
const TableRun kRule4Run = {
    6, intro::ShowRule4QuotientDrills, {&kRule4Q1, &kRule4Q2}, 10, {"", std::string(7, ' ')}};
const TableRun kSymbolsRun = {
    8, intro::ShowSymbolWritingDrill, {&kSymbols}, 20, {std::string(8, ' ')}};

// Every problem of every table is shown, and its answer (and a quotient's fraction) has the
// value of its question, whatever the letters are; the rows of a table are all different.
TEST(FlashDrill, EveryTabledProblemShowsWithAnAnswerOfTheSameValue) {
  for (const TableRun* run : {&kRule2Run, &kRule3Run, &kRule4Run, &kSymbolsRun}) {
    const auto shown = ShowEveryProblem(*run);
    for (size_t d = 0; d < shown.size(); ++d) {
      std::set<std::string> questions;
      for (const Shown& p : shown[d]) {
        SCOPED_TRACE(std::string(run->drills[d]->name) + " problem " + std::to_string(p.n));
        EXPECT_TRUE(SameExpression(p.question, p.answer)) << p.question << " = " << p.answer;
        if (!p.middle.empty()) {
          EXPECT_TRUE(SameExpression(p.question, p.middle)) << p.middle;
        }
        // Letter notation forwards, "*" and "/" backwards.
        EXPECT_EQ(HasOperatorOutsideFractions(p.answer), run == &kSymbolsRun) << p.answer;
        questions.insert(p.question);
      }
      EXPECT_EQ(static_cast<int>(questions.size()), run->problems) << run->drills[d]->name;
    }
  }
}

TEST(FlashDrill, AnswersFollowTheRuleTheirDrillTeaches) {
  // Letter order: the number first, then the letters in alphabetical order.
  const auto rule2 = ShowEveryProblem(kRule2Run);
  for (const Shown& p : rule2[0]) {
    const std::string letters = Letters(p.answer);
    EXPECT_TRUE(std::is_sorted(letters.begin(), letters.end())) << p.answer;
    EXPECT_TRUE(Shape(p.answer) == "9a" || Shape(p.answer) == "-9a" || Shape(p.answer) == "a")
        << p.answer;
  }
  const auto rule3 = ShowEveryProblem(kRule3Run);
  // The factor 1 is not written, 0.1 is.
  for (const Shown& p : rule3[0]) {
    EXPECT_EQ(Shape(p.answer).find("1a"), std::string::npos) << p.answer;
  }
  // Powers: no letter twice.
  for (const Shown& p : rule3[1]) {
    const std::string letters = Letters(p.answer);
    EXPECT_EQ(std::set<char>(letters.begin(), letters.end()).size(), letters.size()) << p.answer;
  }
  // Signs of a quotient: at most one "-", in front; none inside the fraction.
  const auto rule4 = ShowEveryProblem(kRule4Run);
  for (const Shown& p : rule4[1]) {
    const std::string shape = Shape(p.answer);
    EXPECT_TRUE(shape == "a" || shape == "-a" || shape == "9a" || shape == "ﾀa/9ﾀ" ||
                shape == "-ﾀa/9ﾀ" || shape == "ﾀ9a/9ﾀ" || shape == "-ﾀ9a/9ﾀ")
        << p.answer;
  }
  // Back to symbols: no fractions, no exponents, no factors written side by side.
  const auto symbols = ShowEveryProblem(kSymbolsRun);
  for (const Shown& p : symbols[0]) {
    EXPECT_EQ(CharFind(p.answer, "ﾀ"), 0) << p.answer;
    EXPECT_EQ(CharFind(p.answer, "^"), 0) << p.answer;
    const auto c = SplitChars(p.answer);
    for (size_t i = 1; i < c.size(); ++i) {
      const std::string before = Shape(c[i - 1]), after = Shape(c[i]);
      const bool endsFactor = before == "9" || before == "1" || before == "a" || before == ")";
      const bool startsFactor = after == "a" || after == "(";
      EXPECT_FALSE(endsFactor && startsFactor) << p.answer;
    }
  }
}

// --- the repeat rule across drills and items ---

TEST(FlashDrill, ARepeatedPickShowsProblemThreeAcrossDrills) {
  // Q1 draws 7, 7, 7; Q2 draws 7 (Q1's last); Q3 draws 3 twice.
  // Any number but 1 gives a new problem: 2, 0, an empty entry.
  Bench b(" 2\r 0\r 1\r" + DrillKeys(1) + " \r 1\r" + " ");
  b.m.random.Script({PickValue(7, 10), PickValue(7, 10), PickValue(7, 10), PickValue(7, 10),
                     PickValue(3, 10), PickValue(3, 10)});
  KeyWaitRecorder rec(b.device, b.m);
  intro::ShowRule2Drills(b.m);
  EXPECT_FALSE(b.device.KeysLeft());
  std::vector<float> shown, last;
  for (const auto& s : rec.shots()) {
    shown.push_back(s.exerciseNo);
    last.push_back(s.lastRulePick);
  }
  EXPECT_EQ(shown, (std::vector<float>{7, 3, 3, 3, 3, 3, 3}));
  EXPECT_EQ(last, (std::vector<float>{7, 7, 7, 7, 3, 3, 3}));
  EXPECT_EQ(CheckPass(b.device, rec.shots(), 1, kRule2Q1).question, "y*x");
  EXPECT_EQ(CheckPass(b.device, rec.shots(), 3, kRule2Q2).question, "(n-5)*2");
  EXPECT_EQ(CheckPass(b.device, rec.shots(), 5, kRule2Q3).question, "a*ﾀ1/5ﾀ");

  // The next visit, in another item, goes on from there: item 5's first draw of 3 repeats.
  b.device.SetKeys(DrillKeys(1) + std::string(8, ' ') + DrillKeys(1) + std::string(6, ' '));
  b.m.random.Script({PickValue(3, 10), PickValue(5, 10)});
  intro::ShowRule3Drills(b.m);
  EXPECT_EQ(rec.shots()[7].exerciseNo, 3);
  EXPECT_EQ(rec.shots()[7].coefText[3], "x*1");
  EXPECT_EQ(rec.shots()[16].exerciseNo, 5);
  EXPECT_EQ(b.m.lastRulePick, 5);

  // Item 8 neither reads nor moves it.
  b.device.SetKeys(DrillKeys(2) + std::string(8, ' '));
  b.m.random.Script({PickValue(5, 20), PickValue(5, 20)});
  intro::ShowSymbolWritingDrill(b.m);
  EXPECT_EQ(rec.shots()[23].exerciseNo, 5);
  EXPECT_EQ(rec.shots()[24].exerciseNo, 5);
  EXPECT_EQ(b.m.lastRulePick, 5);
}

TEST(FlashDrill, ManySeedsPickByTheRule) {
  for (int seed = 0; seed < 150; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Bench b(DrillKeys(4) + DrillKeys(4) + std::string(7, ' '));
    b.m.random.Seed(seed);
    b.m.lastRulePick = static_cast<float>(seed % 11);
    KeyWaitRecorder rec(b.device, b.m);
    intro::ShowRule4QuotientDrills(b.m);
    ASSERT_EQ(rec.shots().size(), 15u);

    // The same generator, replayed with the rule.
    Random r(seed);
    float last = static_cast<float>(seed % 11);
    for (size_t k = 0; k < 8; ++k) {
      const float n = std::floor(r.Next() * 10 + 1);
      const float want = n == last ? 3 : n;
      if (n != last) last = n;
      EXPECT_EQ(rec.shots()[k].exerciseNo, want);
      EXPECT_EQ(rec.shots()[k].lastRulePick, last);
      EXPECT_GE(want, 1);
      EXPECT_LE(want, 10);
      CheckPass(b.device, rec.shots(), k, k < 4 ? kRule4Q1 : kRule4Q2);
    }
  }
}

TEST(FlashDrill, SymbolBoxesFitTheirAnswers) {
  Bench b(DrillKeys(3) + std::string(8, ' '));
  b.m.random.Script({PickValue(9, 20), PickValue(9, 20), PickValue(11, 20)});
  KeyWaitRecorder rec(b.device, b.m);
  intro::ShowSymbolWritingDrill(b.m);
  // 390 for "-1*x*x*y*y*y" (twice in a row: no repeat rule), 120 for "a/9".
  const float widths[] = {390, 390, 120};
  for (size_t k = 0; k < 3; ++k) {
    const Shown p = CheckPass(b.device, rec.shots(), k, kSymbols);
    EXPECT_EQ(30.0f * CharLen(p.answer) + 30, widths[k]) << p.answer;
  }
  EXPECT_EQ(rec.shots()[0].coefText[9], "-1*x*x*y*y*y");
  EXPECT_EQ(rec.shots()[2].coefText[31], "ﾀa/9ﾀ");
}

// --- the products drill ---

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
    const std::string number = b.m.coefText[1];
    EXPECT_EQ(number, std::to_string(static_cast<int>(f)));
    // Number first as it is; after the letter a negative number is bracketed.
    const std::string after = f < 0 ? "(" + number + ")" : number;
    EXPECT_TRUE(q == number + "*" + letter || q == letter + "*" + after) << q;
    EXPECT_EQ(a, number + letter);
    EXPECT_TRUE(SameExpression(q, a)) << q << " = " << a;
    forms.insert((q.front() == letter.front() ? "letter first " : "number first ") +
                 std::string(f < 0 ? "-" : "+") + letter);
  }
  EXPECT_EQ(forms.size(), 16u);    // both orders, both signs, all four letters
  EXPECT_EQ(factors.size(), 36u);  // -19..-2 and 2..19
}

TEST(GenerateProduct, BracketsOnlyANegativeFactorAfterTheLetter) {
  struct Case {
    float value, sign, letter, order;  // the four random values in the order they are drawn
    const char* question;
    const char* answer;
  };
  // coef = INT(r × 18 + 2); sign: INT(r × 2 + 1) = 1 negates; letter INT(r × 4 + 1); order 1:
  // number first.
  const Case cases[] = {
      {3.5f / 18, 0.25f, 0.375f, 0.75f, "b*(-5)", "-5b"},
      {3.5f / 18, 0.25f, 0.375f, 0.25f, "-5*b", "-5b"},
      {6.5f / 18, 0.75f, 0.875f, 0.75f, "y*8", "8y"},
      {6.5f / 18, 0.75f, 0.875f, 0.25f, "8*y", "8y"},
      {0, 0.75f, 0.125f, 0.25f, "2*a", "2a"},
      {17.5f / 18, 0.25f, 0.625f, 0.75f, "x*(-19)", "-19x"},
  };
  for (const Case& c : cases) {
    Bench b;
    b.m.random.Script({c.value, c.sign, c.letter, c.order});
    intro::GenerateProduct(b.m);
    EXPECT_EQ(b.m.signText[1], c.question);
    EXPECT_EQ(b.m.signText[2], c.answer);
  }
}

}  // namespace
}  // namespace orvelle
