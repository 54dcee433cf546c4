#include "platform/kept_calls.h"

#include <algorithm>
#include <utility>

#include "platform/draw_limits.h"
#include "platform/palette.h"

namespace orvelle {
namespace {

// A last resort: a picture of more calls than this is only scaled when the window's size changes.
constexpr size_t kMaxKeptCalls = 50000;

constexpr UnitRect kScreen{0, 0, kScreenWidth, kScreenHeight};

// An antialiased edge drawn again over itself darkens each time, by at least one step of 255
// while it changes at all: after this many times it stays as it is.
constexpr int kMaxTimes = 256;
// How far back a call is looked for when it is drawn again.
constexpr size_t kLookBack = 1024;

bool Meet(const UnitRect& a, const UnitRect& b) {
  return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1;
}

bool SameFont(const FontState& a, const FontState& b) {
  return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic;
}

bool SamePoints(const std::vector<Point>& a, const std::vector<Point>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const Point& p, const Point& q) { return p.x == q.x && p.y == q.y; });
}

// The same drawing: the same pixels come of it.
bool SameDrawing(const DrawCall& a, const DrawCall& b) {
  // A text's pixels come of its font, a shape's of its pen.
  const bool text = a.op == Op::kText;
  return a.op == b.op && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
         a.r == b.r && a.start == b.start && a.end == b.end && a.filled == b.filled &&
         a.color == b.color && a.fill == b.fill && a.scaleX == b.scaleX && a.scaleY == b.scaleY &&
         a.s == b.s && (text ? SameFont(a.font, b.font) : a.width == b.width) &&
         SamePoints(a.points, b.points);
}

// A stroke in the background colour drawn over the same stroke erases every pixel that stroke
// touched: its pen is wider (see the canvas).
bool ErasesSameStroke(const DrawCall& later, const DrawCall& earlier) {
  if (later.color != kBackgroundColor || earlier.color == kBackgroundColor ||
      later.op != earlier.op || later.width != earlier.width) {
    return false;
  }
  if (later.op == Op::kLine) {
    return later.x1 == earlier.x1 && later.y1 == earlier.y1 && later.x2 == earlier.x2 &&
           later.y2 == earlier.y2;
  }
  if (later.op == Op::kCircle) {
    // A filled erase covers a filled circle; an outline erases only an outline.
    return later.x1 == earlier.x1 && later.y1 == earlier.y1 && later.r == earlier.r &&
           later.start == earlier.start && later.end == earlier.end &&
           (later.filled ? later.fill == kBackgroundColor : !earlier.filled);
  }
  return false;
}

// The rectangle between a box's corners.
UnitRect Corners(const DrawCall& box) {
  return {std::min(box.x1, box.x2), std::min(box.y1, box.y2), std::max(box.x1, box.x2),
          std::max(box.y1, box.y2)};
}

}  // namespace

void KeptCalls::Add(DrawCall call) {
  const UnitRect cover = CoverOf(call);
  if (call.op == Op::kClear || kScreen.Within(cover)) {
    kept_.clear();
    complete_ = true;
  }
  if (!complete_) return;
  const UnitRect ink = InkOf(call);
  if (ink.empty()) return;  // it shows nothing at any size
  if (!cover.empty()) {
    // A box paints every pixel under its rectangle, border and inside, at every scale; and it
    // covers an earlier box within it whose border is no wider, pixel for pixel.
    const UnitRect corners = Corners(call);
    std::erase_if(kept_, [&](const Kept& k) {
      return k.ink.Within(cover) || (k.call.op == Op::kBox && k.call.width <= call.width &&
                                     Corners(k.call).Within(corners));
    });
  } else {
    while (!kept_.empty() && ErasesSameStroke(call, kept_.back().call)) kept_.pop_back();
    // The same call again, with nothing drawn across it since: counted where it stands.
    const size_t oldest = kept_.size() > kLookBack ? kept_.size() - kLookBack : 0;
    for (size_t i = kept_.size(); i-- > oldest;) {
      Kept& k = kept_[i];
      if (SameDrawing(k.call, call)) {
        k.times = std::min(k.times + 1, kMaxTimes);
        return;
      }
      if (Meet(k.ink, ink)) break;
    }
  }
  if (kept_.size() >= kMaxKeptCalls) {
    kept_.clear();
    kept_.shrink_to_fit();
    complete_ = false;
    return;
  }
  kept_.push_back({std::move(call), ink});
}

bool KeptCalls::DrawOn(Canvas& canvas) const {
  if (!complete_) return false;
  for (const Kept& k : kept_) {
    for (int i = 0; i < k.times; ++i) canvas.Draw(k.call);
  }
  return true;
}

}  // namespace orvelle
