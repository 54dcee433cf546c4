// The main menu the three programs share, walked by key scripts.
#include "lessons/common/main_menu.h"

#include <gtest/gtest.h>

#include "../../support/lesson_run.h"
#include "../../support/machine.h"
#include "../../support/screen.h"
#include "lessons/apply/main_menu.h"
#include "lessons/apply/program.h"
#include "lessons/calc/main_menu.h"
#include "lessons/calc/program.h"
#include "lessons/intro/main_menu.h"
#include "lessons/intro/program.h"

namespace orvelle {
namespace {

using test::DrewMarkup;
using test::EndProgram;
using test::kApply;
using test::kCalc;
using test::kIntro;
using test::ProgramRun;
using test::Typed;

// n/2 typed: a half past n / 2 when n is odd.
std::string Half(int n) { return std::to_string(n) + "/2\r"; }

int MenusDrawn(const RecordingDevice& d) {
  int n = 0;
  for (const auto& c : d.log()) {
    if (c.op == Op::kBox && c.x1 == 22 && c.y1 == 10 && c.x2 == 1342 && c.y2 == 610 &&
        c.color == 15 && c.fill == 10) {
      ++n;
    }
  }
  return n;
}

TEST(MainMenu, DrawsTitleItemsAndPromptThenEndsOnTheLastItem) {
  ProgramRun run("Orvelle", intro::ShowMainMenu, EndProgram(kIntro));
  const auto& log = run.device.log();
  EXPECT_EQ(MenusDrawn(run.device), 1);
  EXPECT_TRUE(DrewMarkup(log, 264, 30, 15, "＜Orvelle　メニュー＞"));
  // The description's lines, 60 apart, odd items in 13 and even ones in 15.
  std::vector<std::string> items;
  for (const auto& section : intro::kProgram.sections) items.emplace_back(section.menuLine);
  for (const char* line : intro::kProgram.closingLines) items.emplace_back(line);
  ASSERT_EQ(items.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(DrewMarkup(log, 44, 120 + 60.0f * i, i % 2 == 0 ? 13 : 15, items[i])) << i;
  }
  // The prompt in the plain drawer, 240 left of the field.
  const auto texts = run.device.Texts();
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const DrawCall& c) {
    return c.s == "番" && c.x1 == 816 && c.y1 == 648 && c.color == 0;
  }));
  // Nothing is drawn after the last item is chosen but the erased prompt line.
  EXPECT_EQ(log.back().op, Op::kBox);
  EXPECT_EQ(run.m.entryX, 1056);
  EXPECT_EQ(run.m.entryY, 648);
}

TEST(MainMenu, ChoicesOutOfRangeDrawTheMenuAgain) {
  const int end = kIntro.MenuEnd();
  ProgramRun run("Orvelle", intro::ShowMainMenu,
                 "0\r-2\r" + Typed(end + 1) + "1/2\r\r" + EndProgram(kIntro));
  EXPECT_EQ(MenusDrawn(run.device), 6);
  EXPECT_FALSE(test::ShowedErrorScreen(run.device.log()));
}

TEST(MainMenu, FractionsCountByTheirValue) {
  // The last item as a fraction (12/2): the program ends at once, with keys still unread.
  const int end = kIntro.MenuEnd();
  ProgramRun ends("Orvelle", intro::ShowMainMenu, Half(2 * end) + "1\r");
  EXPECT_EQ(MenusDrawn(ends.device), 1);
  EXPECT_TRUE(ends.device.KeysLeft());
  // Half an item short of it (11/2): its whole part, the last section (its sub-menu line
  // shows), not the last item.
  ProgramRun five("Orvelle", intro::ShowMainMenu, Half(2 * end - 1));
  EXPECT_EQ(test::SubMenuLines(five.device.log(), kIntro.SubMenuLine(end - 1)), 1);
  // 2/2 opens section 1, whose aims stand on the cleared window.
  ProgramRun one("Orvelle", intro::ShowMainMenu, "2/2\r");
  EXPECT_TRUE(DrewMarkup(one.device.log(), 44, 240, 3, "<めあて>"));
}

TEST(MainMenu, EachProgramHasItsTitleAndItems) {
  const int calcBlank = static_cast<int>(calc::kProgram.sections.size()) + 1;
  ProgramRun calc("Orvelle Calc", calc::ShowMainMenu, Typed(calcBlank) + EndProgram(kCalc));
  EXPECT_TRUE(DrewMarkup(calc.device.log(), 264, 30, 15, "＜Orvelle Calc　メニュー＞"));
  EXPECT_TRUE(DrewMarkup(calc.device.log(), 44, 240, 13, calc::kProgram.sections[2].menuLine));
  EXPECT_EQ(MenusDrawn(calc.device), 2);  // the blank item 5 brings the menu back
  EXPECT_FALSE(calc.device.KeysLeft());

  const int applyBlank = static_cast<int>(apply::kProgram.sections.size()) + 1;
  ProgramRun apply("Orvelle Apply", apply::ShowMainMenu,
                   Typed(applyBlank) + Half(2 * applyBlank + 1) + EndProgram(kApply));
  EXPECT_TRUE(DrewMarkup(apply.device.log(), 44, 480, 13, apply::kProgram.closingLines[1]));
  EXPECT_TRUE(DrewMarkup(apply.device.log(), 44, 420, 15, apply::kProgram.closingLines[0]));
  EXPECT_EQ(MenusDrawn(apply.device), 3);  // 13/2 selects the blank item 6, not the end
  EXPECT_FALSE(apply.device.KeysLeft());
}

// The test runner drives any program: Orvelle Calc's blank item 5 only brings the menu back,
// and its item 6 ends the program with status 0 and the keys after it unread.
TEST(MainMenu, CalcThroughTheProgramRunner) {
  test::DrillScript s;
  s.Keys(Typed(static_cast<int>(calc::kProgram.sections.size()) + 1)).Keys(EndProgram(kCalc) + "X");
  const test::DrillRun run(test::kCalc, s);
  EXPECT_EQ(MenusDrawn(run.device), 2);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.device.keysRead(), 4);
  EXPECT_TRUE(test::DrewMarkup(run.rest, 264, 30, 15, "＜Orvelle Calc　メニュー＞"));
}

}  // namespace
}  // namespace orvelle
