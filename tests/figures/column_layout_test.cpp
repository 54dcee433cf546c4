// The written column calculation layout.
#include "figures/column_layout.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "core/measure.h"

namespace orvelle {
namespace {

struct Column : test::Bench {
  float ruleColour = 0;
  float Width(const std::string& text) {
    m.strArg = text;
    MeasureMarkedText(m);
    return m.textWidth;
  }
  void Draw(const std::string& top, const std::string& second, const std::string& op = "+") {
    m.drawX = 94;
    m.drawY = 200;
    m.columnTopText = top;
    m.columnSecondText = second;
    m.columnOpText = op;
    m.rowPitch = 50;
    m.lineColor = ruleColour;
    m.drawColor = 0;
    device.ClearLog();
    DrawColumnSetup(m);
  }
  DrawCall Rule() const {
    const auto lines = device.Calls("line");
    for (const auto& l : lines) {
      if (l.y1 == 300 && l.y2 == 300 && l.width == 3) return l;
    }
    ADD_FAILURE() << "no rule";
    return {};
  }
};

TEST(DrawColumnSetup, RowsOperatorAndRuleUnderTheWiderRow) {
  Column c;
  const float top = c.Width("3x+5"), second = c.Width("2x-1");
  c.device.SetDrawWidth(5);
  c.Draw("3x+5", "2x-1");
  const DrawCall rule = c.Rule();
  EXPECT_EQ(rule.x1, 94 + 27);
  EXPECT_EQ(rule.x2, 94 + 57 + std::max(top, second));
  EXPECT_EQ(rule.color, 0);
  EXPECT_EQ(c.m.answerX, 148);
  EXPECT_EQ(c.m.lineY, 250);
  EXPECT_EQ(c.device.GetDrawWidth(), 5);
  EXPECT_EQ(c.m.savedDrawWidth, 5);
  EXPECT_EQ(c.m.originX, 94);
  EXPECT_EQ(c.m.originY, 200);
  EXPECT_EQ(c.m.textOffsetX, top);
  EXPECT_EQ(c.m.textWidth, second);
  EXPECT_EQ(c.m.drawText, "");
  // The texts: top row at (148, 200), the operator at (94, 256), ")" right after it, the
  // second row at (148, 250).
  const auto texts = test::VisibleTexts(c.device);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front().x1, 148);
  EXPECT_EQ(texts.front().y1, 200);
  bool paren = false, secondRow = false;
  for (const auto& t : texts) {
    if (t.s == ")" || t.s == "）") {
      paren = true;
      EXPECT_EQ(t.y1, 256);
      EXPECT_GT(t.x1, 94);
    }
    if (t.y1 == 250 && t.x1 == 148) secondRow = true;
  }
  EXPECT_TRUE(paren);
  EXPECT_TRUE(secondRow);
}

TEST(DrawColumnSetup, TheWiderRowSetsTheRule) {
  Column c;
  const float wide = c.Width("10x+25"), narrow = c.Width("x");
  ASSERT_GT(wide, narrow);
  c.Draw("x", "10x+25");
  EXPECT_EQ(c.Rule().x2, 94 + 57 + wide);
  c.Draw("10x+25", "x");
  EXPECT_EQ(c.Rule().x2, 94 + 57 + wide);
  c.Draw("2x", "2x");
  EXPECT_EQ(c.Rule().x2, 94 + 57 + c.Width("2x"));
}

TEST(DrawColumnSetup, EmptyRowsStillGiveTheOperatorAndAShortRule) {
  Column c;
  c.Draw("", "", "-");
  const DrawCall rule = c.Rule();
  EXPECT_EQ(rule.x1, 121);
  EXPECT_EQ(rule.x2, 151);
  EXPECT_FALSE(test::VisibleTexts(c.device).empty());  // "-" is a line; ")" a text
  EXPECT_EQ(c.m.answerX, 148);
}

TEST(DrawColumnSetup, BackgroundRuleAndAWiderOperator) {
  Column narrow, wide;
  narrow.Draw("x", "x", "+");
  wide.Draw("x", "x", "+++");
  auto parenX = [](const Column& c) {
    for (const auto& t : test::VisibleTexts(c.device)) {
      if (t.y1 == 256) return t.x1;
    }
    return -1.0f;
  };
  EXPECT_GT(parenX(wide), parenX(narrow));
  // The second row still starts at x + 54.
  EXPECT_EQ(wide.m.answerX, 148);
  // A rule in the background colour cannot be seen; the texts are as before.
  Column hidden;
  hidden.ruleColour = 15;
  hidden.Draw("x", "x", "+");
  EXPECT_EQ(hidden.Rule().color, 15);
  EXPECT_EQ(test::VisibleTexts(hidden.device).size(), test::VisibleTexts(narrow.device).size());
}

}  // namespace
}  // namespace orvelle
