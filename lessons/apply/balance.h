// The pan balance of section 3: beam, pans on posts and fulcrum at a tilt, with the envelope and
// letters on the left pan and the weights 20 and 5 on the right one.
#pragma once

#include "core/shared.h"

namespace orvelle::apply {

// The balance about the pivot (figX(0), figY(0)), half a beam figParam(1) long, tilted by
// balanceTilt (> 0: left end down), after erasing the rectangle any tilt of it can cover.
// Gives the beam's ends in figX/figY(1) and (2), the left pan from figX(3) to figX(4) at figY(3),
// the right pan from figX(5) to figX(6) at figY(5), the fulcrum's base corners figX(7), figX(8)
// at figY(7), and piValue. Leaves the line width at 3.
void DrawBalance(Machine& m);

// On the left pan of the last DrawBalance: the envelope "封筒" and, on it, columnTopText.
void DrawLetterWeightLabels(Machine& m);

// The same two labels, then the weights on the right pan (DrawWeights).
void DrawWeightLabels(Machine& m);

// The weights 20 and 5 standing on the right pan of the last DrawBalance.
void DrawWeights(Machine& m);

}  // namespace orvelle::apply
