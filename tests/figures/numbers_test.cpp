// Square roots in simplest form and factorisation by the small primes.
#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "figures/factors.h"
#include "figures/roots.h"

namespace orvelle {
namespace {

using test::Pt;

TEST(SimplifyRoot, TakesSquareFactorsOut) {
  const struct {
    float n;
    const char *factorAndRest, *factorText, *simplified, *given, *remaining;
  } cases[] = {
      {12, "2,3", "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
      {72, "6,2", "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},  // 2 and 3 taken out
      {16, "4,1", "4", "4ﾝ", "!16ﾝ=", "ﾝ"},
      {7, "1,7", "", "!7ﾝ", "", "!7ﾝ"},  // square-free
      {1, "1,1", "1", "1ﾝ", "", "ﾝ"},
      {211.0f * 211 * 2, "1,89042", "", "!89042ﾝ", "", "!89042ﾝ"},  // roots above 200 stay in
      {200.0f * 200 * 3, "200,3", "200", "200!3ﾝ", "!120000ﾝ=", "!3ﾝ"},
      // Below 1: taken as it stands, at once.
      {0, "1,0", "", "!0ﾝ", "", "!0ﾝ"},
      {-8, "1,-8", "", "!-8ﾝ", "", "!-8ﾝ"},
      {0.3f, "1,0.3", "", "!.3ﾝ", "", "!.3ﾝ"},
  };
  for (const auto& c : cases) {
    test::Bench b;
    b.m.radicand = c.n;
    SimplifyRoot(b.m);
    SCOPED_TRACE(c.n);
    EXPECT_EQ(Pt(b.m.rootFactor, b.m.radicand), c.factorAndRest);
    EXPECT_EQ(b.m.rootFactorText, c.factorText);
    EXPECT_EQ(b.m.simplifiedRootText, c.simplified);
    EXPECT_EQ(b.m.givenRootText, c.given);
    EXPECT_EQ(b.m.remainingRootText, c.remaining);
    EXPECT_EQ(b.m.strArg, c.remaining);
    EXPECT_EQ(b.m.trialDivisor, 201);
    EXPECT_EQ(b.m.givenRadicand, c.n);
    EXPECT_TRUE(b.device.log().empty());
  }
}

TEST(FactorizeNumber, PowersOfTheSmallPrimesAndWhatIsLeft) {
  // Rows 1 to 9: the primes that divide, with their powers, without gaps; row 10: what is left.
  const struct {
    float n, count, numberAfter;
    const char* rows;
  } cases[] = {
      {360, 3, 360, "2,3 3,2 5,1 0,0 0,0 0,0 0,0 0,0 0,0 1,1"},
      {58, 1, 58, "2,1 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 29,1"},  // 29 is never tried
      {770, 4, 770, "2,1 5,1 7,1 11,1 0,0 0,0 0,0 0,0 0,0 1,1"},
      {1, 0, 1, "0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 1,1"},
      {-12, 2, 12, "2,2 3,1 0,0 0,0 0,0 0,0 0,0 0,0 0,0 1,1"},
      {899, 0, 899, "0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 899,1"},
      {2.0f * 3 * 5 * 7 * 11 * 13 * 17 * 19, 8, 9699690,
       "2,1 3,1 5,1 7,1 11,1 13,1 17,1 19,1 0,0 1,1"},
      // A value that rounds to 0 has no factors, at once.
      {0, 0, 0, "0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,1"},
      {0.3f, 0, 0.3f, "0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0.3,1"},
      {-0.4f, 0, 0.4f, "0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0.4,1"},
  };
  for (const auto& c : cases) {
    test::Bench b;
    b.m.factorNumber = c.n;
    for (int i = 0; i <= 10; ++i) b.m.polygonVertices(i, 1) = 99;
    FactorizeNumber(b.m);
    SCOPED_TRACE(c.n);
    std::string rows;
    for (int i = 1; i <= 10; ++i) {
      rows += (i > 1 ? " " : "") + Pt(b.m.polygonVertices(i, 1), b.m.polygonVertices(i, 2));
    }
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(b.m.factorCount, c.count);
    EXPECT_EQ(b.m.factorNumber, c.numberAfter);
    EXPECT_EQ(b.m.polygonVertices(0, 1), 99);  // row 0 is not part of the table
    EXPECT_EQ(b.m.coin, 10);
  }
  test::Bench b;  // the primes tried, in figParam(1..10)
  b.m.factorNumber = 6;
  FactorizeNumber(b.m);
  std::string primes;
  for (int i = 1; i <= 10; ++i) primes += test::Fmt(b.m.figParam[i]) + " ";
  EXPECT_EQ(primes, "2 3 5 7 11 13 17 19 23 29 ");
}

}  // namespace
}  // namespace orvelle
