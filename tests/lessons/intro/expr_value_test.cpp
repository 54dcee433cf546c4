// Section 4 "式の値" of Orvelle: its frame, the sticks question with the drills on 5-4x, the
// worked answers of 問1 and 例２, and the drill on 3x+2y.
#include "lessons/intro/expr_value.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "../../support/machine.h"
#include "../../support/screen.h"
#include "drill_passes.h"
#include "lessons/intro/main_menu.h"

namespace orvelle {
namespace {

using test::DrewMarkup;
using test::DrillRun;
using test::DrillScript;
using test::KeyWaits;
using test::MarkupEnd;
using test::ProgramRun;

float R(int pick, int low, int n) { return (static_cast<float>(pick - low) + 0.5f) / n; }

std::string Str(int v) { return std::to_string(v); }

bool HasBox(const std::vector<DrawCall>& log, float x1, float y1, float x2, float y2) {
  for (const auto& c : log) {
    if (c.op == "box" && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2 && c.color == 15 &&
        c.fill == 15) {
      return true;
    }
  }
  return false;
}

// Runs Orvelle: main menu item 4, the section's item `item` with `keys` spaces for its key
// waits, then "⑤終了" and "6　終了".
ProgramRun RunItem(int item, int keys) {
  return ProgramRun("Orvelle", intro::ShowMainMenu,
                    "4\r" + std::to_string(item) + "\r" + std::string(keys, ' ') + "5\r6\r");
}

TEST(ExprValueSection, AimOnceThenTheSubMenu) {
  ProgramRun run("Orvelle", intro::ShowMainMenu, "4\r0\r6\r-1\r5\r6\r");
  const auto& log = run.device.log();
  EXPECT_TRUE(DrewMarkup(log, 44, 240, 3, "<めあて>"));
  EXPECT_TRUE(DrewMarkup(log, 76, 305, 0, "代入と式の値の意味を知り、式の値を求めよう。"));
  int lines = 0;
  for (const auto& c : run.device.Texts()) lines += c.s == "①" && c.x1 == 16 && c.y1 == 666;
  EXPECT_EQ(lines, 4);  // 0, 6 and -1 read again
  EXPECT_EQ(KeyWaits(log), 0);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_EQ(run.status, 0);
}

// The first screen of P71Q: the sticks formula, its value at 30 squares, the two words.
TEST(ExprValueSection, P71QuestionFirstScreen) {
  // The run ends at the first drill's first key wait.
  ProgramRun run("Orvelle", intro::ShowMainMenu, "4\r1\r" + std::string(9, ' '));
  const auto& log = run.device.log();
  EXPECT_TRUE(DrewMarkup(log, 40, 30, 3, "教科書P71Q　をやってみよう。"));
  EXPECT_TRUE(DrewMarkup(log, 40, 80, 0, "正方形を"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "正方形を"), 80, 3, "x"));
  EXPECT_TRUE(DrewMarkup(log, 40, 130, 0, "1+3*"));
  const float x130 = MarkupEnd(MarkupEnd(MarkupEnd(40, "1+3*"), "x"), "=1+3");
  EXPECT_TRUE(DrewMarkup(log, x130, 130, 3, "x…①"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "正方形を"), 180, 3, "30"));
  const float x230 = MarkupEnd(MarkupEnd(40, "1+3*"), "30");
  EXPECT_TRUE(DrewMarkup(log, x230, 230, 0, "=1+90="));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(x230, "=1+90="), 230, 5, "91(本)"));
  EXPECT_TRUE(DrewMarkup(log, 40, 280, 3, "②は、①の"));
  EXPECT_TRUE(DrewMarkup(log, 40, 350, 5, "<式の値>"));
  EXPECT_TRUE(DrewMarkup(log, 40, 400, 5, "代入"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "代入"), 400, 0, "…式の中の文字に"));
  EXPECT_TRUE(DrewMarkup(log, 148, 450, 0, "数をあてはめること"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(148, "数をあてはめること"), 450, 3, "(②の式)"));
  EXPECT_TRUE(DrewMarkup(log, 40, 500, 5, "式の値"));
  const float x500 = MarkupEnd(MarkupEnd(40, "式の値"), "…代入して計算した結果");
  EXPECT_TRUE(DrewMarkup(log, x500, 500, 3, "(91)"));
  // Ten key waits in all: the tenth is the first drill's, before its answer.
  EXPECT_EQ(KeyWaits(log), 10);
  EXPECT_TRUE(
      DrewMarkup(log, 680, 30, 0, "問①　x=" + Str(static_cast<int>(run.m.coef[1])) + "のとき、"));
}

