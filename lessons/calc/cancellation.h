// The cancellation marks of examples 9 and 10: each bracket coefficient (coefText(2), (3)) is
// cancelled against the denominator d (signText(1)) of the fraction it is multiplied by. Product 1
// keeps where its coefficient's digits start in markX/markY(1) and the denominator's place in
// markX/markY(2); product 2 in (3) and (4).
#pragma once

#include "core/shared.h"

namespace orvelle::calc {

// Keeps where a product's coefficient starts: the cursor, before the coefficient is drawn.
void KeepCoefficientPlace(Machine& m, int product);
// Keeps where a product's denominator stands: that of the fraction just drawn (spotX, spotY).
void KeepDenominatorPlace(Machine& m, int product);

// The texts the marks write and cross out without their signs, as they are drawn on: the
// quotients coefText(12) and (13), then the coefficients coefText(2) and (3).
void UnsignCancelledTexts(Machine& m);

// Product 1 or 2 cancelled: its coefficient crossed out by a slash with its quotient by d
// (coefText(11 + product)) written 30 above it, and d crossed out with the 1 it leaves written 28
// below it. Slashes rise to the right, 27 a character, in 3 at the line width in force.
void CancelProduct(Machine& m, int product);

}  // namespace orvelle::calc
