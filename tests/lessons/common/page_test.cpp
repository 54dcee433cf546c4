// Page tables and columns: each row's text where its place puts it, keys where the table waits,
// and the cursor left as TextStep leaves it.
#include "lessons/common/page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../support/machine.h"
#include "../../support/screen.h"
#include "lessons/common/steps.h"

namespace orvelle {
namespace {

// Every drawing call of a log as the review log writes it.
std::vector<std::string> Drawn(const std::vector<DrawCall>& log) {
  std::vector<std::string> calls;
  for (const DrawCall& c : test::Drawing(log)) calls.push_back(c.ToString());
  return calls;
}

using test::Bench;
using test::MarkupEnd;
using test::Screen;
using enum Place;

// Every place a row can name, from a column at 40 with its indent 54 in and its line at 30.
constexpr PageText kRows[] = {
    {kMargin, 0, 3, "(1)"},       // on the column's line, at the margin
    {kIndent, 0, 0, " 2x+3x"},    // on the same line, at the indent
    {kKey},                       // the page waits
    {kAfter, 0, 5, "=5x"},        // on along the line
    {kIndent, 50, 0, "=ﾀ1/2ﾀx"},  // a new line 50 below, at the indent
    {kAfter, 20, 3, "項…"},       // 20 further on
    {kMargin, 60, 3, "(2)"},      // a new line 60 below, at the margin
};

TEST(WriteTexts, PlacesEachRowFromWhereTheRowBeforeLeftTheCursor) {
  Bench b(" ");
  StartColumn(b.m, 40, 54, 30);
  EXPECT_EQ(b.m.marginX, 40);
  EXPECT_EQ(b.m.indentX, 94);
  WriteTexts(b.m, kRows);
  EXPECT_FALSE(b.device.KeysLeft());

  const auto parts = test::SplitAtKeys(b.device.log());
  ASSERT_EQ(parts.size(), 2u);
  const float fractionLine = 80;
  const struct {
    float x, y;
    int color;
    const char* text;
    size_t part;  // before the key or after it
  } seen[] = {
      {40, 30, 3, "(1)", 0},
      {94, 30, 0, " 2x+3x", 0},
      {MarkupEnd(94, " 2x+3x"), 30, 5, "=5x", 1},
      {94, fractionLine, 0, "=ﾀ1/2ﾀx", 1},
      {MarkupEnd(94, "=ﾀ1/2ﾀx") + 20, fractionLine, 3, "項…", 1},
      {40, fractionLine + 60, 3, "(2)", 1},
  };
  for (const auto& s : seen) {
    EXPECT_TRUE(Screen(parts[s.part]).Drew(s.x, s.y, s.color, s.text)) << s.text;
  }
  EXPECT_EQ(test::KeyWaits(b.device.log()), 1);
  // The cursor follows the last text, as TextStep leaves it.
  EXPECT_EQ(b.m.afterX, MarkupEnd(40, "(2)"));
  EXPECT_EQ(b.m.lineY, fractionLine + 60);
}

TEST(WriteTexts, DrawsWhatTheTextStepsOfItsRowsDraw) {
  Bench table(" ");
  StartColumn(table.m, 600, 60, 150);
  WriteTexts(table.m, kRows);

  Bench steps(" ");
  StartColumn(steps.m, 600, 60, 150);
  Machine& m = steps.m;
  TextStep(m, m.marginX, m.lineY, 3, "(1)");
  TextStep(m, m.indentX, m.lineY, 0, " 2x+3x");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "=5x");
  TextStep(m, m.indentX, m.lineY + 50, 0, "=ﾀ1/2ﾀx");
  TextStep(m, m.afterX + 20, m.lineY, 3, "項…");
  TextStep(m, m.marginX, m.lineY + 60, 3, "(2)");

  EXPECT_EQ(Drawn(table.device.log()), Drawn(steps.device.log()));
  EXPECT_EQ(table.m.afterX, steps.m.afterX);
  EXPECT_EQ(table.m.lineY, steps.m.lineY);
}

TEST(ProblemsPage, TitleBoxNumberBoxesAndErasing) {
  Bench b;
  OpenProblemsPage(b.m, "P80(基本の問題)", 360);
  EXPECT_TRUE(test::HasBox(b.device.log(), 0, 0, 1760, 1800, 15, 15));
  EXPECT_TRUE(test::HasBox(b.device.log(), 40, 30, 400, 78, 3, 13));
  EXPECT_EQ(b.m.marginX, 40);
  EXPECT_EQ(b.m.indentX, 94);
  EXPECT_EQ(b.m.afterX, 400);  // the title box's right edge, on its top line
  EXPECT_EQ(b.m.lineY, 30);

  ProblemNumber(b.m, b.m.afterX + 30, b.m.lineY, "5");
  EXPECT_TRUE(test::HasBox(b.device.log(), 430, 30, 474, 74, 4, 3));
  EXPECT_EQ(b.m.afterX, 474);

  EraseBox(b.m, 640, 80, 1200, 1800);
  EXPECT_TRUE(test::HasBox(b.device.log(), 640, 80, 1840, 1880, 15, 15));
}

}  // namespace
}  // namespace orvelle