TEST(ExprValueSection, P71QuestionDrillsAtThreeAndMinusThree) {
  DrillScript s;
  s.Keys("4\r1\r" + std::string(9, ' ')).Pass(6, "1").Keys(" ").Pass(6, "1").Keys(" 5\r6\r");
  std::vector<std::vector<DrawCall>> passes;
  DrillRun run(
      s, [&](int, const Machine&, const std::vector<DrawCall>& log) { passes.push_back(log); },
      "12:00:00",
      [](Machine& m) {
        m.random.Script({R(3, 1, 10), R(3, 1, 10)});
      });
  ASSERT_EQ(passes.size(), 2u);
  EXPECT_FALSE(run.device.KeysLeft());

  const auto& p1 = passes[0];
  EXPECT_TRUE(HasBox(p1, 680, 0, 2000, 1300));
  EXPECT_TRUE(DrewMarkup(p1, 680, 30, 0, "問①　x=3のとき、"));
  EXPECT_TRUE(DrewMarkup(p1, 788, 80, 0, "5-4xの値を求めなさい。"));
  EXPECT_TRUE(DrewMarkup(p1, 680, 130, 5, "＜解答＞"));
  EXPECT_TRUE(DrewMarkup(p1, MarkupEnd(680, "＜解答＞") + 10, 130, 3, "x=3を代入して"));
  EXPECT_TRUE(DrewMarkup(p1, 707, 180, 0, "5-4x"));
  const float x = MarkupEnd(707, "5-4x");
  EXPECT_TRUE(DrewMarkup(p1, x, 180, 0, "=5-4*3"));
  EXPECT_TRUE(DrewMarkup(p1, x, 230, 0, "=5-12"));
  EXPECT_TRUE(DrewMarkup(p1, MarkupEnd(x, "=5-12"), 230, 5, "=-7"));

  const auto& p2 = passes[1];
  EXPECT_TRUE(DrewMarkup(p2, 680, 280, 5, "代入するとき、*にする"));
  EXPECT_TRUE(HasBox(p2, 680, 360, 2000, 1660));
  EXPECT_TRUE(DrewMarkup(p2, 680, 360, 0, "問②　x=-3のときは？"));
  EXPECT_TRUE(DrewMarkup(p2, 680, 410, 5, "＜解答＞"));
  EXPECT_TRUE(DrewMarkup(p2, MarkupEnd(680, "＜解答＞") + 10, 410, 3, "x=-3を代入して"));
  EXPECT_TRUE(DrewMarkup(p2, 707, 460, 0, "5-4x"));
  EXPECT_TRUE(DrewMarkup(p2, x, 460, 0, "=5-4*(-3)"));
  EXPECT_TRUE(DrewMarkup(p2, x, 510, 0, "=5+12"));
  EXPECT_TRUE(DrewMarkup(p2, MarkupEnd(x, "=5+12"), 510, 5, "=17"));
  EXPECT_EQ(KeyWaits(p2), 1 + 6);

  EXPECT_TRUE(DrewMarkup(run.rest, 680, 560, 5, "- のとき、( )をつける"));
  EXPECT_TRUE(DrewMarkup(run.rest, 44, 600, 7, "教科書P71 問1 をしなさい。"));
  EXPECT_EQ(KeyWaits(run.rest), 1);
}

