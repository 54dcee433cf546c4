#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <vector>

#include "platform/fonts.h"
#include "platform/ink.h"
#include "platform/palette.h"
#include "platform/recording_device.h"

namespace orvelle {
namespace {

constexpr const char* kGothic = "ゴシック";

FontState Font(const std::string& name, float size, bool bold = false, bool italic = false) {
  return {name, size, bold, italic};
}

bool IsWhite(Rgb c) { return c.r == 255 && c.g == 255 && c.b == 255; }
bool IsDark(Rgb c) { return c.r + c.g + c.b < 3 * 128; }
bool Same(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// The box around every pixel darker than mid grey, in pixels; x1 and y1 are past the last one.
PixelRect Ink(const Canvas& c, PixelRect in = {0, 0, 0, 0}) {
  if (in.empty()) in = {0, 0, c.width(), c.height()};
  PixelRect r{in.x1, in.y1, in.x0, in.y0};
  for (int y = in.y0; y < in.y1; ++y) {
    for (int x = in.x0; x < in.x1; ++x) {
      if (!IsDark(c.Pixel(x, y))) continue;
      r.x0 = std::min(r.x0, x);
      r.y0 = std::min(r.y0, y);
      r.x1 = std::max(r.x1, x + 1);
      r.y1 = std::max(r.y1, y + 1);
    }
  }
  return r;
}

// Where each run of dark pixels along a row begins.
std::vector<int> RunStarts(const Canvas& c, int y, int x0, int x1) {
  std::vector<int> starts;
  bool inRun = false;
  for (int x = x0; x < x1; ++x) {
    const bool dark = IsDark(c.Pixel(x, y));
    if (dark && !inRun) starts.push_back(x);
    inRun = dark;
  }
  return starts;
}

std::string Describe(const PixelRect& r) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "[%d,%d)-[%d,%d)", r.x0, r.y0, r.x1, r.y1);
  return buf;
}

// A rectangle in units, in the pixels of `scale`.
std::string Describe(const UnitRect& r, double scale) {
  if (r.empty()) return "none";
  char buf[96];
  std::snprintf(buf, sizeof buf, "[%.2f,%.2f]-[%.2f,%.2f]", r.x0 * scale, r.y0 * scale,
                r.x1 * scale, r.y1 * scale);
  return buf;
}

TEST(Fonts, EachNameIsAnsweredByItsOwnFace) {
  ASSERT_TRUE(FontConfigLoaded()) << FontConfigPath();
  // A fallback to some other face would hide a missing font, so each must be the named one.
  for (const char* name : {"ｺﾞｼｯｸ", "ゴシック"}) {
    for (bool bold : {false, true}) {
      const Face& f = FindFace(name, bold, false);
      EXPECT_EQ(f.family, "IPAGothic") << name;
      EXPECT_FALSE(f.fellBack) << name;
      EXPECT_EQ(f.syntheticBold, bold) << "IPAGothic has no bold face of its own";
    }
  }
  for (const char* name : {"Times New Roman", "MT Extra"}) {
    const Face& f = FindFace(name, true, true);
    EXPECT_EQ(f.family, "Liberation Serif") << name;
    EXPECT_FALSE(f.fellBack) << name;
    EXPECT_EQ(f.style, "Bold Italic") << name;
    EXPECT_FALSE(f.syntheticBold);
    EXPECT_FALSE(f.syntheticItalic);
  }
  EXPECT_TRUE(FindFace("MT Extra", false, false).ellForL);
  EXPECT_TRUE(FindFace("MT Extra", false, false).Find(U'\u2113').found);
  EXPECT_TRUE(FindFace("No Such Face", false, false).fellBack);
}

TEST(Canvas, FullWidthCellsAt1x1AreSixteenUnitsApart) {
  for (double scale : {1.0, 1.5}) {
    Canvas c(scale);
    c.Text(100, 100, 1, 1, 0, "■■■■■■■■", Font(kGothic, 16));
    const int row = static_cast<int>((100 + 8) * scale);
    const auto starts = RunStarts(c, row, 0, c.width());
    ASSERT_EQ(starts.size(), 8u) << scale;
    for (size_t i = 1; i < starts.size(); ++i) {
      EXPECT_NEAR(starts[i] - starts[0], 16 * scale * static_cast<double>(i), 1.0) << scale;
    }
    const PixelRect ink = Ink(c);
    EXPECT_GE(ink.x0, static_cast<int>(100 * scale));
    EXPECT_LE(ink.x1, static_cast<int>((100 + 8 * 16) * scale) + 1);
    EXPECT_GE(ink.y0, static_cast<int>(100 * scale));
    EXPECT_LE(ink.y1, static_cast<int>((100 + 16) * scale) + 1);
  }
}

TEST(Canvas, HalfWidthCellsAreHalfAsWide) {
  Canvas c;
  c.Text(100, 100, 1, 1, 0, "||||||", Font(kGothic, 16));
  const auto starts = RunStarts(c, 108, 0, c.width());
  ASSERT_EQ(starts.size(), 6u);
  for (size_t i = 1; i < starts.size(); ++i) EXPECT_EQ(starts[i] - starts[i - 1], 8);
  // Half-width katakana are narrow too: a wide character after three of them starts at 24.
  Canvas k;
  k.Text(100, 100, 1, 1, 0, "ﾀﾝｱ■", Font(kGothic, 16));
  const PixelRect square = Ink(k, {124, 100, 140, 116});
  EXPECT_GE(square.x0, 124);
  EXPECT_LE(square.x1, 140);
  EXPECT_GE(square.x1 - square.x0, 11);
}

TEST(Canvas, ScaledCellsAreSizeTimesTheFactors) {
  struct Case {
    float size;
    int h, v;
  };
  for (const Case& t : {Case{16, 2, 3}, Case{16, 3, 3}, Case{16, 4, 2}, Case{11, 3, 3},
                        Case{8, 6, 3}, Case{16, 1, 3}, Case{15, 2, 2}, Case{16, 3, 4}}) {
    for (bool bold : {false, true}) {
      Canvas c;
      c.Text(200, 300, t.h, t.v, 0, "■", Font(kGothic, t.size, bold));
      const PixelRect ink = Ink(c);
      const double w = t.size * t.h, h = t.size * t.v;
      const std::string what = std::to_string(t.size) + " " + std::to_string(t.h) + "x" +
                               std::to_string(t.v) + (bold ? " bold " : " ") + Describe(ink);
      // Inside its cell (a synthetic bold may spill a pixel), and filling most of it.
      EXPECT_GE(ink.x0, 200 - 1) << what;
      EXPECT_LE(ink.x1, 200 + w + 1) << what;
      EXPECT_GE(ink.y0, 300 - 1) << what;
      EXPECT_LE(ink.y1, 300 + h + 1) << what;
      EXPECT_GT(ink.x1 - ink.x0, 0.7 * w) << what;
      EXPECT_GT(ink.y1 - ink.y0, 0.7 * h) << what;
    }
  }
}

// The lowest dark row of a glyph, in units (the canvas is at scale 1).
int Bottom(const Canvas& c, PixelRect in) { return Ink(c, in).y1; }

TEST(Canvas, ItalicLettersStandOnTheBaselineOfTheDigitsBesideThem) {
  struct Line {
    int digitH, digitV;  // the Gothic digits of the line
    int letterH, letterV;
    float offsetY;  // the letter's offset above the pen
    float advance;
  };
  // A lesson line and a fraction's numerator, as the glyph renderer draws them.
  for (const Line& l : {Line{3, 3, 10, 7, -22, 27}, Line{4, 2, 12, 5, -16, 32}}) {
    for (const char* letter : {"x", "a", "c"}) {
      Canvas c;
      const float pen = 100, y = 300;
      c.Text(pen, y, l.digitH, l.digitV, 0, "2", Font(kGothic, 16, true));
      c.Text(pen + l.advance + 4, y + l.offsetY, l.letterH, l.letterV, 0, letter,
             Font("Times New Roman", 8, true, true));
      const int digitBottom = Bottom(c, {90, 200, static_cast<int>(pen + l.advance), 420});
      const PixelRect ink = Ink(
          c, {static_cast<int>(pen + l.advance), 200, static_cast<int>(pen + 3 * l.advance), 420});
      const std::string what = std::string(letter) + " at " + std::to_string(l.letterH) + "x" +
                               std::to_string(l.letterV) + " " + Describe(ink);
      // "x" sits flat on the line; "a" and "c" are round and dip a little below it.
      EXPECT_NEAR(ink.y1, digitBottom, std::string(letter) == "x" ? 1.5 : 2.5) << what;
      // Inside the letter's advance, and lower than the digit is high.
      EXPECT_GE(ink.x0, pen + l.advance) << what;
      EXPECT_LE(ink.x1, pen + 2 * l.advance + 2) << what;
      const PixelRect digit = Ink(c, {90, 200, static_cast<int>(pen + l.advance), 420});
      EXPECT_GT(ink.y0, digit.y0 + 0.2 * (digit.y1 - digit.y0)) << what;
    }
  }
}

TEST(Canvas, TheEllOfMTExtraIsTheScriptEllOnTheDigitsBaseline) {
  Canvas ell, script, roman;
  for (Canvas* c : {&ell, &script, &roman})
    c->Text(100, 300, 3, 3, 0, "2", Font(kGothic, 16, true));
  ell.Text(127, 300, 6, 3, 0, "l", Font("MT Extra", 16, true));
  script.Text(127, 300, 6, 3, 0, "ℓ", Font("MT Extra", 16, true));
  roman.Text(127, 300, 6, 3, 0, "l", Font("Times New Roman", 16, true));
  const PixelRect letter{127, 200, 200, 420};
  EXPECT_EQ(Describe(Ink(ell, letter)), Describe(Ink(script, letter)));
  EXPECT_NE(Describe(Ink(ell, letter)), Describe(Ink(roman, letter)));
  const PixelRect ink = Ink(ell, letter);
  EXPECT_NEAR(ink.y1, Bottom(ell, {90, 200, 127, 420}), 2.5) << Describe(ink);
  EXPECT_GE(ink.x0, 127);
  EXPECT_LE(ink.x1, 127 + 32) << Describe(ink);
}

TEST(Canvas, SyntheticBoldAndItalicStayInTheirCells) {
  for (int v : {1, 3, 7}) {
    Canvas plain, bold, italic;
    plain.Text(100, 100, 1, v, 0, "川", Font(kGothic, 16));
    bold.Text(100, 100, 1, v, 0, "川", Font(kGothic, 16, true));
    italic.Text(100, 100, 1, v, 0, "川", Font(kGothic, 16, false, true));
    auto count = [](const Canvas& c) {
      int n = 0;
      for (int y = 90; y < 100 + 16 * 7 + 10; ++y) {
        for (int x = 90; x < 130; ++x) n += IsDark(c.Pixel(x, y)) ? 1 : 0;
      }
      return n;
    };
    EXPECT_GT(count(bold), count(plain) * 1.15) << v;
    // The strokes thicken; the glyph does not grow downwards beyond its cell.
    EXPECT_LE(Ink(bold).y1, 100 + 16 * v + 1) << v;
    EXPECT_LE(Ink(bold).x1, 117) << v;
    // An oblique leans right: the top of its strokes is further right than their bottom.
    const PixelRect ink = Ink(italic);
    const auto top = RunStarts(italic, ink.y0 + 1, 90, 140);
    const auto bottom = RunStarts(italic, ink.y1 - 2, 90, 140);
    ASSERT_FALSE(top.empty());
    ASSERT_FALSE(bottom.empty());
    EXPECT_GT(top.front(), bottom.front()) << v;
  }
}

TEST(Canvas, BoxesHaveTheirBorderAroundTheirFill) {
  Canvas c;
  c.Box(96, 657, 400, 693, 13, 4, 3);
  EXPECT_TRUE(Same(c.Pixel(200, 675), PaletteColor(4)));
  EXPECT_TRUE(Same(c.Pixel(96, 675), PaletteColor(13)));
  EXPECT_TRUE(Same(c.Pixel(200, 657), PaletteColor(13)));
  EXPECT_TRUE(Same(c.Pixel(400, 693), PaletteColor(13)));
  EXPECT_TRUE(IsWhite(c.Pixel(92, 675)));
  EXPECT_TRUE(IsWhite(c.Pixel(200, 696)));
  // Corners given the other way round make the same box.
  Canvas d;
  d.Box(400, 693, 96, 657, 13, 4, 3);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(c.data()), c.stride() * c.height()),
            std::string(reinterpret_cast<const char*>(d.data()), d.stride() * d.height()));
}

