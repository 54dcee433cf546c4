// Text measuring: how wide a mark-up text comes out when drawn.
#pragma once

#include "core/shared.h"

namespace orvelle {

// textWidth = the width of strArg as DrawMarkupText draws it (drawn below the screen);
// drawX, drawY and strArg as they were.
void MeasureMarkedText(Machine& m);

}  // namespace orvelle
