// Texts in filled, bordered boxes: headings, labels of figures, area diagrams, answer boxes.
#pragma once

#include <initializer_list>
#include <string>

#include "core/shared.h"

namespace orvelle {

// How a kind of boxed text (these mark-up texts, the labels of figures) measures a line
// (textWidth = the width of strArg) and draws one (drawText at drawX, drawY).
struct BoxedTextKind {
  void (*measure)(Machine& m);
  void (*draw)(Machine& m);
};

// A line of a boxed text: the text and the y of its top.
struct BoxedLine {
  std::string text;
  float y;
};

// The frame every boxed text shares. The box's corner is (drawX, drawY), kept in originX,
// originY; the box stands `boxDrop` below it. Each line is measured, centred across the box
// (textOffsetX; a line wider than the box starts at its left edge and runs over the right border)
// and drawn, the box before the first line. drawX = the box's right edge, drawY = the corner's y.
void DrawBoxedLines(Machine& m, const BoxedTextKind& kind, float boxDrop,
                    std::initializer_list<BoxedLine> lines);

// A box boxWidth x boxHeight at (drawX, drawY), border lineColor, inside fillColor, with strArg
// centred in it in drawColor. drawX = the box's right edge, drawY = its top, so boxes chain to
// the right; textWidth = the text's width; strArg keeps the text.
void DrawTextInBox(Machine& m);
// The same box placed around a text line at y drawY; drawY is given back unchanged.
void DrawBoxAroundText(Machine& m);
// One box with columnTopText over columnSecondText, each centred by its own width.
void DrawTwoLineTextBox(Machine& m);

}  // namespace orvelle
