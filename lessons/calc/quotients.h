// Section 3, examples 10 to 12: division by a number, fractions of expressions, expand and
// collect.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// Sub-menu item "⑥例÷".
void ShowCalcExample10(Machine& m);
// Sub-menu item "⑦例１１".
void ShowCalcExample11(Machine& m);
// Sub-menu item "⑧例12".
void ShowCalcExample12(Machine& m);

}  // namespace orvelle::calc
