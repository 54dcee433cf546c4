// The logical screen, and what the canvas makes of a call's arguments: the ranges it keeps them
// to and the pens that erase. Drawing, placing texts and measuring ink share them, so that what
// is measured is what is drawn.
#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "platform/device.h"
#include "platform/palette.h"
#include "platform/recording_device.h"

namespace orvelle {

inline constexpr int kScreenWidth = 1440;
inline constexpr int kScreenHeight = 900;

// Shapes drawn in the background colour erase: their pen is this many pixels wider, so that every
// pixel an antialiased edge of the shape they cover touched is covered whole (its far corner lies
// up to 1.42 pixels beyond the edge).
inline constexpr double kEraseWidening = 3;

// Whether a call's pen erases: a line or polyline in the background colour, a circle, arc or
// sector whose outline and fill are both the background's (or that has no fill), a polygon
// likewise. A box paints whole pixels and needs no wider pen.
inline bool ErasingPen(const DrawCall& c) {
  const bool bg = c.color == kBackgroundColor;
  switch (c.op) {
    case Op::kLine:
    case Op::kPolyline:
      return bg;
    case Op::kCircle:
      return bg && (!c.filled || c.fill == kBackgroundColor);
    case Op::kPolygon:
      return bg && c.fill == kBackgroundColor;
    default:
      return false;
  }
}

// Coordinates, sizes and factors are kept within what the rasteriser's fixed-point numbers hold;
// a call with a coordinate that is no number at all draws nothing.
inline constexpr float kFar = 100000;
inline constexpr int kMaxFactor = 100;
inline constexpr int kMaxWidth = 1000;
inline constexpr double kMaxCell = 4000;  // far larger than the screen

inline float Tame(float v) { return std::clamp(v, -kFar, kFar); }
inline bool Finite(std::initializer_list<float> values) {
  for (float v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}
inline bool Finite(const std::vector<Point>& points) {
  for (const Point& p : points) {
    if (!Finite({p.x, p.y})) return false;
  }
  return true;
}

}  // namespace orvelle
