#include "core/fractions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Bench;

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
  EXPECT_EQ(b.m.gcdValue, 77);
  EXPECT_EQ(b.m.lcmValue, 88);
  Build(b.m, 5, -1);
  EXPECT_EQ(b.m.gcdValue, 1);
  EXPECT_EQ(b.m.lcmValue, 5);
  Build(b.m, 0, -5);
  EXPECT_EQ(b.m.fracSign, 1);
  EXPECT_EQ(b.m.fracNum, 0);
  EXPECT_EQ(b.m.fracDen, 1);
  EXPECT_EQ(b.m.fracSignedText, "+0");
  EXPECT_EQ(b.m.gcdValue, 5);
  EXPECT_EQ(b.m.lcmValue, 0);
}

TEST(BuildFraction, ZeroDenominatorIsNoFraction) {
  Bench b;
  Build(b.m, 4, 6);  // texts of an earlier fraction must not survive
  const float gcd = b.m.gcdValue;
  Build(b.m, 7, 0);
  EXPECT_EQ(b.m.fracKind, 0);
  EXPECT_EQ(b.m.fracSign, 1);
  EXPECT_EQ(b.m.fracNum, 7);
  EXPECT_EQ(b.m.fracDen, 0);
  EXPECT_EQ(b.m.gcdValue, gcd);
  EXPECT_EQ(b.m.columnTopText, "ﾀ7/0ﾀ");
  EXPECT_EQ(b.m.columnSecondText, "");
  EXPECT_EQ(b.m.fracSignedText, "");
  EXPECT_EQ(b.m.reduceStepText, "ﾀ7/0ﾀ=");
  EXPECT_EQ(b.m.reduceStepSignedText, "+ﾀ7/0ﾀ=");
  EXPECT_EQ(b.m.fracPlainText, "");
  EXPECT_EQ(b.m.fracPlainSignedText, "");
}

TEST(ComputeGcdLcm, Euclid) {
  Bench b;
  const float cases[][4] = {
      {4, 6, 2, 12}, {6, 4, 2, 12}, {0, 5, 5, 0}, {7, 1, 1, 7}, {35, 14, 7, 70}};
  for (const auto& c : cases) {
    b.m.fracNum = c[0];
    b.m.fracDen = c[1];
    ComputeGcdLcm(b.m);
    EXPECT_EQ(b.m.gcdValue, c[2]) << c[0] << " " << c[1];
    EXPECT_EQ(b.m.lcmValue, c[3]) << c[0] << " " << c[1];
  }
}

TEST(ComputeGcdLcm, AlwaysEndsWithFiniteValues) {
  Bench b;
  const float cases[][2] = {{0.1f, 0.3f}, {1e30f, 3e-30f}, {0, 0}, {5, 0}, {16777215, 16777213}};
  for (const auto& c : cases) {
    b.m.fracNum = c[0];
    b.m.fracDen = c[1];
    ComputeGcdLcm(b.m);
    EXPECT_TRUE(std::isfinite(b.m.gcdValue)) << c[0] << " " << c[1];
    EXPECT_TRUE(std::isfinite(b.m.lcmValue)) << c[0] << " " << c[1];
  }
}

void Add(Machine& m, float n1, float d1, float n2, float d2) {
  m.addNum1 = n1;
  m.addDen1 = d1;
  m.addNum2 = n2;
  m.addDen2 = d2;
  AddFractions(m);
}

TEST(AddFractions, CommonDenominatorAndTexts) {
  Bench b;
  Add(b.m, 1, 4, 1, 6);
  EXPECT_EQ(b.m.fracDen, 12);
  EXPECT_EQ(b.m.addScaledNum1, 3);
  EXPECT_EQ(b.m.addScaledNum2, 2);
  EXPECT_EQ(b.m.addSumNum, 5);
  EXPECT_EQ(b.m.columnTopText, "ﾀ3/12ﾀ");
  EXPECT_EQ(b.m.addFirstSignedText, "+ﾀ3/12ﾀ");
  EXPECT_EQ(b.m.columnSecondText, "ﾀ2/12ﾀ");
  EXPECT_EQ(b.m.fracSignedText, "+ﾀ2/12ﾀ");
  EXPECT_EQ(b.m.reduceStepText, "ﾀ3+2/12ﾀ");
  EXPECT_EQ(b.m.addTermsText, "ﾀ3/12ﾀ+ﾀ2/12ﾀ");
  EXPECT_EQ(b.m.addSumText, "ﾀ5/12ﾀ");
  EXPECT_EQ(b.m.addSumSignedText, "+ﾀ5/12ﾀ");
  EXPECT_EQ(b.m.addFirstAbsText, "ﾀ3/12ﾀ");
  EXPECT_EQ(b.m.addSecondAbsText, "ﾀ2/12ﾀ");

  Add(b.m, -1, 4, 1, 6);
  EXPECT_EQ(b.m.addSumNum, -1);
  EXPECT_EQ(b.m.reduceStepText, "ﾀ-3+2/12ﾀ");
  EXPECT_EQ(b.m.addTermsText, "-ﾀ3/12ﾀ+ﾀ2/12ﾀ");
  EXPECT_EQ(b.m.addSumText, "-ﾀ1/12ﾀ");
  EXPECT_EQ(b.m.addSumSignedText, "-ﾀ1/12ﾀ");

  Add(b.m, 1, -4, 1, 2);  // the sign moves to the numerator
  EXPECT_EQ(b.m.addNum1, -1);
  EXPECT_EQ(b.m.addDen1, 4);
  EXPECT_EQ(b.m.addSumNum, 1);
  EXPECT_EQ(b.m.addTermsText, "-ﾀ1/4ﾀ+ﾀ2/4ﾀ");
}

TEST(AddFractions, WholeNumbersAndNegativeDenominators) {
  Bench b;
  Add(b.m, 2, 1, 1, 3);
  EXPECT_EQ(b.m.fracDen, 3);
  EXPECT_EQ(b.m.addSumNum, 7);
  EXPECT_EQ(b.m.addSumText, "ﾀ7/3ﾀ");
  // Both parts negative is a positive fraction over a positive denominator, so a denominator of
  // -1 is a whole number and the common denominator does not rest on an earlier gcd.
  b.m.gcdValue = 99;
  Add(b.m, -1, -1, 1, 4);
  EXPECT_EQ(b.m.fracDen, 4);
  EXPECT_EQ(b.m.addScaledNum1, 4);
  EXPECT_EQ(b.m.addSumNum, 5);
  EXPECT_EQ(b.m.addSumText, "ﾀ5/4ﾀ");
  // A zero numerator is written as a positive one.
  Add(b.m, 0, 3, 1, 3);
  EXPECT_EQ(b.m.columnTopText, "ﾀ0/3ﾀ");
  EXPECT_EQ(b.m.reduceStepText, "ﾀ0+1/3ﾀ");
}

}  // namespace
}  // namespace orvelle
