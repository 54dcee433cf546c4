// The row of cubes built of sticks, in an oblique view: every edge of a cube is one stick, and
// neighbouring cubes share the sticks of the face between them.
#pragma once

#include "core/shared.h"

namespace orvelle::apply {

// The figure's points for squareCount = n joints a row (n − 1 cubes; n ≤ 12) from the frame's
// top-left corner (gridOriginX, gridOriginY): figX/figY(1..4n) hold four edge rows of n joints
// (back top, front top, back bottom, front bottom), a cube 105 units wide and its back face 35
// right of and above its front one; gridBaseX, gridBaseY = the frame's left x and bottom y
// (origin y + 140). Entries past 4n are left alone.
void ComputeCubeRowPoints(Machine& m);

// Every stick of the figure at width 7 (left at 7): the depth sticks in 0, the back and front
// verticals in stickColorBack and stickColorFront, stickGapV short at both ends, the horizontal
// sticks in stickColorH, stickGapH short at both ends.
void DrawCubeRowSticks(Machine& m);

// Every stick, grouped: the first cube's 12 sticks in 0, then each further cube's 8 (its four
// horizontal sticks and the four at its right joint) in 3, 0, 3, …, set 15 apart from what lies
// to their left. The stick settings are not read.
void DrawCubeRowGrouped(Machine& m);

// The sticks of the top face drawn again in 3, the horizontal ones stickGapH short at both ends.
void HighlightCubeRowTopFace(Machine& m);

// "…" at 5 × 5 in 0, right of the figure: at (figX(6) + 20, figY(6) + dy).
void DrawContinuationMark(Machine& m, float dy);

// All five stick settings 0: every stick in 0, meeting at the joints.
void ClearStickSettings(Machine& m);

// A row of five cubes (squareCount = 6) with its frame's top-left corner at (x, y): its points,
// then its sticks as the stick settings say.
void DrawCubeRowAt(Machine& m, float x, float y);

// The plain row of the section's pages: five cubes from x 80 with their frame's top at y, every
// stick in 0, and the continuation mark 20 below the row's top right corner.
void DrawPlainCubeRow(Machine& m, float y);

}  // namespace orvelle::apply