TEST(ExprValueSection, P71QuestionThousandPassesOfEachDrill) {
  constexpr int kPasses = 500;
  const char* clocks[] = {"08:00:00", "13:45:27"};
  for (const char* clock : clocks) {
    DrillScript s;
    s.Keys("4\r1\r" + std::string(9, ' ')).Passes(kPasses, 6).Keys(" ").Passes(kPasses, 6);
    s.Keys(" 5\r6\r");
    DrillRun run(
        s,
        [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
          const test::PassScreen screen(log);
          const bool positive = pass < kPasses;
          const int x = static_cast<int>(m.coef[1]);
          ASSERT_EQ(m.coef[1], x);
          if (positive) {
            ASSERT_TRUE(x >= 1 && x <= 10) << x;
          } else {
            ASSERT_TRUE(x >= -10 && x <= -1) << x;
          }
          const float y0 = positive ? 30 : 360;
          const float y = y0 + (positive ? 150 : 100);
          const std::string shown = x < 0 ? "(" + Str(x) + ")" : Str(x);
          const int product = -4 * x;
          const float w = test::RememberedMarkupEnd(707, "5-4x");
          EXPECT_TRUE(screen.Drew(w, y, 0, "=5-4*" + shown));
          const std::string second = "=5" + std::string(product > 0 ? "+" : "") + Str(product);
          EXPECT_TRUE(screen.Drew(w, y + 50, 0, second));
          EXPECT_TRUE(
              screen.Drew(test::RememberedMarkupEnd(w, second), y + 50, 5, "=" + Str(5 + product)));
        },
        clock);
    EXPECT_EQ(run.checks, 2 * kPasses);
    EXPECT_FALSE(run.device.KeysLeft());
    EXPECT_FALSE(test::ShowedErrorScreen(run.rest));
  }
}

TEST(ExprValueSection, Exercise1AnswersTwoColumns) {
  ProgramRun run = RunItem(2, 12);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 12);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewMarkup(log, 40, 30, 3, "教科書P71 問1の答"));
  EXPECT_TRUE(DrewMarkup(log, 100, 80, 0, "x=2 を代入して"));
  EXPECT_TRUE(DrewMarkup(log, 40, 130, 3, "(1)"));
  EXPECT_TRUE(DrewMarkup(log, 127, 130, 0, "5x+2"));
  EXPECT_TRUE(DrewMarkup(log, 100, 180, 0, "=5*2+2"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(100, "=10+2="), 230, 5, "12"));
  EXPECT_TRUE(DrewMarkup(log, 40, 310, 3, "(2)"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(100, "=3-4="), 410, 5, "-1"));
  EXPECT_TRUE(DrewMarkup(log, 100, 570, 0, "=ﾀ12/2ﾀ="));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(100, "=ﾀ12/2ﾀ="), 570, 5, "6"));
  EXPECT_TRUE(DrewMarkup(log, 660, 80, 0, "x=-4 を代入して"));
  EXPECT_TRUE(DrewMarkup(log, 660, 180, 0, "=5*(-4)+2"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(660, "=-20+2="), 230, 5, "-18"));
  EXPECT_TRUE(DrewMarkup(log, 660, 570, 0, "=ﾀ12/-4ﾀ="));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(660, "=ﾀ12/-4ﾀ="), 570, 5, "-3"));
}

TEST(ExprValueSection, Example2AnswersWhereTheMinusStands) {
  ProgramRun run = RunItem(3, 18);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 18);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewMarkup(log, 40, 30, 3, "例2 a=-2 のとき、"));
  EXPECT_TRUE(DrewMarkup(log, 127, 190, 0, "-a"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(100, "=-(-2)="), 240, 5, "2"));
  EXPECT_TRUE(DrewMarkup(log, 127, 320, 0, "a^2"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(100, "=(-2)*(-2)="), 420, 5, "4"));
  EXPECT_TRUE(DrewMarkup(log, 520, 30, 7, "教科書P71 問2 をしなさい。"));
  EXPECT_TRUE(DrewMarkup(log, 520, 80, 3, "(1)-a"));
  const float a1 = MarkupEnd(MarkupEnd(520, "(1)-a"), "=-(-5)=");
  EXPECT_TRUE(DrewMarkup(log, a1, 80, 5, "5"));
  EXPECT_TRUE(DrewMarkup(log, 520, 140, 3, "(2)a^2"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(520, "(2)a^2"), 140, 0, "=(-5)^2"));
  EXPECT_TRUE(DrewMarkup(log, 661, 190, 0, "=(-5)*(-5)="));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(661, "=(-5)*(-5)="), 190, 5, "25"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(688, "=-(-5)*(-5)="), 290, 5, "-25"));
  EXPECT_TRUE(DrewMarkup(log, 520, 350, 3, "(4)(-a)^2"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(520, "(4)(-a)^2"), 350, 0, "={-(-5)}^2"));
  EXPECT_TRUE(DrewMarkup(log, 742, 400, 0, "=5^2="));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(742, "=5^2="), 400, 5, "25"));

  // (2)a^2 comes with the value 5 before it; (1)-a waits for its own key.
  for (const auto& part : test::SplitAtKeys(log)) {
    if (DrewMarkup(part, 520, 140, 3, "(2)a^2")) {
      EXPECT_TRUE(DrewMarkup(part, a1, 80, 5, "5"));
    }
    if (DrewMarkup(part, 520, 80, 3, "(1)-a")) {
      EXPECT_FALSE(DrewMarkup(part, 520, 30, 7, "教科書P71 問2 をしなさい。"));
    }
  }
}

