// Ratio marks on a segment.
#include "core/ratio_marks.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Lines;
using test::Strings;

struct Ticks : test::Bench {
  void Draw(float x1, float y1, float x2, float y2, float mm, float n, float r, float count) {
    m.segStartX = x1;
    m.segStartY = y1;
    m.segEndX = x2;
    m.segEndY = y2;
    m.clockSeed = mm;
    m.errorCode = n;
    m.markRadius = r;
    m.markCount = count;
    m.lineColor = 2;
    DrawRatioTicks(m);
  }
};

TEST(DrawRatioTicks, ChevronsFromTheDividingPoint) {
  const struct {
    struct {
      float x1, y1, x2, y2, mm, n, r, count;
    } in;
    Strings lines;
  } cases[] = {
      // m = n = 1: the dividing point (200, 200); the arm ends of the first mark across it.
      {{100, 200, 300, 200, 1, 1, 16, 2},
       {"200,208-216,200 w3 c2", "200,192-216,200 w3 c2", "216,208-232,200 w3 c2",
        "216,192-232,200 w3 c2"}},
      {{0, 0, 100, 0, 1, 1, 8, 2},
       {"58,4-66,0 w3 c2", "58,-4-66,0 w3 c2", "74,4-82,0 w3 c2", "74,-4-82,0 w3 c2"}},
      {{0, 0, 100, 0, 0, 3, 8, 1}, {"8,4-16,0 w3 c2", "8,-4-16,0 w3 c2"}},  // from the first end
      {{0, 0, 100, 0, 2, 0, 8, 1}, {"108,4-116,0 w3 c2", "108,-4-116,0 w3 c2"}},  // past the second
      {{0, 0, 0, 100, 1, 3, 8, 1},
       {"-4,33-0,41 w3 c2", "4,33-0,41 w3 c2"}},  // down: 25 down, tip 41
      // Diagonal: u = (0.6, 0.8), the tip 16 beyond (30, 40), the arms 10 back and 5 aside.
      {{0, 0, 30, 40, 1, 0, 10, 1}, {"29.6,47.8-39.6,52.8 w3 c2", "37.6,41.8-39.6,52.8 w3 c2"}},
  };
  for (const auto& c : cases) {
    Ticks t;
    t.Draw(c.in.x1, c.in.y1, c.in.x2, c.in.y2, c.in.mm, c.in.n, c.in.r, c.in.count);
    EXPECT_EQ(Lines(t.device), c.lines);
    EXPECT_EQ(t.m.markCount, c.in.count);
    EXPECT_EQ(t.device.GetDrawWidth(), 3);
  }
}

TEST(DrawRatioTicks, MarkCountsAndDegenerateInput) {
  const struct {
    float count;
    size_t lines;
    float countAfter;
  } counts[] = {{0, 2, 1}, {-2, 2, 1}, {7, 2, 1}, {2.5f, 4, 2.5f}, {0.5f, 2, 0.5f}, {6, 12, 6}};
  for (const auto& c : counts) {
    Ticks t;
    t.Draw(0, 0, 100, 0, 1, 1, 8, c.count);
    EXPECT_EQ(t.Calls(Op::kLine).size(), c.lines) << c.count;
    EXPECT_EQ(t.m.markCount, c.countAfter) << c.count;
  }
  // No segment, or m + n = 0: nothing drawn, the count still clamped.
  Ticks point;
  point.Draw(50, 50, 50, 50, 1, 1, 8, 9);
  EXPECT_TRUE(point.device.log().empty());
  EXPECT_EQ(point.m.markCount, 1);
  Ticks noRatio;
  noRatio.Draw(0, 0, 100, 0, 2, -2, 8, 3);
  EXPECT_TRUE(noRatio.device.log().empty());
  EXPECT_EQ(noRatio.m.markCount, 3);
}

}  // namespace
}  // namespace orvelle
