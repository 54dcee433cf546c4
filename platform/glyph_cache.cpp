#include "platform/glyph_cache.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cassert>
#include <cmath>
#include <system_error>
#include <thread>

namespace orvelle {
namespace {

// Synthetic styles for a face that has none: the slant of an oblique (about 11 degrees), and
// the pen that thickens every stroke of a bold, in ems of the glyph (the amount a bold face
// usually adds to a stem). Both work in the glyph's own stretched space, so a text magnified
// 1 × 3 looks like a bold text magnified 1 × 3, not like one smeared downwards.
constexpr double kSlant = 0.2;
constexpr double kBoldPen = 0.045;

// What an entry costs beyond its coverage: the entry, its list and index nodes.
constexpr size_t kEntryBytes = 160;
// The outline boxes (placing centres letters by them; measuring reads them) are few: one a
// glyph and size. Past this many they are all dropped and found again.
constexpr size_t kMaxBoxes = 2048;
constexpr size_t kBoxBytes = 96;

size_t Mix(size_t h, uint64_t v) {
  return h ^ (std::hash<uint64_t>{}(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
}

// A context that draws outlines on `surface` as the canvas always has: unhinted, antialiased in
// grey.
cairo_t* OutlineContext(cairo_surface_t* surface) {
  cairo_t* cr = cairo_create(surface);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  return cr;
}

// The scaled fonts the drawing thread holds while helpers rasterise with them (see Prefetch):
// each referenced once as it is taken, and all let go at once, after which it holds none.
// Debug builds check both ends: a font drawn with for Prefetch is one held (GlyphPath), and
// when the hold ends each of its fonts is still counted by cairo. No context of ours draws with
// them by then, and cairo itself keeps a reference only to the font last asked for, so a font
// whose reference was never taken, or was let go before, is at 0.
class FontHold {
 public:
  FontHold() = default;
  FontHold(const FontHold&) = delete;
  FontHold& operator=(const FontHold&) = delete;
  ~FontHold() { Release(); }

  void Take(cairo_scaled_font_t* font) {
    if (std::find(fonts_.begin(), fonts_.end(), font) == fonts_.end()) {
      fonts_.push_back(cairo_scaled_font_reference(font));
    }
  }
  void Release() {
    assert(std::all_of(fonts_.begin(), fonts_.end(), [](cairo_scaled_font_t* font) {
      return cairo_scaled_font_get_reference_count(font) >= 1;
    }));
    for (cairo_scaled_font_t* font : fonts_) cairo_scaled_font_destroy(font);
    fonts_.clear();
  }
  bool Holds(cairo_scaled_font_t* font) const {
    return std::find(fonts_.begin(), fonts_.end(), font) != fonts_.end();
  }

 private:
  std::vector<cairo_scaled_font_t*> fonts_;
};

// The hold of the rasterising that the thread does for Prefetch; none elsewhere, where only the
// drawing thread rasterises.
thread_local const FontHold* tHold = nullptr;

// Sets on `cr` the font the glyph's outline is made with, and gives it.
cairo_scaled_font_t* SetGlyphFont(cairo_t* cr, const GlyphDraw& g, bool slanted = true) {
  cairo_matrix_t m;
  const bool slant = slanted && g.face->syntheticItalic;
  cairo_matrix_init(&m, g.emX, 0, slant ? -kSlant * g.emY : 0, g.emY, 0, 0);
  cairo_set_font_face(cr, g.face->face);
  cairo_set_font_matrix(cr, &m);
  return cairo_get_scaled_font(cr);
}

// The glyph's outline as the current path, its origin at (x, y).
void GlyphPath(cairo_t* cr, const GlyphDraw& g, double x, double y, bool slanted = true) {
  [[maybe_unused]] cairo_scaled_font_t* font = SetGlyphFont(cr, g, slanted);
  assert(tHold ? tHold->Holds(font) : OnDrawingThread());
  cairo_glyph_t glyph{g.index, x, y};
  cairo_new_path(cr);
  cairo_glyph_path(cr, &glyph, 1);
}

GlyphBox OutlineBox(const GlyphDraw& g, bool slanted = true) {
  GlyphBox box;
  if (!g.face || !g.face->face) return box;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* cr = OutlineContext(surface);
  GlyphPath(cr, g, 0, 0, slanted);
  double x0, y0, x1, y1;
  cairo_path_extents(cr, &x0, &y0, &x1, &y1);
  if (x1 > x0 || y1 > y0) box = {x0, y0, x1, y1};  // a blank has no outline
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return box;
}

// The coverage drawn on an A8 `surface` whose top-left pixel is at (left, top) from the origin's
// whole pixel, less the rows and columns nothing touched.
Coverage CoverageOf(cairo_surface_t* surface, int left, int top) {
  Coverage c;
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  int x0 = w, y0 = h, x1 = 0, y1 = 0;
  for (int y = 0; data && y < h; ++y) {
    const unsigned char* row = data + static_cast<size_t>(y) * static_cast<size_t>(stride);
    for (int x = 0; x < w; ++x) {
      if (!row[x]) continue;
      x0 = std::min(x0, x), x1 = std::max(x1, x + 1);
      y0 = std::min(y0, y), y1 = std::max(y1, y + 1);
    }
  }
  if (x1 <= x0) return c;
  c.left = left + x0, c.top = top + y0;
  c.width = x1 - x0, c.height = y1 - y0;
  c.stride = (c.width + 3) & ~3;
  c.alpha.resize(static_cast<size_t>(c.stride) * static_cast<size_t>(c.height));
  for (int y = 0; y < c.height; ++y) {
    std::copy_n(data + static_cast<size_t>(y0 + y) * static_cast<size_t>(stride) + x0, c.width,
                c.alpha.begin() + static_cast<long>(y) * c.stride);
  }
  return c;
}

// The em at which a glyph's box is found once for every size: its points are rounded to 1/64 of
// a pixel there and at the size drawn, and to 1/256 of a pixel by the rasteriser.
constexpr double kBoundsEm = 1024;
constexpr double kBoundsMargin = 1.0 / 16;
constexpr size_t kMaxBounds = 8192;

}  // namespace

GlyphBox GlyphCache::Bounds(const GlyphDraw& g) {
  assert(OnDrawingThread());
  // Shared by every canvas: a box in ems does not depend on the scale.
  static std::unordered_map<BoxKey, GlyphBox, BoxKeyHash> boxes;
  const BoxKey key{g.face, g.index, 0, 0};
  auto it = boxes.find(key);
  if (it == boxes.end()) {
    if (boxes.size() >= kMaxBounds) boxes.clear();
    GlyphDraw upright = g;
    upright.emX = upright.emY = kBoundsEm;
    GlyphBox box = OutlineBox(upright, false);
    if (!box.empty())
      box = {box.x0 / kBoundsEm, box.y0 / kBoundsEm, box.x1 / kBoundsEm, box.y1 / kBoundsEm};
    it = boxes.emplace(key, box).first;
  }
  const GlyphBox& em = it->second;
  if (em.empty()) return em;
  GlyphBox box{em.x0 * g.emX, em.y0 * g.emY, em.x1 * g.emX, em.y1 * g.emY};
  if (g.face->syntheticItalic) {
    // The slant moves a point left by its height above the origin times kSlant: by at most the
    // box's top or bottom.
    const double a = -kSlant * box.y0, b = -kSlant * box.y1;
    box.x0 += std::min(a, b);
    box.x1 += std::max(a, b);
  }
  const double margin = kBoundsMargin + std::max(g.emX, g.emY) / 64 / kBoundsEm;
  return {box.x0 - margin, box.y0 - margin, box.x1 + margin, box.y1 + margin};
}

double BoldReachX(const GlyphDraw& g) {
  return g.face && g.face->syntheticBold ? kBoldPen * g.emX / 2 : 0;
}
double BoldReachY(const GlyphDraw& g) {
  return g.face && g.face->syntheticBold ? kBoldPen * g.emY / 2 : 0;
}

size_t GlyphCache::KeyHash::operator()(const Key& k) const {
  size_t h = std::hash<const void*>{}(k.face);
  h = Mix(h, k.index);
  h = Mix(h, std::bit_cast<uint64_t>(k.emX));
  h = Mix(h, std::bit_cast<uint64_t>(k.emY));
  return Mix(h, static_cast<uint64_t>(k.subX) << 16 | static_cast<uint64_t>(k.subY));
}

size_t GlyphCache::BoxKeyHash::operator()(const BoxKey& k) const {
  size_t h = std::hash<const void*>{}(k.face);
  h = Mix(h, k.index);
  h = Mix(h, std::bit_cast<uint64_t>(k.emX));
  return Mix(h, std::bit_cast<uint64_t>(k.emY));
}

GlyphCache::GlyphCache(size_t bound) : bound_(bound) {}

GlyphCache::~GlyphCache() = default;

Coverage GlyphCache::Rasterise(const GlyphDraw& g, double fx, double fy, double widen) {
  GlyphBox box = Bounds(g);
  if (!box.empty()) box = {box.x0 - widen, box.y0 - widen, box.x1 + widen, box.y1 + widen};
  return Rasterise(g, fx, fy, box);
}

GlyphCache::Span GlyphCache::Reach(const GlyphDraw& g, double fx, double fy, const GlyphBox& box) {
  const double rx = BoldReachX(g), ry = BoldReachY(g);
  return {static_cast<int>(std::floor(fx + box.x0 - rx)) - 1,
          static_cast<int>(std::floor(fy + box.y0 - ry)) - 1,
          static_cast<int>(std::ceil(fx + box.x1 + rx)) + 1,
          static_cast<int>(std::ceil(fy + box.y1 + ry)) + 1};
}

Coverage GlyphCache::Rasterise(const GlyphDraw& g, double fx, double fy, const GlyphBox& box) {
  if (box.empty()) return {};
  return Rasterise(g, fx, fy, Reach(g, fx, fy, box));
}

Coverage GlyphCache::Rasterise(const GlyphDraw& g, double fx, double fy, const Span& span) {
  const int left = span.left, top = span.top, right = span.right, bottom = span.bottom;
  if (right <= left || bottom <= top) return {};
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_A8, right - left, bottom - top);
  cairo_t* cr = OutlineContext(surface);
  GlyphPath(cr, g, fx - left, fy - top);
  if (g.face->syntheticBold) {
    // The outline filled, and its edge stroked with the pen, in the glyph's stretched space.
    cairo_save(cr);
    cairo_scale(cr, g.emX, g.emY);
    cairo_set_line_width(cr, kBoldPen);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
  } else {
    cairo_fill(cr);
  }
  cairo_destroy(cr);
  Coverage c = CoverageOf(surface, left, top);
  cairo_surface_destroy(surface);
  return c;
}

Coverage GlyphCache::RasteriseDisc(double radius, double fx, double fy) {
  const int left = static_cast<int>(std::floor(fx - radius)) - 1;
  const int top = static_cast<int>(std::floor(fy - radius)) - 1;
  const int size = static_cast<int>(std::ceil(2 * radius)) + 4;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, size, size);
  cairo_t* cr = cairo_create(surface);
  cairo_arc(cr, fx - left, fy - top, radius, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_destroy(cr);
  Coverage c = CoverageOf(surface, left, top);
  cairo_surface_destroy(surface);
  return c;
}

bool OnDrawingThread() {
  static const std::thread::id drawing = std::this_thread::get_id();
  return std::this_thread::get_id() == drawing;
}

OnGrid::OnGrid(double px, double py) {
  double ox = std::floor(px), oy = std::floor(py);
  subX = static_cast<int>(std::lround((px - ox) * GlyphCache::kSubpixels));
  subY = static_cast<int>(std::lround((py - oy) * GlyphCache::kSubpixels));
  if (subX == GlyphCache::kSubpixels) subX = 0, ox += 1;
  if (subY == GlyphCache::kSubpixels) subY = 0, oy += 1;
  x = static_cast<int>(ox), y = static_cast<int>(oy);
}

double OnGrid::fx() const { return subX / double(GlyphCache::kSubpixels); }
double OnGrid::fy() const { return subY / double(GlyphCache::kSubpixels); }

GlyphCache::Key GlyphCache::KeyOf(const GlyphDraw& g, const OnGrid& origin) {
  return {g.face, g.index, g.emX, g.emY, origin.subX, origin.subY};
}

const Coverage& GlyphCache::Keep(const Key& key, Coverage c) {
  const size_t bytes = c.alpha.size() + kEntryBytes;
  if (bytes > bound_ / 4) {
    // A glyph larger than a quarter of the bound would drive out most of the others.
    scratch_ = std::move(c);
    return scratch_;
  }
  entries_.push_front({key, std::move(c), bytes});
  index_.emplace(key, entries_.begin());
  bytes_ += bytes;
  while (bytes_ > bound_ && entries_.size() > 1) {
    bytes_ -= entries_.back().bytes;
    index_.erase(entries_.back().key);
    entries_.pop_back();
  }
  return entries_.front().coverage;
}

void GlyphCache::SetVisible(int width, int height) {
  visibleWidth_ = width;
  visibleHeight_ = height;
}

const Coverage& GlyphCache::Find(const GlyphDraw& g, int& px, int& py) {
  assert(OnDrawingThread());
  const OnGrid origin(g.x, g.y);
  const Key key = KeyOf(g, origin);
  const Coverage* found;
  if (auto it = index_.find(key); it != index_.end()) {
    entries_.splice(entries_.begin(), entries_, it->second);
    found = &it->second->coverage;
  } else {
    scratch_ = {};
    const GlyphBox bounds = Bounds(g);
    Span span = bounds.empty() ? Span{0, 0, 0, 0} : Reach(g, origin.fx(), origin.fy(), bounds);
    const double area = (double(span.right) - span.left) * (double(span.bottom) - span.top);
    if (visibleWidth_ > 0 && area + kEntryBytes > bound_ / 4) {
      // Too large to keep, and perhaps far larger than the picture: only its part on the
      // picture is rasterised, for this once.
      span = {std::max(span.left, -origin.x), std::max(span.top, -origin.y),
              std::min(span.right, visibleWidth_ - origin.x),
              std::min(span.bottom, visibleHeight_ - origin.y)};
      scratch_ = Rasterise(g, origin.fx(), origin.fy(), span);
      found = &scratch_;
    } else {
      found =
          &Keep(key, bounds.empty() ? Coverage{} : Rasterise(g, origin.fx(), origin.fy(), span));
    }
  }
  px = origin.x + found->left;
  py = origin.y + found->top;
  return *found;
}

void GlyphCache::Prefetch(const std::vector<GlyphDraw>& glyphs) {
  assert(OnDrawingThread());
  struct Job {
    Key key;
    OnGrid origin;
    const GlyphDraw* glyph;
    GlyphBox bounds;
    Coverage coverage;
  };
  std::vector<Job> jobs;
  std::unordered_map<Key, bool, KeyHash> wanted;
  size_t bytes = 0;
  for (const GlyphDraw& g : glyphs) {
    const OnGrid origin(g.x, g.y);
    const Key key = KeyOf(g, origin);
    if (index_.count(key) || !wanted.emplace(key, true).second) continue;
    // The box and the faces' own lookups are found here, by one thread.
    const GlyphBox bounds = Bounds(g);
    if (bounds.empty()) continue;
    const double rx = BoldReachX(g) + 2, ry = BoldReachY(g) + 2;
    bytes +=
        static_cast<size_t>((bounds.x1 - bounds.x0 + 2 * rx) * (bounds.y1 - bounds.y0 + 2 * ry)) +
        kEntryBytes;
    if (bytes > bound_ / 2) break;
    jobs.push_back({key, origin, &g, bounds, {}});
  }
  if (jobs.size() < kGlyphsPerThread) return;  // rasterised as they are drawn

  // Each thread has contexts and pictures of its own, and cairo serialises each face's outlines.
  // The faces were opened by FindFace on this thread, when the texts were placed (the boxes
  // above only read them); they stay open while at most 10 font files are in use, as one opened
  // again on two threads at once would not be safe (see the header).
  //
  // cairo lets go of a scaled font before it takes the lock that another thread takes it up
  // again under: where one thread lets go of a font last while another takes it up, cairo fails
  // its own assertion (or frees the font twice), about once in thousands of pages. So this
  // thread holds every font the helpers use until they are done: no thread ever lets go last.
  FontHold hold;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* cr = OutlineContext(surface);
  for (const Job& j : jobs) hold.Take(SetGlyphFont(cr, *j.glyph));
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  std::atomic<size_t> next{0};
  const auto work = [&jobs, &next, &hold] {
    tHold = &hold;  // debug builds check that each font used is held
    for (size_t i; (i = next++) < jobs.size();) {
      Job& j = jobs[i];
      j.coverage = Rasterise(*j.glyph, j.origin.fx(), j.origin.fy(), j.bounds);
    }
    tHold = nullptr;
  };
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const size_t helpers = std::min<size_t>({cores, kMaxThreads, jobs.size() / kGlyphsPerThread}) - 1;
  std::vector<std::thread> threads;
  for (size_t i = 0; i < helpers; ++i) {
    try {
      threads.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // the rest is done here
    }
  }
  work();
  for (std::thread& t : threads) t.join();
  hold.Release();
  for (Job& j : jobs) Keep(j.key, std::move(j.coverage));
}

GlyphBox GlyphCache::Box(const GlyphDraw& g) {
  assert(OnDrawingThread());
  const BoxKey key{g.face, g.index, g.emX, g.emY};
  if (auto it = boxes_.find(key); it != boxes_.end()) return it->second;
  if (boxes_.size() >= kMaxBoxes) {
    bytes_ -= boxes_.size() * kBoxBytes;
    boxes_.clear();
  }
  const GlyphBox box = OutlineBox(g);
  boxes_.emplace(key, box);
  bytes_ += kBoxBytes;
  while (bytes_ > bound_ && !entries_.empty()) {
    bytes_ -= entries_.back().bytes;
    index_.erase(entries_.back().key);
    entries_.pop_back();
  }
  return box;
}

}  // namespace orvelle
