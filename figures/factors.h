// Prime factorisation by the small primes.
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#pragma once

#include "core/shared.h"

namespace orvelle {

// Splits factorNumber into powers of the primes 2 to 23: rows 1..factorCount of polygonVertices
// hold (prime, exponent) in increasing order, the rows after them up to 9 are (0, 0), and row 10
// is (what is left, 1). figParam(1..10) = the first ten primes; coin = 10; factorNumber = its
// absolute value. A number that rounds to 0 is left whole in row 10 with no primes.
void FactorizeNumber(Machine& m);

}  // namespace orvelle
