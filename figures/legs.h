// Right-triangle legs with their lengths on a grid.
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#pragma once

#include "core/shared.h"

namespace orvelle {

// The two legs of the right triangle whose hypotenuse joins (legStartX, legStartY) and (legEndX,
// legEndY) (exchanged so that the start is the left end): a horizontal arrow in colour 7 at the
// start's y and a vertical arrow in colour 3 at the end's x, at line width 4 (left so).
// amountLetter = the horizontal length in cells, legLabelY = the vertical one, positive upwards
// ("0.5", "-0.5"). "y" as the first / second character of legLabelFlags writes the horizontal /
// vertical length beside its leg. A cellSize of 0 gives no lengths.
void DrawRightAngleLegs(Machine& m);

// The horizontal leg's length, in colour 7, on the side of the vertical leg.
void LabelHorizontalLeg(Machine& m);

// The vertical leg's length, in colour 3, level with its middle.
void LabelVerticalLeg(Machine& m);

}  // namespace orvelle
