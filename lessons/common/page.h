// A page laid out in columns and written as a table of texts. A table reads as its page does, one
// row a text, each placed from where the text before it left the cursor:
//   constexpr PageText kProblem1[] = {
//       {kMargin, 50, 3, "(1)"}, {kIndent, 0, 0, " 5x+2x"}, {kKey}, {kAfter, 0, 5, "=7x"},
//   };
//   StartColumn(m, 640, 54, 30);
//   WriteTexts(m, kProblem1);
#pragma once

#include <source_location>
#include <span>
#include <string>

#include "core/shared.h"

namespace orvelle {

// A column of a page: marginX = x, indentX `indent` further in, lineY = y; the column's first
// text goes on that line (a gap of 0) or below it.
void StartColumn(Machine& m, float x, float indent, float y);

// A page of worked problems: the whole window erased, a column at 40 with its indent `indent` in,
// the title in 0 in a box `width` wide and 48 high at (40, 30); afterX and lineY then stand at the
// box's right edge and top.
void OpenProblemsPage(Machine& m, const std::string& title, float width, float indent = 54);

// A problem's number in 13 in its box, 44 square, its top-left at (x, y); afterX and lineY follow
// the box.
void ProblemNumber(Machine& m, float x, float y, const std::string& number);

// Erases the box from (x, y), width × height, in the background colour: the part of a page that
// a step writes again.
void EraseBox(Machine& m, float x, float y, float width, float height);

// Erases the rectangle between the corners (x1, y1) and (x2, y2) in the background colour.
void EraseRect(Machine& m, float x1, float y1, float x2, float y2);

// Where a text of a page table goes.
enum class Place {
  kMargin,    // a new line at marginX, `gap` below lineY (0: on the same line)
  kIndent,    // a new line at indentX, `gap` below lineY (0: on the same line)
  kInset,     // on the same line at indentX + `gap`: a question one character (27) in, after its
              // label
  kAfter,     // on along the line, `gap` after afterX
  kQuestion,  // a new line at marginX, `gap` below lineY: an expression whose working goes on
              // after it, and under its end (kept in answerX) on the lines below
  kUnder,     // the next line, 50 below lineY, `gap` after the end of the last kQuestion
  kKey,       // no text: the page waits for a key
};

// A text of a page: labels and the terms discussed mostly in 3, working in 0, results in 5.
struct PageText {
  Place place;
  float gap;
  float color;
  const char* text;
};

// One text as TextStep draws it (afterX and lineY then follow it), or a key wait logged with the
// line of the call.
void WriteText(Machine& m, const PageText& text,
               std::source_location where = std::source_location::current());

// The texts in order; their key waits are logged with the line of the call.
void WriteTexts(Machine& m, std::span<const PageText> texts,
                std::source_location where = std::source_location::current());

}  // namespace orvelle