TEST(Canvas, StraightLinesAreSharp) {
  Canvas c;
  c.Line(100, 100, 300, 100, 0, 3);
  for (int y : {99, 100, 101}) EXPECT_TRUE(Same(c.Pixel(200, y), PaletteColor(0))) << y;
  for (int y : {98, 102}) EXPECT_TRUE(IsWhite(c.Pixel(200, y))) << y;
  c.Line(500, 100, 500, 300, 0, 4);
  for (int x : {498, 499, 500, 501}) EXPECT_TRUE(Same(c.Pixel(x, 200), PaletteColor(0))) << x;
  for (int x : {497, 502}) EXPECT_TRUE(IsWhite(c.Pixel(x, 200))) << x;
}

TEST(Canvas, ArcsAndSectorsTurnClockwiseFromTheRight) {
  const float cx = 400, cy = 400, r = 100;
  auto onCircle = [&](const Canvas& c, double turns) {
    const double a = turns * 2 * M_PI;
    return !IsWhite(
        c.Pixel(static_cast<int>(cx + r * std::cos(a)), static_cast<int>(cy + r * std::sin(a))));
  };
  Canvas whole;
  whole.Circle(cx, cy, r, 1, 0, 0, false, 1, 3);
  for (double t : {0.0, 0.125, 0.3, 0.6, 0.9}) EXPECT_TRUE(onCircle(whole, t)) << t;
  EXPECT_TRUE(IsWhite(whole.Pixel(400, 400)));

  // A quarter from 0 to 0.25 turns runs from the right down to the bottom of the screen.
  Canvas arc;
  arc.Circle(cx, cy, r, 4, 0, 0.25f, false, 4, 3);
  EXPECT_TRUE(onCircle(arc, 0.125));
  EXPECT_FALSE(onCircle(arc, 0.375));
  EXPECT_FALSE(onCircle(arc, 0.875));
  // From 0.75 round to 0.25 it passes through the right.
  Canvas wrap;
  wrap.Circle(cx, cy, r, 4, 0.75f, 0.25f, false, 4, 3);
  EXPECT_TRUE(onCircle(wrap, 0.875));
  EXPECT_TRUE(onCircle(wrap, 0.125));
  EXPECT_FALSE(onCircle(wrap, 0.5));

  Canvas sector;
  sector.Circle(cx, cy, r, 0, 0.75f, 1, true, 14, 3);
  EXPECT_TRUE(Same(sector.Pixel(430, 370), PaletteColor(14)));  // top right: inside
  EXPECT_TRUE(IsWhite(sector.Pixel(430, 430)));                 // bottom right: outside
  EXPECT_TRUE(Same(sector.Pixel(400, 340), PaletteColor(0)));   // its radius up

  Canvas none;
  none.Circle(cx, cy, r, 0, 0.5f, 0.5f, true, 0, 3);
  EXPECT_TRUE(Ink(none).empty());
}

