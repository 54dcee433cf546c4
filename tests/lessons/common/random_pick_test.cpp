// The one random pick of every drill.
#include "lessons/common/random_pick.h"

#include <gtest/gtest.h>

#include "../../support/machine.h"

namespace orvelle {
namespace {

// The generator's smallest and largest values give the first and the last of the n numbers,
// for every count a drill uses and beyond; r·4 + 1 in single precision would give 5.
TEST(RandomPick, StaysInItsRangeAtBothEndsOfTheGenerator) {
  test::Bench b;
  const float largest = 1.0f - 1.0f / 16777216.0f;
  ASSERT_EQ(static_cast<int>(largest * 4 + 1), 5);
  for (int n = 1; n <= 1000; ++n) {
    for (float k : {-9.0f, 0.0f, 1.0f, 2.0f}) {
      b.m.random.Script({0.0f, largest});
      EXPECT_EQ(RandomPick(b.m, static_cast<float>(n), k), k) << n;
      EXPECT_EQ(RandomPick(b.m, static_cast<float>(n), k), k + static_cast<float>(n - 1)) << n;
    }
  }
}

TEST(RandomPick, IsTheWholePartOfRTimesNThenPlusK) {
  test::Bench b;
  b.m.random.Script({0.5f, 0.2499f, 0.75f});
  EXPECT_EQ(RandomPick(b.m, 4, 2), 4);
  EXPECT_EQ(RandomPick(b.m, 4, 2), 2);
  EXPECT_EQ(RandomPick(b.m, 18, 2), 15);
}

}  // namespace
}  // namespace orvelle
