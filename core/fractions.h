// Fraction texts: a fraction reduced by the greatest common divisor of its parts, and every text
// a lesson shows of it, in the text mark-up ("ﾀ2/3ﾀ" is a stacked fraction).
#pragma once

#include "core/shared.h"

namespace orvelle {

// Reduces fracNum / fracDen and builds its texts. fracKind: 0 no fraction (denominator 0),
// 1 a whole number, 2 a fraction that differs from the one given, 3 the fraction given itself.
// fracSign = -1 for a negative fraction, else 1. On return fracNum carries the sign and fracDen
// is positive. columnTopText = the fraction given; columnSecondText = the result ("-" in front
// when negative); fracSignedText = the result with "+" or "-"; reduceStepText and
// reduceStepSignedText = the reduction step; fracPlainText and fracPlainSignedText = the two
// results without mark-up ("-2/3"). strArg is used on the way.
void BuildFraction(Machine& m);
// gcdValue and lcmValue of fracNum >= 0 and fracDen > 0, by Euclid's algorithm.
void ComputeGcdLcm(Machine& m);
// x - INT(x / y) * y: the remainder of x divided by y, for x >= 0 and y > 0.
float FnRemainder(float x, float y);
// Brings addNum1/addDen1 and addNum2/addDen2 to a common denominator (fracDen) and adds them
// (addSumNum), building the texts of the sum. The sum is not reduced.
void AddFractions(Machine& m);

}  // namespace orvelle