TEST(Canvas, DrawingInTheBackgroundColourLeavesNoTrace) {
  for (double scale : {1.0, 1.2, 1.333}) {
    Canvas c(scale);
    for (int pass = 0; pass < 3; ++pass) {
      c.Circle(1064, 656, 4, 5, 0, 0, true, 5, 3);
      c.Circle(1064, 656, 4, 15, 0, 0, true, 15, 3);
      c.Line(10, 10, 57, 33, 3, 3);
      c.Line(10, 10, 57, 33, 15, 3);
      c.Polyline({{100, 100}, {120, 140}, {150, 90}}, 0, 5);
      c.Polyline({{100, 100}, {120, 140}, {150, 90}}, 15, 5);
    }
    for (int y = 0; y < c.height(); y += 1) {
      for (int x = 0; x < c.width(); x += 1) {
        if (!IsWhite(c.Pixel(x, y))) {
          ADD_FAILURE() << "trace at " << x << "," << y << " scale " << scale;
          return;
        }
      }
    }
  }
}

// A text's pixels are its colour through each glyph's coverage over what was there, as cairo
// fills through a mask: on several colours, at a scale between whole pixels, in bold, and
// clipped where it runs off the top-left of the screen.
TEST(Canvas, GlyphsAreTheirColourFilledThroughTheirCoverage) {
  struct Drawn {
    float x, y;
    int across, down, color;
    const char* s;
    FontState font;
  };
  const Drawn texts[] = {{-9.3f, -7.6f, 3, 3, 4, "数量の8", Font(kGothic, 16, true)},
                         {120.4f, 61.7f, 2, 3, 1, "2x+3の①", Font(kGothic, 16)},
                         {95.2f, 30.1f, 5, 4, 14, "ax", Font("Times New Roman", 8, false, true)}};
  Canvas canvas(1.3);
  canvas.Box(0, 0, 200, 40, 12, 12, 1);
  canvas.Box(60, 20, 260, 120, 0, 9, 3);
  canvas.Box(150, 70, 320, 160, 10, 10, 1);
  const size_t bytes = static_cast<size_t>(canvas.stride()) * canvas.height();
  std::vector<unsigned char> ground(canvas.data(), canvas.data() + bytes), expected = ground;
  for (const Drawn& t : texts) canvas.Text(t.x, t.y, t.across, t.down, t.color, t.s, t.font);

  cairo_surface_t* surface = cairo_image_surface_create_for_data(
      expected.data(), CAIRO_FORMAT_RGB24, canvas.width(), canvas.height(), canvas.stride());
  cairo_t* cr = cairo_create(surface);
  GlyphCache cache;
  for (const Drawn& t : texts) {
    const Rgb rgb = PaletteColor(t.color);
    cairo_set_source_rgb(cr, rgb.r / 255.0, rgb.g / 255.0, rgb.b / 255.0);
    for (const GlyphDraw& g : canvas.Place(t.x, t.y, t.across, t.down, t.s, t.font)) {
      int px, py;
      Coverage c = cache.Find(g, px, py);
      if (c.alpha.empty()) continue;
      cairo_surface_t* mask = cairo_image_surface_create_for_data(c.alpha.data(), CAIRO_FORMAT_A8,
                                                                  c.width, c.height, c.stride);
      cairo_mask_surface(cr, mask, px, py);
      cairo_surface_destroy(mask);
    }
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  const unsigned char* drawn = canvas.data();
  long differ = 0, inked = 0;  // in pixels' colours (the fourth byte of a pixel is unused)
  for (size_t i = 0; i < bytes; ++i) {
    if (i % 4 == 3) continue;
    differ += drawn[i] != expected[i];
    inked += drawn[i] != ground[i];
  }
  EXPECT_EQ(differ, 0);
  EXPECT_GT(inked, 3000);  // the texts were drawn
}

TEST(Canvas, PolygonsAreFilledInsideTheirOutline) {
  Canvas c;
  c.Polygon({{440, 620}, {470, 540}, {560, 540}, {530, 620}}, 3, 11, 3);
  EXPECT_TRUE(Same(c.Pixel(500, 580), PaletteColor(11)));
  EXPECT_TRUE(Same(c.Pixel(500, 540), PaletteColor(3)));
  EXPECT_TRUE(IsWhite(c.Pixel(445, 545)));
}

TEST(Canvas, DrawingOffTheScreenIsClipped) {
  Canvas c;
  c.TakeDamage();
  c.Text(0, 1800, 3, 3, 0, "2x+3", Font(kGothic, 16, true));
  c.Box(2576, 0, 3000, 900, 0, 0, 3);
  c.Line(-100, -100, -50, -50, 0, 3);
  EXPECT_TRUE(c.TakeDamage().empty());
  EXPECT_TRUE(Ink(c).empty());
  // The whole-window box of the menus covers the screen and more.
  c.Box(0, 0, 1760, 1800, 10, 10, 3);
  EXPECT_TRUE(Same(c.Pixel(1439, 899), PaletteColor(10)));
}

TEST(Canvas, NonsenseArgumentsDrawNothingAndHarmNothingAfter) {
  Canvas c;
  const float nan = std::nanf(""), inf = INFINITY;
  c.Line(nan, 0, 100, 100, 0, 3);
  c.Box(0, 0, inf, 100, 0, 0, 3);
  c.Circle(100, 100, nan, 0, 0, 0, true, 0, 3);
  c.Polygon({{0, 0}, {nan, 5}, {5, 5}}, 0, 0, 3);
  c.Text(nan, 10, 1, 1, 0, "x", Font(kGothic, 16));
  EXPECT_TRUE(Ink(c).empty());
  c.Line(-1e30f, 450, 1e30f, 450, 0, 2);
  c.Text(10, 10, 100000, -5, 0, "■", Font(kGothic, 1e9f));
  // A glyph far larger than the picture: only its part on the picture is rasterised, and none of
  // it is kept.
  c.Text(-2000, -2000, 100, 100, 0, "■", Font(kGothic, 400));
  EXPECT_TRUE(Same(c.Pixel(720, 450), PaletteColor(0)));
  EXPECT_LT(c.glyphs().bytes(), size_t{64} << 10);
  c.Circle(700, 450, 1e20f, 4, 0, 0, false, 4, 1000000);
  c.Box(100, 600, 200, 700, 0, 2, -3);
  EXPECT_TRUE(Same(c.Pixel(150, 650), PaletteColor(2)));
  EXPECT_TRUE(Same(c.Pixel(100, 600), PaletteColor(0)));
}

// A call of any kind the canvas draws, at random, over the screen and beyond its edges: texts in
// every face and style, boxes (filled whole or bordered), dots, lines, circles, arcs, sectors,
// polylines, polygons, in any colour (the background's: erasing) and pen, and now and then a
// clear. A line or a box runs any way from its first corner: leftwards or rightwards, upwards or
// downwards, along an axis, or to a point.
DrawCall RandomCall(std::mt19937& gen) {
  const auto real = [&gen](double a, double b) {
    return static_cast<float>(std::uniform_real_distribution<double>(a, b)(gen));
  };
  const auto pick = [&gen](int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); };
  const auto x = [&] { return real(-40, 1480); };
  const auto y = [&] { return real(-40, 940); };
  const auto near = [&](float v) { return v + real(-150, 150); };
  const auto toward = [&](float v) {
    const int way = pick(3);
    return way == 1 ? v : v + (way == 0 ? -1 : 1) * real(0.5, 150);
  };
  const int color = pick(4) == 0 ? kBackgroundColor : pick(15);
  const int other = pick(16);
  const float turn = real(0, 1);
  DrawCall c;
  switch (pick(10)) {
    case 0: {
      static const char* const kTexts[] = {"2x+3", "あカ漢字", "①　⑨", "ax", "l", "…", "■=-"};
      static const char* const kFaces[] = {kGothicFont, kLetterFont, kEllFont};
      c = TextCall(x(), y(), 1 + pick(4), 1 + pick(4), color, kTexts[pick(7)]);
      c.font = {kFaces[pick(3)], static_cast<float>(8 + pick(9)), pick(2) == 0, pick(3) == 0};
      break;
    }
    case 1: {
      const float x1 = x(), y1 = y();
      c = BoxCall(x1, y1, toward(x1), toward(y1), color, pick(2) ? color : other);
      break;
    }
    case 2:
      c = CircleCall(x(), y(), real(0.5, 8), color, 0, 0, true, color);
      break;
    case 3: {
      const float x1 = x(), y1 = y();
      c = LineCall(x1, y1, toward(x1), toward(y1), color);
      break;
    }
    case 4:
      c = CircleCall(x(), y(), real(1, 120), color, 0, 0, pick(2) == 0, other);
      break;
    case 5:
      c = CircleCall(x(), y(), real(1, 120), color, turn, real(0, 1), false, color);
      break;
    case 6:
      c = CircleCall(x(), y(), real(1, 120), color, turn, real(0, 1), true, other);
      break;
    case 7:
    case 8: {
      std::vector<Point> points{{x(), y()}};
      for (int n = pick(5) + 1; n > 0; --n) {
        points.push_back({near(points.back().x), near(points.back().y)});
      }
      c = pick(2) ? PolylineCall(points, color) : PolygonCall(points, color, other);
      break;
    }
    default:
      if (pick(4) != 0) return RandomCall(gen);
      c.op = Op::kClear;
      c.color = kBackgroundColor;
  }
  c.width = pick(6) == 0 ? 8 + pick(8) : pick(6);
  return c;
}

