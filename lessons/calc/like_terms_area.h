// The area diagram of two like terms, for ④ 例2 of section 1.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// The terms coef(1)·L and coef(2)·L as boxes 50 high and 50 wide per unit of coefficient, from
// (figX(1), figY(1)), the second 60 to the right of the first, each with dotted arcs for its
// width (coefText(1), coefText(2)) and its height (letterText(1)); a key; then, 120 lower, the
// two put together and the sum's box (coefText(13) + letterText(2)) with its width coefText(3).
// Box texts: coefText(11) + L and coefText(22) + L. Sets figX(2..10), figY(2..4) and the four
// term colours; leaves the line width at 5, afterX and lineY as they were. A box or width arc
// with no width (a coefficient below 1, a second of 0, a sum of 0) is left out.
void DrawLikeTermsArea(Machine& m);

}  // namespace orvelle::calc
