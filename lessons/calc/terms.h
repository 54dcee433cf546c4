// Section 1 "項,係数,同類項計算": terms, coefficients and like terms.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// The aims, drawn once as the section opens.
void ShowSection1Goals(Machine& m);

// The items of the sub-menu.
void ShowP73Question(Machine& m);              // ① three ways to count the sticks of x squares
void ShowTermsAndCoefficients(Machine& m);     // ② drills on the terms and the coefficients
void ShowExercise1Answers(Machine& m);         // ③ terms and coefficients of four expressions
void ShowLikeTermsExample(Machine& m);         // ④ aL + bL with its area diagram
void ShowCollectLikeTermsExample(Machine& m);  // ⑤ ax + b - cx + d, letter terms first

}  // namespace orvelle::calc