// A ground of a colour the call does not draw in: black, else white, else grey.
int GroundFor(const DrawCall& c) {
  const bool fills = c.op == Op::kBox || c.op == Op::kPolygon || (c.op == Op::kCircle && c.filled);
  const auto uses = [&](int color) { return c.color == color || (fills && c.fill == color); };
  return !uses(0) ? 0 : !uses(kBackgroundColor) ? kBackgroundColor : 7;
}

// A canvas painted all over in one colour: a row of its pixels, to hold others to.
std::vector<unsigned char> PaintGround(Canvas& c, int ground) {
  c.Box(-10, -10, 1450, 910, ground, ground, 1);
  c.TakeDamage();
  return {c.data(), c.data() + c.width() * 4};
}

// How many of the pixels from `x0` to `x1` in `row` differ in colour from `ground`, and the first
// and last that do.
int Differing(const unsigned char* row, const unsigned char* ground, int x0, int x1, int* first,
              int* last) {
  int n = 0;
  for (int x = x0; x < x1; ++x) {
    if (std::memcmp(row + x * 4, ground + x * 4, 3) == 0) continue;  // the fourth byte is no colour
    if (n++ == 0) *first = x;
    *last = x;
  }
  return n;
}

// The pixels of the canvas that differ from `ground` outside the rectangles.
long Outside(const Canvas& c, const std::vector<unsigned char>& ground,
             const std::vector<PixelRect>& rects) {
  long outside = 0;
  std::vector<unsigned char> row(ground.size());
  for (int y = 0; y < c.height(); ++y) {
    const unsigned char* pixels = c.data() + y * c.stride();
    if (std::memcmp(pixels, ground.data(), ground.size()) == 0) continue;
    std::memcpy(row.data(), pixels, row.size());
    for (const PixelRect& r : rects) {
      if (r.y0 <= y && y < r.y1) std::memcpy(&row[r.x0 * 4], &ground[r.x0 * 4], (r.x1 - r.x0) * 4);
    }
    int first = 0, last = 0;
    outside += Differing(row.data(), ground.data(), 0, c.width(), &first, &last);
  }
  return outside;
}

