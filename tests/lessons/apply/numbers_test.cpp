// Section 2 "数の表し方" of Orvelle Apply, screen by screen on the recording device.
#include "lessons/apply/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "../../support/lesson_run.h"
#include "../../support/log_view.h"

namespace orvelle {
namespace {

using test::ItemRun;
using test::kApply;
using test::MarkupEnd;

TEST(ApplyNumbers, MultiplesSetsTableAndRule) {
  const ItemRun item(kApply, 2, 1, 21);
  std::vector<test::Seen> seen = {
      {44, 80, 3, "n=｛            1,2,3,…｝", 1},
      {44, 80, 3, "n=｛…-3,-2,-1,0,1,2,3,…｝", 2},
      {44, 580, 5, " …", 5},
      {440, 320, 7, "教科書P83 問1をしなさい。", 17},
      {MarkupEnd(MarkupEnd(440, "(2)"), "9n "), 420, 5, "9の倍数", 21},
  };
  // Row k: 3k = 3 × k, a blank before a multiple that is not negative, a negative k in
  // brackets, each k one key after the other.
  for (int k = -3; k <= 3; ++k) {
    const float y = 380 + 50.0f * k;
    const std::string sign = k < 0 ? "-" : " ", digit = std::to_string(std::abs(k));
    seen.push_back({44, y, 5, sign + std::to_string(std::abs(3 * k)), 5});
    seen.push_back({132, y, 0, "=3*", 6});
    seen.push_back({220, y, 3, k < 0 ? "(-" + digit + ")" : " " + digit, 10 + k});
  }
  item.Expect(seen);
  EXPECT_TRUE(test::HasBox(item.screens[2], 44, 76, 1364, 131, 15, 15));
}

TEST(ApplyNumbers, EvenAndOddNumbers) {
  const ItemRun even(kApply, 2, 2, 4);
  even.Expect({{44, 120, 5, "偶数=｛…-6,-4,-2,0,2,4,6,…｝", 1},
               {MarkupEnd(44, "偶数は、"), 300, 5, "2n　", 4},
               {44, 305, 0, "文字式を利用して、整数の性質を調べよう。"}});  // the aims, before
  // Item 3: lines 60 apart; the one at y 210 built in three keys.
  const float reason = MarkupEnd(MarkupEnd(44, "奇数は、"), "偶数＋１　");
  ItemRun(kApply, 2, 3, 8)
      .Expect({
          {44, 90, 3, "偶数=｛…-6,-4,-2,0,2,4,6,…｝", 1},
          {MarkupEnd(44, "奇数は、"), 210, 5, "偶数＋１　", 4},
          {MarkupEnd(reason, "の形をしているから、"), 210, 5, "2n+1　", 5},
          {MarkupEnd(44, "奇数は、"), 390, 5, "2n-1　", 8},
      });
}

TEST(ApplyNumbers, ConsecutiveSumOfThePupilsNumbers) {
  const struct {
    const char* typed;
    const char* pair;
    const char* sum;
  } cases[] = {
      {"5", "5+6=", "11"},
      {"-3", "-3+(-2)=", "-5"},
      {"-1", "-1+0=", "-1"},
      {"0", "0+1=", "1"},
      {"2.5", "2.5+3.5=", "6"},
      {"", "0+1=", "1"},
      {"-0", "0+1=", "1"},
      {"4/2", "2+3=", "5"},
      {"1/4", ".25+1.25=", "1.5"},
      // Beyond single precision: every digit kept, never an exponent.
      {"999999999", "999999999+1000000000=", "1999999999"},
      {"16777216", "16777216+16777217=", "33554433"},
      {"1234567.5", "1234567.5+1234568.5=", "2469136"},
      // Near -1 and -1/2 the sums cancel: no binary noise in the last digits.
      {"-1.000001", "-1.000001+(-.000001)=", "-1.000002"},
      {"-.9999999", "-.9999999+.0000001=", "-.9999998"},
      {"-.5000001", "-.5000001+.4999999=", "-.0000002"},
      {"-2/3", "-.6666666667+.3333333333=", "-.3333333333"},
  };
  // Every answer but 1 at the next-step prompt gives another pass.
  const char* again[] = {"0", "2", "1/2", "-1", "1.5"};
  std::string keys(6, ' ');
  int passes = 0;
  for (const auto& c : cases) {
    const bool last = passes + 1 == static_cast<int>(std::size(cases));
    keys += std::string(c.typed) + "\r " + (last ? "1" : again[passes % 5]) + "\r";
    ++passes;
  }
  keys += std::string(5, ' ');
  const ItemRun item(kApply, 2, 4, 6 + passes + 5, keys);
  const float after = MarkupEnd(67, "④ ");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_NEAR(std::stod(c.sum), 2 * std::stod(c.pair) + 1, 1e-9 * std::fabs(std::stod(c.sum)));
    test::ExpectSeen(item.log(),
                     {{after, 270, 0, c.pair}, {MarkupEnd(after, c.pair), 270, 3, c.sum}});
  }
  // Each pass erases the line before it asks.
  const auto boxes = test::Boxes(item.run.device);
  EXPECT_EQ(std::count(boxes.begin(), boxes.end(), "0,270-1600,390 b15 f15 w5"), passes);
  item.Expect({
      {400, 210, 7, "予想…2つの続いた整数の和は奇数になる。"},
      {MarkupEnd(MarkupEnd(MarkupEnd(67, "n+(n+1)"), "=n+n+1"), "=2n+1") + 60, 450, 3, "奇数"},
  });
  EXPECT_EQ(item.run.device.GetDrawWidth(), 5);
}

}  // namespace
}  // namespace orvelle
