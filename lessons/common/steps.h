// The shapes every lesson page is made of. A page reads as one line per step:
//   ClearPage(m, 1760, 1300);
//   TextStep(m, 40, 30, 7, "正方形を20個つなげてつくるとき、");
//   TextStep(m, m.indentX, m.lineY + 50, 7, "棒は何本必要？");
//   Key(m);
//   TextStep(m, m.afterX + 40, m.lineY, 5, "4+3*4=16");
#pragma once

#include <initializer_list>
#include <source_location>
#include <span>
#include <string>

#include "core/shared.h"

namespace orvelle {

// Draws a mark-up text in a colour at (x, y); afterX and lineY then follow the text, so the next
// text can go on along the line (afterX) or start a new one (lineY + step).
void TextStep(Machine& m, float x, float y, float color, const std::string& text);

// The same with the layout cursor kept: labels and numbers inside figures, right-hand texts.
void TextKept(Machine& m, float x, float y, float color, const std::string& text);

// A pause: the key-wait bar until any key. The key is logged with the step's line.
void Key(Machine& m, std::source_location where = std::source_location::current());

// A new page: a filled box from (0, 0), width × height, in the background colour.
void ClearPage(Machine& m, float width, float height);

// A box's size and colours: headings, problem numbers, answer boxes, figures.
struct BoxStyle {
  float width, height;
  float border, fill;
};

// A text centred in a box whose top-left corner is (x, y) (an empty text: the box alone);
// afterX and lineY then stand at the box's right edge and top, so boxes chain to the right.
void BoxStep(Machine& m, float x, float y, const BoxStyle& box, float color,
             const std::string& text);
// The same with the layout cursor kept.
void BoxKept(Machine& m, float x, float y, const BoxStyle& box, float color,
             const std::string& text);

// A box drawn around a text that stands on a line at (x, y) like any text of the line (an empty
// text: the empty box an answer will fill); afterX and lineY follow the box.
void BoxAroundStep(Machine& m, float x, float y, const BoxStyle& box, float color,
                   const std::string& text);
// The same with the layout cursor kept: an answer written into a box drawn before.
void BoxAroundKept(Machine& m, float x, float y, const BoxStyle& box, float color,
                   const std::string& text);

// A row of worked answers: the label, the question and, one key later, the answer.
struct WorkedAnswer {
  const char* label;     // "(1)"
  float step;            // below the row before; rows with a stacked fraction stand lower
  const char* question;  // "x*y="
  const char* answer;    // "xy", right after the question
};

// Worked answers one under the other: the label in 3 at marginX, `step` below the line, the
// question in 0 at indentX + 27, a key, the answer in 5 right after the question. The keys are
// logged with the line of the call.
void WorkedAnswers(Machine& m, std::span<const WorkedAnswer> rows,
                   std::source_location where = std::source_location::current());

// A row worked on two lines: the label and the problem; one key later the working under the
// problem and the result right after the working.
struct TwoLineAnswer {
  const char* label;    // "(1)"
  float gap;            // below the line before
  const char* problem;  // " 8x+6-3x-3"
  const char* working;  // "=8x-3x+6-3"; "": the result goes right after the problem
  const char* result;   // "=5x+3"
};

// Whether a row's result waits for a key of its own after the working, or comes with it.
enum class ResultKey { kOwn, kWithWorking };

// Two-line answers one under the other: the label in 3 at marginX, `gap` below the line, the
// problem in 0 at indentX, a key, the working in 0 at indentX `step` below, (a key,) the result
// in 5 right after it. The keys are logged with the line of the call.
void TwoLineAnswers(Machine& m, std::span<const TwoLineAnswer> rows, float step,
                    ResultKey resultKey = ResultKey::kOwn,
                    std::source_location where = std::source_location::current());

// A section's aims under the menu's place: "<めあて>" in 3 at (44, 240), then each line in 0,
// 65 below the one before, at x 44 + lineIndent. indentX is 44 and lineY the last line's y.
void ShowGoals(Machine& m, float lineIndent, std::initializer_list<const char*> lines);

}  // namespace orvelle
