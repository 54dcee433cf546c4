// Texts in filled, bordered boxes: headings, labels of figures, area diagrams, answer boxes.
#pragma once

#include "core/shared.h"

namespace orvelle {

// A box boxWidth x boxHeight at (drawX, drawY), border lineColor, inside fillColor, with strArg
// centred in it in drawColor. drawX = the box's right edge, drawY = its top, so boxes chain to
// the right; textWidth = the text's width; strArg keeps the text.
void DrawTextInBox(Machine& m);
// The same box placed around a text line at y drawY; drawY is given back unchanged.
void DrawBoxAroundText(Machine& m);
// One box with columnTopText over columnSecondText, each centred by its own width.
void DrawTwoLineTextBox(Machine& m);

}  // namespace orvelle
