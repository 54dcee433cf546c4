// Section 3 "1次式と数の乗除": its frame, the tabled examples 6 and 7 and the flower bed.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// The section: its aims once, then its sub-menu until "⑨終了".
void ShowCalcSection3Menu(Machine& m);

}  // namespace orvelle::calc
