// The square grid that figures are laid on.
#pragma once

#include "core/shared.h"

namespace orvelle {

// A grid of gridCols x boxHeight cells of side cellSize from (gridOriginX, gridOriginY), every
// fifth line thick (width 3, colour 14 in fillColor), the others width 1 in lineColor; vertical
// lines left to right, then horizontal ones bottom up. lineColor 15 draws nothing. Always gives
// gridBaseX, gridBaseY (bottom-left corner), the four edges, piValue and savedDrawWidth; the line
// width is given back as found.
void DrawGrid(Machine& m);

}  // namespace orvelle
