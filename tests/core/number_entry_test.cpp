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
  for (const auto& box : b.Calls(Op::kBox)) {
    n += test::BoxSig(box) == "1056,640-1248,670 b15 f15 w3";
  }
  return n;
}

TEST(NumberField, KeyScripts) {
  const struct {
    const char* keys;
    float value;
    const char* entry;
    int clears;
    const char* echo;  // in colour 5 on the field's line, "" when not checked
  } cases[] = {
      // A fraction is divided and echoed in full-width characters.
      {"2/4\r", 0.5f, "2/4", 0, "２@1056,648 ÷@1072,648 ４@1088,648 "},
      {"-6/4\r", -1.5f, "-6/4", 0, "－@1056,648 ６@1072,648 ÷@1088,648 ４@1104,648 "},
      // The point takes no cell: 4 left of the next one.
      {"1.5\r", 1.5f, "1.5", 0, "１@1056,648 ．@1068,648 ５@1072,648 "},
      // Backspace (or the form feed) clears the whole field; the 3 goes back to the first cell.
      {"12\b3\r", 3, "3", 1, "１@1056,648 ２@1072,648 ３@1056,648 "},
      {"7\f8\r", 8, "8", 1, ""},
      // Other keys are ignored.
      {"a+* Q\t5\r", 5, "5", 0, "５@1056,648 "},
      // Nine characters are the longest entry Enter confirms; a tenth and then any key clears
      // the field, an ignored key too, and the entry goes on.
      {"123456789\r", 123456789.0f, "123456789", 0, ""},
      {"1234567890\r5\r", 5, "5", 1, ""},
      {"12345678901\r", 0, "", 1, ""},  // the eleventh digit is dropped with the rest
      {"1234567890a\r", 0, "", 1, ""},
      // A zero divisor has no value: cleared like Backspace, and reading goes on.
      {"5/0\r2\r", 2, "2", 1, ""},
      {"5/\r2\r", 2, "2", 1, ""},
      {"/\r2\r", 2, "2", 1, ""},
      {"0/0\r2\r", 2, "2", 1, ""},
      {"3/.\r2\r", 2, "2", 1, ""},
      {"4/-0\r2\r", 2, "2", 1, ""},
      // Only the first "/" divides: 1 by the value of "2/4".
      {"1/2/4\r", 0.5f, "1/2/4", 0, ""},
  };
  for (const auto& c : cases) {
    Bench b(c.keys);
    Enter(b);
    SCOPED_TRACE(c.keys);
    EXPECT_EQ(b.m.enteredValue, c.value);
    EXPECT_EQ(b.m.entryText, c.entry);
    EXPECT_EQ(Clears(b), c.clears);
    if (*c.echo) {
      EXPECT_EQ(test::Cells(b.device, 5), c.echo);
    }
    EXPECT_FALSE(b.device.KeysLeft());
  }
}

TEST(NumberField, LabelStateAndFinalErase) {
  Bench b("1.5\r");
  Enter(b);
  EXPECT_EQ(b.m.drawColor, 5);
  EXPECT_EQ(b.m.keyText, "\r");
  EXPECT_EQ(b.m.cursorX, 1088);

  Bench enter("\r");  // Enter alone: the value of an empty text
  Enter(enter);
  EXPECT_EQ(test::Cells(enter.device), "入@1008,648 力@1024,648 ");
  EXPECT_EQ(enter.Texts()[0].color, 0);
  EXPECT_EQ(test::Boxes(enter.device).back(), "1008,640-1248,670 b15 f15 w3");
  EXPECT_EQ(enter.m.entryText, "");
  EXPECT_EQ(enter.m.enteredValue, 0);
  EXPECT_EQ(enter.m.drawColor, 0);
  EXPECT_EQ(enter.m.drawText, "");

  Bench slashes("1/2/4\r");  // the parts around the first "/"
  Enter(slashes);
  EXPECT_EQ(slashes.m.strArg + "|" + slashes.m.glyph, "1|2/4");
}

TEST(NumberField, CursorBlinksWhileNoKeyComes) {
  Bench b;
  b.device.SetKeyList({"", "", "7", "\r"});
  Enter(b);
  // Drawn and erased on each empty poll, erased before the echo, and drawn in the next cell.
  EXPECT_EQ(
      test::Circles(b.device),
      (test::Strings{"1064,656 r4 c5 f5 w3", "1064,656 r4 c15 f15 w3", "1064,656 r4 c5 f5 w3",
                     "1064,656 r4 c15 f15 w3", "1064,656 r4 c5 f5 w3", "1064,656 r4 c15 f15 w3",
                     "1080,656 r4 c5 f5 w3", "1080,656 r4 c15 f15 w3"}));
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
