#include "lessons/common/section.h"

#include <gtest/gtest.h>

#include <limits>

#include "../../support/machine.h"
#include "../../support/screen.h"
#include "lessons/common/main_menu.h"
#include "platform/error.h"

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

// What an item saw when it ran.
struct ItemRun {
  int item;
  float menuChoice;
  float enteredValue;
  bool operator==(const ItemRun&) const = default;
};

TEST(RunSubMenu, RunsTheChosenItemsAndReturnsOnTheLast) {
  Bench b("3\r0\r5/2\r9\r\r4\r");
  std::vector<ItemRun> runs;
  const auto item = [&](int n) {
    return [&runs, n](Machine& m) { runs.push_back({n, m.menuChoice, m.enteredValue}); };
  };
  constexpr SectionDescription kSection{"", "①例　②問　③例２　④終了", 3};
  RunSubMenu(b.m, kSection, {item(1), item(2), item(3)});
  EXPECT_FALSE(b.device.KeysLeft());
  // 0, 9 and an empty entry are out of range and read again; 5/2 selects item 2.
  EXPECT_EQ(runs, (std::vector<ItemRun>{{3, 3, 10}, {2, 2.5f, 10}}));
  EXPECT_EQ(b.m.menuChoice, 4);

  // The line is drawn and the strip cleared once for every number read.
  EXPECT_EQ(test::SubMenuLines(b.device.log(), kSection.subMenuLine), 6);
  int clears = 0;
  for (const auto& box : b.Calls(Op::kBox)) {
    clears += box.x1 == 0 && box.y1 == 657 && box.x2 == 992 && box.y2 == 720;
  }
  EXPECT_EQ(clears, 6);
}

TEST(RunSubMenu, TheLastItemAsAFractionAndEmptyItems) {
  // 8/2 is the last item: nothing runs; an item with nothing to do reads again.
  Bench b("2\r3\r8/2\r");
  int ran = 0;
  RunSubMenu(b.m, {"", "①　②　③　④終了", 3}, {[&](Machine&) { ++ran; }, {}, {}});
  EXPECT_EQ(ran, 0);
  EXPECT_FALSE(b.device.KeysLeft());
}

// A section whose list of items disagrees with its description stops at once on run-time
// error 9, before it reads a key; so does a main menu with a routine too few.
TEST(RunSubMenu, AListThatDisagreesWithTheDescriptionIsAnError) {
  for (const int described : {1, 3}) {
    Bench b("1\r");
    EXPECT_THROW(RunSubMenu(b.m, {"", "①　②　③終了", described}, {{}, {}}), RuntimeError);
    EXPECT_TRUE(b.device.KeysLeft());
  }
  static constexpr SectionDescription kSections[] = {{"1　例", "①終了", 0}, {"2　例", "①終了", 0}};
  static constexpr const char* kEnd[] = {"3　終了"};
  Bench b("3\r");
  EXPECT_THROW(RunMainMenu(b.m, {"", kSections, kEnd}, {{}}), RuntimeError);
  EXPECT_TRUE(b.device.KeysLeft());
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
