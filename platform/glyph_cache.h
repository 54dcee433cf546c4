// Each glyph a canvas draws, rasterised once: its coverage (how much of each pixel its outline
// covers, bold included) is kept and composited wherever the same glyph falls again at the same
// fraction of a pixel. Kept least recently used first out, within a bound of memory.
//
// Threads. A cache is its canvas's, used by the one thread that draws (canvas.h). Prefetch alone
// rasterises on more threads: the drawing thread and up to kMaxThreads - 1 helpers, each on
// pictures and contexts of its own, all done before it returns. That is safe while:
// - every face a glyph comes from is open before: FindFace opens it on the drawing thread when
//   the texts are placed, and meanwhile the drawing thread only rasterises;
// - at most 10 font files are in use. Cairo keeps one face a file open, each behind a lock of
//   its own that serialises its outlines, and at most 10 at once: an eleventh file closes one,
//   and the thread that needs that one next opens it again outside cairo's font-map lock, which
//   the font engine does not allow on two threads at once. The programs use 5 files with the
//   project's fonts.conf (IPAGothic, Liberation Serif's four styles), 9 with the system's; a
//   face that makes 11 must first take the helpers away;
// - the drawing thread holds every scaled font the helpers use until they are done: cairo lets
//   go of one without its lock, so that one thread letting go last while another takes it up
//   again fails (debug builds assert that every font a glyph is rasterised with for Prefetch is
//   in that hold, and that the hold still has its reference to each when it ends).
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <list>
#include <unordered_map>
#include <vector>

#include "platform/fonts.h"

namespace orvelle {

// A glyph as the canvas draws it: a face (its name, bold and italic), a glyph of it, the size of
// its em across and down in pixels (the text's size and its two factors at the canvas's scale),
// and its origin in pixels.
struct GlyphDraw {
  const Face* face = nullptr;
  unsigned long index = 0;
  double emX = 0, emY = 0;
  double x = 0, y = 0;
};

// Where a glyph's outline lies around its origin, in pixels; empty (x1 < x0) for a blank.
// A bold face's pen reaches BoldReachX/Y beyond it.
struct GlyphBox {
  double x0 = 0, y0 = 0, x1 = -1, y1 = -1;
  bool empty() const { return x1 < x0; }
};

// How far the pen that makes a face bold reaches beyond its outline, across and down, in pixels.
double BoldReachX(const GlyphDraw& g);
double BoldReachY(const GlyphDraw& g);

// Whether this is the thread that draws: the first that asked. Debug builds assert it wherever
// a canvas or a glyph cache draws, places or finds a glyph's box.
bool OnDrawingThread();

// A point in pixels put on the subpixel grid of the kept coverages: its whole pixel, and its
// fraction of a pixel in steps of 1 / GlyphCache::kSubpixels.
struct OnGrid {
  int x = 0, y = 0;
  int subX = 0, subY = 0;
  OnGrid(double px, double py);
  double fx() const;
  double fy() const;
};

// A glyph's coverage: `height` rows of `width` bytes (0 none .. 255 whole), `stride` bytes apart
// in `alpha` (the width rounded up to 4, as pixman takes an a8 picture; the rest of a row is 0),
// its top-left pixel at (left, top) from the whole pixel of the origin.
struct Coverage {
  int left = 0, top = 0, width = 0, height = 0, stride = 0;
  std::vector<uint8_t> alpha;
  uint8_t at(int x, int y) const {
    return alpha[static_cast<size_t>(y) * static_cast<size_t>(stride) + static_cast<size_t>(x)];
  }
};

class GlyphCache {
 public:
  // The origin is kept to this fraction of a pixel: the rasteriser's own grid, so that a glyph
  // moved onto it shifts by under 1/512 of a pixel and its antialiasing by a shade at most.
  static constexpr int kSubpixels = 256;
  // Enough for several full pages of the largest texts at 1920 x 1080.
  static constexpr size_t kDefaultBound = size_t{4} << 20;

