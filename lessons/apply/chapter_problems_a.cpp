// Section 4 "P86(章の問題A)": the answers of problems 1 to 7, step by step. Problems 1 to 5 and
// 7 are tables of texts; problem 6 draws the half-disc whose perimeter is 2r + πr.
#include <string>

#include "figures/angles.h"
#include "figures/dotted_arc.h"
#include "figures/grid.h"
#include "lessons/apply/chapter_problems.h"
#include "lessons/common/page.h"
#include "lessons/common/steps.h"
#include "platform/palette.h"

namespace orvelle::apply {
namespace {

using enum Place;

constexpr char kTitle[] = "P86(章の問題A)";

// clang-format off
// Problem 1: each expression with its × and ÷ written out.
constexpr PageText kProblem1[] = {
    {kMargin, 50, 3, "(1)"}, {kIndent, 0, 0, " -7x"}, {kAfter, 0, 5, "=(-7)*x"},
    {kMargin, 60, 3, "(2)"}, {kIndent, 0, 0, " a^2b^3"}, {kAfter, 0, 5, "=a*a*b*b*b"},
    {kMargin, 60, 3, "(3)"}, {kIndent, 0, 0, " ﾀx+y/3ﾀ"}, {kAfter, 0, 5, "=(x+y)/3"},
};

// Problem 2: the terms, then the coefficients under them.
constexpr PageText kProblem2[] = {
    {kMargin, 60, 3, "(1)"}, {kIndent, 0, 0, " 2x-y"},
        {kAfter, 20, 3, "項…"}, {kAfter, 0, 5, "2x,-y"},
        {kIndent, 50, 3, "xの係数…"}, {kAfter, 0, 5, "2"},
        {kAfter, 20, 3, "yの係数…"}, {kAfter, 0, 5, "-1"},
    {kMargin, 80, 3, "(2)"}, {kIndent, 0, 0, " -ﾀ3/4ﾀa+ﾀb/5ﾀ"},
        {kAfter, 20, 3, "項…"}, {kAfter, 0, 5, "-ﾀ3/4ﾀa,ﾀb/5ﾀ"},
        {kIndent, 70, 3, "aの係数…"}, {kAfter, 0, 5, "-ﾀ3/4ﾀ"},
        {kAfter, 20, 3, "bの係数…"}, {kAfter, 0, 5, "ﾀ1/5ﾀ"},
};

// Problem 3: the values at x = -3, one line of working under the other.
constexpr PageText kProblem3[] = {
    {kMargin, 60, 3, "(1)"}, {kIndent, 0, 0, " 3x-2"},
        {kIndent, 50, 0, "=3*(-3)-2"},
        {kIndent, 50, 0, "=-9-2"},
        {kIndent, 50, 5, "=-11"},
    {kMargin, 60, 3, "(2)"}, {kIndent, 0, 0, " 2x^2-x"},
        {kIndent, 50, 0, "=2*(-3)^2-(-3)"},
        {kIndent, 50, 0, "=2*9+3"},
        {kIndent, 50, 0, "=18+3"},
        {kIndent, 50, 5, "=21"},
};

// Problem 4: like terms collected.
constexpr PageText kProblem4[] = {
    {kMargin, 50, 3, "(1)"}, {kIndent, 0, 0, " 6y-7y"}, {kAfter, 0, 5, "=-y"},
    {kMargin, 60, 3, "(2)"}, {kIndent, 0, 0, " -6x+5x-x"}, {kAfter, 0, 5, "=-2x"},
    {kMargin, 60, 3, "(3)"}, {kIndent, 0, 0, " (a-4)+(3a+5)"},
        {kIndent, 50, 0, "=a-4+3a+5"},
        {kIndent, 50, 0, "=a+3a-4+5"},
        {kIndent, 50, 5, "=4a+1"},
    {kMargin, 60, 3, "(4)"}, {kIndent, 0, 0, " (-2a-4)-(4-2a)"},
        {kIndent, 50, 0, "=-2a-4-4+2a"},
        {kIndent, 50, 0, "=-2a+2a-4-4"},
        {kIndent, 50, 5, "=-8"},
};

// Problem 5 (1) to (4), right of the box "5"; (1) on the title's line. Lines with a stacked
// fraction stand 70 apart.
constexpr PageText kProblem5To4[] = {
    {kMargin, 0, 3, "(1)"}, {kIndent, 0, 0, " 2x*(-ﾀ1/4ﾀ)"}, {kAfter, 0, 5, "=-ﾀ1/2ﾀx"},
    {kMargin, 60, 3, "(2)"}, {kIndent, 0, 0, " -6(2x-7)"}, {kAfter, 0, 5, "=-12x+42"},
    {kMargin, 60, 3, "(3)"}, {kIndent, 0, 0, " (ﾀ5/6ﾀx-ﾀ3/4ﾀ)*12"},
        {kIndent, 70, 0, "=ﾀ5/6ﾀx*12-ﾀ3/4ﾀ*12"},
        {kIndent, 70, 0, "=ﾀ5/1ﾀx*2-ﾀ3/1ﾀ*3"},
        {kIndent, 60, 5, "=10x-9"},
    {kMargin, 60, 3, "(4)"}, {kIndent, 0, 0, " ﾀ2a-7/4ﾀ*(-16)"},
        {kIndent, 70, 0, "=(2a-7)*(-4)"},
        {kIndent, 60, 5, "=-8a+28"},
};

// Problem 5 (5) and (6), in the left column once problem 4 is erased.
constexpr PageText kProblem5To6[] = {
    {kMargin, 60, 3, "(5)"}, {kIndent, 0, 0, " (-27x+36)/(-9)"},
        {kIndent, 70, 0, "=(-27x+36)*(-ﾀ1/9ﾀ)"},
        {kIndent, 70, 0, "=-27x*(-ﾀ1/9ﾀ)+36*(-ﾀ1/9ﾀ)"},
        {kIndent, 60, 5, "=3x-4"},
    {kMargin, 70, 3, "(6)"}, {kIndent, 0, 0, " 2(3a-7)+5(-a+3)"},
        {kIndent, 50, 0, "=6a-14-5a+15"},
        {kIndent, 50, 0, "=6a-5a-14+15"},
        {kIndent, 50, 5, "=a+1"},
};

// Problem 5 (7) and (8), in the right column once (1) to (4) are erased.
constexpr PageText kProblem5To8[] = {
    {kMargin, 70, 3, "(7)"}, {kIndent, 0, 0, " 3(2a-4)-4(a-5)"},
        {kIndent, 50, 0, "=6a-12-4a+20"},
        {kIndent, 50, 0, "=6a-4a-12+20"},
        {kIndent, 50, 5, "=2a+8"},
    {kMargin, 70, 3, "(8)"}, {kIndent, 0, 0, " 2(6x-5)-4(3x-2)"},
        {kIndent, 50, 0, "=12x-10-12x+8"},
        {kIndent, 50, 0, "=12x-12x-10+8"},
        {kIndent, 50, 5, "=-2"},
};

// Problem 6 (1) and (2), left of the figure.
constexpr PageText kProblem6To2[] = {
    {kMargin, 70, 3, "(1)"}, {kIndent, 0, 0, " 横の長さは "},
        {kAfter, 0, 3, "(4+a)cm "}, {kAfter, 0, 0, "だから"},
        {kIndent, 50, 0, " 4*(4+a)"},
        {kIndent, 50, 0, "=16+4a"},
        {kIndent, 50, 5, "答 (16+4a)cm^2"},
    {kMargin, 70, 3, "(2)"}, {kIndent, 0, 0, " xにy^2を加えた式は "}, {kAfter, 0, 3, "x+y^2 "},
        {kIndent, 50, 0, "-5以上 だから"}, {kAfter, 0, 3, "≧-5 "},
        {kIndent, 50, 5, "答 x+y^2≧-5"},
};

constexpr PageText kProblem6Diameter[] = {
    {kIndent, 0, 0, " 2rは 2*半径 だから "}, {kAfter, 0, 3, "直径"},
};

constexpr PageText kProblem6Answer[] = {
    {kIndent, 70, 0, "2πrは円周 だから πrは"}, {kAfter, 0, 3, "円周の半分 "},
    {kIndent, 50, 5, "答 半円の周の長さ"},
};

// Problem 7: each part of 1000-(3a+b) at the margin, its meaning after it.
constexpr PageText kProblem7Reading[] = {
    {kMargin, 90, 0, "3a…"}, {kAfter, 0, 3, "鉛筆3本の値段"},
    {kMargin, 90, 0, "b…"}, {kAfter, 0, 3, "ノート1冊の値段"},
    {kMargin, 90, 0, "3a+b…"}, {kAfter, 0, 3, "鉛筆3本とノート1冊を買ったときの代金"},
    {kMargin, 90, 0, "1000-…"}, {kAfter, 0, 3, "1000円と代金の差"},
    {kIndent, 70, 5, "答 鉛筆3本とノート1冊を買い、1000円出したときのおつり　"},
};
// clang-format on

// The half-disc's figure stands on a grid of 6 × 4 units of 55 (not drawn), its diameter on the
// grid's bottom edge.
constexpr float kUnit = 55;
constexpr float kRadius = 3 * kUnit;

// A point of the figure, given in grid units, stored in figX, figY at `index`.
void FigurePoint(Machine& m, int index, float u, float v) {
  m.figX[index] = m.gridBaseX + kUnit * u;
  m.figY[index] = m.gridBaseY - kUnit * v;
}

// Problem 6 (3)'s figure: the half-disc filled in 13, the radius r marked by a dotted arc under
// it, and the whole circle around it, all at width 5.
void DrawSemicircleFigure(Machine& m) {
  m.gridOriginX = 792;
  m.gridOriginY = 110;
  m.gridCols = 6;
  m.boxHeight = 4;
  m.cellSize = kUnit;
  m.lineColor = kBackgroundColor;  // only the base point is wanted
  DrawGrid(m);
  FigurePoint(m, 0, 3, 0);   // the centre
  FigurePoint(m, 1, 0, 0);   // the diameter's left end
  FigurePoint(m, 2, 6, 0);   // and its right end
  m.device.SetDrawWidth(5);  // left at 5 for what comes after

  m.vertexX = m.figX[0];
  m.vertexY = m.figY[0];
  m.pointAX = m.figX[1];
  m.pointAY = m.figY[1];
  m.pointBX = m.figX[2];
  m.pointBY = m.figY[2];
  m.markRadius = kRadius;
  m.markCount = 0;  // a sector, not arcs
  m.swapRays = -1;  // from the right end round over the top to the left end
  m.figureLabel = "";
  m.lineColor = 0;
  m.fillColor = 13;
  DrawAngleMark(m);

  m.vertexX = m.figX[0];
  m.vertexY = m.figY[0];
  m.pointAX = m.figX[2];
  m.pointAY = m.figY[2];
  m.drawColor = 3;
  m.lineColor = 3;
  m.arcSide = 1;  // below the right-hand radius
  m.arcExtent = 0;
  m.boxWidth = 5;  // a dot every 5 degrees
  m.rowPitch = 20;
  m.figureLabel = "r";
  DrawDottedArcLabel(m);

  m.device.Circle(m.figX[0], m.figY[0], kRadius, 0, 0, 0, false, 0);
}

}  // namespace

void ShowChapterProblemsA123(Machine& m) {
  OpenProblemsPage(m, kTitle, 396);
  ProblemNumber(m, m.marginX, m.lineY + 50, "1");
  WriteTexts(m, kProblem1);
  Key(m);
  ProblemNumber(m, m.marginX, m.lineY + 50, "2");
  WriteTexts(m, kProblem2);
  Key(m);
  StartColumn(m, 640, 54, 30);
  ProblemNumber(m, m.indentX, m.lineY, "3");
  WriteTexts(m, kProblem3);
}

void ShowChapterProblemsA45(Machine& m) {
  OpenProblemsPage(m, kTitle, 396);
  ProblemNumber(m, m.marginX, m.lineY + 50, "4");
  WriteTexts(m, kProblem4);
  Key(m);
  StartColumn(m, 640, 54, 30);
  ProblemNumber(m, m.marginX - 80, m.lineY, "5");  // left of the column, on the title's line
  WriteTexts(m, kProblem5To4);
  Key(m);
  // Problem 4 goes; the title box and the box "5" end above y 80 and stay.
  EraseBox(m, 0, 80, 600, 1800);
  StartColumn(m, 40, 54, 30);
  WriteTexts(m, kProblem5To6);
  Key(m);
  // Problem 5 (1) to (4) goes; the box "5" ends left of x 640 and stays.
  EraseBox(m, 640, 0, 1200, 1800);
  StartColumn(m, 640, 54, 30);
  WriteTexts(m, kProblem5To8);
}

void ShowSemicircleProblem(Machine& m) {
  OpenProblemsPage(m, kTitle, 396);
  ProblemNumber(m, m.afterX + 30, m.lineY, "6");
  WriteTexts(m, kProblem6To2);
  DrawSemicircleFigure(m);
  TextStep(m, m.marginX, m.lineY + 70, 3, "(3)");
  Key(m);
  WriteTexts(m, kProblem6Diameter);
  m.device.Line(m.figX[1], m.figY[1], m.figX[2], m.figY[2], 5);
  Key(m);
  WriteTexts(m, kProblem6Answer);
  // The half-disc's curved edge again: with the diameter, the perimeter 2r + πr.
  m.device.Circle(m.figX[0], m.figY[0], kRadius, 5, 0.5f, 1, false, 0);
}

void ShowChapterProblemA7(Machine& m) {
  OpenProblemsPage(m, kTitle, 396);
  ProblemNumber(m, m.afterX + 30, m.lineY, "7");
  TextStep(m, m.indentX, m.lineY + 70, 0, "1000-(3a+b)");
  Key(m);
  WriteTexts(m, kProblem7Reading);
}

}  // namespace orvelle::apply
