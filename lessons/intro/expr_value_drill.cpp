// Section 4, item ④ "例３": the value of 3x+2y for random x and y, one of them negative, then
// the rules of substitution and the textbook exercise at x = -3, y = 5.
#include <string>

#include "core/screen.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "lessons/intro/expr_value.h"
#include "platform/number.h"

namespace orvelle::intro {
namespace {

using enum Place;

// A value as it is substituted into a product: a negative one in brackets.
std::string Substituted(float value, const std::string& text) {
  return value < 0 ? "(" + text + ")" : text;
}

// x and y from 1 to 10, and one of them (coin 1: x, 2: y) made negative.
void PickXAndY(Machine& m) {
  m.coef[1] = RandomPick(m, 10, 1);
  m.coef[2] = RandomPick(m, 10, 1);
  m.coin = RandomPick(m, 2, 1);
  if (m.coin == 1) {
    m.coef[1] = -m.coef[1];
  } else {
    m.coef[2] = -m.coef[2];
  }
}

void ValuePass(Machine& m) {
  ClearPage(m, 1760, 1300);
  PickXAndY(m);
  m.coef[3] = 3 * m.coef[1];
  m.coef[4] = 2 * m.coef[2];
  m.coef[5] = m.coef[3] + m.coef[4];
  NumbersToStrings(m);
  m.coefText[11] = Substituted(m.coef[1], m.coefText[1]);
  m.coefText[12] = Substituted(m.coef[2], m.coefText[2]);
  if (m.coef[4] > 0) m.coefText[4] = "+" + m.coefText[4];
  StartColumn(m, 40, 0, 30);

  const std::string given = "x=" + m.coefText[1] + ",y=" + m.coefText[2];
  TextStep(m, m.indentX, m.lineY, 0, "例3　" + given + "のとき、");
  TextStep(m, m.indentX + 72, m.lineY + 50, 0, "3x+2y　の値を求めなさい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 5, "＜解答＞");
  Key(m);
  TextStep(m, m.afterX + 10, m.lineY, 3, given + "を代入して");
  Key(m);
  TextStep(m, m.indentX + 27, m.lineY + 50, 0, "3x+2y");
  m.figX[1] = m.drawX;
  Key(m);
  TextStep(m, m.afterX, m.lineY, 0, "=3*" + m.coefText[11] + "+2*" + m.coefText[12]);
  Key(m);
  TextStep(m, m.figX[1], m.lineY + 50, 0, "=" + m.coefText[3] + m.coefText[4]);
  Key(m);
  TextStep(m, m.figX[1], m.lineY + 50, 5, "=" + m.coefText[5]);
}

// The rules under the last problem, then the exercise at x = -3, y = 5 in the right column: each
// question's working lines start under the end of its expression.
constexpr PageText kRules[] = {
    {kIndent, 50, 5, "代入するとき、*　を書く"},
    {kIndent, 50, 5, "負の数は、( )をつける"},
    {kKey},
};

// clang-format off
constexpr PageText kExercise3[] = {
    {kMargin, 0, 7, "教科書P72問3 をしなさい。"},
    {kKey},
    {kQuestion, 50, 3, "(1)2x-5y"}, {kKey}, {kAfter, 0, 0, "=2*(-3)-5*5"},
        {kKey}, {kUnder, 0, 0, "=-6-25"},
        {kKey}, {kUnder, 0, 5, "=-31"},
    {kQuestion, 50, 3, "(2)-x-3y"}, {kKey}, {kAfter, 0, 0, "=-(-3)-3*5"},
        {kKey}, {kUnder, 0, 0, "=3-15"},
        {kKey}, {kUnder, 0, 5, "=-12"},
    {kQuestion, 60, 3, "(3)x^2+3y"}, {kKey}, {kAfter, 0, 0, "=(-3)^2+3*5"},
        {kKey}, {kUnder, 0, 0, "=9+15"},
        {kKey}, {kUnder, 0, 5, "=24"},
};
// clang-format on

}  // namespace

void ShowValueDrill(Machine& m) {
  ClearPage(m, 1760, 1300);
  RunDrill(m, ValuePass);
  WriteTexts(m, kRules);
  StartColumn(m, 600, 60, 30);
  WriteTexts(m, kExercise3);
}

}  // namespace orvelle::intro
