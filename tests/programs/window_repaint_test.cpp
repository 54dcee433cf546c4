// What the window keeps to draw its picture afresh at another size, after a long drill: no more
// than the screen shows, and the same pixels as the canvas drawn call by call.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../support/lesson_run.h"
#include "platform/canvas.h"
#include "platform/ink.h"
#include "platform/kept_calls.h"

namespace orvelle::test {
namespace {

TEST(WindowRepaint, AfterALongDrillTheKeptCallsDrawTheCanvasPixelForPixel) {
  // Section 4 item 1: its 12 steps, then 150 problems of a drill that clears only the right half
  // of the screen for each.
  std::string keys = EnterItem(kIntro, 4, 1) + std::string(12, ' ');
  for (int i = 0; i < 150; ++i) keys += std::string(6, ' ') + "3\r";
  const std::vector<double> scales = {kExactScale, 1, 1.2};
  std::vector<std::unique_ptr<Canvas>> canvases;
  for (double scale : scales) canvases.push_back(std::make_unique<Canvas>(scale));
  KeptCalls kept;
  RecordingDevice device;
  device.OnDraw([&](const DrawCall& c) {
    for (auto& canvas : canvases) canvas->Draw(c);
    kept.Add(c);
  });
  device.SetKeys(keys);
  Machine m(device);
  StartProgram(m, "Orvelle", kIntro.menu);
  ASSERT_FALSE(device.KeysLeft());

  // The page's texts glyph by glyph, the problem on the right, the prompt: under 200 calls.
  EXPECT_LT(kept.size(), 200u);
  for (size_t i = 0; i < scales.size(); ++i) {
    const Canvas& drawn = *canvases[i];
    Canvas repainted(scales[i]);
    ASSERT_TRUE(kept.DrawOn(repainted));
    int differ = 0;
    for (int y = 0; y < drawn.height(); ++y) {
      const size_t row = static_cast<size_t>(y) * static_cast<size_t>(drawn.stride());
      differ += std::memcmp(drawn.data() + row, repainted.data() + row,
                            static_cast<size_t>(drawn.width()) * 4) != 0;
    }
    EXPECT_EQ(differ, 0) << "rows differ at scale " << scales[i];
  }
}

}  // namespace
}  // namespace orvelle::test
