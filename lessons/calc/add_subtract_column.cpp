// Section 2's column drills (items ⑤ and ⑥): the random pair written as a column calculation
// and added term by term under the rule; the subtraction first changes every sign.
#include <string>

#include "figures/column_layout.h"
#include "lessons/calc/add_subtract.h"
#include "lessons/calc/calc_steps.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "platform/text.h"

namespace orvelle::calc {
namespace {

// A row of the column is six cells: two for the letter's coefficient, the letter, three for
// the signed constant. Shorter texts get half-width blanks in front.
void PadTo(std::string& text, int cells) {
  const int length = CharLen(text);
  if (length < cells) text = std::string(static_cast<size_t>(cells - length), ' ') + text;
}

void AlignCells(Machine& m) {
  for (int i : {1, 7, 5}) PadTo(m.coefText[i], 2);
  for (int i : {2, 8, 6}) PadTo(m.coefText[i], 3);
}

// The problem on one line, the column under it; a key, (the sign row,) the answer's letter
// term, a key, its constant.
void ColumnPass(Machine& m, PairForm form) {
  const bool subtraction = form == PairForm::kColumnSubtraction;
  const std::string op = subtraction ? "-" : "+";
  StartRandomExample(m, form);
  auto& t = m.coefText;
  const std::string& L = m.letterText[1];
  TextStep(m, m.indentX + 27, m.lineY, 0, "(" + t[1] + L + t[2] + ")");
  TextStep(m, m.afterX, m.lineY, 3, op);
  TextStep(m, m.afterX, m.lineY, 0, "(" + t[7] + L + t[8] + ")");

  AlignCells(m);
  m.columnTopText = t[1] + L + t[2];
  m.columnSecondText = t[7] + L + t[8];
  m.drawColor = 0;
  m.columnOpText = op;
  m.drawX = m.indentX;
  m.drawY = m.lineY + 80;
  m.rowPitch = 50;
  m.lineColor = 0;
  DrawColumnSetup(m);
  Key(m);
  if (subtraction) {
    // Between the rows: "+" over the operator, each changed sign over its term's first cell.
    TextKept(m, m.indentX, m.lineY - 25, 3, "+ " + m.signText[1] + "  " + m.signText[2]);
    Key(m);
  }
  TextStep(m, m.answerX, m.lineY + 50, 3, t[5] + m.letterText[2]);
  Key(m);
  TextStep(m, m.afterX, m.lineY, 3, t[6]);
}

}  // namespace

void ShowColumnAddition(Machine& m) {
  StartExamplePage(m, "Q1　次の計算をしなさい。");
  m.exerciseNo = 1;
  RunDrill(m, [](Machine& machine) { ColumnPass(machine, PairForm::kColumnAddition); });
  TextStep(m, m.marginX, m.lineY + 80, 5, "<計算のしかた>");
  TextStep(m, m.marginX, m.lineY + 50, 3, "①それぞれの項を縦にたす。");
}

void ShowColumnSubtraction(Machine& m) {
  StartExamplePage(m, "Q2　次の計算をしなさい。");
  m.exerciseNo = 1;
  RunDrill(m, [](Machine& machine) { ColumnPass(machine, PairForm::kColumnSubtraction); });
  TextStep(m, m.marginX, m.lineY + 80, 5, "<計算のしかた>");
  TextStep(m, m.marginX, m.lineY + 50, 3, "①加法になおす。（符号をすべて変える）");
  TextStep(m, m.marginX, m.lineY + 50, 3, "②それぞれの項を縦にたす。");
}

}  // namespace orvelle::calc
