// Section 1's items on like terms: ④ 例2, aL + bL drawn as areas, and ⑤ 例3, ax + b - cx + d
// with its letter terms and number terms collected; each with its textbook exercise.
#include <span>
#include <string>

#include "core/screen.h"
#include "lessons/calc/calc_steps.h"
#include "lessons/calc/like_terms_area.h"
#include "lessons/calc/terms.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "platform/number.h"
#include "platform/text.h"

namespace orvelle::calc {
namespace {

using enum Place;

// The letter picked into letterText(1); the result's letter, letterText(2), the same.
void PickLetters(Machine& m) {
  PickLetter(m, m.letterText);
  m.letterText[2] = m.letterText[1];
}

// The example of ④: coef(1..3), the texts of the line (coefText 11..13), of the second box
// (coefText 22) and the letter.
void PickLikeTerms(Machine& m) {
  m.coef[1] = RandomPick(m, 5, 1);
  m.coef[2] = RandomPick(m, 5, 1);
  if (m.coef[2] == m.coef[1]) m.coef[2] += 1;  // never the first's size: the sum is never 0
  m.coin = RandomPick(m, 2, 0);
  if (m.coin == 0) m.coef[2] = -m.coef[2];
  // The first two examples are fixed; their draws are made all the same.
  if (m.exerciseNo == 1) {
    m.coef[1] = 3;
    m.coef[2] = 6;
  } else if (m.exerciseNo == 2) {
    m.coef[1] = 3;
    m.coef[2] = -6;
  }
  m.coef[3] = m.coef[1] + m.coef[2];
  NumbersToStrings(m);

  // 11..13: the coefficients as the line writes them (first term, second with its sign, sum);
  // 22: the second as its box writes it. A coefficient 1 is not written, -1 is "-".
  for (int k = 1; k <= 3; ++k) m.coefText[10 + k] = m.coefText[k];
  if (m.coef[2] > 0) m.coefText[12] = "+" + m.coefText[2];
  for (int k = 1; k <= 3; ++k) {
    if (m.coef[k] == 1) {
      m.coefText[10 + k] = "";
    } else if (m.coef[k] == -1) {
      m.coefText[10 + k] = "-";
    }
  }
  if (m.coef[2] == 1) {
    m.coefText[22] = "";
    m.coefText[12] = "+";
  } else if (m.coef[2] == -1) {
    m.coefText[22] = "-";
  } else {
    m.coefText[22] = m.coefText[2];
  }
  PickLetters(m);
}

// The example of ⑤: coef(1..6) and their texts as the lines write them, and the letter.
void PickCollectLikeTerms(Machine& m) {
  for (int k = 1; k <= 4; ++k) m.coef[k] = RandomPick(m, 9, 2);
  if (m.coef[1] == m.coef[3]) m.coef[1] += 1;  // the letter terms never cancel
  m.coef[3] = -m.coef[3];
  m.coef[5] = m.coef[1] + m.coef[3];
  m.coef[6] = m.coef[2] + m.coef[4];
  NumbersToStrings(m);
  for (int k = 2; k <= 6; ++k) PlusIfPositive(m, k);
  if (m.coef[5] > 0) m.coefText[5] = CharMid(m.coefText[5], 2);  // the result starts unsigned
  for (int k = 1; k <= 5; ++k) UnitCoefficient(m, k);
  PickLetters(m);
}

// A pass of ④: the problem line, the area diagram (a key inside), a key, the sum after "=".
void LikeTermsPass(Machine& m) {
  PickLikeTerms(m);
  StartColumn(m, 40, 60, m.figY[31]);
  m.figX[31] = 0;
  EraseBox(m, m.figX[31], m.figY[31], 2000, 1800);
  const std::string& L = m.letterText[1];
  TextStep(m, m.indentX + 27, m.lineY, 0, m.coefText[11] + L + m.coefText[12] + L + "=");
  m.figX[1] = 80;
  m.figY[1] = m.lineY + 100;
  DrawLikeTermsArea(m);
  Key(m);
  TextStep(m, m.afterX, m.lineY, 3, m.coefText[13] + m.letterText[2]);
}

// What a term of the first degree and a linear expression are, and that like terms combine;
// then the example's heading.
constexpr PageText kLinearTerms[] = {
    {kMargin, 0, 5, "1次の項"},
    {kAfter, 0, 0, "…文字が1つだけの項"},
    {kMargin, 50, 5, "1次式"},
    {kAfter, 0, 0, "…1次の項だけか、数との和で表される式"},
    {kMargin, 50, 0, "　5x,-4a,2a+3,2x-y-6"},
    {kKey},
    {kMargin, 50, 3, "文字の部分が同じ項は計算できる"},
    {kKey},
    {kMargin, 70, 7, "例2　次の計算をしなさい。"},
};

// Textbook P75 exercise 2.
constexpr WorkedAnswer kExercise2[] = {
    {"(1)", 50, "5x+7x=", "12x"},  {"(2)", 50, "6y-2y=", "4y"}, {"(3)", 50, "4x-3x=", "x"},
    {"(4)", 50, "-9a+6a=", "-3a"}, {"(5)", 50, "5y-y=", "4y"},  {"(6)", 50, "-3x-2x=", "-5x"},
};

// A pass of ⑤: the problem, a key, the result 110 below it, a key, "なぜ？", a key, how the
// letter terms and the number terms combine, and the regrouped line put in the gap left under
// the problem.
void CollectPass(Machine& m) {
  PickCollectLikeTerms(m);
  const std::string& L = m.letterText[1];
  const std::string& R = m.letterText[2];
  const std::string t1 = m.coefText[1], t2 = m.coefText[2], t3 = m.coefText[3];
  const std::string t4 = m.coefText[4], t5 = m.coefText[5], t6 = m.coefText[6];

  StartExampleArea(m);
  TextStep(m, m.indentX + 27, m.lineY, 0, t1 + L + t2 + t3 + L + t4);
  m.figY[1] = m.lineY;
  Key(m);
  TextStep(m, m.indentX, m.lineY + 110, 5, "=" + t5 + R + t6);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 3, "なぜ？");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, t1 + L + t3 + L + "=" + t5 + R);
  TextStep(m, m.indentX, m.lineY + 50, 0, t2 + t4 + "=" + t6 + "　だから");
  TextKept(m, m.indentX, m.figY[1] + 55, 0, "=" + t1 + L + t3 + L + t2 + t4);
}

