// Where a drawing call can put ink on the logical screen, found from its arguments alone, for any
// scale the canvas draws at: what the window keeps of its picture is chosen by it.
#pragma once

#include "platform/recording_device.h"

namespace orvelle {

// A rectangle of the logical screen in units, [x0, x1] × [y0, y1]; empty to begin with.
struct UnitRect {
  double x0 = 0, y0 = 0, x1 = -1, y1 = -1;
  bool empty() const { return x1 < x0 || y1 < y0; }
  bool Within(const UnitRect& r) const {
    return !empty() && x0 >= r.x0 && x1 <= r.x1 && y0 >= r.y0 && y1 <= r.y1;
  }
  void Add(const UnitRect& r);
  UnitRect Widened(double by) const { return {x0 - by, y0 - by, x1 + by, y1 + by}; }
};

// The smallest scale at which InkOf holds for shapes (a 1080 x 675 window).
inline constexpr double kExactScale = 0.75;

// Where a call can put ink, in units: every pixel it touches at any scale from kExactScale up
// lies over this rectangle. Empty when it shows nothing at those scales.
UnitRect InkOf(const DrawCall& call);
// What a box paints over whole at every scale, in units: the rectangle between its corners
// (its edges fall on whole pixels at or beyond them), stretched without end past a side that
// reaches the screen's edge, since nothing is drawn beyond. Empty for any other call.
UnitRect CoverOf(const DrawCall& call);

}  // namespace orvelle
