// Section 1's frame and its first three items: the match-stick question, the drills on terms and
// coefficients, and the worked answers of exercise 1.
#include "lessons/calc/terms.h"

#include <string>

#include "figures/match_squares.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "platform/number.h"

namespace orvelle::calc {
namespace {

using enum Place;

// --- ① P73Q ---

// A row of five squares of 100 units from (x, y); squares 1, 3 and 5 in colour h.
void Row(Machine& m, float x, float y, float h) {
  m.gridOriginX = x;
  m.gridOriginY = y;
  m.squareCount = 5;
  m.highlightMode = h;
  DrawMatchSquares(m);
}

// Upright stick k of the row drawn last, drawn again in colour c at the row's width 7.
void Stick(Machine& m, int k, float c) {
  m.device.Line(m.figX[k], m.figY[k] + 8, m.figX[k], m.figY[6 + k] - 8, ToInt(c));
}

// The reasoning of the two ways under the third row: each way's name, then what it counts.
constexpr PageText kReasoning[] = {
    {kIndent, 60, 3, "てむささん"},
    {kKey},
    {kAfter, 0, 0, "…上の辺は"},
    {kKey},
    {kAfter, 0, 5, "x"},
    {kAfter, 0, 0, "本。"},
    {kIndent, 50, 0, "左右の辺は"},
    {kKey},
    {kAfter, 0, 5, "(x+1)"},
    {kAfter, 0, 0, "本。下の辺は"},
    {kKey},
    {kAfter, 0, 5, "x"},
    {kAfter, 0, 0, "本。"},
    {kIndent, 50, 0, "だから、"},
    {kKey},
    {kAfter, 0, 5, "{x+(x+1)+x}"},
    {kAfter, 0, 0, "本。"},
    {kKey},
    {kIndent, 60, 3, "ほぬりさん"},
    {kKey},
    {kAfter, 0, 0, "…辺は正方形がx個で"},
    {kKey},
    {kAfter, 0, 5, "4x"},
    {kAfter, 0, 0, "本。"},
    {kIndent, 50, 0, "重なった辺が"},
    {kKey},
    {kAfter, 0, 5, "(x-1)"},
    {kAfter, 0, 0, "本。"},
    {kIndent, 50, 0, "だから、"},
    {kKey},
    {kAfter, 0, 5, "{4x-(x-1)}"},
    {kAfter, 0, 0, "本。"},
    {kKey},
};

// --- ② 項,係数 ---

// A terms problem: the expression, written as a sum, and its terms.
struct TermsRow {
  const char* expression;
  const char* sum;
  const char* terms;
};

constexpr TermsRow kTerms[] = {
    {"9x+3", "9x+3", "9x,3"},
    {"x-3y", "x+(-3y)", "x,-3y"},
    {"8-4a+b", "8+(-4a)+b", "8,-4a,b"},
    {"5a-b-6", "5a+(-b)+(-6)", "5a,-b,-6"},
    {"-5a-b-6", "-5a+(-b)+(-6)", "-5a,-b,-6"},
    {"ﾀ3/4ﾀx-5", "ﾀ3/4ﾀx+(-5)", "ﾀ3/4ﾀx,-5"},
    {"ﾀ3/4ﾀx-ﾀ2/5ﾀy", "ﾀ3/4ﾀx+(-ﾀ2/5ﾀy)", "ﾀ3/4ﾀx,-ﾀ2/5ﾀy"},
    {"5x-ﾀy/2ﾀ", "5x+(-ﾀy/2ﾀ)", "5x,-ﾀy/2ﾀ"},
    {"-ﾀx/5ﾀa-ﾀ1/7ﾀb", "-ﾀx/5ﾀa+(-ﾀ1/7ﾀb)", "-ﾀx/5ﾀa,-ﾀ1/7ﾀb"},
    {"ﾀx/2ﾀ-ﾀ1/3ﾀy-ﾀ1/4ﾀ", "ﾀx/2ﾀ+(-ﾀ1/3ﾀy)+(-ﾀ1/4ﾀ)", "ﾀx/2ﾀ,-ﾀ1/3ﾀy,-ﾀ1/4ﾀ"},
};

constexpr const char* kLetters[] = {"a", "b", "c", "x", "y"};

// A coefficient problem: what stands before the letter in the term, and the coefficient.
// Problems 9 and 10 hold their letter in the text.
struct CoefficientRow {
  const char* written;
  const char* coefficient;
};

constexpr CoefficientRow kCoefficients[] = {
    {"5", "5"},           {"-3", "-3"}, {"0.1", "0.1"}, {"-0.1", "-0.1"},   {"ﾀ2/3ﾀ", "ﾀ2/3ﾀ"},
    {"-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ"}, {"", "1"},    {"-", "-1"},    {"ﾀx/3ﾀ", "ﾀ1/3ﾀ"}, {"-ﾀa/2ﾀ", "-ﾀ1/2ﾀ"},
};

// A pass of the terms drill, on the left: problem exerciseNo, a key, its sum and its terms.
void TermsPass(Machine& m) {
  for (int k = 1; k <= 10; ++k) {
    m.coefText[k] = kTerms[k - 1].expression;
    m.coefText[10 + k] = kTerms[k - 1].sum;
    m.coefText[20 + k] = kTerms[k - 1].terms;
  }
  StartColumn(m, 40, 60, 30);
  m.figX[1] = 0;
  m.figY[1] = 80;
  m.figX[2] = 560;
  m.figY[2] = m.figY[1] + 320;
  EraseRect(m, m.figX[1], m.figY[1], m.figX[2], m.figY[2]);
  TextKept(m, m.marginX, m.lineY, 0, "問①　次の式の項をいいなさい。");
  TextStep(m, m.indentX + 27, m.lineY + 80, 0, m.coefText[m.exerciseNo]);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 80, 0, "=" + m.coefText[10 + m.exerciseNo]);
  TextStep(m, m.indentX, m.lineY + 80, 3, "項…" + m.coefText[20 + m.exerciseNo]);
}

// A pass of the coefficient drill, on the right: a term with a random letter, a key, its
// coefficient.
void CoefficientPass(Machine& m) {
  for (int k = 1; k <= 5; ++k) m.coefText[k] = kLetters[k - 1];
  for (int k = 1; k <= 10; ++k) {
    m.coefText[10 + k] = kCoefficients[k - 1].written;
    m.coefText[20 + k] = kCoefficients[k - 1].coefficient;
  }
  m.letterPick = RandomPick(m, 5, 1);
  StartColumn(m, 600, 60, 30);
  m.figX[1] = m.marginX;
  m.figY[1] = 0;
  m.figX[2] = 1600;
  m.figY[2] = m.figY[1] + 400;
  EraseRect(m, m.figX[1], m.figY[1], m.figX[2], m.figY[2]);
  if (m.exerciseNo == 9) {
    m.coefText[m.letterPick] = "x";
  } else if (m.exerciseNo == 10) {
    m.coefText[m.letterPick] = "a";
  }
  TextKept(m, m.marginX, m.lineY, 0, "問②　" + m.coefText[m.letterPick] + "の係数をいいなさい。");
  if (m.exerciseNo > 8) m.coefText[m.letterPick] = "";  // the text holds the letter already
  TextStep(m, m.indentX + 27, m.lineY + 80, 0,
           m.coefText[10 + m.exerciseNo] + m.coefText[m.letterPick]);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 80, 3, "係数…" + m.coefText[20 + m.exerciseNo]);
}

