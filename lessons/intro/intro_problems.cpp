// Section 5 "P72(基本の問題)": its sub-menu and the three pages of worked answers.
#include "lessons/intro/intro_problems.h"

#include <string>

#include "lessons/common/page.h"
#include "lessons/common/steps.h"

namespace orvelle::intro {
namespace {

using enum Place;

// Problems 1 to 3: the label, the expression and, one key later, its answer.
constexpr WorkedAnswer kProblem1[] = {
    {"(1)", 50, "b*9", "=9b"},          {"(2)", 50, "b*4*a", "=4ab"},
    {"(3)", 50, "(x+3)*2", "=2(x+3)"},  {"(4)", 50, "(-1)*t", "=-t"},
    {"(5)", 50, "c*1", "=c"},           {"(6)", 50, "a*(-6)-1", "=-6a-1"},
    {"(7)", 50, "y*y", "=y^2"},         {"(8)", 80, "3x/2", "=ﾀ3x/2ﾀ"},
    {"(9)", 80, "(a-2)/3", "=ﾀa-2/3ﾀ"},
};

constexpr WorkedAnswer kProblem2[] = {
    {"(1)", 50, "5xy", "=5*x*y"},
    {"(2)", 50, "-2a^2", "=(-2)*a*a"},
    {"(3)", 80, "ﾀ4/7ﾀa", "=ﾀ4/7ﾀ*a"},
    {"(4)", 80, "ﾀ6/xﾀ", "=6/x"},
};

constexpr WorkedAnswer kProblem3[] = {
    {"(1)", 50, "90*x+50*y", "=90x+50y (円)"},
    {"(2)", 80, "a/10", "=ﾀa/10ﾀ (g)"},
    {"(3)", 70, "x*2+y", "=2x+y"},
    {"(4)", 50, "(x+y)*2", "=2(x+y)"},
};

// Problems 4 and 5: the expression with its label, the substitution after it, where needed a
// further line under the expression's end, then the value.

// clang-format off
// a = -6.
constexpr PageText kProblem4[] = {
    {kQuestion, 50, 3, "(1)2a"}, {kKey}, {kAfter, 0, 0, "=2*(-6)"},
        {kKey}, {kAfter, 0, 5, "=-12"},
    {kQuestion, 60, 3, "(2)-3a+5"}, {kKey}, {kAfter, 0, 0, "=-3*(-6)+5"},
        {kKey}, {kUnder, 0, 0, "=18+5"},
        {kKey}, {kAfter, 0, 5, "=23"},
    {kQuestion, 80, 3, "(3)ﾀ18/aﾀ"}, {kKey}, {kAfter, 0, 0, "=ﾀ18/-6ﾀ"},
        {kKey}, {kAfter, 0, 5, "=-3"},
    {kQuestion, 80, 3, "(4)-2a^2"}, {kKey}, {kAfter, 0, 0, "=-2*(-6)^2"},
        {kKey}, {kUnder, 0, 0, "=-2*36"},
        {kKey}, {kAfter, 0, 5, "=-72"},
};

// x = 3, y = -2: each further line ends in "=", and the value follows it at once.
constexpr PageText kProblem5[] = {
    {kQuestion, 50, 3, "(1)-x+5y"}, {kKey}, {kAfter, 0, 0, "=-3+5*(-2)"},
        {kKey}, {kUnder, 0, 0, "=-3-10="}, {kAfter, 0, 5, "-13"},
    {kQuestion, 60, 3, "(2)3x-4y"}, {kKey}, {kAfter, 0, 0, "=3*3-4*(-2)"},
        {kKey}, {kUnder, 0, 0, "=9+8="}, {kAfter, 0, 5, "17"},
    {kQuestion, 60, 3, "(3)-7x+y^2"}, {kKey}, {kAfter, 0, 0, "=-7*3+(-2)^2"},
        {kKey}, {kUnder, 0, 0, "=-21+4="}, {kAfter, 0, 5, "-17"},
};
// clang-format on

// A new page with the section's heading in a box `width` wide, its columns indented 60, and the
// problem's boxed number 50 below the heading.
void OpenPage(Machine& m, float width, const std::string& number) {
  OpenProblemsPage(m, "P72(基本の問題)", width, 60);
  ProblemNumber(m, m.marginX, m.lineY + 50, number);
}

// A second column of the page, from the top again, for the next problem.
void NextColumn(Machine& m, float margin, const std::string& number) {
  Key(m);
  StartColumn(m, margin, 60, 30);
  ProblemNumber(m, m.marginX, m.lineY + 50, number);
}

}  // namespace

void ShowProblems1And2(Machine& m) {
  OpenPage(m, 360, "1");
  WorkedAnswers(m, kProblem1);
  NextColumn(m, 600, "2");
  WorkedAnswers(m, kProblem2);
}

void ShowProblem3(Machine& m) {
  OpenPage(m, 396, "3");
  WorkedAnswers(m, kProblem3);
}

void ShowProblems4And5(Machine& m) {
  OpenPage(m, 396, "4");
  WriteTexts(m, kProblem4);
  NextColumn(m, 648, "5");
  WriteTexts(m, kProblem5);
}

}  // namespace orvelle::intro
