// Section 2 "式の表し方" of Orvelle, screen by screen on the recording device: the aims and the
// sub-menu, the worked pages, and the texts around the drills.
#include "lessons/intro/writing_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../../support/machine.h"
#include "../../support/screen.h"
#include "core/plain_text.h"
#include "lessons/intro/main_menu.h"
#include "writing_rules_test_support.h"

namespace orvelle {
namespace {

using test::Bench;
using test::DrewMarkup;
using test::DrillKeys;
using test::KeyWaits;
using test::MarkupEnd;
using test::PickValue;
using test::ProgramRun;

// A text the pupil sees: on the screen after `screen` keys of the item were read.
struct Step {
  int screen;
  float x, y;
  int color;
  std::string text;
};

// Runs an item on a bench with its keys; checks every step on its screen, that the item took
// exactly its keys, and its number of key waits.
void ExpectScreens(void (*item)(Machine&), const std::string& keys, int keyWaits,
                   const std::vector<Step>& steps, float clearWidth = 1320) {
  Bench b(keys);
  b.m.random.Seed(7);
  item(b.m);
  EXPECT_FALSE(b.device.KeysLeft());
  const auto& log = b.device.log();
  EXPECT_EQ(KeyWaits(log), keyWaits);
  const auto screens = test::SplitAtKeys(log);
  for (const Step& s : steps) {
    ASSERT_LT(static_cast<size_t>(s.screen), screens.size()) << s.text;
    EXPECT_TRUE(DrewMarkup(screens[s.screen], s.x, s.y, s.color, s.text))
        << s.text << " at (" << s.x << ", " << s.y << ") on screen " << s.screen;
  }
  const DrawCall clear = b.Calls("box").front();
  EXPECT_EQ(clear.x1, 0);
  EXPECT_EQ(clear.y1, 0);
  EXPECT_EQ(clear.x2, clearWidth);
  EXPECT_EQ(clear.y2, 1300);
  EXPECT_EQ(clear.color, 15);
  EXPECT_EQ(clear.fill, 15);
}

// Where a text drawn right after `text` from x starts.
float After(float x, const std::string& text) { return MarkupEnd(x, text); }

// --- the frame ---

TEST(WritingRules, AimsOnEntryOnlyAndTheSubMenuReadsAgainOutOfRange) {
  // 0 and 10 read again; 9 leaves; entering again draws the aims again.
  ProgramRun run("Orvelle", intro::ShowMainMenu, "2\r0\r10\r9\r2\r9\r6\r");
  const auto& log = run.device.log();
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_FALSE(test::ShowedErrorScreen(log));
  const auto screens = test::SplitAtKeys(log);
  // Screens 2, 4, 7, 9 and 11 come after an Enter at the menu or the sub-menu.
  EXPECT_TRUE(DrewMarkup(screens[2], 44, 240, 3, "<めあて>"));
  EXPECT_TRUE(DrewMarkup(screens[2], 44, 305, 0,
                         "文字式での積や累乗、商の表し方にしたがって、式を表そう。"));
  EXPECT_FALSE(DrewMarkup(screens[4], 44, 240, 3, "<めあて>"));  // after 0: the line only
  EXPECT_TRUE(DrewMarkup(screens[11], 44, 240, 3, "<めあて>"));  // after the menu's 2 again

  // The sub-menu line, in the plain drawer at (16, 666) in colour 0, once for every number read.
  Bench line;
  line.m.drawText =
      "①きまり１積　②例　③きまり２　④問2　⑤きまり3　⑥きまり4商　⑦問6,まとめ　⑧記号を使っ"
      "て　⑨終了";
  line.m.drawX = 16;
  line.m.drawY = 666;
  line.m.drawColor = 0;
  DrawText(line.m);
  // Characters and places (the face in force may differ from start-up's).
  const auto chars = [](const std::vector<DrawCall>& calls) {
    std::vector<std::string> out;
    for (const DrawCall& c : calls) {
      if (c.op == "text") {
        out.push_back(c.s + "@" + std::to_string(c.x1) + "," + std::to_string(c.y1) + "," +
                      std::to_string(c.color));
      }
    }
    return out;
  };
  const auto want = chars(line.device.log());
  const auto have = chars(log);
  int lines = 0;
  for (auto it = have.begin();
       (it = std::search(it, have.end(), want.begin(), want.end())) != have.end(); ++it) {
    ++lines;
  }
  EXPECT_EQ(lines, 4);
}

TEST(WritingRules, GoalsLeaveTheCursorAfterTheGoalLine) {
  Bench b;
  intro::ShowWritingRulesGoals(b.m);
  EXPECT_EQ(b.m.indentX, 44);
  EXPECT_EQ(b.m.lineY, 305);
  EXPECT_EQ(b.m.afterX, After(44, "文字式での積や累乗、商の表し方にしたがって、式を表そう。"));
}

TEST(WritingRules, EveryItemRunsFromTheSubMenuAndComesBackToIt) {
  struct Item {
    int choice;
    std::string keys;
    int keyWaits;
  };
  const std::string one = DrillKeys(1);
  const Item items[] = {
      {1, one + std::string(6, ' '), 7},
      {2, std::string(8, ' '), 8},
      {3, one + one + one + " ", 4},
      {4, std::string(6, ' '), 6},
      {5, one + std::string(8, ' ') + one + std::string(6, ' '), 16},
      {6, one + one + std::string(7, ' '), 9},
      {7, std::string(6, ' '), 6},
      {8, one + std::string(8, ' '), 9},
  };
  for (const Item& item : items) {
    SCOPED_TRACE("item " + std::to_string(item.choice));
    for (const std::string clock : {"12:00:00", "08:31:17", "23:59:59"}) {
      ProgramRun run("Orvelle", intro::ShowMainMenu,
                     "2\r" + std::to_string(item.choice) + "\r" + item.keys + "9\r6\r", clock);
      EXPECT_FALSE(run.device.KeysLeft());
      EXPECT_EQ(run.status, 0);
      EXPECT_FALSE(test::ShowedErrorScreen(run.device.log()));
      EXPECT_EQ(KeyWaits(run.device.log()), item.keyWaits);
    }
  }
  // A choice typed as a fraction selects by its whole part: 9/2 is item 4.
  ProgramRun run("Orvelle", intro::ShowMainMenu, "2\r9/2\r" + std::string(6, ' ') + "9\r6\r");
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewMarkup(run.device.log(), 40, 30, 3, "問2 解答"));
}

// --- the worked pages ---

TEST(WritingRules, StampsExampleStepByStep) {
  ExpectScreens(intro::ShowStampsExample, std::string(8, ' '), 8,
                {
                    {0, 40, 30, 0, "例 52円切手をx枚と82円切手をy枚"},
                    {0, 76, 80, 0, "買ったときの代金の合計は？"},
                    {1, 76, 130, 3, "代金の合計=(52円切手の代金)+(82円切手の代金)"},
                    {1, 76, 180, 3, "代金=(単価)*(枚数)"},
                    {1, After(76, "代金=(単価)*(枚数)") + 30, 180, 0, "だから"},
                    {2, 76, 230, 0, "(52*x+82*y)円="},
                    {3, After(76, "(52*x+82*y)円="), 230, 5, "(52x+82y)円"},
                    {4, 76, 300, 7, "教科書P66 問1 をしなさい。"},
                    {5, 76, 360, 3, "(1)"},
                    {5, After(76, "(1)") + 10, 360, 0, "(80-2*a)cm="},
                    {6, After(After(76, "(1)") + 10, "(80-2*a)cm="), 360, 5, "(80-2a)cm"},
                    {7, 76, 430, 3, "(2)"},
                    {7, After(76, "(2)") + 10, 430, 0, "(a*3+b*2)g"},
                    {7, After(After(76, "(2)") + 10, "(a*3+b*2)g"), 430, 0, "="},
                    {8, After(After(After(76, "(2)") + 10, "(a*3+b*2)g"), "="), 430, 5, "(3a+2b)g"},
                });
}

TEST(WritingRules, Exercise2AnswersOneKeyBeforeEach) {
  struct Row {
    const char* label;
    float y;
    const char* question;
    const char* answer;
  };
  const Row rows[] = {
      {"(1)", 90, "x*y=", "xy"},          {"(2)", 150, "c*a*b=", "abc"},
      {"(3)", 210, "a*x*2=", "2ax"},      {"(4)", 270, "(a-b)*5=", "5(a-b)"},
      {"(5)", 360, "ﾀ2/3ﾀ*a=", "ﾀ2/3ﾀa"}, {"(6)", 450, "x*ﾀ7/4ﾀ=", "ﾀ7/4ﾀx"},
  };
  std::vector<Step> steps = {{0, 40, 30, 3, "問2 解答"}};
  int screen = 0;
  for (const Row& r : rows) {
    // Every question at x 121 whatever its label; every answer where its question ends.
    steps.push_back({screen, 40, r.y, 3, r.label});
    steps.push_back({screen, 121, r.y, 0, r.question});
    steps.push_back({++screen, After(121, r.question), r.y, 5, r.answer});
  }
  ExpectScreens(intro::ShowExercise2Answers, std::string(6, ' '), 6, steps, 1760);
}

TEST(WritingRules, Exercise6ThenTheWholeSummaryAtOnce) {
  std::vector<Step> steps = {
      {0, 40, 30, 3, "教科書P68問6　解答"},
      {0, 40, 105, 3, "(1)"},
      {1, 121, 105, 0, "a/3="},
      {2, After(121, "a/3="), 105, 5, "ﾀa/3ﾀ (L)"},
      {2, 40, 185, 3, "(2)"},
      {3, After(40, "(2)"), 185, 0, "(15+10+x)/3"},
      {4, 94, 245, 0, "=(25+x)/3"},
      {5, 94, 315, 5, "=ﾀ25+x/3ﾀ (点)"},
      {6, 600, 30, 5, "<文字式の表し方>"},
  };
  struct Rule {
    const char* number;
    float y;
    const char* text;
  };
  const Rule rules[] = {
      {"①", 80, "*は省いて書く"},
      {"②", 130, "文字と数の積では、"},
      {"③", 230, "文字はa,b,c…順に書く"},
      {"④", 280, "1と文字の積は1を書かない。"},
      {"⑤", 380, "同じ文字の積は、指数を使って書く"},
      {"⑥", 480, "÷は使わないで、分数の形で書く"},
  };
  for (const Rule& r : rules) {
    steps.push_back({6, 600, r.y, 0, r.number});
    steps.push_back({6, After(600, r.number), r.y, 3, r.text});
  }
  steps.push_back({6, After(After(600, "①"), "*は省いて書く"), 80, 0, "(a*b=ab)"});
  steps.push_back({6, 636, 180, 3, "数を文字の前に書く"});
  steps.push_back({6, After(636, "数を文字の前に書く"), 180, 0, "(2*x=2x)"});
  steps.push_back({6, After(After(600, "③"), "文字はa,b,c…順に書く"), 230, 0, "(ba→ab)"});
  steps.push_back({6, 636, 330, 0, "(1a=a -1x=-x)"});
  steps.push_back({6, 636, 430, 0, "(a*a=a^2)"});
  steps.push_back({6, 636, 540, 0, "(x/3=ﾀx/3ﾀ)"});
  ExpectScreens(intro::ShowExercise6AndSummary, std::string(6, ' '), 6, steps, 1760);
}

// --- the texts around the drills (one problem in each drill) ---

TEST(WritingRules, ProductsRuleAndExample1AfterTheDrill) {
  const std::string line = "品物を2個買ったときのおつりは？";
  ExpectScreens(intro::ShowRule1ProductDrill, DrillKeys(1) + std::string(6, ' '), 7,
                {
                    {3, 120, 190, 5, "<積の表し方>"},
                    {4, 80, 250, 3, "①*は省いて書く"},
                    {5, 80, 310, 3, "③数を文字の前に書く"},
                    {6, 520, 100, 0, "例1　1000円出して、1個a円の"},
                    {6, 520, 150, 0, line},
                    {7, 520, 200, 3, "おつり=1000-(代金)"},
                    {7, 520, 250, 3, "代金=(単価)*(個数)"},
                    {7, After(520, "代金=(単価)*(個数)") + 30, 250, 0, "だから"},
                    {8, 520, 300, 0, "(1000-a*2)円="},
                    {9, After(520, "(1000-a*2)円="), 300, 5, "(1000-2a)円"},
                });
}

TEST(WritingRules, Rule2DrillsFollowEachOtherWithTheirRules) {
  // Q1 with three problems still puts Q2 below its rule at the same place.
  const std::string keys = DrillKeys(3) + DrillKeys(1) + DrillKeys(1) + " ";
  ExpectScreens(intro::ShowRule2Drills, keys, 6,
                {
                    {9, 80, 190, 5, "アルファベット順に書く"},
                    {9, After(80, "アルファベット順に書く"), 190, 3, "(例外もある)"},
                    {9, 40, 270, 3, "Q2　きまりをみつけよう。"},
                    {12, 80, 430, 5, "( )は1つの文字と同じ"},
                    {12, 680, 30, 3, "Q3　きまりをみつけよう。"},
                    {15, 720, 200, 5, "分数も整数と同じ"},
                    {15, 680, 250, 3, "(文字は真ん中の棒の横に書く)"},
                    {16, 40, 500, 7, "教科書P67 問2 をしなさい。"},
                });
}

TEST(WritingRules, Rule3DrillsWithExercises3And4) {
  struct Row {
    const char* label;
    const char* question;
    const char* answer;
  };
  const Row exercise3[] = {
      {"(1)", "y*1=", "y"},
      {"(2)", "(-4)*x=", "-4x"},
      {"(3)", "b*(-1)=", "-b"},
      {"(4)", "a*(-2)+1=", "-2a+1"},
      {"(5)", "x*(-1)+y*11=", "-x+11y"},
      {"(6)", "b-0.1*a=", "b-0.1a"},
  };
  const Row exercise4[] = {
      {"(1)", "b*b*b=", "b^3"},
      {"(2)", "x*x*3=", "3x^2"},
      {"(3)", "x*y*y=", "xy^2"},
      {"(4)", "a*b*a*a*b=", "a^3b^2"},
  };
  std::vector<Step> steps = {
      {3, 134, 190, 5, "1は書かない"},
      {3, After(134, "1は書かない"), 190, 3, "(0.1は書く)"},
      {4, 40, 250, 7, "教科書P67  問3 をしなさい。"},
  };
  int screen = 5;
  float y = 300;
  for (const Row& r : exercise3) {
    steps.push_back({screen, 40, y, 3, r.label});
    steps.push_back({screen, 121, y, 0, r.question});
    steps.push_back({++screen, After(121, r.question), y, 5, r.answer});
    y += 50;
  }
  // Q2 right after the last answer, in the right-hand column.
  steps.push_back({screen, 694, 30, 3, "Q2　きまりをみつけよう。"});
  steps.push_back({14, 734, 190, 5, "累乗の指数を使って書く"});
  steps.push_back({15, 640, 250, 3, "教科書P67 問4 をしなさい。"});
  screen = 16;
  y = 300;
  for (const Row& r : exercise4) {
    steps.push_back({screen, 640, y, 3, r.label});
    steps.push_back({screen, 721, y, 0, r.question});
    steps.push_back({++screen, After(721, r.question), y, 5, r.answer});
    y += 50;
  }
  ExpectScreens(intro::ShowRule3Drills,
                DrillKeys(1) + std::string(8, ' ') + DrillKeys(1) + "      ", 16, steps);
}

TEST(WritingRules, Rule4DrillsWithExercise5) {
  struct Row {
    const char* label;
    float y;
    const char* question;
    const char* answer;
  };
  const Row exercise5[] = {
      {"(1)", 110, "x/7=", "ﾀx/7ﾀ"},
      {"(2)", 190, "5x/2=", "ﾀ5x/2ﾀ"},
      {"(3)", 270, "(a+b)/6=", "ﾀa+b/6ﾀ"},
      {"(4)", 350, "a/(-3)=ﾀa/-3ﾀ=", "-ﾀa/3ﾀ"},
  };
  // Ending Q1 leads straight into Q2: its heading is on the screen of Q1's rule.
  std::vector<Step> steps = {
      {3, 134, 200, 5, "分数の形で書く"},
      {3, 40, 280, 7, "ﾀx/4ﾀ=ﾀ1/4ﾀx,ﾀ3x/4ﾀ=ﾀ3/4ﾀx でもよい"},
      {3, 40, 360, 3, "Q2　きまりをみつけよう。"},
      {6, 40, 520, 5, "- が奇数のとき、- をつける"},
      {7, 640, 30, 7, "教科書P68問5 をしなさい。"},
      {13, 640, 420, 7, "教科書P68 問6 をしなさい。"},
  };
  int screen = 8;
  for (const Row& r : exercise5) {
    steps.push_back({screen, 640, r.y, 3, r.label});
    steps.push_back({screen, 721, r.y, 0, r.question});
    steps.push_back({++screen, After(721, r.question), r.y, 5, r.answer});
  }
  ExpectScreens(intro::ShowRule4QuotientDrills, DrillKeys(1) + DrillKeys(1) + std::string(7, ' '),
                9, steps);
}

TEST(WritingRules, SymbolWritingDrillWithExercise7InPairs) {
  struct Pair {
    float y;
    const char* labels[2];
    const char* questions[2];
    const char* answers[2];
  };
  const Pair pairs[] = {
      {290, {"(1)", "(2)"}, {"6ab=", "5x^2="}, {"6*a*b", "5*x*x"}},
      {370, {"(3)", "(4)"}, {"ﾀ2x/7ﾀ=", "a-ﾀb/2ﾀ="}, {"2*x/7", "a-b/2"}},
      {450, {"(5)", "(6)"}, {"ﾀm+n/4ﾀ=", "ﾀ1/5ﾀ(a-b)="}, {"(m+n)/4", "1/5*(a-b)"}},
  };
  std::vector<Step> steps = {{4, 40, 210, 7, "教科書P68問7 をしなさい。"}};
  int screen = 5;
  for (const Pair& p : pairs) {
    steps.push_back({screen, 40, p.y, 3, p.labels[0]});
    steps.push_back({screen, 121, p.y, 0, p.questions[0]});
    const float answerX = After(121, p.questions[0]);
    steps.push_back({++screen, answerX, p.y, 5, p.answers[0]});
    // The right-hand label 80 after the left-hand answer, its question right after it.
    const float labelX = After(answerX, p.answers[0]) + 80;
    steps.push_back({screen, labelX, p.y, 3, p.labels[1]});
    const float questionX = After(labelX, p.labels[1]);
    steps.push_back({screen, questionX, p.y, 0, p.questions[1]});
    steps.push_back({++screen, After(questionX, p.questions[1]), p.y, 5, p.answers[1]});
  }
  ExpectScreens(intro::ShowSymbolWritingDrill, DrillKeys(1) + std::string(8, ' '), 9, steps);
}

TEST(WritingRules, TheLastProblemsLineCarriesTheRuleWhateverItWas) {
  // Whatever problem came last, the rule of item ⑤ stands at y 190 and that of item ⑥ at 200.
  for (int pick : {1, 6, 10}) {
    Bench b(DrillKeys(2) + std::string(8, ' ') + DrillKeys(1) + std::string(6, ' '));
    b.m.random.Script({PickValue(pick, 10), PickValue(pick % 10 + 1, 10), PickValue(2, 10)});
    intro::ShowRule3Drills(b.m);
    EXPECT_TRUE(DrewMarkup(b.device.log(), 134, 190, 5, "1は書かない")) << pick;
    EXPECT_TRUE(DrewMarkup(b.device.log(), 734, 190, 5, "累乗の指数を使って書く")) << pick;
  }
}

}  // namespace
}  // namespace orvelle