// The box around the pixels of the canvas within `r` that differ from `ground`.
PixelRect ChangedWithin(const Canvas& c, const std::vector<unsigned char>& ground, PixelRect r) {
  PixelRect box{r.x1, r.y1, r.x0, r.y0};
  for (int y = r.y0; y < r.y1; ++y) {
    const unsigned char* pixels = c.data() + y * c.stride();
    int first = 0, last = 0;
    if (std::memcmp(pixels + r.x0 * 4, &ground[r.x0 * 4], (r.x1 - r.x0) * 4) == 0 ||
        Differing(pixels, ground.data(), r.x0, r.x1, &first, &last) == 0) {
      continue;
    }
    box = {std::min(box.x0, first), std::min(box.y0, y), std::max(box.x1, last + 1), y + 1};
  }
  return box;
}

// The way a line or a box runs from its first corner along one axis: -1, 0 or 1.
int Way(float from, float to) { return (to > from) - (to < from); }

// Every pixel a call changes lies inside the damage the canvas reports for it, and the damage is
// no larger than needed: each rectangle reaches at most kSlack pixels beyond the pixels the call
// changed inside it, on every side (shrunk by kSlack + 1 on any side, it would miss one of them),
// and none is without them. kSlack is 2: the pixel more that the canvas damages around the
// pixels a call's outline and pen reach, and that outermost reached pixel, which a coverage too
// faint to show may leave as it was. These calls reach 2 on every side.
// Damaged by their whole outline, two kinds of call are held otherwise: an arc or a sector to
// the pixels its whole circle changes, and a call past the screen's edge (damaged by its outline
// before clipping) only to covering what it changed. Each call is drawn alone on a ground of a
// colour it does not use, so that it changes every pixel it covers.
// The call's ink (InkOf) holds the same way: every changed pixel's square meets it, wherever it
// holds (a text at any scale, a shape from kExactScale up); and at kExactScale, where it is
// exact, it reaches at most kSlack pixels past them: its half pixel of centre snapped and
// quarter or half of pen rounding, which the drawing may not need, and the faint outermost pixel.
TEST(Canvas, DamageAndInkHoldEveryChangedPixelAndLittleMore) {
  constexpr int kSlack = 2;
  std::mt19937 gen(5);
  std::set<Op> kinds;
  std::set<std::tuple<Op, int, int>> ways;  // lines and boxes by how they run on each axis
  std::set<bool> solidBoxes;                // boxes filled in their border's colour, and not
  for (const double scale : {1.0, 1.2, 0.37, kExactScale}) {
    SCOPED_TRACE(scale);
    Canvas c(scale);
    const int w = c.width(), h = c.height();
    const std::vector<PixelRect> first = c.TakeDamage();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(Describe(first[0]), Describe({0, 0, w, h}));  // a new canvas is all new
    EXPECT_TRUE(c.TakeDamage().empty());
    long outside = 0;
    for (int i = 0; i < 150; ++i) {
      const DrawCall call = RandomCall(gen);
      kinds.insert(call.op);
      if (call.op == Op::kLine || call.op == Op::kBox) {
        ways.insert({call.op, Way(call.x1, call.x2), Way(call.y1, call.y2)});
      }
      if (call.op == Op::kBox) solidBoxes.insert(call.fill == call.color);
      const std::vector<unsigned char> ground = PaintGround(c, GroundFor(call));
      c.Draw(call);
      const std::vector<PixelRect> damage = c.TakeDamage();
      outside += Outside(c, ground, damage);
      const UnitRect ink = InkOf(call);
      const auto trace = [&](const PixelRect& pixels) {
        return call.ToString() + " width " + std::to_string(call.width) + ": ink " +
               Describe(ink, scale) + ", changed " + Describe(pixels);
      };
      PixelRect changed = ChangedWithin(c, ground, {0, 0, w, h});
      if (!changed.empty() && (scale >= kExactScale || call.op == Op::kText)) {
        // The pixels at the edges of the changed ones meet it, and so all do.
        EXPECT_TRUE((changed.x0 + 1) / scale > ink.x0 && (changed.y0 + 1) / scale > ink.y0 &&
                    (changed.x1 - 1) / scale < ink.x1 && (changed.y1 - 1) / scale < ink.y1)
            << trace(changed);
      }
      if (std::any_of(damage.begin(), damage.end(), [&](const PixelRect& r) {
            return r.x0 == 0 || r.y0 == 0 || r.x1 == w || r.y1 == h;
          })) {
        continue;  // past the screen's edge
      }
      if (call.op == Op::kCircle && !(call.start == 0 && call.end == 0)) {
        DrawCall whole = call;
        whole.start = whole.end = 0;
        PaintGround(c, GroundFor(call));
        c.Draw(whole);
        changed = ChangedWithin(c, ground, {0, 0, w, h});
      }
      for (const PixelRect& r : damage) {
        const PixelRect within = ChangedWithin(c, ground, r);
        EXPECT_TRUE(!within.empty() && r.x0 >= within.x0 - kSlack && r.y0 >= within.y0 - kSlack &&
                    r.x1 <= within.x1 + kSlack && r.y1 <= within.y1 + kSlack)
            << call.ToString() << " width " << call.width << ": damage " << Describe(r)
            << ", changed " << Describe(within);
      }
      if (scale == kExactScale && !changed.empty()) {
        EXPECT_TRUE(ink.x0 * scale >= changed.x0 - kSlack &&
                    ink.y0 * scale >= changed.y0 - kSlack &&
                    ink.x1 * scale <= changed.x1 + kSlack && ink.y1 * scale <= changed.y1 + kSlack)
            << trace(changed);
      }
    }
    EXPECT_EQ(outside, 0) << "changed pixels lie outside the damage";
  }
  EXPECT_EQ(kinds.size(), 7u);         // lines, boxes, circles, polylines, polygons, texts, clears
  EXPECT_EQ(ways.size(), 2u * 3 * 3);  // each of the two every way, zero-length too
  EXPECT_EQ(solidBoxes.size(), 2u);
}

