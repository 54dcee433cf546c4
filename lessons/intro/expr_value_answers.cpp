// Section 4, items ② "問1" and ③ "例２": worked answers of substitution, step by step.
#include "core/shared.h"
#include "lessons/common/steps.h"
#include "lessons/intro/expr_value.h"

namespace orvelle::intro {
namespace {

// One column of 問1's answers: the value substituted, two linear expressions worked in two lines
// each, and 12/x worked in one.
struct SubstitutionColumn {
  float margin;
  const char* given;
  struct {
    const char* label;
    const char* expression;
    const char* firstLine;
    const char* secondLine;  // ends in "=", the value follows it
    const char* value;
  } linear[2];
  const char* fractionLine;  // ends in "=", the value waits for a key
  const char* fractionValue;
};

constexpr SubstitutionColumn kExercise1[] = {
    {40,
     "x=2 を代入して",
     {{"(1)", "5x+2", "=5*2+2", "=10+2=", "12"}, {"(2)", "3-2x", "=3-2*2", "=3-4=", "-1"}},
     "=ﾀ12/2ﾀ=",
     "6"},
    {600,
     "x=-4 を代入して",
     {{"(1)", "5x+2", "=5*(-4)+2", "=-20+2=", "-18"}, {"(2)", "3-2x", "=3-2*(-4)", "=3+8=", "11"}},
     "=ﾀ12/-4ﾀ=",
     "-3"},
};

// 例2's exercise at a = -5: each question with its first step on its line, the second line at a
// fixed x, and the value after it.
struct SquareQuestion {
  float gap;  // below the line before
  const char* question;
  const char* firstStep;
  float secondLineX;  // right of indentX; 0: no second line
  const char* secondLine;
  const char* value;
};

constexpr SquareQuestion kExercise2[] = {
    {50, "(1)-a", "=-(-5)=", 0, "", "5"},
    {60, "(2)a^2", "=(-5)^2", 81, "=(-5)*(-5)=", "25"},
    {50, "(3)-a^2", "=-(-5)^2", 108, "=-(-5)*(-5)=", "-25"},
    {60, "(4)(-a)^2", "={-(-5)}^2", 162, "=5^2=", "25"},
};

}  // namespace

void ShowExercise1Answers(Machine& m) {
  ClearPage(m, 1760, 1300);
  m.marginX = 40;
  m.indentX = 100;
  m.lineY = 30;
  TextStep(m, m.marginX, m.lineY, 3, "教科書P71 問1の答");
  for (const SubstitutionColumn& column : kExercise1) {
    m.marginX = column.margin;
    m.indentX = m.marginX + 60;
    m.lineY = 30;
    TextStep(m, m.indentX, m.lineY + 50, 0, column.given);
    float gap = 50;  // the first question under the value given, the others under a value
    for (const auto& q : column.linear) {
      TextStep(m, m.marginX, m.lineY + gap, 3, q.label);
      TextStep(m, m.indentX + 27, m.lineY, 0, q.expression);
      Key(m);
      TextStep(m, m.indentX, m.lineY + 50, 0, q.firstLine);
      Key(m);
      TextStep(m, m.indentX, m.lineY + 50, 0, q.secondLine);
      TextStep(m, m.afterX, m.lineY, 5, q.value);
      gap = 80;
    }
    TextStep(m, m.marginX, m.lineY + 80, 3, "(3)");
    TextStep(m, m.indentX + 27, m.lineY, 0, "ﾀ12/xﾀ");
    Key(m);
    TextStep(m, m.indentX, m.lineY + 80, 0, column.fractionLine);
    Key(m);
    TextStep(m, m.afterX, m.lineY, 5, column.fractionValue);
  }
}

void ShowExample2Answers(Machine& m) {
  ClearPage(m, 1760, 1300);
  m.marginX = 40;
  m.indentX = m.marginX + 60;
  m.lineY = 30;
  TextStep(m, m.marginX, m.lineY, 3, "例2 a=-2 のとき、");
  TextStep(m, m.marginX, m.lineY + 80, 3, "次の式の値を求めなさい。");
  TextStep(m, m.marginX, m.lineY + 80, 3, "(1)");
  TextStep(m, m.indentX + 27, m.lineY, 0, "-a");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "=-(-2)=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "2");
  TextStep(m, m.marginX, m.lineY + 80, 3, "(2)");
  TextStep(m, m.indentX + 27, m.lineY, 0, "a^2");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "=(-2)^2");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "=(-2)*(-2)=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "4");

  Key(m);
  m.marginX = 520;
  m.indentX = m.marginX + 60;
  m.lineY = 30;
  TextStep(m, m.marginX, m.lineY, 7, "教科書P71 問2 をしなさい。");
  bool first = true;  // only the first question waits after the pointer
  for (const SquareQuestion& q : kExercise2) {
    if (first) Key(m);
    first = false;
    TextStep(m, m.marginX, m.lineY + q.gap, 3, q.question);
    Key(m);
    TextStep(m, m.afterX, m.lineY, 0, q.firstStep);
    if (q.secondLineX > 0) {
      Key(m);
      TextStep(m, m.indentX + q.secondLineX, m.lineY + 50, 0, q.secondLine);
    }
    Key(m);
    TextStep(m, m.afterX, m.lineY, 5, q.value);
  }
}

}  // namespace orvelle::intro
