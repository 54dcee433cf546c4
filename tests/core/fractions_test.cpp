#include "core/fractions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Bench;
using test::Pt;

struct Worked {
  float num, den;
  float kind, sign, numOut, denOut;
  const char *second, *signedText, *step, *signedStep, *plain, *plainSigned;
};

// Every worked example of the fraction texts.
const Worked kWorked[] = {
    {4, 6, 2, 1, 2, 3, "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ4/6ﾀ=ﾀ2/3ﾀ", "+ﾀ4/6ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3"},
    {12, 8, 2, 1, 3, 2, "ﾀ3/2ﾀ", "+ﾀ3/2ﾀ", "ﾀ12/8ﾀ=ﾀ3/2ﾀ", "+ﾀ12/8ﾀ=+ﾀ3/2ﾀ", "3/2", "+3/2"},
    {-4, 6, 2, -1, -2, 3, "-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ", "ﾀ-4/6ﾀ=-ﾀ2/3ﾀ", "ﾀ-4/6ﾀ=-ﾀ2/3ﾀ", "-2/3", "-2/3"},
    {4, -6, 2, -1, -2, 3, "-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ", "ﾀ4/-6ﾀ=-ﾀ2/3ﾀ", "ﾀ4/-6ﾀ=-ﾀ2/3ﾀ", "-2/3", "-2/3"},
    {-4, -6, 2, 1, 2, 3, "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ-4/-6ﾀ=ﾀ2/3ﾀ", "+ﾀ-4/-6ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3"},
    {3, 5, 3, 1, 3, 5, "ﾀ3/5ﾀ", "+ﾀ3/5ﾀ", "ﾀ3/5ﾀ", "+ﾀ3/5ﾀ", "3/5", "+3/5"},
    {-3, 5, 2, -1, -3, 5, "-ﾀ3/5ﾀ", "-ﾀ3/5ﾀ", "ﾀ-3/5ﾀ=-ﾀ3/5ﾀ", "ﾀ-3/5ﾀ=-ﾀ3/5ﾀ", "-3/5", "-3/5"},
    {6, 3, 1, 1, 2, 1, "2", "+2", "ﾀ6/3ﾀ=2", "+ﾀ6/3ﾀ=+2", "2", "+2"},
    {-6, 3, 1, -1, -2, 1, "-2", "-2", "ﾀ-6/3ﾀ=-2", "ﾀ-6/3ﾀ=-2", "-2", "-2"},
    {5, 1, 1, 1, 5, 1, "5", "+5", "ﾀ5/1ﾀ=5", "+ﾀ5/1ﾀ=+5", "5", "+5"},
    {5, -1, 1, -1, -5, 1, "-5", "-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ=-5", "-5", "-5"},
    {0, 5, 1, 1, 0, 1, "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0", "0", "+0"},
    {-2, -3, 2, 1, 2, 3, "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ-2/-3ﾀ=ﾀ2/3ﾀ", "+ﾀ-2/-3ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3"},
    {7, 100, 3, 1, 7, 100, "ﾀ7/100ﾀ", "+ﾀ7/100ﾀ", "ﾀ7/100ﾀ", "+ﾀ7/100ﾀ", "7/100", "+7/100"},
};

void Build(Machine& m, float num, float den) {
  m.fracNum = num;
  m.fracDen = den;
  BuildFraction(m);
}

TEST(BuildFraction, WorkedExamples) {
  Bench b;
  for (const Worked& w : kWorked) {
    const std::string input = std::to_string(w.num) + "/" + std::to_string(w.den);
    Build(b.m, w.num, w.den);
    EXPECT_EQ(b.m.fracKind, w.kind) << input;
    EXPECT_EQ(b.m.fracSign, w.sign) << input;
    EXPECT_EQ(b.m.fracNum, w.numOut) << input;
    EXPECT_EQ(b.m.fracDen, w.denOut) << input;
    EXPECT_EQ(b.m.columnSecondText, w.second) << input;
    EXPECT_EQ(b.m.fracSignedText, w.signedText) << input;
    EXPECT_EQ(b.m.reduceStepText, w.step) << input;
    EXPECT_EQ(b.m.reduceStepSignedText, w.signedStep) << input;
    EXPECT_EQ(b.m.fracPlainText, w.plain) << input;
    EXPECT_EQ(b.m.fracPlainSignedText, w.plainSigned) << input;
    EXPECT_EQ(b.m.strArg, w.plainSigned) << input;
  }
  Build(b.m, -4, -6);
  EXPECT_EQ(b.m.columnTopText, "ﾀ-4/-6ﾀ");
}

