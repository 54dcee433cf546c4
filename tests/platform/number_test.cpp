#include "platform/number.h"

#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace
}  // namespace orvelle
