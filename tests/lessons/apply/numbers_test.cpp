// Section 2 "数の表し方" of Orvelle Apply, screen by screen on the recording device.
#include "lessons/apply/numbers.h"

#include <cstdlib>

#include "../../support/lesson_test.h"
#include "../../support/page_reading.h"

namespace orvelle::test {
namespace {

// Multiples: the sets, the table's first and last rows (3k = 3 × k, k one key after the other,
// a negative one in brackets) and the rule; even and odd numbers: the sets and the forms.
TEST(ApplyNumbers, MultiplesEvenAndOddNumbers) {
  ItemRun(kApply, 2, 1, 21)
      .Expect({{44, 80, 3, "n=｛…-3,-2,-1,0,1,2,3,…｝", 2},
               {44, 230, 5, "-9", 5},
               {220, 230, 3, "(-3)", 7},
               {44, 530, 5, " 9", 5},
               {220, 530, 3, " 3", 13},
               {MarkupEnd(MarkupEnd(440, "(2)"), "9n "), 420, 5, "9の倍数", 21}});
  ItemRun(kApply, 2, 2, 4)
      .Expect({{44, 120, 5, "偶数=｛…-6,-4,-2,0,2,4,6,…｝", 1},
               {MarkupEnd(44, "偶数は、"), 300, 5, "2n　", 4}});
  const float reason = MarkupEnd(MarkupEnd(44, "奇数は、"), "偶数＋１　");
  ItemRun(kApply, 2, 3, 8)
      .Expect({{MarkupEnd(reason, "の形をしているから、"), 210, 5, "2n+1　", 5},
               {MarkupEnd(44, "奇数は、"), 390, 5, "2n-1　", 8}});
}

// Every set the items show holds what its name says, read from the screens: whole numbers,
// multiples of 3, even or odd numbers, each the one before it and the next, through 0 (odd
// numbers through -1 and 1), "…" at both ends.
TEST(ApplyNumbers, EverySetHoldsWhatItsNameSays) {
  const std::map<std::string, int> kStep = {{"n", 1}, {"３の倍数", 3}, {"偶数", 2}, {"奇数", 2}};
  const struct {
    int item, keyWaits;
    size_t sets;
  } items[] = {{1, 21, 2}, {2, 4, 1}, {3, 8, 4}};  // item 1's sets first stand without "…-3,..."
  for (const auto& it : items) {
    size_t sets = 0;
    for (const ReadText& t : ReadTexts(ItemRun(kApply, 2, it.item, it.keyWaits).Page())) {
      const size_t open = t.text.find("=｛…");
      if (open == std::string::npos) continue;
      const std::string name = t.text.substr(0, open);
      ASSERT_TRUE(kStep.count(name)) << t.text;
      const int step = kStep.at(name);
      ++sets;
      std::vector<int> numbers;
      std::string list = t.text.substr(open + std::string("=｛…").size());
      ASSERT_EQ(list.substr(list.size() - std::string(",…｝").size()), ",…｝") << t.text;
      list.erase(list.size() - std::string(",…｝").size());
      for (size_t from = 0, to = 0; to != std::string::npos; from = to + 1) {
        to = list.find(',', from);
        numbers.push_back(std::stoi(list.substr(from, to - from)));
      }
      const bool odd = name == "奇数";
      for (size_t k = 0; k < numbers.size(); ++k) {
        EXPECT_EQ(std::abs(numbers[k] % step), odd ? 1 : 0) << t.text;
        if (k > 0) {
          EXPECT_EQ(numbers[k] - numbers[k - 1], step) << t.text;
        }
      }
      EXPECT_TRUE(odd ? std::count(numbers.begin(), numbers.end(), -1) &&
                            std::count(numbers.begin(), numbers.end(), 1)
                      : std::count(numbers.begin(), numbers.end(), 0))
          << t.text;
    }
    EXPECT_EQ(sets, it.sets) << "item " << it.item;
  }
}

TEST(ApplyNumbers, ConsecutiveSumOfThePupilsNumbers) {
  const struct {
    const char *typed, *pair, *sum;
  } cases[] = {
      {"5", "5+6=", "11"},
      {"-3", "-3+(-2)=", "-5"},
      {"-1", "-1+0=", "-1"},
      {"0", "0+1=", "1"},
      {"2.5", "2.5+3.5=", "6"},
      {"", "0+1=", "1"},
      {"-0", "0+1=", "1"},
      {"4/2", "2+3=", "5"},
      // Beyond single precision: every digit kept, never an exponent.
      {"999999999", "999999999+1000000000=", "1999999999"},
      {"16777216", "16777216+16777217=", "33554433"},
      {"1234567.5", "1234567.5+1234568.5=", "2469136"},
      // Near -1 and -1/2 the sums cancel: no binary noise in the last digits.
      {"-1.000001", "-1.000001+(-.000001)=", "-1.000002"},
      {"-.9999999", "-.9999999+.0000001=", "-.9999998"},
      {"-.5000001", "-.5000001+.4999999=", "-.0000002"},
      {"-2/3", "-.6666666667+.3333333333=", "-.3333333333"},
      {"-99/98", "-1.010204082+(-.01020408163)=", "-1.020408163"},
      // Each number rounded once from its exact value: the last digits a pupil works out.
      {"3/11", ".2727272727+1.272727273=", "1.545454545"},
      {"-1/13", "-.07692307692+.9230769231=", ".8461538462"},
  };
  // Every answer but 1 at the next-step prompt gives another pass.
  const char* again[] = {"0", "2", "1/2", "-1", "1.5"};
  std::string keys(6, ' ');
  const int passes = static_cast<int>(std::size(cases));
  for (int i = 0; i < passes; ++i) {
    keys += std::string(cases[i].typed) + "\r " + (i + 1 == passes ? "1" : again[i % 5]) + "\r";
  }
  const ItemRun item(kApply, 2, 4, 6 + passes + 5, keys + std::string(5, ' '));
  const float after = MarkupEnd(67, "④ ");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_NEAR(std::stod(c.sum), 2 * std::stod(c.pair) + 1, 2e-9 * std::fabs(std::stod(c.sum)));
    ExpectSeen(item.log(), {{after, 270, 0, c.pair}, {MarkupEnd(after, c.pair), 270, 3, c.sum}});
  }
  // Each pass erases the line before it asks.
  const auto boxes = Boxes(item.run.device);
  EXPECT_EQ(std::count(boxes.begin(), boxes.end(), "0,270-1600,390 b15 f15 w5"), passes);
  item.Expect(
      {{400, 210, 7, "予想…2つの続いた整数の和は奇数になる。"},
       {MarkupEnd(MarkupEnd(MarkupEnd(67, "n+(n+1)"), "=n+n+1"), "=2n+1") + 60, 450, 3, "奇数"}});
}

}  // namespace
}  // namespace orvelle::test
