// Section 4 "P80(基本の問題)": its sub-menu and the three pages of worked problems.
#include "lessons/calc/calc_problems.h"

#include "lessons/common/page.h"
#include "lessons/common/steps.h"

namespace orvelle::calc {
namespace {

using enum Place;

// The worked problems: labels "(n)" at the margin in 3, questions and working at the indent in 0,
// results in 5.

// clang-format off
constexpr PageText kProblem1[] = {
    {kMargin, 50, 3, "(1)"}, {kIndent, 0, 0, " 5x+2x"}, {kAfter, 0, 5, "=7x"},
    {kMargin, 60, 3, "(2)"}, {kIndent, 0, 0, " 7x-x"}, {kAfter, 0, 5, "=6x"},
    {kMargin, 60, 3, "(3)"}, {kIndent, 0, 0, " 2a-4a+5a"}, {kAfter, 0, 5, "=3a"},
    {kMargin, 60, 3, "(4)"}, {kIndent, 0, 0, " x-6-2x+8"},
        {kIndent, 50, 0, "=x-2x-6+8"},
        {kIndent, 50, 5, "=-x+2"},
};

constexpr PageText kProblem2[] = {
    {kMargin, 60, 3, "(1)"}, {kIndent, 0, 0, " (6x+5)+(4x-3)"},
        {kIndent, 50, 0, "=6x+5+4x-3"},
        {kIndent, 50, 0, "=6x+4x+5-3"},
        {kIndent, 50, 5, "=10x+2"},
    {kMargin, 60, 3, "(2)"}, {kIndent, 0, 0, " (4a-3)-(3a-1)"},
        {kIndent, 50, 0, "=(4a-3)+(-3a+1)"},
        {kIndent, 50, 0, "=4a-3-3a+1"},
        {kIndent, 50, 0, "=4a-3a-3+1"},
        {kIndent, 50, 5, "=a-2"},
};

// Each question of problem 3 on one line; a division goes through the reciprocal.
constexpr PageText kProblem3[] = {
    {kMargin, 50, 3, "(1)"}, {kIndent, 0, 0, " 2x*(-4)"}, {kAfter, 0, 5, "=-8x"},
    {kMargin, 90, 3, "(2)"}, {kIndent, 0, 0, " 30a*ﾀ1/5ﾀ"}, {kAfter, 0, 5, "=6a"},
    {kMargin, 80, 3, "(3)"}, {kIndent, 0, 0, " 6x/3"}, {kAfter, 0, 0, "=6x*ﾀ1/3ﾀ"},
        {kAfter, 0, 5, "=2x"},
    {kMargin, 80, 3, "(4)"}, {kIndent, 0, 0, " ﾀ2/5ﾀa/10"}, {kAfter, 0, 0, "=ﾀ2/5ﾀa*ﾀ1/10ﾀ"},
        {kAfter, 0, 5, "=ﾀ1/25ﾀa"},
};

// Problem 4's first question, under problem 3.
constexpr PageText kProblem4Left[] = {
    {kMargin, 60, 3, "(1)"}, {kIndent, 0, 0, " 5(3x+2)"},
        {kIndent, 50, 5, "=15x+10"},
};

// The rest of problem 4, in the second column from the title's line.
constexpr PageText kProblem4Right[] = {
    {kMargin, 0, 3, "(2)"}, {kIndent, 0, 0, " (3a-2)*(-3)"},
        {kIndent, 50, 5, "=-9a+6"},
    {kMargin, 60, 3, "(3)"}, {kIndent, 0, 0, " (10x-25)/5"},
        {kIndent, 70, 0, "=(10x-25)*ﾀ1/5ﾀ"},
        {kIndent, 70, 0, "=10x*ﾀ1/5ﾀ-25*ﾀ1/5ﾀ"},
        {kIndent, 60, 5, "=2x-5"},
    {kMargin, 60, 3, "(4)"}, {kIndent, 0, 0, " (15x+9)/(-3)"},
        {kIndent, 70, 0, "=(15x+9)*(-ﾀ1/3ﾀ)"},
        {kIndent, 70, 0, "=15x*(-ﾀ1/3ﾀ)+9*(-ﾀ1/3ﾀ)"},
        {kIndent, 60, 5, "=-5x-3"},
};

constexpr PageText kProblem5Left[] = {
    {kMargin, 70, 3, "(1)"}, {kIndent, 0, 0, " 6(2x-1)+(9x+3)"},
        {kIndent, 50, 0, "=12x-6+9x+3"},
        {kIndent, 50, 0, "=12x+9x-6+3"},
        {kIndent, 50, 5, "=21x-3"},
    {kMargin, 70, 3, "(2)"}, {kIndent, 0, 0, " 3(2x+7)-4(3x+2)"},
        {kIndent, 50, 0, "=6x+21-12x-8"},
        {kIndent, 50, 0, "=6x-12x+21-8"},
        {kIndent, 50, 5, "=-6x+13"},
};

constexpr PageText kProblem5Right[] = {
    {kMargin, 70, 3, "(3)"}, {kIndent, 0, 0, " 2(a-1)-3(a+4)"},
        {kIndent, 50, 0, "=2a-2-3a-12"},
        {kIndent, 50, 0, "=2a-3a-2-12"},
        {kIndent, 50, 5, "=-a-14"},
    {kMargin, 70, 3, "(4)"}, {kIndent, 0, 0, " 5(4x-2)-2(5x-4)"},
        {kIndent, 50, 0, "=20x-10-10x+8"},
        {kIndent, 50, 0, "=20x-10x-10+8"},
        {kIndent, 50, 5, "=10x-2"},
};
// clang-format on

constexpr char kTitle[] = "P80(基本の問題)";

}  // namespace

void ShowCalcSection4Page1(Machine& m) {
  OpenProblemsPage(m, kTitle, 360);
  ProblemNumber(m, m.marginX, m.lineY + 50, "1");
  WriteTexts(m, kProblem1);
  Key(m);
  StartColumn(m, 640, 54, 30);
  ProblemNumber(m, m.indentX, m.lineY, "2");  // level with the title
  WriteTexts(m, kProblem2);
}

void ShowCalcSection4Page2(Machine& m) {
  OpenProblemsPage(m, kTitle, 396);
  ProblemNumber(m, m.marginX, m.lineY + 50, "3");
  WriteTexts(m, kProblem3);
  Key(m);
  ProblemNumber(m, m.marginX, m.lineY + 60, "4");
  WriteTexts(m, kProblem4Left);
  StartColumn(m, 640, 54, 30);
  WriteTexts(m, kProblem4Right);
}

void ShowCalcSection4Page3(Machine& m) {
  OpenProblemsPage(m, kTitle, 396);
  ProblemNumber(m, m.afterX + 30, m.lineY, "5");  // on the title's line
  WriteTexts(m, kProblem5Left);
  StartColumn(m, 600, 54, 30);
  WriteTexts(m, kProblem5Right);
}

}  // namespace orvelle::calc
