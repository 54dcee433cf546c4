// Section 4 "式の値": substitution and the value of an expression.
#pragma once

#include "core/shared.h"

namespace orvelle::intro {

// The aims, drawn once as the section opens.
void ShowExprValueGoals(Machine& m);

// The items of the sub-menu.
void ShowP71Question(Machine& m);       // ① the sticks formula at 30 squares; drills on 5-4x
void ShowExercise1Answers(Machine& m);  // ② 5x+2, 3-2x and 12/x at x = 2 and x = -4
void ShowExample2Answers(Machine& m);   // ③ -a and a² at a = -2; four forms at a = -5
void ShowValueDrill(Machine& m);        // ④ the value of 3x+2y, one of x and y negative

}  // namespace orvelle::intro
