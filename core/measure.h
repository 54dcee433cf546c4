// Text measuring: how wide a mark-up text comes out when drawn.
#pragma once

#include "core/shared.h"

namespace orvelle {

// textWidth = the width of strArg as DrawMarkupText draws it (drawn below the screen);
// drawX, drawY and strArg as they were.
void MeasureMarkedText(Machine& m);

// textWidth = how far the drawer `draw` moves the pen over strArg, drawn from (0, 1800) below the
// screen; drawX and drawY as they were, drawText consumed by the drawing.
void MeasureByDrawing(Machine& m, void (*draw)(Machine&));

}  // namespace orvelle
