// The glyphs and dots the canvas keeps against the same ones rasterised afresh: every screen of
// the three programs' walks, at two scales, pixel for pixel.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/startup.h"
#include "platform/canvas.h"
#include "program_walk.h"

namespace orvelle::test {
namespace {

// How many pixels of two canvases of one size differ.
long DifferingPixels(const Canvas& a, const Canvas& b) {
  long differ = 0;
  for (int y = 0; y < a.height(); ++y) {
    const size_t row = static_cast<size_t>(y) * static_cast<size_t>(a.stride());
    const auto* pa = reinterpret_cast<const uint32_t*>(a.data() + row);
    const auto* pb = reinterpret_cast<const uint32_t*>(b.data() + row);
    if (std::memcmp(pa, pb, static_cast<size_t>(a.width()) * 4) == 0) continue;
    for (int x = 0; x < a.width(); ++x) differ += pa[x] != pb[x];
  }
  return differ;
}

// The program walked through `items`, every call drawn on a canvas that keeps its glyphs and dots
// and on one that keeps none, at scales 1 and 1.2; compared at every key wait after drawing.
void ExpectKeptAsFresh(const TestProgram& program, const std::vector<WalkItem>& items) {
  struct Pair {
    Canvas kept, fresh;
    explicit Pair(double scale) : kept(scale), fresh(scale, 0) {}
  };
  std::unique_ptr<Pair> pairs[] = {std::make_unique<Pair>(1), std::make_unique<Pair>(1.2)};
  RecordingDevice device;
  Machine m{device};
  device.SetKeys(WalkScript(program, items).keys);
  bool drawn = false;
  device.OnDraw([&](const DrawCall& c) {
    for (auto& p : pairs) p->kept.Draw(c), p->fresh.Draw(c);
    drawn = true;
  });
  int screens = 0, differ = 0;
  device.OnKeyWait([&] {
    device.ClearLog();
    if (!std::exchange(drawn, false)) return;
    ++screens;
    for (auto& p : pairs) {
      const long pixels = DifferingPixels(p->kept, p->fresh);
      if (pixels > 0 && differ++ == 0) {
        ADD_FAILURE() << pixels << " pixels differ at scale " << p->kept.scale() << " before key "
                      << device.keysRead() + 1 << ", read at " << device.keySite().file_name()
                      << ":" << device.keySite().line();
      }
    }
  });
  EXPECT_EQ(StartProgram(m, program.title(), program.menu), 0);
  EXPECT_EQ(differ, 0) << "screen pictures differ, of " << screens
                       << " screens at each of 2 scales";
  EXPECT_GT(screens, 200);
}

TEST(KeptGlyphs, EveryScreenOfTheOrvelleWalkIsTheScreenRasterisedAfresh) {
  ExpectKeptAsFresh(kIntro, IntroWalk());
}

TEST(KeptGlyphs, EveryScreenOfTheCalcWalkIsTheScreenRasterisedAfresh) {
  ExpectKeptAsFresh(kCalc, CalcWalk());
}

TEST(KeptGlyphs, EveryScreenOfTheApplyWalkIsTheScreenRasterisedAfresh) {
  ExpectKeptAsFresh(kApply, ApplyWalk());
}

}  // namespace
}  // namespace orvelle::test
