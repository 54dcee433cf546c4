#include "platform/number.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/error.h"

namespace orvelle {

std::string NumberToText(float value) {
  if (std::isnan(value)) return " NaN";  // unreachable in the programs; never crash on it
  if (std::isinf(value)) return value < 0 ? "-Inf" : " Inf";
  if (value == 0) return " 0";  // also -0
  const std::string sign = value < 0 ? "-" : " ";
  // Seven significant digits: d.dddddde±XX.
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(std::fabs(value)));
  std::string digits;
  digits += buf[0];
  digits.append(buf + 2, 6);
  const int exponent = std::atoi(buf + 9);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int n = static_cast<int>(digits.size());

  if (exponent >= 0 && exponent <= 6) {
    if (n <= exponent + 1) return sign + digits + std::string(exponent + 1 - n, '0');
    return sign + digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
  }
  if (exponent < 0 && (-exponent - 1) + n <= 7) {
    return sign + "." + std::string(-exponent - 1, '0') + digits;
  }
  std::string mantissa = digits.substr(0, 1);
  if (n > 1) mantissa += "." + digits.substr(1);
  char exp[16];
  std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return sign + mantissa + exp;
}

double TextToDouble(std::string_view text) {
  size_t i = 0;
  const auto at = [&](size_t k) { return k < text.size() ? text[k] : '\0'; };
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  while (at(i) == ' ') ++i;
  std::string number;
  if (at(i) == '-' || at(i) == '+') number += text[i++];
  bool anyDigit = false;
  while (digit(at(i))) {
    number += text[i++];
    anyDigit = true;
  }
  if (at(i) == '.') {
    number += text[i++];
    while (digit(at(i))) {
      number += text[i++];
      anyDigit = true;
    }
  }
  if (!anyDigit) return 0;
  if (at(i) == 'E' || at(i) == 'e') {
    size_t k = i + 1;
    std::string exp = "e";
    if (at(k) == '-' || at(k) == '+') exp += text[k++];
    if (digit(at(k))) {
      while (digit(at(k))) exp += text[k++];
      number += exp;
    }
  }
  const double v = std::strtod(number.c_str(), nullptr);
  return std::isfinite(v) ? v : 0;
}

float TextToNumber(std::string_view text) {
  const double v = TextToDouble(text);
  if (std::fabs(v) > 3.4e38) return 0;  // beyond any float: no number
  return static_cast<float>(v);
}

float IntPart(float value) { return std::floor(value); }

int ToInt(float value, std::source_location where) {
  if (!std::isfinite(value) || value >= 2147483648.0f || value < -2147483648.0f) {
    Raise(kOverflow, where);
  }
  return static_cast<int>(value);
}

float Power(float value, float exponent, std::source_location where) {
  const float r = std::pow(value, exponent);
  if (std::isnan(r) || (value == 0 && exponent < 0)) Raise(kIllegalFunctionCall, where);
  if (std::isinf(r)) Raise(kOverflow, where);
  return r;
}

float CheckedDivide(float a, float b, std::source_location where) {
  if (b == 0) Raise(kDivisionByZero, where);
  const float r = a / b;
  if (std::isinf(r)) Raise(kOverflow, where);
  return r;
}

}  // namespace orvelle
