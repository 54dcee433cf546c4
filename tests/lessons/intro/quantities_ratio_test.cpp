// Section 3, item ② "割合" of Orvelle: the fixed question and its two drills.
#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "../../support/screen.h"
#include "drill_passes.h"

namespace orvelle {
namespace {

using test::DrewMarkup;
using test::DrillRun;
using test::DrillScript;
using test::KeyWaits;
using test::MarkupEnd;

float R(int pick, int low, int n) { return (static_cast<float>(pick - low) + 0.5f) / n; }

std::string Str(int v) { return std::to_string(v); }

// The box calls of a log with the given size, in order.
std::vector<DrawCall> Boxes(const std::vector<DrawCall>& log, float width, float height) {
  std::vector<DrawCall> out;
  for (const auto& c : log) {
    if (c.op == "box" && c.x2 - c.x1 == width && c.y2 - c.y1 == height) out.push_back(c);
  }
  return out;
}

// The question (5 keys), one pass of each drill (4 keys each), the keys around the rule.
DrillScript OnePassEach() {
  DrillScript s;
  s.Keys("3\r2\r     ").Pass(4, "1").Keys("  ").Pass(4, "1").Keys("8\r6\r");
  return s;
}

// n = 25, d = 3, p = 8, w = 6 in both drills; the letter of the second is "a".
std::vector<float> WorkedPicks() {
  return {R(25, 1, 69), R(3, 1, 9),  R(8, 1, 92), R(6, 1, 9), R(25, 1, 69),
          R(3, 1, 9),   R(8, 1, 92), R(6, 1, 9),  R(3, 1, 4)};
}

TEST(RatioItem, FixedQuestionThenTheTwoDrills) {
  std::vector<std::vector<DrawCall>> passes;
  DrillRun run(
      OnePassEach(),
      [&](int, const Machine&, const std::vector<DrawCall>& log) { passes.push_back(log); },
      "12:00:00", [](Machine& m) { m.random.Script(WorkedPicks()); });
  ASSERT_EQ(passes.size(), 2u);
  EXPECT_FALSE(run.device.KeysLeft());

  // The question: line 1 at y 30, four empty boxes 120 x 70 around line 2 at y 110.
  const auto& q = passes[0];
  EXPECT_TRUE(DrewMarkup(q, 40, 30, 0, "Q "));
  const float x10 = MarkupEnd(40, "Q ");
  EXPECT_TRUE(DrewMarkup(q, x10, 30, 3, "10円"));
  EXPECT_TRUE(DrewMarkup(q, 40, 110, 0, "①"));
  const auto boxes = Boxes(q, 120, 70);
  ASSERT_EQ(boxes.size(), 8u);  // four empty, then the four answers over them
  const float box1 = MarkupEnd(40, "①") + 10;
  EXPECT_EQ(boxes[0].x1, box1);
  EXPECT_EQ(boxes[0].y1, 110 - 13);  // centred on the line: (70 - 44) / 2 above it
  EXPECT_EQ(boxes[0].color, 3);
  EXPECT_EQ(boxes[0].fill, 13);
  EXPECT_EQ(boxes[0].width, 5);
  EXPECT_TRUE(DrewMarkup(q, box1 + 120 + 10, 110, 0, "倍(小数)"));
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(boxes[4 + k].x1, boxes[k].x1);
    EXPECT_EQ(boxes[4 + k].y1, boxes[k].y1);
  }
  EXPECT_TRUE(DrewMarkup(q, box1 + (120 - MarkupEnd(0, "0.1")) / 2, 110, 5, "0.1"));
  EXPECT_EQ(KeyWaits(q), 5 + 4);

  // First drill, band 200-350: 0.3, 25/100, 8 % and 6 割 of 1000 yen.
  EXPECT_TRUE(DrewMarkup(q, 40, 200, 3, "1000円の"));
  const float x5 = MarkupEnd(40, "1000円の") + 30;
  EXPECT_TRUE(DrewMarkup(q, x5, 200, 0, "⑤"));
  EXPECT_TRUE(DrewMarkup(q, MarkupEnd(x5, "⑤"), 200, 3, "0.3倍は"));
  EXPECT_TRUE(DrewMarkup(q, MarkupEnd(40, "⑥"), 280, 3, "ﾀ25/100ﾀ倍は"));
  const auto yen = Boxes(q, 90, 50);
  ASSERT_EQ(yen.size(), 8u);
  const char* amounts[] = {"300", "250", "80", "600"};
  for (int k = 0; k < 4; ++k) {
    const float x = yen[4 + k].x1 + (90 - MarkupEnd(0, amounts[k])) / 2;
    EXPECT_TRUE(DrewMarkup(q, x, yen[k].y1 + 3, 5, amounts[k])) << amounts[k];
  }
  bool band = false;
  for (const auto& c : q) band |= c.op == "box" && c.x1 == 0 && c.y1 == 200 && c.y2 == 350;
  EXPECT_TRUE(band);

