// Section 2's worked answers of the textbook's page 76 (items ② and ④): every problem worked
// line under line, in two columns, one key a line.
#include "lessons/calc/add_subtract.h"
#include "lessons/common/page.h"
#include "lessons/common/steps.h"

namespace orvelle::calc {
namespace {

// How a page works its problems: where its columns start, and whether the result waits for a
// key of its own.
struct AnswerPage {
  float top;
  bool resultWaits;
};

// 問4: the brackets removed, the like terms together; the result a key after.
constexpr AnswerPage kExercise4Page{30, true};
constexpr TextbookWorking kExercise4And5[] = {
    {"(1)", " (4a+5)+(3a-1)", {"=4a+5+3a-1", "=4a+3a+5-1", ""}, "=7a+4", 0},
    {"(2)", " (2x+5)+(3x-7)", {"=2x+5+3x-7", "=2x+3x+5-7", ""}, "=5x-2", 0},
    {"(3)", " (5x-9)+(x-9)", {"=5x-9+x-9", "=5x+x-9-9", ""}, "=6x-18", 0},
    {"(4)", " 3x+(1-4x)", {"=3x+1-4x", "=3x-4x+1", ""}, "=-x+1", 2},
    {"(5)", " (-2a+7)+(3a-6)", {"=-2a+7+3a-6", "=-2a+3a+7-6", ""}, "=a+1", 0},
    {"(6)", " (7x-5)+(-9x+5)", {"=7x-5-9x+5", "=7x-9x-5+5", ""}, "=-2x", 0},
    {"", " (-x-8)+(4x+2)", {"=-x-8+4x+2", "=-x+4x-8+2", ""}, "=3x-6", 0},  // 問5
};

// 問6: first as the addition with the signs changed; the result with the last line.
constexpr AnswerPage kExercise6Page{10, false};
constexpr TextbookWorking kExercise6And7[] = {
    {"(1)", " (9a+7)-(2a+3)", {"=(9a+7)+(-2a-3)", "=9a+7-2a-3", "=9a-2a+7-3"}, "=7a+4", 0},
    {"(2)", " (6x-3)-(4x+5)", {"=(6x-3)+(-4x-5)", "=6x-3-4x-5", "=6x-4x-3-5"}, "=2x-8", 0},
    {"(3)", " (a+3)-(2a-1)", {"=(a+3)+(-2a+1)", "=a+3-2a+1", "=a-2a+3+1"}, "=-a+4", 3},
    {"(4)", " (-2b-9)-(b+2)", {"=(-2b-9)+(-b-2)", "=-2b-9-b-2", "=-2b-b-9-2"}, "=-3b-11", 0},
    {"(5)", " (5a-4)-(4-3a)", {"=(5a-4)+(-4+3a)", "=5a-4-4+3a", "=5a+3a-4-4"}, "=8a-8", 0},
    {"(6)", " (x-4)-(-2x-3)", {"=(x-4)+(2x+3)", "=x-4+2x+3", "=x+2x-4+3"}, "=3x-1", 0},
    {"", " (7x-3)-(-3x-3)", {"=(7x-3)+(3x+3)", "=7x-3+3x+3", "=7x+3x-3+3"}, "=10x", 0},  // 問7
};

void Work(Machine& m, const AnswerPage& page, const TextbookWorking& w) {
  if (*w.label) {
    TextStep(m, m.marginX, m.lineY + 50, 3, w.label);
    TextStep(m, m.indentX, m.lineY, 0, w.problem);
  } else {
    TextStep(m, m.indentX, m.lineY + 50, 0, w.problem);
  }
  for (int i = 1; i <= 3 && *w.lines[i - 1]; ++i) {
    Key(m);
    if (i == w.rightColumnAt) {
      StartColumn(m, 640, 54, page.top);
      TextStep(m, m.indentX, m.lineY, 0, w.lines[i - 1]);
    } else {
      TextStep(m, m.indentX, m.lineY + 50, 0, w.lines[i - 1]);
    }
  }
  if (page.resultWaits) Key(m);
  TextStep(m, m.afterX, m.lineY, 5, w.result);
}

void WorkAll(Machine& m, const AnswerPage& page, std::span<const TextbookWorking> problems) {
  for (const TextbookWorking& w : problems) Work(m, page, w);
}

}  // namespace

std::span<const TextbookWorking> Exercise4And5Working() { return kExercise4And5; }
std::span<const TextbookWorking> Exercise6And7Working() { return kExercise6And7; }

void ShowExercise4And5Answers(Machine& m) {
  ClearPage(m, 1320, 1300);
  StartColumn(m, 40, 54, kExercise4Page.top);
  TextStep(m, m.indentX, m.lineY, 3, "教科書P76 問4　解答");
  Key(m);
  const auto problems = Exercise4And5Working();
  WorkAll(m, kExercise4Page, problems.first(6));
  Key(m);
  TextStep(m, m.marginX, m.lineY + 70, 7, "教科書P76 問5　をやろう。");
  Key(m);
  Work(m, kExercise4Page, problems.back());
}

void ShowExercise6And7Answers(Machine& m) {
  ClearPage(m, 1320, 1300);
  StartColumn(m, 40, 54, kExercise6Page.top);
  TextStep(m, m.indentX, m.lineY, 3, "教科書P76 問6　解答");
  const auto problems = Exercise6And7Working();
  WorkAll(m, kExercise6Page, problems.first(6));
  Key(m);
  ClearPage(m, 600, 1300);  // the left column only; problems (3) to (6) stay on the right
  StartColumn(m, 40, 54, 15);
  TextStep(m, m.indentX, m.lineY, 3, "教科書P76 問7　解答");
  Key(m);
  Work(m, kExercise6Page, problems.back());
}

}  // namespace orvelle::calc
