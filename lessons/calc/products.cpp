// Section 3, item ④ "例８": a random number times a bracket, a random bracket times a number,
// each with its distributive-law arcs, then the worked answers of textbook problems 10 and 11.
#include "lessons/calc/products.h"

#include <string>

#include "core/screen.h"
#include "lessons/calc/calc_steps.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"

namespace orvelle::calc {
namespace {

using enum Place;

// coef(i) with a sign coin: 1 makes it negative.
void SignByCoin(Machine& m, int i) {
  m.coin = RandomPick(m, 2, 0);
  if (m.coin == 1) m.coef[i] = -m.coef[i];
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

// k times the bracket aL + b (k in coef(1), a and b in coef(2), coef(3)): the products coef(4) =
// ka and coef(5) = kb, the texts with the constants' signs and the unit coefficients, the letter.
void ProductTexts(Machine& m) {
  m.coef[4] = m.coef[1] * m.coef[2];
  m.coef[5] = m.coef[1] * m.coef[3];
  NumbersToStrings(m);
  PlusIfPositive(m, 3);
  PlusIfPositive(m, 5);
  UnitCoefficient(m, 1);
  UnitCoefficient(m, 2);
  UnitCoefficient(m, 4);
  PickLetter(m, m.letterText);
}

// The arc from the multiplier's anchor to a term's: anchors on the problem line, and its bulge.
struct ProductArc {
  int from, to;
  float height;
};

// The problem line written: a key, the first arc (in 9), a key, the first product 70 below at the
// indent, a key, the second arc (in 7), a key, the second product after the first.
void ShowProducts(Machine& m, const std::string& letter, ProductArc first, ProductArc second) {
  Key(m);
  AnchorArc(m, first.from, first.to, 9, first.height);
  Key(m);
  TextKept(m, m.indentX, m.lineY + 70, 5, "=" + m.coefText[4] + letter);
  m.answerX = m.drawX;
  m.figTopY = m.drawY;
  Key(m);
  AnchorArc(m, second.from, second.to, 7, second.height);
  Key(m);
  TextStep(m, m.answerX, m.figTopY, 5, m.coefText[5]);
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
  ProductTexts(m);
}

// ① k(ax+b), one arc and one product per key.
void NumberTimesBracketPass(Machine& m) {
  PickNumberTimesBracket(m);
  const std::string& letter = m.letterText[1];
  StartColumn(m, 40, 60, 130);
  EraseBox(m, 0, 80, 2000, 1800);
  TextStep(m, m.indentX - 27, m.lineY, 3, "① ");
  Anchor(m, 1, m.afterX + 10);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[1] + "(");
  Anchor(m, 2, m.afterX + 10);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[2] + letter);
  Anchor(m, 3, m.afterX + 20);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[3] + ")");
  ShowProducts(m, letter, {1, 2, 1}, {1, 3, 2});
}

// (ax+b)×k: a 1..9 without a sign, k 2..9 and b 2..9 each with a sign coin.
void PickBracketTimesNumber(Machine& m) {
  m.coef[2] = RandomPick(m, 9, 1);
  m.coef[1] = RandomPick(m, 8, 2);
  SignByCoin(m, 1);
  m.coef[3] = RandomPick(m, 8, 2);
  SignByCoin(m, 3);
  m.coef[11] = m.coef[1];  // the multiplier as written after the bracket
  ProductTexts(m);
  if (m.coef[11] < 0) m.coefText[11] = "(" + m.coefText[11] + ")";
}

// ② (ax+b)×k below drill ①, whose area starts at markY(1).
void BracketTimesNumberPass(Machine& m) {
  PickBracketTimesNumber(m);
  const std::string& letter = m.letterText[1];
  StartColumn(m, m.markX[1], 60, m.markY[1] + 50);
  EraseBox(m, 0, m.markY[1], 2000, 1800);
  TextStep(m, m.indentX - 27, m.lineY, 3, "② ");
  Anchor(m, 1, m.afterX + 40);
  TextStep(m, m.afterX, m.lineY, 0, "(" + m.coefText[2] + letter);
  Anchor(m, 2, m.afterX + 40);
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[3] + ")*");
  Anchor(m, 3, m.afterX + 20);
  if (m.coef[1] < 0) m.figX[3] = m.figX[3] + 27;  // past the "(" of a bracketed multiplier
  TextStep(m, m.afterX, m.lineY, 0, m.coefText[11]);
  ShowProducts(m, letter, {1, 3, 2}, {2, 3, 1});
}

// Textbook problem 10 (1) under drill ②; 10 (2) in the right column from the top, the pointer to
// problem 11 under it reaching back over both columns, then 11 (1) to (3).
constexpr PageText kProblem10Left[] = {
    {kMargin, 50, 7, "教科書P78 問10　をやろう。"},
    {kKey},
    {kMargin, 50, 3, "(1)"},
    {kIndent, 0, 0, " 4(a+2)"},
    {kKey},
    {kIndent, 50, 0, "=4*a+4*2"},
    {kIndent, 50, 5, "=4a+8"},
};

constexpr PageText kProblem10Right[] = {
    {kMargin, 0, 3, "(2)"},           {kIndent, 0, 0, " 3(2a-1)"}, {kKey},
    {kIndent, 50, 0, "=3*2a+3*(-1)"}, {kIndent, 50, 5, "=6a-3"},   {kKey},
};

constexpr PageText kProblem11[] = {
    {kMargin, 50, 3, "(1)"},
    {kIndent, 0, 0, " (2x-5)*(-3)"},
    {kKey},
    {kIndent, 50, 0, "=2x*(-3)-5*(-3)"},
    {kIndent, 50, 5, "=-6x+15"},
    {kMargin, 50, 3, "(2)"},
    {kIndent, 0, 0, " -(6a-9)"},
    {kKey},
    {kIndent, 50, 0, "=(-1)*6a+(-1)*(-9)"},
    {kIndent, 50, 5, "=-6a+9"},
    {kMargin, 50, 3, "(3)"},
    {kIndent, 0, 0, " -4(c+5)"},
    {kKey},
    {kIndent, 50, 0, "=(-4)*c+(-4)*5"},
    {kIndent, 50, 5, "=-4c-20"},
};

}  // namespace

void ShowCalcExample8(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 27, 30);
  m.device.SetDrawWidth(5);  // the arcs' dots; left so for what follows
  TextStep(m, m.marginX, m.lineY, 0, "例8 次の計算をしなさい。");
  m.exerciseNo = 1;
  RunDrill(m, NumberTimesBracketPass);

  // Drill ② below drill ①'s last example, which stays.
  Key(m);
  m.markX[1] = 40;
  m.markY[1] = m.lineY + 80;
  EraseBox(m, 0, m.markY[1], 1760, 1300);
  StartColumn(m, 40, 27, m.markY[1]);
  m.exerciseNo = 1;
  RunDrill(m, BracketTimesNumberPass);

  WriteTexts(m, kProblem10Left);
  StartColumn(m, 640, 54, 30);
  WriteTexts(m, kProblem10Right);
  TextStep(m, m.marginX - 120, m.lineY + 60, 7, "教科書P78 問11(1)～(3)　をやろう。");
  Key(m);
  WriteTexts(m, kProblem11);
}

}  // namespace orvelle::calc
