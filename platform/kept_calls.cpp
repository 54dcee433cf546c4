#include "platform/kept_calls.h"

#include <algorithm>
#include <utility>

#include "platform/palette.h"

namespace orvelle {
namespace {

// A last resort: a picture of more calls than this is only scaled when the window's size changes.
constexpr size_t kMaxKeptCalls = 50000;

constexpr UnitRect kScreen{0, 0, Canvas::kScreenWidth, Canvas::kScreenHeight};

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
  const UnitRect cover = Canvas::Cover(call);
  if (call.op == Op::kClear || kScreen.Within(cover)) {
    kept_.clear();
    complete_ = true;
  }
  if (!complete_) return;
  const UnitRect ink = Canvas::Ink(call);
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
  for (const Kept& k : kept_) canvas.Draw(k.call);
  return true;
}

}  // namespace orvelle
