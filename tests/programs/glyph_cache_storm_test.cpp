// The glyph cache over a long session: the three programs driven by random keys, every screen
// drawn on a canvas whose cache must stay within its bound.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/startup.h"
#include "platform/canvas.h"
#include "platform/recording_device.h"
#include "program_walk.h"

namespace orvelle::test {
namespace {

// A program at a time, so that the storms run side by side: 70,000 keys each, the program
// started again whenever it ends by its menu.
class GlyphCacheStorm : public testing::TestWithParam<const TestProgram*> {};

TEST_P(GlyphCacheStorm, StaysWithinItsBoundOver70000Keys) {
  // A bound small enough that the storm's glyphs fill it many times over.
  constexpr size_t kBound = 128 << 10;
  const TestProgram& p = *GetParam();
  const std::vector<std::string> keys = StormKeys(27, 70000);
  size_t used = 0, most = 0, waits = 0;
  while (used < keys.size()) {
    // A small screen: every glyph is kept whatever its size.
    Canvas canvas(0.5, kBound);
    RecordingDevice device;
    Machine m{device};
    device.SetClock("08:15:00");
    device.SetKeyList({keys.begin() + static_cast<long>(used), keys.end()});
    // Only what goes through the cache: texts and dots.
    device.OnDraw([&canvas](const DrawCall& c) {
      if (c.op == Op::kText || c.op == Op::kCircle) canvas.Draw(c);
    });
    device.OnKeyWait([&] {
      const size_t bytes = canvas.glyphs().bytes();
      EXPECT_LE(bytes, kBound);
      most = std::max(most, bytes);
      ++waits;
      if (device.log().size() > 20000) device.ClearLog();
    });
    StartProgram(m, p.title(), p.menu);
    ASSERT_GT(device.keysRead(), 0);
    used += static_cast<size_t>(device.keysRead());
  }
  EXPECT_EQ(used, keys.size());
  EXPECT_GT(most, kBound * 3 / 4);
  EXPECT_GT(waits, 30000u);
}

INSTANTIATE_TEST_SUITE_P(ThreePrograms, GlyphCacheStorm, testing::Values(&kIntro, &kCalc, &kApply),
                         [](const auto& info) {
                           return std::string(info.param == &kIntro  ? "Orvelle"
                                              : info.param == &kCalc ? "Calc"
                                                                     : "Apply");
                         });

}  // namespace
}  // namespace orvelle::test
