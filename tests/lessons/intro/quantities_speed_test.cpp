// Section 3, item ④ "例7" of Orvelle: the four speed drills on the recording device.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "../../support/lesson_run.h"
#include "lessons/intro/quantities.h"

namespace orvelle {
namespace {

using test::DrillKeys;
using test::kIntro;
using test::MarkupEnd;
using test::Pick;
using test::Str;

TEST(SpeedItem, FourDrillsSideBySide) {
  // Speeds 70, 80, 90, 60 and times 35, 31, 30, 33; the letter of 問④ is "a".
  const test::ItemRun item(
      kIntro, 3, 4, 9,
      DrillKeys(1) + " " + DrillKeys(1) + " " + DrillKeys(1) + " " + DrillKeys(1) + "  ",
      {Pick(7, 6, 5), Pick(35, 30, 10), Pick(8, 6, 5), Pick(31, 30, 10), Pick(9, 6, 5),
       Pick(30, 30, 10), Pick(6, 6, 5), Pick(33, 30, 10), Pick(2, 2, 4)});
  const float fraction = MarkupEnd(700, "ﾀ2700/30ﾀ=");
  item.Expect({
      {40, 30, 0, "問①　分速70mで 35分", 0},
      {40, 80, 0, "進むときの道のりを求めなさい。", 0},
      {100, 140, 0, "70*35=", 1},
      {MarkupEnd(100, "70*35="), 140, 3, "2450 (m)", 1},
      {40, 200, 5, "(道のり)=(速さ)*(時間)", 3},
      {40, 300, 0, "問②　分速80mで 2480m", 4},
      {40, 350, 0, "進むときにかかる時間を求めなさい。", 4},
      {100, 430, 0, "ﾀ2480/80ﾀ=", 5},
      {MarkupEnd(100, "ﾀ2480/80ﾀ="), 430, 3, "31 (分間)", 5},
      {40, 500, 5, "(時間)=ﾀ道のり/速さﾀ", 7},
      {640, 30, 0, "問③　2700m を30分で", 8},
      {640, 80, 0, "進むときの速さ(分速)を求めなさい。", 8},
      {700, 160, 0, "ﾀ2700/30ﾀ=", 9},
      {fraction, 160, 3, "90", 9},
      {MarkupEnd(fraction, "90") + 10, 160, 5, "(毎分90m)", 9},
      {640, 230, 5, "(速さ)=ﾀ道のり/時間ﾀ", 11},
      {640, 320, 0, "問④　分速60mで a分", 12},
      {640, 370, 0, "進むときの道のりを求めなさい。", 12},
      {700, 450, 0, "60*a=", 13},
      {MarkupEnd(700, "60*a=") + 10, 450, 5, "60a (m)", 13},
      {640, 520, 7, "教科書P69問10 をしなさい。", 16},
      {700, 600, 5, "ﾀ800/xﾀ分間", 17},
  });
  // Each drill erases its own quarter on every pass; the first also the page.
  const struct {
    int screen;
    float x1, y1, x2, y2;
  } erased[] = {{0, 0, 0, 1320, 1300},
                {0, 0, 0, 560, 320},
                {4, 0, 300, 560, 620},
                {8, 640, 30, 2000, 350},
                {12, 640, 320, 2000, 640}};
  for (const auto& e : erased) {
    EXPECT_TRUE(test::HasBox(item.screens[e.screen], e.x1, e.y1, e.x2, e.y2, 15, 15)) << e.screen;
  }
}

TEST(SpeedItem, ARepeatedSpeedShowsFiftyAndKeepsTheLastPick) {
  test::Bench b;
  auto speed = [&](int pick) {
    b.m.random.Script({Pick(pick, 6, 5), 0});
    intro::PickSpeedAndTime(b.m);
    return b.m.coef[1];
  };
  EXPECT_EQ(speed(7), 70);  // lastPick 0 at start: the first pick always stands
  EXPECT_EQ(speed(7), 50);
  EXPECT_EQ(speed(7), 50);  // 50 may come several times in a row
  EXPECT_EQ(b.m.lastPick, 7);
  EXPECT_EQ(speed(9), 90);
  EXPECT_EQ(speed(7), 70);
}

// The four drills over many seeded passes: each pick in range, the repeat rule, the kinds of
// 問④ in turn, and every worked answer right.
TEST(SpeedItem, ThousandPassesOfEachDrill) {
  constexpr int kPasses = 250;
  for (const char* clock : {"08:15:30", "10:42:07", "13:05:59", "15:59:11"}) {
    test::DrillScript s;
    s.Keys(test::EnterItem(test::kIntro, 3, 4))
        .Passes(kPasses, 1)
        .Keys(" ")
        .Passes(kPasses, 1)
        .Keys(" ");
    s.Passes(kPasses, 1)
        .Keys(" ")
        .Passes(kPasses, 1)
        .Keys("  " + test::LeaveProgram(test::kIntro, 3));
    float lastPick = 0;
    int fifties = 0;
    test::DrillRun run(
        kIntro, s,
        [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
          const test::Screen screen(log);
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
          const std::string V = Str(v), T = Str(t), D = Str(v * t), L = m.letterText[1];
          switch (pass / kPasses) {
            case 0:
              EXPECT_TRUE(screen.Drew(40, 30, 0, "問①　分速" + V + "mで " + T + "分"));
              EXPECT_TRUE(screen.Drew(MarkupEnd(100, V + "*" + T + "="), 140, 3, D + " (m)"));
              break;
            case 1:
              EXPECT_TRUE(screen.Drew(40, 300, 0, "問②　分速" + V + "mで " + D + "m"));
              EXPECT_TRUE(
                  screen.Drew(MarkupEnd(100, "ﾀ" + D + "/" + V + "ﾀ="), 430, 3, T + " (分間)"));
              break;
            case 2:
              EXPECT_TRUE(screen.Drew(640, 30, 0, "問③　" + D + "m を" + T + "分で"));
              EXPECT_TRUE(screen.Drew(MarkupEnd(700, "ﾀ" + D + "/" + T + "ﾀ="), 160, 3, V));
              break;
            default:
              ASSERT_TRUE(L == "a" || L == "b" || L == "x" || L == "y") << L;
              // The three kinds in turn: distance, time, speed.
              if ((pass - 3 * kPasses) % 3 == 0) {
                EXPECT_TRUE(screen.Drew(640, 320, 0, "問④　分速" + V + "mで " + L + "分"));
                EXPECT_TRUE(
                    screen.Drew(MarkupEnd(700, V + "*" + L + "=") + 10, 450, 5, V + L + " (m)"));
              } else if ((pass - 3 * kPasses) % 3 == 1) {
                EXPECT_TRUE(screen.Drew(640, 320, 0, "問④　分速" + L + "mで " + D + "m"));
                EXPECT_TRUE(screen.Drew(710, 450, 5, "ﾀ" + D + "/" + L + "ﾀ (分間)"));
              } else {
                EXPECT_TRUE(screen.Drew(640, 320, 0, "問④　" + L + "m を" + T + "分で"));
                EXPECT_TRUE(screen.Drew(710, 450, 5, "毎分 ﾀ" + L + "/" + T + "ﾀ m"));
              }
          }
        },
        clock);
    run.ExpectPasses(4 * kPasses);
    // About one pass in five repeats the pick before it.
    EXPECT_GT(fifties, 4 * kPasses / 10);
    EXPECT_LT(fifties, 4 * kPasses * 3 / 10);
  }
}

}  // namespace
}  // namespace orvelle
