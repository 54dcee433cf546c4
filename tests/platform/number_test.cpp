#include "platform/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "platform/error.h"

namespace orvelle {
namespace {

TEST(NumberToText, ClassicFormat) {
  EXPECT_EQ(NumberToText(3), " 3");
  EXPECT_EQ(NumberToText(-2), "-2");
  EXPECT_EQ(NumberToText(0), " 0");
  EXPECT_EQ(NumberToText(-0.0f), " 0");
  EXPECT_EQ(NumberToText(0.5f), " .5");
  EXPECT_EQ(NumberToText(-0.5f), "-.5");
  EXPECT_EQ(NumberToText(-0.25f), "-.25");
  EXPECT_EQ(NumberToText(37.5f), " 37.5");
  EXPECT_EQ(NumberToText(1.0f / 3.0f), " .3333333");
  EXPECT_EQ(NumberToText(2.0f / 3.0f), " .6666667");
  EXPECT_EQ(NumberToText(3.14f * 10), " 31.4");
  EXPECT_EQ(NumberToText(1234567), " 1234567");
  EXPECT_EQ(NumberToText(12345678), " 1.234568E+07");
  EXPECT_EQ(NumberToText(1e9f), " 1E+09");
  EXPECT_EQ(NumberToText(120), " 120");
  EXPECT_EQ(NumberToText(1000000), " 1000000");
  EXPECT_EQ(NumberToText(0.001f), " .001");
  EXPECT_EQ(NumberToText(-1.5f), "-1.5");
  EXPECT_EQ(NumberToText(1.5e-8f), " 1.5E-08");
}

TEST(TextToNumber, LenientPrefix) {
  EXPECT_EQ(TextToNumber(""), 0);
  EXPECT_EQ(TextToNumber("-"), 0);
  EXPECT_EQ(TextToNumber("."), 0);
  EXPECT_EQ(TextToNumber("-.5"), -0.5f);
  EXPECT_EQ(TextToNumber("08"), 8);
  EXPECT_EQ(TextToNumber("1-2"), 1);
  EXPECT_EQ(TextToNumber("1.2.3"), 1.2f);
  EXPECT_EQ(TextToNumber("2/4"), 2);
  EXPECT_EQ(TextToNumber("  23"), 23);
  EXPECT_EQ(TextToNumber("abc"), 0);
  EXPECT_EQ(TextToNumber(" 1.234568E+07"), 12345680);
  EXPECT_EQ(TextToNumber("3E"), 3);
  EXPECT_EQ(TextToNumber("1e99"), 0);
  // Every text the conversion gives reads back as the same value.
  for (float v : {3.0f, -2.0f, 0.5f, 37.5f, -0.25f, 1234567.0f}) {
    EXPECT_EQ(TextToNumber(NumberToText(v)), v);
  }
}

TEST(Numbers, IntegerPartAndConversion) {
  EXPECT_EQ(IntPart(2.7f), 2);
  EXPECT_EQ(IntPart(-2.5f), -3);
  EXPECT_EQ(IntPart(-3), -3);
  EXPECT_EQ(ToInt(2.7f), 2);
  EXPECT_EQ(ToInt(-2.7f), -2);
  EXPECT_THROW(ToInt(3e9f), RuntimeError);
  EXPECT_THROW(ToInt(NAN), RuntimeError);
  EXPECT_EQ(Negate(4), -4);
  EXPECT_EQ(Power(2, 10), 1024);
  EXPECT_EQ(Power(-3, 2), 9);
  float a = 1, b = 2;
  Exchange(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 1);
}

TEST(Numbers, CheckedOperationsReportCodeAndLine) {
  try {
    CheckedDivide(5, 0);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kDivisionByZero);
    EXPECT_EQ(e.line, __LINE__ - 4);
  }
  EXPECT_EQ(CheckedDivide(6, 4), 1.5f);
  EXPECT_THROW(Power(0, -1), RuntimeError);
  EXPECT_THROW(Power(-8, 0.5f), RuntimeError);
}

// Ten significant digits of p/q (q > 0), worked as a pupil divides: long division to 40 places,
// then the eleventh significant digit rounds the tenth, 5 and above up (away from zero).
std::string LongDivisionText(long long p, long long q) {
  const bool negative = p < 0;
  const long long a = negative ? -p : p;
  if (a == 0) return "0";
  const std::string sign = negative ? "-" : "";
  if (a % q == 0) return sign + std::to_string(a / q);
  std::string digits = std::to_string(a / q);
  const int point = static_cast<int>(digits.size());  // digits before the point
  for (long long r = a % q, i = 0; i < 40; ++i, r %= q) {
    r *= 10;
    digits += static_cast<char>('0' + r / q);
  }
  const size_t first = digits.find_first_not_of('0');
  const bool up = digits[first + 10] >= '5';
  digits.resize(first + 10);
  for (size_t i = digits.size(); up && i-- > 0;) {
    if (digits[i] < '9') {
      ++digits[i];
      break;
    }
    digits[i] = '0';
    if (i == 0) return sign + "1" + digits.substr(0, point) + "." + digits.substr(point);
  }
  std::string whole = digits.substr(0, point);
  std::string fraction = static_cast<int>(digits.size()) > point ? digits.substr(point) : "";
  whole.erase(0, whole.find_first_not_of('0'));
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (static_cast<int>(digits.size()) < point) whole.resize(point - first, '0');
  return sign + whole + (fraction.empty() ? "" : "." + fraction);
}

std::string Text(const std::optional<ExactNumber>& n) { return ExactNumberText(n.value()); }

// The pupil's number n, n + 1 and their sum, each rounded once from its exact value.
TEST(ExactNumber, ThePupilsPairEveryDigitRight) {
  const struct {
    const char *typed, *n, *next, *sum;
  } cases[] = {
      {"3/11", ".2727272727", "1.272727273", "1.545454545"},
      {"-1/13", "-.07692307692", ".9230769231", ".8461538462"},
      {"1/1024", ".0009765625", "1.000976563", "1.001953125"},  // a tie: up, as a pupil rounds
      {"2/3", ".6666666667", "1.666666667", "2.333333333"},
      {"-2/3", "-.6666666667", ".3333333333", "-.3333333333"},
      {"-1/2", "-.5", ".5", "0"},
      {"-49/98", "-.5", ".5", "0"},
      {"999999999", "999999999", "1000000000", "1999999999"},
      {"16777217", "16777217", "16777218", "33554435"},
      {"9999999999", "9999999999", "10000000000", "19999999999"},
      {"-9999999999", "-9999999999", "-9999999998", "-19999999997"},
      {"2.5", "2.5", "3.5", "6"},
      {".000000001", ".000000001", "1.000000001", "1.000000002"},
      {"1/.0000001", "10000000", "10000001", "20000001"},
      {"1/999999", ".000001000001", "1.000001", "1.000002"},
      // Near -1 and -1/2 the neighbour and the sum show their own ten digits.
      {"-1.000001", "-1.000001", "-.000001", "-1.000002"},
      {"-.9999999", "-.9999999", ".0000001", "-.9999998"},
      {"-.5000001", "-.5000001", ".4999999", "-.0000002"},
      {"-.4999999", "-.4999999", ".5000001", ".0000002"},
      {"-99/98", "-1.010204082", "-.01020408163", "-1.020408163"},
      {"-101/100", "-1.01", "-.01", "-1.02"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const ExactNumber n = ReadExactNumber(c.typed).value();
    const ExactNumber next = n + ExactNumber{1, 1};
    EXPECT_EQ(ExactNumberText(n), c.n);
    EXPECT_EQ(ExactNumberText(next), c.next);
    EXPECT_EQ(ExactNumberText(n + next), c.sum);
  }
}

// Every a/b with 1 <= |a|, b <= 99: n, n + 1 and 2n + 1 as long division gives them.
TEST(ExactNumber, EveryTwoDigitFractionAsLongDivisionGivesIt) {
  int differences = 0;
  for (int a = -99; a <= 99; ++a) {
    for (int b = 1; b <= 99 && a != 0; ++b) {
      const ExactNumber n = ReadExactNumber(std::to_string(a) + "/" + std::to_string(b)).value();
      const ExactNumber next = n + ExactNumber{1, 1};
      const std::string got[] = {ExactNumberText(n), ExactNumberText(next),
                                 ExactNumberText(n + next)};
      const std::string want[] = {LongDivisionText(a, b), LongDivisionText(a + b, b),
                                  LongDivisionText(2 * a + b, b)};
      for (int k = 0; k < 3; ++k) {
        if (got[k] != want[k]) {
          ADD_FAILURE() << a << "/" << b << " #" << k << ": " << got[k] << " not " << want[k];
          if (++differences > 10) return;
        }
      }
    }
  }
}

// The texts the number field confirms read as its own reading reads them: the number at the
// start, a "/" dividing by the number after it; no value for a zero divisor.
TEST(ExactNumber, ReadsTextsAsTheNumberFieldDoes) {
  EXPECT_EQ(Text(ReadExactNumber("")), "0");
  EXPECT_EQ(Text(ReadExactNumber("-0")), "0");
  EXPECT_EQ(Text(ReadExactNumber("-.0")), "0");
  EXPECT_EQ(Text(ReadExactNumber(".")), "0");
  EXPECT_EQ(Text(ReadExactNumber("-")), "0");
  EXPECT_EQ(Text(ReadExactNumber("--3")), "0");
  EXPECT_EQ(Text(ReadExactNumber("1-2")), "1");
  EXPECT_EQ(Text(ReadExactNumber("1.2.3")), "1.2");
  EXPECT_EQ(Text(ReadExactNumber("08")), "8");
  EXPECT_EQ(Text(ReadExactNumber("4/2")), "2");
  EXPECT_EQ(Text(ReadExactNumber("3/11/2")), ".2727272727");
  EXPECT_EQ(Text(ReadExactNumber("-3/-6")), ".5");
  EXPECT_EQ(Text(ReadExactNumber("/4")), "0");
  for (const char* none : {"5/0", "5/", "/", "0/0", "3/.", "1/-0"}) {
    EXPECT_FALSE(ReadExactNumber(none).has_value()) << none;
  }
  // The same value the field's own reading gives, to its precision.
  for (const char* typed : {"-1.000001", "123.4567", "-7/16", ".1/.3", "9999999/.3"}) {
    const ExactNumber n = ReadExactNumber(typed).value();
    const std::string t = typed;
    const size_t slash = t.find('/');
    const double field = slash == std::string::npos
                             ? TextToDouble(t)
                             : TextToDouble(t.substr(0, slash)) / TextToDouble(t.substr(slash + 1));
    EXPECT_NEAR(static_cast<double>(n.num) / static_cast<double>(n.den), field,
                1e-12 * std::fabs(field))
        << typed;
  }
  // The longest texts stay exact: ten characters of digits, and a long text read from its
  // first twenty.
  EXPECT_EQ(Text(ReadExactNumber("99999999.5")), "99999999.5");
  EXPECT_EQ(Text(ReadExactNumber("1/.00000007")), "14285714.29");
  EXPECT_EQ(Text(ReadExactNumber("12345678901234567890123")), "12345678901234567890");
}

}  // namespace
}  // namespace orvelle
