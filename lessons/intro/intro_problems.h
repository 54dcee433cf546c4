// Section 5 "P72(基本の問題)": worked answers of the fundamental problems of page 72.
#pragma once

#include "core/shared.h"

namespace orvelle::intro {

// The items of the sub-menu.
void ShowProblems1And2(Machine& m);  // ① writing products and quotients, and back with * and /
void ShowProblem3(Machine& m);       // ② expressing quantities
void ShowProblems4And5(Machine& m);  // ③ values of expressions at a = -6, and x = 3, y = -2

}  // namespace orvelle::intro
