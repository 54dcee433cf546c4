// Square roots in simplest form.
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#pragma once

#include "core/shared.h"

namespace orvelle {

// Writes the square root of the whole number radicand as k!m (k = rootFactor, m = the
// square-free part left in radicand; square factors d^2 with d up to 200 are taken out):
// rootFactorText, simplifiedRootText ("2!3ﾝ"), givenRootText ("!12ﾝ=", "" when nothing was taken
// out) and remainingRootText ("!3ﾝ"), without spaces; strArg ends holding remainingRootText. A
// radicand below 1 is taken as it stands, as if square-free.
void SimplifyRoot(Machine& m);

}  // namespace orvelle
