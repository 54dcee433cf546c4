// Section 3, item ⑥ "例÷" (example 10): a bracket divided by a number, worked as the bracket
// times the reciprocal with distributive-law arcs and cancellation marks, then its rule and the
// worked answers of textbook question 13.
#include "lessons/calc/quotients.h"

#include <string>

#include "core/fractions.h"
#include "core/measure.h"
#include "core/screen.h"
#include "lessons/calc/calc_steps.h"
#include "lessons/calc/cancellation.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "notation/string_helpers.h"

namespace orvelle::calc {
namespace {

using enum Place;

// (a·d·x + b·d) ÷ (s·d): d one of 2, 3, 5 with a sign coin, a and b ±1..±5, so the division
// always comes out even. Six picks.
void PickDivision(Machine& m) {
  // The table is refilled every time: the working writes its arc anchors over it.
  m.figX[1] = 2;
  m.figX[2] = 3;
  m.figX[3] = 5;
  m.coin = RandomPick(m, 3, 1);
  m.auxNum[1] = m.figX[m.coin];
  m.coef[1] = m.auxNum[1];
  m.coin = RandomPick(m, 2, 0);
  if (m.coin == 0) m.coef[1] = -m.coef[1];
  // The bracket is built from the unsigned d; the result divides by the signed divisor.
  PickBracketOfMultiples(m);
  m.coef[4] = m.coef[2] / m.coef[1];
  m.coef[5] = m.coef[3] / m.coef[1];
  m.fracNum = 1;
  m.fracDen = m.coef[1];
  BuildFraction(m);
  m.fracText[1] = m.columnSecondText;
  NumbersToStrings(m);

  PlusIfPositive(m, 3);
  // The result's x-coefficient in unit form first, its "+" after: 1 reads "+" alone.
  if (m.coef[4] == 1 || m.coef[4] == 0) {
    m.coefText[4] = "";
  } else if (m.coef[4] == -1) {
    m.coefText[4] = "-";
  }
  PlusIfPositive(m, 4);
  PlusIfPositive(m, 5);
  // A negative divisor and its reciprocal stand in brackets: (-3), (-ﾀ1/3ﾀ).
  if (m.coef[1] < 0) {
    m.strArg = m.coefText[1];
    ParenthesizeIfMinus(m);
    m.coefText[1] = m.strArg;
    m.strArg = m.fracText[1];
    ParenthesizeIfMinus(m);
    m.fracText[1] = m.strArg;
  }
}

// A distributive-law arc from the reciprocal (figX(1), 20 above its line) back down to a term of
// the bracket on its left; `bulge` 1 = 16 units.
void ArcFromReciprocal(Machine& m, float termX, float color, float bulge) {
  const float start = m.figY[1] - 20;
  DistributiveArc(m, m.figX[1], start, termX, start + 20, color, bulge);
}

// The worked division: the problem, times the reciprocal, the two arcs, the two products, their
// cancellation, and the result in two pieces around the second cancellation. Eight key waits.
void ShowDivisionWorking(Machine& m) {
  StartWorking(m);
  TextStep(m, m.indentX + 40, m.lineY, 0,
           "(" + m.coefText[2] + "x" + m.coefText[3] + ")/" + m.coefText[1]);
  Key(m);

  TextStep(m, m.indentX, m.lineY + 100, 0, "=(");
  m.figX[2] = m.afterX + 27;
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[2] + "x");
  m.figX[3] = m.afterX + 27;
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[3] + ")*");
  m.figX[1] = m.afterX + 27;
  m.figY[1] = m.lineY;
  TextStep(m, m.afterX, m.lineY, 0, m.fracText[1]);
  Key(m);

  // The arcs start past "(-" of a negative reciprocal and end past the minus of a negative x-term.
  if (m.coef[1] < 0) {
    m.strArg = "(-";
    MeasureMarkedText(m);
    m.figX[1] = m.figX[1] + m.textWidth;
  }
  if (m.coef[2] < 0) m.figX[2] = m.figX[2] + 27;
  ArcFromReciprocal(m, m.figX[2], 9, 2);
  Key(m);
  ArcFromReciprocal(m, m.figX[3] + 27, 7, 1);
  Key(m);

  TextStep(m, m.indentX, m.lineY + 90, 0, "=");
  KeepCoefficientPlace(m, 1);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[2] + "x*");
  TextStep(m, m.afterX, m.lineY, 0, m.fracText[1]);
  KeepDenominatorPlace(m, 1);
  KeepCoefficientPlace(m, 2);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[3] + "*");
  TextStep(m, m.afterX, m.lineY, 0, m.fracText[1]);
  KeepDenominatorPlace(m, 2);
  Key(m);

  UnsignCancelledTexts(m);
  if (m.coef[2] < 0) m.markX[1] = m.markX[1] + 27;
  CancelProduct(m, 1);
  Key(m);

  m.strArg = m.coefText[4];
  StripPlusSign(m);
  m.coefText[4] = m.strArg;
  TextStep(m, m.indentX, m.lineY + 100, 5, "=" + m.coefText[4] + "x");
  Key(m);

  // The constant was drawn with its sign: its digits start one character in.
  m.markX[3] = m.markX[3] + 27;
  CancelProduct(m, 2);
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, m.coefText[5]);
}

void DivisionPass(Machine& m) {
  PickDivision(m);
  ShowDivisionWorking(m);
}

// The rule under the last example; then question 13 in the right column.
constexpr PageText kRule[] = {
    {kMargin, 60, 5, "除法は逆数をかける。"},
    {kKey},
};

constexpr PageText kQuestion13[] = {
    {kMargin, 0, 7, "教科書P79 問13 をやろう。"},
    {kKey},
    {kMargin, 50, 3, "(1)"},
    {kIndent, 0, 0, " (20x+15)/5"},
    {kIndent, 80, 0, "=(20x+15)*ﾀ1/5ﾀ"},
    {kIndent, 80, 0, "=20x*ﾀ1/5ﾀ+15*ﾀ1/5ﾀ"},
    {kIndent, 70, 5, "=4x+3"},
    {kKey},
    {kMargin, 50, 3, "(2)"},
    {kIndent, 0, 0, " (16a-8)/(-8)"},
    {kIndent, 80, 0, "=(16a-8)*(-ﾀ1/8ﾀ)"},
    {kIndent, 80, 0, "=16a*(-ﾀ1/8ﾀ)-8*(-ﾀ1/8ﾀ)"},
    {kIndent, 70, 5, "=-2a+1"},
};

}  // namespace

void ShowCalcExample10(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 27, 30);
  m.device.SetDrawWidth(5);  // the arcs' dots and the slashes; left so for what follows
  TextStep(m, m.marginX, m.lineY, 0, "例10　次の計算をしなさい。");
  m.markX[31] = m.indentX;
  m.markY[31] = m.lineY + 50;
  RunDrill(m, DivisionPass);

  WriteTexts(m, kRule);
  StartColumn(m, 600, 54, 30);
  WriteTexts(m, kQuestion13);
}

}  // namespace orvelle::calc
