// Section 3, items ⑤ "例8" and ⑥ "問12": the circumference of a circle, with 3.14 and with π.
#include <string>

#include "core/screen.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "lessons/intro/quantities.h"
#include "platform/number.h"

namespace orvelle::intro {
namespace {

using enum Place;

// 問①: the circumference for a diameter from the table, with 3.14.
void DiameterPass(Machine& m) {
  static constexpr float kDiameters[] = {1, 2, 10, 20, 100, 200};
  for (int i = 1; i <= 6; ++i) m.auxNum[i] = kDiameters[i - 1];
  m.coin = RandomPick(m, 6, 1);
  m.coef[1] = m.auxNum[ToInt(m.coin)];
  m.coef[2] = m.coef[1] * 3.14f;
  NumbersToStrings(m);
  EraseDrillArea(m, 0, 0, 560, 320);
  StartColumn(m, 40, 60, 30);
  TextStep(m, m.marginX, m.lineY, 0, "問①　直径" + m.coefText[1] + "cmの");
  TextStep(m, m.marginX, m.lineY + 50, 0, "円の周の長さを求めなさい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 0, m.coefText[1] + "*3.14=");
  TextStep(m, m.afterX, m.lineY, 3, m.coefText[2] + " (cm)");
}

// 問②: the circumference for a random radius, with π.
void RadiusPass(Machine& m) {
  PickRadius(m);
  m.coef[2] = 2 * m.coef[1];
  NumbersToStrings(m);
  EraseDrillArea(m, 0, m.figY[1], 560, m.figY[1] + 320);
  StartColumn(m, 40, 60, m.figY[1]);
  TextStep(m, m.marginX, m.lineY, 0, "問②　半径" + m.coefText[1] + "cmの円の周の");
  TextStep(m, m.marginX, m.lineY + 50, 0, "長さを、πを使って求めなさい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 80, 0, "2*" + m.coefText[1] + "*π=");
  TextStep(m, m.afterX, m.lineY, 3, m.coefText[2] + "π (cm)");
}

// Q: the diameter and the circumference of a circle of radius L cm.
void LetterRadiusPass(Machine& m) {
  static constexpr const char* kLetters[] = {"a", "b", "x", "y", "r"};
  for (int i = 1; i <= 5; ++i) m.signText[i] = kLetters[i - 1];
  m.coin = RandomPick(m, 5, 1);
  m.letterText[1] = m.signText[ToInt(m.coin)];
  const std::string l = m.letterText[1];
  EraseDrillArea(m, 0, 0, 560, 320);
  StartColumn(m, 40, 60, 30);
  TextStep(m, m.marginX, m.lineY, 0, "Q　半径" + l + "cmのとき");
  TextStep(m, m.marginX, m.lineY + 50, 0, "直径と円周を求めなさい。");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 60, 3, "直径…");
  TextStep(m, m.afterX, m.lineY, 0, "2*" + l + "=");
  TextStep(m, m.afterX, m.lineY, 5, "2" + l + " (cm)");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 60, 3, "円周…");
  TextStep(m, m.afterX, m.lineY, 0, "2*" + l + "*π=");
  TextStep(m, m.afterX, m.lineY, 5, "2π" + l + " (cm)");
}

// The textbook exercises after the drills, in the right column.
constexpr PageText kExercise11[] = {
    {kKey},
    {kMargin, 0, 7, "教科書P70 問11 をしなさい。"},
    {kKey},
    {kIndent, 60, 0, "5*π="},
    {kAfter, 0, 5, "5π (cm)"},
};

constexpr PageText kExercise12[] = {
    {kMargin, 0, 7, "教科書P70 問12 をしなさい。"},
    {kKey},
    {kIndent, 60, 0, "r*r*π="},
    {kAfter, 0, 5, "πr^2 (cm^2)"},
};

}  // namespace

void PickRadius(Machine& m) {
  m.coef[1] = RandomPick(m, 9, 1);
  // The same pick twice in a row shows 10, and the pick before stays the one compared; the speed
  // drills keep their picks in lastPick too.
  if (m.coef[1] == m.lastPick) {
    m.coef[1] = 10;
  } else {
    m.lastPick = m.coef[1];
  }
}

void ShowCircleExample8(Machine& m) {
  ClearPage(m, 1320, 1300);
  m.exerciseNo = 1;
  RunDrill(m, DiameterPass);
  TextStep(m, m.marginX, m.lineY + 60, 3, "円周率(3.14)を");
  m.figY[1] = m.lineY + 100;
  TextStep(m, m.afterX, m.lineY, 5, "π");
  TextStep(m, m.afterX, m.lineY, 3, "で表す。");
  Key(m);

  m.exerciseNo = 1;
  RunDrill(m, RadiusPass);
  TextStep(m, m.marginX, m.lineY + 70, 5, "πは数のあと、文字の前に書く");
  StartColumn(m, 640, 60, 30);
  WriteTexts(m, kExercise11);
}

void ShowCircleExercise12(Machine& m) {
  ClearPage(m, 1320, 1300);
  m.exerciseNo = 1;
  RunDrill(m, LetterRadiusPass);
  StartColumn(m, 640, 60, 30);
  WriteTexts(m, kExercise12);
}

}  // namespace orvelle::intro
