#include "lessons/calc/products.h"

namespace orvelle::calc {

void ShowCalcExample8(Machine&) {}

void ShowCalcExample9(Machine&) {}

}  // namespace orvelle::calc
