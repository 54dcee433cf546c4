// Section 1 "棒の本数を求めよう": counting the sticks of a row of cubes.
#pragma once

#include "core/shared.h"

namespace orvelle::apply {

// The aims, drawn once as the section opens.
void ShowSticksGoals(Machine& m);

// The items of the sub-menu.
void ShowSticksQuestion(Machine& m);     // ① P81 Q: the row of cubes and two ways to see it
void ShowCountByCubeGroups(Machine& m);  // ② a cube of 12, then groups of 8
void ShowCountByFaces(Machine& m);       // ③ top and bottom faces, then the upright sticks
void ShowCountBySquares(Machine& m);     // ④ squares of 4, then the lengthwise sticks
void CompareStickCounts(Machine& m);     // ⑤ the three expressions are all 8x+4
void ShowTwoTierShelf(Machine& m);       // ⑥ two rows of cubes sharing a face

}  // namespace orvelle::apply
