#include "lessons/intro/letter_use.h"

#include <string>

#include "core/plain_text.h"
#include "figures/match_squares.h"
#include "lessons/common/page.h"
#include "lessons/common/steps.h"
#include "platform/number.h"

namespace orvelle::intro {
namespace {

using enum Place;

// A row of n squares of 100 units with its top-left corner at (x, y); square colours as
// DrawMatchSquares gives them for the highlight colour h.
void Row(Machine& m, float x, float y, int n, float h) {
  m.gridOriginX = x;
  m.gridOriginY = y;
  m.squareCount = static_cast<float>(n);
  m.highlightMode = h;
  DrawMatchSquares(m);
}

// The upright stick at corner k of the last row, drawn again in colour c over the one there.
void Stick(Machine& m, int k, float c) {
  const int n = ToInt(m.squareCount);
  m.device.Line(m.figX[k], m.figY[k] + 8, m.figX[k], m.figY[k + n + 1] - 8, ToInt(c));
}

// A label in square i of the last row, at its label point.
void SquareLabel(Machine& m, int i, float color, const std::string& text) {
  TextKept(m, m.figX[20 + i], m.figY[20 + i], color, text);
}

// A text of the stick table's expression column, which keeps a cursor of its own.
void ColumnText(Machine& m, float x, float y, float color, const std::string& text) {
  TextKept(m, x, y, color, text);
  m.tableRightAfterX = m.drawX;
  m.tableRightY = m.drawY;
}

// The right-hand part of P64Q, 60 in from its column: the expression for x squares and its
// value at 20 squares, then way (1)'s question, left open while the table gives way.
// clang-format off
constexpr PageText kLetterForSquares[] = {
    {kMargin, 0, 0, "Q 数の代わりに正方形が"}, {kAfter, 0, 3, "x"}, {kAfter, 0, 0, "個"},
    {kMargin, 50, 0, "として、棒の本数を表そう。"},
    {kKey},
    {kIndent, 50, 5, "答　(1+3*x)本"},
    {kKey},
    {kMargin, 60, 0, "Q 正方形20個のときは?"},
    {kKey},
    {kIndent, 50, 0, "1+3*20"}, {kAfter, 0, 5, "=61"},
    {kIndent, 50, 5, "答　61本"},
    {kKey},
    {kMargin, 60, 0, "Q (1)の考えで、正方形が"}, {kAfter, 0, 3, "x"}, {kAfter, 0, 0, "個"},
    {kMargin, 50, 0, "として、棒の本数を表そう。"},
};
// clang-format on

constexpr PageText kWayOneForX[] = {
    {kIndent, 50, 3, "3本の個数は、正方形の数より"},
    {kIndent, 50, 3, "1個少ないから、"},
    {kIndent, 50, 5, "答　{4+3*(x-1)}本"},
};

// 例1: the price of 1, 2, 3, △ and x notebooks, the total a key after each count; then what an
// expression with letters is. 問1's pointer goes in the right column.
// clang-format off
constexpr PageText kExample1[] = {
    {kMargin, 0, 0, "例1 1冊90円のノートx冊の代金を、"},
    {kMargin, 50, 0, "文字を使った式で表しなさい。"},
    {kKey},
    {kMargin, 50, 3, "(代金)＝(単価)*(冊数)"},
    {kKey}, {kMargin, 50, 0, "1冊…90*1"}, {kKey}, {kAfter, 50, 3, "90円"},
    {kKey}, {kMargin, 50, 0, "2冊…90*2"}, {kKey}, {kAfter, 50, 3, "180円"},
    {kKey}, {kMargin, 50, 0, "3冊…90*3"}, {kKey}, {kAfter, 50, 3, "270円"},
    {kKey}, {kMargin, 50, 0, "△冊…"}, {kKey}, {kAfter, 50, 3, "(90*△)円"},
    {kKey}, {kMargin, 50, 0, "x冊…"}, {kKey}, {kAfter, 50, 3, "(90*x)円"},
    {kKey},
    {kMargin, 50, 5, "　＜文字式＞"},
    {kMargin, 50, 3, "①　文字(a,b,x…)を使った式"},
    {kMargin, 50, 3, "②　○、△のかわりに"},
    {kMargin, 50, 3, "　　aやxを使って式に表す。"},
    {kKey},
};
// clang-format on

constexpr PageText kExercise1Pointer[] = {
    {kMargin, 0, 7, "教科書P65"},
    {kMargin, 50, 7, "問1 をしなさい。"},
};

// 問1 with its answers: each label, the reason (on one or two lines), a key, the expression
// under it and a key.
// clang-format off
constexpr PageText kExercise1[] = {
    {kMargin, 0, 3, "教科書P65　問1解答"},
    {kMargin, 50, 3, "(1)"}, {kIndent, 0, 0, "(代金)＝(単価)*(個数)"}, {kIndent, 50, 0, "だから"},
        {kKey}, {kIndent, 50, 5, "(60*x)円"}, {kKey},
    {kMargin, 50, 3, "(2)"}, {kIndent, 0, 0, "3脚ひけばよいから"},
        {kKey}, {kIndent, 50, 5, "(n-3)脚"}, {kKey},
    {kMargin, 50, 3, "(3)"}, {kIndent, 0, 0, "acmが3辺あるから"},
        {kKey}, {kIndent, 50, 5, "(a*3)cm"}, {kKey},
    {kMargin, 50, 3, "(4)"}, {kIndent, 0, 0, "xmを4でわればよいから"},
        {kKey}, {kIndent, 50, 5, "(x/4)m"}, {kKey},
    {kMargin, 50, 3, "(5)"}, {kIndent, 0, 0, "3℃たせばよいから"},
        {kKey}, {kIndent, 50, 5, "(t+3)℃"}, {kKey},
};

// 問2, each reason a key after it, and 問3.
constexpr PageText kExercises2And3[] = {
    {kMargin, 0, 3, "教科書P65　問2 をしなさい。"},
    {kKey},
    {kMargin, 50, 3, "(1)"}, {kIndent, 0, 0, "お菓子の個数は自然数"}, {kKey},
    {kMargin, 50, 3, "(2)"}, {kIndent, 0, 0, "いすの脚数は自然数"}, {kKey},
    {kMargin, 50, 3, "(3)"}, {kIndent, 0, 0, "長さは正の数で、小数でもよい"}, {kKey},
    {kMargin, 50, 3, "(4)"}, {kIndent, 0, 0, "長さは正の数で、小数でもよい"}, {kKey},
    {kMargin, 50, 3, "(5)"}, {kIndent, 0, 0, "温度は正の数と負の数があり、"},
        {kIndent, 50, 0, "小数でもよい"}, {kKey},
    {kMargin, 50, 7, "小数もふくめた数の代わりは"},
    {kIndent, 50, 5, "a,(4)x,t"},
    {kKey},
    {kMargin, 60, 3, "教科書P65　問3 をしなさい。"},
    {kKey},
    {kMargin, 50, 0, "負の数もふくめた数の代わり…"}, {kAfter, 0, 5, "t"},
};
// clang-format on

}  // namespace

void ShowLetterUseGoals(Machine& m) { ShowGoals(m, 32, {"数量を文字を使った式に表そう。"}); }

void ShowP62Question(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 0, 30);
  TextStep(m, m.indentX, m.lineY, 7, "正方形を20個つなげてつくるとき、");
  TextStep(m, m.indentX, m.lineY + 50, 7, "棒は何本必要？");

