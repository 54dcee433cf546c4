#include "platform/kept_calls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "platform/device.h"

namespace orvelle {
namespace {

DrawCall Text(float x, float y, const std::string& s, int sx = 1, int sy = 1,
              const char* font = kGothicFont, bool bold = true, bool italic = false) {
  DrawCall c{.op = Op::kText, .x1 = x, .y1 = y, .scaleX = sx, .scaleY = sy, .s = s};
  c.font = {font, font == std::string(kGothicFont) ? 16.0f : 8.0f, bold, italic};
  return c;
}
DrawCall Line(float x1, float y1, float x2, float y2, int width, int color = 0) {
  return {.op = Op::kLine, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = color, .width = width};
}
DrawCall Box(float x1, float y1, float x2, float y2, int width = 1, int border = 15,
             int fill = 15) {
  return {.op = Op::kBox,
          .x1 = x1,
          .y1 = y1,
          .x2 = x2,
          .y2 = y2,
          .color = border,
          .fill = fill,
          .width = width};
}
DrawCall Sector(float x, float y, float r, float start, float end, int color, int fill, int width) {
  return {.op = Op::kCircle,
          .x1 = x,
          .y1 = y,
          .r = r,
          .start = start,
          .end = end,
          .filled = true,
          .color = color,
          .fill = fill,
          .width = width};
}
DrawCall Dot(float x, float y, int color) { return Sector(x, y, 4, 0, 0, color, color, 3); }
DrawCall Polygon(std::vector<Point> points, int color, int fill, int width) {
  return {.op = Op::kPolygon,
          .color = color,
          .fill = fill,
          .width = width,
          .points = std::move(points)};
}

std::vector<std::string> Kept(const KeptCalls& kept) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < kept.size(); ++i) lines.push_back(kept.call(i).ToString());
  return lines;
}

KeptCalls Keep(const std::vector<DrawCall>& calls) {
  KeptCalls kept;
  for (const DrawCall& c : calls) kept.Add(c);
  return kept;
}

TEST(KeptCalls, ABoxDropsTheTextsAndLinesWhollyUnderIt) {
  const DrawCall title = Text(40, 30, "問①", 2, 3);
  const KeptCalls kept = Keep({
      title,
      Text(680, 30, "問①", 2, 3),
      Text(786, 8, "x", 10, 7, kLetterFont, true, true),
      Line(819, 100, 838, 100, 5),
      Box(96, 657, 400, 693, 3, 13, 4),
      Text(128, 666, "何かキーを押して下さい。"),
      Box(0, 657, 400, 693, 3),  // the bar's erase
      Box(680, 0, 2000, 1300, 3),
  });
  EXPECT_EQ(Kept(kept),
            (std::vector<std::string>{title.ToString(), Box(0, 657, 400, 693, 3).ToString(),
                                      Box(680, 0, 2000, 1300, 3).ToString()}));
}

TEST(KeptCalls, ABoxKeepsWhatReachesOutOfIt) {
  struct Case {
    const char* what;
    DrawCall call;
  };
  const Case cases[] = {
      {"a text half under it", Text(380, 666, "何か")},
      {"a line beyond its edge", Line(300, 650, 300, 700, 1)},
      {"a wide pen beyond its edge", Line(100, 690, 300, 690, 9)},
      {"an italic letter leaning out", Text(395, 640, "x", 10, 7, kLetterFont, true, true)},
      {"a wider box under it", Box(96, 657, 400, 693, 5)},
      {"a taller box under it", Box(96, 650, 400, 693, 3)},
  };
  for (const Case& c : cases) {
    const KeptCalls kept = Keep({c.call, Box(0, 657, 400, 693, 3)});
    EXPECT_EQ(kept.size(), 2u) << c.what;
  }
}

// The kept calls draw the pixels the calls drew one by one.
void ExpectSamePicture(const std::vector<DrawCall>& calls, const KeptCalls& kept) {
  Canvas drawn, repainted;
  for (const DrawCall& c : calls) drawn.Draw(c);
  ASSERT_TRUE(kept.DrawOn(repainted));
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      const Rgb a = drawn.Pixel(x, y), b = repainted.Pixel(x, y);
      ASSERT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << "pixel " << x << "," << y;
    }
  }
}

TEST(KeptCalls, AnEraseDropsTheSameStrokeDrawnBeforeIt) {
  const std::vector<DrawCall> line = {Line(10, 10, 90, 10, 3), Line(10, 10, 90, 10, 3, 15)};
  EXPECT_EQ(Kept(Keep(line)), (std::vector<std::string>{line[1].ToString()}));
  // A shape drawn over its erase does not cover the erase's wider pen.
  EXPECT_EQ(Keep({Dot(50, 50, 15), Dot(50, 50, 5)}).size(), 2u);
}

