// The row of joined match-stick squares of the stick-counting questions.
#pragma once

#include "core/shared.h"

namespace orvelle {

// A row of squareCount (1..9) squares of 100 units from (gridOriginX, gridOriginY), drawn from
// the right-hand square to the left at line width 7, each stick 8 short of its corners; square i
// is in highlightMode when i + squareCount is even, else in colour 0. figX/figY get the top
// corners (0..n), the bottom corners (n+1..2n+1) and a label point in each square (21..20+n).
// Leaves the width at 7, lineColor at square 1's colour, gridCols = n, boxHeight = 1,
// cellSize = 100 and DrawGrid's base point. Any other count draws nothing and changes nothing.
void DrawMatchSquares(Machine& m);

}  // namespace orvelle