  // Squares ①, ②, ③, …, ⑲, ⑳.
  Row(m, 30, m.lineY + 60, 3, 0);
  m.letterText[1] = "①";
  m.letterText[2] = "②";
  m.letterText[3] = "③";
  for (int i = 1; i <= 3; ++i) SquareLabel(m, i, 3, m.letterText[i]);
  m.device.Text(m.figX[3] + 20, m.figY[23] - 22, 5, 5, 3, "…");
  m.afterX = m.figX[3] + 20 + 80;
  Row(m, m.afterX + 20, m.figY[3], 2, 0);
  m.letterText[1] = "⑲";
  m.letterText[2] = "⑳";
  for (int i = 1; i <= 2; ++i) SquareLabel(m, i, 3, m.letterText[i]);
  Key(m);

  StartColumn(m, 40, 0, m.figY[3] - 40);
  TextStep(m, m.indentX, m.lineY + 50, 3, "5個のときで考えよう。");
  Key(m);
  Row(m, 80, m.lineY + 70, 5, 0);
  for (int i = 1; i <= 5; ++i) {
    SquareLabel(m, i, 0, BareNumberText(m, static_cast<float>(i)));
    m.device.SetDrawWidth(3);
    m.device.Circle(m.figX[20 + i] + 14, m.figY[20 + i] + 22, 25, 0, 0, 0, false, 0);
  }
  Key(m);

