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

TEST(GlyphCacheStorm, StaysWithinItsBoundOver200000Keys) {
  // A bound small enough that the storm's glyphs fill it many times over.
  constexpr size_t kBound = 256 << 10;
  const TestProgram* programs[] = {&kIntro, &kCalc, &kApply};
  const std::vector<std::string> keys = StormKeys(27, 200000);
  size_t used = 0, most = 0, waits = 0;
  int program = 0;
  while (used < keys.size()) {
    const TestProgram& p = *programs[program++ % 3];
    // A small screen: every glyph is kept whatever its size.
    Canvas canvas(0.5, kBound);
    RecordingDevice device;
    Machine m{device};
    device.SetClock("08:15:00");
    // A program at a time, for a third of the storm or until it ends by its menu.
    const size_t share = std::min(keys.size() - used, size_t{70000});
    device.SetKeyList(
        {keys.begin() + static_cast<long>(used), keys.begin() + static_cast<long>(used + share)});
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
  EXPECT_GT(waits, 100000u);
}

}  // namespace
}  // namespace orvelle::test
