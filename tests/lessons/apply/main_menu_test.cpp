// Orvelle Apply's main menu: bad choices draw it again, fractions go by their value.
#include "lessons/apply/main_menu.h"

#include <gtest/gtest.h>

#include "../../support/machine.h"
#include "../../support/screen.h"

namespace orvelle {
namespace {

using test::ProgramRun;

int MenusDrawn(const ProgramRun& run) {
  return test::Screen(run.device.log()).Count(264, 30, 15, "＜Orvelle Apply　メニュー＞");
}

TEST(ApplyMainMenu, BadChoicesRedrawTheMenuAndFractionsGoByTheirValue) {
  const ProgramRun bad("Orvelle Apply", apply::ShowMainMenu, "0\r8\r-1\r7.5\r2/3\r\r6\r7\r");
  EXPECT_EQ(MenusDrawn(bad), 8);
  EXPECT_FALSE(bad.device.KeysLeft());
  // 14/2 is 7: the program ends, the key after it unread. 6/2 is 3: section 3's sub-menu.
  const ProgramRun ends("Orvelle Apply", apply::ShowMainMenu, "14/2\r1\r");
  EXPECT_EQ(MenusDrawn(ends), 1);
  EXPECT_TRUE(ends.device.KeysLeft());
  const ProgramRun three("Orvelle Apply", apply::ShowMainMenu, "6/2\r9\r7\r");
  EXPECT_EQ(test::SubMenuLines(three.device.log(),
                               "①P84Q　②例=　③例<>　④例≦≧　⑤練習1　⑥例3　⑦練習２　⑧問２　⑨終了"),
            1);
  EXPECT_EQ(MenusDrawn(three), 2);
  EXPECT_FALSE(test::ShowedErrorScreen(bad.device.log()));
}

}  // namespace
}  // namespace orvelle
