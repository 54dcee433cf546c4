// Section 3, items ⑤ "例8" and ⑥ "問12" of Orvelle: circumferences with 3.14 and with π.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "../../support/machine.h"
#include "../../support/screen.h"
#include "drill_passes.h"
#include "lessons/intro/quantities.h"

namespace orvelle {
namespace {

using test::DrewMarkup;
using test::DrillRun;
using test::DrillScript;
using test::KeyWaits;
using test::MarkupEnd;

float R(int pick, int low, int n) { return (static_cast<float>(pick - low) + 0.5f) / n; }

bool HasBox(const std::vector<DrawCall>& log, float x1, float y1, float x2, float y2) {
  for (const auto& c : log) {
    if (c.op == "box" && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2 && c.color == 15 &&
        c.fill == 15) {
      return true;
    }
  }
  return false;
}

// 例8 with `first` passes of 問① and `second` of 問②, and its closing keys.
DrillScript Example8(int first, int second) {
  DrillScript s;
  s.Keys("3\r5\r").Passes(first, 1).Keys(" ").Passes(second, 1).Keys("  8\r6\r");
  return s;
}

// Every diameter of the table gives its circumference exactly as a pupil writes it.
TEST(CircleExample8, CircumferencesWithThreePointOneFour) {
  const char* diameters[] = {"1", "2", "10", "20", "100", "200"};
  const char* answers[] = {"3.14", "6.28", "31.4", "62.8", "314", "628"};
  std::vector<float> picks;
  for (int i = 1; i <= 6; ++i) picks.push_back(R(i, 1, 6));
  picks.push_back(R(4, 1, 9));
  std::vector<std::vector<DrawCall>> passes;
  DrillRun run(
      Example8(6, 1),
      [&](int, const Machine&, const std::vector<DrawCall>& log) { passes.push_back(log); },
      "12:00:00", [&](Machine& m) { m.random.Script(picks); });
  ASSERT_EQ(passes.size(), 7u);
  for (int i = 0; i < 6; ++i) {
    const auto& log = passes[i];
    const std::string d = diameters[i];
    EXPECT_TRUE(HasBox(log, 0, 0, 560, 320));
    EXPECT_TRUE(DrewMarkup(log, 40, 30, 0, "問①　直径" + d + "cmの"));
    EXPECT_TRUE(DrewMarkup(log, 40, 80, 0, "円の周の長さを求めなさい。"));
    EXPECT_TRUE(DrewMarkup(log, 100, 140, 0, d + "*3.14="));
    EXPECT_TRUE(
        DrewMarkup(log, MarkupEnd(100, d + "*3.14="), 140, 3, std::string(answers[i]) + " (cm)"))
        << answers[i];
    EXPECT_EQ(KeyWaits(log), 1);
  }
  EXPECT_TRUE(HasBox(passes[0], 0, 0, 1320, 1300));

  // The rule for π, then 問② from y 300 under it.
  const auto& p2 = passes[6];
  EXPECT_TRUE(DrewMarkup(p2, 40, 200, 3, "円周率(3.14)を"));
  EXPECT_TRUE(DrewMarkup(p2, MarkupEnd(40, "円周率(3.14)を"), 200, 5, "π"));
  EXPECT_TRUE(HasBox(p2, 0, 300, 560, 620));
  EXPECT_TRUE(DrewMarkup(p2, 40, 300, 0, "問②　半径4cmの円の周の"));
  EXPECT_TRUE(DrewMarkup(p2, 40, 350, 0, "長さを、πを使って求めなさい。"));
  EXPECT_TRUE(DrewMarkup(p2, 100, 430, 0, "2*4*π="));
  EXPECT_TRUE(DrewMarkup(p2, MarkupEnd(100, "2*4*π="), 430, 3, "8π (cm)"));
  EXPECT_EQ(KeyWaits(p2), 2);

  EXPECT_TRUE(DrewMarkup(run.rest, 40, 500, 5, "πは数のあと、文字の前に書く"));
  EXPECT_TRUE(DrewMarkup(run.rest, 640, 30, 7, "教科書P70 問11 をしなさい。"));
  EXPECT_TRUE(DrewMarkup(run.rest, 700, 90, 0, "5*π="));
  EXPECT_TRUE(DrewMarkup(run.rest, MarkupEnd(700, "5*π="), 90, 5, "5π (cm)"));
  EXPECT_EQ(KeyWaits(run.rest), 2);
  EXPECT_FALSE(run.device.KeysLeft());
}

// Any number but 1 gives another problem, 0, a negative number and a fraction too; 2/2 is 1.
TEST(CircleExample8, OnlyOneEndsADrill) {
  DrillScript s;
  s.Keys("3\r5\r").Pass(1, "0").Pass(1, "-3").Pass(1, "1/2").Pass(1, "2/2");
  s.Keys(" ").Pass(1, "1").Keys("  8\r6\r");
  DrillRun run(
      s, [](int, const Machine&, const std::vector<DrawCall>&) {}, "12:00:00");
  EXPECT_EQ(run.checks, 5);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewMarkup(run.rest, 640, 30, 7, "教科書P70 問11 をしなさい。"));
}

// A repeated radius shows 10, and the pick before it stays the one compared.
TEST(CircleExample8, RepeatedRadiusShowsTen) {
  auto radii = [](std::vector<int> picks) {
    test::Bench b;
    std::vector<float> shown;
    for (int pick : picks) {
      b.m.random.Script({R(pick, 1, 9)});
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
  b.m.random.Script({R(7, 6, 5), 0});
  intro::PickSpeedAndTime(b.m);  // speed 70
  b.m.random.Script({R(7, 1, 9)});
  intro::PickRadius(b.m);
  EXPECT_EQ(b.m.coef[1], 10);
  EXPECT_EQ(b.m.lastPick, 7);
  b.m.random.Script({R(8, 1, 9)});
  intro::PickRadius(b.m);
  EXPECT_EQ(b.m.lastPick, 8);
  b.m.random.Script({R(8, 6, 5), 0});
  intro::PickSpeedAndTime(b.m);
  EXPECT_EQ(b.m.coef[1], 50);

  // Through the program: 例7 (one pass each, all speeds 70) then 例8 with a radius pick of 7.
  DrillScript s;
  s.Keys("3\r4\r").Pass(1, "1").Keys(" ").Pass(1, "1").Keys(" ").Pass(1, "1").Keys(" ");
  s.Pass(1, "1").Keys("  5\r").Pass(1, "1").Keys(" ").Pass(1, "1").Keys("  8\r6\r");
  std::vector<float> radius;
  DrillRun run(
      s,
      [&](int pass, const Machine& m, const std::vector<DrawCall>&) {
        if (pass == 5) radius.push_back(m.coef[1]);
      },
      "12:00:00",
      [](Machine& m) {
        m.random.Script({R(7, 6, 5), 0, R(7, 6, 5), 0, R(7, 6, 5), 0, R(7, 6, 5), 0, 0, R(1, 1, 6),
                         R(7, 1, 9)});
      });
  ASSERT_EQ(radius.size(), 1u);
  EXPECT_EQ(radius[0], 10);
  EXPECT_EQ(run.m.lastPick, 7);
}

TEST(CircleExample8, ThousandPassesOfEachDrill) {
  constexpr int kPasses = 250;
  const char* clocks[] = {"06:06:06", "09:09:09", "12:34:56", "16:00:01"};
  const std::set<std::pair<int, std::string>> table = {{1, "3.14"},  {2, "6.28"},  {10, "31.4"},
                                                       {20, "62.8"}, {100, "314"}, {200, "628"}};
  std::set<int> diametersSeen, radiiSeen;
  for (const char* clock : clocks) {
    float lastPick = 0;
    DrillRun run(
        Example8(kPasses, kPasses),
        [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
          const test::PassScreen screen(log);
          const int given = static_cast<int>(m.coef[1]);
          if (pass < kPasses) {
            std::string answer;
            for (const auto& [d, c] : table) {
              if (d == given) answer = c;
            }
            ASSERT_FALSE(answer.empty()) << given;
            diametersSeen.insert(given);
            const std::string d = std::to_string(given);
            EXPECT_TRUE(screen.Drew(test::RememberedMarkupEnd(100, d + "*3.14="), 140, 3,
                                    answer + " (cm)"));
            return;
          }
          ASSERT_TRUE(given >= 1 && given <= 10 && m.coef[1] == given) << m.coef[1];
          radiiSeen.insert(given);
          if (given == 10) {
            EXPECT_EQ(m.lastPick, lastPick);
          } else {
            EXPECT_NE(given, lastPick);
            EXPECT_EQ(m.lastPick, given);
          }
          lastPick = m.lastPick;
          const std::string r = std::to_string(given);
          EXPECT_TRUE(screen.Drew(40, 300, 0, "問②　半径" + r + "cmの円の周の"));
          EXPECT_TRUE(screen.Drew(test::RememberedMarkupEnd(100, "2*" + r + "*π="), 430, 3,
                                  std::to_string(2 * given) + "π (cm)"));
        },
        clock);
    EXPECT_EQ(run.checks, 2 * kPasses);
    EXPECT_FALSE(run.device.KeysLeft());
    EXPECT_FALSE(test::ShowedErrorScreen(run.rest));
  }
  EXPECT_EQ(diametersSeen.size(), 6u);
  EXPECT_EQ(radiiSeen.size(), 10u);
}

TEST(CircleExercise12, DiameterAndCircumferenceOfALetterRadius) {
  constexpr int kPasses = 1000;
  DrillScript s;
  s.Keys("3\r6\r").Passes(kPasses, 2).Keys(" 8\r6\r");
  std::map<std::string, int> seen;
  DrillRun run(
      s,
      [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
        const test::PassScreen screen(log);
        const std::string l = m.letterText[1];
        ASSERT_TRUE(l == "a" || l == "b" || l == "x" || l == "y" || l == "r") << l;
        ++seen[l];
        EXPECT_TRUE(HasBox(log, 0, 0, 560, 320));
        EXPECT_TRUE(screen.Drew(40, 30, 0, "Q　半径" + l + "cmのとき"));
        EXPECT_TRUE(screen.Drew(40, 80, 0, "直径と円周を求めなさい。"));
        EXPECT_EQ(KeyWaits(log), 2);
        if (pass > 3) return;  // the positions once are enough
        const float x2 = test::RememberedMarkupEnd(40, "直径…");
        EXPECT_TRUE(screen.Drew(40, 140, 3, "直径…"));
        EXPECT_TRUE(screen.Drew(x2, 140, 0, "2*" + l + "="));
        EXPECT_TRUE(
            screen.Drew(test::RememberedMarkupEnd(x2, "2*" + l + "="), 140, 5, "2" + l + " (cm)"));
        const float x3 = test::RememberedMarkupEnd(40, "円周…");
        EXPECT_TRUE(screen.Drew(40, 200, 3, "円周…"));
        EXPECT_TRUE(screen.Drew(test::RememberedMarkupEnd(x3, "2*" + l + "*π="), 200, 5,
                                "2π" + l + " (cm)"));
      },
      "10:20:30");
  EXPECT_EQ(run.checks, kPasses);
  EXPECT_EQ(seen.size(), 5u);
  EXPECT_TRUE(DrewMarkup(run.rest, 640, 30, 7, "教科書P70 問12 をしなさい。"));
  EXPECT_TRUE(DrewMarkup(run.rest, 700, 90, 0, "r*r*π="));
  EXPECT_TRUE(DrewMarkup(run.rest, test::RememberedMarkupEnd(700, "r*r*π="), 90, 5, "πr^2 (cm^2)"));
  EXPECT_EQ(KeyWaits(run.rest), 1);
  EXPECT_FALSE(run.device.KeysLeft());
}

}  // namespace
}  // namespace orvelle
