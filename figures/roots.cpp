// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#include "figures/roots.h"

#include <cmath>

#include "core/plain_text.h"
#include "platform/number.h"

namespace orvelle {

namespace {

void StripSpaces(Machine& m, std::string& text) {
  m.strArg = text;
  RemoveSpaces(m);
  text = m.strArg;
}

}  // namespace

void SimplifyRoot(Machine& m) {
  m.rootFactor = 1;
  m.trialDivisor = 2;
  m.givenRadicand = m.radicand;
  // Below 1 every square would divide the rounded radicand (0) for ever: nothing to take out.
  if (m.radicand >= 1) {
    while (m.trialDivisor != 201) {
      const double square = std::round(m.trialDivisor * m.trialDivisor);
      if (std::fmod(std::round(static_cast<double>(m.radicand)), square) != 0) {
        m.trialDivisor += 1;
        continue;
      }
      m.rootFactor *= m.trialDivisor;
      m.radicand /= m.trialDivisor * m.trialDivisor;
      m.trialDivisor = 2;  // a repeated factor is taken out as often as it divides
    }
  } else {
    m.trialDivisor = 201;
  }
  m.radicalPartText = m.radicand == 1 ? "" : "!" + NumberToText(m.radicand);
  if (m.radicand == 1 && m.rootFactor == 1) {
    m.rootFactorText = "1";
  } else if (m.rootFactor == 1) {
    m.rootFactorText = "";
  } else {
    m.rootFactorText = NumberToText(m.rootFactor);
  }
  m.simplifiedRootText = m.rootFactorText + m.radicalPartText + "ﾝ";
  m.givenRootText = m.radicand == m.givenRadicand ? "" : "!" + NumberToText(m.givenRadicand) + "ﾝ=";
  m.remainingRootText = m.radicalPartText + "ﾝ";
  StripSpaces(m, m.rootFactorText);
  StripSpaces(m, m.simplifiedRootText);
  StripSpaces(m, m.givenRootText);
  StripSpaces(m, m.remainingRootText);
}

}  // namespace orvelle
