// The whole Orvelle Calc program on the recording device: one key script through every section
// and every item, and storms of random keys from its start.
#include <gtest/gtest.h>

#include "program_walk.h"

namespace orvelle::test {

std::vector<WalkItem> CalcWalk() {
  return {
      {1, 1, Keys(17), 17},
      {1, 2, Once() + Keys(1) + Once() + Keys(1), 4},
      {1, 3, Keys(12), 12},
      {1, 4, Keys(4) + "2\r" + Keys(2) + "1\r" + Keys(11), 4 + 2 + 11},
      {1, 5, Keys(3) + "2\r" + Keys(3) + "1\r" + Keys(14), 3 + 3 + 14},
      {2, 1, Twice(3) + Keys(1), 6 + 1},
      {2, 2, Keys(24), 24},
      {2, 3, Twice(5) + Keys(1), 10 + 1},
      {2, 4, Keys(23), 23},
      {2, 5, Twice(2), 4},
      {2, 6, Twice(3), 6},
      {3, 1, Twice() + Keys(8), 2 + 8},
      {3, 2, Twice(2) + Keys(12), 4 + 12},
      {3, 3, Keys(9), 9},
      {3, 4, Twice(4) + Keys(1) + Twice(4) + Keys(8), 8 + 1 + 8 + 8},
      {3, 5, Twice(7) + Keys(4), 14 + 4},
      {3, 6, Twice(8) + Keys(3), 16 + 3},
      {3, 7, Twice(3) + Keys(4), 6 + 4},
      {3, 8, Twice(7) + Keys(5), 14 + 5},
      {4, 1, Keys(1), 1},
      {4, 2, Keys(1), 1},
      {4, 3, "", 0},
  };
}

namespace {

TEST(CalcWalk, EverySectionAndItemFromStartToEnd) {
  ExpectWalk(kCalc, CalcWalk(), {"12:00:00", "07:45:13", "21:09:58"});
}

// 20,000 random keys from the start, for several seeds, reach every section.
TEST(CalcStorm, RandomKeysNeverReachTheErrorScreen) {
  const auto subMenus = ExpectStorm(
      kCalc, 20000, {{1, "00:00:00"}, {2, "07:13:29"}, {3, "12:34:56"}, {4, "23:59:59"}});
  EXPECT_EQ(subMenus, SectionLines(kCalc));
}

}  // namespace
}  // namespace orvelle::test
