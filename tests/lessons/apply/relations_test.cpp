// Section 3 "関係の表し方" of Orvelle Apply: its frame and the fixed pages ①, ⑥ and ⑧.
#include <gtest/gtest.h>

#include "../../support/lesson_run.h"
#include "../../support/log_view.h"

namespace orvelle::apply {
namespace {

using test::ItemRun;
using test::kApply;
using test::MarkupEnd;

TEST(RelationsSection, AimsOnceThenTheBarAgainOnBadChoices) {
  // 0, 10 and -1 bring the bar back; after the postage table it comes back without the aims.
  test::DrillRun run(kApply, test::DrillScript().Keys("3\r0\r10\r-1\r1\r       9\r7\r"));
  run.ExpectPasses(0);
  EXPECT_EQ(test::SubMenuLines(run.rest,
                               "①P84Q　②例=　③例<>　④例≦≧　⑤練習1　⑥例3　⑦練習２　⑧問２　⑨終了"),
            5);
  EXPECT_EQ(
      test::Screen(run.rest).Count(76, 370, 0, "2 等式や不等式が表す数量の関係を読みとろう。"), 1);
}

// The postage table's cells touching, 300 after the heading; the first and last answers.
TEST(RelationsSection, PostageTable) {
  const ItemRun item(kApply, 3, 1, 7);
  const float table = MarkupEnd(40, "教科書P84Q　をやってみよう。") + 300;
  EXPECT_TRUE(test::HasBox(item.log(), table, 30, table + 180, 80, 3, 15) &&
              test::HasBox(item.log(), table + 180, 130, table + 300, 180, 3, 15));
  item.Expect({{MarkupEnd(121, "重さは "), 180, 0, "4*4+5=", 1},
               {MarkupEnd(121, "だから　"), 230, 5, "84円", 3},
               {MarkupEnd(121, "だから　"), 470, 5, "84円", 7}});
}

TEST(RelationsSection, MuseumFees) {
  const float q3 = MarkupEnd(MarkupEnd(121, "a-b=900 "), "は?");
  ItemRun(kApply, 3, 6, 13)
      .Expect({{121, 80, 3, "2a+3b<5000 ", 0},
               {q3 + 30, 380, 3, "a-b", 9},  // 30 after its question, not 50
               {121, 530, 5, "おとな1人と中学生1人の入館料の合計は、2000円より高いこと", 13}});
}

TEST(RelationsSection, StringCutting) {
  const ItemRun item(kApply, 3, 8, 3);
  // The string at width 12 and four arcs of 181 dots, all before the first key; the pieces'
  // lengths under the string, the whole one's above it.
  EXPECT_TRUE(test::HasLine(item.screens[0], 600, 130, 1150, 130, 9, 12));
  EXPECT_EQ(test::Dots(item.screens[0], 3).size(), 4 * 181u);
  test::ExpectSeen(item.screens[0], {{675 - MarkupEnd(0, "am") / 2, 150, 3, "am"},
                                     {875 - MarkupEnd(0, "xm") / 2, 46, 3, "xm"}});
  item.Expect({{MarkupEnd(40, "(1)") + 20, 100, 0, "2a+5=x", 0},
               {100, 570, 5, "答　残りのひもの長さは0mより長い", 3}});
}

}  // namespace
}  // namespace orvelle::apply
