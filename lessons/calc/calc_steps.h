// The steps the random examples of Orvelle Calc share: their pages and areas, the letter of a
// pass, the signs and unit coefficients of the number texts, the picks of examples 9 to 11 and the
// distributive-law arc.
#pragma once

#include <string>

#include "core/shared.h"
#include "lessons/common/random_pick.h"

namespace orvelle::calc {

// The page of an example: cleared 1320 wide, a column at 40 with its indent 27 in, the heading
// in 0 at (40, 30).
void StartExamplePage(Machine& m, const std::string& heading);

// The area of an example under the heading: its top-left (figX(31), figY(31)) = (0, 90), all from
// there down erased, a column at 40 with its indent 60 in, lineY 90.
void StartExampleArea(Machine& m);

// The working of a pass of examples 9 and 10: erased from (markX(31) - 80, markY(31)), 1320 × 1500,
// indentX and lineY at markX(31), markY(31).
void StartWorking(Machine& m);

// The letter of a pass: the table "x", "y", "a", "b" in letters(2..5), and one of them, with equal
// chances, in letters(1). NumbersToStrings rewrites signText, so a pick into it comes after.
template <int Bound>
void PickLetter(Machine& m, Array<std::string, Bound>& letters) {
  letters[2] = "x";
  letters[3] = "y";
  letters[4] = "a";
  letters[5] = "b";
  m.coin = RandomPick(m, 4, 2);
  letters[1] = letters[m.coin];
}

// A term that follows another carries its sign: coefText(i) gets a "+" when coef(i) > 0 and the
// text has none yet.
void PlusIfPositive(Machine& m, int i);
// A coefficient of 1 is not written, one of -1 only as its sign: coefText(i) = "" or "-".
void UnitCoefficient(Machine& m, int i);

// The bracket p·d·x + q·d of examples 9 and 10, d in auxNum(1): p and q 1..5, each with a sign
// coin (0 makes it negative), in coef(12) and coef(13); the coefficients in coef(2) and coef(3).
void PickBracketOfMultiples(Machine& m);

// Takes the pick at figX(coin) out of a table of primes: the entries after it, up to
// figX(last + 1), move down one place.
void RemovePick(Machine& m, float last);

// A distributive-law arc over a problem line: a dot every degree over the chord from (x1, y1) to
// (x2, y2), above it whichever way it runs, `height` the bulge (1 is 16 units), no label.
void DistributiveArc(Machine& m, float x1, float y1, float x2, float y2, float color, float height);

}  // namespace orvelle::calc
