#include "core/number_entry.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Bench;

// Runs one entry on the keys and parses it, as the prompts do.
void Enter(Bench& b) {
  b.m.enteredValue = -99;
  InputNumberField(b.m);
  ParseNumberEntry(b.m);
}

// How often the typed characters were cleared (the 192-wide box of the field).
int Clears(const Bench& b) {
  int n = 0;
  for (const auto& box : b.Calls("box")) {
    if (box.x1 == 1056 && box.y1 == 640 && box.x2 == 1248 && box.y2 == 670) ++n;
  }
  return n;
}

TEST(NumberField, FractionIsDividedAndEchoedFullWidth) {
  Bench b("2/4\r");
  Enter(b);
  EXPECT_EQ(b.m.enteredValue, 0.5f);
  EXPECT_EQ(b.m.entryText, "2/4");
  EXPECT_EQ(test::Cells(b.device, 5), "２@1056,648 ÷@1072,648 ４@1088,648 ");
  for (const auto& t : b.Texts()) {
    if (t.color == 5) {
      EXPECT_EQ(t.y1, 648);
    }
  }
  EXPECT_EQ(b.m.drawColor, 5);
  EXPECT_EQ(b.m.keyText, "\r");
}

TEST(NumberField, LabelAndFinalErase) {
  Bench b("\r");
  Enter(b);
  const auto texts = b.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].s + texts[1].s, "入力");
  EXPECT_EQ(texts[0].x1, 1008);
  EXPECT_EQ(texts[1].x1, 1024);
  EXPECT_EQ(texts[0].y1, 648);
  EXPECT_EQ(texts[0].color, 0);
  const auto boxes = b.Calls("box");
  ASSERT_FALSE(boxes.empty());
  const auto& erase = boxes.back();
  EXPECT_EQ(erase.x1, 1008);
  EXPECT_EQ(erase.y1, 640);
  EXPECT_EQ(erase.x2, 1248);
  EXPECT_EQ(erase.y2, 670);
  EXPECT_EQ(erase.color, 15);
  EXPECT_EQ(erase.fill, 15);
  // Enter alone: the value of an empty text.
  EXPECT_EQ(b.m.entryText, "");
  EXPECT_EQ(b.m.enteredValue, 0);
  EXPECT_EQ(b.m.drawColor, 0);
  EXPECT_EQ(b.m.drawText, "");
}

TEST(NumberField, NegativeFraction) {
  Bench b("-6/4\r");
  Enter(b);
  EXPECT_EQ(b.m.enteredValue, -1.5f);
  EXPECT_EQ(test::Cells(b.device, 5), "－@1056,648 ６@1072,648 ÷@1088,648 ４@1104,648 ");
}

TEST(NumberField, BackspaceClearsTheWholeField) {
  Bench b("12\b3\r");
  Enter(b);
  EXPECT_EQ(b.m.entryText, "3");
  EXPECT_EQ(b.m.enteredValue, 3);
  EXPECT_EQ(Clears(b), 1);
  EXPECT_EQ(test::Cells(b.device, 5),
            "１@1056,648 ２@1072,648 ３@1056,648 ");  // the 3 goes back to the first cell

  Bench formFeed("7\f8\r");
  Enter(formFeed);
  EXPECT_EQ(formFeed.m.entryText, "8");
}

TEST(NumberField, TenCharactersThenAnyKeyClears) {
  Bench nine("123456789\r");
  Enter(nine);
  EXPECT_EQ(nine.m.enteredValue, 123456789.0f);  // the longest entry Enter confirms

  Bench enter("1234567890\r5\r");
  Enter(enter);
  EXPECT_EQ(enter.m.entryText, "5");  // the first Enter only cleared
  EXPECT_EQ(Clears(enter), 1);

  Bench digit("12345678901\r");
  Enter(digit);
  EXPECT_EQ(digit.m.entryText, "");  // the eleventh digit is dropped with the rest

  Bench letter("1234567890a\r");
  Enter(letter);
  EXPECT_EQ(letter.m.entryText, "");  // even an ignored key clears a full field
}

TEST(NumberField, OtherKeysAreIgnored) {
  Bench b("a+* Q\t5\r");
  Enter(b);
  EXPECT_EQ(b.m.entryText, "5");
  EXPECT_EQ(test::Cells(b.device, 5), "５@1056,648 ");
  EXPECT_EQ(Clears(b), 0);
}

TEST(NumberField, PointTakesNoCell) {
  Bench b("1.5\r");
  Enter(b);
  EXPECT_EQ(b.m.enteredValue, 1.5f);
  EXPECT_EQ(test::Cells(b.device, 5), "１@1056,648 ．@1068,648 ５@1072,648 ");
  EXPECT_EQ(b.m.cursorX, 1088);
}

TEST(NumberField, ZeroDivisorClearsAndReadsOn) {
  for (const char* typed : {"5/0", "5/", "/", "0/0", "3/.", "4/-0"}) {
    Bench b(std::string(typed) + "\r2\r");
    Enter(b);
    EXPECT_EQ(b.m.enteredValue, 2) << typed;
    EXPECT_EQ(b.m.entryText, "2") << typed;
    EXPECT_EQ(Clears(b), 1) << typed;
    EXPECT_EQ(b.device.KeysLeft(), false);
  }
}

TEST(NumberField, OnlyTheFirstSlashDivides) {
  Bench b("1/2/4\r");
  Enter(b);
  EXPECT_EQ(b.m.enteredValue, 0.5f);  // 1 divided by the value of "2/4"
  EXPECT_EQ(b.m.strArg, "1");
  EXPECT_EQ(b.m.glyph, "2/4");
}

TEST(NumberField, CursorBlinksWhileNoKeyComes) {
  Bench b;
  b.device.SetKeyList({"", "", "7", "\r"});
  Enter(b);
  std::string dots;
  for (const auto& c : b.Calls("circle")) {
    EXPECT_EQ(c.r, 4);
    EXPECT_TRUE(c.filled);
    EXPECT_EQ(c.y1, 656);
    dots += std::to_string(static_cast<int>(c.x1)) + ":" + std::to_string(c.fill) + " ";
  }
  // Drawn and erased on each empty poll, erased before the echo, and drawn in the next cell.
  EXPECT_EQ(dots, "1064:5 1064:15 1064:5 1064:15 1064:5 1064:15 1080:5 1080:15 ");
}

TEST(ParseNumberEntry, ZeroDivisorGivesNoValue) {
  Bench b;
  b.m.enteredValue = 7;
  b.m.entryText = "5/0";
  ParseNumberEntry(b.m);
  EXPECT_EQ(b.m.enteredValue, 7);
}

}  // namespace
}  // namespace orvelle
