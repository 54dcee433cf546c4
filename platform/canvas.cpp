#include "platform/canvas.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

#include "platform/fonts.h"
#include "platform/palette.h"
#include "platform/recording_device.h"
#include "platform/text.h"

namespace orvelle {
namespace {

constexpr double kTurn = 2 * M_PI;
// Shapes drawn in the background colour erase: their pen is this many pixels wider, so that every
// pixel an antialiased edge of the shape they cover touched is covered whole (its far corner lies
// up to 1.42 pixels beyond the edge).
constexpr double kEraseWidening = 3;
// Coordinates, sizes and factors are kept within what the rasteriser's fixed-point numbers hold;
// a call with a coordinate that is no number at all draws nothing.
constexpr float kFar = 100000;
constexpr int kMaxFactor = 100;
constexpr int kMaxWidth = 1000;
constexpr double kMaxCell = 4000;  // far larger than the screen
// How far the pixels a shape touches reach beyond its pen, in pixels at any scale: a centre
// snapped by half a pixel, a pen rounded to whole pixels (a quarter of a pixel on each side, or
// half a pixel where it is widened to one pixel), an erasing pen's widening on each side.
// Antialiasing touches only pixels the shape's outline crosses. A glyph is filled unhinted, so
// its pixels lie over its outline at every scale; a small margin, in units, covers the font
// engine's rounding of the outline.
double ReachInPixels(int width, bool erasing) {
  const bool thin = width * Canvas::kExactScale < 0.5;
  return 0.5 + (thin ? 0.5 : 0.25) + (erasing ? kEraseWidening / 2 : 0);
}
constexpr double kOutlineReach = 0.25;

float Tame(float v) { return std::clamp(v, -kFar, kFar); }
bool Finite(std::initializer_list<float> values) {
  for (float v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}
bool Finite(const std::vector<Point>& points) {
  for (const Point& p : points) {
    if (!Finite({p.x, p.y})) return false;
  }
  return true;
}

// The code point at s[i], moving i past it; malformed bytes give U+FFFD.
char32_t NextCodePoint(const std::string& s, size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  char32_t c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : extra == 1 ? b & 0x1F : b;
  if (b >= 0x80 && extra == 0) {
    ++i;
    return 0xFFFD;
  }
  ++i;
  for (; extra > 0; --extra) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    ++i;
  }
  return c;
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

bool SamePoints(const std::vector<Point>& a, const std::vector<Point>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const Point& p, const Point& q) { return p.x == q.x && p.y == q.y; });
}

// Whether two calls draw the same pixels: the same operation with the same arguments, line width
// and font where they matter.
bool SameDrawing(const DrawCall& a, const DrawCall& b) {
  if (a.op != b.op || a.color != b.color) return false;
  switch (a.op) {
    case Op::kLine:
      return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.width == b.width;
    case Op::kBox:
      return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.fill == b.fill &&
             a.width == b.width;
    case Op::kCircle:
      return a.x1 == b.x1 && a.y1 == b.y1 && a.r == b.r && a.start == b.start && a.end == b.end &&
             a.filled == b.filled && a.fill == b.fill && a.width == b.width;
    case Op::kPolyline:
      return SamePoints(a.points, b.points) && a.width == b.width;
    case Op::kPolygon:
      return SamePoints(a.points, b.points) && a.fill == b.fill && a.width == b.width;
    case Op::kText:
      return a.x1 == b.x1 && a.y1 == b.y1 && a.scaleX == b.scaleX && a.scaleY == b.scaleY &&
             a.s == b.s && a.font.name == b.font.name && a.font.size == b.font.size &&
             a.font.bold == b.font.bold && a.font.italic == b.font.italic;
    default:
      return false;
  }
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

namespace {

int PixelsFor(int units, double scale) {
  return std::max(1, static_cast<int>(std::lround(units * (scale > 0 ? scale : 1))));
}

}  // namespace

Canvas::Canvas(double scale, size_t glyphBytes) : Canvas(scale, nullptr, 0, glyphBytes) {}

Canvas::Canvas(double scale, unsigned char* pixels, int stride, size_t glyphBytes)
    : scale_(scale > 0 ? scale : 1),
      width_(PixelsFor(kScreenWidth, scale)),
      height_(PixelsFor(kScreenHeight, scale)),
      surface_(pixels ? cairo_image_surface_create_for_data(pixels, CAIRO_FORMAT_RGB24, width_,
                                                            height_, stride)
                      : cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_)),
      cr_(nullptr),
      glyphs_(glyphBytes) {
  glyphs_.SetVisible(width_, height_);
  Context();
  SetColor(kBackgroundColor);
  cairo_paint(cr_);
  damage_ = {{0, 0, width_, height_}};
}

void Canvas::OwnPixels() {
  cairo_surface_flush(surface_);
  cairo_surface_t* own = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
  cairo_surface_flush(own);
  const unsigned char* from = cairo_image_surface_get_data(surface_);
  unsigned char* to = cairo_image_surface_get_data(own);
  if (from && to) {
    const size_t fromStride = static_cast<size_t>(cairo_image_surface_get_stride(surface_));
    const size_t toStride = static_cast<size_t>(cairo_image_surface_get_stride(own));
    for (int y = 0; y < height_; ++y) {
      std::memcpy(to + static_cast<size_t>(y) * toStride,
                  from + static_cast<size_t>(y) * fromStride, static_cast<size_t>(width_) * 4);
    }
  }
  cairo_surface_mark_dirty(own);
  // The context draws on the old pixels: a new one on the copy carries on.
  cairo_destroy(cr_);
  cr_ = nullptr;
  cairo_surface_destroy(surface_);
  surface_ = own;
  Context();
}

Canvas::Canvas(Measuring)
    : scale_(1),
      width_(1),
      height_(1),
      // Unbounded: glyphs are not dropped for lying outside it.
      surface_(cairo_recording_surface_create(CAIRO_CONTENT_COLOR, nullptr)),
      cr_(nullptr),
      measuring_(true) {
  Context();
}

cairo_t* Canvas::Context() {
  // A drawing context that has failed draws nothing more; the pixels are kept in the surface, so
  // a fresh context carries on where it stopped.
  if (cr_ && cairo_status(cr_) == CAIRO_STATUS_SUCCESS) return cr_;
  if (cr_) cairo_destroy(cr_);
  cr_ = cairo_create(surface_);
  return cr_;
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::SetColor(int color) {
  Context();
  const Rgb c = PaletteColor(color);
  cairo_set_source_rgb(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void Canvas::SetLineWidth(int width) {
  Context();
  lineWidth_ = std::max(1.0, std::round(std::min(width, kMaxWidth) * scale_));
  cairo_set_line_width(cr_, lineWidth_);
}

double Canvas::Snap(double v) const {
  // An odd number of pixels is centred on a pixel's middle, an even one on a pixel's edge.
  return static_cast<long>(lineWidth_) % 2 == 1 ? std::floor(v) + 0.5 : std::round(v);
}

void Canvas::Damage(double x0, double y0, double x1, double y1) {
  // Every pixel that an edge passes through is touched, however little.
  const PixelRect touched{std::max(0, static_cast<int>(std::floor(x0))),
                          std::max(0, static_cast<int>(std::floor(y0))),
                          std::min(width_, static_cast<int>(std::ceil(x1))),
                          std::min(height_, static_cast<int>(std::ceil(y1)))};
  if (touched.empty()) return;
  drawn_ = Union(drawn_, touched);
  AddDamage({std::max(0, touched.x0 - 1), std::max(0, touched.y0 - 1),
             std::min(width_, touched.x1 + 1), std::min(height_, touched.y1 + 1)});
}

namespace {

int64_t Area(const PixelRect& r) { return int64_t{r.x1 - r.x0} * (r.y1 - r.y0); }

// Rectangles this close are shown as one: a few pixels more cost less than another rectangle.
constexpr int kDamageReach = 16;
// A new frame shows at most this many rectangles; more are joined, the two nearest first.
constexpr size_t kMaxDamage = 8;

bool Near(const PixelRect& a, const PixelRect& b) {
  return a.x0 <= b.x1 + kDamageReach && b.x0 <= a.x1 + kDamageReach &&
         a.y0 <= b.y1 + kDamageReach && b.y0 <= a.y1 + kDamageReach;
}

}  // namespace

void Canvas::AddDamage(PixelRect r) {
  // Drawing in one place and in another far from it (a step of a worked answer at the top, the
  // key bar at the bottom) damages two small rectangles, not the large one around both.
  for (size_t i = 0; i < damage_.size();) {
    if (Near(damage_[i], r)) {
      r = Union(r, damage_[i]);
      damage_.erase(damage_.begin() + static_cast<long>(i));
      i = 0;  // the grown rectangle may now reach others
    } else {
      ++i;
    }
  }
  damage_.push_back(r);
  while (damage_.size() > kMaxDamage) {
    size_t a = 0, b = 1;
    int64_t least = -1;
    for (size_t i = 0; i < damage_.size(); ++i) {
      for (size_t j = i + 1; j < damage_.size(); ++j) {
        const int64_t more =
            Area(Union(damage_[i], damage_[j])) - Area(damage_[i]) - Area(damage_[j]);
        if (least < 0 || more < least) least = more, a = i, b = j;
      }
    }
    damage_[a] = Union(damage_[a], damage_[b]);
    damage_.erase(damage_.begin() + static_cast<long>(b));
  }
}

void Canvas::DamagePath(double marginX, double marginY) {
  double x0, y0, x1, y1;
  cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
  Damage(x0 - marginX, y0 - marginY, x1 + marginX, y1 + marginY);
}

std::vector<PixelRect> Canvas::TakeDamage() {
  DrawPending();
  return std::exchange(damage_, {});
}

double Canvas::Pen(int width, bool erasing) {
  SetLineWidth(width);
  const double pen = lineWidth_ + (erasing ? kEraseWidening : 0);
  cairo_set_line_width(cr_, pen);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  return pen;
}

void Canvas::RasterLine(float x1, float y1, float x2, float y2, int color, int width) {
  if (!Finite({x1, y1, x2, y2})) return;
  x1 = Tame(x1), y1 = Tame(y1), x2 = Tame(x2), y2 = Tame(y2);
  const double pen = Pen(width, color == kBackgroundColor);
  double ax = x1 * scale_, ay = y1 * scale_, bx = x2 * scale_, by = y2 * scale_;
  if (ax == bx) ax = bx = Snap(ax);
  if (ay == by) ay = by = Snap(ay);
  cairo_new_path(cr_);
  cairo_move_to(cr_, ax, ay);
  cairo_line_to(cr_, bx, by);
  DamagePath(pen / 2, pen / 2);
  SetColor(color);
  cairo_stroke(cr_);
}

void Canvas::RasterBox(float x1, float y1, float x2, float y2, int border, int fill, int width) {
  if (!Finite({x1, y1, x2, y2})) return;
  x1 = Tame(x1), y1 = Tame(y1), x2 = Tame(x2), y2 = Tame(y2);
  SetLineWidth(width);
  const double l = Snap(std::min(x1, x2) * scale_), r = Snap(std::max(x1, x2) * scale_);
  const double t = Snap(std::min(y1, y2) * scale_), b = Snap(std::max(y1, y2) * scale_);
  const double half = lineWidth_ / 2;
  // The border is centred on the box's edges; inside it, the fill. Edges fall on whole pixels.
  Damage(l - half, t - half, r + half, b + half);
  cairo_new_path(cr_);
  cairo_rectangle(cr_, l - half, t - half, r - l + lineWidth_, b - t + lineWidth_);
  SetColor(border);
  cairo_fill(cr_);
  if (border != fill && r - l > lineWidth_ && b - t > lineWidth_) {
    cairo_rectangle(cr_, l + half, t + half, r - l - lineWidth_, b - t - lineWidth_);
    SetColor(fill);
    cairo_fill(cr_);
  }
}

void Canvas::RasterCircle(float x, float y, float r, int color, float start, float end, bool filled,
                          int fill, int width) {
  if (!Finite({x, y, r, start, end})) return;
  x = Tame(x), y = Tame(y), r = Tame(r);
  const bool whole = start == 0 && end == 0;
  if (r <= 0 || (!whole && start == end)) return;
  const double pen = Pen(width, color == kBackgroundColor && (!filled || fill == kBackgroundColor));
  const double cx = x * scale_, cy = y * scale_, radius = r * scale_;
  const double outer = radius + pen / 2, inner = radius - pen / 2;
  if (whole && (inner <= 0 || (filled && fill == color))) {
    RasterDisc(cx, cy, outer, color);
    return;
  }
  Damage(cx - outer, cy - outer, cx + outer, cy + outer);
  cairo_new_path(cr_);
  if (whole) {
    // The outline is a ring filled between its two edges (cheaper than stroking the circle: the
    // number field's cursor is drawn and erased on every pass of its key loop).
    if (filled && fill != color && inner > 0) {
      cairo_arc(cr_, cx, cy, radius, 0, kTurn);
      SetColor(fill);
      cairo_fill(cr_);
    }
    cairo_arc(cr_, cx, cy, outer, 0, kTurn);
    cairo_close_path(cr_);
    if (!(filled && fill == color) && inner > 0) {
      cairo_new_sub_path(cr_);
      cairo_arc_negative(cr_, cx, cy, inner, kTurn, 0);
      cairo_close_path(cr_);
    }
    SetColor(color);
    cairo_fill(cr_);
    return;
  }
  // Angles grow clockwise on the screen, as cairo's do with y downwards.
  if (filled) cairo_move_to(cr_, cx, cy);
  cairo_arc(cr_, cx, cy, radius, start * kTurn, end * kTurn);
  if (filled) {
    cairo_close_path(cr_);
    SetColor(fill);
    cairo_fill_preserve(cr_);
  }
  SetColor(color);
  cairo_stroke(cr_);
}

void Canvas::RasterDisc(double cx, double cy, double radius, int color) {
  // Kept like a glyph: by its radius and its centre's fraction of a pixel (the dots of a dotted
  // arc differ in their place alone).
  const OnGrid centre(cx, cy);
  const DiscKey key{radius, centre.subX, centre.subY};
  if (glyphs_.bound() == 0) discs_.clear();  // keeps nothing
  auto it = discs_.find(key);
  if (it == discs_.end()) {
    if (2 * radius + 4 > kMaxDiscPixels) {
      // A disc larger than the screen's dots is filled as any circle.
      Damage(cx - radius, cy - radius, cx + radius, cy + radius);
      cairo_new_path(cr_);
      cairo_arc(cr_, cx, cy, radius, 0, kTurn);
      cairo_close_path(cr_);
      SetColor(color);
      cairo_fill(cr_);
      return;
    }
    if (discs_.size() >= kMaxDiscs) discs_.clear();
    it = discs_.emplace(key, GlyphCache::RasteriseDisc(radius, centre.fx(), centre.fy())).first;
  }
  const Coverage& c = it->second;
  if (c.alpha.empty()) return;
  const int px = centre.x + c.left, py = centre.y + c.top;
  cairo_surface_flush(surface_);
  Damage(px, py, px + c.width, py + c.height);
  Composite(c, px, py, PaletteColor(color));
  cairo_surface_mark_dirty_rectangle(surface_, px, py, c.width, c.height);
}

void Canvas::RasterPolyline(const std::vector<Point>& points, int color, int width) {
  if (points.empty() || !Finite(points)) return;
  const double pen = Pen(width, color == kBackgroundColor);
  cairo_new_path(cr_);
  for (const Point& p : points) cairo_line_to(cr_, Tame(p.x) * scale_, Tame(p.y) * scale_);
  DamagePath(pen / 2, pen / 2);
  SetColor(color);
  cairo_stroke(cr_);
}

void Canvas::RasterPolygon(const std::vector<Point>& points, int color, int fill, int width) {
  if (points.empty() || !Finite(points)) return;
  const double pen = Pen(width, color == kBackgroundColor && fill == kBackgroundColor);
  cairo_new_path(cr_);
  for (const Point& p : points) cairo_line_to(cr_, Tame(p.x) * scale_, Tame(p.y) * scale_);
  cairo_close_path(cr_);
  DamagePath(pen / 2, pen / 2);
  SetColor(fill);
  cairo_fill_preserve(cr_);
  SetColor(color);
  cairo_stroke(cr_);
}

std::vector<GlyphDraw> Canvas::Place(float x, float y, int scaleX, int scaleY, const std::string& s,
                                     const FontState& font) {
  assert(OnDrawingThread());
  std::vector<GlyphDraw> placed;
  if (s.empty() || !(font.size > 0) || !Finite({x, y, font.size})) return placed;
  const int across = std::clamp(scaleX, 1, kMaxFactor);
  const int down = std::clamp(scaleY, 1, kMaxFactor);
  const double cellW = std::min(kMaxCell, static_cast<double>(font.size) * across);
  const double cellH = std::min(kMaxCell, static_cast<double>(font.size) * down);
  const Face& face = FindFace(font.name, font.bold, font.italic);
  const Face& gothic = FindFace(kGothicFont, font.bold, font.italic);

  double pen = x;
  for (size_t i = 0; i < s.size();) {
    const size_t from = i;
    char32_t c = NextCodePoint(s, i);
    if (face.ellForL && c == U'l') c = U'\u2113';
    const Face* f = &face;
    Glyph g = face.Find(c);
    if (!g.found && f != &gothic) {
      // A character the face lacks comes from the Gothic face, which has the most.
      const Glyph other = gothic.Find(c);
      if (other.found) {
        f = &gothic;
        g = other;
      }
    }
    const CellFit& fit = f->fit;
    const double own = g.advance * fit.emAcross * cellW;
    double advance = own, offset = 0;
    if (fit.cellAdvance) {
      advance = CharBytes(std::string_view(s).substr(from, i - from)) == 1 ? cellW / 2 : cellW;
      offset = (advance - own) / 2;  // a glyph narrower or wider than its cell is centred in it
    }
    if (g.found) {
      placed.push_back({f, g.index, fit.emAcross * cellW * scale_, fit.emDown * cellH * scale_,
                        (pen + offset) * scale_, (y + fit.BaselineAt(down) * cellH) * scale_});
      if (const std::optional<double> centre = fit.InkCentreAt(across)) {
        // The glyph's ink centred on its place, whatever its own origin.
        GlyphDraw& d = placed.back();
        const GlyphBox box = glyphs_.Box(d);
        if (box.x1 > box.x0) {
          d.x = (pen + offset + *centre * cellW) * scale_ - (box.x0 + box.x1) / 2;
        }
      }
    }
    pen += advance;
  }
  // Text off the screen (the lessons measure a text by drawing it far below) costs nothing.
  if (pen + cellH < 0 || x - cellH > kScreenWidth || y + 2 * cellH < 0 ||
      y - cellH > kScreenHeight) {
    placed.clear();
  }
  return placed;
}

void Canvas::RasterText(float x, float y, int scaleX, int scaleY, int color, const std::string& s,
                        const FontState& font) {
  const std::vector<GlyphDraw> placed = Place(x, y, scaleX, scaleY, s, font);
  if (measuring_) {
    // The outlines, and the bold pen's reach around them.
    for (const GlyphDraw& g : placed) {
      const GlyphBox box = GlyphCache::Bounds(g);
      if (box.empty()) continue;
      const double rx = BoldReachX(g), ry = BoldReachY(g);
      ink_.Add({g.x + box.x0 - rx, g.y + box.y0 - ry, g.x + box.x1 + rx, g.y + box.y1 + ry});
    }
    return;
  }
  if (placed.empty()) return;
  cairo_surface_flush(surface_);
  const Rgb rgb = PaletteColor(color);
  for (const GlyphDraw& g : placed) {
    int px, py;
    const Coverage& c = glyphs_.Find(g, px, py);
    if (c.alpha.empty()) continue;
    Damage(px, py, px + c.width, py + c.height);
    Composite(c, px, py, rgb);
  }
  if (!drawn_.empty()) {
    cairo_surface_mark_dirty_rectangle(surface_, drawn_.x0, drawn_.y0, drawn_.x1 - drawn_.x0,
                                       drawn_.y1 - drawn_.y0);
  }
}

namespace {

// The rasteriser's own blend of an opaque colour into a pixel by a coverage `a`, both halves of
// the pixel's bytes at once, each product rounded: the pixels come out as a fill would give them.
uint32_t Mul(uint32_t pair, uint32_t a) {
  const uint32_t t = (pair & 0x00FF00FF) * a + 0x00800080;
  return ((t + ((t >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
}
uint32_t Add(uint32_t a, uint32_t b) {
  uint32_t t = a + b;
  t |= 0x01000100 - ((t >> 8) & 0x00FF00FF);
  return t & 0x00FF00FF;
}
uint32_t Lerp(uint32_t src, uint32_t a, uint32_t dst) {
  return Add(Mul(src, a), Mul(dst, 255 - a)) | Add(Mul(src >> 8, a), Mul(dst >> 8, 255 - a)) << 8;
}

}  // namespace

void Canvas::Composite(const Coverage& c, int px, int py, Rgb color) {
  const int x0 = std::max(0, px), x1 = std::min(width_, px + c.width);
  const int y0 = std::max(0, py), y1 = std::min(height_, py + c.height);
  if (x0 >= x1 || y0 >= y1) return;
  unsigned char* data = cairo_image_surface_get_data(surface_);
  if (!data) return;
  const size_t stride = static_cast<size_t>(cairo_image_surface_get_stride(surface_));
  const uint32_t src = 0xFF000000u | uint32_t{color.r} << 16 | uint32_t{color.g} << 8 | color.b;
  for (int y = y0; y < y1; ++y) {
    auto* d = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    const uint8_t* a = c.alpha.data() + static_cast<size_t>(y - py) * static_cast<size_t>(c.width);
    for (int x = x0; x < x1; ++x) {
      const uint32_t cover = a[x - px];
      if (cover == 255) {
        d[x] = src;
      } else if (cover != 0) {
        d[x] = Lerp(src, cover, d[x]);
      }
    }
  }
}

void Canvas::Clear() {
  assert(OnDrawingThread());
  pending_.clear();  // painted over
  SetColor(kBackgroundColor);
  cairo_paint(cr_);
  damage_ = {{0, 0, width_, height_}};
  standing_.clear();
}

namespace {

// The device's call with the line width (and font) it is drawn with.
DrawCall WithPen(DrawCall call, int width) {
  call.width = width;
  return call;
}

}  // namespace

void Canvas::Line(float x1, float y1, float x2, float y2, int color, int width) {
  Draw(WithPen(LineCall(x1, y1, x2, y2, color), width));
}

void Canvas::Box(float x1, float y1, float x2, float y2, int border, int fill, int width) {
  Draw(WithPen(BoxCall(x1, y1, x2, y2, border, fill), width));
}

void Canvas::Circle(float x, float y, float r, int color, float start, float end, bool filled,
                    int fill, int width) {
  Draw(WithPen(CircleCall(x, y, r, color, start, end, filled, fill), width));
}

void Canvas::Polyline(const std::vector<Point>& points, int color, int width) {
  Draw(WithPen(PolylineCall(points, color), width));
}

void Canvas::Polygon(const std::vector<Point>& points, int color, int fill, int width) {
  Draw(WithPen(PolygonCall(points, color, fill), width));
}

void Canvas::Text(float x, float y, int scaleX, int scaleY, int color, const std::string& s,
                  const FontState& font) {
  DrawCall call = TextCall(x, y, scaleX, scaleY, color, s);
  call.font = font;
  Draw(call);
}

void Canvas::Draw(const DrawCall& c) {
  assert(OnDrawingThread());
  if (measuring_) {
    DrawNow(c);
    return;
  }
  pending_.push_back(c);
  if (pending_.size() >= kMaxPending) DrawPending();
}

void Canvas::Settle() const {
  // Looking at the pixels does not change what they show: only when they are drawn.
  const_cast<Canvas*>(this)->DrawPending();
}

void Canvas::DrawPending() {
  assert(OnDrawingThread());
  if (pending_.empty()) return;
  const std::vector<DrawCall> calls = std::exchange(pending_, {});
  // Every glyph the calls draw, rasterised together: a new page's glyphs on several cores.
  std::vector<GlyphDraw> glyphs;
  for (const DrawCall& c : calls) {
    if (c.op != Op::kText) continue;
    const std::vector<GlyphDraw> placed = Place(c.x1, c.y1, c.scaleX, c.scaleY, c.s, c.font);
    glyphs.insert(glyphs.end(), placed.begin(), placed.end());
  }
  if (glyphs.size() >= GlyphCache::kGlyphsPerThread) glyphs_.Prefetch(glyphs);
  for (const DrawCall& c : calls) DrawNow(c);
}

void Canvas::DrawNow(const DrawCall& c) {
  if (c.op == Op::kClear) {
    Clear();
    return;
  }
  // Drawn again exactly where it stands, with nothing drawn over it since: its pixels are already
  // what it draws, and antialiased edges drawn over themselves would only darken.
  for (const Standing& s : standing_) {
    if (SameDrawing(s.call, c)) return;
  }
  drawn_ = {};
  if (c.op == Op::kLine) {
    RasterLine(c.x1, c.y1, c.x2, c.y2, c.color, c.width);
  } else if (c.op == Op::kBox) {
    RasterBox(c.x1, c.y1, c.x2, c.y2, c.color, c.fill, c.width);
  } else if (c.op == Op::kCircle) {
    RasterCircle(c.x1, c.y1, c.r, c.color, c.start, c.end, c.filled, c.fill, c.width);
  } else if (c.op == Op::kPolyline) {
    RasterPolyline(c.points, c.color, c.width);
  } else if (c.op == Op::kPolygon) {
    RasterPolygon(c.points, c.color, c.fill, c.width);
  } else if (c.op == Op::kText) {
    RasterText(c.x1, c.y1, c.scaleX, c.scaleY, c.color, c.s, c.font);
  }
  if (drawn_.empty()) return;
  std::erase_if(standing_, [this](const Standing& s) { return Overlap(s.at, drawn_); });
  if (standing_.size() >= kMaxStanding) {
    // The oldest are forgotten: drawn again, they are rasterised again.
    standing_.erase(standing_.begin(), standing_.begin() + kMaxStanding / 2);
  }
  standing_.push_back({c, drawn_});
}

void Canvas::PaintScaled(const Canvas& other) {
  assert(OnDrawingThread());
  other.Settle();
  pending_.clear();  // painted over
  cairo_surface_flush(other.surface_);
  Context();
  cairo_save(cr_);
  cairo_scale(cr_, width_ / double(other.width_), height_ / double(other.height_));
  cairo_set_source_surface(cr_, other.surface_, 0, 0);
  cairo_paint(cr_);
  cairo_restore(cr_);
  damage_ = {{0, 0, width_, height_}};
  standing_.clear();
}

UnitRect Canvas::Ink(const DrawCall& c) {
  UnitRect r;
  const int width = std::clamp(c.width, 0, kMaxWidth);
  // The canvas's erasing pens, as it draws each shape.
  const bool bg = c.color == kBackgroundColor;
  const bool erasing = (c.op == Op::kLine || c.op == Op::kPolyline) ? bg
                       : c.op == Op::kCircle  ? bg && (!c.filled || c.fill == kBackgroundColor)
                       : c.op == Op::kPolygon ? bg && c.fill == kBackgroundColor
                                              : false;
  double pen = width / 2.0 + ReachInPixels(width, erasing) / kExactScale;
  if (c.op == Op::kText) {
    // The outlines themselves, laid out as the canvas lays them out.
    static Canvas* measure = new Canvas(Measuring{});
    measure->ink_ = {};
    measure->Text(c.x1, c.y1, c.scaleX, c.scaleY, c.color, c.s, c.font);
    r = measure->ink_;
    pen = kOutlineReach;
  } else if (c.op == Op::kLine || c.op == Op::kBox) {
    if (!Finite({c.x1, c.y1, c.x2, c.y2})) return {};
    r = {std::min(Tame(c.x1), Tame(c.x2)), std::min(Tame(c.y1), Tame(c.y2)),
         std::max(Tame(c.x1), Tame(c.x2)), std::max(Tame(c.y1), Tame(c.y2))};
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

UnitRect Canvas::Cover(const DrawCall& c) {
  if (c.op != Op::kBox || !Finite({c.x1, c.y1, c.x2, c.y2})) return {};
  constexpr double kBeyond = std::numeric_limits<double>::infinity();
  UnitRect r{std::min(Tame(c.x1), Tame(c.x2)), std::min(Tame(c.y1), Tame(c.y2)),
             std::max(Tame(c.x1), Tame(c.x2)), std::max(Tame(c.y1), Tame(c.y2))};
  if (r.x0 <= 0) r.x0 = -kBeyond;
  if (r.y0 <= 0) r.y0 = -kBeyond;
  if (r.x1 >= kScreenWidth) r.x1 = kBeyond;
  if (r.y1 >= kScreenHeight) r.y1 = kBeyond;
  return r;
}

const unsigned char* Canvas::data() const {
  Settle();
  cairo_surface_flush(surface_);
  return cairo_image_surface_get_data(surface_);
}

int Canvas::stride() const { return cairo_image_surface_get_stride(surface_); }

Rgb Canvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  const auto* row = data() + static_cast<size_t>(y) * static_cast<size_t>(stride());
  const uint32_t v = reinterpret_cast<const uint32_t*>(row)[x];
  return {static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
}

bool Canvas::WritePng(const std::string& path) const {
  Settle();
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace orvelle
