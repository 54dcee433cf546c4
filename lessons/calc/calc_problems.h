// Section 4 "P80(基本の問題)": the fundamental problems of page 80 on three pages.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// "①": problems 1 (like terms) and 2 (sums and differences of brackets).
void ShowCalcSection4Page1(Machine& m);
// "②": problems 3 (a term times or divided by a number) and 4 (a bracket times or divided by one).
void ShowCalcSection4Page2(Machine& m);
// "③": problem 5 (brackets expanded and collected).
void ShowCalcSection4Page3(Machine& m);

}  // namespace orvelle::calc