  explicit GlyphCache(size_t bound = kDefaultBound);
  ~GlyphCache();
  GlyphCache(const GlyphCache&) = delete;
  GlyphCache& operator=(const GlyphCache&) = delete;

  // The pixels glyphs are drawn on, (0, 0) to (width, height): a glyph too large to keep is
  // rasterised only where it falls on them. Unset, every glyph is rasterised whole.
  void SetVisible(int width, int height);
  // The coverage of the glyph with its origin at g.x, g.y moved onto the subpixel grid; px, py
  // receive the whole pixel the coverage's left and top count from. Valid until the next call.
  const Coverage& Find(const GlyphDraw& g, int& px, int& py);
  // Rasterises the glyphs not kept yet, several at once on the processor's cores (see Threads
  // above), and keeps them, as far as half the bound holds them: the glyphs of a page about to
  // be drawn.
  void Prefetch(const std::vector<GlyphDraw>& glyphs);
  // The box of the glyph's outline around its origin (x and y are not looked at).
  GlyphBox Box(const GlyphDraw& g);
  // A box the glyph's outline lies within, found without its outline at this size: its box at
  // a large em, scaled (an unhinted outline scales with its em) and widened by a margin for the
  // rounding of its points at either size, and for a slant.
  static GlyphBox Bounds(const GlyphDraw& g);

  // What is kept, in bytes (coverage and bookkeeping), and the most it may be.
  size_t bytes() const { return bytes_; }
  size_t bound() const { return bound_; }
  size_t size() const { return entries_.size(); }

  // A glyph's coverage rasterised afresh from its outline, the origin's fraction of a pixel at
  // (fx, fy) (0 <= fx, fy < 1), on the pixels of its box widened by `widen` on every side.
  static Coverage Rasterise(const GlyphDraw& g, double fx, double fy, double widen = 0);
  // A disc's coverage (a filled circle of `radius` pixels), its centre's fraction of a pixel at
  // (fx, fy), as the canvas fills one.
  static Coverage RasteriseDisc(double radius, double fx, double fy);
  // Fewer glyphs than this to rasterise are not worth another thread.
  static constexpr size_t kGlyphsPerThread = 8;
  static constexpr unsigned kMaxThreads = 4;

 private:
  struct Key {
    const Face* face;
    unsigned long index;
    double emX, emY;
    int subX, subY;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const;
  };
  struct Entry {
    Key key;
    Coverage coverage;
    size_t bytes;
  };
  static Key KeyOf(const GlyphDraw& g, const OnGrid& origin);
  // Pixels around a glyph's origin, left and top inclusive.
  struct Span {
    int left, top, right, bottom;
  };
  // The pixels the outline and the bold pen can touch, and one more around them.
  static Span Reach(const GlyphDraw& g, double fx, double fy, const GlyphBox& bounds);
  static Coverage Rasterise(const GlyphDraw& g, double fx, double fy, const GlyphBox& bounds);
  static Coverage Rasterise(const GlyphDraw& g, double fx, double fy, const Span& span);
  const Coverage& Keep(const Key& key, Coverage c);
  struct BoxKey {
    const Face* face;
    unsigned long index;
    double emX, emY;
    bool operator==(const BoxKey&) const = default;
  };
  struct BoxKeyHash {
    size_t operator()(const BoxKey& k) const;
  };

  size_t bound_;
  size_t bytes_ = 0;
  std::list<Entry> entries_;  // most recently used first
  std::unordered_map<Key, std::list<Entry>::iterator, KeyHash> index_;
  std::unordered_map<BoxKey, GlyphBox, BoxKeyHash> boxes_;
  Coverage scratch_;                          // a coverage too large to keep
  int visibleWidth_ = 0, visibleHeight_ = 0;  // 0: not set
};

}  // namespace orvelle
