// Section 3, items ⑤ "例8" and ⑥ "問12" of Orvelle: circumferences with 3.14 and with π.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"
#include "lessons/intro/quantities.h"

namespace orvelle {
namespace {

using test::DrillKeys;
using test::DrillRun;
using test::DrillScript;
using test::kIntro;
using test::MarkupEnd;
using test::Pick;

// 例8 with `first` passes of 問① and `second` of 問②, and its closing keys.
DrillScript Example8(int first, int second) {
  DrillScript s;
  s.Keys(test::EnterItem(test::kIntro, 3, 5)).Passes(first, 1).Keys(" ").Passes(second, 1);
  s.Keys("  " + test::LeaveProgram(test::kIntro, 3));
  return s;
}

// The diameters of 問① and their circumferences exactly as a pupil writes them.
const std::map<int, std::string> kCircumferences = {{1, "3.14"},  {2, "6.28"},  {10, "31.4"},
                                                    {20, "62.8"}, {100, "314"}, {200, "628"}};

TEST(CircleExample8, CircumferencesWithThreePointOneFour) {
  // The six diameters in the order of their table, then a radius of 4.
  std::vector<float> picks;
  for (int i = 1; i <= 6; ++i) picks.push_back(Pick(i, 1, 6));
  picks.push_back(Pick(4, 1, 9));
  const test::ItemRun item(kIntro, 3, 5, 10, DrillKeys(6) + " " + DrillKeys(1) + "  ", picks);
  int screen = 0;
  for (const auto& [diameter, answer] : kCircumferences) {
    const std::string d = std::to_string(diameter);
    item.Expect({{40, 30, 0, "問①　直径" + d + "cmの", screen},
                 {40, 80, 0, "円の周の長さを求めなさい。", screen},
                 {100, 140, 0, d + "*3.14=", screen + 1},
                 {MarkupEnd(100, d + "*3.14="), 140, 3, answer + " (cm)", screen + 1}});
    EXPECT_TRUE(test::HasBox(item.screens[screen], 0, 0, 560, 320, 15, 15));
    screen += 3;  // a key, then "2⏎" at the prompt
  }
  EXPECT_TRUE(test::HasBox(item.screens[0], 0, 0, 1320, 1300, 15, 15));
  // The rule for π, then 問② from y 300 under it; the rule of its answer; 問11.
  EXPECT_TRUE(test::HasBox(item.screens[19], 0, 300, 560, 620, 15, 15));
  item.Expect({
      {40, 200, 3, "円周率(3.14)を", 18},
      {MarkupEnd(40, "円周率(3.14)を"), 200, 5, "π", 18},
      {40, 300, 0, "問②　半径4cmの円の周の", 19},
      {40, 350, 0, "長さを、πを使って求めなさい。", 19},
      {100, 430, 0, "2*4*π=", 20},
      {MarkupEnd(100, "2*4*π="), 430, 3, "8π (cm)", 20},
      {40, 500, 5, "πは数のあと、文字の前に書く", 22},
      {640, 30, 7, "教科書P70 問11 をしなさい。", 23},
      {700, 90, 0, "5*π=", 24},
      {MarkupEnd(700, "5*π="), 90, 5, "5π (cm)", 24},
  });
  EXPECT_TRUE(test::SameExpression("5*π=", "5π (cm)"));
}

// Any number but 1 gives another problem, 0, a negative number and a fraction too; 2/2 is 1.
TEST(CircleExample8, OnlyOneEndsADrill) {
  DrillScript s;
  s.Keys(test::EnterItem(test::kIntro, 3, 5))
      .Pass(1, "0")
      .Pass(1, "-3")
      .Pass(1, "1/2")
      .Pass(1, "2/2");
  s.Keys(" ").Pass(1, "1").Keys("  " + test::LeaveProgram(test::kIntro, 3));
  const DrillRun run(kIntro, s);
  run.ExpectPasses(5);
  EXPECT_TRUE(test::DrewMarkup(run.rest, 640, 30, 7, "教科書P70 問11 をしなさい。"));
}

// A repeated radius shows 10, and the pick before it stays the one compared.
TEST(CircleExample8, RepeatedRadiusShowsTen) {
  auto radii = [](std::vector<int> picks) {
    test::Bench b;
    std::vector<float> shown;
    for (int pick : picks) {
      b.m.random.Script({Pick(pick, 1, 9)});
      intro::PickRadius(b.m);
      shown.push_back(b.m.coef[1]);
    }
    return shown;
  };
  EXPECT_EQ(radii({4, 4, 4}), (std::vector<float>{4, 10, 10}));
  EXPECT_EQ(radii({4, 4, 5}), (std::vector<float>{4, 10, 5}));
  EXPECT_EQ(radii({9, 1, 9}), (std::vector<float>{9, 1, 9}));
}

// The speed drills and the radius drill share their last pick for the whole run.
TEST(CircleExample8, LastPickCouplesTheSpeedAndRadiusDrills) {
  test::Bench b;
  b.m.random.Script({Pick(7, 6, 5), 0});
  intro::PickSpeedAndTime(b.m);  // speed 70
  b.m.random.Script({Pick(7, 1, 9)});
  intro::PickRadius(b.m);
  EXPECT_EQ(b.m.coef[1], 10);
  EXPECT_EQ(b.m.lastPick, 7);
  b.m.random.Script({Pick(8, 1, 9)});
  intro::PickRadius(b.m);
  b.m.random.Script({Pick(8, 6, 5), 0});
  intro::PickSpeedAndTime(b.m);
  EXPECT_EQ(b.m.coef[1], 50);

  // Through the program: 例7 (one pass each, all speeds 70) then 例8 with a radius pick of 7.
  DrillScript s;
  s.Keys(test::EnterItem(test::kIntro, 3, 4))
      .Pass(1, "1")
      .Keys(" ")
      .Pass(1, "1")
      .Keys(" ")
      .Pass(1, "1")
      .Keys(" ");
  s.Pass(1, "1").Keys("  " + test::ChooseItem(test::kIntro, 3, 5)).Pass(1, "1").Keys(" ");
  s.Pass(1, "1").Keys("  " + test::LeaveProgram(test::kIntro, 3));
  float radius = 0;
  const DrillRun run(
      kIntro, s,
      [&](int pass, const Machine& m, const std::vector<DrawCall>&) {
        if (pass == 5) radius = m.coef[1];
      },
      "12:00:00",
      [](Machine& m) {
        m.random.Script({Pick(7, 6, 5), 0, Pick(7, 6, 5), 0, Pick(7, 6, 5), 0, Pick(7, 6, 5), 0, 0,
                         Pick(1, 1, 6), Pick(7, 1, 9)});
      });
  EXPECT_EQ(radius, 10);
  EXPECT_EQ(run.m.lastPick, 7);
}

TEST(CircleExample8, ThousandPassesOfEachDrill) {
  constexpr int kPasses = 250;
  std::set<int> diametersSeen, radiiSeen;
  for (const char* clock : {"06:06:06", "09:09:09", "12:34:56", "16:00:01"}) {
    float lastPick = 0;
    DrillRun run(
        kIntro, Example8(kPasses, kPasses),
        [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
          const test::Screen screen(log);
          const int given = static_cast<int>(m.coef[1]);
          ASSERT_EQ(m.coef[1], given);
          const std::string g = std::to_string(given);
          if (pass < kPasses) {
            ASSERT_EQ(kCircumferences.count(given), 1u) << given;
            diametersSeen.insert(given);
            EXPECT_TRUE(screen.Drew(MarkupEnd(100, g + "*3.14="), 140, 3,
                                    kCircumferences.at(given) + " (cm)"));
            return;
          }
          ASSERT_TRUE(given >= 1 && given <= 10) << given;
          radiiSeen.insert(given);
          if (given == 10) {
            EXPECT_EQ(m.lastPick, lastPick);
          } else {
            EXPECT_NE(given, lastPick);
            EXPECT_EQ(m.lastPick, given);
          }
          lastPick = m.lastPick;
          EXPECT_TRUE(screen.Drew(40, 300, 0, "問②　半径" + g + "cmの円の周の"));
          EXPECT_TRUE(screen.Drew(MarkupEnd(100, "2*" + g + "*π="), 430, 3,
                                  std::to_string(2 * given) + "π (cm)"));
        },
        clock);
    run.ExpectPasses(2 * kPasses);
  }
  EXPECT_EQ(diametersSeen.size(), 6u);
  EXPECT_EQ(radiiSeen.size(), 10u);
}

TEST(CircleExercise12, DiameterAndCircumferenceOfALetterRadius) {
  constexpr int kPasses = 1000;
  DrillScript s;
  s.Keys(test::EnterItem(test::kIntro, 3, 6)).Passes(kPasses, 2);
  s.Keys(" " + test::LeaveProgram(test::kIntro, 3));
  std::map<std::string, int> seen;
  const float x2 = MarkupEnd(40, "直径…"), x3 = MarkupEnd(40, "円周…");
  const DrillRun run(
      kIntro, s,
      [&](int, const Machine& m, const std::vector<DrawCall>& log) {
        const test::Screen screen(log);
        const std::string l = m.letterText[1];
        ASSERT_TRUE(l == "a" || l == "b" || l == "x" || l == "y" || l == "r") << l;
        ++seen[l];
        EXPECT_TRUE(test::HasBox(log, 0, 0, 560, 320, 15, 15));
        EXPECT_EQ(test::KeyWaits(log), 2);
        test::ExpectSeen(log, {{40, 30, 0, "Q　半径" + l + "cmのとき"},
                               {40, 80, 0, "直径と円周を求めなさい。"},
                               {40, 140, 3, "直径…"},
                               {x2, 140, 0, "2*" + l + "="},
                               {MarkupEnd(x2, "2*" + l + "="), 140, 5, "2" + l + " (cm)"},
                               {40, 200, 3, "円周…"},
                               {MarkupEnd(x3, "2*" + l + "*π="), 200, 5, "2π" + l + " (cm)"}});
      },
      "10:20:30");
  run.ExpectPasses(kPasses);
  EXPECT_EQ(seen.size(), 5u);
  test::ExpectSeen(run.rest, {{640, 30, 7, "教科書P70 問12 をしなさい。"},
                              {700, 90, 0, "r*r*π="},
                              {MarkupEnd(700, "r*r*π="), 90, 5, "πr^2 (cm^2)"}});
  EXPECT_TRUE(test::SameExpression("r*r*π=", "πr^2 (cm^2)"));
  EXPECT_EQ(test::KeyWaits(run.rest), 1);
}

}  // namespace
}  // namespace orvelle
