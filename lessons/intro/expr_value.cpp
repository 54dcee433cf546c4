// Section 4's frame and its item ① "P71Q": the sticks formula at 30 squares, the words 代入 and
// 式の値, and two drills on the value of 5-4x.
#include "lessons/intro/expr_value.h"

#include <string>

#include "core/screen.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "platform/number.h"

namespace orvelle::intro {
namespace {

using enum Place;

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
  EraseBox(m, 680, 0, 1320, 1300);
  m.coef[1] = RandomPick(m, 10, 1);
  FiveMinusFourX(m);
  StartColumn(m, 680, 0, 30);
  TextStep(m, m.indentX, m.lineY, 0, "問①　x=" + m.coefText[1] + "のとき、");
  TextStep(m, m.indentX + 108, m.lineY + 50, 0, "5-4xの値を求めなさい。");
  WorkFiveMinusFourX(m);
}

// 問②: x from -1 to -10, on the right below 問①'s rule.
void NegativeXPass(Machine& m) {
  EraseBox(m, 680, m.figY[1], 1320, 1300);
  m.coef[1] = -RandomPick(m, 10, 1);
  FiveMinusFourX(m);
  StartColumn(m, 680, 0, m.figY[1]);
  TextStep(m, m.indentX, m.lineY, 0, "問②　x=" + m.coefText[1] + "のときは？");
  WorkFiveMinusFourX(m);
}

// The sticks formula for x squares and at 30 squares, and the words 代入 and 式の値; the
// meaning of 代入 goes on under the indent.
// clang-format off
constexpr PageText kSticksAtThirty[] = {
    {kMargin, 0, 3, "教科書P71Q　をやってみよう。"},
    {kKey},
    {kMargin, 50, 0, "正方形を"}, {kAfter, 0, 3, "x"}, {kAfter, 0, 0, "個つくるとき、棒の本数は"},
    {kMargin, 50, 0, "1+3*"}, {kAfter, 0, 3, "x"}, {kAfter, 0, 0, "=1+3"}, {kAfter, 0, 3, "x…①"},
    {kKey},
    {kMargin, 50, 0, "正方形を"}, {kAfter, 0, 3, "30"}, {kAfter, 0, 0, "個つくるとき、棒の本数は"},
    {kKey},
    {kMargin, 50, 0, "1+3*"},
    {kKey},
    {kAfter, 0, 3, "30"}, {kAfter, 0, 0, "=1+90="}, {kAfter, 0, 5, "91(本)"}, {kAfter, 0, 3, "…②"},
    {kKey},
    {kMargin, 50, 3, "②は、①の"}, {kAfter, 0, 5, "x"}, {kAfter, 0, 3, "を"}, {kAfter, 0, 5, "30"},
        {kAfter, 0, 3, "にして計算している。"},
    {kKey},
    {kMargin, 70, 5, "<式の値>"},
    {kMargin, 50, 5, "代入"},
    {kKey},
    {kAfter, 0, 0, "…式の中の文字に"},
    {kIndent, 50, 0, "数をあてはめること"}, {kAfter, 0, 3, "(②の式)"},
    {kMargin, 50, 5, "式の値"},
    {kKey},
    {kAfter, 0, 0, "…代入して計算した結果"}, {kAfter, 0, 3, "(91)"},
    {kKey},
};
// clang-format on

}  // namespace

void ShowExprValueGoals(Machine& m) {
  ShowGoals(m, 32, {"代入と式の値の意味を知り、式の値を求めよう。"});
}

void ShowP71Question(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 108, 30);
  WriteTexts(m, kSticksAtThirty);

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