  // The rule, then the second drill in the band 440-590 with the letter a.
  const auto& second = passes[1];
  EXPECT_TRUE(DrewMarkup(second, 40, 350, 5, "比べる量(答)=もとにする量(1000円)*割合(分数か小数)"));
  EXPECT_TRUE(DrewMarkup(second, 40, 440, 3, "a円の"));
  EXPECT_TRUE(DrewMarkup(second, 40, 520, 0, "⑩"));
  const auto letter = Boxes(second, 150, 75);
  ASSERT_EQ(letter.size(), 8u);
  const char* answers[] = {"0.3a", "ﾀ1/4ﾀa", "ﾀ2/25ﾀa", "ﾀ3/5ﾀa"};
  for (int k = 0; k < 4; ++k) {
    const float x = letter[k].x1 + (150 - MarkupEnd(0, answers[k])) / 2;
    EXPECT_TRUE(DrewMarkup(second, x, letter[k].y1 + 15, 5, answers[k])) << answers[k];
  }
  EXPECT_EQ(KeyWaits(second), 2 + 4);
  EXPECT_EQ(run.device.Calls("width").back().value, 5);  // the item leaves width 5
}

// The first drill's questions show this pass's ratios, never those of a pass before.
TEST(RatioItem, FirstDrillQuestionsShowTheirOwnRatios) {
  DrillScript s;
  s.Keys("3\r2\r     ").Pass(4, "1").Keys("  ").Pass(4, "1").Keys("8\r6\r");
  bool checked = false;
  DrillRun run(
      s,
      [&](int pass, const Machine&, const std::vector<DrawCall>& log) {
        if (pass != 0) return;
        checked = true;
        EXPECT_TRUE(DrewMarkup(log, MarkupEnd(40, "⑥"), 280, 3, "ﾀ50/100ﾀ倍は"));
        const float x7 =
            MarkupEnd(MarkupEnd(40, "⑥"), "ﾀ50/100ﾀ倍は") + 10 + 90 + MarkupEnd(0, "円") + 10 + 30;
        EXPECT_TRUE(DrewMarkup(log, MarkupEnd(x7, "⑦"), 280, 3, "92％は"));
      },
      "12:00:00",
      [](Machine& m) {
        m.coef[11] = 7;  // what an earlier item may have left
        m.random.Script({R(50, 1, 69), R(9, 1, 9), R(92, 1, 92), R(1, 1, 9)});
      });
  EXPECT_TRUE(checked);
}

// Both drills over many seeded passes: each ratio in its range, the amounts and the reduced
// fractions right.
TEST(RatioItem, ThousandPassesOfEachDrill) {
  constexpr int kPasses = 250;
  const char* clocks[] = {"07:01:02", "09:30:45", "11:11:11", "14:20:33"};
  int letters[4] = {};
  for (const char* clock : clocks) {
    DrillScript s;
    s.Keys("3\r2\r     ").Passes(kPasses, 4).Keys("  ").Passes(kPasses, 4).Keys("8\r6\r");
    DrillRun run(
        s,
        [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
          const test::PassScreen screen(log);
          const bool yen = pass < kPasses;
          const int d = static_cast<int>(m.coef[11]), n = static_cast<int>(m.coef[12]);
          const int p = static_cast<int>(m.coef[13]), w = static_cast<int>(m.coef[14]);
          ASSERT_TRUE(d >= 1 && d <= 9 && m.coef[11] == d);
          ASSERT_TRUE(n >= 1 && n <= 69 && m.coef[12] == n);
          ASSERT_TRUE(p >= 1 && p <= 92 && m.coef[13] == p);
          ASSERT_TRUE(w >= 1 && w <= 9 && m.coef[14] == w);
          const float top = yen ? 200 : 440;
          const float x1 =
              test::RememberedMarkupEnd(40, yen ? "1000円の" : m.amountLetter + "円の") + 30;
          const std::string d1 = "0." + Str(d);
          EXPECT_TRUE(
              screen.Drew(test::RememberedMarkupEnd(x1, yen ? "⑤" : "⑨"), top, 3, d1 + "倍は"));
          EXPECT_TRUE(screen.Drew(test::RememberedMarkupEnd(40, yen ? "⑥" : "⑩"), top + 80, 3,
                                  "ﾀ" + Str(n) + "/100ﾀ倍は"));
          const float width = yen ? 90 : 150;
          const auto boxes = Boxes(log, width, yen ? 50 : 75);
          ASSERT_EQ(boxes.size(), 8u);
          std::vector<std::string> answers;
          if (yen) {
            answers = {Str(100 * d), Str(10 * n), Str(10 * p), Str(100 * w)};
          } else {
            const std::string L = m.amountLetter;
            ASSERT_TRUE(L == "x" || L == "y" || L == "a" || L == "b") << L;
            ++letters[L == "x" ? 0 : L == "y" ? 1 : L == "a" ? 2 : 3];
            auto reduced = [&](int num, int den) {
              const int g = std::gcd(num, den);
              return "ﾀ" + Str(num / g) + "/" + Str(den / g) + "ﾀ" + L;
            };
            answers = {d1 + L, reduced(n, 100), reduced(p, 100), reduced(w, 10)};
          }
          for (int k = 0; k < 4; ++k) {
            const float x =
                boxes[4 + k].x1 + (width - test::RememberedMarkupEnd(0, answers[k])) / 2;
            const float y = boxes[4 + k].y1 + (yen ? 3 : 15);
            EXPECT_TRUE(screen.Drew(x, y, 5, answers[k])) << answers[k];
          }
        },
        clock);
    EXPECT_EQ(run.checks, 2 * kPasses);
    EXPECT_FALSE(run.device.KeysLeft());
    EXPECT_FALSE(test::ShowedErrorScreen(run.rest));
  }
  for (int count : letters) EXPECT_GT(count, 4 * kPasses / 8);
}

}  // namespace
}  // namespace orvelle
