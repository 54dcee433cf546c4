// Section 3, item ② "割合": a ratio written four ways, then two drills that apply four random
// ratios to 1000 yen and to an amount written as a letter.
#include <string>

#include "core/fractions.h"
#include "core/prompts.h"
#include "core/screen.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "lessons/intro/quantities.h"
#include "platform/number.h"

namespace orvelle::intro {
namespace {

// The answer boxes of one block: the fixed question, the 1000-yen drill, the letter drill.
constexpr BoxStyle kQuestionBoxes{120, 70, 3, 13};
constexpr BoxStyle kYenBoxes{90, 50, 0, 13};
constexpr BoxStyle kLetterBoxes{150, 75, 0, 13};

// Empty box k, 10 after the text before it; its place is kept in coef(k), auxNum(k) for the
// answer that comes later.
void EmptyBox(Machine& m, const BoxStyle& style, int k) {
  m.coef[k] = m.afterX + 10;
  m.auxNum[k] = m.lineY;
  BoxAroundStep(m, m.coef[k], m.auxNum[k], style, 13, "");
}

// Answer k, drawn in a box over empty box k; the layout cursor stays where it was.
void Answer(Machine& m, const BoxStyle& style, int k, const std::string& text) {
  BoxAroundKept(m, m.coef[k], m.auxNum[k], style, 5, text);
}

// n, d, p and w of a drill pass: hundredths, tenths, percent and 割 (tenths) of the amount.
float PickHundredths(Machine& m) { return RandomPick(m, 69, 1); }
float PickTenths(Machine& m) { return RandomPick(m, 9, 1); }
float PickPercent(Machine& m) { return RandomPick(m, 92, 1); }

// The two question lines of a drill pass, from the band's top: the amount, then the four ratios
// (coefText(11..14)) each with an empty box and "円". `marks` are the pass's circled numbers.
void DrillQuestion(Machine& m, const std::string& amount, const BoxStyle& style,
                   const char* const (&marks)[4]) {
  TextStep(m, m.indentX, m.figY[1], 3, amount);
  TextStep(m, m.afterX + 30, m.lineY, 0, marks[0]);
  TextStep(m, m.afterX, m.lineY, 3, m.coefText[11] + "倍は");
  EmptyBox(m, style, 1);
  TextStep(m, m.afterX + 10, m.lineY, 0, "円");
  TextStep(m, m.indentX, m.lineY + 80, 0, marks[1]);
  TextStep(m, m.afterX, m.lineY, 3, "ﾀ" + m.coefText[12] + "/100ﾀ倍は");
  EmptyBox(m, style, 2);
  TextStep(m, m.afterX + 10, m.lineY, 0, "円");
  TextStep(m, m.afterX + 30, m.lineY, 0, marks[2]);
  TextStep(m, m.afterX, m.lineY, 3, m.coefText[13] + "％は");
  EmptyBox(m, style, 3);
  TextStep(m, m.afterX + 10, m.lineY, 0, "円");
  TextStep(m, m.afterX + 30, m.lineY, 0, marks[3]);
  TextStep(m, m.afterX, m.lineY, 3, m.coefText[14] + "割は");
  EmptyBox(m, style, 4);
  TextStep(m, m.afterX + 10, m.lineY, 0, "円");
}

// The band a drill clears before each pass: from 90 below the line above it, 150 high.
void NextBand(Machine& m) {
  m.figY[1] = m.figY[1] + 90;
  m.figY[2] = m.figY[1] + 150;
}

void ClearBand(Machine& m) { EraseRect(m, 0, m.figY[1], 1760, m.figY[2]); }

// A pass of the 1000-yen drill: the four amounts are whole numbers of yen.
void YenPass(Machine& m) {
  const float n = PickHundredths(m);
  m.coef[12] = n;
  m.coef[22] = 1000 * n / 100;
  const float d = PickTenths(m);
  m.coef[11] = d;
  m.coef[21] = 1000 * d / 10;
  const float p = PickPercent(m);
  m.coef[13] = p;
  m.coef[23] = 1000 * p / 100;
  const float w = PickTenths(m);
  m.coef[14] = w;
  m.coef[24] = 1000 * w / 10;
  NumbersToStrings(m);
  m.coefText[11] = "0." + m.coefText[11];

  ClearBand(m);
  DrillQuestion(m, "1000円の", kYenBoxes, {"⑤", "⑥", "⑦", "⑧"});
  for (int k = 1; k <= 4; ++k) {
    Key(m);
    Answer(m, kYenBoxes, k, m.coefText[20 + k]);
  }
}

// letterText(i) = n/den in lowest terms, as a stacked fraction.
void ReducedFraction(Machine& m, int i, float n, float den) {
  m.fracDen = den;
  m.fracNum = n;
  BuildFraction(m);
  m.letterText[i] = m.columnSecondText;
}

// A pass of the letter drill: the same ratios of an amount x, y, a or b yen.
void LetterPass(Machine& m) {
  m.coef[12] = PickHundredths(m);
  m.coef[11] = PickTenths(m);
  m.coef[13] = PickPercent(m);
  m.coef[14] = PickTenths(m);
  NumbersToStrings(m);
  m.coin = RandomPick(m, 4, 1);
  static constexpr const char* kLetters[] = {"x", "y", "a", "b"};
  m.amountLetter = kLetters[ToInt(m.coin) - 1];
  m.coefText[11] = "0." + m.coefText[11];
  ReducedFraction(m, 1, m.coef[12], 100);
  ReducedFraction(m, 2, m.coef[13], 100);
  ReducedFraction(m, 3, m.coef[14], 10);

  ClearBand(m);
  DrillQuestion(m, m.amountLetter + "円の", kLetterBoxes, {"⑨", "⑩", "⑪", "⑫"});
  Key(m);
  Answer(m, kLetterBoxes, 1, m.coefText[11] + m.amountLetter);
  for (int k = 2; k <= 4; ++k) {
    Key(m);
    Answer(m, kLetterBoxes, k, m.letterText[k - 1] + m.amountLetter);
  }
}

}  // namespace

void ShowRatioItem(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 0, 30);
  m.device.SetDrawWidth(5);  // the boxes' borders; left so for what follows
  TextStep(m, m.indentX, m.lineY, 0, "Q ");
  TextStep(m, m.afterX, m.lineY, 3, "10円");
  TextStep(m, m.afterX, m.lineY, 0, "は");
  TextStep(m, m.afterX, m.lineY, 3, "100円");
  TextStep(m, m.afterX, m.lineY, 0, "の");
  TextStep(m, m.indentX, m.lineY + 80, 0, "①");
  EmptyBox(m, kQuestionBoxes, 1);
  TextStep(m, m.afterX + 10, m.lineY, 0, "倍(小数)");
  TextStep(m, m.afterX + 30, m.lineY, 0, "②");
  EmptyBox(m, kQuestionBoxes, 2);
  TextStep(m, m.afterX + 10, m.lineY, 0, "倍(分数)");
  TextStep(m, m.afterX + 30, m.lineY, 0, "③");
  EmptyBox(m, kQuestionBoxes, 3);
  TextStep(m, m.afterX + 10, m.lineY, 0, "％");
  TextStep(m, m.afterX + 30, m.lineY, 0, "④");
  EmptyBox(m, kQuestionBoxes, 4);
  TextStep(m, m.afterX + 10, m.lineY, 0, "割");
  m.figY[1] = m.drawY;
  static constexpr const char* kAnswers[] = {"0.1", "ﾀ1/10ﾀ", "10", "1"};
  for (int k = 1; k <= 4; ++k) {
    Key(m);
    Answer(m, kQuestionBoxes, k, kAnswers[k - 1]);
  }
  Key(m);

  NextBand(m);
  m.exerciseNo = 0;
  RunDrill(m, YenPass);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 5, "比べる量(答)=もとにする量(1000円)*割合(分数か小数)");
  m.figY[1] = m.drawY;
  Key(m);

  NextBand(m);
  m.exerciseNo = 0;
  RunDrill(m, LetterPass);
}

}  // namespace orvelle::intro
