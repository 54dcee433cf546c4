// Section 3, item ④ "例7": distance, time and speed, four drills side by side on one screen.
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

// 問①: the distance from a speed and a time; the left column from the top.
void DistancePass(Machine& m) {
  PickSpeedAndTime(m);
  m.auxNum[1] = m.coef[1] * m.coef[2];
  NumbersToStrings(m);
  const std::string v = m.coefText[1], t = m.coefText[2], d = m.signText[1];
  EraseDrillArea(m, 0, 0, 560, 320);
  StartColumn(m, 40, 60, 30);
  TextStep(m, m.marginX, m.lineY, 0, "問①　分速" + v + "mで " + t + "分");
  TextStep(m, m.marginX, m.lineY + 50, 0, "進むときの道のりを求めなさい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 0, v + "*" + t + "=");
  TextStep(m, m.afterX, m.lineY, 3, d + " (m)");
}

// 問②: the time from a speed and a distance; the left column under 問①'s formula.
void TimePass(Machine& m) {
  PickSpeedAndTime(m);
  m.auxNum[1] = m.coef[1] * m.coef[2];
  NumbersToStrings(m);
  const std::string v = m.coefText[1], t = m.coefText[2], d = m.signText[1];
  EraseDrillArea(m, 0, m.figY[1], 560, m.figY[1] + 320);
  StartColumn(m, 40, 60, m.figY[1]);
  TextStep(m, m.marginX, m.lineY, 0, "問②　分速" + v + "mで " + d + "m");
  TextStep(m, m.marginX, m.lineY + 50, 0, "進むときにかかる時間を求めなさい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 80, 0, "ﾀ" + d + "/" + v + "ﾀ=");
  TextStep(m, m.afterX, m.lineY, 3, t + " (分間)");
}

// 問③: the speed from a distance and a time; the right column from the top.
void SpeedPass(Machine& m) {
  PickSpeedAndTime(m);
  m.auxNum[1] = m.coef[1] * m.coef[2];
  NumbersToStrings(m);
  const std::string v = m.coefText[1], t = m.coefText[2], d = m.signText[1];
  EraseDrillArea(m, 640, 30, 2000, 350);
  StartColumn(m, 640, 60, 30);
  TextStep(m, m.marginX, m.lineY, 0, "問③　" + d + "m を" + t + "分で");
  TextStep(m, m.marginX, m.lineY + 50, 0, "進むときの速さ(分速)を求めなさい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 80, 0, "ﾀ" + d + "/" + t + "ﾀ=");
  TextStep(m, m.afterX, m.lineY, 3, v);
  TextStep(m, m.afterX + 10, m.lineY, 5, "(毎分" + v + "m)");
}

// 問④: the three questions in turn (exerciseNo 1, 2, 3), one given quantity a letter.
void LetterSpeedPass(Machine& m) {
  PickSpeedAndTime(m);
  m.coef[3] = m.coef[1] * m.coef[2];
  if (m.exerciseNo == 4) m.exerciseNo = 1;
  NumbersToStrings(m);
  m.letterText[2] = "a";
  m.letterText[3] = "b";
  m.letterText[4] = "x";
  m.letterText[5] = "y";
  m.coin = RandomPick(m, 4, 2);
  m.letterText[1] = m.letterText[ToInt(m.coin)];
  const std::string l = m.letterText[1];
  const std::string v = m.coefText[1], t = m.coefText[2], d = m.coefText[3];
  if (m.exerciseNo == 1) {  // the time is the letter
    m.coefText[2] = l;
    m.signText[1] = "問④　分速" + v + "mで " + l + "分";
    m.signText[11] = "進むときの道のりを求めなさい。";
    m.signText[21] = v + "*" + l + "=";
    m.signText[31] = v + l + " (m)";
  } else if (m.exerciseNo == 2) {  // the speed is the letter
    m.coefText[1] = l;
    m.signText[1] = "問④　分速" + l + "mで " + d + "m";
    m.signText[11] = "進むときにかかる時間を求めなさい。";
    m.signText[21] = "";
    m.signText[31] = "ﾀ" + d + "/" + l + "ﾀ" + " (分間)";
  } else {  // the distance is the letter
    m.coefText[3] = l;
    m.signText[1] = "問④　" + l + "m を" + t + "分で";
    m.signText[11] = "進むときの速さ(分速)を求めなさい。";
    m.signText[21] = "";
    m.signText[31] = "毎分 ﾀ" + l + "/" + t + "ﾀ m";
  }

  EraseDrillArea(m, 640, m.figY[1], 2000, m.figY[1] + 320);
  StartColumn(m, 640, 60, m.figY[1]);
  TextStep(m, m.marginX, m.lineY, 0, m.signText[1]);
  TextStep(m, m.marginX, m.lineY + 50, 0, m.signText[11]);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 80, 0, m.signText[21]);  // "" leaves the x at indentX
  TextStep(m, m.afterX + 10, m.lineY, 5, m.signText[31]);
}

// The textbook exercise under the last drill.
constexpr PageText kExercise10[] = {
    {kKey},
    {kMargin, 70, 7, "教科書P69問10 をしなさい。"},
    {kKey},
    {kIndent, 80, 5, "ﾀ800/xﾀ分間"},
};

}  // namespace

void PickSpeedAndTime(Machine& m) {
  float pick = RandomPick(m, 5, 6);
  // The speed of the pass before never comes twice in a row: a repeat shows 50, and the pick
  // it repeated stays the one compared.
  if (pick == m.lastPick) {
    pick = 5;
  } else {
    m.lastPick = pick;
  }
  m.coef[1] = 10 * pick;
  m.coef[2] = RandomPick(m, 10, 30);
}

void ShowSpeedItem(Machine& m) {
  ClearPage(m, 1320, 1300);

  m.exerciseNo = 1;
  RunDrill(m, DistancePass);
  TextStep(m, m.marginX, m.lineY + 60, 5, "(道のり)=(速さ)*(時間)");
  m.figY[1] = m.drawY + 100;
  Key(m);

  m.exerciseNo = 1;
  RunDrill(m, TimePass);
  TextStep(m, m.marginX, m.lineY + 70, 5, "(時間)=ﾀ道のり/速さﾀ");
  Key(m);

  m.exerciseNo = 1;
  RunDrill(m, SpeedPass);
  TextStep(m, m.marginX, m.lineY + 70, 5, "(速さ)=ﾀ道のり/時間ﾀ");
  m.figY[1] = m.drawY + 90;
  Key(m);

  RunCountedDrill(m, LetterSpeedPass);
  WriteTexts(m, kExercise10);
}

}  // namespace orvelle::intro
