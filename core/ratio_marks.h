// Ratio marks: chevrons that mark the point dividing a segment in a given ratio.
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#pragma once

#include "core/shared.h"

namespace orvelle {

// Marks the segment (segStartX, segStartY)-(segEndX, segEndY) with markCount chevrons (1..6; a
// count out of range becomes 1) of depth markRadius in lineColor, pointing from the start to the
// end, the first one's tip 16 beyond the point dividing the segment clockSeed : errorCode and
// the others 16 apart. A segment of no length, or a ratio 0 : 0, draws nothing. Uses loopIndex.
void DrawRatioTicks(Machine& m);

}  // namespace orvelle
