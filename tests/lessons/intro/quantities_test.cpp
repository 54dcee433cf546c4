// Section 3 "数量の表し方、よみ方" of Orvelle: its frame and the fixed worked examples.
#include "lessons/intro/quantities.h"

#include <gtest/gtest.h>

#include <string>

#include "../../support/machine.h"
#include "../../support/screen.h"
#include "lessons/intro/main_menu.h"

namespace orvelle {
namespace {

using test::DrewMarkup;
using test::KeyWaits;
using test::MarkupEnd;
using test::ProgramRun;

// Runs Orvelle: main menu item 3, the section's item `item` with `keys` spaces for its key
// waits, then "⑧終了" and "6　終了".
ProgramRun RunItem(int item, int keys) {
  return ProgramRun("Orvelle", intro::ShowMainMenu,
                    "3\r" + std::to_string(item) + "\r" + std::string(keys, ' ') + "8\r6\r");
}

// How often the sub-menu line was drawn.
int SubMenuLines(const RecordingDevice& d) {
  int n = 0;
  for (const auto& c : d.Texts()) n += c.s == "①" && c.x1 == 16 && c.y1 == 666 ? 1 : 0;
  return n;
}

TEST(QuantitiesSection, AimsOnceThenTheSubMenu) {
  // 9, 0 and 8.5 are out of range and read again; 7/2 = 3.5 runs item ③ by its whole part;
  // then ⑧ goes back to the main menu.
  ProgramRun run("Orvelle", intro::ShowMainMenu,
                 "3\r9\r0\r8.5\r7/2\r" + std::string(9, ' ') + "8\r6\r");
  const auto& log = run.device.log();
  EXPECT_TRUE(DrewMarkup(log, 44, 240, 3, "<めあて>"));
  EXPECT_TRUE(DrewMarkup(log, 44, 305, 0, "1 単位をそろえて式に表そう。"));
  EXPECT_TRUE(DrewMarkup(log, 44, 370, 0, "2 割合や速さ、円に関する数量を式に表そう。"));
  EXPECT_TRUE(DrewMarkup(log, 44, 435, 0, "3 文字式がどんな数量を表しているか考えよう。"));
  EXPECT_EQ(SubMenuLines(run.device), 5);
  EXPECT_TRUE(DrewMarkup(log, 40, 30, 7, "例6 "));  // 7/2 = 3.5 ran item ③
  EXPECT_EQ(KeyWaits(log), 9);
  int aims = 0;
  for (const auto& c : run.device.Texts()) aims += c.s == "め" && c.color == 3 ? 1 : 0;
  EXPECT_EQ(aims, 1);  // not drawn again when the sub-menu comes back
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(test::ShowedErrorScreen(log));
}

TEST(QuantitiesSection, EachEntryDrawsTheAimsAgain) {
  ProgramRun run("Orvelle", intro::ShowMainMenu, "3\r8\r3\r8\r6\r");
  int aims = 0;
  for (const auto& c : run.device.Texts()) aims += c.s == "め" && c.color == 3 ? 1 : 0;
  EXPECT_EQ(aims, 2);
  EXPECT_FALSE(run.device.KeysLeft());
}

TEST(QuantitiesSection, Example5UnitsBroughtTogether) {
  ProgramRun run = RunItem(1, 10);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 10);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewMarkup(log, 40, 30, 0, "例5 "));
  const float xm = MarkupEnd(40, "例5 ");
  EXPECT_TRUE(DrewMarkup(log, xm, 30, 3, "xm"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(xm, "xm"), 30, 0, "のひもから"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "① 残ったひもは何"), 80, 3, " cm"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "② 残ったひもは何"), 130, 3, " m"));
  EXPECT_TRUE(DrewMarkup(log, 40, 180, 3, "xm=100xcm"));
  const float then1 = MarkupEnd(40, "xm=100xcm");
  EXPECT_TRUE(DrewMarkup(log, then1, 180, 0, " だから "));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(then1, " だから "), 180, 5, "①　(100x-y)cm"));
  EXPECT_TRUE(DrewMarkup(log, 40, 260, 3, "ycm=ﾀy/100ﾀm"));
  const float then2 = MarkupEnd(40, "ycm=ﾀy/100ﾀm");
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(then2, " だから "), 260, 5, "②　(x-ﾀy/100ﾀ)m"));
  EXPECT_TRUE(DrewMarkup(log, 40, 330, 5, "<注意>"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "<注意>"), 330, 0, "単位をそろえてから計算"));
  EXPECT_TRUE(DrewMarkup(log, 40, 400, 0, "教科書P69問8 をしなさい。"));
  EXPECT_TRUE(DrewMarkup(log, 40, 450, 3, "akg=1000ag"));
  const float then3 = MarkupEnd(MarkupEnd(40, "akg=1000ag"), " だから ");
  EXPECT_TRUE(DrewMarkup(log, then3, 450, 5, "(1)　(1000a+40)g"));
  EXPECT_TRUE(DrewMarkup(log, 40, 520, 0, "60分間=1時間,1分間="));
  const float frac = MarkupEnd(40, "60分間=1時間,1分間=");
  EXPECT_TRUE(DrewMarkup(log, frac, 520, 3, "ﾀ1/60ﾀ時間"));
  const float then4 = MarkupEnd(MarkupEnd(frac, "ﾀ1/60ﾀ時間"), " だから ");
  EXPECT_TRUE(DrewMarkup(log, then4, 520, 3, "y分間=ﾀy/60ﾀ時間"));
  EXPECT_TRUE(DrewMarkup(log, 40, 590, 5, "(2)　(x+ﾀy/60ﾀ)時間"));

  // The first screen stands until the first key; the answer ① comes one key after "だから".
  const auto parts = test::SplitAtKeys(log);
  int first = -1;
  for (size_t k = 0; k < parts.size(); ++k) {
    if (DrewMarkup(parts[k], 40, 30, 0, "例5 ")) first = static_cast<int>(k);
  }
  ASSERT_GE(first, 0);
  EXPECT_TRUE(DrewMarkup(parts[first], MarkupEnd(40, "② 残ったひもは何"), 130, 3, " m"));
  EXPECT_FALSE(DrewMarkup(parts[first], 40, 180, 3, "xm=100xcm"));
  EXPECT_TRUE(DrewMarkup(parts[first + 1], then1, 180, 0, " だから "));
  EXPECT_FALSE(DrewMarkup(parts[first + 1], MarkupEnd(then1, " だから "), 180, 5, "①　(100x-y)cm"));
}

