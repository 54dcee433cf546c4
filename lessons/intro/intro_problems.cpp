// Section 5 "P72(基本の問題)": its sub-menu and the three pages of worked answers.
#include "lessons/intro/intro_problems.h"

#include <span>
#include <string>

#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "lessons/intro/program.h"

namespace orvelle::intro {
namespace {

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

// A question of problems 4 and 5: the expression with its label, the substitution after it,
// where needed a further line under the expression's end, then the value.
struct Working {
  float gap;  // below the question before
  const char* expression;
  const char* substituted;
  const char* further;  // "": none
  const char* value;
};

// a = -6.
constexpr Working kProblem4[] = {
    {50, "(1)2a", "=2*(-6)", "", "=-12"},
    {60, "(2)-3a+5", "=-3*(-6)+5", "=18+5", "=23"},
    {80, "(3)ﾀ18/aﾀ", "=ﾀ18/-6ﾀ", "", "=-3"},
    {80, "(4)-2a^2", "=-2*(-6)^2", "=-2*36", "=-72"},
};

// x = 3, y = -2: each further line ends in "=", and the value follows it at once.
constexpr Working kProblem5[] = {
    {50, "(1)-x+5y", "=-3+5*(-2)", "=-3-10=", "-13"},
    {60, "(2)3x-4y", "=3*3-4*(-2)", "=9+8=", "17"},
    {60, "(3)-7x+y^2", "=-7*3+(-2)^2", "=-21+4=", "-17"},
};

// A new page with the section's heading in a box `width` wide.
void StartPage(Machine& m, float width) {
  ClearPage(m, 1760, 1800);
  m.marginX = 40;
  m.indentX = m.marginX + 60;
  m.lineY = 30;
  BoxStep(m, m.marginX, m.lineY, {width, 48, 3, 13}, 0, "P72(基本の問題)");
}

// The boxed problem number, 50 below the line.
void ProblemNumber(Machine& m, const std::string& number) {
  BoxStep(m, m.marginX, m.lineY + 50, {44, 44, 4, 3}, 13, number);
}

// A second column of the page, from the top again, for the next problem.
void NextColumn(Machine& m, float margin, const std::string& number) {
  Key(m);
  m.marginX = margin;
  m.indentX = m.marginX + 60;
  m.lineY = 30;
  ProblemNumber(m, number);
}

void Workings(Machine& m, std::span<const Working> questions, bool valueWaits) {
  for (const Working& q : questions) {
    TextStep(m, m.marginX, m.lineY + q.gap, 3, q.expression);
    m.answerX = m.drawX;
    Key(m);
    TextStep(m, m.afterX, m.lineY, 0, q.substituted);
    if (*q.further) {
      Key(m);
      TextStep(m, m.answerX, m.lineY + 50, 0, q.further);
    }
    if (valueWaits) Key(m);
    TextStep(m, m.afterX, m.lineY, 5, q.value);
  }
}

}  // namespace

void ShowIntroProblemsMenu(Machine& m) {
  RunSubMenu(m, kIntroProblems, {ShowProblems1And2, ShowProblem3, ShowProblems4And5});
}

void ShowProblems1And2(Machine& m) {
  StartPage(m, 360);
  ProblemNumber(m, "1");
  WorkedAnswers(m, kProblem1);
  NextColumn(m, 600, "2");
  WorkedAnswers(m, kProblem2);
}

void ShowProblem3(Machine& m) {
  StartPage(m, 396);
  ProblemNumber(m, "3");
  WorkedAnswers(m, kProblem3);
}

void ShowProblems4And5(Machine& m) {
  StartPage(m, 396);
  ProblemNumber(m, "4");
  Workings(m, kProblem4, true);
  NextColumn(m, 648, "5");
  Workings(m, kProblem5, false);
}

}  // namespace orvelle::intro
