// The whole Orvelle program on the recording device: one key script through every section and
// every item, and storms of random keys from its start.
#include <gtest/gtest.h>

#include "program_walk.h"

namespace orvelle::test {
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
