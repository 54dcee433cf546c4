// Where a picture has been drawn on since it was last shown: a few rectangles of pixels, apart
// from one another, that the window shows again.
#pragma once

#include <vector>

namespace orvelle {

// A rectangle of pixels, [x0, x1) × [y0, y1).
struct PixelRect {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool empty() const { return x1 <= x0 || y1 <= y0; }
  // The smallest rectangle around both.
  PixelRect Joined(const PixelRect& r) const;
  bool Overlaps(const PixelRect& r) const {
    return x0 < r.x1 && r.x0 < x1 && y0 < r.y1 && r.y0 < y1;
  }
};

// The pixels of a picture `width` × `height` that a shape reaching from (x0, y0) to (x1, y1), in
// pixels, touches however little.
PixelRect Touched(double x0, double y0, double x1, double y1, int width, int height);

class Damage {
 public:
  // All of a picture `width` × `height`, as a new one is.
  Damage(int width, int height);

  // All of the picture: painted over whole.
  void All();
  // The pixels a drawing call touched, and a pixel more around them.
  void Add(const PixelRect& touched);
  // What was drawn on since the last call, and forgets it.
  std::vector<PixelRect> Take();

 private:
  int width_, height_;
  std::vector<PixelRect> rects_;
};

}  // namespace orvelle
