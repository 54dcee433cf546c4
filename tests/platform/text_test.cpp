#include "platform/text.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

TEST(Text, CountsCharactersNotBytes) {
  EXPECT_EQ(CharLen("次のステップは１を入力。"), 12);
  EXPECT_EQ(CharLen("ﾀ1/3ﾀ"), 5);
  EXPECT_EQ(CharLen(""), 0);
  EXPECT_EQ(CharBytes("ﾀ"), 1);
  EXPECT_EQ(CharBytes("ﾝ"), 1);
  EXPECT_EQ(CharBytes("１"), 2);
  EXPECT_EQ(CharBytes("a"), 1);
  EXPECT_EQ(CharBytes("χ"), 2);
  EXPECT_EQ(CharBytes("×"), 2);
  EXPECT_EQ(CharBytes(""), 0);
  EXPECT_EQ(ByteLen("ﾀ1/3ﾀ"), 5);
  EXPECT_EQ(ByteLen("２÷４"), 6);
}

TEST(Text, LeftRightMidNeverFail) {
  EXPECT_EQ(CharLeft("ﾀ12/5ﾀ", 3), "ﾀ12");
  EXPECT_EQ(CharLeft("abc", 0), "");
  EXPECT_EQ(CharLeft("abc", -1), "");
  EXPECT_EQ(CharLeft("abc", 9), "abc");
  EXPECT_EQ(CharRight("入力abc", 4), "力abc");
  EXPECT_EQ(CharRight("abc", 0), "");
  EXPECT_EQ(CharRight("abc", 7), "abc");
  EXPECT_EQ(CharMid("10:20:30", 4, 2), "20");
  EXPECT_EQ(CharMid("10:20:30", 7, 2), "30");
  EXPECT_EQ(CharMid("ﾀ1/3ﾀ", 2), "1/3ﾀ");
  EXPECT_EQ(CharMid("abc", 5, 2), "");
  EXPECT_EQ(CharMid("abc", 2, 0), "");
  EXPECT_EQ(CharMid("abc", 3, 9), "c");
}

TEST(Text, FindGivesCharacterPositions) {
  // "ﾀ" is three bytes in UTF-8 but one character: the "/" is the third character.
  EXPECT_EQ(CharFind("ﾀ1/3ﾀ", "/"), 3);
  EXPECT_EQ(CharFind("ﾀ1/3ﾀ", "ﾀ", 2), 5);
  EXPECT_EQ(CharFind("abc", "z"), 0);
  EXPECT_EQ(CharFind("abc", ""), 0);
  EXPECT_EQ(CharFind("abc", "c", 9), 0);
}

TEST(Text, CodesAndOrder) {
  EXPECT_EQ(Chr(13), "\r");
  EXPECT_EQ(Chr(0x3000), "　");
  EXPECT_EQ(Chr(0xFF80), "ﾀ");
  EXPECT_EQ(CharCode("ﾀ"), 0xFF80);
  EXPECT_EQ(CharCode(Chr(0x1F600)), 0x1F600);
  EXPECT_EQ(CharCode(""), 0);
  EXPECT_LT(CompareText("-", "9"), 0);
  EXPECT_GT(CompareText("a", "9"), 0);
  EXPECT_EQ(CompareText("５", "５"), 0);
  EXPECT_LT(CompareText("A", "Α"), 0);
  const auto chars = SplitChars("x^2ﾀ");
  ASSERT_EQ(chars.size(), 4u);
  EXPECT_EQ(chars[3], "ﾀ");
}

}  // namespace
}  // namespace orvelle
