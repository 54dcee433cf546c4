// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#include "figures/factors.h"

#include <cmath>

namespace orvelle {

void FactorizeNumber(Machine& m) {
  for (int i = 1; i <= 10; ++i) {
    m.polygonVertices(i, 1) = 0;
    m.polygonVertices(i, 2) = 0;
  }
  const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
  for (int i = 1; i <= 10; ++i) m.figParam[i] = primes[i - 1];

  float rest = std::fabs(m.factorNumber);
  const float whole = rest;
  m.coin = 1;
  m.factorCount = 1;
  // Every prime divides 0 (and 0 / 2 is 0 again): a number that rounds to 0 has no factors.
  if (std::round(rest) == 0) m.coin = 10;
  for (;;) {
    if (m.coin == 10) {
      m.factorCount -= 1;
      m.polygonVertices(10, 1) = rest;
      m.polygonVertices(10, 2) = 1;
      m.factorNumber = whole;
      return;
    }
    const float prime = m.figParam[m.coin];
    // Tested on the whole number, divided on the value as it is.
    if (std::fmod(std::round(static_cast<double>(rest)), static_cast<double>(prime)) == 0) {
      m.polygonVertices(m.factorCount, 1) = prime;
      m.polygonVertices(m.factorCount, 2) += 1;
      rest /= prime;
    } else {
      if (m.polygonVertices(m.factorCount, 1) != 0) m.factorCount += 1;
      m.coin += 1;
    }
  }
}

}  // namespace orvelle
