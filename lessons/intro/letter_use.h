// Section 1 "文字の使用": the sticks of joined squares, and expressions with letters.
#pragma once

#include "core/shared.h"

namespace orvelle::intro {

// The aims, drawn once as the section opens.
void ShowLetterUseGoals(Machine& m);

// The items of the sub-menu.
void ShowP62Question(Machine& m);    // ① how many sticks make 20 squares in a row
void ShowP64Question(Machine& m);    // ② the table of sticks and the expression 1+3x
void ShowExample1(Machine& m);       // ③ the price of x notebooks
void ShowExercises1To3(Machine& m);  // ④ worked answers of the page's exercises

}  // namespace orvelle::intro
