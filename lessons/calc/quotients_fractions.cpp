// Section 3, item ⑦ "例１１" (example 11): a fraction of a linear expression times a multiple of
// its denominator, built from four different primes, then its rules and the worked answers of
// textbook question 14.
#include <string>

#include "core/screen.h"
#include "lessons/calc/quotient_steps.h"
#include "lessons/calc/quotients.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"

namespace orvelle::calc {
namespace {

// Takes the pick at figX(coin) out of the prime table: the entries after it, up to figX(last + 1),
// move down one place.
void RemovePick(Machine& m, float last) {
  for (m.loopIndex = m.coin; m.loopIndex <= last; m.loopIndex = m.loopIndex + 1) {
    m.figX[m.loopIndex] = m.figX[m.loopIndex + 1];
  }
}

// (p·L + q)/d × m·d: m, d, p and |q| four different primes from 2, 3, 5, 7, 11, drawn in turn
// from what is left of the table; m and d never 11; q negative.
void PickFractionTimesMultiple(Machine& m) {
  static constexpr float kPrimes[] = {2, 3, 5, 7, 11};
  for (int i = 1; i <= 5; ++i) m.figX[i] = kPrimes[i - 1];
  m.coin = RandomPick(m, 4, 1);
  m.coef[1] = m.figX[m.coin];
  RemovePick(m, 4);
  // Only the first three of the four left: 11 stays last and is never the denominator.
  m.coin = RandomPick(m, 3, 1);
  m.coef[2] = m.figX[m.coin];
  RemovePick(m, 3);
  m.coin = RandomPick(m, 3, 1);
  m.coef[3] = m.figX[m.coin];
  RemovePick(m, 2);
  m.coin = RandomPick(m, 2, 1);
  m.coef[4] = -m.figX[m.coin];
  m.coef[5] = m.coef[1] * m.coef[2];
  m.coef[7] = m.coef[1] * m.coef[3];
  m.coef[8] = m.coef[1] * m.coef[4];
  NumbersToStrings(m);
  PickPassLetter(m);
}

// The problem, the fraction cancelled into the multiple, the bracket multiplied out, the result.
// Three key waits.
void ShowFractionTimesMultiple(Machine& m) {
  m.marginX = 40;
  m.indentX = m.marginX + 60;
  m.lineY = 90;
  m.figX[31] = 0;
  m.figY[31] = 90;
  EraseExampleArea(m, m.figX[31], m.figY[31], 2000, 1800);
  const std::string& letter = m.signText[1];
  const std::string& factor = m.coefText[1];
  const std::string term = m.coefText[3] + letter;
  TextStep(m, m.indentX + 27, m.lineY + 20, 0,
           "ﾀ" + term + m.coefText[4] + "/" + m.coefText[2] + "ﾀ*" + m.coefText[5]);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 0, "=(" + term + m.coefText[4] + ")*" + factor);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "=" + term + "*" + factor + m.coefText[4] + "*" + factor);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 5, "=" + m.coefText[7] + letter + m.coefText[8]);
}

void FractionTimesMultiplePass(Machine& m) {
  PickFractionTimesMultiple(m);
  ShowFractionTimesMultiple(m);
}

// The rules and exercise (1) under the last example; exercises (2) and (3) in the right column.
constexpr ClosingLine kRulesAndExercise1[] = {
    {ClosingFrom::kMargin, 60, 3, "①約分できるときは約分する。", false},
    {ClosingFrom::kMargin, 50, 3, "②( )をつけて、分配法則を使う。", true},
    {ClosingFrom::kMargin, 50, 7, "教科書P79 問14 をやろう。", true},
    {ClosingFrom::kMargin, 80, 3, "(1)", false},
    {ClosingFrom::kIndent, 0, 0, " ﾀ2x+3/5ﾀ*10", false},
    {ClosingFrom::kIndent, 70, 0, "=(2x+3)*2", false},
    {ClosingFrom::kAfter, 0, 5, "=4x+6", false},
};

constexpr ClosingLine kExercises2And3[] = {
    {ClosingFrom::kMargin, 0, 3, "(2)", false},
    {ClosingFrom::kIndent, 0, 0, " 8*ﾀ3x-5/2ﾀ", false},
    {ClosingFrom::kIndent, 70, 0, "=4(3x-5)", false},
    {ClosingFrom::kIndent, 50, 5, "=12x-20", true},
    {ClosingFrom::kMargin, 80, 3, "(3)", false},
    {ClosingFrom::kIndent, 0, 0, " ﾀ5a-3/3ﾀ*(-15)", false},
    {ClosingFrom::kIndent, 70, 0, "=(5a-3)*(-5)", false},
    {ClosingFrom::kIndent, 50, 5, "=-25a+15", false},
};

}  // namespace

void ShowCalcExample11(Machine& m) {
  ClearPage(m, 1320, 1300);
  m.marginX = 40;
  m.indentX = m.marginX + 27;
  m.lineY = 30;
  TextStep(m, m.marginX, m.lineY, 0, "例11　次の計算をしなさい。");
  m.exerciseNo = 1;
  RunDrill(m, FractionTimesMultiplePass);

  ShowClosingLines(m, kRulesAndExercise1);
  ClosingRightColumn(m, 640);
  Key(m);
  ShowClosingLines(m, kExercises2And3);
}

}  // namespace orvelle::calc
