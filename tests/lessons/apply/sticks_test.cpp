// Orvelle Apply's main menu and section 1 "棒の本数を求めよう": bad choices, the row of cubes
// built of sticks, and the section's items screen by screen on the recording device.
#include "lessons/apply/sticks.h"

#include "../../support/lesson_test.h"
#include "../../support/page_reading.h"
#include "lessons/apply/cube_sticks.h"
#include "lessons/apply/main_menu.h"

namespace orvelle::test {
namespace {

// The sticks a pupil can count on a screen: lines at width 7, one drawn twice counted once.
double Sticks(const std::vector<DrawCall>& log) {
  std::set<std::string> seen;
  for (const auto& c : log) {
    const std::string a = Pt(c.x1, c.y1), b = Pt(c.x2, c.y2);
    if (c.op == Op::kLine && c.width == 7) seen.insert(a < b ? a + b : b + a);
  }
  return static_cast<double>(seen.size());
}

TEST(CubeRowSticks, PointsGroupedSticksAndTheTopFace) {
  Bench b;
  b.m.figX[25] = 7;
  b.m.gridOriginX = 80;
  b.m.gridOriginY = 90;
  b.m.squareCount = 6;
  apply::ComputeCubeRowPoints(b.m);
  // Back top, front top, back bottom, front bottom; the back edges one unit right of the front.
  const float rowX[] = {115, 80, 115, 80}, rowY[] = {90, 125, 195, 230};
  for (int k = 1; k <= 24; ++k) {
    const int r = (k - 1) / 6, i = (k - 1) % 6;
    EXPECT_EQ(Pt(b.m.figX[k], b.m.figY[k]), Pt(rowX[r] + 105.0f * i, rowY[r])) << k;
  }
  EXPECT_EQ(b.m.gridBaseY + b.m.figX[25], 237);
  // Grouped: each joint's four sticks in its colour; the sticks ending at it shortened on the left.
  apply::DrawCubeRowGrouped(b.m);
  const auto lines = b.device.Calls(Op::kLine);
  ASSERT_EQ(lines.size(), 44u);  // 8 × 6 − 4; the frame is not drawn
  const int color[] = {0, 0, 3, 0, 3, 0};
  const float leftGap[] = {0, 0, 15, 15, 15, 15};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(lines[4 * i].color, color[i]) << "joint " << i + 1;
    if (i > 0) {  // the front top stick ending at the joint
      EXPECT_EQ(LineSig(lines[24 + 4 * (i - 1) + 1]),
                Pt(80 + 105.0f * i, 125) + "-" + Pt(80 + 105.0f * (i - 1) + leftGap[i], 125) +
                    " w7 c" + std::to_string(color[i]));
    }
  }
  b.device.ClearLog();
  apply::HighlightCubeRowTopFace(b.m);
  EXPECT_EQ(b.device.Calls(Op::kLine).size(), 16u);  // 6 depth sticks, 5 in each top row
  for (const auto& c : b.device.Calls(Op::kLine)) EXPECT_EQ(c.color, 3);
}

TEST(ApplySticks, EachWayShowsItsSticksAndEndsOnItsExpression) {
  const float g = MarkupEnd(40, "<ろみすさんの考え>") + 20;  // P81 Q's grouped row, beside it
  const struct {
    int item, keyWaits;
    float x1, y1, x2, y2;  // a stick the way sets apart, in 3
    Seen last;
  } ways[] = {
      {1, 1, g + 245, 280, g + 210, 315, {40, 470, 3, "<てむささんの考え>", 1}},
      {2, 4, 325, 260, 290, 295, {MarkupEnd(40, "求める棒の本数は "), 570, 5, "{12+8(x-1)}本", 4}},
      {3, 5, 115, 275, 115, 350, {760, 550, 5, "=8x+4(本)", 5}},
      {4, 4, 205, 260, 130, 260, {MarkupEnd(40, "求める棒の本数は "), 570, 5, "{4(x+1)+4x}本", 4}},
  };
  for (const auto& w : ways) {
    const ItemRun item(kApply, 1, w.item, w.keyWaits);
    item.Expect({w.last});
    EXPECT_TRUE(HasLine(item.log(), w.x1, w.y1, w.x2, w.y2, 3, 7)) << w.item;
  }
}

// What each way says, quantity after quantity, read from its screens: for rows of 2, 5 and 9
// cubes, the values of its expressions are those of its way of counting the row's 8x+4 sticks.
TEST(ApplySticks, EachWaySaysWhatItCounts) {
  using Values = std::vector<double>;
  const struct {
    int item, keyWaits;
    Values (*says)(double x);
  } ways[] = {
      // One cube's 12, then x-1 groups of 8, each group one cube more.
      {2, 4, [](double x) { return Values{8 * x + 4, 12, 8, x - 1, 8 * (x - 1), 8 * x + 4}; }},
      // The top and bottom faces of 1+3x each; the x+1 upright sticks twice, front and back.
      {3, 5,
       [](double x) {
         const double face = 1 + 3 * x, uprights = x + 1;
         return Values{face,         face,         2 * face,  2 * face,  uprights, 2,
                       2 * uprights, 2 * uprights, 8 * x + 4, 8 * x + 4, 8 * x + 4};
       }},
      // x+1 squares of 4, and x groups of 4 lengthwise sticks.
      {4, 4,
       [](double x) { return Values{8 * x + 4, 4, x + 1, 4 * (x + 1), 4, x, 4 * x, 8 * x + 4}; }},
  };
  for (const auto& w : ways) {
    const ItemRun item(kApply, 1, w.item, w.keyWaits);
    const auto said = Expressions(ReadTexts(item.Page()));
    for (const double x : {2.0, 5.0, 9.0}) {
      Values values;
      for (const std::string& e : said) values.push_back(MarkupValue(e, LettersAt({{'x', x}})));
      EXPECT_EQ(values, w.says(x)) << "item " << w.item << " at x = " << x;
    }
  }
}

// Every count worked equal to the sticks of the figure it counts: a row of five cubes, and two
// tiers of them sharing a face.
TEST(ApplySticks, EveryCountIsTheSticksOfTheFigure) {
  const auto x5 = LettersAt({{'x', 5}});
  const ItemRun five(kApply, 1, 5, 6);
  const float one = MarkupEnd(MarkupEnd(40, "(1)"), "12+8(x-1)");
  five.Expect({{one, 250, 0, "=12+8x-8", 1},
               {MarkupEnd(one, "=12+8x-8"), 250, 5, "=8x+4(本)", 2},
               {40, 490, 3, "②", 6},
               {76, 370, 0, "本棚をつくるとき、必要な棒の本数を求めよう。"}});  // the aims, before
  ExpectWorkingShown(five.log(),
                     {"12+8(x-1)", "=12+8x-8", "(1+3x)*2+(x+1)*2", "4(x+1)+4x", "=4x+4+4x"});
  EXPECT_EQ(Sticks(five.screens[0]), MarkupValue("8x+4", x5));
  const ItemRun shelf(kApply, 1, 6, 5);
  ExpectWorkingShown(shelf.log(), {"2*(8x+4)-(1+3x)", "=16x+8-1-3x", "=16x-3x+8-1", "=13x+7 (本)"});
  EXPECT_EQ(Sticks(shelf.screens[0]), MarkupValue("13x+7", x5));
  shelf.Expect({{40, 585, 5, "=13x+7 (本)", 5}});
  // The shared face in 3 one key later; one continuation mark, above the lower row's corner.
  EXPECT_TRUE(HasLine(shelf.screens[1], 115, 195, 80, 230, 3, 7));
  const auto& first = shelf.screens[0];
  const auto mark = [](const DrawCall& c) { return c.scaleX == 5 && c.s == "…"; };
  ASSERT_EQ(std::count_if(first.begin(), first.end(), mark), 1);
  const auto at = std::find_if(first.begin(), first.end(), mark);
  EXPECT_EQ(Pt(at->x1, at->y1), "660,165");
}

// Every menu from one key script: out-of-range choices and nothing ask again, a fraction counts
// by its value, the blank item 6 brings the main menu back, the aims come with section 3 only,
// and 14/2 at the main menu ends the program.
TEST(ApplyMenus, BadChoicesAskAgainAtEveryMenu) {
  // The number after a section's "終了".
  const auto past = [&](int section) { return Typed(kApply.SubMenuEnd(section) + 1); };
  const int end = kApply.MenuEnd();
  const std::string keys =
      "0\r" + Typed(end + 1) + "-1\r" + std::to_string(end) + ".5\r2/3\r\r" + Typed(end - 1) +
      "6/2\r" +                                                       // main menu
      "0\r" + past(3) + "-1\r1\r       " + LeaveSection(kApply, 3) +  // section 3
      EnterSection(kApply, 4) + "0\r" + past(4) + "-1\r7/2\r  " + LeaveSection(kApply, 4) +  // A
      EnterSection(kApply, 5) + "0\r" + past(5) + "-1\r5/2\r" + LeaveSection(kApply, 5) +    // B
      std::to_string(2 * end) + "/2\rX";
  const ProgramRun run("Orvelle Apply", apply::ShowMainMenu, keys);
  const auto& log = run.device.log();
  const Screen screen(log);
  EXPECT_EQ(screen.Count(264, 30, 15, "＜Orvelle Apply　メニュー＞"), 1 + 6 + 1 + 3);
  for (int section : {3, 4, 5}) {
    EXPECT_EQ(SubMenuLines(log, kApply.SubMenuLine(section)), 1 + 3 + 1) << section;
  }
  EXPECT_EQ(screen.Count(44, 240, 3, "<めあて>"), 1);
  EXPECT_EQ(screen.Count(76, 370, 0, "2 等式や不等式が表す数量の関係を読みとろう。"), 1);
  EXPECT_TRUE(screen.Drew(640, 60, 3, "(2)"));  // B 2
  EXPECT_EQ(KeyWaits(log), 7 + 2);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.device.keysRead(), static_cast<int>(keys.size()) - 1);  // "X" is never read
  EXPECT_FALSE(ShowedErrorScreen(log));
}

}  // namespace
}  // namespace orvelle::test
