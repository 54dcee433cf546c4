// Marks on segments and angles: equal-length strokes, the right-angle corner, and an angle's size
// in degrees. (The ratio chevrons are DrawRatioTicks, core/ratio_marks.h.)
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#pragma once

#include "core/shared.h"

namespace orvelle {

// markCount strokes (a count below 0 or above 6 becomes 1; 0 still draws one) across the segment
// (segX1, segY1)-(segX2, segY2), 2 markRadius long, in lineColor, at the distances g, 2g, ... from
// its midpoint shifted swapRays units along it, g = markGap (0 or above 30 becomes 8). markGap is
// left at g times (strokes + 1). A segment of no length draws nothing.
void DrawEqualMarks(Machine& m);

// The square corner of the angle at the vertex: a polyline of side markRadius in lineColor.
void DrawRightAngleMark(Machine& m);

// angleText (and strArg) = the angle swept from ray A to ray B in degrees, to one decimal
// ("90", "37.5"); rayAngleDeg the same unrounded, bisectorAngle in radians.
void AngleDegreesText(Machine& m);

}  // namespace orvelle
