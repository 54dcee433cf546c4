#include "platform/ink.h"

#include <algorithm>
#include <limits>

#include "platform/draw_limits.h"
#include "platform/glyph_cache.h"
#include "platform/placing.h"

namespace orvelle {
namespace {

// How far the pixels a shape touches reach beyond its pen, in pixels at any scale: a centre
// snapped by half a pixel, a pen rounded to whole pixels (a quarter of a pixel on each side, or
// half a pixel where it is widened to one pixel), an erasing pen's widening on each side.
// Antialiasing touches only pixels the shape's outline crosses. A glyph is filled unhinted, so
// its pixels lie over its outline at every scale; a small margin, in units, covers the font
// engine's rounding of the outline.
double ReachInPixels(int width, bool erasing) {
  const bool thin = width * kExactScale < 0.5;
  return 0.5 + (thin ? 0.5 : 0.25) + (erasing ? kEraseWidening / 2 : 0);
}
constexpr double kOutlineReach = 0.25;

// The outlines of a text's glyphs, laid out as the canvas lays them out, and the bold pen's
// reach around them.
UnitRect TextInk(const DrawCall& c) {
  static GlyphCache* boxes = new GlyphCache;  // at a scale of 1, one pixel a unit
  UnitRect r;
  for (const GlyphDraw& g : PlaceText(1, *boxes, c.x1, c.y1, c.scaleX, c.scaleY, c.s, c.font)) {
    const GlyphBox box = GlyphCache::Bounds(g);
    if (box.empty()) continue;
    const double rx = BoldReachX(g), ry = BoldReachY(g);
    r.Add({g.x + box.x0 - rx, g.y + box.y0 - ry, g.x + box.x1 + rx, g.y + box.y1 + ry});
  }
  return r;
}

// The rectangle between a line's or a box's two corners, held to where drawing is safe.
UnitRect TamedCorners(const DrawCall& c) {
  return {std::min(Tame(c.x1), Tame(c.x2)), std::min(Tame(c.y1), Tame(c.y2)),
          std::max(Tame(c.x1), Tame(c.x2)), std::max(Tame(c.y1), Tame(c.y2))};
}

}  // namespace

void UnitRect::Add(const UnitRect& r) {
  if (r.empty()) return;
  if (empty()) {
    *this = r;
    return;
  }
  x0 = std::min(x0, r.x0), y0 = std::min(y0, r.y0);
  x1 = std::max(x1, r.x1), y1 = std::max(y1, r.y1);
}

UnitRect InkOf(const DrawCall& c) {
  UnitRect r;
  const int width = std::clamp(c.width, 0, kMaxWidth);
  double pen = width / 2.0 + ReachInPixels(width, ErasingPen(c)) / kExactScale;
  if (c.op == Op::kText) {
    r = TextInk(c);
    pen = kOutlineReach;
  } else if (c.op == Op::kLine || c.op == Op::kBox) {
    if (!Finite({c.x1, c.y1, c.x2, c.y2})) return {};
    r = TamedCorners(c);
  } else if (c.op == Op::kCircle) {
    if (!Finite({c.x1, c.y1, c.r, c.start, c.end})) return {};
    if (c.r <= 0 || (c.start == c.end && c.start != 0)) return {};
    const double x = Tame(c.x1), y = Tame(c.y1), radius = Tame(c.r);
    r = {x - radius, y - radius, x + radius, y + radius};
  } else if (c.op == Op::kPolyline || c.op == Op::kPolygon) {
    if (!Finite(c.points)) return {};
    for (const Point& p : c.points) r.Add({Tame(p.x), Tame(p.y), Tame(p.x), Tame(p.y)});
  } else if (c.op == Op::kClear) {
    r = {0, 0, kScreenWidth, kScreenHeight};
  }
  if (r.empty()) return {};
  r = r.Widened(pen);
  // Wholly off the screen, beyond the screen's last pixel at any scale: nothing shows.
  constexpr double kBeyond = 1 / kExactScale;
  if (!(r.x1 >= -kBeyond && r.y1 >= -kBeyond && r.x0 <= kScreenWidth + kBeyond &&
        r.y0 <= kScreenHeight + kBeyond)) {
    return {};
  }
  return r;
}

UnitRect CoverOf(const DrawCall& c) {
  if (c.op != Op::kBox || !Finite({c.x1, c.y1, c.x2, c.y2})) return {};
  constexpr double kBeyond = std::numeric_limits<double>::infinity();
  UnitRect r = TamedCorners(c);
  if (r.x0 <= 0) r.x0 = -kBeyond;
  if (r.y0 <= 0) r.y0 = -kBeyond;
  if (r.x1 >= kScreenWidth) r.x1 = kBeyond;
  if (r.y1 >= kScreenHeight) r.y1 = kBeyond;
  return r;
}

}  // namespace orvelle
