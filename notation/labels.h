// A compact label drawer for figures: no mark-up, narrower advances, small italic letters.
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet
// (figures/angles draws its label with it only when labelMode is 1, which no lesson sets).
#pragma once

#include "core/shared.h"

namespace orvelle {

// Draws drawText at (drawX, drawY) in drawColor, bold at size 15 in the current font;
// drawX = the x after it. Afterwards bold is off and the size 16.
void DrawLabelText(Machine& m);
// textWidth = the width of strArg as DrawLabelText draws it; drawX, drawY as they were and
// drawText = the text.
void MeasureLabelText(Machine& m);
// A filled box boxWidth x boxHeight at (drawX, drawY) with strArg centred in it;
// drawX = the right edge, drawY = the top.
void DrawLabelInBox(Machine& m);
// The same box with columnTopText over columnSecondText.
void DrawTwoLineLabelBox(Machine& m);

}  // namespace orvelle
