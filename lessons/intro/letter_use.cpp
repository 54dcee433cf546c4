#include "lessons/intro/letter_use.h"

#include <string>

#include "core/plain_text.h"
#include "figures/match_squares.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "lessons/intro/program.h"
#include "platform/number.h"

namespace orvelle::intro {
namespace {

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

// An answer of exercises 1 and 2: the label, the reason (on one or two lines) and, for
// exercise 1, the expression under it.
struct Answer {
  const char* label;
  const char* text;
  const char* secondLine;  // "" when the text has one line
  const char* answer;      // exercise 1 only
};

// The label and the reason, then a key.
void Reason(Machine& m, const Answer& a) {
  TextStep(m, m.marginX, m.lineY + 50, 3, a.label);
  TextStep(m, m.indentX, m.lineY, 0, a.text);
  if (*a.secondLine) TextStep(m, m.indentX, m.lineY + 50, 0, a.secondLine);
  Key(m);
}

}  // namespace

void ShowLetterUseMenu(Machine& m) {
  RunSection(m, ShowLetterUseGoals, kLetterUse,
             {ShowP62Question, ShowP64Question, ShowExample1, ShowExercises1To3});
}

void ShowLetterUseGoals(Machine& m) { ShowGoals(m, 32, {"数量を文字を使った式に表そう。"}); }

void ShowP62Question(Machine& m) {
  ClearPage(m, 1760, 1300);
  m.indentX = 40;
  m.lineY = 30;
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

  m.indentX = 40;
  m.lineY = m.figY[3] - 40;
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
  m.indentX = 40;
  m.lineY = m.figY[6] - 40;
  TextStep(m, m.indentX, m.lineY + 50, 7, "(1)");
  Row(m, 80, m.lineY + 70, 5, 3);
  Key(m);
  TextStep(m, m.afterX + 40, m.lineY, 5, "4+3*4=16");
  Key(m);

  // Way (2): one stick, then three for each square.
  m.indentX = 700;
  m.lineY = 10;
  TextStep(m, m.indentX, m.lineY, 7, "(2)");
  Row(m, m.indentX, m.lineY + 60, 5, 0);
  Key(m);
  Row(m, 700, m.lineY + 60, 5, 3);
  Stick(m, 0, 0);
  Key(m);
  TextStep(m, m.afterX + 40, m.lineY, 5, "1+3*5=16");
  Key(m);

  // Way (3): five squares of four, less the four shared sticks.
  m.indentX = 700;
  m.lineY = m.figY[6] - 40;
  TextStep(m, 700, m.lineY + 50, 7, "(3)");
  Key(m);
  Row(m, 700, m.lineY + 60, 5, 0);
  for (int k = 1; k <= 4; ++k) Stick(m, k, 7);
  Key(m);
  TextStep(m, m.afterX + 40, m.lineY, 5, "4*5-4=16");
  Key(m);

  // Way (4): top and bottom sticks, and the six upright ones.
  m.indentX = 700;
  m.lineY = m.figY[6] - 40;
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
  m.indentX = 40;
  m.lineY = 30;
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

  m.indentX = 120;
  m.lineY = m.tableRightY + 60;
  TextStep(m, m.indentX, m.lineY + 50, 3, "棒の本数=1+3*");
  TextStep(m, m.afterX, m.lineY, 5, "(正方形の個数)");
  Key(m);

  // The right-hand part, 120 after the expression column.
  m.indentX = m.tableRightAfterX + 120;
  m.lineY = 30;
  m.markX[1] = m.indentX;
  TextStep(m, m.indentX, m.lineY, 0, "Q 数の代わりに正方形が");
  TextStep(m, m.afterX, m.lineY, 3, "x");
  TextStep(m, m.afterX, m.lineY, 0, "個");
  TextStep(m, m.indentX, m.lineY + 50, 0, "として、棒の本数を表そう。");
  Key(m);
  TextStep(m, m.indentX + 60, m.lineY + 50, 5, "答　(1+3*x)本");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 0, "Q 正方形20個のときは?");
  Key(m);
  TextStep(m, m.indentX + 60, m.lineY + 50, 0, "1+3*20");
  TextStep(m, m.afterX, m.lineY, 5, "=61");
  TextStep(m, m.indentX + 60, m.lineY + 50, 5, "答　61本");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 0, "Q (1)の考えで、正方形が");
  TextStep(m, m.afterX, m.lineY, 3, "x");
  TextStep(m, m.afterX, m.lineY, 0, "個");
  TextStep(m, m.indentX, m.lineY + 50, 0, "として、棒の本数を表そう。");

  // The table gives way to the two ways for five squares; the right-hand part stays.
  m.device.Box(0, 0, m.markX[1] - 10, 1300, 15, 15);
  TextKept(m, 80, 150, 7, "(1) 4+3*4=16");
  Row(m, 80, 220, 5, 3);
  TextKept(m, 80, 350, 7, "(2) 1+3*5=16");
  Row(m, 80, 420, 5, 3);
  m.device.Line(m.figX[0], m.figY[0] + 8, m.figX[6], m.figY[6] - 8, 0);
  Key(m);
  TextStep(m, m.indentX + 60, m.lineY + 50, 3, "3本の個数は、正方形の数より");
  TextStep(m, m.indentX + 60, m.lineY + 50, 3, "1個少ないから、");
  TextStep(m, m.indentX + 60, m.lineY + 50, 5, "答　{4+3*(x-1)}本");
}

