// Section 5 "P72(基本の問題)" of Orvelle: its sub-menu and the three pages of worked answers,
// each answer checked by its mathematics.
#include "lessons/intro/intro_problems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"
#include "lessons/intro/main_menu.h"

namespace orvelle {
namespace {

using test::ItemRun;
using test::kIntro;
using test::MarkupEnd;

// Whether a box (x, y) w × h in the given colours was drawn with its text centred in it.
bool DrewTextBox(const ItemRun& item, float x, float y, float w, float h, int border, int fill,
                 int color, const std::string& text) {
  const float textX = x + (w - MarkupEnd(0, text)) / 2;
  return test::HasBox(item.log(), x, y, x + w, y + h, border, fill) &&
         test::DrewMarkup(item.log(), textX, y + static_cast<int>((h - 44) / 2), color, text);
}

// Whether nothing is drawn on the line at y from x on: the line ends there (letters and the
// parts of a fraction stand up to 22 above or below it, the next line 50 below).
bool LineEndsAt(const std::vector<DrawCall>& screen, float x, float y) {
  return std::none_of(screen.begin(), screen.end(), [&](const DrawCall& c) {
    return (c.op == Op::kText || c.op == Op::kLine) && std::abs(c.y1 - y) < 25 && c.x1 >= x;
  });
}

// A row of problems 1 to 3: the label and the expression on one screen, the answer one key later
// after it, ending the line, and of the same value whatever the letters are.
struct Row {
  float x, y;
  const char* label;
  const char* expression;
  const char* answer;
  int screen;
};

void ExpectRows(const ItemRun& item, std::initializer_list<Row> rows) {
  for (const Row& r : rows) {
    const float x = r.x + 87;
    item.Expect({{r.x, r.y, 3, r.label, r.screen},
                 {x, r.y, 0, r.expression, r.screen},
                 {MarkupEnd(x, r.expression), r.y, 5, r.answer, r.screen + 1}});
    const float end = MarkupEnd(MarkupEnd(x, r.expression), r.answer);
    EXPECT_TRUE(LineEndsAt(item.screens[r.screen + 1], end, r.y)) << r.answer;
    EXPECT_TRUE(test::SameExpression(r.expression, r.answer)) << r.expression << " " << r.answer;
  }
}

TEST(IntroProblemsSection, Problems1And2) {
  const ItemRun item(kIntro, 5, 1, 14);
  EXPECT_TRUE(DrewTextBox(item, 40, 30, 360, 48, 3, 13, 0, "P72(基本の問題)"));
  EXPECT_TRUE(DrewTextBox(item, 40, 80, 44, 44, 4, 3, 13, "1"));
  EXPECT_TRUE(DrewTextBox(item, 600, 80, 44, 44, 4, 3, 13, "2"));
  // Every row, 50 or 80 below the one before; problem 2 in the second column.
  ExpectRows(item, {{40, 130, "(1)", "b*9", "=9b", 0},
                    {40, 180, "(2)", "b*4*a", "=4ab", 1},
                    {40, 230, "(3)", "(x+3)*2", "=2(x+3)", 2},
                    {40, 280, "(4)", "(-1)*t", "=-t", 3},
                    {40, 330, "(5)", "c*1", "=c", 4},
                    {40, 380, "(6)", "a*(-6)-1", "=-6a-1", 5},
                    {40, 430, "(7)", "y*y", "=y^2", 6},
                    {40, 510, "(8)", "3x/2", "=ﾀ3x/2ﾀ", 7},
                    {40, 590, "(9)", "(a-2)/3", "=ﾀa-2/3ﾀ", 8},
                    {600, 130, "(1)", "5xy", "=5*x*y", 10},
                    {600, 180, "(2)", "-2a^2", "=(-2)*a*a", 11},
                    {600, 260, "(3)", "ﾀ4/7ﾀa", "=ﾀ4/7ﾀ*a", 12},
                    {600, 340, "(4)", "ﾀ6/xﾀ", "=6/x", 13}});
}

TEST(IntroProblemsSection, Problem3) {
  const ItemRun item(kIntro, 5, 2, 4);
  EXPECT_TRUE(DrewTextBox(item, 40, 30, 396, 48, 3, 13, 0, "P72(基本の問題)"));
  EXPECT_TRUE(DrewTextBox(item, 40, 80, 44, 44, 4, 3, 13, "3"));
  ExpectRows(item, {{40, 130, "(1)", "90*x+50*y", "=90x+50y (円)", 0},
                    {40, 210, "(2)", "a/10", "=ﾀa/10ﾀ (g)", 1},
                    {40, 280, "(3)", "x*2+y", "=2x+y", 2},
                    {40, 330, "(4)", "(x+y)*2", "=2(x+y)", 3}});
}

TEST(IntroProblemsSection, Problems4And5WorkedAtTheirValues) {
  const ItemRun item(kIntro, 5, 3, 17);
  EXPECT_TRUE(DrewTextBox(item, 40, 30, 396, 48, 3, 13, 0, "P72(基本の問題)"));
  EXPECT_TRUE(DrewTextBox(item, 40, 80, 44, 44, 4, 3, 13, "4"));
  EXPECT_TRUE(DrewTextBox(item, 648, 80, 44, 44, 4, 3, 13, "5"));
  // The expression with its label; the substitution after it, a key later; a further line
  // under its end and the value, each a key later (problem 5: the value at once).
  struct Working {
    float x, y;
    const char *label, *expression, *substituted, *further, *value;
    int screen;
  };
  const Working workings[] = {
      {40, 130, "(1)", "2a", "=2*(-6)", "", "=-12", 0},
      {40, 190, "(2)", "-3a+5", "=-3*(-6)+5", "=18+5", "=23", 2},
      {40, 320, "(3)", "ﾀ18/aﾀ", "=ﾀ18/-6ﾀ", "", "=-3", 5},
      {40, 400, "(4)", "-2a^2", "=-2*(-6)^2", "=-2*36", "=-72", 7},
      {648, 130, "(1)", "-x+5y", "=-3+5*(-2)", "=-3-10=", "-13", 11},
      {648, 240, "(2)", "3x-4y", "=3*3-4*(-2)", "=9+8=", "17", 13},
      {648, 350, "(3)", "-7x+y^2", "=-7*3+(-2)^2", "=-21+4=", "-17", 15},
  };
  const test::Letters letters = test::LettersAt({{'a', -6}, {'x', 3}, {'y', -2}});
  for (const Working& w : workings) {
    const std::string expression = std::string(w.label) + w.expression;
    const float end = MarkupEnd(w.x, expression);
    const bool further = *w.further != '\0';
    const float valueX = MarkupEnd(end, further ? w.further : w.substituted);
    const float valueY = further ? w.y + 50 : w.y;
    const int valueScreen = w.screen + (further ? 2 : 1) + (w.x < 600 ? 1 : 0);
    item.Expect({{w.x, w.y, 3, expression, w.screen},
                 {end, w.y, 0, w.substituted, w.screen + 1},
                 {valueX, valueY, 5, w.value, valueScreen}});
    if (further) item.Expect({{end, w.y + 50, 0, w.further, w.screen + 2}});
    test::ExpectSameValues(letters, {w.expression, w.substituted, w.further, w.value});
  }
}

}  // namespace
}  // namespace orvelle
