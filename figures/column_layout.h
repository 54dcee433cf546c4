// The layout of a written column calculation.
#pragma once

#include "core/shared.h"

namespace orvelle {

// From the corner (drawX, drawY): columnTopText at (x + 54, y); columnOpText and ")" at
// (x, y + rowPitch + 6); columnSecondText at (x + 54, y + rowPitch); a rule of width 3 in
// lineColor from (x + 27, y + 2 rowPitch), 30 longer than the wider row. Texts in drawColor.
// answerX = x + 54 and lineY = y + rowPitch; the line width is given back as found.
void DrawColumnSetup(Machine& m);

}  // namespace orvelle
