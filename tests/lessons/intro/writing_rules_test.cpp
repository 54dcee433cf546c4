// Section 2 "式の表し方" of Orvelle, screen by screen on the recording device: the aims and the
// sub-menu, the worked pages, and the texts around the drills; worked answers checked by their
// value.
#include "lessons/intro/writing_rules.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"
#include "lessons/intro/main_menu.h"

namespace orvelle {
namespace {

using test::DrillKeys;
using test::ItemRun;
using test::kIntro;
using test::MarkupEnd;
using test::Seen;

std::string Spaces(int n) { return std::string(n, ' '); }

// Every part of a question ("a/(-3)=ﾀa/-3ﾀ=") has the value of its answer, whatever the letters.
void ExpectWorked(const std::string& question, const std::string& answer) {
  size_t from = 0;
  for (size_t eq; (eq = question.find('=', from)) != std::string::npos; from = eq + 1) {
    EXPECT_TRUE(test::SameExpression(question.substr(from, eq - from), answer))
        << question << " " << answer;
  }
}

// An example of a rule, "(1a=a -1x=-x)" or "(ba→ab)": both sides of each of its equalities are
// the same expression.
void ExpectIdentities(const std::string& example) {
  const std::string arrow = "→";
  std::istringstream parts(example.substr(1, example.size() - 2));
  for (std::string part; parts >> part;) {
    const size_t eq = part.find('=');
    const size_t at = eq != std::string::npos ? eq : part.find(arrow);
    const size_t after = at + (eq != std::string::npos ? 1 : arrow.size());
    EXPECT_TRUE(test::SameExpression(part.substr(0, at), part.substr(after))) << example;
  }
}

// A table of exercises: the label at x, the question at x + 81, the answer one key later where
// the question ends; rows `dy` apart from y, from screen `screen` on.
struct Exercise {
  const char* label;
  const char* question;
  const char* answer;
};
void AddExercises(std::vector<Seen>& seen, float x, float y, float dy, int screen,
                  std::initializer_list<Exercise> rows) {
  for (const Exercise& r : rows) {
    seen.push_back({x, y, 3, r.label, screen});
    seen.push_back({x + 81, y, 0, r.question, screen});
    seen.push_back({MarkupEnd(x + 81, r.question), y, 5, r.answer, ++screen});
    ExpectWorked(r.question, r.answer);
    y += dy;
  }
}

TEST(WritingRules, StampsExampleStepByStep) {
  const ItemRun item(kIntro, 2, 2, 8);
  const float x1 = MarkupEnd(76, "(1)") + 10, x2 = MarkupEnd(76, "(2)") + 10;
  const float eq = MarkupEnd(x2, "(a*3+b*2)g");
  item.Expect({
      {40, 30, 0, "例 52円切手をx枚と82円切手をy枚", 0},
      {76, 180, 3, "代金=(単価)*(枚数)", 1},
      {MarkupEnd(76, "代金=(単価)*(枚数)") + 30, 180, 0, "だから", 1},
      {76, 230, 0, "(52*x+82*y)円=", 2},
      {MarkupEnd(76, "(52*x+82*y)円="), 230, 5, "(52x+82y)円", 3},
      {76, 300, 7, "教科書P66 問1 をしなさい。", 4},
      {x1, 360, 0, "(80-2*a)cm=", 5},
      {MarkupEnd(x1, "(80-2*a)cm="), 360, 5, "(80-2a)cm", 6},
      {76, 430, 3, "(2)", 7},
      {x2, 430, 0, "(a*3+b*2)g", 7},
      {eq, 430, 0, "=", 7},
      {MarkupEnd(eq, "="), 430, 5, "(3a+2b)g", 8},
  });
  EXPECT_TRUE(test::HasBox(item.screens[0], 0, 0, 1320, 1300, 15, 15));
  // Each price in letter notation is the sum it rewrites.
  test::ExpectWorkingShown(item.log(), {"(52*x+82*y)", "(52x+82y)"});
  test::ExpectWorkingShown(item.log(), {"(80-2*a)cm", "(80-2a)cm"});
  test::ExpectWorkingShown(item.log(), {"(a*3+b*2)g", "(3a+2b)g"});
}

TEST(WritingRules, Exercise2AnswersOneKeyBeforeEach) {
  const ItemRun item(kIntro, 2, 4, 6);
  std::vector<Seen> seen = {{40, 30, 3, "問2 解答", 0}};
  // Row by row, 60 apart, 90 around a fraction.
  AddExercises(seen, 40, 90, 60, 0,
               {{"(1)", "x*y=", "xy"},
                {"(2)", "c*a*b=", "abc"},
                {"(3)", "a*x*2=", "2ax"},
                {"(4)", "(a-b)*5=", "5(a-b)"}});
  AddExercises(seen, 40, 360, 90, 4,
               {{"(5)", "ﾀ2/3ﾀ*a=", "ﾀ2/3ﾀa"}, {"(6)", "x*ﾀ7/4ﾀ=", "ﾀ7/4ﾀx"}});
  item.Expect(seen);
  EXPECT_TRUE(test::HasBox(item.screens[0], 0, 0, 1760, 1300, 15, 15));
}

TEST(WritingRules, Exercise6ThenTheWholeSummaryAtOnce) {
  const ItemRun item(kIntro, 2, 7, 6);
  std::vector<Seen> seen = {
      {40, 30, 3, "教科書P68問6　解答", 0},
      {40, 105, 3, "(1)", 0},
      {121, 105, 0, "a/3=", 1},
      {MarkupEnd(121, "a/3="), 105, 5, "ﾀa/3ﾀ (L)", 2},
      {40, 185, 3, "(2)", 2},
      {MarkupEnd(40, "(2)"), 185, 0, "(15+10+x)/3", 3},
      {94, 245, 0, "=(25+x)/3", 4},
      {94, 315, 5, "=ﾀ25+x/3ﾀ (点)", 5},
      {600, 30, 5, "<文字式の表し方>", 6},
      {636, 180, 3, "数を文字の前に書く", 6},
      {MarkupEnd(636, "数を文字の前に書く"), 180, 0, "(2*x=2x)", 6},
      {636, 330, 0, "(1a=a -1x=-x)", 6},
      {636, 430, 0, "(a*a=a^2)", 6},
      {636, 540, 0, "(x/3=ﾀx/3ﾀ)", 6},
  };
  test::ExpectSameValues(test::LettersAt({{'x', 7}}), {"(15+10+x)/3", "(25+x)/3", "ﾀ25+x/3ﾀ"});
  ExpectWorked("a/3=", "ﾀa/3ﾀ (L)");
  const struct {
    const char* number;
    float y;
    const char* rule;
    const char* example;  // after the rule on its line; "" when it stands on a line of its own
  } rules[] = {
      {"①", 80, "*は省いて書く", "(a*b=ab)"},
      {"②", 130, "文字と数の積では、", ""},
      {"③", 230, "文字はa,b,c…順に書く", "(ba→ab)"},
      {"④", 280, "1と文字の積は1を書かない。", ""},
      {"⑤", 380, "同じ文字の積は、指数を使って書く", ""},
      {"⑥", 480, "÷は使わないで、分数の形で書く", ""},
  };
  for (const auto& r : rules) {
    const float x = MarkupEnd(600, r.number);
    seen.push_back({600, r.y, 0, r.number, 6});
    seen.push_back({x, r.y, 3, r.rule, 6});
    if (*r.example) seen.push_back({MarkupEnd(x, r.rule), r.y, 0, r.example, 6});
  }
  item.Expect(seen);
  EXPECT_TRUE(test::HasBox(item.screens[0], 0, 0, 1760, 1300, 15, 15));
  // Every example of the summary holds whatever the letters.
  for (const Seen& s : seen) {
    if (s.screen == 6 && s.text.front() == '(') ExpectIdentities(s.text);
  }
}

// --- the texts around the drills, one problem in each drill ---

TEST(WritingRules, ProductsRuleAndExample1AfterTheDrill) {
  const ItemRun item(kIntro, 2, 1, 7, DrillKeys(1) + Spaces(6));
  item.Expect({
      {120, 190, 5, "<積の表し方>", 3},
      {80, 250, 3, "①*は省いて書く", 4},
      {520, 100, 0, "例1　1000円出して、1個a円の", 6},
      {520, 250, 3, "代金=(単価)*(個数)", 7},
      {MarkupEnd(520, "代金=(単価)*(個数)") + 30, 250, 0, "だから", 7},
      {520, 300, 0, "(1000-a*2)円=", 8},
      {MarkupEnd(520, "(1000-a*2)円="), 300, 5, "(1000-2a)円", 9},
  });
  EXPECT_TRUE(test::HasBox(item.screens[0], 0, 0, 1320, 1300, 15, 15));
  test::ExpectWorkingShown(item.log(), {"(1000-a*2)", "(1000-2a)"});
}

TEST(WritingRules, Rule2DrillsFollowEachOtherWithTheirRules) {
  // Q1 with three problems still puts Q2 below its rule at the same place.
  ItemRun(kIntro, 2, 3, 6, DrillKeys(3) + DrillKeys(1) + DrillKeys(1) + " ")
      .Expect({
          {80, 190, 5, "アルファベット順に書く", 9},
          {MarkupEnd(80, "アルファベット順に書く"), 190, 3, "(例外もある)", 9},
          {40, 270, 3, "Q2　きまりをみつけよう。", 9},
          {80, 430, 5, "( )は1つの文字と同じ", 12},
          {680, 30, 3, "Q3　きまりをみつけよう。", 12},
          {720, 200, 5, "分数も整数と同じ", 15},
          {680, 250, 3, "(文字は真ん中の棒の横に書く)", 15},
          {40, 500, 7, "教科書P67 問2 をしなさい。", 16},
      });
}

TEST(WritingRules, Rule3DrillsWithExercises3And4) {
  const ItemRun item(kIntro, 2, 5, 16, DrillKeys(1) + Spaces(8) + DrillKeys(1) + Spaces(6));
  std::vector<Seen> seen = {
      {134, 190, 5, "1は書かない", 3},
      {MarkupEnd(134, "1は書かない"), 190, 3, "(0.1は書く)", 3},
      {40, 250, 7, "教科書P67  問3 をしなさい。", 4},
      // Q2 right after the last answer of 問3, in the right-hand column.
      {694, 30, 3, "Q2　きまりをみつけよう。", 11},
      {734, 190, 5, "累乗の指数を使って書く", 14},
      {640, 250, 3, "教科書P67 問4 をしなさい。", 15},
  };
  AddExercises(seen, 40, 300, 50, 5,
               {{"(1)", "y*1=", "y"},
                {"(2)", "(-4)*x=", "-4x"},
                {"(3)", "b*(-1)=", "-b"},
                {"(4)", "a*(-2)+1=", "-2a+1"},
                {"(5)", "x*(-1)+y*11=", "-x+11y"},
                {"(6)", "b-0.1*a=", "b-0.1a"}});
  AddExercises(seen, 640, 300, 50, 16,
               {{"(1)", "b*b*b=", "b^3"},
                {"(2)", "x*x*3=", "3x^2"},
                {"(3)", "x*y*y=", "xy^2"},
                {"(4)", "a*b*a*a*b=", "a^3b^2"}});
  item.Expect(seen);
}

TEST(WritingRules, Rule4DrillsWithExercise5) {
  const ItemRun item(kIntro, 2, 6, 9, DrillKeys(1) + DrillKeys(1) + Spaces(7));
  // Ending Q1 leads straight into Q2: its heading is on the screen of Q1's rule.
  std::vector<Seen> seen = {
      {134, 200, 5, "分数の形で書く", 3},
      {40, 280, 7, "ﾀx/4ﾀ=ﾀ1/4ﾀx,ﾀ3x/4ﾀ=ﾀ3/4ﾀx でもよい", 3},
      {40, 360, 3, "Q2　きまりをみつけよう。", 3},
      {40, 520, 5, "- が奇数のとき、- をつける", 6},
      {640, 30, 7, "教科書P68問5 をしなさい。", 7},
      {640, 420, 7, "教科書P68 問6 をしなさい。", 13},
  };
  AddExercises(seen, 640, 110, 80, 8,
               {{"(1)", "x/7=", "ﾀx/7ﾀ"},
                {"(2)", "5x/2=", "ﾀ5x/2ﾀ"},
                {"(3)", "(a+b)/6=", "ﾀa+b/6ﾀ"},
                {"(4)", "a/(-3)=ﾀa/-3ﾀ=", "-ﾀa/3ﾀ"}});
  item.Expect(seen);
}

TEST(WritingRules, SymbolWritingDrillWithExercise7InPairs) {
  const ItemRun item(kIntro, 2, 8, 9, DrillKeys(1) + Spaces(8));
  const struct {
    float y;
    Exercise left, right;
  } pairs[] = {
      {290, {"(1)", "6ab=", "6*a*b"}, {"(2)", "5x^2=", "5*x*x"}},
      {370, {"(3)", "ﾀ2x/7ﾀ=", "2*x/7"}, {"(4)", "a-ﾀb/2ﾀ=", "a-b/2"}},
      {450, {"(5)", "ﾀm+n/4ﾀ=", "(m+n)/4"}, {"(6)", "ﾀ1/5ﾀ(a-b)=", "1/5*(a-b)"}},
  };
  std::vector<Seen> seen = {{40, 210, 7, "教科書P68問7 をしなさい。", 4}};
  int screen = 5;
  for (const auto& p : pairs) {
    AddExercises(seen, 40, p.y, 0, screen++, {p.left});
    // The right-hand label 80 after the left-hand answer, its question right after it.
    const float label = MarkupEnd(MarkupEnd(121, p.left.question), p.left.answer) + 80;
    const float question = MarkupEnd(label, p.right.label);
    seen.push_back({label, p.y, 3, p.right.label, screen});
    seen.push_back({question, p.y, 0, p.right.question, screen});
    seen.push_back({MarkupEnd(question, p.right.question), p.y, 5, p.right.answer, ++screen});
    ExpectWorked(p.right.question, p.right.answer);
  }
  item.Expect(seen);
}

TEST(WritingRules, TheLastProblemsLineCarriesTheRuleWhateverItWas) {
  // Whatever problem came last, the rule of item ⑤ stands at y 190 and that of Q2 at 190 too.
  for (int pick : {1, 6, 10}) {
    test::Bench b(DrillKeys(2) + Spaces(8) + DrillKeys(1) + Spaces(6));
    b.m.random.Script(
        {test::Pick(pick, 1, 10), test::Pick(pick % 10 + 1, 1, 10), test::Pick(2, 1, 10)});
    intro::ShowRule3Drills(b.m);
    EXPECT_TRUE(test::DrewMarkup(b.device.log(), 134, 190, 5, "1は書かない")) << pick;
    EXPECT_TRUE(test::DrewMarkup(b.device.log(), 734, 190, 5, "累乗の指数を使って書く")) << pick;
  }
}

}  // namespace
}  // namespace orvelle
