// A lesson page read back from its drawing as a pupil reads it: the mark-up texts the glyph
// renderer drew, and the equalities they state. A test holds a page's worked lines to their
// algebra this way without copying them.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "markup_value.h"
#include "platform/recording_device.h"

namespace orvelle::test {

// A text as it stands on the page, in the mark-up that draws it: a stacked fraction as
// "ﾀnumerator/denominatorﾀ", × and ÷ as "*" and "/", an exponent as "^2", a space where the pen
// moved on without drawing. A leading space draws nothing and is not read.
struct ReadText {
  float x, y;  // where the pen stood at its first glyph
  float end;   // and where it stood after its last
  std::string text;
  std::vector<int> colors;   // one for each character of `text`
  size_t drawn = 0;          // the call of the log that drew its first glyph
  size_t erased = SIZE_MAX;  // the call of the background box drawn over its start, if any
};

// Every text `log` draws on the page through the mark-up (measuring and plain texts left out).
// Glyphs that go on from the end of a text on its line, right after it or up to three spaces
// further, join that text whenever they are drawn, unless it was erased; others start a text of
// their own. In the order of their first glyphs.
std::vector<ReadText> ReadTexts(const std::vector<DrawCall>& log);

// An equality a page states: two sides that stand either side of an "=", and the values the page
// gave letters before it ("a=-3 のとき").
struct Equality {
  std::string left, right;
  std::vector<std::pair<char, double>> given;
};

// The equalities of `texts`. The expressions of a text are its runs of mark-up between words
// ("(x+1)*2=2x+2" in "(x+1)*2=2x+2(本)"; a unit in brackets after it is left out, and so is a
// label "(1)" in a colour of its own before it); a run that ends the text on an operator goes on
// in the text just right of it. Each "=" inside a run equates its two sides. A text that starts
// with "=" equates what follows with the last expression of the text it goes on from: the one
// that ends just before it on its line, else the one it starts under on the nearest line above
// (drawn before it), so a working written line under line is a chain.
std::vector<Equality> Equalities(const std::vector<ReadText>& texts);

// The expressions of `texts` in order, each side of an "=" on its own.
std::vector<std::string> Expressions(const std::vector<ReadText>& texts);

// Checks that the page in `log` states `count` equalities and that each holds: as expressions
// (for several values of the letters), at the values the page gave its letters, or at the values
// `at` where the page substitutes them without saying so.
void ExpectEqualitiesHold(const std::vector<DrawCall>& log, size_t count);
void ExpectEqualitiesHold(const std::vector<DrawCall>& log, size_t count, const Letters& at);

}  // namespace orvelle::test