TEST(QuantitiesSection, Example6JuiceAndExercise9) {
  ProgramRun run = RunItem(3, 9);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 9);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewMarkup(log, 40, 30, 7, "例6 "));
  const float al = MarkupEnd(40, "例6 ");
  EXPECT_TRUE(DrewMarkup(log, al, 30, 3, "aL"));
  const float pct = MarkupEnd(MarkupEnd(al, "aL"), "の飲み物に果汁が");
  EXPECT_TRUE(DrewMarkup(log, pct, 30, 3, "70％"));
  EXPECT_TRUE(DrewMarkup(log, 112, 80, 0, "果汁の量は？"));
  EXPECT_TRUE(DrewMarkup(log, 112, 130, 7, "<解答>"));
  EXPECT_TRUE(DrewMarkup(log, 112, 180, 3, "(飲み物の量)*(割合)"));
  EXPECT_TRUE(DrewMarkup(log, 112, 260, 0, "a*ﾀ70/100ﾀ="));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(112, "a*ﾀ70/100ﾀ="), 260, 5, "ﾀ7/10ﾀa (L)"));
  EXPECT_TRUE(DrewMarkup(log, 112, 360, 7, "教科書P69問9 をしなさい。"));
  EXPECT_TRUE(DrewMarkup(log, 112, 440, 3, "(1)"));
  const float x1 = MarkupEnd(112, "(1)");
  EXPECT_TRUE(DrewMarkup(log, x1, 440, 0, "x*ﾀ7/100ﾀ="));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(x1, "x*ﾀ7/100ﾀ="), 440, 5, "ﾀ7/100ﾀx (kg)"));
  EXPECT_TRUE(DrewMarkup(log, 112, 520, 3, "(2)"));
  const float x2 = MarkupEnd(112, "(2)");
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(x2, "y*ﾀ3/10ﾀ="), 520, 5, "ﾀ3/10ﾀy (円)"));

  // "(2)" comes with the answer of (1), without a key between them.
  for (const auto& part : test::SplitAtKeys(log)) {
    if (DrewMarkup(part, 112, 520, 3, "(2)")) {
      EXPECT_TRUE(DrewMarkup(part, MarkupEnd(x1, "x*ﾀ7/100ﾀ="), 440, 5, "ﾀ7/100ﾀx (kg)"));
    }
  }
}

// The dots of one dotted arc (radius 0.5, colour 3).
int ArcDots(const RecordingDevice& d) {
  int n = 0;
  for (const auto& c : d.Calls("circle")) n += c.r == 0.5f && c.color == 3 ? 1 : 0;
  return n;
}

