// The text mark-up of the lesson screens and its interpreter: stacked fractions, exponents,
// radicals, italic letters and symbol glyphs.
#pragma once

#include "core/shared.h"

namespace orvelle {

// Draws drawText at (drawX, drawY) in drawColor; drawX = the x just after the text.
void DrawMarkupText(Machine& m);
// Draws one stacked fraction (the text between the two fraction marks).
void DrawStackedFraction(Machine& m);
// Draws the run of characters in glyphRun, one glyph at a time.
void DrawGlyphs(Machine& m);

}  // namespace orvelle
