// Section 3, item ⑧ "例12" (example 12): two brackets with their factors expanded and the like
// terms collected, then its rules and the worked answers of textbook question 15.
#include <string>

#include "core/screen.h"
#include "lessons/calc/calc_steps.h"
#include "lessons/calc/quotients.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "platform/text.h"

namespace orvelle::calc {
namespace {

using enum Place;

// a1(a2·L + a3) + a4(a5·L + a6) in coef(1..6), with the products a7 to a10 and the collected
// a11, a12: a1 2..4, a2 2..10, a3 -9..-1, a4 -5..-3, a5 -10..-2, a6 1..9, so no coefficient of
// the letter is ever ±1 and no number 0. Seven picks, the letter last.
void PickExpandAndCollect(Machine& m) {
  m.coef[2] = RandomPick(m, 9, 2);
  m.coef[3] = RandomPick(m, 9, 1);
  m.coef[5] = RandomPick(m, 9, 2);
  m.coef[6] = RandomPick(m, 9, 1);
  m.coef[1] = RandomPick(m, 3, 2);
  m.coef[4] = RandomPick(m, 3, 3);
  m.coef[3] = -m.coef[3];
  m.coef[4] = -m.coef[4];
  m.coef[5] = -m.coef[5];
  m.coef[7] = m.coef[1] * m.coef[2];
  m.coef[8] = m.coef[1] * m.coef[3];
  m.coef[10] = m.coef[4] * m.coef[6];
  m.coef[9] = m.coef[4] * m.coef[5];
  m.coef[11] = m.coef[7] + m.coef[9];
  m.coef[12] = m.coef[8] + m.coef[10];
  NumbersToStrings(m);
  // coefText(20 + n): coef(n) as a following term, "+" before a positive one, a negative one in
  // brackets.
  for (m.loopIndex = 1; m.loopIndex <= 12; m.loopIndex = m.loopIndex + 1) {
    const std::string& text = m.coefText[m.loopIndex];
    m.coefText[20 + m.loopIndex] = m.coef[m.loopIndex] > 0 ? "+" + text : "(" + text + ")";
  }
  // a2 leads its bracket: its digits alone.
  m.coefText[22] = CharMid(m.coefText[22], 2);
  PickLetter(m, m.signText);
}

// The problem, its four products one key at a time, the like terms together, the result.
// Seven key waits.
void ShowExpandAndCollect(Machine& m) {
  StartExampleArea(m);
  const std::string& letter = m.signText[1];
  TextStep(m, m.indentX + 27, m.lineY + 20, 0,
           m.coefText[1] + "(" + m.coefText[22] + letter + m.coefText[3] + ")" + m.coefText[4] +
               "(" + m.coefText[5] + letter + m.coefText[26] + ")");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "=");
  Key(m);
  // The products in the order of the distributive law: each bracket's letter term, then its
  // constant.
  const std::string products[] = {m.coefText[7] + letter, m.coefText[8], m.coefText[29] + letter,
                                  m.coefText[10]};
  for (const std::string& product : products) {
    TextStep(m, m.afterX, m.lineY, 0, product);
    Key(m);
  }
  TextStep(m, m.indentX, m.lineY + 50, 0,
           "=" + m.coefText[7] + letter + m.coefText[29] + letter + m.coefText[8] + m.coefText[10]);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 5, "=" + m.coefText[11] + letter + m.coefText[12]);
}

void ExpandAndCollectPass(Machine& m) {
  PickExpandAndCollect(m);
  ShowExpandAndCollect(m);
}

// The rules and exercise (1) under the last example; exercises (2) to (4) in the right column.
// The pointer's page is the one the lesson has always shown.
constexpr PageText kRulesAndExercise1[] = {
    {kMargin, 60, 3, "①分配法則で( )をはずす。"},
    {kMargin, 50, 3, "②文字の同じ部分をまとめる。"},
    {kKey},
    {kMargin, 50, 7, "教科書P70 問15 をやろう。"},
    {kKey},
    {kMargin, 50, 3, "(1)"},
    {kIndent, 0, 0, " 5(x-2)+2(2x+4)"},
    {kIndent, 50, 0, "=5x-10+4x+8"},
    {kIndent, 50, 0, "=5x+4x-10+8"},
    {kAfter, 0, 5, "=9x-2"},
};

constexpr PageText kExercises2To4[] = {
    {kMargin, 0, 3, "(2)"},
    {kIndent, 0, 0, " 6(x+2)-5(2x-3)"},
    {kIndent, 50, 0, "=6x+12-10x+15"},
    {kIndent, 50, 0, "=6x-10x+12+15"},
    {kIndent, 50, 5, "=-4x+27"},
    {kKey},
    {kMargin, 50, 3, "(3)"},
    {kIndent, 0, 0, " 2(a-1)+3(a-4)"},
    {kIndent, 50, 0, "=2a-2+3a-12"},
    {kIndent, 50, 0, "=2a+3a-2-12"},
    {kIndent, 50, 5, "=5a-14"},
    {kKey},
    {kMargin, 50, 3, "(4)"},
    {kIndent, 0, 0, " 5(4x-2)-4(5x-2)"},
    {kIndent, 50, 0, "=20x-10-20x+8"},
    {kIndent, 50, 0, "=20x-20x-10+8"},
    {kIndent, 50, 5, "=-2"},
};

}  // namespace

void ShowCalcExample12(Machine& m) {
  StartExamplePage(m, "例12　次の計算をしなさい。");
  m.exerciseNo = 1;
  RunDrill(m, ExpandAndCollectPass);

  WriteTexts(m, kRulesAndExercise1);
  StartColumn(m, 640, 54, 30);
  Key(m);
  WriteTexts(m, kExercises2To4);
}

}  // namespace orvelle::calc