TEST(QuantitiesSection, Example10RectangleAndSquare) {
  ProgramRun run = RunItem(7, 11);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 11);
  EXPECT_FALSE(run.device.KeysLeft());

  // The rectangle at (840, 50), 240 x 150, border 0, fill 9, at width 5.
  std::vector<DrawCall> figures;
  for (const auto& c : run.device.Calls("box")) {
    if (c.fill == 9) figures.push_back(c);
  }
  ASSERT_EQ(figures.size(), 2u);
  EXPECT_EQ(figures[0].x1, 840);
  EXPECT_EQ(figures[0].y1, 50);
  EXPECT_EQ(figures[0].x2, 1080);
  EXPECT_EQ(figures[0].y2, 200);
  EXPECT_EQ(figures[0].color, 0);
  EXPECT_EQ(figures[0].width, 5);
  // The square 240 after the end of the pointer, from y 300 to 450.
  const float square = MarkupEnd(40, "教科書P70 問13 をしなさい。") + 240;
  EXPECT_EQ(figures[1].x1, square);
  EXPECT_EQ(figures[1].y1, 300);
  EXPECT_EQ(figures[1].x2, square + 150);
  EXPECT_EQ(figures[1].y2, 450);
  // Four dotted arcs (each a half turn in 5-degree steps), labelled outside the figures.
  EXPECT_EQ(ArcDots(run.device), 4 * 37);
  int labels = 0;
  for (const auto& c : run.device.Texts()) {
    if (c.s == "m" && c.color == 0 && c.y1 < 900) {  // not the measuring off screen
      ++labels;
      const bool leftOfRect = c.x1 < 840 && c.y1 > 50 && c.y1 < 200;
      const bool belowRect = c.y1 > 200 && c.y1 < 300 && c.x1 > 840 && c.x1 < 1080;
      const bool leftOfSquare = c.x1 < square && c.y1 > 300 && c.y1 < 450;
      const bool belowSquare = c.y1 > 450 && c.x1 > square && c.x1 < square + 150;
      EXPECT_TRUE(leftOfRect || belowRect || leftOfSquare || belowSquare) << c.x1 << "," << c.y1;
    }
  }
  EXPECT_EQ(labels, 4);

  EXPECT_TRUE(DrewMarkup(log, 40, 30, 0, "例10 右図の長方形で、"));
  EXPECT_TRUE(DrewMarkup(log, 40, 80, 0, "(1)"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "(1)"), 80, 3, "ab"));
  EXPECT_TRUE(DrewMarkup(log, 121, 130, 0, "また、"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(121, "また、"), 130, 3, "単位"));
  EXPECT_TRUE(DrewMarkup(log, 40, 230, 0, "(2)"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "(2)"), 230, 3, "2(a+b)"));
  EXPECT_TRUE(DrewMarkup(log, 121, 280, 0, "また、"));
  EXPECT_TRUE(DrewMarkup(log, 121, 180, 5, "長方形の面積"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(121, "長方形の面積") + 60, 180, 5, "cm^2"));
  EXPECT_TRUE(DrewMarkup(log, 121, 330, 5, "長方形の周の長さ"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(121, "長方形の周の長さ") + 60, 330, 5, "cm"));
  EXPECT_TRUE(DrewMarkup(log, 40, 400, 7, "教科書P70 問13 をしなさい。"));
  EXPECT_TRUE(DrewMarkup(log, 40, 450, 0, "(1)4a "));
  const float a1 = MarkupEnd(40, "(1)4a ");
  EXPECT_TRUE(DrewMarkup(log, a1, 450, 5, "正方形の周の長さ"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(a1, "正方形の周の長さ") + 60, 450, 5, "cm"));
  EXPECT_TRUE(DrewMarkup(log, 40, 500, 0, "(2)a^2 "));
  const float a2 = MarkupEnd(40, "(2)a^2 ");
  EXPECT_TRUE(DrewMarkup(log, a2, 500, 5, "正方形の面積"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(a2, "正方形の面積") + 60, 500, 5, "cm^2"));

  // The rectangle comes before any text, and nothing erases it until the item is over.
  EXPECT_EQ(run.device.Calls("width").back().value, 5);
  size_t drawn = 0, over = 0;
  for (size_t i = 0; i < log.size(); ++i) {
    const auto& c = log[i];
    if (c.op == "box" && c.fill == 9 && drawn == 0) drawn = i;
    if (c.op == "text" && c.s == "①" && c.x1 == 16 && c.y1 == 666 && drawn > 0 && over == 0) {
      over = i;
    }
  }
  ASSERT_GT(over, drawn);
  EXPECT_FALSE(DrewMarkup({log.begin(), log.begin() + drawn}, 40, 30, 0, "例10 右図の長方形で、"));
  for (size_t i = drawn; i < over; ++i) {
    const auto& c = log[i];
    const bool covers =
        c.op == "box" && c.fill == 15 && c.x1 < 1080 && c.x2 > 840 && c.y1 < 200 && c.y2 > 50;
    EXPECT_FALSE(covers) << c.ToString();
  }
}

}  // namespace
}  // namespace orvelle
