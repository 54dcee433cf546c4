// Section 2 "1次式の加減": adding and subtracting linear expressions, and column calculation.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// The section: its aims once, then its sub-menu until "⑦終了".
void ShowCalcSection2Menu(Machine& m);

}  // namespace orvelle::calc
