#include "core/screen.h"

#include <gtest/gtest.h>

#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Bench;

TEST(ClearLessonArea, FillsBelowTheTitleStrip) {
  Bench b;
  ClearLessonArea(b.m);
  const auto boxes = b.Calls("box");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].ToString(), "box x1=0 y1=54 x2=1440 y2=900 border=15 fill=15 width=3");
}

TEST(ClearRightOfEntry, StripBesideTheField) {
  Bench b;
  ClearRightOfEntry(b.m);
  const auto boxes = b.Calls("box");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].ToString(), "box x1=1136 y1=576 x2=2576 y2=666 border=15 fill=15 width=3");
  EXPECT_EQ(b.m.drawX, 1136);
  EXPECT_EQ(b.m.drawY, 576);
}

TEST(NumbersToStrings, EveryEntryWithoutBlanks) {
  Bench b;
  b.m.coefText[0] = "kept";
  b.m.signText[0] = "kept";
  b.m.coefText[5] = "9x+3";  // a fixed text stored before the call is replaced
  b.m.coef[1] = -1;
  b.m.coef[2] = 3;
  b.m.coef[80] = 0.5f;
  b.m.auxNum[3] = -0.25f;
  b.m.auxNum[40] = 12;
  NumbersToStrings(b.m);
  EXPECT_EQ(b.m.coefText[1], "-1");
  EXPECT_EQ(b.m.coefText[2], "3");
  EXPECT_EQ(b.m.coefText[5], "0");
  EXPECT_EQ(b.m.coefText[79], "0");
  EXPECT_EQ(b.m.coefText[80], ".5");
  EXPECT_EQ(b.m.signText[1], "0");
  EXPECT_EQ(b.m.signText[3], "-.25");
  EXPECT_EQ(b.m.signText[40], "12");
  EXPECT_EQ(b.m.coefText[0], "kept");
  EXPECT_EQ(b.m.signText[0], "kept");
  EXPECT_EQ(b.m.charIndex, 41);
  EXPECT_EQ(b.m.strArg, "12");
  EXPECT_TRUE(b.device.log().empty());
}

TEST(NumbersToStrings, NegativeZeroIsZero) {
  Bench b;
  b.m.coef[1] = -0.0f;
  NumbersToStrings(b.m);
  EXPECT_EQ(b.m.coefText[1], "0");
}

TEST(MapLetterKey, CapitalLettersAndSigns) {
  Bench b;
  const std::string keys = "QWERT@I[]S";
  for (int i = 0; i < 10; ++i) {
    b.m.keyText = keys.substr(i, 1);
    MapLetterKey(b.m);
    EXPECT_EQ(b.m.letterKeyHit, 1) << b.m.keyText;
    EXPECT_EQ(b.m.letterKeyIndex, i + 1) << b.m.keyText;
  }
  for (const char* key : {"q", "", "A", "s"}) {
    b.m.letterKeyIndex = 4;
    b.m.keyText = key;
    MapLetterKey(b.m);
    EXPECT_EQ(b.m.letterKeyHit, 0) << key;
    EXPECT_EQ(b.m.letterKeyIndex, 4) << key;
    EXPECT_EQ(b.m.keyText, key);
  }
}

}  // namespace
}  // namespace orvelle
