// What examples 10 to 12 of section 3 share: erasing the example area, the letter of a pass,
// and the scripts of their closing pages.
#pragma once

#include <span>

#include "core/shared.h"

namespace orvelle::calc {

// Erases the box from (x, y), width × height, in the background colour.
void EraseExampleArea(Machine& m, float x, float y, float width, float height);

// The letter table "x", "y", "a", "b" in signText(2..5) and the pass's letter, one of them with
// equal chances, in signText(1). NumbersToStrings rewrites signText, so this comes after it.
void PickPassLetter(Machine& m);

// A line of a closing page: where it starts (the margin, the indent, or just after the text
// before it), how far below the line before, its colour and text, and whether a key wait follows.
enum class ClosingFrom { kMargin, kIndent, kAfter };
struct ClosingLine {
  ClosingFrom from;
  float dy;
  float color;
  const char* text;
  bool keyAfter;
};
void ShowClosingLines(Machine& m, std::span<const ClosingLine> lines);

// The right column of a closing page, from the top of the screen: marginX = margin, the
// exercises 54 further in.
void ClosingRightColumn(Machine& m, float margin);

}  // namespace orvelle::calc
