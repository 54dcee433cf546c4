// The plain text drawer of menus, prompts and the number field: one full-width character per
// 16-unit cell, in the current font with bold on.
#pragma once

#include "core/shared.h"

namespace orvelle {

// glyph: a half-width character becomes its full-width form through the two conversion tables.
void ToFullWidthChar(Machine& m);
// strArg without its half-width spaces.
void RemoveSpaces(Machine& m);
// The text of a number as lessons, fractions and figures write it, without a blank: "3", "-2",
// ".5". strArg holds it too.
std::string BareNumberText(Machine& m, float value);
// Draws the characters of strArg from drawX; charPenX = the x after the last cell.
void DrawChars(Machine& m);
// Draws drawText one character at a time from drawX; drawX = the x after the last cell.
void DrawText(Machine& m);

}  // namespace orvelle
