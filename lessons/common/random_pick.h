// The one random pick of every drill.
#pragma once

#include "core/shared.h"

namespace orvelle {

// One of the n whole numbers k, k + 1, …, k + n − 1: the whole part of r·n, then + k. Adding k
// before taking the whole part would let the generator's largest value, 1 − 2^−24, round up to
// k + n in single precision (r·4 + 1 gives exactly 5).
float RandomPick(Machine& m, float n, float k);

}  // namespace orvelle
