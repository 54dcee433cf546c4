// Section 4's frame and its item ① "P71Q": the sticks formula at 30 squares, the words 代入 and
// 式の値, and two drills on the value of 5-4x.
#include "lessons/intro/expr_value.h"

#include <string>

#include "core/screen.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "lessons/intro/program.h"
#include "platform/number.h"

namespace orvelle::intro {
namespace {

// coefText(11) = x as it is substituted (a negative x in brackets); coefText(12) = -4x with its
// sign ("+" in front when positive).
void SubstitutionTexts(Machine& m) {
  m.coefText[11] = m.coef[1] < 0 ? "(" + m.coefText[1] + ")" : m.coefText[1];
  m.coefText[12] = m.coef[2] > 0 ? "+" + m.coefText[2] : m.coefText[2];
}

// The value of 5-4x for coef(1) = x, and its texts.
void FiveMinusFourX(Machine& m) {
  m.coef[2] = -4 * m.coef[1];
  m.coef[3] = 5 + m.coef[2];
  NumbersToStrings(m);
  SubstitutionTexts(m);
}

// The answer of a pass from lineY on: the substitution and the two working lines.
void WorkFiveMinusFourX(Machine& m) {
  const std::string x = m.coefText[1];
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 5, "＜解答＞");
  Key(m);
  TextStep(m, m.afterX + 10, m.lineY, 3, "x=" + x + "を代入して");
  Key(m);
  TextStep(m, m.indentX + 27, m.lineY + 50, 0, "5-4x");
  m.figX[1] = m.drawX;
  Key(m);
  TextStep(m, m.afterX, m.lineY, 0, "=5-4*" + m.coefText[11]);
  Key(m);
  TextStep(m, m.figX[1], m.lineY + 50, 0, "=5" + m.coefText[12]);
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "=" + m.coefText[3]);
}

// 問①: x from 1 to 10, on the right from the top.
void PositiveXPass(Machine& m) {
  m.device.Box(680, 0, 680 + 1320, 0 + 1300, 15, 15);
  m.coef[1] = RandomPick(m, 10, 1);
  FiveMinusFourX(m);
  m.indentX = 680;
  m.lineY = 30;
  TextStep(m, m.indentX, m.lineY, 0, "問①　x=" + m.coefText[1] + "のとき、");
  TextStep(m, m.indentX + 108, m.lineY + 50, 0, "5-4xの値を求めなさい。");
  WorkFiveMinusFourX(m);
}

// 問②: x from -1 to -10, on the right below 問①'s rule.
void NegativeXPass(Machine& m) {
  m.device.Box(680, m.figY[1], 680 + 1320, m.figY[1] + 1300, 15, 15);
  m.coef[1] = -RandomPick(m, 10, 1);
  FiveMinusFourX(m);
  m.indentX = 680;
  m.lineY = m.figY[1];
  TextStep(m, m.indentX, m.lineY, 0, "問②　x=" + m.coefText[1] + "のときは？");
  WorkFiveMinusFourX(m);
}

}  // namespace

void ShowExprValueMenu(Machine& m) {
  RunSection(m, ShowExprValueGoals, kExprValue,
             {ShowP71Question, ShowExercise1Answers, ShowExample2Answers, ShowValueDrill});
}

void ShowExprValueGoals(Machine& m) {
  ShowGoals(m, 32, {"代入と式の値の意味を知り、式の値を求めよう。"});
}

void ShowP71Question(Machine& m) {
  ClearPage(m, 1760, 1300);
  m.indentX = 40;
  m.lineY = 30;
  TextStep(m, m.indentX, m.lineY, 3, "教科書P71Q　をやってみよう。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "正方形を");
  TextStep(m, m.afterX, m.lineY, 3, "x");
  TextStep(m, m.afterX, m.lineY, 0, "個つくるとき、棒の本数は");
  TextStep(m, m.indentX, m.lineY + 50, 0, "1+3*");
  TextStep(m, m.afterX, m.lineY, 3, "x");
  TextStep(m, m.afterX, m.lineY, 0, "=1+3");
  TextStep(m, m.afterX, m.lineY, 3, "x…①");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "正方形を");
  TextStep(m, m.afterX, m.lineY, 3, "30");
  TextStep(m, m.afterX, m.lineY, 0, "個つくるとき、棒の本数は");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "1+3*");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 3, "30");
  TextStep(m, m.afterX, m.lineY, 0, "=1+90=");
  TextStep(m, m.afterX, m.lineY, 5, "91(本)");
  TextStep(m, m.afterX, m.lineY, 3, "…②");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 3, "②は、①の");
  TextStep(m, m.afterX, m.lineY, 5, "x");
  TextStep(m, m.afterX, m.lineY, 3, "を");
  TextStep(m, m.afterX, m.lineY, 5, "30");
  TextStep(m, m.afterX, m.lineY, 3, "にして計算している。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 5, "<式の値>");
  TextStep(m, m.indentX, m.lineY + 50, 5, "代入");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 0, "…式の中の文字に");
  TextStep(m, m.indentX + 108, m.lineY + 50, 0, "数をあてはめること");
  TextStep(m, m.afterX, m.lineY, 3, "(②の式)");
  TextStep(m, m.indentX, m.lineY + 50, 5, "式の値");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 0, "…代入して計算した結果");
  TextStep(m, m.afterX, m.lineY, 3, "(91)");
  Key(m);

  m.exerciseNo = 0;
  RunDrill(m, PositiveXPass);
  TextStep(m, m.indentX, m.lineY + 50, 5, "代入するとき、*にする");
  m.figY[1] = m.drawY + 80;
  Key(m);

  m.exerciseNo = 0;
  RunDrill(m, NegativeXPass);
  TextStep(m, m.indentX, m.lineY + 50, 5, "- のとき、( )をつける");
  Key(m);
  TextStep(m, 44, 600, 7, "教科書P71 問1 をしなさい。");
}

}  // namespace orvelle::intro
