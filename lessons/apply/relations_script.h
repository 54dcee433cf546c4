// Pages of section 3 written as tables of texts: each text starts a new line or goes on along the
// line, and key waits stand between them where the page pauses.
#pragma once

#include <span>

#include "core/shared.h"

namespace orvelle::apply {

// Where a text goes.
enum class Place {
  kMargin,  // at marginX, `gap` below lineY (0: on the same line)
  kIndent,  // at indentX, `gap` below lineY (0: on the same line)
  kAfter,   // on along the line, `gap` after afterX
  kKey,     // no text: a key wait
};

struct ScriptLine {
  Place place;
  float gap;
  float color;
  const char* text;
};

// Draws one text as TextStep does (afterX and lineY follow it), or waits for a key.
void ScriptStep(Machine& m, const ScriptLine& line);
// The lines in order.
void RunScript(Machine& m, std::span<const ScriptLine> lines);

}  // namespace orvelle::apply
