// Section 3, item ④ "例7" of Orvelle: the four speed drills on the recording device.
#include <gtest/gtest.h>

#include <cmath>
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

// A random value that gives `pick` from IntPart(r * n) + low.
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

std::string Str(float v) { return std::to_string(static_cast<int>(v)); }

// One problem of each drill, typed 1 at each prompt: main menu 3, item 4, then the drills.
DrillScript OnePassEach() {
  DrillScript s;
  s.Keys("3\r4\r").Pass(1, "1").Keys(" ").Pass(1, "1").Keys(" ").Pass(1, "1").Keys(" ");
  s.Pass(1, "1").Keys("  8\r6\r");
  return s;
}

TEST(SpeedItem, FourDrillsSideBySide) {
  // Speeds 70, 80, 90, 60 and times 35, 31, 30, 33; the letter of 問④ is "a".
  const std::vector<float> picks = {R(7, 6, 5),    R(35, 30, 10), R(8, 6, 5),
                                    R(31, 30, 10), R(9, 6, 5),    R(30, 30, 10),
                                    R(6, 6, 5),    R(33, 30, 10), R(2, 2, 4)};
  std::vector<std::vector<DrawCall>> passes;
  DrillRun run(
      OnePassEach(),
      [&](int, const Machine&, const std::vector<DrawCall>& log) { passes.push_back(log); },
      "12:00:00", [&](Machine& m) { m.random.Script(picks); });
  ASSERT_EQ(passes.size(), 4u);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_FALSE(test::ShowedErrorScreen(run.rest));

  const auto& p1 = passes[0];
  EXPECT_TRUE(HasBox(p1, 0, 0, 1320, 1300));
  EXPECT_TRUE(HasBox(p1, 0, 0, 560, 320));
  EXPECT_TRUE(DrewMarkup(p1, 40, 30, 0, "問①　分速70mで 35分"));
  EXPECT_TRUE(DrewMarkup(p1, 40, 80, 0, "進むときの道のりを求めなさい。"));
  EXPECT_TRUE(DrewMarkup(p1, 100, 140, 0, "70*35="));
  EXPECT_TRUE(DrewMarkup(p1, MarkupEnd(100, "70*35="), 140, 3, "2450 (m)"));
  EXPECT_EQ(KeyWaits(p1), 1);

  const auto& p2 = passes[1];
  EXPECT_TRUE(DrewMarkup(p2, 40, 200, 5, "(道のり)=(速さ)*(時間)"));
  EXPECT_TRUE(HasBox(p2, 0, 300, 560, 620));
  EXPECT_TRUE(DrewMarkup(p2, 40, 300, 0, "問②　分速80mで 2480m"));
  EXPECT_TRUE(DrewMarkup(p2, 40, 350, 0, "進むときにかかる時間を求めなさい。"));
  EXPECT_TRUE(DrewMarkup(p2, 100, 430, 0, "ﾀ2480/80ﾀ="));
  EXPECT_TRUE(DrewMarkup(p2, MarkupEnd(100, "ﾀ2480/80ﾀ="), 430, 3, "31 (分間)"));
  EXPECT_EQ(KeyWaits(p2), 2);

  const auto& p3 = passes[2];
  EXPECT_TRUE(DrewMarkup(p3, 40, 500, 5, "(時間)=ﾀ道のり/速さﾀ"));
  EXPECT_TRUE(HasBox(p3, 640, 30, 2000, 350));
  EXPECT_TRUE(DrewMarkup(p3, 640, 30, 0, "問③　2700m を30分で"));
  EXPECT_TRUE(DrewMarkup(p3, 640, 80, 0, "進むときの速さ(分速)を求めなさい。"));
  const float afterFraction = MarkupEnd(700, "ﾀ2700/30ﾀ=");
  EXPECT_TRUE(DrewMarkup(p3, 700, 160, 0, "ﾀ2700/30ﾀ="));
  EXPECT_TRUE(DrewMarkup(p3, afterFraction, 160, 3, "90"));
  EXPECT_TRUE(DrewMarkup(p3, MarkupEnd(afterFraction, "90") + 10, 160, 5, "(毎分90m)"));

  const auto& p4 = passes[3];
  EXPECT_TRUE(DrewMarkup(p4, 640, 230, 5, "(速さ)=ﾀ道のり/時間ﾀ"));
  EXPECT_TRUE(HasBox(p4, 640, 320, 2000, 640));
  EXPECT_TRUE(DrewMarkup(p4, 640, 320, 0, "問④　分速60mで a分"));
  EXPECT_TRUE(DrewMarkup(p4, 640, 370, 0, "進むときの道のりを求めなさい。"));
  EXPECT_TRUE(DrewMarkup(p4, 700, 450, 0, "60*a="));
  EXPECT_TRUE(DrewMarkup(p4, MarkupEnd(700, "60*a=") + 10, 450, 5, "60a (m)"));

  // The textbook exercise after two more keys; then straight back to the sub-menu.
  EXPECT_EQ(KeyWaits(run.rest), 2);
  EXPECT_TRUE(DrewMarkup(run.rest, 640, 520, 7, "教科書P69問10 をしなさい。"));
  EXPECT_TRUE(DrewMarkup(run.rest, 700, 600, 5, "ﾀ800/xﾀ分間"));
  EXPECT_EQ(run.m.exerciseNo, 2);  // 問④ counts the pass that ended it too
}

