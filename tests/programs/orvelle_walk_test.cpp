// The whole Orvelle program on the recording device: one key script through every section and
// every item, and storms of random keys from its start.
#include <gtest/gtest.h>

#include "program_walk.h"

namespace orvelle::test {

std::vector<WalkItem> IntroWalk() {
  return {
      {1, 1, Keys(16), 16},
      {1, 2, Keys(10), 10},
      {1, 3, Keys(13), 13},
      {1, 4, Keys(18), 18},
      {2, 1, Once() + Keys(6), 7},
      {2, 2, Keys(8), 8},
      {2, 3, Once() + Once() + Once() + Keys(1), 4},
      {2, 4, Keys(6), 6},
      {2, 5, Once() + Keys(8) + Once() + Keys(6), 16},
      {2, 6, Once() + Once() + Keys(7), 9},
      {2, 7, Keys(6), 6},
      {2, 8, Once() + Keys(8), 9},
      {3, 1, Keys(10), 10},
      {3, 2, Keys(5) + Twice(4) + Keys(2) + Twice(4), 5 + 8 + 2 + 8},
      {3, 3, Keys(9), 9},
      {3, 4, Twice() + Keys(1) + Twice() + Keys(1) + Twice() + Keys(1) + DrillKeys(4) + Keys(2),
       2 + 1 + 2 + 1 + 2 + 1 + 4 + 2},
      {3, 5, Twice() + Keys(1) + Twice() + Keys(2), 2 + 1 + 2 + 2},
      {3, 6, Twice(2) + Keys(1), 4 + 1},
      {3, 7, Keys(11), 11},
      {4, 1, Keys(9) + Twice(6) + Keys(1) + Twice(6) + Keys(1), 9 + 12 + 1 + 12 + 1},
      {4, 2, Keys(12), 12},
      {4, 3, Keys(18), 18},
      {4, 4, Twice(6) + Keys(11), 12 + 11},
      {5, 1, Keys(14), 14},
      {5, 2, Keys(4), 4},
      {5, 3, Keys(17), 17},
  };
}

namespace {

TEST(OrvelleWalk, EverySectionAndItemFromStartToEnd) {
  ExpectWalk(kIntro, IntroWalk(), {"12:00:00", "07:45:13", "21:09:58"});
}

// 20,000 random keys from the start, for several seeds, reach every section.
TEST(OrvelleStorm, RandomKeysNeverReachTheErrorScreen) {
  const auto subMenus = ExpectStorm(
      kIntro, 20000, {{1, "00:00:00"}, {2, "07:13:29"}, {3, "12:34:56"}, {4, "23:59:59"}});
  EXPECT_EQ(subMenus, SectionLines(kIntro));
}

}  // namespace
}  // namespace orvelle::test
