// Section 3 "1次式と数の乗除": its frame, the tabled examples 6 and 7 and the flower bed.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// The aims, under the place of the menu; indentX is 44 and lineY 370 afterwards.
void ShowSection3Goals(Machine& m);

// Sub-menu item "①例６": ten tabled products of a term and a number, then textbook P77 問8.
void ShowCalcExample6(Machine& m);
// Sub-menu item "②例７": ten tabled divisions by a number, then textbook P77 問9.
void ShowCalcExample7(Machine& m);
// Sub-menu item "③分配課題": the flower bed made 1 m wider, which leads to the distributive law.
void ShowFlowerBedProblem(Machine& m);

}  // namespace orvelle::calc