TEST(BuildFraction, WhenTheGcdIsComputed) {
  Bench b;
  b.m.gcdValue = 77;
  b.m.lcmValue = 88;
  Build(b.m, 5, 1);  // a denominator of 1 needs no reduction
  EXPECT_EQ(Pt(b.m.gcdValue, b.m.lcmValue), "77,88");
  Build(b.m, 5, -1);
  EXPECT_EQ(Pt(b.m.gcdValue, b.m.lcmValue), "1,5");
  Build(b.m, 0, -5);
  EXPECT_EQ(Pt(b.m.gcdValue, b.m.lcmValue), "5,0");
  EXPECT_EQ(Pt(b.m.fracNum, b.m.fracDen), "0,1");
  EXPECT_EQ(b.m.fracSign, 1);
  EXPECT_EQ(b.m.fracSignedText, "+0");
}

TEST(BuildFraction, ZeroDenominatorIsNoFraction) {
  Bench b;
  Build(b.m, 4, 6);  // texts of an earlier fraction must not survive
  Build(b.m, 7, 0);
  EXPECT_EQ(Pt(b.m.fracKind, b.m.fracSign), "0,1");
  EXPECT_EQ(Pt(b.m.fracNum, b.m.fracDen), "7,0");
  EXPECT_EQ(Pt(b.m.gcdValue, b.m.lcmValue), "2,12");  // those of 4/6
  EXPECT_EQ(b.m.columnTopText, "ﾀ7/0ﾀ");
  EXPECT_EQ(b.m.reduceStepText + " " + b.m.reduceStepSignedText, "ﾀ7/0ﾀ= +ﾀ7/0ﾀ=");
  EXPECT_EQ(b.m.columnSecondText + b.m.fracSignedText + b.m.fracPlainText + b.m.fracPlainSignedText,
            "");
}

TEST(ComputeGcdLcm, EuclidAlwaysEnds) {
  const struct {
    float a, b;
    const char* gcdLcm;
  } cases[] = {{4, 6, "2,12"},
               {6, 4, "2,12"},
               {0, 5, "5,0"},
               {7, 1, "1,7"},
               {35, 14, "7,70"},
               // Not whole, zero or huge: it ends, with numbers.
               {0.1f, 0.3f},
               {1e30f, 3e-30f},
               {0, 0},
               {5, 0},
               {16777215, 16777213}};
  for (const auto& c : cases) {
    Bench b;
    b.m.fracNum = c.a;
    b.m.fracDen = c.b;
    ComputeGcdLcm(b.m);
    EXPECT_TRUE(std::isfinite(b.m.gcdValue) && std::isfinite(b.m.lcmValue)) << c.a << " " << c.b;
    if (c.gcdLcm) {
      EXPECT_EQ(Pt(b.m.gcdValue, b.m.lcmValue), c.gcdLcm);
    }
  }
}

