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
  using test::kIntro;
  using test::Typed;
  // The number after a section's "終了", and half past its "終了".
  const auto past = [&](int section) { return Typed(kIntro.SubMenuEnd(section) + 1); };
  const auto half = [](int section) { return std::to_string(kIntro.SubMenuEnd(section)) + ".5\r"; };
  const auto leave = [](int section) { return test::LeaveSection(kIntro, section); };
  const auto again = [&](int section) {  // left, entered again, left
    return leave(section) + test::EnterSection(kIntro, section) + leave(section);
  };
  const struct {
    int section;
    std::string keys;  // choices out of range, a fraction that runs an item, the last item
    int entries, subMenuLines, keyWaits;
    std::vector<test::Seen> seen;  // the aims, and the item the fraction ran
  } sections[] = {
      // clang-format off
      {1, "0\r" + past(1) + leave(1), 1, 3, 0, {{76, 305, 0, "数量を文字を使った式に表そう。"}}},
      // 9/2 runs item ④; the section is entered again.
      {2, "0\r" + past(2) + "9/2\r      " + again(2), 2, 5, 6,
       {{44, 305, 0, "文字式での積や累乗、商の表し方にしたがって、式を表そう。"}, {40, 30, 3, "問2 解答"}}},
      // 7/2 = 3.5 runs item ③.
      {3, past(3) + "0\r" + half(3) + "7/2\r         " + again(3), 2, 6, 9,
       {{44, 305, 0, "1 単位をそろえて式に表そう。"}, {44, 370, 0, "2 割合や速さ、円に関する数量を式に表そう。"},
        {44, 435, 0, "3 文字式がどんな数量を表しているか考えよう。"}, {40, 30, 7, "例6 "}}},
      {4, "0\r" + past(4) + "-1\r" + leave(4), 1, 4, 0,
       {{76, 305, 0, "代入と式の値の意味を知り、式の値を求めよう。"}}},
      {5, past(5) + "0\r" + leave(5), 0, 3, 0, {}},  // no aims
      // clang-format on
  };
  for (const auto& s : sections) {
    SCOPED_TRACE("section " + std::to_string(s.section));
    test::ProgramRun run(test::kIntro.title(), intro::ShowMainMenu,
                         test::EnterSection(kIntro, s.section) + s.keys + test::EndProgram(kIntro));
    const auto& log = run.device.log();
    EXPECT_EQ(test::Screen(log).Count(44, 240, 3, "<めあて>"), s.entries);
    test::ExpectSeen(log, s.seen);
    EXPECT_EQ(test::SubMenuLines(log, kIntro.SubMenuLine(s.section)), s.subMenuLines);
    EXPECT_EQ(test::KeyWaits(log), s.keyWaits);
    EXPECT_FALSE(run.device.KeysLeft());
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(test::ShowedErrorScreen(log));
  }
}

}  // namespace
}  // namespace orvelle
