#include "lessons/calc/quotients.h"

namespace orvelle::calc {

void ShowCalcExample10(Machine&) {}

void ShowCalcExample11(Machine&) {}

void ShowCalcExample12(Machine&) {}

}  // namespace orvelle::calc
