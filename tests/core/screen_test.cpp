#include "core/screen.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Bench;

TEST(ClearLessonArea, FillsBelowTheTitleStripAndClearRightOfEntryBesideTheField) {
  Bench b;
  ClearLessonArea(b.m);  // above y 54 and right of x 1440 stays
  ClearRightOfEntry(b.m);
  EXPECT_EQ(test::Boxes(b.device),
            (test::Strings{"0,54-1440,900 b15 f15 w3", "1136,576-2576,666 b15 f15 w3"}));
  EXPECT_EQ(test::Pt(b.m.drawX, b.m.drawY), "1136,576");
}

TEST(NumbersToStrings, EveryEntryWithoutBlanks) {
  Bench b;
  b.m.coefText[0] = "kept";
  b.m.signText[0] = "kept";
  b.m.coefText[5] = "9x+3";  // a fixed text stored before the call is replaced
  b.m.coef[1] = -1;
  b.m.coef[2] = 3;
  b.m.coef[3] = -0.0f;
  b.m.coef[80] = 0.5f;
  b.m.auxNum[3] = -0.25f;
  b.m.auxNum[40] = 12;
  NumbersToStrings(b.m);
  std::string coef, sign;
  for (int i : {0, 1, 2, 3, 5, 79, 80}) coef += b.m.coefText[i] + "|";
  for (int i : {0, 1, 3, 40}) sign += b.m.signText[i] + "|";
  EXPECT_EQ(coef, "kept|-1|3|0|0|0|.5|");  // entry 0 keeps what it held; -0 is 0
  EXPECT_EQ(sign, "kept|0|-.25|12|");
  EXPECT_EQ(b.m.charIndex, 41);
  EXPECT_EQ(b.m.strArg, "12");
  EXPECT_TRUE(b.device.log().empty());
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
