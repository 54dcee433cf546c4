// The value of an expression as the lessons write it in the mark-up, so that a test can check
// a worked answer by its mathematics rather than by a copy of its text.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/recording_device.h"

namespace orvelle::test {

// Values of the letters a to z.
using Letters = std::array<double, 26>;

// The value of `text` ("-ﾀ3a/4ﾀ", "x^2y^3", "5(a+b)", "3*x/4", "=-2*(-6)^2"): "*" is ×, a "/"
// outside a fraction ÷, "ﾀp/qﾀ" the fraction p over q, "^" a one-digit exponent, "π" 3.14159;
// a number, letter, bracket or fraction next to another multiplies it; leading blanks, a leading
// or trailing "=" and a unit in brackets after a space (" (cm)") are left out. Throws on anything
// else.
double MarkupValue(const std::string& text, const Letters& letters);

// Letters all 0 but the ones given.
Letters LettersAt(std::initializer_list<std::pair<char, double>> values);

// Checks that every step of a working ("": none) has the value of the first at `letters`.
void ExpectSameValues(const Letters& letters, std::initializer_list<std::string> steps);

// Whether two expressions agree for several values of the letters.
bool SameExpression(const std::string& a, const std::string& b);

// Checks that each step of a working stands somewhere in `log` in one piece and agrees with the
// first.
void ExpectWorkingShown(const std::vector<DrawCall>& log, const std::vector<std::string>& steps);

}  // namespace orvelle::test
