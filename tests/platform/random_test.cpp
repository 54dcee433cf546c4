#include "platform/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

namespace orvelle {
namespace {

TEST(Random, ScaledDrawsStayBelowTheirBound) {
  Random r(17);
  for (int i = 0; i < 1000000; ++i) {
    const float v = r.Next();
    ASSERT_GE(v, 0.0f);
    ASSERT_LT(v, 1.0f);
    const int n = 2 + i % 99;
    ASSERT_LT(std::floor(v * static_cast<float>(n)), static_cast<float>(n)) << v << " " << n;
  }
  // The largest value the generator can give.
  const float top = 16777215.0f / 16777216.0f;
  for (int n = 2; n <= 100; ++n) ASSERT_LT(std::floor(top * n), n);
}

TEST(Random, SameSeedSameSequenceAndScriptComesFirst) {
  Random a(60), b(60), c(61);
  bool differs = false;
  for (int i = 0; i < 50; ++i) {
    const float x = a.Next();
    EXPECT_EQ(x, b.Next());
    differs |= x != c.Next();
  }
  EXPECT_TRUE(differs);
  Random s(1);
  s.Script({0.5f, 0.25f});
  EXPECT_EQ(s.Next(), 0.5f);
  EXPECT_EQ(s.Next(), 0.25f);
  EXPECT_EQ(s.Next(), Random(1).Next());  // then the seeded sequence, untouched by the script
}

// Start-up seeds with the clock's hours + minutes + seconds, 0 to 141, so that pupils who start a
// few seconds apart have nearby seeds: their problems must not be one stream read from two places.
TEST(Random, NearbySeedsShareNoRunOfFourValues) {
  using Run = std::tuple<float, float, float, float>;
  std::map<Run, int> seen;  // each run of four consecutive values and the seed that gave it
  for (int seed = 0; seed <= 141; ++seed) {
    Random r(seed);
    float v[1000];
    for (float& x : v) x = r.Next();
    for (int i = 0; i + 3 < 1000; ++i) {
      const auto [at, fresh] = seen.emplace(Run{v[i], v[i + 1], v[i + 2], v[i + 3]}, seed);
      ASSERT_TRUE(fresh || at->second == seed)
          << "seeds " << at->second << " and " << seed << " share four values in a row";
    }
  }
}

}  // namespace
}  // namespace orvelle
