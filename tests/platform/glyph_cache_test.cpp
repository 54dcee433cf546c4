#include "platform/glyph_cache.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/device.h"

namespace orvelle {
namespace {

struct Sample {
  const char* what;
  const char* s;
  FontState font;
  int across, down;
};

// Latin, kana, kanji and circled digits of the Gothic face, the italic letters, bold, at the
// factors the lessons use.
const Sample kSamples[] = {
    {"Latin", "Ag", {kGothicFont, 16, false, false}, 3, 3},
    {"kana", "あカ", {kGothicFont, 16, false, false}, 2, 3},
    {"kanji", "漢字", {kGothicFont, 16, false, false}, 2, 2},
    {"circled digits", "①⑨", {kGothicFont, 14, false, false}, 1, 1},
    {"italic letters", "ax", {kLetterFont, 8, false, true}, 10, 7},
    {"bold kanji", "数量", {kGothicFont, 16, true, false}, 2, 3},
    {"bold digits", "72", {kGothicFont, 16, true, false}, 3, 3},
};

// Every pixel of `c` whose top-left is at (px, py), as a map from pixel to coverage.
struct Pixels {
  std::vector<uint8_t> a;
  int x0, y0, w, h;
  Pixels(int x0, int y0, int w, int h)
      : a(static_cast<size_t>(w) * static_cast<size_t>(h)), x0(x0), y0(y0), w(w), h(h) {}
  void Put(const Coverage& c, int px, int py) {
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const int gx = px + x - x0, gy = py + y - y0;
        ASSERT_TRUE(gx >= 0 && gy >= 0 && gx < w && gy < h);
        a[static_cast<size_t>(gy * w + gx)] = c.at(x, y);
      }
    }
  }
};

bool SameCoverage(const Coverage& a, const Coverage& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
         a.stride == b.stride && a.alpha == b.alpha;
}

TEST(GlyphCache, KeptCoverageIsAFreshRasterisationAtTheGlyphsPlace) {
  for (const double scale : {1.0, 1.2}) {
    Canvas canvas(scale);
    GlyphCache cache;
    for (const Sample& sample : kSamples) {
      SCOPED_TRACE(std::string(sample.what) + " at scale " + std::to_string(scale));
      const std::vector<GlyphDraw> glyphs =
          canvas.Place(101.3f, 207.7f, sample.across, sample.down, sample.s, sample.font);
      ASSERT_EQ(glyphs.size(), 2u);
      for (const GlyphDraw& g : glyphs) {
        int px, py;
        const Coverage first = cache.Find(g, px, py);
        ASSERT_FALSE(first.alpha.empty());
        const size_t kept = cache.size();
        int again_x, again_y;
        EXPECT_TRUE(SameCoverage(cache.Find(g, again_x, again_y), first));
        EXPECT_EQ(cache.size(), kept);  // found, not rasterised again
        EXPECT_EQ(again_x, px);
        EXPECT_EQ(again_y, py);

        // A fresh rasterisation at the glyph's exact place: the same ink, to a shade.
        const double ox = std::floor(g.x), oy = std::floor(g.y);
        const Coverage exact = GlyphCache::Rasterise(g, g.x - ox, g.y - oy);
        const int ex = static_cast<int>(ox) + exact.left, ey = static_cast<int>(oy) + exact.top;
        const int x0 = std::min(px, ex) - 1, y0 = std::min(py, ey) - 1;
        const int w = std::max(px + first.width, ex + exact.width) - x0 + 1;
        const int h = std::max(py + first.height, ey + exact.height) - y0 + 1;
        Pixels keptPixels(x0, y0, w, h), exactPixels(x0, y0, w, h);
        keptPixels.Put(first, px, py);
        exactPixels.Put(exact, ex, ey);
        long ink = 0, differ = 0;
        int largest = 0;
        for (size_t i = 0; i < keptPixels.a.size(); ++i) {
          const int d = std::abs(keptPixels.a[i] - exactPixels.a[i]);
          ink += exactPixels.a[i];
          differ += d;
          largest = std::max(largest, d);
        }
        // The rasteriser samples 15 rows a pixel: a row's sample that moves past an edge at
        // a corner changes that pixel by a few steps; elsewhere by one at most.
        EXPECT_LE(largest, 16);
        EXPECT_LT(differ, ink / 200);
        // Nothing of the outline cut off by its box: on pixels reaching 8 further, the same.
        EXPECT_TRUE(SameCoverage(GlyphCache::Rasterise(g, g.x - ox, g.y - oy, 8), exact));
      }
    }
  }
}