// --- ③ 問1 ---

// Exercise 1: each expression after its label, then, a key each, its terms and the coefficients
// of its two letters (the second on the same line).
// clang-format off
constexpr PageText kExercise1Left[] = {
    {kMargin, 0, 3, "問1　解答"},
    {kMargin, 75, 3, "(1)"}, {kInset, 27, 0, "4x+y=4x+1y"},
        {kIndent, 50, 0, "項…"}, {kKey}, {kAfter, 0, 5, "4x,y"},
        {kIndent, 50, 0, "xの係数…"}, {kKey}, {kAfter, 0, 5, "4"},
        {kAfter, 27, 0, "yの係数…"}, {kKey}, {kAfter, 0, 5, "1"},
    {kMargin, 85, 3, "(2)"}, {kInset, 27, 0, "7x-2y"},
        {kIndent, 50, 0, "項…"}, {kKey}, {kAfter, 0, 5, "7x,-2y"},
        {kIndent, 50, 0, "xの係数…"}, {kKey}, {kAfter, 0, 5, "7"},
        {kAfter, 27, 0, "yの係数…"}, {kKey}, {kAfter, 0, 5, "-2"},
};

constexpr PageText kExercise1Right[] = {
    {kMargin, 0, 3, "(3)"}, {kInset, 27, 0, "-x+ﾀ2/3ﾀy+5=-1x+ﾀ2/3ﾀy+5"},
        {kIndent, 80, 0, "項…"}, {kKey}, {kAfter, 0, 5, "-x,ﾀ2/3ﾀy,5"},
        {kIndent, 80, 0, "xの係数…"}, {kKey}, {kAfter, 0, 5, "-1"},
        {kAfter, 27, 0, "yの係数…"}, {kKey}, {kAfter, 0, 5, "ﾀ2/3ﾀ"},
    {kMargin, 85, 3, "(4)"}, {kInset, 27, 0, "5a-ﾀb/4ﾀ-ﾀ1/3ﾀ=5a-ﾀ1/4ﾀb-ﾀ1/3ﾀ"},
        {kIndent, 90, 0, "項…"}, {kKey}, {kAfter, 0, 5, "5a,-ﾀb/4ﾀ,-ﾀ1/3ﾀ"},
        {kIndent, 80, 0, "aの係数…"}, {kKey}, {kAfter, 0, 5, "5"},
        {kAfter, 27, 0, "bの係数…"}, {kKey}, {kAfter, 0, 5, "-ﾀ1/4ﾀ"},
};
// clang-format on

}  // namespace