// The drill on 3x+2y with the pass left by the sub-menu: x = -3, y = 5 worked.
TEST(ExprValueSection, ValueDrillWorkedPass) {
  DrillScript s;
  s.Keys("4\r4\r").Pass(6, "1").Keys(std::string(11, ' ') + "5\r6\r");
  std::vector<std::vector<DrawCall>> passes;
  DrillRun run(
      s, [&](int, const Machine&, const std::vector<DrawCall>& log) { passes.push_back(log); },
      "12:00:00",
      [](Machine& m) {
        m.random.Script({R(3, 1, 10), R(5, 1, 10), R(1, 1, 2)});
      });
  ASSERT_EQ(passes.size(), 1u);
  EXPECT_FALSE(run.device.KeysLeft());
  const auto& p = passes[0];
  EXPECT_TRUE(DrewMarkup(p, 40, 30, 0, "例3　x=-3,y=5のとき、"));
  EXPECT_TRUE(DrewMarkup(p, 112, 80, 0, "3x+2y　の値を求めなさい。"));
  EXPECT_TRUE(DrewMarkup(p, 40, 130, 5, "＜解答＞"));
  EXPECT_TRUE(DrewMarkup(p, MarkupEnd(40, "＜解答＞") + 10, 130, 3, "x=-3,y=5を代入して"));
  EXPECT_TRUE(DrewMarkup(p, 67, 180, 0, "3x+2y"));
  const float x = MarkupEnd(67, "3x+2y");
  EXPECT_TRUE(DrewMarkup(p, x, 180, 0, "=3*(-3)+2*5"));
  EXPECT_TRUE(DrewMarkup(p, x, 230, 0, "=-9+10"));
  EXPECT_TRUE(DrewMarkup(p, x, 280, 5, "=1"));
  EXPECT_EQ(KeyWaits(p), 6);

  const auto& rest = run.rest;
  EXPECT_TRUE(DrewMarkup(rest, 40, 330, 5, "代入するとき、*　を書く"));
  EXPECT_TRUE(DrewMarkup(rest, 40, 380, 5, "負の数は、( )をつける"));
  EXPECT_TRUE(DrewMarkup(rest, 600, 30, 7, "教科書P72問3 をしなさい。"));
  EXPECT_TRUE(DrewMarkup(rest, 600, 80, 3, "(1)2x-5y"));
  const float e1 = MarkupEnd(600, "(1)2x-5y");
  EXPECT_TRUE(DrewMarkup(rest, e1, 80, 0, "=2*(-3)-5*5"));
  EXPECT_TRUE(DrewMarkup(rest, e1, 130, 0, "=-6-25"));
  EXPECT_TRUE(DrewMarkup(rest, e1, 180, 5, "=-31"));
  EXPECT_TRUE(DrewMarkup(rest, 600, 230, 3, "(2)-x-3y"));
  const float e2 = MarkupEnd(600, "(2)-x-3y");
  EXPECT_TRUE(DrewMarkup(rest, e2, 230, 0, "=-(-3)-3*5"));
  EXPECT_TRUE(DrewMarkup(rest, e2, 330, 5, "=-12"));
  EXPECT_TRUE(DrewMarkup(rest, 600, 390, 3, "(3)x^2+3y"));
  const float e3 = MarkupEnd(600, "(3)x^2+3y");
  EXPECT_TRUE(DrewMarkup(rest, e3, 440, 0, "=9+15"));
  EXPECT_TRUE(DrewMarkup(rest, e3, 490, 5, "=24"));
  EXPECT_EQ(KeyWaits(rest), 11);
}