// A glyph larger than the picture is rasterised only where it falls on the picture, and is not
// kept; a glyph of the lessons' sizes is kept whole.
TEST(GlyphCache, AGlyphLargerThanThePictureOnlyWhereItShows) {
  Canvas canvas(1);
  GlyphCache cache(64 << 10);  // keeps glyphs up to 16 KiB
  cache.SetVisible(200, 100);
  const GlyphDraw huge = canvas.Place(-100, -100, 30, 30, "■", {kGothicFont, 16})[0];
  int px, py;
  const Coverage& c = cache.Find(huge, px, py);
  EXPECT_EQ(px, 0);
  EXPECT_EQ(py, 0);
  EXPECT_EQ(c.width, 200);
  EXPECT_EQ(c.height, 100);
  EXPECT_EQ(c.at(100, 50), 255);
  EXPECT_EQ(cache.size(), 0u);
  const GlyphDraw small = canvas.Place(300, 300, 3, 3, "■", {kGothicFont, 16})[0];
  const Coverage& whole = cache.Find(small, px, py);
  EXPECT_GT(px + whole.width, 200);  // beyond the visible pixels, and kept
  EXPECT_EQ(cache.size(), 1u);
}

TEST(GlyphCache, BoldIsTheRegularGlyphThickenedAllRound) {
  Canvas canvas(1.2);
  for (const char* s : {"数", "2", "あ"}) {
    SCOPED_TRACE(s);
    const GlyphDraw regular = canvas.Place(300, 300, 3, 3, s, {kGothicFont, 16})[0];
    GlyphDraw bold = canvas.Place(300, 300, 3, 3, s, {kGothicFont, 16, true})[0];
    ASSERT_TRUE(bold.face->syntheticBold);  // the Japanese face has no bold of its own
    ASSERT_EQ(bold.x, regular.x);
    const Coverage r = GlyphCache::Rasterise(regular, 0.25, 0.5);
    const Coverage b = GlyphCache::Rasterise(bold, 0.25, 0.5);
    // Wider by the pen's reach on each side, and every pixel of the regular glyph at least as
    // covered.
    EXPECT_GT(b.width, r.width);
    EXPECT_GT(b.height, r.height);
    EXPECT_LE(b.left, r.left - 1);
    EXPECT_LE(b.top, r.top - 1);
    long regularInk = 0, boldInk = 0;
    for (int y = 0; y < r.height; ++y) {
      for (int x = 0; x < r.width; ++x) {
        const int rv = r.at(x, y);
        const int bv = b.at(x + r.left - b.left, y + r.top - b.top);
        EXPECT_GE(bv + 1, rv) << x << "," << y;
        regularInk += rv;
      }
    }
    for (uint8_t v : b.alpha) boldInk += v;
    EXPECT_GT(boldInk, regularInk * 11 / 10);
  }
}

TEST(GlyphCache, KeepsWithinItsBoundTheGlyphsUsedLast) {
  Canvas canvas(2);
  const FontState font{kGothicFont, 16, true};
  const std::string text = "文字の使用式表し方数量よみ値基本問題終了代入求めよう";
  std::vector<GlyphDraw> glyphs = canvas.Place(10, 10, 3, 3, text, font);
  ASSERT_GT(glyphs.size(), 20u);
  GlyphCache small(64 << 10);
  int px, py;
  const Coverage first = small.Find(glyphs[0], px, py);
  size_t most = 0;
  for (int round = 0; round < 3; ++round) {
    for (size_t i = 1; i < glyphs.size(); ++i) {
      small.Find(glyphs[i], px, py);
      EXPECT_LE(small.bytes(), small.bound());
      most = std::max(most, small.bytes());
      // Used between every other glyph, the first one is never the least recently used.
      const size_t kept = small.size();
      EXPECT_TRUE(SameCoverage(small.Find(glyphs[0], px, py), first));
      EXPECT_EQ(small.size(), kept);
    }
  }
  EXPECT_GT(most, small.bound() / 2);  // the bound was reached: glyphs went out
}

