#include "lessons/calc/cancellation.h"

#include <string>

#include "lessons/common/steps.h"
#include "notation/string_helpers.h"
#include "platform/text.h"

namespace orvelle::calc {
namespace {

// The cancelled number `digits` standing from (x, y) crossed out by a slash `rise` high.
void Slash(Machine& m, float x, float y, float rise, const std::string& digits) {
  m.device.Line(x, y + rise, x + 27 * static_cast<float>(CharLen(digits)), y, 3);
}

// coefText(i) without its leading sign.
void Unsigned(Machine& m, int i) {
  m.strArg = m.coefText[i];
  StripSign(m);
  m.coefText[i] = m.strArg;
}

}  // namespace

void KeepCoefficientPlace(Machine& m, int product) {
  m.markX[2 * product - 1] = m.afterX;
  m.markY[2 * product - 1] = m.lineY;
}

void KeepDenominatorPlace(Machine& m, int product) {
  m.markX[2 * product] = m.spotX;
  m.markY[2 * product] = m.spotY;
}

void UnsignCancelledTexts(Machine& m) {
  Unsigned(m, 12);
  Unsigned(m, 13);
  Unsigned(m, 2);
  Unsigned(m, 3);
}

void CancelProduct(Machine& m, int product) {
  const int coefficient = 2 * product - 1, denominator = 2 * product;
  const float x = m.markX[coefficient], y = m.markY[coefficient];
  Slash(m, x, y, 40, m.coefText[1 + product]);
  TextKept(m, x, y - 30, 3, m.coefText[11 + product]);
  const float dx = m.markX[denominator], dy = m.markY[denominator];
  Slash(m, dx, dy, 28, m.signText[1]);
  TextKept(m, dx, dy + 28, 3, "1");
}

}  // namespace orvelle::calc
