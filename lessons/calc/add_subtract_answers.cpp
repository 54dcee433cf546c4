// Section 2's worked answers of the textbook's page 76 (items ② and ④): every problem worked
// line under line, in two columns, one key a line.
#include "lessons/calc/add_subtract.h"
#include "lessons/common/page.h"
#include "lessons/common/steps.h"

namespace orvelle::calc {
namespace {

using enum Place;

// clang-format off
// 問4: each problem after its label, a key, the brackets removed, a key, the like terms together,
// a key, the result after them. (4)'s second line opens the right column.
constexpr PageText kExercise4Left[] = {
    {kIndent, 0, 3, "教科書P76 問4　解答"},
    {kKey},
    {kMargin, 50, 3, "(1)"}, {kIndent, 0, 0, " (4a+5)+(3a-1)"},
        {kKey}, {kIndent, 50, 0, "=4a+5+3a-1"},
        {kKey}, {kIndent, 50, 0, "=4a+3a+5-1"},
        {kKey}, {kAfter, 0, 5, "=7a+4"},
    {kMargin, 50, 3, "(2)"}, {kIndent, 0, 0, " (2x+5)+(3x-7)"},
        {kKey}, {kIndent, 50, 0, "=2x+5+3x-7"},
        {kKey}, {kIndent, 50, 0, "=2x+3x+5-7"},
        {kKey}, {kAfter, 0, 5, "=5x-2"},
    {kMargin, 50, 3, "(3)"}, {kIndent, 0, 0, " (5x-9)+(x-9)"},
        {kKey}, {kIndent, 50, 0, "=5x-9+x-9"},
        {kKey}, {kIndent, 50, 0, "=5x+x-9-9"},
        {kKey}, {kAfter, 0, 5, "=6x-18"},
    {kMargin, 50, 3, "(4)"}, {kIndent, 0, 0, " 3x+(1-4x)"},
        {kKey}, {kIndent, 50, 0, "=3x+1-4x"},
        {kKey},
};

constexpr PageText kExercise4Right[] = {
        {kIndent, 0, 0, "=3x-4x+1"},
        {kKey}, {kAfter, 0, 5, "=-x+1"},
    {kMargin, 50, 3, "(5)"}, {kIndent, 0, 0, " (-2a+7)+(3a-6)"},
        {kKey}, {kIndent, 50, 0, "=-2a+7+3a-6"},
        {kKey}, {kIndent, 50, 0, "=-2a+3a+7-6"},
        {kKey}, {kAfter, 0, 5, "=a+1"},
    {kMargin, 50, 3, "(6)"}, {kIndent, 0, 0, " (7x-5)+(-9x+5)"},
        {kKey}, {kIndent, 50, 0, "=7x-5-9x+5"},
        {kKey}, {kIndent, 50, 0, "=7x-9x-5+5"},
        {kKey}, {kAfter, 0, 5, "=-2x"},
    {kKey},
    {kMargin, 70, 7, "教科書P76 問5　をやろう。"},
    {kKey},
    {kIndent, 50, 0, " (-x-8)+(4x+2)"},
        {kKey}, {kIndent, 50, 0, "=-x-8+4x+2"},
        {kKey}, {kIndent, 50, 0, "=-x+4x-8+2"},
        {kKey}, {kAfter, 0, 5, "=3x-6"},
};

// 問6: each problem after its label; a key a line: the addition with the signs changed, the
// brackets removed, the like terms together, the result with the last. (3)'s last line opens the
// right column.
constexpr PageText kExercise6Left[] = {
    {kIndent, 0, 3, "教科書P76 問6　解答"},
    {kMargin, 50, 3, "(1)"}, {kIndent, 0, 0, " (9a+7)-(2a+3)"},
        {kKey}, {kIndent, 50, 0, "=(9a+7)+(-2a-3)"},
        {kKey}, {kIndent, 50, 0, "=9a+7-2a-3"},
        {kKey}, {kIndent, 50, 0, "=9a-2a+7-3"}, {kAfter, 0, 5, "=7a+4"},
    {kMargin, 50, 3, "(2)"}, {kIndent, 0, 0, " (6x-3)-(4x+5)"},
        {kKey}, {kIndent, 50, 0, "=(6x-3)+(-4x-5)"},
        {kKey}, {kIndent, 50, 0, "=6x-3-4x-5"},
        {kKey}, {kIndent, 50, 0, "=6x-4x-3-5"}, {kAfter, 0, 5, "=2x-8"},
    {kMargin, 50, 3, "(3)"}, {kIndent, 0, 0, " (a+3)-(2a-1)"},
        {kKey}, {kIndent, 50, 0, "=(a+3)+(-2a+1)"},
        {kKey}, {kIndent, 50, 0, "=a+3-2a+1"},
        {kKey},
};

constexpr PageText kExercise6Right[] = {
        {kIndent, 0, 0, "=a-2a+3+1"}, {kAfter, 0, 5, "=-a+4"},
    {kMargin, 50, 3, "(4)"}, {kIndent, 0, 0, " (-2b-9)-(b+2)"},
        {kKey}, {kIndent, 50, 0, "=(-2b-9)+(-b-2)"},
        {kKey}, {kIndent, 50, 0, "=-2b-9-b-2"},
        {kKey}, {kIndent, 50, 0, "=-2b-b-9-2"}, {kAfter, 0, 5, "=-3b-11"},
    {kMargin, 50, 3, "(5)"}, {kIndent, 0, 0, " (5a-4)-(4-3a)"},
        {kKey}, {kIndent, 50, 0, "=(5a-4)+(-4+3a)"},
        {kKey}, {kIndent, 50, 0, "=5a-4-4+3a"},
        {kKey}, {kIndent, 50, 0, "=5a+3a-4-4"}, {kAfter, 0, 5, "=8a-8"},
    {kMargin, 50, 3, "(6)"}, {kIndent, 0, 0, " (x-4)-(-2x-3)"},
        {kKey}, {kIndent, 50, 0, "=(x-4)+(2x+3)"},
        {kKey}, {kIndent, 50, 0, "=x-4+2x+3"},
        {kKey}, {kIndent, 50, 0, "=x+2x-4+3"}, {kAfter, 0, 5, "=3x-1"},
    {kKey},
};

// 問7 on the left column, cleared.
constexpr PageText kExercise7[] = {
    {kIndent, 0, 3, "教科書P76 問7　解答"},
    {kKey},
    {kIndent, 50, 0, " (7x-3)-(-3x-3)"},
        {kKey}, {kIndent, 50, 0, "=(7x-3)+(3x+3)"},
        {kKey}, {kIndent, 50, 0, "=7x-3+3x+3"},
        {kKey}, {kIndent, 50, 0, "=7x+3x-3+3"}, {kAfter, 0, 5, "=10x"},
};
// clang-format on

}  // namespace

void ShowExercise4And5Answers(Machine& m) {
  ClearPage(m, 1320, 1300);
  StartColumn(m, 40, 54, 30);
  WriteTexts(m, kExercise4Left);
  StartColumn(m, 640, 54, 30);
  WriteTexts(m, kExercise4Right);
}

void ShowExercise6And7Answers(Machine& m) {
  ClearPage(m, 1320, 1300);
  StartColumn(m, 40, 54, 10);
  WriteTexts(m, kExercise6Left);
  StartColumn(m, 640, 54, 10);
  WriteTexts(m, kExercise6Right);
  EraseBox(m, 0, 0, 600, 1300);  // the left column only; problems (3) to (6) stay on the right
  StartColumn(m, 40, 54, 15);
  WriteTexts(m, kExercise7);
}

}  // namespace orvelle::calc
