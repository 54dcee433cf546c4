#include "lessons/apply/numbers.h"

#include <string>

#include "core/prompts.h"
#include "core/screen.h"
#include "lessons/common/page.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "platform/number.h"

namespace orvelle::apply {
namespace {

using enum Place;

// clang-format off
// The rule, in a column right of the table, and the answers of textbook P83 問1: the multiple,
// one key later what it stands for.
constexpr PageText kMultiplesRule[] = {
    {kMargin, 50, 0, "3の倍数は、"},
        {kKey}, {kAfter, 0, 5, "3*整数　"}, {kAfter, 0, 0, "の形で表せるから、"},
    {kKey},
    {kMargin, 50, 5, "3n "}, {kAfter, 0, 0, "は"}, {kAfter, 0, 3, "3の倍数"},
        {kAfter, 0, 0, "を表している。"},
    {kKey},
    {kMargin, 70, 7, "教科書P83 問1をしなさい。"},
    {kKey}, {kMargin, 50, 7, "(1)"}, {kAfter, 0, 0, "5n "}, {kKey}, {kAfter, 0, 5, "5の倍数"},
    {kKey}, {kMargin, 50, 7, "(2)"}, {kAfter, 0, 0, "9n "}, {kKey}, {kAfter, 0, 5, "9の倍数"},
};

constexpr PageText kEvenNumbers[] = {
    {kMargin, 0, 0, "課題2　偶数をnを使って表しなさい。"},
    {kKey},
    {kMargin, 90, 5, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"},
    {kKey},
    {kMargin, 90, 0, "偶数は、"},
        {kKey}, {kAfter, 0, 5, "2*整数　"}, {kAfter, 0, 0, "の形をしているから、"},
    {kKey},
    {kMargin, 90, 0, "偶数は、"}, {kAfter, 0, 5, "2n　"}, {kAfter, 0, 0, "と表すことができる。"},
};

constexpr PageText kOddNumbers[] = {
    {kMargin, 0, 0, "課題3　奇数をnを使って表しなさい。"},
    {kKey},
    {kMargin, 60, 3, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"},
    {kKey},
    {kMargin, 60, 5, "奇数=｛…-5,-3,-1,1,3,5,7,…｝"},
    {kKey},
    {kMargin, 60, 0, "奇数は、"},
        {kKey}, {kAfter, 0, 5, "偶数＋１　"}, {kAfter, 0, 0, "の形をしているから、"},
        {kKey}, {kAfter, 0, 5, "2n+1　"}, {kAfter, 0, 0, "と表すことができる。"},
    {kKey},
    {kMargin, 60, 3, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"},
    {kKey},
    {kMargin, 60, 5, "奇数=｛…-7,-5,-3,-1,1,3,5,…｝"},
    {kKey},
    {kMargin, 60, 0, "奇数は、"}, {kAfter, 0, 5, "2n-1　"}, {kAfter, 0, 0, "と表すこともできる。"},
};

// The question and three pairs, each sum one key after its pair; the pupil's pairs go under them.
constexpr PageText kFirstSums[] = {
    {kMargin, 0, 3, "Q 2つの続いた整数の和はどんな数?"},
    {kKey}, {kIndent, 60, 0, "① 1+2="}, {kKey}, {kAfter, 0, 3, "3"},
    {kKey}, {kIndent, 60, 0, "② 2+3="}, {kKey}, {kAfter, 0, 3, "5"},
    {kKey}, {kIndent, 60, 0, "③ 3+4="}, {kKey}, {kAfter, 0, 3, "7"},
};

// After the pupil's pairs and the guess: the sum of n and n+1 worked out.
constexpr PageText kSumOfAnyPair[] = {
    {kKey},
    {kMargin, 70, 3, "nが整数"}, {kAfter, 0, 0, "のとき、2つの続いた整数は、"},
        {kAfter, 0, 3, "n,n+1"}, {kAfter, 0, 0, " と表される。"},
    {kMargin, 50, 0, "この2数の和はどんな数? 計算してみよう！"},
    {kKey},
    {kIndent, 60, 3, "n+(n+1)"},
        {kKey}, {kAfter, 0, 0, "=n+n+1"},
        {kKey}, {kAfter, 0, 5, "=2n+1"},
        {kKey}, {kAfter, 60, 3, "奇数"},
};
// clang-format on

// A set drawn first with its positive numbers only, room left before them, then erased and
// drawn whole.
void GrowingSet(Machine& m, float color, const std::string& positives, const std::string& whole) {
  TextStep(m, m.indentX, m.lineY + 50, color, positives);
  Key(m);
  EraseBox(m, m.indentX, m.lineY - 4, 1320, 55);
  TextStep(m, m.indentX, m.lineY, color, whole);
  Key(m);
}

// Rows first..last of a column of the multiples table, from coefText: row i at lineY + 50i.
// The table leaves the cursor where it was.
void TableColumn(Machine& m, float x, float color, int first, int last) {
  for (int i = first; i <= last; ++i) {
    TextKept(m, x, m.lineY + 50 * static_cast<float>(i), color, m.coefText[i]);
  }
}

// One pass of the pupil's pairs, on the line under "③": the pair, one key later the sum.
void ShowTypedPair(Machine& m) {
  EraseBox(m, 0, m.markY[1], 1600, 120);
  TextStep(m, m.indentX, m.markY[1], 0, "④ ");
  InputConsecutivePair(m);
  TextStep(m, m.afterX, m.markY[1], 0, m.coefText[1] + m.coefText[2] + "=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 3, m.coefText[4]);
}

}  // namespace

void ShowNumbersGoals(Machine& m) { ShowGoals(m, 0, {"文字式を利用して、整数の性質を調べよう。"}); }

void ShowMultiplesItem(Machine& m) {
  static constexpr const char* kFactors[] = {"(-3)", "(-2)", "(-1)", " 0", " 1", " 2", " 3"};

  ClearPage(m, 1320, 1300);
  StartColumn(m, 44, 0, 30);
  TextStep(m, m.marginX, m.lineY, 0, "課題1　nを整数とするとき、3の倍数をnを使って表しなさい。");
  Key(m);
  GrowingSet(m, 3, "n=｛            1,2,3,…｝", "n=｛…-3,-2,-1,0,1,2,3,…｝");
  GrowingSet(m, 5, "３の倍数=｛            3,6,9,…｝", "３の倍数=｛…-9,-6,-3,0,3,6,9,…｝");

  // The table, rows 1 to 9 under the sets: 3k for k = -3..3 between two "…", "=3*", then k.
  m.coefText[1] = " …";
  for (int i = 2; i <= 8; ++i) m.coefText[i] = NumberToText(3 * static_cast<float>(i - 5));
  m.coefText[9] = " …";
  TableColumn(m, m.indentX, 5, 1, 9);
  Key(m);
  for (int i = 2; i <= 8; ++i) m.coefText[i] = "=3*";
  TableColumn(m, m.indentX + 88, 0, 2, 8);
  Key(m);
  for (int i = 2; i <= 8; ++i) m.coefText[i] = kFactors[i - 2];
  for (int i = 2; i <= 8; ++i) {
    TableColumn(m, 220, 3, i, i);
    Key(m);
  }

  StartColumn(m, 440, 0, 150);
  WriteTexts(m, kMultiplesRule);
}

void ShowEvenNumbersItem(Machine& m) {
  ClearPage(m, 1320, 1300);
  StartColumn(m, 44, 0, 30);
  WriteTexts(m, kEvenNumbers);
}

void ShowOddNumbersItem(Machine& m) {
  ClearPage(m, 1760, 1800);
  StartColumn(m, 44, 0, 30);
  WriteTexts(m, kOddNumbers);
}

void InputConsecutivePair(Machine& m) {
  m.drawText = "小さい方の整数を入力して下さい。";
  PromptBottomAndReadNumber(m);
  ClearBottomStrip(m);
  m.coef[1] = m.enteredValue;
  m.coef[2] = m.coef[1] + 1;
  m.coef[4] = m.coef[1] + m.coef[2];
  NumbersToStrings(m);
  // Single precision holds neither 999999999 nor 16777217, nor 3/11 to ten digits: the texts come
  // from the typed text, read exactly (the field never confirms a zero divisor).
  const ExactNumber n = ReadExactNumber(m.entryText).value_or(ExactNumber{});
  const ExactNumber next = n + ExactNumber{1, 1};
  m.coefText[1] = ExactNumberText(n);
  m.coefText[2] = next.num < 0 ? "+(" + ExactNumberText(next) + ")" : "+" + ExactNumberText(next);
  m.coefText[4] = ExactNumberText(n + next);
}

void ShowConsecutiveSumItem(Machine& m) {
  ClearPage(m, 1600, 1800);
  StartColumn(m, 40, 27, 30);
  m.device.SetDrawWidth(5);  // left at 5 for what comes after
  WriteTexts(m, kFirstSums);
  m.markY[1] = m.lineY + 60;
  RunDrill(m, ShowTypedPair);
  TextKept(m, m.marginX + 360, m.markY[1] - 60, 7, "予想…2つの続いた整数の和は奇数になる。");
  WriteTexts(m, kSumOfAnyPair);
}

}  // namespace orvelle::apply