TEST(Canvas, DamageFarApartStaysApartAndNearbyJoins) {
  Canvas c(1.2);
  c.TakeDamage();
  // A step at the top of the page and the key bar at the bottom: two small rectangles.
  c.Text(40, 30, 3, 3, 0, "2x+3", Font(kGothic, 16, true));
  c.Box(95, 655, 400, 693, 7, 4, 3);
  std::vector<PixelRect> damage = c.TakeDamage();
  ASSERT_EQ(damage.size(), 2u);
  for (const PixelRect& r : damage) EXPECT_LT(r.y1 - r.y0, 80);
  // The glyphs of one text, and a text just beside it, are one rectangle.
  c.Text(40, 300, 3, 3, 0, "2x", Font(kGothic, 16));
  c.Text(94, 300, 3, 3, 0, "+3", Font(kGothic, 16));
  EXPECT_EQ(c.TakeDamage().size(), 1u);
  // However many places are drawn on, a frame shows a few rectangles that cover them all.
  for (int i = 0; i < 30; ++i) c.Circle(20 + 45 * i, 20 + 28 * i, 2, 5, 0, 0, true, 5, 1);
  damage = c.TakeDamage();
  EXPECT_LE(damage.size(), 8u);
  for (int i = 0; i < 30; ++i) {
    const int x = static_cast<int>((20 + 45 * i) * 1.2), y = static_cast<int>((20 + 28 * i) * 1.2);
    EXPECT_TRUE(std::any_of(damage.begin(), damage.end(), [&](const PixelRect& r) {
      return r.x0 <= x && x < r.x1 && r.y0 <= y && y < r.y1;
    })) << i;
  }
}

