#include "lessons/common/random_pick.h"

#include <cmath>

namespace orvelle {

float RandomPick(Machine& m, float n, float k) {
  // r·n in double is exact, so its whole part stays below n for every r < 1.
  const double whole = std::floor(static_cast<double>(m.Rnd()) * static_cast<double>(n));
  return static_cast<float>(whole) + k;
}

}  // namespace orvelle
