// Square roots in simplest form and factorisation by the small primes.
#include <gtest/gtest.h>

#include "../support/machine.h"
#include "figures/factors.h"
#include "figures/roots.h"

namespace orvelle {
namespace {

struct Root {
  float factor, rest;
  std::string factorText, simplified, given, remaining;
};

Root Simplify(float n) {
  test::Bench b;
  b.m.radicand = n;
  SimplifyRoot(b.m);
  EXPECT_EQ(b.m.trialDivisor, 201);
  EXPECT_EQ(b.m.givenRadicand, n);
  EXPECT_EQ(b.m.strArg, b.m.remainingRootText);
  EXPECT_TRUE(b.device.log().empty());
  return {b.m.rootFactor,         b.m.radicand,      b.m.rootFactorText,
          b.m.simplifiedRootText, b.m.givenRootText, b.m.remainingRootText};
}

TEST(SimplifyRoot, TakesSquareFactorsOut) {
  const Root r12 = Simplify(12);
  EXPECT_EQ(r12.factor, 2);
  EXPECT_EQ(r12.rest, 3);
  EXPECT_EQ(r12.factorText, "2");
  EXPECT_EQ(r12.simplified, "2!3ﾝ");
  EXPECT_EQ(r12.given, "!12ﾝ=");
  EXPECT_EQ(r12.remaining, "!3ﾝ");

  const Root r72 = Simplify(72);
  EXPECT_EQ(r72.factorText, "6");
  EXPECT_EQ(r72.simplified, "6!2ﾝ");
  EXPECT_EQ(r72.given, "!72ﾝ=");
  EXPECT_EQ(r72.remaining, "!2ﾝ");

  const Root r16 = Simplify(16);
  EXPECT_EQ(r16.factor, 4);
  EXPECT_EQ(r16.rest, 1);
  EXPECT_EQ(r16.factorText, "4");
  EXPECT_EQ(r16.simplified, "4ﾝ");
  EXPECT_EQ(r16.given, "!16ﾝ=");
  EXPECT_EQ(r16.remaining, "ﾝ");
}

TEST(SimplifyRoot, SquareFreeAndOne) {
  const Root r7 = Simplify(7);
  EXPECT_EQ(r7.factorText, "");
  EXPECT_EQ(r7.given, "");
  EXPECT_EQ(r7.simplified, "!7ﾝ");
  EXPECT_EQ(r7.remaining, "!7ﾝ");
  const Root r1 = Simplify(1);
  EXPECT_EQ(r1.factorText, "1");
  EXPECT_EQ(r1.simplified, "1ﾝ");
  EXPECT_EQ(r1.given, "");
  EXPECT_EQ(r1.remaining, "ﾝ");
}

TEST(SimplifyRoot, OnlyRootsUpToTwoHundredAreFound) {
  const Root big = Simplify(211.0f * 211 * 2);
  EXPECT_EQ(big.factor, 1);
  EXPECT_EQ(big.rest, 89042);
  EXPECT_EQ(big.simplified, "!89042ﾝ");
  const Root two = Simplify(200.0f * 200 * 3);
  EXPECT_EQ(two.factorText, "200");
  EXPECT_EQ(two.remaining, "!3ﾝ");
}

TEST(SimplifyRoot, BelowOneIsTakenAsItStands) {
  const Root zero = Simplify(0);
  EXPECT_EQ(zero.factor, 1);
  EXPECT_EQ(zero.rest, 0);
  EXPECT_EQ(zero.factorText, "");
  EXPECT_EQ(zero.simplified, "!0ﾝ");
  EXPECT_EQ(zero.given, "");
  const Root negative = Simplify(-8);
  EXPECT_EQ(negative.rest, -8);
  EXPECT_EQ(negative.simplified, "!-8ﾝ");
  EXPECT_EQ(Simplify(0.3f).simplified, "!.3ﾝ");
}

struct Factors {
  float count, number;
  std::vector<std::pair<float, float>> rows;  // rows 1..10
};

Factors Factorize(float n) {
  test::Bench b;
  b.m.factorNumber = n;
  for (int i = 0; i <= 10; ++i) b.m.polygonVertices(i, 1) = 99;
  FactorizeNumber(b.m);
  Factors f{b.m.factorCount, b.m.factorNumber, {}};
  for (int i = 1; i <= 10; ++i) {
    f.rows.emplace_back(b.m.polygonVertices(i, 1), b.m.polygonVertices(i, 2));
  }
  const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(b.m.figParam[i], primes[i - 1]);
  EXPECT_EQ(b.m.coin, 10);
  EXPECT_EQ(b.m.polygonVertices(0, 1), 99);  // row 0 is not part of the table
  return f;
}

using Rows = std::vector<std::pair<float, float>>;
const std::pair<float, float> kEmpty{0, 0};

TEST(FactorizeNumber, PowersOfTheSmallPrimesAndWhatIsLeft) {
  const Factors f = Factorize(360);
  EXPECT_EQ(f.count, 3);
  EXPECT_EQ(f.number, 360);
  EXPECT_EQ(f.rows,
            (Rows{{2, 3}, {3, 2}, {5, 1}, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, {1, 1}}));
  const Factors f58 = Factorize(58);
  EXPECT_EQ(f58.count, 1);
  EXPECT_EQ(f58.rows[0], (std::pair<float, float>{2, 1}));
  EXPECT_EQ(f58.rows[9], (std::pair<float, float>{29, 1}));  // 29 is never tried
  const Factors f770 = Factorize(770);
  EXPECT_EQ(f770.count, 4);
  EXPECT_EQ(
      f770.rows,
      (Rows{{2, 1}, {5, 1}, {7, 1}, {11, 1}, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, {1, 1}}));
}

TEST(FactorizeNumber, OneNegativeAndLargePrimes) {
  const Factors one = Factorize(1);
  EXPECT_EQ(one.count, 0);
  EXPECT_EQ(one.rows[0], kEmpty);
  EXPECT_EQ(one.rows[9], (std::pair<float, float>{1, 1}));
  const Factors minus = Factorize(-12);
  EXPECT_EQ(minus.count, 2);
  EXPECT_EQ(minus.number, 12);
  EXPECT_EQ(minus.rows[0], (std::pair<float, float>{2, 2}));
  EXPECT_EQ(minus.rows[1], (std::pair<float, float>{3, 1}));
  const Factors f899 = Factorize(899);
  EXPECT_EQ(f899.count, 0);
  EXPECT_EQ(f899.rows[9], (std::pair<float, float>{899, 1}));
  // Eight of the nine small primes (all nine are beyond the digits a number holds).
  const Factors many = Factorize(2.0f * 3 * 5 * 7 * 11 * 13 * 17 * 19);
  EXPECT_EQ(many.count, 8);
  EXPECT_EQ(many.rows[7], (std::pair<float, float>{19, 1}));
  EXPECT_EQ(many.rows[8], kEmpty);
  EXPECT_EQ(many.rows[9], (std::pair<float, float>{1, 1}));
}

TEST(FactorizeNumber, ZeroHasNoFactors) {
  for (float n : {0.0f, 0.3f, -0.4f}) {
    const Factors f = Factorize(n);
    EXPECT_EQ(f.count, 0) << n;
    EXPECT_EQ(f.rows[0], kEmpty);
    EXPECT_EQ(f.rows[9], (std::pair<float, float>{std::fabs(n), 1}));
    EXPECT_EQ(f.number, std::fabs(n));
  }
}

}  // namespace
}  // namespace orvelle
