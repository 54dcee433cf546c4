// Plane geometry in screen coordinates: the foot of a perpendicular, the crossing of two lines,
// and the point of a line at a given x or y.
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#pragma once

#include "core/shared.h"

namespace orvelle {

// segPX, segPY = the foot of the perpendicular from (segX3, segY3) onto the line through
// (segX1, segY1) and (segX2, segY2) (two equal points count as a vertical line); marks it with a
// disc of radius 2 in the background colour. In the sloping case the line's slope and intercept
// are left in axisXMin, axisYMin and the perpendicular's in axisXMax, axisYMax.
void FindPerpendicularFoot(Machine& m);

// crossX, crossY = where the line through points 1 and 2 crosses the line through points 3 and 4;
// slope1, intercept1, slope2, intercept2 their slopes and y intercepts (a vertical line has the
// slope 1000 and its x in crossX; two equal points count as a horizontal line). Parallel lines
// give no result: crossX, crossY are left as they stand. Draws nothing.
void FindLineIntersection(Machine& m);

// originX, originY = the point of the line through (segX1, segY1) and (segX2, segY2) at the y
// segY3 when segX3 < 0, at the x segX3 when segY3 < 0 (this one stands when both are negative);
// a vertical line gives (segX1, segY3), a horizontal one (segX3, segY1). Draws nothing.
void LinePointAtXOrY(Machine& m);

}  // namespace orvelle
