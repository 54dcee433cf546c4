// The text mark-up of the lesson screens and its interpreter: stacked fractions, exponents,
// radicals, italic letters and symbol glyphs.
#pragma once

#include "core/shared.h"

namespace orvelle {

// Draws drawText at (drawX, drawY) in drawColor; drawX = the x just after the text.
void DrawMarkupText(Machine& m);
// Draws the stacked fraction strArg (the text between the two fraction marks) from drawX on the
// line drawY; drawX = its right edge; spotX, spotY = where its denominator was drawn.
void DrawStackedFraction(Machine& m);
// Draws the run of characters in strArg at (drawX, drawY), one glyph at a time; drawX = the x
// after it. The font is "ゴシック" 16 with bold off afterwards.
void DrawGlyphs(Machine& m);

}  // namespace orvelle
