// Section 5 "P87(章の問題B)": the answers of problems 1 to 3, each one whole screen drawn at once.
#include "lessons/apply/chapter_problems.h"
#include "lessons/common/page.h"

namespace orvelle::apply {
namespace {

using enum Place;

constexpr char kTitle[] = "P87(章の問題B)";

// clang-format off
// Problem 1, left column: ア and イ, each case on two lines (the case, then its working).
constexpr PageText kProblem1Left[] = {
    {kMargin, 50, 3, "ア"}, {kIndent, 0, 3, " -a"},
        {kIndent, 50, 0, "①a=-3 のとき"},
        {kIndent, 50, 0, " -a=-(-3)"}, {kAfter, 0, 3, "=3"},
        {kIndent, 50, 0, "②a=3 のとき"},
        {kIndent, 50, 0, " -a"}, {kAfter, 0, 3, "=-3"},
    {kMargin, 70, 3, "イ"}, {kIndent, 0, 3, " a^2"},
        {kIndent, 50, 0, "①a=-3 のとき"},
        {kIndent, 50, 0, " a^2=(-3)^2"}, {kAfter, 0, 3, "=9"},
        {kIndent, 50, 0, "②a=3 のとき"},
        {kIndent, 50, 0, " a^2=3^2"}, {kAfter, 0, 3, "=9"},
};

// Problem 1, right column: ウ, エ and オ, with a case on one line where it fits, then the answer
// (the question it answers is the textbook's).
constexpr PageText kProblem1Right[] = {
    {kMargin, 0, 3, "ウ"}, {kIndent, 0, 3, " -a^2"},
        {kIndent, 50, 0, "①a=-3 のとき "}, {kAfter, 0, 3, "-a^2"},
            {kAfter, 0, 0, "=-(-3)^2"}, {kAfter, 0, 3, "=-9"},
        {kIndent, 50, 0, "②a=3 のとき "}, {kAfter, 0, 3, "-a^2"},
            {kAfter, 0, 0, "=-3^2"}, {kAfter, 0, 3, "=-9"},
    {kMargin, 70, 3, "エ"}, {kIndent, 0, 3, " (-a)^2"}, {kAfter, 50, 0, "①a=-3 のとき"},
        {kIndent, 50, 0, " (-a)^2={-(-3)}^2=3^2"}, {kAfter, 0, 3, "=9"},
        {kIndent, 50, 0, "②a=3 のとき "}, {kAfter, 0, 3, "(-a)^2"},
            {kAfter, 0, 0, "=(-3)^2"}, {kAfter, 0, 3, "=9"},
    {kMargin, 70, 3, "オ"}, {kIndent, 0, 3, " -(-a)"}, {kAfter, 50, 0, "①a=-3 のとき"},
        {kIndent, 50, 0, " -(-a)=-{-(-3)}"}, {kAfter, 0, 3, "=-3"},
        {kIndent, 50, 0, "②a=3 のとき"}, {kAfter, 0, 3, "-(-a)"},
            {kAfter, 0, 0, "=-(-3)"}, {kAfter, 0, 3, "=3"},
    {kMargin, 70, 5, "答　イ,エ"},
};

// Problem 2 (1): lines 80 apart, for the stacked fractions.
constexpr PageText kProblem2Left[] = {
    {kMargin, 70, 3, "(1)"}, {kIndent, 0, 0, " ﾀ1/2ﾀ(3x-1)-ﾀ1/3ﾀ(5x-7)"},
        {kIndent, 80, 0, "=ﾀ3/6ﾀ(3x-1)-ﾀ2/6ﾀ(5x-7)"},
        {kIndent, 80, 0, "=ﾀ9/6ﾀx-ﾀ3/6ﾀ-ﾀ10/6ﾀx+ﾀ14/6ﾀ"},
        {kIndent, 80, 0, "=ﾀ9/6ﾀx-ﾀ10/6ﾀx-ﾀ3/6ﾀ+ﾀ14/6ﾀ"},
        {kIndent, 80, 5, "=-ﾀ1/6ﾀx+ﾀ11/6ﾀ"},
};

// Problem 2 (2), in the right column, higher up: no box stands over it.
constexpr PageText kProblem2Right[] = {
    {kMargin, 30, 3, "(2)"}, {kIndent, 0, 0, " ﾀa+1/4ﾀ-ﾀa-2/6ﾀ"},
        {kIndent, 80, 0, "=ﾀ1/4ﾀ(a+1)-ﾀ1/6ﾀ(a-2)"},
        {kIndent, 80, 0, "=ﾀ3/12ﾀ(a+1)-ﾀ2/12ﾀ(a-2)"},
        {kIndent, 80, 0, "=ﾀ3/12ﾀa+ﾀ3/12ﾀ-ﾀ2/12ﾀa+ﾀ4/12ﾀ"},
        {kIndent, 80, 0, "=ﾀ3/12ﾀa-ﾀ2/12ﾀa+ﾀ3/12ﾀ+ﾀ4/12ﾀ"},
        {kIndent, 80, 5, "=ﾀ1/12ﾀa+ﾀ7/12ﾀ"},
};

// Problem 3: each part's working, a sentence with its result after it, then its answer.
constexpr PageText kProblem3[] = {
    {kAfter, 30, 3, "(1)"}, {kAfter, 0, 0, " p％=ﾀp/100ﾀ だから 増えた人数は x*ﾀp/100ﾀ="},
        {kAfter, 0, 3, "ﾀpx/100ﾀ(人)"},
        {kIndent, 70, 0, "今年の人数は　"}, {kAfter, 0, 3, "x+ﾀpx/100ﾀ(人)"},
        {kAfter, 0, 0, " だから"},
        {kIndent, 70, 5, "答 x+ﾀpx/100ﾀ≧400　"}, {kAfter, 60, 3, "(1+ﾀp/100ﾀ)x≧400  でもよい"},
    {kMargin, 90, 3, "(2)"}, {kIndent, 0, 0, " 1gの単価は a*ﾀ1/100ﾀ="}, {kAfter, 0, 3, "ﾀa/100ﾀ(円)"},
        {kIndent, 70, 0, "bgの代金は ﾀa/100ﾀ*b="}, {kAfter, 0, 3, "ﾀab/100ﾀ(円)"},
        {kAfter, 0, 0, " だから"},
        {kIndent, 70, 5, "答 ﾀab/100ﾀ=1000　"},
};
// clang-format on

}  // namespace

void ShowChapterProblemB1(Machine& m) {
  OpenProblemsPage(m, kTitle, 396);
  ProblemNumber(m, m.marginX, m.lineY + 50, "1");
  WriteTexts(m, kProblem1Left);
  StartColumn(m, 480, 54, 30);
  WriteTexts(m, kProblem1Right);
}

void ShowChapterProblemB2(Machine& m) {
  OpenProblemsPage(m, kTitle, 396);
  ProblemNumber(m, m.afterX + 30, m.lineY, "2");  // right of the title
  WriteTexts(m, kProblem2Left);
  StartColumn(m, 640, 54, 30);
  WriteTexts(m, kProblem2Right);
}

void ShowChapterProblemB3(Machine& m) {
  OpenProblemsPage(m, kTitle, 396);
  ProblemNumber(m, m.marginX, m.lineY + 70, "3");
  WriteTexts(m, kProblem3);
}

}  // namespace orvelle::apply
