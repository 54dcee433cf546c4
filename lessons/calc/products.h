// Section 3, examples 8 and 9: a number times a bracket, and a fraction times a bracket.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// Sub-menu item "④例８": drill ① k(ax+b), drill ② (ax+b)×k below it, then the worked answers
// of textbook problems 10 and 11.
void ShowCalcExample8(Machine& m);

// Sub-menu item "⑤例9": the heading, then examples (n/d)(pdx+qd) until the pupil types 1, then
// the closing.
void ShowCalcExample9(Machine& m);
// One example of 例9 as the problem pick leaves it: the problem, the two arcs, the products, the
// cancellation of d against each bracket coefficient, the result. The drill loop then asks for
// the next step.
void ShowCalcExample9Working(Machine& m);
// The rule of 例9 and the worked answers of textbook problems 11 (4) and 12.
void ShowCalcExample9Closing(Machine& m);

}  // namespace orvelle::calc
