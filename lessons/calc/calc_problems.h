// Section 4 "P80(基本の問題)": the fundamental problems of page 80.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// The section: its sub-menu until "④終了".
void ShowCalcSection4Menu(Machine& m);

}  // namespace orvelle::calc
