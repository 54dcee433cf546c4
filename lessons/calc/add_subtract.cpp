// Section 2's frame, the random pair of linear expressions its four random items share, and the
// worked addition and subtraction (items ① and ③). The worked answers are in
// add_subtract_answers.cpp, the column drills in add_subtract_column.cpp.
#include "lessons/calc/add_subtract.h"

#include <string>

#include "core/screen.h"
#include "lessons/calc/calc_steps.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "notation/string_helpers.h"

namespace orvelle::calc {
namespace {

// A unit coefficient loses its digit: 1 is written "", -1 as "-".
void UnitCoefficients(Machine& m, int last) {
  for (int i = 1; i <= last; ++i) UnitCoefficient(m, i);
}

// A term after the first carries its sign: "+" in front of a positive value.
void PlusSigns(Machine& m, int last) {
  for (int i = 2; i <= last; ++i) PlusIfPositive(m, i);
}

// coefText(to) = coefText(from) without a leading "+".
void WithoutPlus(Machine& m, int from, int to) {
  m.strArg = m.coefText[from];
  StripPlusSign(m);
  m.coefText[to] = m.strArg;
}

// After a key, the pair as one sum aL+b+cL+d 55 below, a key, the like terms together
// aL+cL+b+d, a key, the result.
void ShowSumWorking(Machine& m) {
  const auto& t = m.coefText;
  const std::string& L = m.letterText[1];
  Key(m);
  TextStep(m, m.indentX, m.lineY + 55, 0, "=" + t[1] + L + t[2] + t[3] + L + t[4]);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 55, 0, "=" + t[1] + L + t[3] + L + t[2] + t[4]);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 55, 5, "=" + t[5] + m.letterText[2] + t[6]);
}

// (aL+b)+(cL+d) = aL+b+cL+d = aL+cL+b+d, then the sum; a key between the lines.
void WorkedAdditionPass(Machine& m) {
  StartRandomExample(m, PairForm::kAddition);
  const auto& t = m.coefText;
  const std::string& L = m.letterText[1];
  TextStep(m, m.indentX + 27, m.lineY, 0, "(" + t[1] + L + t[2] + ")+(" + t[13] + L + t[4] + ")");
  ShowSumWorking(m);
}

// (aL+b)-(-cL-d): the subtraction as the addition of (cL+d), the operator and the changed terms
// in colour 3; then as the addition.
void WorkedSubtractionPass(Machine& m) {
  StartRandomExample(m, PairForm::kSubtraction);
  const auto& t = m.coefText;
  const std::string& L = m.letterText[1];
  TextStep(m, m.indentX + 27, m.lineY, 0, "(" + t[1] + L + t[2] + ")");
  TextStep(m, m.afterX, m.lineY, 3, "-");
  TextStep(m, m.afterX, m.lineY, 0, "(" + t[7] + L + t[8] + ")");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "=(" + t[1] + L + t[2] + ")");
  TextStep(m, m.afterX, m.lineY, 3, "+");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 0, "(");
  TextStep(m, m.afterX, m.lineY, 3, t[13] + L + t[4]);
  TextStep(m, m.afterX, m.lineY, 0, ")");
  ShowSumWorking(m);
}

}  // namespace

void ShowSection2Goals(Machine& m) {
  ShowGoals(m, 32, {"1次式の加法や減法ができるようになろう。"});
}

void GenerateLinearPair(Machine& m, PairForm form) {
  m.coef[1] = RandomPick(m, 9, 1);
  m.coef[2] = RandomPick(m, 9, 2);
  m.coef[3] = RandomPick(m, 9, 1);
  m.coef[4] = RandomPick(m, 9, 2);
  if (m.coef[1] == m.coef[3]) m.coef[1] += 1;  // before the sign: a + c is never 0
  m.coin = RandomPick(m, 2, 0);
  if (m.coin == 1) m.coef[3] = -m.coef[3];
  m.coef[5] = m.coef[1] + m.coef[3];
  m.coef[6] = m.coef[2] + m.coef[4];

  const bool subtracted = form == PairForm::kSubtraction || form == PairForm::kColumnSubtraction;
  const bool column = form == PairForm::kColumnAddition || form == PairForm::kColumnSubtraction;
  const bool secondExpression = form != PairForm::kAddition;
  if (secondExpression) {
    m.coef[7] = subtracted ? -m.coef[3] : m.coef[3];
    m.coef[8] = subtracted ? -m.coef[4] : m.coef[4];
  }
  NumbersToStrings(m);
  const int lastUnit = secondExpression ? 7 : 5;
  const int lastSigned = secondExpression ? 8 : 6;
  // A column's rows stand under an operator of their own: there a coefficient 1 ends as ""
  // rather than "+".
  if (column) {
    PlusSigns(m, lastSigned);
    UnitCoefficients(m, lastUnit);
  } else {
    UnitCoefficients(m, lastUnit);
    PlusSigns(m, lastSigned);
  }
  WithoutPlus(m, 3, 13);
  WithoutPlus(m, 5, 5);  // the result's first term, right after "="
  if (secondExpression) WithoutPlus(m, 7, 7);

  PickLetter(m, m.letterText);
  m.letterText[2] = m.coef[5] == 0 ? "" : m.letterText[1];  // the result's; never "" here

  if (form == PairForm::kColumnSubtraction) {
    m.signText[1] = m.coef[7] > 0 ? "-" : "+";
    m.signText[2] = m.coef[8] > 0 ? "-" : "+";
  }
}

void StartRandomExample(Machine& m, PairForm form) {
  GenerateLinearPair(m, form);
  StartExampleArea(m);
}

void ShowWorkedAddition(Machine& m) {
  StartExamplePage(m, "例4　次の計算をしなさい。");
  m.exerciseNo = 1;
  RunDrill(m, WorkedAdditionPass);
  TextStep(m, m.marginX, m.lineY + 80, 5, "文字の部分が同じ項どうし、");
  TextStep(m, m.marginX, m.lineY + 50, 5, "数の項どうしを計算する。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 80, 7, "教科書P76 問4　をやろう。");
}

void ShowWorkedSubtraction(Machine& m) {
  StartExamplePage(m, "例5　次の計算をしなさい。");
  m.exerciseNo = 1;
  RunDrill(m, WorkedSubtractionPass);
  TextStep(m, m.marginX, m.lineY + 80, 5, "符号を変えて加える。");
  TextStep(m, m.afterX, m.lineY, 3, "(- → +)");
  TextStep(m, m.marginX, m.lineY + 50, 5, "( )の中の符号もすべて変える。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 80, 7, "教科書P76 問6,問7　をやろう。");
}

}  // namespace orvelle::calc