TEST(ExprValueSection, ValueDrillSignsAndZero) {
  struct Case {
    int x, y, coin;
    const char* products;
    const char* working;
    const char* value;
  };
  const Case cases[] = {{4, 7, 2, "=3*4+2*(-7)", "=12-14", "=-2"},
                        {2, 3, 2, "=3*2+2*(-3)", "=6-6", "=0"}};
  for (const Case& c : cases) {
    DrillScript s;
    s.Keys("4\r4\r").Pass(6, "1").Keys(std::string(11, ' ') + "5\r6\r");
    std::vector<DrawCall> pass;
    DrillRun run(
        s, [&](int, const Machine&, const std::vector<DrawCall>& log) { pass = log; }, "12:00:00",
        [&](Machine& m) {
          m.random.Script({R(c.x, 1, 10), R(c.y, 1, 10), R(c.coin, 1, 2)});
        });
    const float x = MarkupEnd(67, "3x+2y");
    EXPECT_TRUE(DrewMarkup(pass, x, 180, 0, c.products)) << c.products;
    EXPECT_TRUE(DrewMarkup(pass, x, 230, 0, c.working)) << c.working;
    EXPECT_TRUE(DrewMarkup(pass, x, 280, 5, c.value)) << c.value;
  }
}

TEST(ExprValueSection, ValueDrillThousandPasses) {
  constexpr int kPasses = 500;
  const char* clocks[] = {"09:12:13", "14:41:14"};
  int negativeX = 0;
  for (const char* clock : clocks) {
    DrillScript s;
    s.Keys("4\r4\r").Passes(kPasses, 6).Keys(std::string(11, ' ') + "5\r6\r");
    DrillRun run(
        s,
        [&](int, const Machine& m, const std::vector<DrawCall>& log) {
          const test::PassScreen screen(log);
          const int x = static_cast<int>(m.coef[1]), y = static_cast<int>(m.coef[2]);
          ASSERT_TRUE(m.coef[1] == x && m.coef[2] == y);
          ASSERT_TRUE(std::abs(x) >= 1 && std::abs(x) <= 10) << x;
          ASSERT_TRUE(std::abs(y) >= 1 && std::abs(y) <= 10) << y;
          ASSERT_TRUE((x < 0) != (y < 0)) << x << "," << y;  // exactly one negative
          negativeX += x < 0;
          const std::string X = Str(x), Y = Str(y);
          EXPECT_TRUE(screen.Drew(40, 30, 0, "例3　x=" + X + ",y=" + Y + "のとき、"));
          const float at = test::RememberedMarkupEnd(67, "3x+2y");
          const std::string sx = x < 0 ? "(" + X + ")" : X, sy = y < 0 ? "(" + Y + ")" : Y;
          EXPECT_TRUE(screen.Drew(at, 180, 0, "=3*" + sx + "+2*" + sy));
          const std::string twoY = (2 * y > 0 ? "+" : "") + Str(2 * y);
          EXPECT_TRUE(screen.Drew(at, 230, 0, "=" + Str(3 * x) + twoY));
          EXPECT_TRUE(screen.Drew(at, 280, 5, "=" + Str(3 * x + 2 * y)));
        },
        clock);
    EXPECT_EQ(run.checks, kPasses);
    EXPECT_FALSE(run.device.KeysLeft());
    EXPECT_FALSE(test::ShowedErrorScreen(run.rest));
  }
  EXPECT_GT(negativeX, 2 * kPasses * 4 / 10);
  EXPECT_LT(negativeX, 2 * kPasses * 6 / 10);
}

}  // namespace
}  // namespace orvelle
