// Section 2 "数の表し方": multiples, even and odd numbers, sums of consecutive integers.
#pragma once

#include "core/shared.h"

namespace orvelle::apply {

// The aims, drawn once as the section opens.
void ShowNumbersGoals(Machine& m);

// The items of the sub-menu.
void ShowMultiplesItem(Machine& m);       // ① multiples of 3 are 3n
void ShowEvenNumbersItem(Machine& m);     // ② even numbers are 2n
void ShowOddNumbersItem(Machine& m);      // ③ odd numbers are 2n+1 and 2n-1
void ShowConsecutiveSumItem(Machine& m);  // ④ the pupil's own pairs, then n+(n+1)=2n+1

// Asks for the smaller of two consecutive numbers: coef(1) = n, coef(2) = n + 1,
// coef(4) = their sum; coefText(1), coefText(4) their texts, coefText(2) the second one's with
// "+" before it ("+(…)" when it is negative).
void InputConsecutivePair(Machine& m);

}  // namespace orvelle::apply
