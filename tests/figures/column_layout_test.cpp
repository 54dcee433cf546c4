// The written column calculation layout.
#include "figures/column_layout.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "core/measure.h"

namespace orvelle {
namespace {

struct Column : test::Bench {
  float Width(const std::string& text) {
    m.strArg = text;
    MeasureMarkedText(m);
    return m.textWidth;
  }
  void Draw(const std::string& top, const std::string& second, const std::string& op = "+",
            float ruleColor = 0) {
    m.drawX = 94;
    m.drawY = 200;
    m.columnTopText = top;
    m.columnSecondText = second;
    m.columnOpText = op;
    m.rowPitch = 50;
    m.lineColor = ruleColor;
    m.drawColor = 0;
    device.ClearLog();
    DrawColumnSetup(m);
  }
  // The rule under the rows (3 wide, at y + 2 x 50) as "x1-x2 cN".
  std::string Rule() const {
    for (const auto& l : device.Calls(Op::kLine)) {
      if (l.y1 == 300 && l.y2 == 300 && l.width == 3) {
        return test::Fmt(l.x1) + "-" + test::Fmt(l.x2) + " c" + std::to_string(l.color);
      }
    }
    return "no rule";
  }
  // Where the ")" after the operator stands (it is the only text at y 256).
  std::string Paren() const {
    for (const auto& t : test::VisibleTexts(device)) {
      if (t.y1 == 256) return t.s + "@" + test::Fmt(t.x1);
    }
    return "no paren";
  }
};

TEST(DrawColumnSetup, RowsOperatorAndRuleUnderTheWiderRow) {
  Column c;
  const float top = c.Width("3x+5"), second = c.Width("2x-1");
  c.device.SetDrawWidth(5);
  c.Draw("3x+5", "2x-1");
  EXPECT_EQ(c.Rule(), "121-" + test::Fmt(151 + std::max(top, second)) + " c0");
  EXPECT_EQ(test::Pt(c.m.answerX, c.m.lineY), "148,250");
  EXPECT_EQ(c.device.GetDrawWidth(), 5);
  EXPECT_EQ(c.m.savedDrawWidth, 5);
  EXPECT_EQ(test::Pt(c.m.originX, c.m.originY), "94,200");
  EXPECT_EQ(c.m.textOffsetX, top);
  EXPECT_EQ(c.m.textWidth, second);
  EXPECT_EQ(c.m.drawText, "");
  // The top row at (148, 200), ")" after the operator at y 256, the second row at (148, 250).
  const auto texts = test::VisibleTexts(c.device);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(test::Pt(texts.front().x1, texts.front().y1), "148,200");
  EXPECT_EQ(c.Paren(), ")@121");  // the "+" is 27 wide
  bool secondRow = false;
  for (const auto& t : texts) secondRow |= t.y1 == 250 && t.x1 == 148;
  EXPECT_TRUE(secondRow);
}

TEST(DrawColumnSetup, TheWiderRowSetsTheRule) {
  Column c;
  const float wide = c.Width("10x+25"), narrow = c.Width("x");
  ASSERT_GT(wide, narrow);
  for (const auto& [top, second] : {std::pair{"x", "10x+25"}, {"10x+25", "x"}}) {
    c.Draw(top, second);
    EXPECT_EQ(c.Rule(), "121-" + test::Fmt(151 + wide) + " c0") << top;
  }
  c.Draw("2x", "2x");
  EXPECT_EQ(c.Rule(), "121-" + test::Fmt(151 + c.Width("2x")) + " c0");
  c.Draw("", "", "-");  // no rows: the operator, ")" and a rule 30 long
  EXPECT_EQ(c.Rule(), "121-151 c0");
  EXPECT_EQ(c.Paren(), ")@121");
  EXPECT_EQ(c.m.answerX, 148);
}

TEST(DrawColumnSetup, WiderOperatorAndBackgroundRule) {
  Column narrow, wide, hidden;
  narrow.Draw("x", "x", "+");
  wide.Draw("x", "x", "+++");  // ")" follows the operator; the second row stays at x + 54
  EXPECT_EQ(wide.Paren(), ")@175");
  EXPECT_EQ(wide.m.answerX, 148);
  hidden.Draw("x", "x", "+", 15);  // a rule in the background colour; the texts as before
  EXPECT_EQ(hidden.Rule(), "121-178 c15");
  EXPECT_EQ(test::Texts(hidden.device), test::Texts(narrow.device));
}

}  // namespace
}  // namespace orvelle