TEST(SpeedItem, ARepeatedSpeedShowsFiftyAndKeepsTheLastPick) {
  test::Bench b;
  auto speed = [&](int pick) {
    b.m.random.Script({R(pick, 6, 5), 0});
    intro::PickSpeedAndTime(b.m);
    return b.m.coef[1];
  };
  EXPECT_EQ(speed(7), 70);  // lastPick 0 at start: the first pick always stands
  EXPECT_EQ(speed(7), 50);
  EXPECT_EQ(b.m.lastPick, 7);
  EXPECT_EQ(speed(7), 50);  // 50 may come several times in a row
  EXPECT_EQ(speed(9), 90);
  EXPECT_EQ(speed(7), 70);
  EXPECT_EQ(b.m.lastPick, 7);
}

// The four drills over many seeded passes: each pick in range, the repeat rule, the kinds of
// 問④ in turn, and every worked answer right.
TEST(SpeedItem, ThousandPassesOfEachDrill) {
  constexpr int kPasses = 250;
  const char* clocks[] = {"08:15:30", "10:42:07", "13:05:59", "15:59:11"};
  for (const char* clock : clocks) {
    DrillScript s;
    s.Keys("3\r4\r").Passes(kPasses, 1).Keys(" ").Passes(kPasses, 1).Keys(" ");
    s.Passes(kPasses, 1).Keys(" ").Passes(kPasses, 1).Keys("  8\r6\r");
    float lastPick = 0;
    int fifties = 0;
    DrillRun run(
        s,
        [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
          const test::PassScreen screen(log);
          const int drill = pass / kPasses + 1;
          const float v = m.coef[1], t = m.coef[2];
          ASSERT_TRUE(v >= 50 && v <= 100 && std::fmod(v, 10) == 0) << v;
          ASSERT_TRUE(t >= 30 && t <= 39 && t == std::floor(t)) << t;
          if (v == 50) {
            ++fifties;
            EXPECT_EQ(m.lastPick, lastPick);
          } else {
            EXPECT_NE(v / 10, lastPick);
            EXPECT_EQ(m.lastPick, v / 10);
          }
          lastPick = m.lastPick;
          const std::string V = Str(v), T = Str(t), D = Str(v * t);
          if (drill == 1) {
            EXPECT_TRUE(screen.Drew(40, 30, 0, "問①　分速" + V + "mで " + T + "分"));
            EXPECT_TRUE(
                screen.Drew(test::RememberedMarkupEnd(100, V + "*" + T + "="), 140, 3, D + " (m)"));
          } else if (drill == 2) {
            EXPECT_TRUE(screen.Drew(40, 300, 0, "問②　分速" + V + "mで " + D + "m"));
            const std::string work = "ﾀ" + D + "/" + V + "ﾀ=";
            EXPECT_TRUE(screen.Drew(test::RememberedMarkupEnd(100, work), 430, 3, T + " (分間)"));
          } else if (drill == 3) {
            EXPECT_TRUE(screen.Drew(640, 30, 0, "問③　" + D + "m を" + T + "分で"));
            const std::string work = "ﾀ" + D + "/" + T + "ﾀ=";
            EXPECT_TRUE(screen.Drew(test::RememberedMarkupEnd(700, work), 160, 3, V));
          } else {
            const int kind = pass % kPasses % 3 + 1;
            const std::string L = m.letterText[1];
            ASSERT_TRUE(L == "a" || L == "b" || L == "x" || L == "y") << L;
            if (kind == 1) {
              EXPECT_TRUE(screen.Drew(640, 320, 0, "問④　分速" + V + "mで " + L + "分"));
              EXPECT_TRUE(screen.Drew(test::RememberedMarkupEnd(700, V + "*" + L + "=") + 10, 450,
                                      5, V + L + " (m)"));
            } else if (kind == 2) {
              EXPECT_TRUE(screen.Drew(640, 320, 0, "問④　分速" + L + "mで " + D + "m"));
              EXPECT_TRUE(screen.Drew(710, 450, 5, "ﾀ" + D + "/" + L + "ﾀ (分間)"));
            } else {
              EXPECT_TRUE(screen.Drew(640, 320, 0, "問④　" + L + "m を" + T + "分で"));
              EXPECT_TRUE(screen.Drew(710, 450, 5, "毎分 ﾀ" + L + "/" + T + "ﾀ m"));
            }
          }
        },
        clock);
    EXPECT_EQ(run.checks, 4 * kPasses);
    EXPECT_FALSE(run.device.KeysLeft());
    EXPECT_FALSE(test::ShowedErrorScreen(run.rest));
    // About one pass in five repeats the pick before it.
    EXPECT_GT(fifties, 4 * kPasses / 10);
    EXPECT_LT(fifties, 4 * kPasses * 3 / 10);
  }
}

}  // namespace
}  // namespace orvelle