// P75 exercise 3: each problem, a key, the letter terms brought first, a key, the result after
// them.
constexpr TwoLineAnswer kExercise3Left[] = {
    {"(1)", 50, " 8x+6-3x-3", "=8x-3x+6-3", "=5x+3"},
};

constexpr TwoLineAnswer kExercise3Right[] = {
    {"(2)", 0, " 5x-2-4x+8", "=5x-4x-2+8", "=x+6"},
    {"(3)", 60, " 6x-7+3x-2", "=6x+3x-7-2", "=9x-9"},
    {"(4)", 60, " 6a-4-5a+1", "=6a-5a-4+1", "=a-3"},
    {"(5)", 60, " 3x-2+x+9", "=3x+x-2+9", "=4x+7"},
    {"(6)", 60, " a+5-7a-5", "=a-7a+5-5", "=-6a"},
};

}  // namespace

void ShowLikeTermsExample(Machine& m) {
  ClearPage(m, 1320, 1300);
  StartColumn(m, 40, 60, 30);
  WriteTexts(m, kLinearTerms);
  m.figY[31] = m.lineY + 60;
  RunCountedDrill(m, LikeTermsPass);

  // The diagram goes; the last problem line stays above the rule.
  EraseBox(m, m.figX[31], m.figY[31] + 50, 2000, 1800);
  TextStep(m, m.marginX, m.figY[31] + 50, 5, "係数の和を求めればよい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 0, "-3-6=-9 だから");
  TextStep(m, m.indentX, m.lineY + 60, 0, "-3x-6x=");
  TextStep(m, m.afterX, m.lineY, 5, "-9x");
  Key(m);

  StartColumn(m, 680, 60, 150);
  TextStep(m, m.marginX - 80, m.lineY, 7, "教科書P75 問2　をしなさい。");
  Key(m);
  // A further key after the answers of (1) and (2) only.
  const std::span<const WorkedAnswer> rows = kExercise2;
  WorkedAnswers(m, rows.subspan(0, 1));
  Key(m);
  WorkedAnswers(m, rows.subspan(1, 1));
  Key(m);
  WorkedAnswers(m, rows.subspan(2));
}

void ShowCollectLikeTermsExample(Machine& m) {
  StartExamplePage(m, "例3　次の計算をしなさい。");
  m.exerciseNo = 1;
  RunDrill(m, CollectPass);

  // Under the last example, which stays.
  TextStep(m, m.marginX, m.lineY + 50, 5, "文字の部分が同じ項を集める。");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 50, 7, "教科書P75 問3　をやろう。");
  Key(m);
  TwoLineAnswers(m, kExercise3Left, 50);
  StartColumn(m, 640, 54, 30);
  TwoLineAnswers(m, kExercise3Right, 50);
}

}  // namespace orvelle::calc