void ShowExample1(Machine& m) {
  struct Row {
    const char* left;
    const char* right;
  };
  static constexpr Row kRows[] = {
      {"1冊…90*1", "90円"}, {"2冊…90*2", "180円"}, {"3冊…90*3", "270円"},
      {"△冊…", "(90*△)円"}, {"x冊…", "(90*x)円"},
  };

  ClearPage(m, 1760, 1300);
  m.indentX = 40;
  m.lineY = 30;
  TextStep(m, m.indentX, m.lineY, 0, "例1 1冊90円のノートx冊の代金を、");
  TextStep(m, 40, m.lineY + 50, 0, "文字を使った式で表しなさい。");
  Key(m);
  TextStep(m, 40, m.lineY + 50, 3, "(代金)＝(単価)*(冊数)");
  for (const Row& row : kRows) {
    Key(m);
    TextStep(m, m.indentX, m.lineY + 50, 0, row.left);
    Key(m);
    TextKept(m, m.afterX + 50, m.lineY, 3, row.right);
  }
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 5, "　＜文字式＞");
  TextStep(m, m.indentX, m.lineY + 50, 3, "①　文字(a,b,x…)を使った式");
  TextStep(m, m.indentX, m.lineY + 50, 3, "②　○、△のかわりに");
  TextStep(m, m.indentX, m.lineY + 50, 3, "　　aやxを使って式に表す。");
  Key(m);
  m.indentX = 680;
  m.lineY = 30;
  TextStep(m, 680, 30, 7, "教科書P65");
  TextStep(m, 680, m.lineY + 50, 7, "問1 をしなさい。");
}

void ShowExercises1To3(Machine& m) {
  static constexpr Answer kExercise1[] = {
      {"(1)", "(代金)＝(単価)*(個数)", "だから", "(60*x)円"},
      {"(2)", "3脚ひけばよいから", "", "(n-3)脚"},
      {"(3)", "acmが3辺あるから", "", "(a*3)cm"},
      {"(4)", "xmを4でわればよいから", "", "(x/4)m"},
      {"(5)", "3℃たせばよいから", "", "(t+3)℃"},
  };
  static constexpr Answer kExercise2[] = {
      {"(1)", "お菓子の個数は自然数", "", ""},
      {"(2)", "いすの脚数は自然数", "", ""},
      {"(3)", "長さは正の数で、小数でもよい", "", ""},
      {"(4)", "長さは正の数で、小数でもよい", "", ""},
      {"(5)", "温度は正の数と負の数があり、", "小数でもよい", ""},
  };

  ClearPage(m, 1760, 1300);
  m.indentX = 110;
  m.lineY = 30;
  m.marginX = 40;
  TextStep(m, m.marginX, m.lineY, 3, "教科書P65　問1解答");
  for (const Answer& a : kExercise1) {
    Reason(m, a);
    TextStep(m, m.indentX, m.lineY + 50, 5, a.answer);
    Key(m);
  }

  m.indentX = 670;
  m.lineY = 30;
  m.marginX = 600;
  TextStep(m, 600, 30, 3, "教科書P65　問2 をしなさい。");
  Key(m);
  for (const Answer& a : kExercise2) Reason(m, a);
  TextStep(m, m.marginX, m.lineY + 50, 7, "小数もふくめた数の代わりは");
  TextStep(m, m.indentX, m.lineY + 50, 5, "a,(4)x,t");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 60, 3, "教科書P65　問3 をしなさい。");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 50, 0, "負の数もふくめた数の代わり…");
  TextStep(m, m.afterX, m.lineY, 5, "t");
}

}  // namespace orvelle::intro
