#include "platform/damage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace orvelle {
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

PixelRect PixelRect::Joined(const PixelRect& r) const {
  if (empty()) return r;
  if (r.empty()) return *this;
  return {std::min(x0, r.x0), std::min(y0, r.y0), std::max(x1, r.x1), std::max(y1, r.y1)};
}

PixelRect Touched(double x0, double y0, double x1, double y1, int width, int height) {
  // Every pixel that an edge passes through is touched, however little.
  return {std::max(0, static_cast<int>(std::floor(x0))),
          std::max(0, static_cast<int>(std::floor(y0))),
          std::min(width, static_cast<int>(std::ceil(x1))),
          std::min(height, static_cast<int>(std::ceil(y1)))};
}

Damage::Damage(int width, int height) : width_(width), height_(height) { All(); }

void Damage::All() { rects_ = {{0, 0, width_, height_}}; }

void Damage::Add(const PixelRect& touched) {
  PixelRect r{std::max(0, touched.x0 - 1), std::max(0, touched.y0 - 1),
              std::min(width_, touched.x1 + 1), std::min(height_, touched.y1 + 1)};
  // Drawing in one place and in another far from it (a step of a worked answer at the top, the
  // key bar at the bottom) damages two small rectangles, not the large one around both.
  for (size_t i = 0; i < rects_.size();) {
    if (Near(rects_[i], r)) {
      r = r.Joined(rects_[i]);
      rects_.erase(rects_.begin() + static_cast<long>(i));
      i = 0;  // the grown rectangle may now reach others
    } else {
      ++i;
    }
  }
  rects_.push_back(r);
  while (rects_.size() > kMaxDamage) {
    size_t a = 0, b = 1;
    int64_t least = -1;
    for (size_t i = 0; i < rects_.size(); ++i) {
      for (size_t j = i + 1; j < rects_.size(); ++j) {
        const int64_t more = Area(rects_[i].Joined(rects_[j])) - Area(rects_[i]) - Area(rects_[j]);
        if (least < 0 || more < least) least = more, a = i, b = j;
      }
    }
    rects_[a] = rects_[a].Joined(rects_[b]);
    rects_.erase(rects_.begin() + static_cast<long>(b));
  }
}

std::vector<PixelRect> Damage::Take() { return std::exchange(rects_, {}); }

}  // namespace orvelle
