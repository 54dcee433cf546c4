// Section 2 "1次式の加減": adding and subtracting linear expressions, and column calculation.
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// The aims, drawn once as the section opens.
void ShowSection2Goals(Machine& m);

// The items of the sub-menu.
void ShowWorkedAddition(Machine& m);        // ① 例４: random (aL+b)+(cL+d), line by line
void ShowExercise4And5Answers(Machine& m);  // ② worked answers of P76 問4 and 問5
void ShowWorkedSubtraction(Machine& m);     // ③ 例５: random (aL+b)-(cL+d), signs changed
void ShowExercise6And7Answers(Machine& m);  // ④ worked answers of P76 問6 and 問7
void ShowColumnAddition(Machine& m);        // ⑤ 縦計算+: the sum written in columns
void ShowColumnSubtraction(Machine& m);     // ⑥ 縦計算-: the difference written in columns

// How an item shows the random pair: which second expression it writes, and in which order the
// texts get their plus signs and lose their unit coefficients.
enum class PairForm { kAddition, kSubtraction, kColumnAddition, kColumnSubtraction };

// A random pair (aL + b) and (cL + d): coef(1) = a, 1..9 (10 when it ties with |c|, which keeps
// a + c off 0); coef(2) = b and coef(4) = d, 2..10; coef(3) = c, ±1..9; coef(5) = a + c and
// coef(6) = b + d. The second expression as the item writes it in coef(7), coef(8) (the form's
// own: -c, -d when subtracted). Their texts in coefText: unit coefficients written as "" and
// "-", constants and the addition's c with their "+", coefText(13) = c as it opens a bracket.
// letterText(1) = the letter, x, y, a or b; letterText(2) = the result's letter. The column
// subtraction's changed signs in signText(1), signText(2).
void GenerateLinearPair(Machine& m, PairForm form);

// A random example under the heading of its page (StartExamplePage): a new pair, the cursor at
// (100, 90) under marginX 40, and everything from y 90 down cleared (the heading stays).
void StartRandomExample(Machine& m, PairForm form);

}  // namespace orvelle::calc
