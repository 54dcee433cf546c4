#include "lessons/common/section.h"

#include <gtest/gtest.h>

#include <limits>

#include "../../support/machine.h"
#include "../../support/screen.h"

namespace orvelle {
namespace {

using test::Bench;

TEST(MenuItemOf, RangeTestThenWholePart) {
  const std::tuple<float, int, int> cases[] = {
      {1, 5, 1},     {5, 5, 5},     {2.5f, 5, 2},
      {4.99f, 5, 4}, {0, 5, 0},     {0.5f, 5, 0},
      {5.5f, 5, 0},  {-1, 5, 0},    {6, 5, 0},
      {7, 7, 7},     {6.5f, 7, 6},  {7.5f, 7, 0},
      {1e9f, 6, 0},  {-1e9f, 6, 0}, {std::numeric_limits<float>::quiet_NaN(), 6, 0}};
  for (const auto& [choice, count, item] : cases) {
    EXPECT_EQ(MenuItemOf(choice, count), item) << choice << " of " << count;
  }
}

// What an item or the aims saw when they ran (the aims as item 0).
struct ItemRun {
  int item;
  float menuChoice;
  float enteredValue;
  bool operator==(const ItemRun&) const = default;
};
std::vector<ItemRun> gRuns;

template <int N>
void Item(Machine& m) {
  gRuns.push_back({N, m.menuChoice, m.enteredValue});
}

TEST(RunSection, AimsOnceThenTheChosenItemsUntilTheLast) {
  Bench b("3\r0\r5/2\r9\r\r4\r");
  gRuns.clear();
  b.m.menuChoice = -5;
  static constexpr ItemDescription kItems[] = {{"例", Item<1>}, {"問", Item<2>}, {"例２", Item<3>}};
  static constexpr SectionDescription kSection{"", Item<0>, kItems};
  RunSection(b.m, kSection);
  EXPECT_FALSE(b.device.KeysLeft());
  // 0, 9 and an empty entry are out of range and read again; 5/2 selects item 2.
  EXPECT_EQ(gRuns, (std::vector<ItemRun>{{0, -5, 0}, {3, 3, 10}, {2, 2.5f, 10}}));
  EXPECT_EQ(b.m.menuChoice, 4);

  // The line made from the labels is drawn and the strip cleared once for every number read.
  EXPECT_EQ(test::SubMenuLines(b.device.log(), "①例　②問　③例２　④終了"), 6);
  int clears = 0;
  for (const auto& box : b.Calls(Op::kBox)) {
    clears += box.x1 == 0 && box.y1 == 657 && box.x2 == 992 && box.y2 == 720;
  }
  EXPECT_EQ(clears, 6);
}

TEST(RunSection, WithoutAimsAndWithBareNumbersTheLastAsAFraction) {
  // 8/2 is the last item: the section returns without running it.
  Bench b("2\r3\r8/2\r1\r");
  gRuns.clear();
  static constexpr ItemDescription kItems[] = {{"", Item<1>}, {"", Item<2>}, {"", Item<3>}};
  static constexpr SectionDescription kSection{"", nullptr, kItems};
  EXPECT_EQ(kSection.SubMenuLine(), "①　②　③　④終了");
  RunSection(b.m, kSection);
  EXPECT_EQ(gRuns, (std::vector<ItemRun>{{2, 2, 10}, {3, 3, 10}}));
  EXPECT_TRUE(b.device.KeysLeft());
  EXPECT_EQ(test::SubMenuLines(b.device.log(), kSection.SubMenuLine()), 3);
}

// Runs a drill on the keys typed at its prompts; returns exerciseNo and enteredValue as each
// pass found them.
template <class Drill>
std::vector<std::pair<float, float>> Passes(Bench& b, Drill drill) {
  std::vector<std::pair<float, float>> seen;
  drill([&](Machine& m) { seen.push_back({m.exerciseNo, m.enteredValue}); });
  EXPECT_FALSE(b.device.KeysLeft());
  return seen;
}

using PassList = std::vector<std::pair<float, float>>;

TEST(RunDrill, PassesUntilThePromptGivesOne) {
  Bench b("2\r\r2/2\r");
  b.m.exerciseNo = 7;
  b.m.enteredValue = 1;  // whatever came before, the first pass runs
  const auto seen = Passes(b, [&](const LessonRoutine& pass) { RunDrill(b.m, pass); });
  EXPECT_EQ(seen, (PassList{{7, 3}, {7, 2}, {7, 0}}));  // exerciseNo is left alone
  EXPECT_EQ(b.m.enteredValue, 1);
  int prompts = 0;
  for (const auto& box : b.Calls(Op::kBox)) {
    if (box.x1 == 96 && box.y1 == 639 && box.fill == 12) ++prompts;
  }
  EXPECT_EQ(prompts, 3);
}

TEST(RunCountedDrill, CountsEveryPass) {
  Bench b("5\r5\r1\r");
  const auto seen = Passes(b, [&](const LessonRoutine& pass) { RunCountedDrill(b.m, pass); });
  EXPECT_EQ(seen, (PassList{{1, 3}, {2, 5}, {3, 5}}));
  EXPECT_EQ(b.m.exerciseNo, 4);  // raised after the last prompt too
}

TEST(RunTableDrill, FromRowOneOnEveryEntryAndAgainAfterTheLastRow) {
  Bench b("0\r0\r0\r0\r1\r");
  b.m.exerciseNo = 9;  // what an earlier entry left
  const auto seen = Passes(b, [&](const LessonRoutine& pass) { RunTableDrill(b.m, 3, pass); });
  EXPECT_EQ(seen, (PassList{{1, 3}, {2, 0}, {3, 0}, {1, 0}, {2, 0}}));
  EXPECT_EQ(b.m.exerciseNo, 3);
}

}  // namespace
}  // namespace orvelle