TEST(GlyphCache, GlyphsRasterisedTogetherAreTheGlyphsRasterisedOneByOne) {
  Canvas canvas(1.2);
  const std::string text = "①2x+3y=数量の表し方、よみ方";
  std::vector<GlyphDraw> glyphs = canvas.Place(40, 30, 2, 3, text, {kGothicFont, 16, true});
  const std::vector<GlyphDraw> plain = canvas.Place(40, 130, 3, 3, text, {kGothicFont, 16});
  glyphs.insert(glyphs.end(), plain.begin(), plain.end());
  ASSERT_GE(glyphs.size(), 2 * GlyphCache::kGlyphsPerThread);
  GlyphCache together, oneByOne;
  together.Prefetch(glyphs);
  const size_t kept = together.size();
  for (const GlyphDraw& g : glyphs) {
    int ax, ay, bx, by;
    const Coverage a = together.Find(g, ax, ay);
    EXPECT_TRUE(SameCoverage(a, oneByOne.Find(g, bx, by)));
    EXPECT_EQ(ax, bx);
    EXPECT_EQ(ay, by);
  }
  EXPECT_EQ(together.size(), kept);  // every one was there
  EXPECT_EQ(oneByOne.size(), kept);
}

// Helpers rasterise only with scaled fonts the drawing thread holds until they are done, which
// debug builds assert: of every glyph, that its font is held, and when the hold ends, that each
// font is still referenced. Here each glyph has a size, and so a font, of its own: cairo's own
// reference to the font it made last stands in for the hold's of one font at most.
TEST(GlyphCache, HelpersRasteriseWithTheFontsHeldForThem) {
  Canvas canvas(1.1);
  std::vector<GlyphDraw> glyphs;
  for (int across = 1; across <= 4; ++across) {
    for (int down = 1; down <= 2 * int{GlyphCache::kMaxThreads}; ++down) {
      const FontState font{kGothicFont, 16, (across + down) % 2 == 0};
      const std::vector<GlyphDraw> placed =
          canvas.Place(70.0f * across, 100.0f * down, across, down, "数", font);
      glyphs.insert(glyphs.end(), placed.begin(), placed.end());
    }
  }
  // Enough for every helper there may be.
  ASSERT_GE(glyphs.size(), GlyphCache::kMaxThreads * GlyphCache::kGlyphsPerThread);
  GlyphCache cache;
  cache.Prefetch(glyphs);
  EXPECT_EQ(cache.size(), glyphs.size());
}

TEST(Canvas, DrawsIntoPixelsNotItsOwnUntilItTakesThemOver) {
  const int stride = 1440 * 4 + 64;
  std::vector<unsigned char> window(static_cast<size_t>(stride) * 900 + 64, 0xAB);
  Canvas c(1, window.data(), stride);
  c.Box(10, 10, 20, 20, 0, 0, 1);
  c.data();
  const auto at = [&](int x, int y) {
    uint32_t v;
    std::memcpy(&v, window.data() + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4,
                4);
    return v & 0xFFFFFF;
  };
  EXPECT_EQ(at(15, 15), 0u);           // black, drawn into the window's pixels
  EXPECT_EQ(at(100, 100), 0xFFFFFFu);  // the background
  EXPECT_EQ(window[static_cast<size_t>(stride) * 900], 0xAB);  // nothing past the rows
  EXPECT_EQ(window[1440 * 4], 0xAB);                           // nor past a row's pixels
  c.OwnPixels();
  c.Box(30, 30, 40, 40, 0, 0, 1);
  // Text is composited by pixman, not drawn through cairo: it too goes into the canvas's pixels.
  c.Text(200, 200, 3, 3, 0, "■", FontState{kGothicFont, 16});
  EXPECT_TRUE(c.Pixel(35, 35).r == 0 && c.Pixel(15, 15).r == 0);  // the picture came along
  EXPECT_EQ(c.Pixel(224, 224).r, 0);
  EXPECT_EQ(at(35, 35), 0xFFFFFFu);  // and the window's pixels are left alone
  EXPECT_EQ(at(224, 224), 0xFFFFFFu);
}

}  // namespace
}  // namespace orvelle
