// Section 3, item ④ "例８": a random number times a bracket, a random bracket times a number,
// each with its distributive-law arcs, then the worked answers of textbook problems 10 and 11.
#include "lessons/calc/products.h"

#include <string>

#include "core/screen.h"
#include "lessons/calc/product_steps.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"

namespace orvelle::calc {
namespace {

using products::DistributiveArc;
using products::EraseBox;
using products::From;
using products::PlusIfPositive;
using products::RunScript;
using products::ScriptLine;
using products::UnitCoefficient;

// coef(i) with a sign coin: 1 makes it negative.
void SignByCoin(Machine& m, int i) {
  m.coin = RandomPick(m, 2, 0);
  if (m.coin == 1) m.coef[i] = -m.coef[i];
}

// The letter of the example, x, y, a or b with equal chances.
void PickLetter(Machine& m) {
  m.letterText[2] = "x";
  m.letterText[3] = "y";
  m.letterText[4] = "a";
  m.letterText[5] = "b";
  m.coin = RandomPick(m, 4, 2);
  m.letterText[1] = m.letterText[m.coin];
}

// Arc anchor i at x on the problem line.
void Anchor(Machine& m, int i, float x) {
  m.figX[i] = x;
  m.figY[i] = m.lineY;
}

// An arc from anchor `from` to anchor `to`, level with `from`.
void AnchorArc(Machine& m, int from, int to, float color, float height) {
  DistributiveArc(m, m.figX[from], m.figY[from], m.figX[to], m.figY[from], color, height);
}

// k(ax+b): a 1..9, k -6..-1 or 2..6 (a pick of +1 becomes -1), b 2..9, each sign by a coin.
void PickNumberTimesBracket(Machine& m) {
  m.coef[2] = RandomPick(m, 9, 1);
  SignByCoin(m, 2);
  m.coef[1] = RandomPick(m, 6, 1);
  m.coin = RandomPick(m, 2, 0);
  if (m.coin == 1) {
    m.coef[1] = -m.coef[1];
  } else if (m.coef[1] == 1) {
    m.coef[1] = -1;
  }
  m.coef[3] = RandomPick(m, 8, 2);
  SignByCoin(m, 3);
  m.coef[4] = m.coef[1] * m.coef[2];
  m.coef[5] = m.coef[1] * m.coef[3];
  NumbersToStrings(m);
  PlusIfPositive(m, 3);
  PlusIfPositive(m, 5);
  UnitCoefficient(m, 1);
  UnitCoefficient(m, 2);
  UnitCoefficient(m, 4);
  PickLetter(m);
}

// ① k(ax+b), one arc and one product per key.
void NumberTimesBracketPass(Machine& m) {
  PickNumberTimesBracket(m);
  const std::string& letter = m.letterText[1];
  m.marginX = 40;
  m.indentX = m.marginX + 60;
  m.lineY = 130;
  EraseBox(m, 0, 80, 2000, 1800);
  TextStep(m, m.indentX - 27, m.lineY, 3, "① ");
  Anchor(m, 1, m.afterX + 10);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[1] + "(");
  Anchor(m, 2, m.afterX + 10);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[2] + letter);
  Anchor(m, 3, m.afterX + 20);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[3] + ")");
  Key(m);
  AnchorArc(m, 1, 2, 9, 1);
  Key(m);
  TextKept(m, m.indentX, m.lineY + 70, 5, "=" + m.coefText[4] + letter);
  m.answerX = m.drawX;
  m.figTopY = m.drawY;
  Key(m);
  AnchorArc(m, 1, 3, 7, 2);
  Key(m);
  TextStep(m, m.answerX, m.figTopY, 5, m.coefText[5]);
}

// (ax+b)×k: a 1..9 without a sign, k 2..9 and b 2..9 each with a sign coin.
void PickBracketTimesNumber(Machine& m) {
  m.coef[2] = RandomPick(m, 9, 1);
  m.coef[1] = RandomPick(m, 8, 2);
  SignByCoin(m, 1);
  m.coef[3] = RandomPick(m, 8, 2);
  SignByCoin(m, 3);
  m.coef[4] = m.coef[1] * m.coef[2];
  m.coef[5] = m.coef[1] * m.coef[3];
  m.coef[11] = m.coef[1];
  NumbersToStrings(m);
  PlusIfPositive(m, 3);
  PlusIfPositive(m, 5);
  UnitCoefficient(m, 1);
  UnitCoefficient(m, 2);
  UnitCoefficient(m, 4);
  PickLetter(m);
  if (m.coef[11] < 0) m.coefText[11] = "(" + m.coefText[11] + ")";
}

