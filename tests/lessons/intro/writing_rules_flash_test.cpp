// The flash drills of section 2: where every drill's heading, problem and boxes stand, the pick
// and its repeat rule, every problem of every table, and the mathematics of the answers.
#include "lessons/intro/writing_rules_flash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"
#include "lessons/intro/writing_rules.h"
#include "platform/random.h"
#include "platform/text.h"

namespace orvelle {
namespace {

using intro::FlashColumns;
using test::Bench;
using test::DrillKeys;
using test::MarkupEnd;

// A random value that makes INT(r × n + 1) give `pick` (1..n).
float PickOf(int pick, int n) { return test::Pick(pick, 1, n); }

// What a drill had in hand when it waited for a key ("何かキーを押して下さい。").
struct KeyWaitShot {
  float exerciseNo = 0;
  float lastRulePick = 0;
  std::vector<std::string> coefText;  // entries 0..40
  std::string question, answer;       // signText(1) and signText(2): the products drill's
  size_t logSize = 0;                 // the log's length at the wait
};

// Takes a shot at every key wait of a run (not at the keys of a number field).
class KeyWaitRecorder {
 public:
  KeyWaitRecorder(RecordingDevice& device, Machine& m) : device_(device), m_(m) {
    device.OnKeyWait([this] { Look(); });
  }
  const std::vector<KeyWaitShot>& shots() const { return shots_; }

 private:
  void Look() {
    const std::vector<DrawCall> since(device_.log().begin() + static_cast<long>(seen_),
                                      device_.log().end());
    seen_ = device_.log().size();
    if (test::KeyWaits(since) == 0) return;
    KeyWaitShot shot{m_.exerciseNo, m_.lastRulePick, {}, m_.signText[1], m_.signText[2], seen_};
    for (int i = 0; i <= 40; ++i) shot.coefText.push_back(m_.coefText[i]);
    shots_.push_back(shot);
  }

