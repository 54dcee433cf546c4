// Numbers: every value of the programs is a single-precision float.
#pragma once

#include <optional>
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

// A number the pupil typed, held exactly: num / den in lowest terms, den > 0. 128 bits hold every
// value the number field confirms (nine characters at most), its neighbour and their sum.
__extension__ typedef __int128 ExactInt;
struct ExactNumber {
  ExactInt num = 0;
  ExactInt den = 1;
};

ExactNumber operator+(const ExactNumber& a, const ExactNumber& b);

// A typed text as the number field reads it, exactly: the number at its start (scanned as
// TextToNumber scans, but for an exponent, which no key of the field types), or, when it holds a
// "/", the number before the first "/" over the number after it. Only the first 20 characters
// are read. A divisor of 0 gives no value (the field never confirms such a text).
std::optional<ExactNumber> ReadExactNumber(std::string_view typed);

// The text of an exact number: a whole number with all its digits, any other rounded once to 10
// significant digits, ties away from zero, with no "0" before the point (".5"), no trailing
// zeros and never an exponent; "-" before a negative value, 0 unsigned.
std::string ExactNumberText(const ExactNumber& value);

}  // namespace orvelle