// ② (ax+b)×k below drill ①, whose area starts at markY(1).
void BracketTimesNumberPass(Machine& m) {
  PickBracketTimesNumber(m);
  const std::string& letter = m.letterText[1];
  m.marginX = m.markX[1];
  m.indentX = m.marginX + 60;
  m.lineY = m.markY[1] + 50;
  EraseBox(m, 0, m.markY[1], 2000, 1800);
  TextStep(m, m.indentX - 27, m.lineY, 3, "② ");
  Anchor(m, 1, m.afterX + 40);
  TextStep(m, m.afterX, m.lineY, 0, "(" + m.coefText[2] + letter);
  Anchor(m, 2, m.afterX + 40);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[3] + ")*");
  Anchor(m, 3, m.afterX + 20);
  if (m.coef[1] < 0) m.figX[3] = m.figX[3] + 27;  // past the "(" of a bracketed multiplier
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[11]);
  Key(m);
  AnchorArc(m, 1, 3, 9, 2);
  Key(m);
  TextKept(m, m.indentX, m.lineY + 70, 5, "=" + m.coefText[4] + letter);
  m.answerX = m.drawX;
  m.figTopY = m.drawY;
  Key(m);
  AnchorArc(m, 2, 3, 7, 1);
  Key(m);
  TextStep(m, m.answerX, m.figTopY, 5, m.coefText[5]);
}

// Textbook problems 10 (1) under drill ②; 10 (2) and 11 in the right column from the top.
constexpr ScriptLine kProblem10Left[] = {
    {From::kMargin, 50, 7, "教科書P78 問10　をやろう。", true},
    {From::kMargin, 50, 3, "(1)", false},
    {From::kIndent, 0, 0, " 4(a+2)", true},
    {From::kIndent, 50, 0, "=4*a+4*2", false},
    {From::kIndent, 50, 5, "=4a+8", false},
};

constexpr ScriptLine kProblems10And11Right[] = {
    {From::kMargin, 0, 3, "(2)", false},
    {From::kIndent, 0, 0, " 3(2a-1)", true},
    {From::kIndent, 50, 0, "=3*2a+3*(-1)", false},
    {From::kIndent, 50, 5, "=6a-3", true},
    {From::kMarginLess120, 60, 7, "教科書P78 問11(1)～(3)　をやろう。", true},
    {From::kMargin, 50, 3, "(1)", false},
    {From::kIndent, 0, 0, " (2x-5)*(-3)", true},
    {From::kIndent, 50, 0, "=2x*(-3)-5*(-3)", false},
    {From::kIndent, 50, 5, "=-6x+15", false},
    {From::kMargin, 50, 3, "(2)", false},
    {From::kIndent, 0, 0, " -(6a-9)", true},
    {From::kIndent, 50, 0, "=(-1)*6a+(-1)*(-9)", false},
    {From::kIndent, 50, 5, "=-6a+9", false},
    {From::kMargin, 50, 3, "(3)", false},
    {From::kIndent, 0, 0, " -4(c+5)", true},
    {From::kIndent, 50, 0, "=(-4)*c+(-4)*5", false},
    {From::kIndent, 50, 5, "=-4c-20", false},
};

}  // namespace

void ShowCalcExample8(Machine& m) {
  ClearPage(m, 1760, 1300);
  m.marginX = 40;
  m.indentX = m.marginX + 27;
  m.lineY = 30;
  m.device.SetDrawWidth(5);  // the arcs' dots; left so for what follows
  TextStep(m, m.marginX, m.lineY, 0, "例8 次の計算をしなさい。");
  m.exerciseNo = 1;
  RunDrill(m, NumberTimesBracketPass);

  // Drill ② below drill ①'s last example, which stays.
  Key(m);
  m.markX[1] = 40;
  m.markY[1] = m.lineY + 80;
  EraseBox(m, 0, m.markY[1], 1760, 1300);
  m.marginX = 40;
  m.indentX = m.marginX + 27;
  m.lineY = m.markY[1];
  m.exerciseNo = 1;
  RunDrill(m, BracketTimesNumberPass);

  RunScript(m, kProblem10Left);
  m.marginX = 640;
  m.indentX = m.marginX + 54;
  m.lineY = 30;
  RunScript(m, kProblems10And11Right);
}

}  // namespace orvelle::calc
