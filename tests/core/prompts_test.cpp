#include "core/prompts.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"

namespace orvelle {
namespace {

using test::Bench;
using test::Boxes;
using test::Chars;
using test::Strings;

// "x,y cN" of the first text drawn.
std::string First(const Bench& b) {
  const auto t = b.Texts().at(0);
  return test::Pt(t.x1, t.y1) + " c" + std::to_string(t.color);
}

TEST(WaitAnyKey, BarUntilAnyKeyThenErased) {
  Bench b("\x1b");  // any key, also one the number field would ignore, read by the first poll
  b.device.SetDrawWidth(5);
  b.m.drawColor = 7;
  b.device.ClearLog();
  WaitAnyKey(b.m);
  EXPECT_EQ(Boxes(b.device), (Strings{"96,657-400,693 b13 f4 w3", "0,657-400,693 b15 f15 w3"}));
  EXPECT_EQ(Chars(b.device), "何かキーを押して下さい。");
  EXPECT_EQ(First(b), "128,666 c9");
  EXPECT_EQ(b.m.keyText, "\x1b");
  // The caller's colour and width come back.
  EXPECT_EQ(b.m.drawColor, 7);
  EXPECT_EQ(b.device.GetDrawWidth(), 5);
  EXPECT_EQ(b.m.drawText, "");

  Bench polls;  // the text is drawn once, however long the wait
  polls.device.SetKeyList({"", "", "k"});
  WaitAnyKey(polls.m);
  EXPECT_EQ(Chars(polls.device), "何かキーを押して下さい。");
}

TEST(NextStepPrompt, BoxTextFieldAndErase) {
  Bench b("1\r");
  b.device.SetDrawWidth(5);
  b.m.drawColor = 7;
  b.device.ClearLog();
  NextStepPrompt(b.m);
  EXPECT_EQ(b.m.enteredValue, 1);
  const auto boxes = Boxes(b.device);
  ASSERT_GE(boxes.size(), 3u);
  EXPECT_EQ(boxes[0], "96,639-400,675 b13 f12 w2");
  EXPECT_EQ(boxes[boxes.size() - 2], "1008,639-1168,666 b15 f15 w2");
  EXPECT_EQ(boxes.back(), "96,639-400,675 b15 f15 w2");
  EXPECT_EQ(Chars(b.device), "次のステップは１を入力。入力１");
  EXPECT_EQ(First(b), "128,648 c9");
  EXPECT_EQ(b.device.GetDrawWidth(), 5);  // the width comes back
  EXPECT_EQ(b.m.drawColor, 5);            // the colour does not
}

TEST(NextStepPrompt, Values) {
  const std::pair<const char*, float> cases[] = {{"1\r", 1}, {"2/2\r", 1}, {"\r", 0}, {"3\r", 3}};
  for (const auto& [keys, value] : cases) {
    Bench b(keys);
    NextStepPrompt(b.m);
    EXPECT_EQ(b.m.enteredValue, value) << keys;
  }
  Bench empty("\r");
  NextStepPrompt(empty.m);
  EXPECT_EQ(empty.m.drawColor, 0);
}

TEST(PromptBottomAndReadNumber, LineStaysFieldGoes) {
  Bench b("4\r");
  b.m.drawText = "①P62Q　②終了";
  PromptBottomAndReadNumber(b.m);
  EXPECT_EQ(b.m.enteredValue, 4);
  EXPECT_EQ(Chars(b.device), "①Ｐ６２Ｑ　②終了入力４");
  EXPECT_EQ(First(b), "16,666 c0");
  for (const auto& box : Boxes(b.device)) {
    EXPECT_EQ(box.find("0,657"), std::string::npos) << box;  // the strip is not erased
  }
  EXPECT_EQ(b.m.drawText, "");
}

TEST(ClearBottomStrip, FillsTheStripLeftOfTheFieldAndEraseEntryLineThePromptLine) {
  Bench b;
  ClearBottomStrip(b.m);
  EraseEntryLine(b.m);
  EXPECT_EQ(Boxes(b.device), (Strings{"0,657-992,720 b15 f15 w3", "416,640-1472,690 b15 f15 w3"}));
}

TEST(PromptAndReadNumber, TextEndsEightyLeftOfTheField) {
  Bench b("2\r");
  b.m.drawText = "abc";
  PromptAndReadNumber(b.m);
  EXPECT_EQ(First(b), "928,648 c5");
  EXPECT_EQ(b.Texts()[2].x1, 1056 - 80 - 16);  // the last character's cell ends 80 left
  EXPECT_EQ(b.m.enteredValue, 2);

  Bench none("3\r");
  none.m.drawText = "";
  PromptAndReadNumber(none.m);
  EXPECT_EQ(Chars(none.device), "入力３");
}

TEST(ShowMessageUntilKey, BarThenWholeStripErased) {
  Bench b("x");
  b.device.SetDrawWidth(1);
  b.m.drawColor = 2;
  b.device.ClearLog();
  b.m.drawText = "OK";
  ShowMessageUntilKey(b.m);
  EXPECT_EQ(Boxes(b.device), (Strings{"16,657-496,693 b13 f4 w3", "0,657-992,720 b15 f15 w3"}));
  EXPECT_EQ(Chars(b.device), "ＯＫ");
  EXPECT_EQ(First(b), "48,666 c9");
  EXPECT_EQ(b.m.keyText, "x");
  EXPECT_EQ(b.m.drawColor, 2);
  EXPECT_EQ(b.device.GetDrawWidth(), 1);
}

}  // namespace
}  // namespace orvelle
