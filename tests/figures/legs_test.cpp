// Right-triangle legs with their lengths.
#include "figures/legs.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "core/measure.h"

namespace orvelle {
namespace {

struct Legs : test::Bench {
  void Draw(float x1, float y1, float x2, float y2, float cell, const std::string& flags) {
    m.legStartX = x1;
    m.legStartY = y1;
    m.legEndX = x2;
    m.legEndY = y2;
    m.cellSize = cell;
    m.legLabelFlags = flags;
    device.ClearLog();
    DrawRightAngleLegs(m);
  }
};

TEST(DrawRightAngleLegs, EndsExchangedArrowsAndLengths) {
  Legs l;
  l.Draw(300, 400, 100, 200, 100, "yy");
  EXPECT_EQ(test::Pt(l.m.legStartX, l.m.legStartY) + " " + test::Pt(l.m.legEndX, l.m.legEndY),
            "100,200 300,400");
  const auto lines = test::Lines(l.device);
  ASSERT_GE(lines.size(), 6u);  // the arrows; the label's minus sign is a line too
  EXPECT_EQ(lines[0], "100,200-300,200 w4 c7");
  EXPECT_EQ(lines[1], "284,208-300,200 w4 c7");
  EXPECT_EQ(lines[3], "300,200-300,400 w4 c3");
  EXPECT_EQ(lines[4], "292,384-300,400 w4 c3");
  EXPECT_EQ(l.m.amountLetter, "2");
  EXPECT_EQ(l.m.legLabelY, "-2");
  const auto texts = test::VisibleTexts(l.device);
  ASSERT_GE(texts.size(), 2u);
  // Below the leg: the vertical leg goes down.
  EXPECT_EQ(test::Pt(texts[0].x1, texts[0].y1) + " c" + std::to_string(texts[0].color),
            "186,200 c7");
  EXPECT_EQ(texts.back().color, 3);
  EXPECT_EQ(l.m.drawColor, 3);
  EXPECT_EQ(l.device.GetDrawWidth(), 4);
  EXPECT_EQ(l.m.lineColor, 3);
  EXPECT_EQ(l.m.markRadius, 16);
  EXPECT_EQ(l.m.arrowReverse, 0);
}

TEST(DrawRightAngleLegs, HalfCellsAndTheLeadingZero) {
  Legs l;
  l.m.strArg = ".5";
  MeasureMarkedText(l.m);
  const float width = l.m.textWidth;
  l.Draw(100, 400, 150, 350, 100, "y");
  EXPECT_EQ(l.m.amountLetter, ".5");  // the plain conversion
  EXPECT_EQ(l.m.legLabelY, "0.5");
  // The horizontal label above the leg, at (111, 356); drawX is the x after it.
  EXPECT_EQ(test::Pt(l.m.drawX - width, l.m.drawY), "111,356");
  EXPECT_EQ(l.m.drawColor, 7);
  l.Draw(100, 400, 150, 450, 100, "");
  EXPECT_EQ(l.m.legLabelY, "-0.5");
  EXPECT_TRUE(test::VisibleTexts(l.device).empty());
}

TEST(DrawRightAngleLegs, FlagsChooseTheLabels) {
  const struct {
    const char* flags;
    bool horizontal, vertical;
  } cases[] = {{"y", true, false},  {"ny", false, true}, {"yy", true, true},
               {"Y", false, false}, {"", false, false},  {"ｙｙ", false, false}};
  for (const auto& c : cases) {
    Legs l;
    l.Draw(100, 300, 300, 100, 100, c.flags);
    bool h = false, v = false;
    for (const auto& t : test::VisibleTexts(l.device)) {
      h |= t.color == 7;
      v |= t.color == 3;
    }
    EXPECT_EQ(h, c.horizontal) << c.flags;
    EXPECT_EQ(v, c.vertical) << c.flags;
  }
}

TEST(DrawRightAngleLegs, NoCellSizeNoLengthsAndZeroLengthsNoHeads) {
  Legs l;
  l.m.amountLetter = "old";
  l.Draw(100, 300, 300, 100, 0, "yy");
  EXPECT_EQ(l.Calls(Op::kLine).size(), 6u);
  EXPECT_EQ(l.m.amountLetter, "old");
  EXPECT_TRUE(test::VisibleTexts(l.device).empty());
  EXPECT_TRUE(test::AllFinite(l.device));
  EXPECT_EQ(l.device.GetDrawWidth(), 4);
  l.Draw(100, 300, 100, 300, 100, "yy");
  EXPECT_TRUE(test::AllFinite(l.device));
  EXPECT_EQ(l.Calls(Op::kLine).size(), 2u);
  EXPECT_EQ(l.m.amountLetter + " " + l.m.legLabelY, "0 0");
}

}  // namespace
}  // namespace orvelle