TEST(KeptCalls, ACallDrawnAgainOverItselfIsKeptOnceAndDrawnAsOften) {
  // An antialiased edge darkens each time: the repaint must draw it as often.
  const std::vector<DrawCall> dots = {Dot(50, 50, 5), Dot(50, 50, 15), Dot(50, 50, 5),
                                      Dot(50, 50, 15)};
  const std::vector<DrawCall> heading = {
      Text(40, 360, "Q"), Text(67, 360, "2"),       Box(0, 410, 720, 610, 7), Text(40, 360, "Q"),
      Text(67, 360, "2"), Box(0, 410, 720, 610, 7), Text(40, 360, "Q")};
  const std::vector<DrawCall> crossed = {Text(40, 360, "Q"), Line(30, 368, 80, 368, 3),
                                         Text(40, 360, "Q")};
  for (const auto& [calls, size] : {std::pair{dots, 1u}, {heading, 3u}, {crossed, 3u}}) {
    const KeptCalls kept = Keep(calls);
    EXPECT_EQ(kept.size(), size) << calls[0].ToString();
    ExpectSamePicture(calls, kept);
  }
}

TEST(KeptCalls, WhatShowsNothingIsNotKeptAndAClearDropsAll) {
  // Measuring draws far below the screen; a blank draws no ink.
  EXPECT_EQ(Keep({Text(40, 1800, "問"), Text(40, 30, "　"), Text(40, 30, ""),
                  Line(2000, 10, 2100, 10, 3), Box(NAN, 0, 10, 10)})
                .size(),
            0u);
  EXPECT_EQ(Kept(Keep({Text(40, 30, "問"), Line(1, 1, 2, 2, 1), {.op = Op::kClear}})),
            (std::vector<std::string>{DrawCall{.op = Op::kClear}.ToString()}));
}

TEST(KeptCalls, PastTheCapOnlyACoverOfTheWholeScreenMakesThemCompleteAgain) {
  KeptCalls kept;
  for (int i = 0; i <= 50000; ++i) kept.Add(Line(10, 10, 20, 20 + i % 2, 1));
  EXPECT_FALSE(kept.complete());
  Canvas canvas(0.5);
  EXPECT_FALSE(kept.DrawOn(canvas));
  kept.Add(Box(10, 10, 1440, 900));
  EXPECT_FALSE(kept.complete());
  kept.Add(Box(-5, -5, 1500, 1000, 1, 0, 10));
  EXPECT_TRUE(kept.complete());
  EXPECT_EQ(kept.size(), 1u);
}

// Every pixel a call changes at a scale lies over its ink rectangle, for the faces, styles, pens
// and factors the programs use, erasing pens included (drawn on a grey ground to show).
TEST(CanvasInk, HoldsEveryPixelTheCallTouches) {
  const std::vector<DrawCall> calls = {
      Text(680, 30, "問①　x=7のとき", 2, 3),
      Text(128, 666, "何かキーを押して下さい。"),
      Text(786, 8, "x", 10, 7, kLetterFont, true, true),
      Text(300, 300, "a", 12, 5, kLetterFont, false, true),
      Text(300, 400, "l", 6, 3, kEllFont),
      Text(200, 500, "ｺﾞｼｯｸ 3/4", 3, 3, kGothicFont, false, true),
      Line(819, 100.5f, 838, 100.5f, 5),
      Line(100, 100, 300, 220, 2, 15),
      Box(96.5f, 657, 400, 693, 3, 13, 4),
      Dot(1200, 828, 15),
      Sector(500, 500, 60, 0.1f, 0.6f, 2, 11, 4),
      Polygon({{600, 600}, {700, 650}, {620, 720}}, 0, 14, 3),
  };
  for (double scale : {0.75, 1.0, 4.0 / 3, 2.5}) {
    for (const DrawCall& call : calls) {
      Canvas canvas(scale);
      canvas.Draw(Box(-10, -10, 2000, 2000, 1, 8, 8));
      const Rgb ground = canvas.Pixel(0, 0);
      canvas.Draw(call);
      const UnitRect ink = InkOf(call);
      int inked = 0;
      for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
          const Rgb p = canvas.Pixel(x, y);
          if (p.r == ground.r && p.g == ground.g && p.b == ground.b) continue;
          ++inked;
          // The pixel's square in units must meet the rectangle.
          ASSERT_TRUE((x + 1) / scale > ink.x0 && x / scale < ink.x1 && (y + 1) / scale > ink.y0 &&
                      y / scale < ink.y1)
              << call.ToString() << " at scale " << scale << ": pixel " << x << "," << y;
        }
      }
      EXPECT_GT(inked, 0) << call.ToString();
    }
  }
}

}  // namespace
}  // namespace orvelle
