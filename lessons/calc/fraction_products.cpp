// Section 3, item ⑤ "例9": a fraction times a bracket whose coefficients are multiples of the
// denominator, worked with the distributive law and cancellation marks, then its rule and the
// worked answers of textbook problems 11 (4) and 12.
#include <string>

#include "core/fractions.h"
#include "core/measure.h"
#include "core/screen.h"
#include "lessons/calc/calc_steps.h"
#include "lessons/calc/cancellation.h"
#include "lessons/calc/products.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "notation/string_helpers.h"

namespace orvelle::calc {
namespace {

using enum Place;

// (n/d)(pd·x + qd): d one of 2, 3, 5; |n| 1 or one of the other two, so n/d is in lowest terms
// and never whole; p and q ±1..±5. Seven picks.
void PickFractionTimesBracket(Machine& m) {
  // The table is refilled every time: the working overwrites figX(1..3) with arc anchors.
  m.figX[1] = 2;
  m.figX[2] = 3;
  m.figX[3] = 5;
  m.figX[4] = 1;
  m.coin = RandomPick(m, 3, 1);
  m.auxNum[1] = m.figX[m.coin];
  // The denominator leaves the table: the other two primes and 1 move up into figX(1..3).
  RemovePick(m, 3);
  m.coin = RandomPick(m, 3, 1);
  m.coef[1] = m.figX[m.coin];
  m.coin = RandomPick(m, 2, 0);
  if (m.coin == 0) m.coef[1] = -m.coef[1];
  PickBracketOfMultiples(m);
  m.coef[4] = m.coef[1] * m.coef[12];
  m.coef[5] = m.coef[1] * m.coef[13];
  m.fracDen = m.auxNum[1];
  m.fracNum = m.coef[1];
  BuildFraction(m);
  m.fracText[1] = m.columnSecondText;
  NumbersToStrings(m);
  PlusIfPositive(m, 3);
}

// The pass of the drill: a new problem, then its working.
void FractionTimesBracketPass(Machine& m) {
  PickFractionTimesBracket(m);
  ShowCalcExample9Working(m);
}

// The rule, then problem 11 (4) and problem 12 in the right column.
constexpr PageText kRule[] = {
    {kMargin, 60, 5, "分配法則で（　）をはずし、"},
    {kMargin, 50, 5, "約分する。"},
    {kKey},
};

constexpr PageText kProblems11And12[] = {
    {kMargin, 0, 7, "教科書P78 問11(4)　をやろう。"},
    {kKey},
    {kMargin, 80, 3, "(4)"},
    {kIndent, 0, 0, " ﾀ1/2ﾀ(4x+8)"},
    {kIndent, 80, 0, "=ﾀ1/2ﾀ*4x+ﾀ1/2ﾀ*8"},
    {kIndent, 70, 5, "=2x+4"},
    {kKey},
    {kMargin, 80, 7, "教科書P78 問12　をやろう。"},
    {kKey},
    {kMargin, 50, 3, "かっこをはずすとき"},
    {kMargin, 50, 3, "-5に2をかけていない。"},
    {kIndent, 50, 0, " 2(x-5)"},
    {kIndent, 50, 0, "=2*x+2*(-5)"},
    {kIndent, 50, 5, "=2x-10"},
};

}  // namespace

void ShowCalcExample9(Machine& m) {
  m.markX[1] = 40;
  m.markY[1] = 30;
  m.device.SetDrawWidth(5);  // the arcs' dots and the slashes; left so for what follows
  // Right of x 40 only: the strip on the left stays as it was.
  EraseBox(m, m.markX[1], 0, 1760, 1300);
  StartColumn(m, m.markX[1], 27, m.markY[1]);
  TextStep(m, m.marginX, m.lineY, 0, "例9 次の計算をしなさい。");
  m.markX[31] = m.markX[1];
  m.markY[31] = 90;
  RunDrill(m, FractionTimesBracketPass);
  ShowCalcExample9Closing(m);
}

void ShowCalcExample9Working(Machine& m) {
  PlusIfPositive(m, 3);
  UnitCoefficient(m, 4);
  PlusIfPositive(m, 5);
  StartWorking(m);

  // The problem, with the arcs' anchors 27 into the fraction and into each term.
  TextStep(m, m.indentX, m.lineY + 60, 3, " ");
  m.figX[1] = m.indentX + 40 + 27;
  m.figY[1] = m.lineY;
  TextStep(m, m.indentX + 40, m.lineY, 0, m.fracText[1] + "(");
  m.figX[2] = m.afterX + 27;
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[2] + "x");
  m.figX[3] = m.afterX + 27;
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[3] + ")");
  Key(m);
  // The arcs start at the fraction, 20 above the line, and end on a term.
  DistributiveArc(m, m.figX[1], m.figY[1] - 20, m.figX[2], m.figY[1], 9, 1);
  Key(m);

  // The products, each fraction's denominator and each term's start kept for the marks.
  m.strArg = m.coefText[2] + "x";
  if (m.coef[2] < 0) ParenthesizeIfMinus(m);
  m.coefText[22] = m.strArg;
  TextStep(m, m.indentX, m.lineY + 90, 0, "=");
  TextStep(m, m.afterX, m.lineY, 0, m.fracText[1] + "*");
  KeepDenominatorPlace(m, 1);
  KeepCoefficientPlace(m, 1);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[22]);
  Key(m);
  DistributiveArc(m, m.figX[1], m.figY[1] - 20, m.figX[3], m.figY[1], 7, 2);
  Key(m);
  if (m.coef[1] > 0) m.fracText[1] = "+" + m.fracText[1];
  m.strArg = m.coefText[3];
  if (m.coef[3] > 0) {
    StripPlusSign(m);
  } else {
    ParenthesizeIfMinus(m);
  }
  m.coefText[23] = m.strArg;
  TextStep(m, m.afterX, m.lineY, 0, m.fracText[1] + "*");
  KeepDenominatorPlace(m, 2);
  KeepCoefficientPlace(m, 2);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[23]);
  Key(m);

  // The cancellation: each bracket coefficient against the denominator of its product. A
  // bracketed term's digits start after its "(-".
  UnsignCancelledTexts(m);
  m.strArg = "(-";
  MeasureMarkedText(m);
  if (m.coef[2] < 0) m.markX[1] = m.markX[1] + m.textWidth;
  CancelProduct(m, 1);
  Key(m);
  if (m.coef[3] < 0) m.markX[3] = m.markX[3] + m.textWidth;
  CancelProduct(m, 2);
  Key(m);

  TextStep(m, m.indentX, m.lineY + 100, 5, "=" + m.coefText[4] + "x" + m.coefText[5]);
}

void ShowCalcExample9Closing(Machine& m) {
  WriteTexts(m, kRule);
  StartColumn(m, 520, 54, 30);
  WriteTexts(m, kProblems11And12);
}

}  // namespace orvelle::calc
