// Section 3, item ② "割合" of Orvelle: the fixed question and its two drills.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <utility>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"

namespace orvelle {
namespace {

using test::DrillRun;
using test::DrillScript;
using test::kIntro;
using test::MarkupEnd;
using test::Pick;
using test::Str;

// The box calls of a log with the given size, in order.
std::vector<DrawCall> Boxes(const std::vector<DrawCall>& log, float width, float height) {
  std::vector<DrawCall> out;
  for (const auto& c : log) {
    if (c.op == Op::kBox && c.x2 - c.x1 == width && c.y2 - c.y1 == height) out.push_back(c);
  }
  return out;
}

// The question (5 keys), `passes` passes of each drill (4 keys each), the keys around the rule.
DrillScript RatioScript(int passes) {
  DrillScript s;
  s.Keys(test::EnterItem(test::kIntro, 3, 2) + "     ").Passes(passes, 4);
  s.Keys("  ").Passes(passes, 4).Keys(test::LeaveProgram(test::kIntro, 3));
  return s;
}

TEST(RatioItem, FixedQuestionThenTheTwoDrills) {
  // n = 25, d = 3, p = 8, w = 6 in both drills; the letter of the second is "a".
  const DrillRun run = test::ScriptedDrill(
      kIntro, RatioScript(1),
      {Pick(25, 1, 69), Pick(3, 1, 9), Pick(8, 1, 92), Pick(6, 1, 9), Pick(25, 1, 69),
       Pick(3, 1, 9), Pick(8, 1, 92), Pick(6, 1, 9), Pick(3, 1, 4)});
  ASSERT_EQ(run.passes.size(), 2u);
  EXPECT_FALSE(run.device.KeysLeft());

  // The question: line 1 at y 30, four empty boxes 120 x 70 around line 2 at y 110, each
  // answered in turn over its box.
  const auto& q = run.passes[0];
  EXPECT_EQ(test::KeyWaits(q), 5 + 4);
  const float box1 = MarkupEnd(40, "①") + 10;
  test::ExpectSeen(q, {{40, 30, 0, "Q "},
                       {MarkupEnd(40, "Q "), 30, 3, "10円"},
                       {40, 110, 0, "①"},
                       {box1 + 120 + 10, 110, 0, "倍(小数)"},
                       {box1 + (120 - MarkupEnd(0, "0.1")) / 2, 110, 5, "0.1"}});
  const auto boxes = Boxes(q, 120, 70);
  ASSERT_EQ(boxes.size(), 8u);
  // Centred on the line: (70 - 44) / 2 above it; border 3, fill 13, at width 5.
  EXPECT_TRUE(test::HasBox({boxes[0]}, box1, 110 - 13, box1 + 120, 110 - 13 + 70, 3, 13));
  EXPECT_EQ(boxes[0].width, 5);
  // Each answer over its box, and each the one ratio 10/100: as a decimal, a fraction, in
  // percent and in 割 (tenths).
  const std::pair<std::string, double> answers[] = {
      {"0.1", 1}, {"ﾀ1/10ﾀ", 1}, {"10", 100}, {"1", 10}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(boxes[4 + k].x1, boxes[k].x1);
    EXPECT_EQ(boxes[4 + k].y1, boxes[k].y1);
    const auto& [answer, per] = answers[k];
    test::ExpectSeen(q, {{boxes[k].x1 + (120 - MarkupEnd(0, answer)) / 2, 110, 5, answer}});
    EXPECT_DOUBLE_EQ(test::MarkupValue(answer, {}) / per, 10.0 / 100) << answer;
  }

  // The first drill in the band 200-350: 0.3 and 25/100 of 1000 yen.
  const float x5 = MarkupEnd(40, "1000円の") + 30;
  test::ExpectSeen(q, {{40, 200, 3, "1000円の"},
                       {x5, 200, 0, "⑤"},
                       {MarkupEnd(x5, "⑤"), 200, 3, "0.3倍は"},
                       {MarkupEnd(40, "⑥"), 280, 3, "ﾀ25/100ﾀ倍は"}});
  EXPECT_TRUE(test::HasBox(q, 0, 200, 1760, 350, 15, 15));
  // The rule, then the second drill in the band 440-590 with the letter a.
  test::ExpectSeen(run.passes[1],
                   {{40, 350, 5, "比べる量(答)=もとにする量(1000円)*割合(分数か小数)"},
                    {40, 440, 3, "a円の"},
                    {40, 520, 0, "⑩"}});
  EXPECT_TRUE(test::HasBox(run.passes[1], 0, 440, 1760, 590, 15, 15));
  EXPECT_EQ(test::KeyWaits(run.passes[1]), 2 + 4);
  EXPECT_EQ(run.device.Calls(Op::kWidth).back().value, 5);  // the item leaves width 5
}

// The first drill's questions show this pass's ratios, never those an earlier item left.
TEST(RatioItem, FirstDrillQuestionsShowTheirOwnRatios) {
  const DrillRun run(kIntro, RatioScript(1), {}, "12:00:00", [](Machine& m) {
    m.coef[11] = 7;
    m.random.Script({Pick(50, 1, 69), Pick(9, 1, 9), Pick(92, 1, 92), Pick(1, 1, 9)});
  });
  const float x6 = MarkupEnd(40, "⑥");
  const float x7 = MarkupEnd(x6, "ﾀ50/100ﾀ倍は") + 10 + 90 + MarkupEnd(0, "円") + 10 + 30;
  test::ExpectSeen(run.passes[0],
                   {{MarkupEnd(MarkupEnd(40, "1000円の") + 30, "⑤"), 200, 3, "0.9倍は"},
                    {x6, 280, 3, "ﾀ50/100ﾀ倍は"},
                    {MarkupEnd(x7, "⑦"), 280, 3, "92％は"}});
}

// Both drills over many seeded passes: each ratio in its range, the amounts and the reduced
// fractions right, each answer centred in its box.
TEST(RatioItem, ThousandPassesOfEachDrill) {
  constexpr int kPasses = 250;
  int letters[4] = {};
  for (const char* clock : {"07:01:02", "09:30:45", "11:11:11", "14:20:33"}) {
    DrillRun run(
        kIntro, RatioScript(kPasses),
        [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
          const test::Screen screen(log);
          const bool yen = pass < kPasses;
          const int d = static_cast<int>(m.coef[11]), n = static_cast<int>(m.coef[12]);
          const int p = static_cast<int>(m.coef[13]), w = static_cast<int>(m.coef[14]);
          ASSERT_TRUE(d >= 1 && d <= 9 && m.coef[11] == d);
          ASSERT_TRUE(n >= 1 && n <= 69 && m.coef[12] == n);
          ASSERT_TRUE(p >= 1 && p <= 92 && m.coef[13] == p);
          ASSERT_TRUE(w >= 1 && w <= 9 && m.coef[14] == w);
          const std::string L = m.amountLetter;
          const float top = yen ? 200 : 440;
          const float x1 = MarkupEnd(40, yen ? "1000円の" : L + "円の") + 30;
          EXPECT_TRUE(screen.Drew(MarkupEnd(x1, yen ? "⑤" : "⑨"), top, 3, "0." + Str(d) + "倍は"));
          EXPECT_TRUE(
              screen.Drew(MarkupEnd(40, yen ? "⑥" : "⑩"), top + 80, 3, "ﾀ" + Str(n) + "/100ﾀ倍は"));
          const float width = yen ? 90 : 150;
          const auto boxes = Boxes(log, width, yen ? 50 : 75);
          ASSERT_EQ(boxes.size(), 8u);
          std::vector<std::string> answers;
          if (yen) {
            answers = {Str(100 * d), Str(10 * n), Str(10 * p), Str(100 * w)};
          } else {
            ASSERT_TRUE(L == "x" || L == "y" || L == "a" || L == "b") << L;
            ++letters[L == "x" ? 0 : L == "y" ? 1 : L == "a" ? 2 : 3];
            auto reduced = [&](int num, int den) {
              const int g = std::gcd(num, den);
              return "ﾀ" + Str(num / g) + "/" + Str(den / g) + "ﾀ" + L;
            };
            answers = {"0." + Str(d) + L, reduced(n, 100), reduced(p, 100), reduced(w, 10)};
          }
          for (int k = 0; k < 4; ++k) {
            const float x = boxes[4 + k].x1 + (width - MarkupEnd(0, answers[k])) / 2;
            EXPECT_TRUE(screen.Drew(x, boxes[4 + k].y1 + (yen ? 3 : 15), 5, answers[k]))
                << answers[k];
          }
        },
        clock);
    run.ExpectPasses(2 * kPasses);
  }
  for (int count : letters) EXPECT_GT(count, 4 * kPasses / 8);
}

}  // namespace
}  // namespace orvelle
