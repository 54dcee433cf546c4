// Orvelle Calc's main menu and the frame of its section 1, walked by key scripts: bad numbers
// ask again at both menus, the aims come once per entry.
#include "lessons/calc/main_menu.h"

#include <gtest/gtest.h>

#include <string>

#include "../../support/lesson_run.h"
#include "../../support/machine.h"

namespace orvelle {
namespace {

int MenusDrawn(const std::vector<DrawCall>& log) {
  int n = 0;
  for (const auto& c : log) n += c.op == Op::kBox && c.x1 == 22 && c.y1 == 10 && c.fill == 10;
  return n;
}

TEST(CalcMenus, BadNumbersAskAgainAndOnlySixEnds) {
  // Each: 0, 7, -1, 6.5, nothing, eleven digits (the eleventh clears the field), then "1/0",
  // which clears the field and goes on reading.
  const std::string bad = "0\r7\r-1\r6.5\r\r12345678901\r1/0\r";
  const std::string keys =
      bad + "5\r" + "2.5\r" + std::to_string(test::kCalc.SubMenuEnd(2)) + "\r" +  // main menu
      "1\r" + bad + "6\r" +                                                       // section 1
      "1\r2.5\r 1\r  1\r " + "6\r" +  // section 1 again: 2.5 runs item ②, answered at once
      "6\rX";
  test::ProgramRun run("Orvelle Calc", calc::ShowMainMenu, keys);
  const auto& log = run.device.log();
  // The first menu, six bad numbers, the blank item 5, back from section 2, twice from 1.
  EXPECT_EQ(MenusDrawn(log), 1 + 6 + 1 + 1 + 2);
  const std::string line = "①P73Q　②項,係数　③問1　④例2　⑤例3　⑥終了";
  EXPECT_EQ(test::SubMenuLines(log, line), 1 + 6 + 1 + 1);
  const test::Screen screen(log);
  EXPECT_EQ(screen.Count(76, 370, 0, "2　文字の部分が同じ項をまとめよう。"), 2);  // once an entry
  EXPECT_EQ(screen.Count(40, 30, 0, "問①　次の式の項をいいなさい。"), 1);
  EXPECT_EQ(test::KeyWaits(log), 4);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.device.keysRead(), static_cast<int>(keys.size()) - 1);  // "X" is never read
  EXPECT_FALSE(test::ShowedErrorScreen(log));
}

}  // namespace
}  // namespace orvelle
