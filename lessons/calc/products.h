// Section 3, examples 8 and 9: a number times a bracket, and a fraction times a bracket.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// Sub-menu item "④例８".
void ShowCalcExample8(Machine& m);
// Sub-menu item "⑤例9".
void ShowCalcExample9(Machine& m);

}  // namespace orvelle::calc
