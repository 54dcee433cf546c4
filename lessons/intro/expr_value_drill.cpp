// Section 4, item ④ "例３": the value of 3x+2y for random x and y, one of them negative, then
// the rules of substitution and the textbook exercise at x = -3, y = 5.
#include <string>

#include "core/prompts.h"
#include "core/screen.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/steps.h"
#include "lessons/intro/expr_value.h"
#include "platform/number.h"

namespace orvelle::intro {
namespace {

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
  m.indentX = 40;
  m.lineY = 30;

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

// The exercise at x = -3, y = 5: each question's working lines start under the end of its
// expression.
struct Question {
  float gap;  // below the line before
  const char* expression;
  const char* substituted;
  const char* products;
  const char* value;
};

constexpr Question kExercise3[] = {
    {50, "(1)2x-5y", "=2*(-3)-5*5", "=-6-25", "=-31"},
    {50, "(2)-x-3y", "=-(-3)-3*5", "=3-15", "=-12"},
    {60, "(3)x^2+3y", "=(-3)^2+3*5", "=9+15", "=24"},
};

}  // namespace

void ShowValueDrill(Machine& m) {
  ClearPage(m, 1760, 1300);
  // No enteredValue = 3 here: the sub-menu has left 10, so the first problem always comes.
  while (m.enteredValue != 1) {
    ValuePass(m);
    NextStepPrompt(m);
  }

  TextStep(m, m.indentX, m.lineY + 50, 5, "代入するとき、*　を書く");
  TextStep(m, m.indentX, m.lineY + 50, 5, "負の数は、( )をつける");
  Key(m);
  m.marginX = 600;
  m.indentX = m.marginX + 60;
  m.lineY = 30;
  TextStep(m, m.marginX, m.lineY, 7, "教科書P72問3 をしなさい。");
  bool first = true;  // only the first question waits after the pointer
  for (const Question& q : kExercise3) {
    if (first) Key(m);
    first = false;
    TextStep(m, m.marginX, m.lineY + q.gap, 3, q.expression);
    m.answerX = m.drawX;
    Key(m);
    TextStep(m, m.afterX, m.lineY, 0, q.substituted);
    Key(m);
    TextStep(m, m.answerX, m.lineY + 50, 0, q.products);
    Key(m);
    TextStep(m, m.answerX, m.lineY + 50, 5, q.value);
  }
}

}  // namespace orvelle::intro