void ShowSection1Goals(Machine& m) {
  ShowGoals(
      m, 32,
      {"1　項と係数の意味を知り、いえるようになろう。", "2　文字の部分が同じ項をまとめよう。"});
}

void ShowP73Question(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 0, 30);
  TextStep(m, m.indentX, m.lineY, 0, "教科書P73Q をやってみよう。");

  // The first way: one stick, then three for each square.
  TextStep(m, m.indentX, m.lineY + 60, 7, "<ぬべろさんの考え>");
  TextStep(m, m.indentX + 120, m.lineY + 50, 3, "1+3x");
  Row(m, m.indentX, m.lineY + 60, 0);
  Key(m);
  Row(m, m.gridOriginX, m.gridOriginY, 3);
  Stick(m, 0, 0);
  Key(m);

  // The second way's row, kept at coef(1), auxNum(1) to colour its sticks later.
  TextStep(m, m.indentX, m.figY[6] + 50, 7, "<てむささんの考え>");
  TextStep(m, m.indentX + 120, m.lineY + 50, 3, "x+(x+1)+x");
  Row(m, m.indentX, m.lineY + 60, 0);
  m.coef[1] = m.gridOriginX;
  m.auxNum[1] = m.gridOriginY;
  Key(m);

  // The third way's row, on the right, kept at coef(2), auxNum(2).
  StartColumn(m, 640, 0, 30);
  TextStep(m, m.indentX, m.lineY, 7, "<ほぬりさんの考え>");
  TextStep(m, m.indentX + 120, m.lineY + 50, 3, "4x-(x-1)");
  Row(m, m.indentX, m.lineY + 60, 0);
  m.coef[2] = m.gridOriginX;
  m.auxNum[2] = m.gridOriginY;
  Key(m);

  // The sticks each way counts: all six upright ones of the second row, the four shared ones
  // of the third.
  Row(m, m.coef[1], m.auxNum[1], 0);
  for (int k = 0; k <= 5; ++k) Stick(m, k, 3);
  Key(m);
  Row(m, m.coef[2], m.auxNum[2], 0);
  for (int k = 1; k <= 4; ++k) Stick(m, k, 7);
  Key(m);

  // The reasoning under the third row.
  StartColumn(m, 640, 0, m.figY[6] - 40);
  WriteTexts(m, kReasoning);
  TextStep(m, 40, m.lineY + 60, 5, "x+(x+1)+x=1+3x ,4x-(x-1)=1+3x");
  TextStep(m, m.afterX, m.lineY, 3, " となるのかな?");
}

void ShowTermsAndCoefficients(Machine& m) {
  ClearPage(m, 1320, 1300);
  RunTableDrill(m, 10, TermsPass);
  TextStep(m, m.marginX, m.lineY + 80, 5, "項");
  TextStep(m, m.afterX, m.lineY, 3, "…+(加法の記号）で結ばれた、");
  TextStep(m, m.indentX, m.lineY + 50, 3, "1つ1つの数や文字式");
  Key(m);

  // The left part stays while the coefficient drill runs on the right.
  RunTableDrill(m, 10, CoefficientPass);
  TextStep(m, m.marginX, m.lineY + 80, 5, "係数");
  TextStep(m, m.afterX, m.lineY, 3, "…文字をふくむ項の数の部分");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 90, 7, "教科書P74 問1 をしなさい。");
}

void ShowExercise1Answers(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 54, 30);
  WriteTexts(m, kExercise1Left);
  StartColumn(m, 600, 54, 60);
  WriteTexts(m, kExercise1Right);
}

}  // namespace orvelle::calc
