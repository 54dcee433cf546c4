// Small helpers the figure routines share: the counted loop, colours, and drawing calls that
// never hand the screen a coordinate that is not a number.
#pragma once

#include <cmath>

#include "core/shared.h"
#include "platform/number.h"

namespace orvelle::figure {

// The figures' pi: the number nearest to 3.14159, not to pi, so angles come out as the lessons
// expect (a ray straight down is exactly 270 degrees).
inline constexpr float kPi = 3.14159f;

// More passes than any figure on the screen can use; a loop that would run longer stops here.
inline constexpr int kMaxPasses = 100000;

// The counted loop of the figure routines: counter = start, the body runs, then the counter is
// stepped and compared with the bound taken once at the start (while counter <= bound, or >= with
// a negative step). So the body always runs once. It also stops when the counter stops moving
// (a step too small for the counter's size) or after kMaxPasses passes, so no range can keep it
// going for ever. The body gets the counter's value; `counter` is written before every pass and
// holds the value after the last step on return, even if the body overwrote it.
template <class Body>
void CountedLoop(float& counter, float start, float bound, float step, Body body) {
  float value = start;
  for (int pass = 1;; ++pass) {
    counter = value;
    body(value);
    const float next = value + step;
    const bool moved = next != value;
    value = next;
    counter = value;
    if (!moved || pass >= kMaxPasses) return;
    if (step < 0 ? !(value >= bound) : !(value <= bound)) return;
  }
}

inline bool Finite(float a) { return std::isfinite(a); }
inline bool Finite(float a, float b) { return std::isfinite(a) && std::isfinite(b); }

// A palette number as the screen takes it.
inline int Color(float c) { return ToInt(c); }

// A plain line; a line with an end that is not a number is not drawn.
inline void DrawLine(Machine& m, float x1, float y1, float x2, float y2, float color) {
  if (!Finite(x1, y1) || !Finite(x2, y2)) return;
  m.device.Line(x1, y1, x2, y2, Color(color));
}

// A filled disc in one colour (outline and inside), as dots and markers are drawn.
inline void DrawDisc(Machine& m, float x, float y, float r, float color) {
  if (!Finite(x, y) || !Finite(r) || r < 0) return;
  m.device.Circle(x, y, r, Color(color), 0, 0, true, Color(color));
}

}  // namespace orvelle::figure
