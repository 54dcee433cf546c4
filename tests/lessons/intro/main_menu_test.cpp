// The frame of each section of Orvelle reached from its main menu: the aims, drawn on every
// entry and only then, and the sub-menu line, read again on a choice out of range.
#include "lessons/intro/main_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../support/lesson_run.h"

namespace orvelle {
namespace {

TEST(OrvelleSections, AimsOnEachEntryAndTheSubMenuReadsAgainOutOfRange) {
  const struct {
    int section;
    std::string keys;  // choices out of range, a fraction that runs an item, the last item
    int entries, subMenuLines, keyWaits;
    std::vector<test::Seen> seen;  // the aims, and the item the fraction ran
  } sections[] = {
      // clang-format off
      {1, "0\r6\r5\r", 1, 3, 0, {{76, 305, 0, "数量を文字を使った式に表そう。"}}},
      // 9/2 runs item ④, 9 leaves; the section entered again.
      {2, "0\r10\r9/2\r      9\r2\r9\r", 2, 5, 6,
       {{44, 305, 0, "文字式での積や累乗、商の表し方にしたがって、式を表そう。"}, {40, 30, 3, "問2 解答"}}},
      // 7/2 = 3.5 runs item ③.
      {3, "9\r0\r8.5\r7/2\r         8\r3\r8\r", 2, 6, 9,
       {{44, 305, 0, "1 単位をそろえて式に表そう。"}, {44, 370, 0, "2 割合や速さ、円に関する数量を式に表そう。"},
        {44, 435, 0, "3 文字式がどんな数量を表しているか考えよう。"}, {40, 30, 7, "例6 "}}},
      {4, "0\r6\r-1\r5\r", 1, 4, 0, {{76, 305, 0, "代入と式の値の意味を知り、式の値を求めよう。"}}},
      {5, "5\r0\r4\r", 0, 3, 0, {}},  // no aims
      // clang-format on
  };
  for (const auto& s : sections) {
    SCOPED_TRACE("section " + std::to_string(s.section));
    test::ProgramRun run(test::kIntro.title(), intro::ShowMainMenu,
                         std::to_string(s.section) + "\r" + s.keys + "6\r");
    const auto& log = run.device.log();
    EXPECT_EQ(test::Screen(log).Count(44, 240, 3, "<めあて>"), s.entries);
    test::ExpectSeen(log, s.seen);
    EXPECT_EQ(test::SubMenuLines(log, test::kIntro.SubMenuLine(s.section)), s.subMenuLines);
    EXPECT_EQ(test::KeyWaits(log), s.keyWaits);
    EXPECT_FALSE(run.device.KeysLeft());
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(test::ShowedErrorScreen(log));
  }
}

}  // namespace
}  // namespace orvelle