TEST(AddFractions, CommonDenominatorAndTexts) {
  const struct {
    float n1, d1, n2, d2;
    const char* sum;  // common denominator: scaled numerators and their sum
    // The first and second fraction (plain, signed), the sum over one bar, the terms, the sum
    // (plain, signed), the two fractions without sign.
    const char* texts;
  } cases[] = {
      {1, 4, 1, 6, "12: 3 2 5",
       "ﾀ3/12ﾀ +ﾀ3/12ﾀ ﾀ2/12ﾀ +ﾀ2/12ﾀ ﾀ3+2/12ﾀ ﾀ3/12ﾀ+ﾀ2/12ﾀ ﾀ5/12ﾀ +ﾀ5/12ﾀ ﾀ3/12ﾀ ﾀ2/12ﾀ"},
      {-1, 4, 1, 6, "12: -3 2 -1",
       "-ﾀ3/12ﾀ -ﾀ3/12ﾀ ﾀ2/12ﾀ +ﾀ2/12ﾀ ﾀ-3+2/12ﾀ -ﾀ3/12ﾀ+ﾀ2/12ﾀ -ﾀ1/12ﾀ -ﾀ1/12ﾀ ﾀ3/12ﾀ ﾀ2/12ﾀ"},
      // The sign moves to the numerator.
      {1, -4, 1, 2, "4: -1 2 1",
       "-ﾀ1/4ﾀ -ﾀ1/4ﾀ ﾀ2/4ﾀ +ﾀ2/4ﾀ ﾀ-1+2/4ﾀ -ﾀ1/4ﾀ+ﾀ2/4ﾀ ﾀ1/4ﾀ +ﾀ1/4ﾀ ﾀ1/4ﾀ ﾀ2/4ﾀ"},
      {2, 1, 1, 3, "3: 6 1 7",
       "ﾀ6/3ﾀ +ﾀ6/3ﾀ ﾀ1/3ﾀ +ﾀ1/3ﾀ ﾀ6+1/3ﾀ ﾀ6/3ﾀ+ﾀ1/3ﾀ ﾀ7/3ﾀ +ﾀ7/3ﾀ ﾀ6/3ﾀ ﾀ1/3ﾀ"},
      // -1/-1 is the whole number 1, so the sum does not rest on an earlier gcd (99).
      {-1, -1, 1, 4, "4: 4 1 5",
       "ﾀ4/4ﾀ +ﾀ4/4ﾀ ﾀ1/4ﾀ +ﾀ1/4ﾀ ﾀ4+1/4ﾀ ﾀ4/4ﾀ+ﾀ1/4ﾀ ﾀ5/4ﾀ +ﾀ5/4ﾀ ﾀ4/4ﾀ ﾀ1/4ﾀ"},
      // A zero numerator is written as a positive one.
      {0, 3, 1, 3, "3: 0 1 1",
       "ﾀ0/3ﾀ +ﾀ0/3ﾀ ﾀ1/3ﾀ +ﾀ1/3ﾀ ﾀ0+1/3ﾀ ﾀ0/3ﾀ+ﾀ1/3ﾀ ﾀ1/3ﾀ +ﾀ1/3ﾀ ﾀ0/3ﾀ ﾀ1/3ﾀ"},
  };
  for (const auto& c : cases) {
    Bench b;
    b.m.gcdValue = 99;
    b.m.addNum1 = c.n1;
    b.m.addDen1 = c.d1;
    b.m.addNum2 = c.n2;
    b.m.addDen2 = c.d2;
    AddFractions(b.m);
    const Machine& m = b.m;
    EXPECT_EQ(test::Fmt(m.fracDen) + ": " + test::Fmt(m.addScaledNum1) + " " +
                  test::Fmt(m.addScaledNum2) + " " + test::Fmt(m.addSumNum),
              c.sum);
    EXPECT_EQ(m.columnTopText + " " + m.addFirstSignedText + " " + m.columnSecondText + " " +
                  m.fracSignedText + " " + m.reduceStepText + " " + m.addTermsText + " " +
                  m.addSumText + " " + m.addSumSignedText + " " + m.addFirstAbsText + " " +
                  m.addSecondAbsText,
              c.texts);
    EXPECT_EQ(test::Pt(m.addNum1, m.addDen1), test::Pt(c.d1 < 0 ? -c.n1 : c.n1, std::fabs(c.d1)));
  }
}

}  // namespace
}  // namespace orvelle
