// A left brace and arrowed segments.
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#pragma once

#include "core/shared.h"

namespace orvelle {

// A left brace "{" of straight strokes (width 5, drawColor) in the 35 units right of drawX,
// spanning boxWidth from drawY (5 below the top to 10 above the bottom). originX = x + 35,
// originY = y + 5. The line width is given back as found.
void DrawLeftBrace(Machine& m);

// The segment from V (vertexX, vertexY) to C (pointCX, pointCY) in lineColor with an open head of
// length markRadius at C, or at V when arrowReverse = -1, or at both ends when arrowBothEnds = 2.
// Clears arrowReverse and arrowBothEnds (when 2). Leaves the last head's stroke ends in pointAX..
// pointBY, tip - tail in segX3, segY3, the unit vector in segX4, segY4 and the head's base in
// segPX, segPY. Draws at the current width. Equal ends draw no head.
void DrawArrowSegment(Machine& m);

}  // namespace orvelle
