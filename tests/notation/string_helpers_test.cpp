#include "notation/string_helpers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>

#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Bench;

std::string Apply(void (*routine)(Machine&), const std::string& text) {
  Bench b;
  b.m.strArg = text;
  routine(b.m);
  return b.m.strArg;
}

TEST(StripMarkup, RemovesTheMarksWherever) {
  EXPECT_EQ(Apply(StripMarkup, "ﾀ3/4ﾀ"), "3/4");
  EXPECT_EQ(Apply(StripMarkup, "-ﾀ3/4ﾀ"), "-3/4");
  EXPECT_EQ(Apply(StripMarkup, "5"), "5");
  EXPECT_EQ(Apply(StripMarkup, "ﾀ4/6ﾀ=ﾀ2/3ﾀ"), "4/62/3");
  EXPECT_EQ(Apply(StripMarkup, "x^2ﾝ"), "x2");
  EXPECT_EQ(Apply(StripMarkup, ""), "");
}

TEST(StripBracketsAndPlus, RemovesBracketsAndPlus) {
  EXPECT_EQ(Apply(StripBracketsAndPlus, "-(2+x)"), "-2x");
  EXPECT_EQ(Apply(StripBracketsAndPlus, "((a))+b+"), "ab");
}

TEST(StripPlusSign, OnlyALeadingPlus) {
  EXPECT_EQ(Apply(StripPlusSign, "+3"), "3");
  EXPECT_EQ(Apply(StripPlusSign, "-3"), "-3");
  EXPECT_EQ(Apply(StripPlusSign, "+"), "");
  EXPECT_EQ(Apply(StripPlusSign, ""), "");
  EXPECT_EQ(Apply(StripPlusSign, "++3"), "+3");
  EXPECT_EQ(Apply(StripPlusSign, "2+3"), "2+3");
  Bench b;
  b.m.strArg = "+ﾀ2/3ﾀ";
  StripPlusSign(b.m);
  EXPECT_EQ(b.m.strArg, "ﾀ2/3ﾀ");
  EXPECT_EQ(b.m.strLength, 6);  // characters of the text it was given
}

TEST(StripSign, LeadingPlusOrMinus) {
  EXPECT_EQ(Apply(StripSign, "-3a"), "3a");
  EXPECT_EQ(Apply(StripSign, "+5"), "5");
  EXPECT_EQ(Apply(StripSign, "3"), "3");
  EXPECT_EQ(Apply(StripSign, ""), "");
  EXPECT_EQ(Apply(StripSign, "--1"), "-1");
}

TEST(ParenthesizeIfMinus, AnyMinusAnywhere) {
  EXPECT_EQ(Apply(ParenthesizeIfMinus, "-2x"), "(-2x)");
  EXPECT_EQ(Apply(ParenthesizeIfMinus, "x-1"), "(x-1)");
  EXPECT_EQ(Apply(ParenthesizeIfMinus, "3"), "3");
  EXPECT_EQ(Apply(ParenthesizeIfMinus, ""), "");
  EXPECT_EQ(Apply(ParenthesizeIfMinus, "(-2)"), "((-2))");
}

struct Pairs {
  float coin, squareCount, numArg;
  std::vector<std::pair<float, float>> pairs;
};

Pairs Divisors(float number) {
  Bench b;
  for (int i = 0; i <= 50; ++i) b.m.figX[i] = b.m.figY[i] = -1;
  b.m.numArg = number;
  ListDivisorPairs(b.m);
  Pairs p{b.m.coin, b.m.squareCount, b.m.numArg, {}};
  for (int i = 1; i <= 50 && b.m.figX[i] != -1; ++i) p.pairs.push_back({b.m.figX[i], b.m.figY[i]});
  EXPECT_EQ(b.m.figX[0], -1);
  return p;
}

using PairList = std::vector<std::pair<float, float>>;

TEST(ListDivisorPairs, AbsoluteValueAndPairs) {
  const Pairs p = Divisors(-12);
  EXPECT_EQ(p.numArg, 12);
  EXPECT_EQ(p.coin, 6);
  EXPECT_EQ(p.squareCount, 3);
  EXPECT_EQ(p.pairs, (PairList{{1, 12}, {2, 6}, {3, 4}, {4, 3}, {6, 2}, {12, 1}}));
  EXPECT_EQ(Divisors(12).pairs, p.pairs);
}

TEST(ListDivisorPairs, SmallAndOddCases) {
  const Pairs seven = Divisors(7);
  EXPECT_EQ(seven.pairs, (PairList{{1, 7}, {7, 1}}));
  EXPECT_EQ(seven.squareCount, 1);
  const Pairs zero = Divisors(0);
  EXPECT_EQ(zero.pairs, (PairList{{1, 0}}));
  EXPECT_EQ(zero.coin, 1);
  EXPECT_EQ(zero.squareCount, 0);
  const Pairs half = Divisors(2.5f);
  EXPECT_TRUE(half.pairs.empty());
  EXPECT_EQ(half.coin, 0);
  EXPECT_EQ(half.squareCount, 0);
  const Pairs square = Divisors(16);
  EXPECT_EQ(square.coin, 5);
  EXPECT_EQ(square.squareCount, 2);  // half of 5, truncated
}

TEST(ListDivisorPairs, MoreThanFiftyDivisorsAreCountedNotStored) {
  const Pairs p = Divisors(5040);
  EXPECT_EQ(p.coin, 60);
  EXPECT_EQ(p.squareCount, 30);
  ASSERT_EQ(p.pairs.size(), 50u);
  EXPECT_EQ(p.pairs.front(), (std::pair<float, float>{1, 5040}));
  // The ten largest divisors (504 to 5040) are counted but find no place.
  EXPECT_EQ(p.pairs.back(), (std::pair<float, float>{420, 12}));
}

TEST(ListDivisorPairs, HugeValuesGiveNoPairsAtOnce) {
  const auto start = std::chrono::steady_clock::now();
  for (float v : {33554432.0f, -1e30f, std::numeric_limits<float>::infinity(),
                  std::numeric_limits<float>::quiet_NaN()}) {
    const Pairs p = Divisors(v);
    EXPECT_EQ(p.coin, 0) << v;
    EXPECT_EQ(p.squareCount, 0) << v;
    EXPECT_TRUE(p.pairs.empty()) << v;
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
}

TEST(ListDivisorPairs, LargestCountedValue) {
  const Pairs p = Divisors(16777216);  // 2^24: the powers of two from 1 to 2^24
  EXPECT_EQ(p.coin, 25);
  EXPECT_EQ(p.pairs.back(), (std::pair<float, float>{16777216, 1}));
}

}  // namespace
}  // namespace orvelle
