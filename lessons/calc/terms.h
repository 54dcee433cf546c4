// Section 1 "項,係数,同類項計算": terms, coefficients and like terms.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// The section: its aims once, then its sub-menu until "⑥終了".
void ShowCalcSection1Menu(Machine& m);

}  // namespace orvelle::calc
