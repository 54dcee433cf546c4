#include "platform/canvas.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <utility>

#include "platform/palette.h"
#include "platform/placing.h"
#include "platform/recording_device.h"

namespace orvelle {
namespace {

constexpr double kTurn = 2 * M_PI;

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
      damage_(width_, height_),
      glyphs_(glyphBytes) {
  glyphs_.SetVisible(width_, height_);
  TakePixels();
  Context();
  SetColor(kBackgroundColor);
  cairo_paint(cr_);
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
  TakePixels();
  Context();
}

void Canvas::TakePixels() {
  if (pixels_) pixman_image_unref(pixels_);
  pixels_ = nullptr;
  cairo_surface_flush(surface_);
  void* data = cairo_image_surface_get_data(surface_);
  if (!data) return;
  pixels_ = pixman_image_create_bits_no_clear(PIXMAN_x8r8g8b8, width_, height_,
                                              static_cast<uint32_t*>(data),
                                              cairo_image_surface_get_stride(surface_));
}

pixman_image_t* Canvas::Solid(Rgb color) {
  if (solid_ && color.r == solidColor_.r && color.g == solidColor_.g && color.b == solidColor_.b) {
    return solid_;
  }
  if (solid_) pixman_image_unref(solid_);
  const pixman_color_t c{static_cast<uint16_t>(color.r * 257), static_cast<uint16_t>(color.g * 257),
                         static_cast<uint16_t>(color.b * 257), 0xFFFF};
  solid_ = pixman_image_create_solid_fill(&c);
  solidColor_ = color;
  return solid_;
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
  if (solid_) pixman_image_unref(solid_);
  if (pixels_) pixman_image_unref(pixels_);
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

void Canvas::Touch(double x0, double y0, double x1, double y1) {
  const PixelRect touched = Touched(x0, y0, x1, y1, width_, height_);
  if (touched.empty()) return;
  drawn_ = drawn_.Joined(touched);
  damage_.Add(touched);
}

void Canvas::TouchPath(double marginX, double marginY) {
  double x0, y0, x1, y1;
  cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
  Touch(x0 - marginX, y0 - marginY, x1 + marginX, y1 + marginY);
}

std::vector<PixelRect> Canvas::TakeDamage() {
  DrawPending();
  return damage_.Take();
}

double Canvas::Pen(const DrawCall& c) {
  SetLineWidth(c.width);
  const double pen = lineWidth_ + (ErasingPen(c) ? kEraseWidening : 0);
  cairo_set_line_width(cr_, pen);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  return pen;
}

void Canvas::RasterLine(const DrawCall& c) {
  if (!Finite({c.x1, c.y1, c.x2, c.y2})) return;
  const float x1 = Tame(c.x1), y1 = Tame(c.y1), x2 = Tame(c.x2), y2 = Tame(c.y2);
  const double pen = Pen(c);
  double ax = x1 * scale_, ay = y1 * scale_, bx = x2 * scale_, by = y2 * scale_;
  if (ax == bx) ax = bx = Snap(ax);
  if (ay == by) ay = by = Snap(ay);
  cairo_new_path(cr_);
  cairo_move_to(cr_, ax, ay);
  cairo_line_to(cr_, bx, by);
  TouchPath(pen / 2, pen / 2);
  SetColor(c.color);
  cairo_stroke(cr_);
}

void Canvas::RasterBox(const DrawCall& c) {
  if (!Finite({c.x1, c.y1, c.x2, c.y2})) return;
  const float x1 = Tame(c.x1), y1 = Tame(c.y1), x2 = Tame(c.x2), y2 = Tame(c.y2);
  const int border = c.color, fill = c.fill;
  SetLineWidth(c.width);
  const double l = Snap(std::min(x1, x2) * scale_), r = Snap(std::max(x1, x2) * scale_);
  const double t = Snap(std::min(y1, y2) * scale_), b = Snap(std::max(y1, y2) * scale_);
  const double half = lineWidth_ / 2;
  // The border is centred on the box's edges; inside it, the fill. Edges fall on whole pixels.
  Touch(l - half, t - half, r + half, b + half);
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

void Canvas::RasterCircle(const DrawCall& c) {
  if (!Finite({c.x1, c.y1, c.r, c.start, c.end})) return;
  const float x = Tame(c.x1), y = Tame(c.y1), r = Tame(c.r), start = c.start, end = c.end;
  const int color = c.color, fill = c.fill;
  const bool filled = c.filled, whole = start == 0 && end == 0;
  if (r <= 0 || (!whole && start == end)) return;
  const double pen = Pen(c);
  const double cx = x * scale_, cy = y * scale_, radius = r * scale_;
  const double outer = radius + pen / 2, inner = radius - pen / 2;
  if (whole && (inner <= 0 || (filled && fill == color))) {
    RasterDisc(cx, cy, outer, color);
    return;
  }
  Touch(cx - outer, cy - outer, cx + outer, cy + outer);
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
      Touch(cx - radius, cy - radius, cx + radius, cy + radius);
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
  Touch(px, py, px + c.width, py + c.height);
  Composite(c, px, py, PaletteColor(color));
  cairo_surface_mark_dirty_rectangle(surface_, px, py, c.width, c.height);
}

void Canvas::RasterPolyline(const DrawCall& c) {
  if (c.points.empty() || !Finite(c.points)) return;
  const double pen = Pen(c);
  cairo_new_path(cr_);
  for (const Point& p : c.points) cairo_line_to(cr_, Tame(p.x) * scale_, Tame(p.y) * scale_);
  TouchPath(pen / 2, pen / 2);
  SetColor(c.color);
  cairo_stroke(cr_);
}

void Canvas::RasterPolygon(const DrawCall& c) {
  if (c.points.empty() || !Finite(c.points)) return;
  const double pen = Pen(c);
  cairo_new_path(cr_);
  for (const Point& p : c.points) cairo_line_to(cr_, Tame(p.x) * scale_, Tame(p.y) * scale_);
  cairo_close_path(cr_);
  TouchPath(pen / 2, pen / 2);
  SetColor(c.fill);
  cairo_fill_preserve(cr_);
  SetColor(c.color);
  cairo_stroke(cr_);
}

std::vector<GlyphDraw> Canvas::Place(float x, float y, int scaleX, int scaleY, const std::string& s,
                                     const FontState& font) {
  return PlaceText(scale_, glyphs_, x, y, scaleX, scaleY, s, font);
}

void Canvas::RasterText(const DrawCall& call) {
  const std::vector<GlyphDraw> placed =
      Place(call.x1, call.y1, call.scaleX, call.scaleY, call.s, call.font);
  if (placed.empty()) return;
  cairo_surface_flush(surface_);
  const Rgb rgb = PaletteColor(call.color);
  for (const GlyphDraw& g : placed) {
    int px, py;
    const Coverage& c = glyphs_.Find(g, px, py);
    if (c.alpha.empty()) continue;
    Touch(px, py, px + c.width, py + c.height);
    Composite(c, px, py, rgb);
  }
  if (!drawn_.empty()) {
    cairo_surface_mark_dirty_rectangle(surface_, drawn_.x0, drawn_.y0, drawn_.x1 - drawn_.x0,
                                       drawn_.y1 - drawn_.y0);
  }
}

void Canvas::Composite(const Coverage& c, int px, int py, Rgb color) {
  if (!pixels_ || c.alpha.empty()) return;
  // The colour over the pixels through the coverage, clipped to them: pixman's OVER, the blend
  // cairo's own fills end in, so a glyph's pixels are those a fill of its outline would give.
  pixman_image_t* mask = pixman_image_create_bits_no_clear(
      PIXMAN_a8, c.width, c.height,
      reinterpret_cast<uint32_t*>(const_cast<uint8_t*>(c.alpha.data())), c.stride);
  if (!mask) return;
  pixman_image_composite32(PIXMAN_OP_OVER, Solid(color), mask, pixels_, 0, 0, 0, 0, px, py, c.width,
                           c.height);
  pixman_image_unref(mask);
}

void Canvas::Clear() {
  assert(OnDrawingThread());
  pending_.clear();  // painted over
  SetColor(kBackgroundColor);
  cairo_paint(cr_);
  damage_.All();
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
    RasterLine(c);
  } else if (c.op == Op::kBox) {
    RasterBox(c);
  } else if (c.op == Op::kCircle) {
    RasterCircle(c);
  } else if (c.op == Op::kPolyline) {
    RasterPolyline(c);
  } else if (c.op == Op::kPolygon) {
    RasterPolygon(c);
  } else if (c.op == Op::kText) {
    RasterText(c);
  }
  if (drawn_.empty()) return;
  std::erase_if(standing_, [this](const Standing& s) { return s.at.Overlaps(drawn_); });
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
  damage_.All();
  standing_.clear();
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
