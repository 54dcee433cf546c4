// What the answer screens of the chapter problems A and B share: the opening with the title box,
// the columns, the boxed problem numbers, and the texts kept as tables.
#pragma once

#include <span>
#include <string>

#include "core/shared.h"

namespace orvelle::apply {

// Where a text of an answer screen starts: at the margin or at the indent, `gap` below the line
// before (0: on the same line), or after the text before, `gap` further right.
enum class From { kMargin, kIndent, kAfter };

// A text of an answer screen: labels and the terms discussed in 3, working in 0, results in 5.
struct AnswerText {
  From from;
  float gap;
  float color;
  const char* text;
};

// A new answer screen: the whole window erased, the left column begun, the title in its box at
// (40, 30); afterX and lineY then stand at the box's right edge and top.
void OpenAnswerScreen(Machine& m, const std::string& title);

// A column from the top of the screen: marginX = `margin`, indentX 54 right of it, lineY 30.
void StartColumn(Machine& m, float margin);

// The boxed problem number, its top-left at (x, y); afterX and lineY follow the box.
void ProblemNumber(Machine& m, float x, float y, const std::string& number);

// The texts in order, each placed from where the text before left the cursor.
void DrawAnswerTexts(Machine& m, std::span<const AnswerText> texts);

}  // namespace orvelle::apply
