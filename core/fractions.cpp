#include "core/fractions.h"

#include <cmath>

#include "core/plain_text.h"
#include "notation/string_helpers.h"
#include "platform/number.h"
#include "platform/text.h"

namespace orvelle {
namespace {

const std::string kMark = "ﾀ";  // opens and closes a stacked fraction

std::string Fraction(const std::string& num, const std::string& den) {
  return kMark + num + "/" + den + kMark;
}

std::string WithoutMarkup(Machine& m, const std::string& text) {
  m.strArg = text;
  StripMarkup(m);
  return m.strArg;
}

// Euclid's algorithm ends on whole numbers; this bounds it on any other input.
constexpr int kMostEuclidPasses = 1000;

}  // namespace

float FnRemainder(float x, float y) { return x - IntPart(x / y) * y; }

void ComputeGcdLcm(Machine& m) {
  float a = m.fracNum;
  float b = m.fracDen;
  const float product = a * b;
  for (int pass = 0; pass < kMostEuclidPasses && b != 0 && std::isfinite(b); ++pass) {
    a = FnRemainder(a, b);
    Exchange(a, b);
  }
  m.gcdValue = a;
  m.lcmValue = a != 0 ? product / a : 0;
}

void BuildFraction(Machine& m) {
  const float n = m.fracNum;
  const float d = m.fracDen;
  m.fracSign = n * d < 0 ? -1 : 1;
  float r = n;
  float s = d;
  if (d == 0) {
    m.fracKind = 0;
  } else if (d == 1) {
    m.fracKind = 1;
  } else {
    m.fracNum = std::fabs(n);
    m.fracDen = std::fabs(d);
    ComputeGcdLcm(m);
    r = m.fracSign * std::fabs(n) / m.gcdValue;
    s = std::fabs(d) / m.gcdValue;
    if (r == 0 || s == 1) {
      m.fracKind = 1;
    } else if (s == d && m.fracSign == 1) {
      m.fracKind = 3;
    } else {
      m.fracKind = 2;
    }
  }
  m.fracNum = r;
  m.fracDen = s;

  const std::string numText = BareNumberText(m, n);
  const std::string denText = BareNumberText(m, d);
  const std::string resultDen = BareNumberText(m, s);
  std::string resultNum = BareNumberText(m, r);  // its magnitude: the sign stands in front
  if (CharLeft(resultNum, 1) == "-") resultNum = CharMid(resultNum, 2);
  const std::string given = Fraction(numText, denText);
  const bool negative = m.fracSign == -1;

  m.columnTopText = given;
  switch (static_cast<int>(m.fracKind)) {
    case 1:
      m.columnSecondText = (negative ? "-" : "") + resultNum;
      m.fracSignedText = (negative ? "-" : "+") + resultNum;
      break;
    case 2:
      m.columnSecondText = (negative ? "-" : "") + Fraction(resultNum, resultDen);
      m.fracSignedText = (negative ? "-" : "+") + Fraction(resultNum, resultDen);
      break;
    case 3:
      m.columnSecondText = given;
      m.fracSignedText = "+" + given;
      break;
    default:
      // No fraction: no result, rather than the texts of an earlier fraction.
      m.columnSecondText.clear();
      m.fracSignedText.clear();
      break;
  }
  if (m.fracKind == 3) {
    m.reduceStepText = m.columnSecondText;
    m.reduceStepSignedText = m.fracSignedText;
  } else {
    m.reduceStepText = given + "=" + m.columnSecondText;
    m.reduceStepSignedText = (negative ? "" : "+") + given + "=" + m.fracSignedText;
  }
  m.fracPlainText = WithoutMarkup(m, m.columnSecondText);
  m.fracPlainSignedText = WithoutMarkup(m, m.fracSignedText);
}

void AddFractions(Machine& m) {
  // Each fraction with its sign on the numerator and a positive denominator.
  if (m.addDen1 < 0) {
    m.addNum1 = -m.addNum1;
    m.addDen1 = -m.addDen1;
  }
  if (m.addDen2 < 0) {
    m.addNum2 = -m.addNum2;
    m.addDen2 = -m.addDen2;
  }
  if (m.addDen1 == 1 && m.addDen2 == 1) {
    m.fracDen = 1;
    m.addScaledNum1 = m.addNum1;
    m.addScaledNum2 = m.addNum2;
  } else if (m.addDen1 == 1) {
    m.fracDen = m.addDen2;
    m.addScaledNum1 = m.addNum1 * m.addDen2;
    m.addScaledNum2 = m.addNum2;
  } else if (m.addDen2 == 1) {
    m.fracDen = m.addDen1;
    m.addScaledNum1 = m.addNum1;
    m.addScaledNum2 = m.addNum2 * m.addDen1;
  } else {
    m.fracNum = m.addDen1;
    m.fracDen = m.addDen2;
    BuildFraction(m);
    m.fracDen = m.lcmValue;
    m.addScaledNum1 = m.addNum1 * m.addDen2 / m.gcdValue;
    m.addScaledNum2 = m.addNum2 * m.addDen1 / m.gcdValue;
  }
  m.addSumNum = m.addScaledNum1 + m.addScaledNum2;

  const std::string a = BareNumberText(m, std::fabs(m.addScaledNum1));
  const std::string b = BareNumberText(m, std::fabs(m.addScaledNum2));
  const std::string t = BareNumberText(m, std::fabs(m.addSumNum));
  const std::string den = BareNumberText(m, m.fracDen);
  // A zero numerator or sum is written like a positive one.
  const bool firstNegative = m.addNum1 < 0;
  const bool secondNegative = m.addNum2 < 0;
  const bool sumNegative = m.addSumNum < 0;

  m.columnTopText = (firstNegative ? "-" : "") + Fraction(a, den);
  m.addFirstSignedText = (firstNegative ? "-" : "+") + Fraction(a, den);
  m.columnSecondText = (secondNegative ? "-" : "") + Fraction(b, den);
  m.fracSignedText = (secondNegative ? "-" : "+") + Fraction(b, den);
  m.addSumText = (sumNegative ? "-" : "") + Fraction(t, den);
  m.addSumSignedText = (sumNegative ? "-" : "+") + Fraction(t, den);
  m.reduceStepText =
      Fraction((firstNegative ? "-" : "") + a + (secondNegative ? "-" : "+") + b, den);
  m.addTermsText = m.columnTopText + m.fracSignedText;
  m.addFirstAbsText = Fraction(a, den);
  m.addSecondAbsText = Fraction(b, den);
}

}  // namespace orvelle
