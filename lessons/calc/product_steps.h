// The steps examples 8 and 9 of section 3 share: erasing, the distributive-law arc, the sign and
// unit forms of the number texts, and the scripts of their closing pages.
#pragma once

#include <span>

#include "core/shared.h"

namespace orvelle::calc::products {

// Erases the box from (x, y), width × height, in the background colour.
void EraseBox(Machine& m, float x, float y, float width, float height);

// A distributive-law arc above a problem line: a dot every degree over the chord from (x1, y1)
// to (x2, y2), `height` the bulge (1 is 16 units), no label.
void DistributiveArc(Machine& m, float x1, float y1, float x2, float y2, float color, float height);

// A term that follows another carries its sign: coefText(i) gets a "+" when coef(i) > 0 and the
// text has none yet.
void PlusIfPositive(Machine& m, int i);
// A coefficient of 1 is not written, one of -1 only as its sign: coefText(i) = "" or "-".
void UnitCoefficient(Machine& m, int i);

// A line of a closing script: where it starts (the margin, the indent, or 120 left of the margin
// for a pointer across both columns), how far below the line before, its colour and text, and
// whether a key wait follows it.
enum class From { kMargin, kIndent, kMarginLess120 };
struct ScriptLine {
  From from;
  float dy;
  float color;
  const char* text;
  bool keyAfter;
};
void RunScript(Machine& m, std::span<const ScriptLine> lines);

}  // namespace orvelle::calc::products
