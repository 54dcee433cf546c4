// Section 4, items ② "問1" and ③ "例２": worked answers of substitution, step by step.
#include "core/shared.h"
#include "lessons/common/page.h"
#include "lessons/common/steps.h"
#include "lessons/intro/expr_value.h"

namespace orvelle::intro {
namespace {

using enum Place;

// clang-format off
// 問1, a column for each value of x from the top: 5x+2 and 3-2x worked in two lines each, the value right
// after the second; 12/x worked in one line, its value a key later.
constexpr PageText kExercise1AtTwo[] = {
    {kMargin, 0, 3, "教科書P71 問1の答"},
    {kIndent, 50, 0, "x=2 を代入して"},
    {kMargin, 50, 3, "(1)"}, {kInset, 27, 0, "5x+2"},
        {kKey}, {kIndent, 50, 0, "=5*2+2"},
        {kKey}, {kIndent, 50, 0, "=10+2="}, {kAfter, 0, 5, "12"},
    {kMargin, 80, 3, "(2)"}, {kInset, 27, 0, "3-2x"},
        {kKey}, {kIndent, 50, 0, "=3-2*2"},
        {kKey}, {kIndent, 50, 0, "=3-4="}, {kAfter, 0, 5, "-1"},
    {kMargin, 80, 3, "(3)"}, {kInset, 27, 0, "ﾀ12/xﾀ"},
        {kKey}, {kIndent, 80, 0, "=ﾀ12/2ﾀ="},
        {kKey}, {kAfter, 0, 5, "6"},
};

constexpr PageText kExercise1AtMinusFour[] = {
    {kIndent, 50, 0, "x=-4 を代入して"},
    {kMargin, 50, 3, "(1)"}, {kInset, 27, 0, "5x+2"},
        {kKey}, {kIndent, 50, 0, "=5*(-4)+2"},
        {kKey}, {kIndent, 50, 0, "=-20+2="}, {kAfter, 0, 5, "-18"},
    {kMargin, 80, 3, "(2)"}, {kInset, 27, 0, "3-2x"},
        {kKey}, {kIndent, 50, 0, "=3-2*(-4)"},
        {kKey}, {kIndent, 50, 0, "=3+8="}, {kAfter, 0, 5, "11"},
    {kMargin, 80, 3, "(3)"}, {kInset, 27, 0, "ﾀ12/xﾀ"},
        {kKey}, {kIndent, 80, 0, "=ﾀ12/-4ﾀ="},
        {kKey}, {kAfter, 0, 5, "-3"},
};

// 例2 at a = -2.
constexpr PageText kExample2[] = {
    {kMargin, 0, 3, "例2 a=-2 のとき、"},
    {kMargin, 80, 3, "次の式の値を求めなさい。"},
    {kMargin, 80, 3, "(1)"}, {kInset, 27, 0, "-a"},
        {kKey}, {kIndent, 50, 0, "=-(-2)="},
        {kKey}, {kAfter, 0, 5, "2"},
    {kMargin, 80, 3, "(2)"}, {kInset, 27, 0, "a^2"},
        {kKey}, {kIndent, 50, 0, "=(-2)^2"},
        {kKey}, {kIndent, 50, 0, "=(-2)*(-2)="},
        {kKey}, {kAfter, 0, 5, "4"},
    {kKey},
};

// Its exercise 問2 at a = -5: each question with its first step on its line, a second line 9
// after the question's end, and the value after the last.
constexpr PageText kExercise2[] = {
    {kMargin, 0, 7, "教科書P71 問2 をしなさい。"},
    {kKey},
    {kQuestion, 50, 3, "(1)-a"}, {kKey}, {kAfter, 0, 0, "=-(-5)="},
        {kKey}, {kAfter, 0, 5, "5"},
    {kQuestion, 60, 3, "(2)a^2"}, {kKey}, {kAfter, 0, 0, "=(-5)^2"},
        {kKey}, {kUnder, 9, 0, "=(-5)*(-5)="},
        {kKey}, {kAfter, 0, 5, "25"},
    {kQuestion, 50, 3, "(3)-a^2"}, {kKey}, {kAfter, 0, 0, "=-(-5)^2"},
        {kKey}, {kUnder, 9, 0, "=-(-5)*(-5)="},
        {kKey}, {kAfter, 0, 5, "-25"},
    {kQuestion, 60, 3, "(4)(-a)^2"}, {kKey}, {kAfter, 0, 0, "={-(-5)}^2"},
        {kKey}, {kUnder, 9, 0, "=5^2="},
        {kKey}, {kAfter, 0, 5, "25"},
};
// clang-format on

}  // namespace

void ShowExercise1Answers(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 60, 30);
  WriteTexts(m, kExercise1AtTwo);
  StartColumn(m, 600, 60, 30);
  WriteTexts(m, kExercise1AtMinusFour);
}

void ShowExample2Answers(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 60, 30);
  WriteTexts(m, kExample2);
  StartColumn(m, 520, 60, 30);
  WriteTexts(m, kExercise2);
}

}  // namespace orvelle::intro
