// Numbers: every value of the programs is a single-precision float.
#pragma once

#include <source_location>
#include <string>
#include <string_view>
#include <utility>

namespace orvelle {

// The classic decimal text of a number: " " before a value that is not negative, "-" before a
// negative one, at most 7 significant digits, no trailing zeros or point, no "0" before the
// point (" .5"), exponent form (" 1.234568E+07") only where 7 digits cannot show the value.
std::string NumberToText(float value);

// The number at the start of a text: blanks, a sign, digits with at most one point, and an
// exponent when digits follow it; the rest is ignored; 0 when there is none. Never fails.
float TextToNumber(std::string_view text);
// The same number in double precision, for the few places that keep every digit typed.
double TextToDouble(std::string_view text);

// Integer part: the greatest integer not above the value.
float IntPart(float value);

// Conversion to an integer (colours, seeds, counts, menu jumps): truncated toward zero. A value
// no integer can hold is an overflow.
int ToInt(float value, std::source_location where = std::source_location::current());

inline float Negate(float value) { return -value; }

// value ^ exponent; an undefined power (0 to a negative power, a root of a negative number) is an
// illegal function call.
float Power(float value, float exponent,
            std::source_location where = std::source_location::current());

// a / b, where a zero divisor is a run-time error (division by zero).
float CheckedDivide(float a, float b, std::source_location where = std::source_location::current());

inline void Exchange(float& a, float& b) { std::swap(a, b); }
inline void Exchange(std::string& a, std::string& b) { std::swap(a, b); }

}  // namespace orvelle
