// The italic letters of the mark-up on the canvas: each one's ink clear of the glyphs either side
// of it, measured from the pixels, in a lesson line and in a fraction.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "../support/machine.h"
#include "notation/markup.h"
#include "platform/canvas.h"

namespace orvelle {
namespace {

// The box around every pixel the glyph touched (anything not white), in pixels.
PixelRect Ink(const Canvas& c, const PixelRect& in) {
  PixelRect r{in.x1, in.y1, in.x0, in.y0};
  for (int y = in.y0; y < in.y1; ++y) {
    for (int x = in.x0; x < in.x1; ++x) {
      const Rgb p = c.Pixel(x, y);
      if (p.r == 255 && p.g == 255 && p.b == 255) continue;
      r = {std::min(r.x0, x), std::min(r.y0, y), std::max(r.x1, x + 1), std::max(r.y1, y + 1)};
    }
  }
  return r;
}

// Draws single glyphs with the glyph renderer on a canvas of its own, one at a time.
struct GlyphInk : test::Bench {
  static constexpr float kY = 300;
  Canvas canvas;
  bool inFraction;
  std::map<std::tuple<std::string, float>, std::pair<PixelRect, float>> seen;

  GlyphInk(double scale, bool fraction) : canvas(scale), inFraction(fraction) {
    device.OnDraw([this](const DrawCall& c) { canvas.Draw(c); });
  }
  // The glyph's ink drawn with its pen at x, and the pen after it.
  std::pair<PixelRect, float> At(const std::string& glyph, float x) {
    auto [it, fresh] = seen.try_emplace({glyph, x});
    if (!fresh) return it->second;
    canvas.Clear();
    m.strArg = glyph;
    m.drawX = x;
    m.drawY = kY;
    m.drawColor = 0;
    m.inFraction = inFraction ? 1 : 0;
    DrawGlyphs(m);
    const double s = canvas.scale();
    const PixelRect around{static_cast<int>((x - 60) * s), static_cast<int>((kY - 60) * s),
                           static_cast<int>((x + 120) * s), static_cast<int>((kY + 100) * s)};
    it->second = {Ink(canvas, around), m.drawX};
    return it->second;
  }
};

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

std::string Describe(const PixelRect& r) {
  return "[" + std::to_string(r.x0) + ", " + std::to_string(r.x1) + ")";
}

TEST(ItalicLetters, InkClearOfTheGlyphsEitherSide) {
  // "/" is drawn as "÷" and "*" as "×"; "l" is the script ell of "MT Extra".
  const char* kLetters[] = {"a", "x", "c", "l"};
  const char* kBefore[] = {"3", "(", "-", "="};
  const char* kAfter[] = {"/", "*", "=", "+", "-", ")", "3"};
  for (bool inFraction : {false, true}) {
    for (double scale : {1.0, 1.5}) {
      GlyphInk g(scale, inFraction);
      for (const char* letter : kLetters) {
        for (const char* before : kBefore) {
          const auto [beforeInk, letterPen] = g.At(before, 100);
          const auto [letterInk, afterPen] = g.At(letter, letterPen);
          for (const char* after : kAfter) {
            const PixelRect afterInk = g.At(after, afterPen).first;
            const std::string what = std::string(before) + letter + after +
                                     (inFraction ? " in a fraction" : " in a line") + " at " +
                                     std::to_string(scale) + ": " + Describe(beforeInk) + " " +
                                     Describe(letterInk) + " " + Describe(afterInk);
            ASSERT_FALSE(letterInk.empty() || beforeInk.empty() || afterInk.empty()) << what;
            EXPECT_FALSE(Overlap(beforeInk, letterInk)) << what;
            EXPECT_FALSE(Overlap(letterInk, afterInk)) << what;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace orvelle
