// Section 3's frame and its fixed items: the tabled examples 6 and 7 and the flower bed. The
// random examples 8 to 12 are in products.cpp and quotients.cpp.
#include "lessons/calc/multiply_divide.h"

#include <span>
#include <string>

#include "core/prompts.h"
#include "figures/dotted_arc.h"
#include "lessons/calc/calc_steps.h"
#include "lessons/calc/products.h"
#include "lessons/calc/quotients.h"
#include "lessons/common/page.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"

namespace orvelle::calc {
namespace {

// Example 6: a term times a number, and the product.
struct Product {
  const char* product;
  const char* answer;
};

constexpr Product kProducts[] = {
    {"5a*3", "15a"},       {"(-x)*3", "-3x"},          {"3x*6", "18x"},   {"7a*(-3)", "-21a"},
    {"-2x*(-9)", "18x"},   {"(-a)*8", "-8a"},          {"ﾀ1/7ﾀy*7", "y"}, {"(-5)*(-3a)", "15a"},
    {"(-5)*ﾀ1/5ﾀx", "-x"}, {"ﾀ2/3ﾀa*ﾀ1/4ﾀ", "ﾀ1/6ﾀa"},
};

// Example 7: a term divided by a number, the same as a product with the reciprocal, and the
// quotient.
struct Division {
  const char* division;
  const char* reciprocal;
  const char* answer;
};

constexpr Division kDivisions[] = {
    {"8x/2", "8x*ﾀ1/2ﾀ", "4x"},
    {"12x/(-3)", "12x*(-ﾀ1/3ﾀ)", "-4x"},
    {"-10x/(-5)", "-10x*(-ﾀ1/5ﾀ)", "2x"},
    {"-4x/4", "-4x*ﾀ1/4ﾀ", "-x"},
    {"6y/4", "6y*ﾀ1/4ﾀ", "ﾀ3/2ﾀy"},
    {"(-6a)/8", "-6a*ﾀ1/8ﾀ", "-ﾀ3/4ﾀa"},
    {"-12b/(-9)", "-12b*(-ﾀ1/9ﾀ)", "ﾀ4/3ﾀb"},
    {"ﾀ3/4ﾀx/6", "ﾀ3/4ﾀx*ﾀ1/6ﾀ", "ﾀ1/8ﾀx"},
    {"6x/(-ﾀ2/3ﾀ)", "6x*(-ﾀ3/2ﾀ)", "-9x"},
    {"-ﾀ3/4ﾀa/ﾀ5/4ﾀ", "-ﾀ3/4ﾀa*ﾀ4/5ﾀ", "-ﾀ3/5ﾀa"},
};

constexpr int kTableRows = 10;

// Textbook P77 問8: a problem, one key later its product right after it; row (5) shows its
// working on a line of its own under the problem, the product with it.
constexpr TwoLineAnswer kQuestion8[] = {
    {"(1)", 50, " 4a*2=", "", "8a"},           {"(2)", 50, " (-x)*5=", "", "-5x"},
    {"(3)", 50, " 8*3n=", "", "24n"},          {"(4)", 50, " (-2)*4a=", "", "-8a"},
    {"(5)", 80, " ﾀ1/5ﾀy*5", "=ﾀ5/5ﾀy=", "y"}, {"(6)", 70, " (-2x)*7=", "", "-14x"},
};

// Textbook P77 問9: the division; a key, the product with the reciprocal on the next line; a
// key, the quotient after it.
constexpr TwoLineAnswer kQuestion9[] = {
    {"(1)", 80, " 12x/3", "=12x*ﾀ1/3ﾀ=", "4x"},
    {"(2)", 0, " ﾀ4/5ﾀx/10", "=ﾀ4/5ﾀx*ﾀ1/10ﾀ=", "ﾀ2/25ﾀx"},  // at the top of the second column
    {"(3)", 80, " 4x/ﾀ2/3ﾀ", "=4x*ﾀ3/2ﾀ=", "6x"},
    {"(4)", 80, " ﾀ3/5ﾀy/(-ﾀ2/15ﾀ)", "=ﾀ3/5ﾀy*(-ﾀ15/2ﾀ)=", "-ﾀ9/2ﾀy"},
};

void ShowProductRow(Machine& m) {
  for (int k = 1; k <= kTableRows; ++k) {
    m.coefText[k] = kProducts[k - 1].product;
    m.coefText[k + 10] = kProducts[k - 1].answer;
  }
  const float k = m.exerciseNo;
  StartExampleArea(m);
  TextStep(m, m.indentX, m.lineY + 30, 0, m.coefText[k] + "=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, m.coefText[k + 10]);
}

void ShowDivisionRow(Machine& m) {
  for (int k = 1; k <= kTableRows; ++k) {
    m.coefText[k] = kDivisions[k - 1].division;
    m.coefText[k + 10] = kDivisions[k - 1].reciprocal;
    m.coefText[k + 20] = kDivisions[k - 1].answer;
  }
  const float k = m.exerciseNo;
  StartExampleArea(m);
  TextStep(m, m.indentX + 27, m.lineY + 30, 0, m.coefText[k]);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 90, 0, "=" + m.coefText[k + 10] + "=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, m.coefText[k + 20]);
}

// The flower bed's cells, rows from figTopY at answerX: the bed 2 cells of 88 across, the strip
// added to its right 1 cell of 70; all 70 high, bordered in 0, labelled in 5.
void DrawBed(Machine& m, const std::string& label) {
  for (int row = 1; row <= 3; ++row) {
    m.answerX = m.indentX + 100;
    const float y = m.figTopY + 70 * static_cast<float>(row - 1);
    for (int column = 1; column <= 2; ++column) {
      BoxKept(m, m.answerX + 88 * static_cast<float>(column - 1), y, {88, 70, 0, 13}, 5, label);
    }
  }
}

void DrawStrip(Machine& m, const std::string& label) {
  for (int row = 1; row <= 3; ++row) {
    BoxKept(m, m.answerX + 176, m.figTopY + 70 * static_cast<float>(row - 1), {70, 70, 0, 11}, 5,
            label);
  }
}

// A dotted arc in 3 over the chord P-Q: bulge 16 × `height`, on the left of P->Q (side -1) or
// the right (1), a dot every `step` degrees. A label is drawn in 0; an arc without one leaves
// the label and its colour as the arc before left them.
void Arc(Machine& m, float px, float py, float qx, float qy, float side, float height, float step,
         const std::string& label = "") {
  m.vertexX = px;
  m.vertexY = py;
  m.pointAX = qx;
  m.pointAY = qy;
  m.arcSide = side;
  m.rowPitch = height;
  m.boxWidth = step;
  m.lineColor = 3;
  if (!label.empty()) {
    m.figureLabel = label;
    m.drawColor = 0;
  }
  DrawDottedArcLabel(m);
}

}  // namespace

void ShowSection3Goals(Machine& m) {
  ShowGoals(m, 32,
            {"1 1次式と数との乗除の計算ができるようになろう。",
             "2 1次式のいろいろな計算ができるようになろう。"});
}

void ShowCalcExample6(Machine& m) {
  StartExamplePage(m, "例6　次の計算をしなさい。");
  RunTableDrill(m, kTableRows, ShowProductRow);

  TextStep(m, m.marginX, m.lineY + 80, 5, "係数と数の積に、文字をかける。");
  Key(m);
  StartColumn(m, 640, 54, 30);
  TextStep(m, m.indentX, m.lineY, 7, "教科書P77 問8　をやろう。");
  Key(m);
  TwoLineAnswers(m, kQuestion8, 80, ResultKey::kWithWorking);
}

void ShowCalcExample7(Machine& m) {
  StartExamplePage(m, "例7　次の計算をしなさい。");
  RunTableDrill(m, kTableRows, ShowDivisionRow);

  TextStep(m, m.marginX, m.lineY + 80, 5, "割り算は逆数をかける。");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 80, 7, "教科書P77 問9　をやろう。");
  Key(m);
  // (1) under the pointer; (2) to (4) in a second column from the heading's line. The quotient
  // of (3) and the division of (4) come with the same key.
  const std::span<const TwoLineAnswer> rows = kQuestion9;
  TwoLineAnswers(m, rows.subspan(0, 1), 80);
  StartColumn(m, 640, 54, 30);
  Key(m);
  TwoLineAnswers(m, rows.subspan(1, 1), 80);
  Key(m);
  TwoLineAnswers(m, rows.subspan(2), 80);
}

void ShowFlowerBedProblem(Machine& m) {
  // The problem and the bed, 3 m by 2a m, with its sides on dotted arcs.
  ClearPage(m, 1320, 1300);
  m.device.SetDrawWidth(5);  // the cells' borders and the dots; left so for what follows
  StartColumn(m, 44, 0, 30);
  TextStep(m, m.indentX, m.lineY, 0, "縦3m,横2amの長方形の花壇があります。");
  TextStep(m, m.indentX, m.lineY + 60, 0, "横を1mだけのばしたときの花壇の面積を求めなさい。");
  m.figTopY = m.lineY + 120;
  DrawBed(m, "");
  Arc(m, m.answerX, m.figTopY, m.answerX, m.figTopY + 210, 1, 1, 2, "3m");
  Arc(m, m.answerX, m.figTopY, m.answerX + 176, m.figTopY, -1, 1, 1, "2am");
  Key(m);

  // The strip that makes it 1 m wider.
  DrawStrip(m, "");
  Arc(m, m.answerX + 176, m.figTopY, m.answerX + 176 + 70, m.figTopY, -1, 1, 2, "1m");
  Key(m);

  TextStep(m, m.indentX + 440, m.lineY + 60, 5, "<式>");
  Key(m);

  // 3(2a+1) in three pieces; the arcs start 10 right of the 3 and end at the 2a and the 1.
  const float x = m.indentX + 484;
  const float y = m.lineY + 60;
  m.figX[1] = x + 10;
  m.figY[1] = y;
  TextStep(m, x, y, 0, "3(2");
  m.blockY = m.lineY;
  m.figX[2] = m.afterX;
  TextStep(m, m.afterX, m.lineY, 0, "a+");
  m.figX[3] = m.afterX + 10;
  TextStep(m, m.afterX, m.lineY, 0, "1)");
  Key(m);

  // Each cell's area.
  DrawBed(m, "a");
  DrawStrip(m, "1");
  Key(m);

  TextStep(m, m.indentX + 440, m.lineY + 140, 5, "=6a+3 (m^2)");
  Key(m);
  TextStep(m, m.indentX + 440, m.blockY + 70, 0, "=3*2a+3*1");
  Key(m);

  // The 3 to each term of the bracket, the second arc twice as high.
  Arc(m, m.figX[1], m.figY[1], m.figX[2], m.figY[1], -1, 1, 1);
  Key(m);
  Arc(m, m.figX[1], m.figY[1], m.figX[3], m.figY[1], -1, 2, 1);
  Key(m);

  TextStep(m, m.indentX + 440, m.lineY + 150, 3, "分配法則を使う！");
}

}  // namespace orvelle::calc
