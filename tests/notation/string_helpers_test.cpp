#include "notation/string_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <limits>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Bench;

TEST(StringHelpers, EachOnItsTexts) {
  const struct {
    void (*routine)(Machine&);
    const char *in, *out;
  } cases[] = {
      // Every mark goes, also an "=" between two fractions.
      {StripMarkup, "ﾀ3/4ﾀ", "3/4"},
      {StripMarkup, "-ﾀ3/4ﾀ", "-3/4"},
      {StripMarkup, "5", "5"},
      {StripMarkup, "ﾀ4/6ﾀ=ﾀ2/3ﾀ", "4/62/3"},
      {StripMarkup, "x^2ﾝ", "x2"},
      {StripMarkup, "", ""},
      {StripBracketsAndPlus, "-(2+x)", "-2x"},
      {StripBracketsAndPlus, "((a))+b+", "ab"},
      // Only a leading plus.
      {StripPlusSign, "+3", "3"},
      {StripPlusSign, "-3", "-3"},
      {StripPlusSign, "+", ""},
      {StripPlusSign, "", ""},
      {StripPlusSign, "++3", "+3"},
      {StripPlusSign, "2+3", "2+3"},
      {StripSign, "-3a", "3a"},
      {StripSign, "+5", "5"},
      {StripSign, "3", "3"},
      {StripSign, "", ""},
      {StripSign, "--1", "-1"},
      // Any minus anywhere.
      {ParenthesizeIfMinus, "-2x", "(-2x)"},
      {ParenthesizeIfMinus, "x-1", "(x-1)"},
      {ParenthesizeIfMinus, "3", "3"},
      {ParenthesizeIfMinus, "", ""},
      {ParenthesizeIfMinus, "(-2)", "((-2))"},
  };
  for (const auto& c : cases) {
    Bench b;
    b.m.strArg = c.in;
    c.routine(b.m);
    EXPECT_EQ(b.m.strArg, c.out) << c.in;
  }
  Bench b;
  b.m.strArg = "+ﾀ2/3ﾀ";
  StripPlusSign(b.m);
  EXPECT_EQ(b.m.strArg, "ﾀ2/3ﾀ");
  EXPECT_EQ(b.m.strLength, 6);  // characters of the text it was given
}

// "coin squareCount numArg | the pairs in figX, figY from 1 on".
std::string Divisors(float number) {
  Bench b;
  for (int i = 0; i <= 50; ++i) b.m.figX[i] = b.m.figY[i] = -1;
  b.m.numArg = number;
  ListDivisorPairs(b.m);
  EXPECT_EQ(b.m.figX[0], -1);
  std::string out =
      test::Fmt(b.m.coin) + " " + test::Fmt(b.m.squareCount) + " " + test::Fmt(b.m.numArg) + " |";
  for (int i = 1; i <= 50 && b.m.figX[i] != -1; ++i)
    out += " " + test::Pt(b.m.figX[i], b.m.figY[i]);
  return out;
}

TEST(ListDivisorPairs, PairsCountsAndTheAbsoluteValue) {
  EXPECT_EQ(Divisors(-12), "6 3 12 | 1,12 2,6 3,4 4,3 6,2 12,1");
  EXPECT_EQ(Divisors(12), Divisors(-12));
  EXPECT_EQ(Divisors(7), "2 1 7 | 1,7 7,1");
  EXPECT_EQ(Divisors(0), "1 0 0 | 1,0");
  EXPECT_EQ(Divisors(2.5f), "0 0 2.5 |");
  EXPECT_EQ(Divisors(16), "5 2 16 | 1,16 2,8 4,4 8,2 16,1");  // half of 5, truncated
  // 2^24, the largest value counted: the powers of two from 1 to 2^24.
  const std::string top = Divisors(16777216);
  EXPECT_EQ(top.substr(0, top.find('|')), "25 12 16777216 ");
  EXPECT_EQ(top.substr(top.rfind(' ')), " 16777216,1");
}

TEST(ListDivisorPairs, MoreThanFiftyDivisorsAreCountedNotStored) {
  const std::string d = Divisors(5040);
  EXPECT_EQ(d.substr(0, d.find('|')), "60 30 5040 ");
  // Fifty pairs from (1, 5040) to (420, 12); the ten largest divisors find no place.
  EXPECT_EQ(std::count(d.begin(), d.end(), ','), 50);
  EXPECT_EQ(d.substr(d.find('|'), 10), "| 1,5040 2");
  EXPECT_EQ(d.substr(d.rfind(' ')), " 420,12");
}

TEST(ListDivisorPairs, HugeValuesGiveNoPairsAtOnce) {
  const auto start = std::chrono::steady_clock::now();
  for (float v : {33554432.0f, -1e30f, std::numeric_limits<float>::infinity(),
                  std::numeric_limits<float>::quiet_NaN()}) {
    const std::string d = Divisors(v);
    EXPECT_EQ(d.substr(0, 4), "0 0 ") << v;
    EXPECT_EQ(d.back(), '|') << v;
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
}

}  // namespace
}  // namespace orvelle
