// Section 3, item ⑦ "例１１" (example 11): a fraction of a linear expression times a multiple of
// its denominator, built from four different primes, then its rules and the worked answers of
// textbook question 14.
#include <string>

#include "core/screen.h"
#include "lessons/calc/calc_steps.h"
#include "lessons/calc/quotients.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"

namespace orvelle::calc {
namespace {

using enum Place;

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
  PickLetter(m, m.signText);
}

// The problem, the fraction cancelled into the multiple, the bracket multiplied out, the result.
// Three key waits.
void ShowFractionTimesMultiple(Machine& m) {
  StartExampleArea(m);
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
constexpr PageText kRulesAndExercise1[] = {
    {kMargin, 60, 3, "①約分できるときは約分する。"},
    {kMargin, 50, 3, "②( )をつけて、分配法則を使う。"},
    {kKey},
    {kMargin, 50, 7, "教科書P79 問14 をやろう。"},
    {kKey},
    {kMargin, 80, 3, "(1)"},
    {kIndent, 0, 0, " ﾀ2x+3/5ﾀ*10"},
    {kIndent, 70, 0, "=(2x+3)*2"},
    {kAfter, 0, 5, "=4x+6"},
};

constexpr PageText kExercises2And3[] = {
    {kMargin, 0, 3, "(2)"},
    {kIndent, 0, 0, " 8*ﾀ3x-5/2ﾀ"},
    {kIndent, 70, 0, "=4(3x-5)"},
    {kIndent, 50, 5, "=12x-20"},
    {kKey},
    {kMargin, 80, 3, "(3)"},
    {kIndent, 0, 0, " ﾀ5a-3/3ﾀ*(-15)"},
    {kIndent, 70, 0, "=(5a-3)*(-5)"},
    {kIndent, 50, 5, "=-25a+15"},
};

}  // namespace

void ShowCalcExample11(Machine& m) {
  StartExamplePage(m, "例11　次の計算をしなさい。");
  m.exerciseNo = 1;
  RunDrill(m, FractionTimesMultiplePass);

  WriteTexts(m, kRulesAndExercise1);
  StartColumn(m, 640, 54, 30);
  Key(m);
  WriteTexts(m, kExercises2And3);
}

}  // namespace orvelle::calc
