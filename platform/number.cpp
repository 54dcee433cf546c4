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

namespace {

// The decimal number at the start of a text: blanks, a sign, digits with at most one point.
struct Decimal {
  bool negative = false;
  std::string digits;      // every digit, those after the point included
  int fractionDigits = 0;  // how many of them stand after the point
  size_t end = 0;          // where the scan stopped
};

Decimal ScanDecimal(std::string_view text) {
  Decimal d;
  size_t& i = d.end;
  const auto at = [&](size_t k) { return k < text.size() ? text[k] : '\0'; };
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  while (at(i) == ' ') ++i;
  if (at(i) == '-' || at(i) == '+') d.negative = text[i++] == '-';
  while (digit(at(i))) d.digits += text[i++];
  if (at(i) == '.') {
    ++i;
    while (digit(at(i))) {
      d.digits += text[i++];
      ++d.fractionDigits;
    }
  }
  return d;
}

}  // namespace

double TextToDouble(std::string_view text) {
  const Decimal d = ScanDecimal(text);
  if (d.digits.empty()) return 0;
  const size_t whole = d.digits.size() - static_cast<size_t>(d.fractionDigits);
  std::string number =
      (d.negative ? "-" : "") + d.digits.substr(0, whole) + "." + d.digits.substr(whole);
  const auto at = [&](size_t k) { return k < text.size() ? text[k] : '\0'; };
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  size_t i = d.end;
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

namespace {

ExactInt Gcd(ExactInt a, ExactInt b) {
  if (a < 0) a = -a;
  while (b != 0) {
    const ExactInt r = a % b;
    a = b;
    b = r < 0 ? -r : r;
  }
  return a;
}

ExactNumber Reduced(ExactInt num, ExactInt den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const ExactInt g = Gcd(num, den);
  return g > 1 ? ExactNumber{num / g, den / g} : ExactNumber{num, den};
}

ExactInt Pow10(int k) {
  ExactInt p = 1;
  while (k-- > 0) p *= 10;
  return p;
}

std::string Digits(ExactInt v) {
  std::string s;
  do {
    s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
    v /= 10;
  } while (v > 0);
  return s;
}

ExactNumber ExactDecimal(std::string_view text) {
  const Decimal d = ScanDecimal(text);
  ExactInt num = 0;
  for (const char c : d.digits) num = num * 10 + (c - '0');
  return Reduced(d.negative ? -num : num, Pow10(d.fractionDigits));
}

// Whether a / b >= 10^e, for a, b > 0.
bool AtLeastPow10(ExactInt a, ExactInt b, int e) {
  return e >= 0 ? a >= b * Pow10(e) : a * Pow10(-e) >= b;
}

}  // namespace

ExactNumber operator+(const ExactNumber& a, const ExactNumber& b) {
  const ExactInt g = Gcd(a.den, b.den);
  return Reduced(a.num * (b.den / g) + b.num * (a.den / g), a.den / g * b.den);
}

std::optional<ExactNumber> ReadExactNumber(std::string_view typed) {
  typed = typed.substr(0, 20);
  const size_t slash = typed.find('/');
  if (slash == std::string_view::npos) return ExactDecimal(typed);
  const ExactNumber top = ExactDecimal(typed.substr(0, slash));
  const ExactNumber bottom = ExactDecimal(typed.substr(slash + 1));
  if (bottom.num == 0) return std::nullopt;
  return Reduced(top.num * bottom.den, top.den * bottom.num);
}

std::string ExactNumberText(const ExactNumber& value) {
  if (value.num == 0) return "0";
  const std::string sign = value.num < 0 ? "-" : "";
  const ExactInt a = value.num < 0 ? -value.num : value.num;
  const ExactInt b = value.den;
  if (b == 1) return sign + Digits(a);
  // 10^e <= a/b < 10^(e+1); ten significant digits are the whole part of a/b · 10^(9-e).
  int e = 0;
  while (AtLeastPow10(a, b, e + 1)) ++e;
  while (!AtLeastPow10(a, b, e)) --e;
  const int places = 9 - e;
  const ExactInt top = places >= 0 ? a * Pow10(places) : a;
  const ExactInt bottom = places >= 0 ? b : b * Pow10(-places);
  ExactInt q = top / bottom;
  if (2 * (top % bottom) >= bottom) ++q;  // a tie goes away from zero
  std::string digits = Digits(q);
  if (places <= 0) return sign + digits + std::string(-places, '0');
  if (static_cast<int>(digits.size()) <= places) {
    digits.insert(0, std::string(places - digits.size() + 1, '0'));
  }
  std::string whole = digits.substr(0, digits.size() - places);
  std::string fraction = digits.substr(digits.size() - places);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (whole == "0") whole.clear();
  return sign + whole + (fraction.empty() ? "" : "." + fraction);
}

}  // namespace orvelle