TEST(Canvas, RasterisingTheRecordedCallsGivesTheSamePixels) {
  Canvas direct, recorded;
  RecordingDevice d;
  d.OnDraw([&recorded](const DrawCall& call) { recorded.Draw(call); });
  d.SetFontName(kGothic);
  d.SetFontBold(true);
  d.SetDrawWidth(3);
  d.Box(96, 657, 400, 693, 13, 4);
  d.Text(128, 666, 1, 1, 9, "何かキーを押して下さい。");
  d.SetFontName("Times New Roman");
  d.SetFontSize(8);
  d.SetFontItalic(true);
  d.Text(131, 178, 10, 7, 5, "x");
  d.SetDrawWidth(5);
  d.Line(100, 220, 119, 220, 0);
  d.Circle(300, 300, 40, 0, 0.75f, 1, true, 14);
  d.Polyline({{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}, 0);
  d.Polygon({{10, 40}, {31, 40}, {38, 8}, {17, 8}}, 3, 11);
  d.Clear();
  d.Text(10, 10, 2, 3, 0, "ａ");

  direct.Box(96, 657, 400, 693, 13, 4, 3);
  direct.Text(128, 666, 1, 1, 9, "何かキーを押して下さい。", Font(kGothic, 16, true));
  direct.Text(131, 178, 10, 7, 5, "x", Font("Times New Roman", 8, true, true));
  direct.Line(100, 220, 119, 220, 0, 5);
  direct.Circle(300, 300, 40, 0, 0.75f, 1, true, 14, 5);
  direct.Polyline({{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}, 0, 5);
  direct.Polygon({{10, 40}, {31, 40}, {38, 8}, {17, 8}}, 3, 11, 5);
  direct.Clear();
  direct.Text(10, 10, 2, 3, 0, "ａ", Font("Times New Roman", 8, true, true));
  EXPECT_EQ(
      std::string(reinterpret_cast<const char*>(direct.data()), direct.stride() * direct.height()),
      std::string(reinterpret_cast<const char*>(recorded.data()),
                  recorded.stride() * recorded.height()));
  EXPECT_FALSE(Ink(recorded).empty());
}

std::string Pixels(const Canvas& c) {
  return std::string(reinterpret_cast<const char*>(c.data()),
                     static_cast<size_t>(c.stride()) * static_cast<size_t>(c.height()));
}

// A drill's page as the glyph renderer draws it: the heading glyph by glyph (wide characters,
// an italic letter, a minus), then the page below it erased and a problem drawn.
void DrillPage(Device& d, int problem) {
  d.SetFontName(kGothic);
  d.SetFontSize(16);
  d.SetFontBold(true);
  d.SetDrawWidth(3);
  float x = 40;
  for (const char* g : {"次", "の", "式", "を", "、", "×", "や", "÷", "の", "記", "号"}) {
    d.Text(x, 30, 2, 3, 3, g);
    x += 34;
  }
  d.SetFontName("Times New Roman");
  d.SetFontSize(8);
  d.SetFontItalic(true);
  d.Text(x + 4, 8, 10, 7, 3, "a");
  d.SetDrawWidth(5);
  d.Line(x + 31, 50, x + 50, 50, 3);
  d.SetDrawWidth(3);
  d.SetFontItalic(false);
  d.SetFontName(kGothic);
  d.SetFontSize(16);
  d.Box(0, 90, 1200, 290, 15, 15);
  d.Text(80, 120, 3, 3, 0, std::to_string(problem));
  d.Box(289, 97, 589, 187, 3, 13);
}

TEST(Canvas, AHeadingDrawnAgainOverItselfKeepsItsPixels) {
  for (double scale : {1.0, 1.5}) {
    Canvas once(scale), twenty(scale);
    RecordingDevice first, again;
    first.OnDraw([&once](const DrawCall& call) { once.Draw(call); });
    again.OnDraw([&twenty](const DrawCall& call) { twenty.Draw(call); });
    DrillPage(first, 7);
    for (int pass = 0; pass < 20; ++pass) DrillPage(again, pass == 19 ? 7 : pass);
    EXPECT_TRUE(Pixels(once) == Pixels(twenty)) << scale;
    // Every call is still made and logged.
    EXPECT_EQ(again.Texts().size(), 20 * first.Texts().size());
  }
}

TEST(Canvas, WhatWasDrawnOverIsDrawnAgain) {
  Canvas c;
  const FontState font = Font(kGothic, 16, true);
  c.Text(100, 100, 3, 3, 0, "8", font);
  const PixelRect eight = Ink(c);
  c.Box(100, 100, 160, 160, 13, 13, 1);
  c.Text(100, 100, 3, 3, 0, "8", font);
  EXPECT_EQ(Describe(Ink(c, eight)), Describe(eight));
  // A text drawn again after something else was drawn elsewhere stays as drawn once.
  Canvas d;
  d.Text(100, 100, 3, 3, 0, "8", font);
  const std::string drawnOnce = Pixels(d);
  d.Text(300, 100, 3, 3, 0, "8", font);
  d.Box(300, 100, 360, 160, 15, 15, 1);
  d.Text(100, 100, 3, 3, 0, "8", font);
  EXPECT_TRUE(Pixels(d) == drawnOnce);
  // After a clear everything is drawn afresh.
  d.Clear();
  d.Text(100, 100, 3, 3, 0, "8", font);
  EXPECT_TRUE(Pixels(d) == drawnOnce);
}

// A window's rows may lie further apart than its pixels need; a canvas over them draws as one
// with its own pixels does, and takes every row along when the window gives them up.
TEST(Canvas, PixelsNotItsOwnShowWhatItsOwnWouldBeforeAndAfterItTakesThemOver) {
  for (double scale : {1.0, 1.5}) {
    Canvas own(scale);
    const int stride = own.stride() + 64;
    std::vector<unsigned char> window(static_cast<size_t>(stride) * own.height());
    Canvas theirs(scale, window.data(), stride);
    for (Canvas* c : {&own, &theirs}) {
      // Cairo's fills, and pixman's glyphs and dots, down to the last row.
      c->Box(0, 860, 1440, 900, 13, 4, 3);
      c->Text(40, 40, 2, 3, 0, "何かキーを押して下さい。", Font(kGothic, 16, true));
      c->Text(600, 870, 1, 1, 0, "ｘ＝３", Font(kGothic, 16));
      c->Circle(700, 450, 3, 0, 0, 0, true, 0, 1);
    }
    const auto row = [](const Canvas& c, int y) {
      return std::string_view(reinterpret_cast<const char*>(c.data()) +
                                  static_cast<size_t>(y) * static_cast<size_t>(c.stride()),
                              static_cast<size_t>(c.width()) * 4);
    };
    const auto sameRows = [&](const char* when) {
      for (int y = 0; y < own.height(); ++y) {
        ASSERT_TRUE(row(own, y) == row(theirs, y))
            << when << ", row " << y << " of " << own.height() << ", scale " << scale;
      }
    };
    sameRows("drawn");
    theirs.OwnPixels();
    sameRows("taken over");
  }
}

TEST(Canvas, DrawsOnOneThreadOnly) {
#ifdef NDEBUG
  GTEST_SKIP() << "the drawing thread is asserted in debug builds";
#else
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto drawOnce = [] {
    Canvas c;
    c.Text(10, 10, 1, 1, 0, "あ", Font(kGothic, 16));
    c.data();
  };
  EXPECT_DEATH(
      {
        drawOnce();
        std::thread(drawOnce).join();
      },
      "OnDrawingThread");
#endif
}

TEST(Canvas, WritesPng) {
  Canvas c;
  c.Text(10, 10, 1, 1, 0, "テスト", Font(kGothic, 16));
  const std::string path = testing::TempDir() + "canvas_test.png";
  ASSERT_TRUE(c.WritePng(path));
  std::FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  unsigned char header[8] = {};
  EXPECT_EQ(std::fread(header, 1, 8, f), 8u);
  std::fclose(f);
  EXPECT_EQ(std::string(header + 1, header + 4), "PNG");
  std::remove(path.c_str());
}

}  // namespace
}  // namespace orvelle
