// Small edits of expression texts in strArg, and the divisor pairs of a number.
#pragma once

#include "core/shared.h"

namespace orvelle {

// strArg without any "^", "ﾝ", "ﾀ" or "=": a fraction text becomes plain ("-ﾀ3/4ﾀ" → "-3/4").
void StripMarkup(Machine& m);
// strArg without any "(", ")" or "+".
void StripBracketsAndPlus(Machine& m);
// strArg without its first character when that is "+"; strLength = the length it had.
void StripPlusSign(Machine& m);
// strArg without its first character when that is "+" or "-"; strLength = the length it had.
void StripSign(Machine& m);
// strArg in brackets when a "-" stands anywhere in it.
void ParenthesizeIfMinus(Machine& m);
// The divisors of |numArg| in ascending order, figX(k) = divisor and figY(k) = its cofactor
// from k = 1; coin = how many there are, squareCount = half that, truncated. numArg = |numArg|.
void ListDivisorPairs(Machine& m);

}  // namespace orvelle
