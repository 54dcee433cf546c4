// The whole Orvelle Apply program on the recording device: one key script through every section
// and every item, and storms of random keys from its start.
#include <gtest/gtest.h>

#include "program_walk.h"

namespace orvelle::test {

std::vector<WalkItem> ApplyWalk() {
  return {
      {1, 1, Keys(1), 1},
      {1, 2, Keys(4), 4},
      {1, 3, Keys(5), 5},
      {1, 4, Keys(4), 4},
      {1, 5, Keys(6), 6},
      {1, 6, Keys(5), 5},
      {2, 1, Keys(21), 21},
      {2, 2, Keys(4), 4},
      {2, 3, Keys(8), 8},
      // The pupil's own numbers: 5, then -3.
      {2, 4, Keys(6) + "5\r 2\r" + "-3\r 1\r" + Keys(5), 6 + 2 + 5},
      {3, 1, Keys(7), 7},
      {3, 2, Keys(7), 7},
      {3, 3, Keys(7), 7},
      {3, 4, Keys(6), 6},
      {3, 5, Twice() + Keys(4), 2 + 4},
      {3, 6, Keys(13), 13},
      {3, 7, Twice() + Twice(), 4},
      {3, 8, Keys(3), 3},
      {4, 1, Keys(2), 2},
      {4, 2, Keys(3), 3},
      {4, 3, Keys(2), 2},
      {4, 4, Keys(1), 1},
      {5, 1, "", 0},
      {5, 2, "", 0},
      {5, 3, "", 0},
  };
}

namespace {

TEST(ApplyWalk, EverySectionAndItemFromStartToEnd) {
  ExpectWalk(kApply, ApplyWalk(), {"12:00:00", "07:45:13", "21:09:58"});
}

// 20,000 random keys from the start, for several seeds, reach every section.
TEST(ApplyStorm, RandomKeysNeverReachTheErrorScreen) {
  const auto subMenus = ExpectStorm(
      kApply, 20000, {{1, "00:00:00"}, {2, "07:13:29"}, {3, "12:34:56"}, {4, "23:59:59"}});
  EXPECT_EQ(subMenus, SectionLines(kApply));
}

}  // namespace
}  // namespace orvelle::test