  RecordingDevice& device_;
  Machine& m_;
  size_t seen_ = 0;
  std::vector<KeyWaitShot> shots_;
};

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
  const auto& t = shot.coefText;
  switch (columns) {
    case FlashColumns::kGenerated:
      return {n, shot.question, "", shot.answer};
    case FlashColumns::kQuestionFirst:
      return {n, t[n], "", t[10 + n]};
    case FlashColumns::kWithFraction:
      return {n, t[n], t[20 + n], t[10 + n]};
    case FlashColumns::kAnswerFirst:
      return {n, t[20 + n], "", t[n]};
  }
  return {};
}

// Checks the pass that waited at shot k against its layout: before the key the heading, the
// erase box, the question and the empty box; after it the same box with the answer centred in
// it. The box lies inside the erase box, so the next pass removes it. Gives the problem shown.
Shown CheckPass(const RecordingDevice& device, const std::vector<KeyWaitShot>& shots, size_t k,
                const Layout& at) {
  SCOPED_TRACE(std::string(at.name) + ", key wait " + std::to_string(k));
  const auto& log = device.log();
  const auto begin = log.begin();
  const size_t to = k + 1 < shots.size() ? shots[k + 1].logSize : log.size();
  const std::vector<DrawCall> before(begin + (k == 0 ? 0 : long(shots[k - 1].logSize)),
                                     begin + long(shots[k].logSize));
  const std::vector<DrawCall> after(begin + long(shots[k].logSize), begin + long(to));
  const Shown p = ProblemAt(shots[k], at.columns);
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
    return c.op == "box" && c.x1 == at.erase.x1 && c.y1 == at.erase.y1 && c.fill == 15;
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

TEST(PickRuleProblem, ARepeatShowsProblemThreeAndKeepsTheRepeatedPick) {
  const struct {
    float last;
    int pick;
    float shown, lastAfter;
  } cases[] = {
      {0, 7, 7, 7}, {7, 7, 3, 7},    {3, 3, 3, 3},    {0, 3, 3, 3},
      {5, 1, 1, 1}, {5, 10, 10, 10}, {10, 10, 3, 10}, {0, 1, 1, 1},
  };
  for (const auto& c : cases) {
    Bench b;
    b.m.lastRulePick = c.last;
    b.m.random.Script({PickOf(c.pick, 10)});
    intro::PickRuleProblem(b.m);
    EXPECT_EQ(b.m.exerciseNo, c.shown) << "last " << c.last << ", pick " << c.pick;
    EXPECT_EQ(b.m.lastRulePick, c.lastAfter) << "last " << c.last << ", pick " << c.pick;
  }

  // Picks 7, 7, 7 show 7, 3, 3; the extreme random values give 1 and 10.
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

struct TableRun {
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
    for (int n = 1; n <= run.problems; ++n) picks.push_back(PickOf(n, run.problems));
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

// Every problem of every table is shown where its drill's layout says, its answer (and a
// quotient's fraction) has the value of its question whatever the letters are, the rows of a
// table are all different, and each answer follows the rule its drill teaches.
TEST(FlashDrill, EveryTabledProblemShowsWithAnAnswerByTheRule) {
  const auto rule2 = ShowEveryProblem(
      {intro::ShowRule2Drills, {&kRule2Q1, &kRule2Q2, &kRule2Q3}, 10, {"", "", " "}});
  const auto rule3 = ShowEveryProblem(
      {intro::ShowRule3Drills, {&kRule3Q1, &kRule3Q2}, 10, {std::string(8, ' '), "      "}});
  const auto rule4 = ShowEveryProblem(
      {intro::ShowRule4QuotientDrills, {&kRule4Q1, &kRule4Q2}, 10, {"", std::string(7, ' ')}});
  const auto symbols =
      ShowEveryProblem({intro::ShowSymbolWritingDrill, {&kSymbols}, 20, {std::string(8, ' ')}});
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
  // Q1 draws 7, 7, 7; Q2 draws 7 (Q1's last); Q3 draws 3 twice.
  // Any number but 1 gives a new problem: 2, 0, an empty entry.
  Bench b(" 2\r 0\r 1\r" + DrillKeys(1) + " \r 1\r" + " ");
  b.m.random.Script(
      {PickOf(7, 10), PickOf(7, 10), PickOf(7, 10), PickOf(7, 10), PickOf(3, 10), PickOf(3, 10)});
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
  b.m.random.Script({PickOf(3, 10), PickOf(5, 10)});
  intro::ShowRule3Drills(b.m);
  EXPECT_EQ(rec.shots()[7].exerciseNo, 3);
  EXPECT_EQ(rec.shots()[7].coefText[3], "x*1");
  EXPECT_EQ(rec.shots()[16].exerciseNo, 5);
  EXPECT_EQ(b.m.lastRulePick, 5);

  // Item 8 neither reads nor moves it.
  b.device.SetKeys(DrillKeys(2) + std::string(8, ' '));
  b.m.random.Script({PickOf(5, 20), PickOf(5, 20)});
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
      EXPECT_TRUE(want >= 1 && want <= 10) << want;
      CheckPass(b.device, rec.shots(), k, k < 4 ? kRule4Q1 : kRule4Q2);
    }
  }
}

TEST(FlashDrill, SymbolBoxesFitTheirAnswers) {
  Bench b(DrillKeys(3) + std::string(8, ' '));
  b.m.random.Script({PickOf(9, 20), PickOf(9, 20), PickOf(11, 20)});
  KeyWaitRecorder rec(b.device, b.m);
  intro::ShowSymbolWritingDrill(b.m);
  // 390 for "-1*x*x*y*y*y" (twice in a row: no repeat rule), 120 for "a/9".
  const float widths[] = {390, 390, 120};
  const char* answers[] = {"-1*x*x*y*y*y", "-1*x*x*y*y*y", "a/9"};
  for (size_t k = 0; k < 3; ++k) {
    const Shown p = CheckPass(b.device, rec.shots(), k, kSymbols);
    EXPECT_EQ(p.answer, answers[k]);
    EXPECT_EQ(30.0f * CharLen(p.answer) + 30, widths[k]) << p.answer;
  }
  EXPECT_EQ(rec.shots()[2].coefText[31], "ﾀa/9ﾀ");
}

// --- the products drill ---

TEST(FlashDrill, ProductsDrillStandsWhereItsRowSays) {
  for (int seed : {1, 2, 3}) {
    Bench b(DrillKeys(1) + std::string(6, ' '));
    b.m.random.Seed(seed);
    KeyWaitRecorder rec(b.device, b.m);
    intro::ShowRule1ProductDrill(b.m);
    ASSERT_EQ(rec.shots().size(), 7u);
    CheckPass(b.device, rec.shots(), 0, kProducts);
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