  // Way (1): four sticks, then three for each further square.
  StartColumn(m, 40, 0, m.figY[6] - 40);
  TextStep(m, m.indentX, m.lineY + 50, 7, "(1)");
  Row(m, 80, m.lineY + 70, 5, 3);
  Key(m);
  TextStep(m, m.afterX + 40, m.lineY, 5, "4+3*4=16");
  Key(m);

  // Way (2): one stick, then three for each square.
  StartColumn(m, 700, 0, 10);
  TextStep(m, m.indentX, m.lineY, 7, "(2)");
  Row(m, m.indentX, m.lineY + 60, 5, 0);
  Key(m);
  Row(m, 700, m.lineY + 60, 5, 3);
  Stick(m, 0, 0);
  Key(m);
  TextStep(m, m.afterX + 40, m.lineY, 5, "1+3*5=16");
  Key(m);

  // Way (3): five squares of four, less the four shared sticks.
  StartColumn(m, 700, 0, m.figY[6] - 40);
  TextStep(m, 700, m.lineY + 50, 7, "(3)");
  Key(m);
  Row(m, 700, m.lineY + 60, 5, 0);
  for (int k = 1; k <= 4; ++k) Stick(m, k, 7);
  Key(m);
  TextStep(m, m.afterX + 40, m.lineY, 5, "4*5-4=16");
  Key(m);

  // Way (4): top and bottom sticks, and the six upright ones.
  StartColumn(m, 700, 0, m.figY[6] - 40);
  TextStep(m, 700, m.lineY + 50, 7, "(4)");
  Key(m);
  Row(m, 700, m.lineY + 60, 5, 0);
  for (int k = 0; k <= 5; ++k) Stick(m, k, 3);
  Key(m);
  TextStep(m, m.afterX + 40, m.lineY, 5, "5*2+6=16");
  Key(m);

  TextStep(m, 700, m.figY[6] + 10, 7, "正方形20個では?");
  Key(m);
  TextStep(m, 700, m.lineY + 50, 3, "4+3*19=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "61(本)");
}

void ShowP64Question(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 0, 30);
  m.answerX = 460;
  m.tableRightY = 30;
  TextStep(m, m.indentX, m.lineY, 0, "(2)の考えで棒の本数を求めよう。");
  TextStep(m, m.indentX, m.lineY + 50, 3, "正方形の個数");
  ColumnText(m, m.answerX - 120, m.tableRightY + 50, 3, "棒の本数を求める式");

  // Rows of 1, 2 and 3 squares, each with its leading stick set apart in colour 7.
  for (int k = 1; k <= 3; ++k) {
    TextStep(m, m.indentX, m.lineY + (k == 1 ? 85 : 120), 3, std::to_string(k));
    Row(m, 80, m.lineY - 25, k, 3);
    m.device.Line(m.figX[0], m.figY[0] + 8, m.figX[k + 1], m.figY[k + 1] - 8, 7);
  }
  Key(m);
  ColumnText(m, m.answerX, m.tableRightY + 85, 5, "1+3*1");
  Key(m);
  ColumnText(m, 460, m.tableRightY + 120, 5, "1+3*2");
  Key(m);
  ColumnText(m, 460, m.tableRightY + 120, 5, "1+3*3");
  Key(m);

  StartColumn(m, 120, 0, m.tableRightY + 60);
  TextStep(m, m.indentX, m.lineY + 50, 3, "棒の本数=1+3*");
  TextStep(m, m.afterX, m.lineY, 5, "(正方形の個数)");
  Key(m);

  // The right-hand part, 120 after the expression column.
  StartColumn(m, m.tableRightAfterX + 120, 60, 30);
  m.markX[1] = m.marginX;
  WriteTexts(m, kLetterForSquares);

  // The table gives way to the two ways for five squares; the right-hand part stays.
  EraseRect(m, 0, 0, m.markX[1] - 10, 1300);
  TextKept(m, 80, 150, 7, "(1) 4+3*4=16");
  Row(m, 80, 220, 5, 3);
  TextKept(m, 80, 350, 7, "(2) 1+3*5=16");
  Row(m, 80, 420, 5, 3);
  m.device.Line(m.figX[0], m.figY[0] + 8, m.figX[6], m.figY[6] - 8, 0);
  Key(m);
  WriteTexts(m, kWayOneForX);
}

void ShowExample1(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 0, 30);
  WriteTexts(m, kExample1);
  StartColumn(m, 680, 0, 30);
  WriteTexts(m, kExercise1Pointer);
}

void ShowExercises1To3(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 70, 30);
  WriteTexts(m, kExercise1);
  StartColumn(m, 600, 70, 30);
  WriteTexts(m, kExercises2And3);
}

}  // namespace orvelle::intro
