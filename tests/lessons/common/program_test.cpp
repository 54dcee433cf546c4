// Each program's description reads as its menus show it: the main menu numbered from 1 to its
// "終了", and each sub-menu line numbering exactly its items, then its "終了"; every item runs a
// routine.
#include "lessons/common/program.h"

#include <gtest/gtest.h>

#include <string>

#include "../../support/lesson_run.h"
#include "platform/text.h"

namespace orvelle {
namespace {

// The circled number ① .. ⑨ of n.
std::string Circled(int n) {
  std::string s = "①";
  s[2] = static_cast<char>(s[2] + n - 1);
  return s;
}

TEST(ProgramDescription, MenusNumberWhatTheyDescribe) {
  for (const test::TestProgram* program : {&test::kIntro, &test::kCalc, &test::kApply}) {
    const ProgramDescription& d = program->description;
    SCOPED_TRACE(d.title);
    int number = 0;
    std::string last;
    for (const SectionDescription& s : d.sections) {
      last = s.menuLine;
      EXPECT_EQ(CharLeft(last, 2), std::to_string(++number) + "　") << last;
      ASSERT_FALSE(s.items.empty()) << last;
      ASSERT_LT(s.items.size(), 20u) << last;  // ⑳ is the last circled number
      for (const ItemDescription& item : s.items) {
        EXPECT_NE(item.routine, nullptr) << last << " " << item.label;
        // A blank inside a label would read as the end of an item.
        EXPECT_EQ(std::string(item.label).find("　"), std::string::npos) << item.label;
      }
      // ①, ②, ... in order, one for each item and one for "終了", which ends the line.
      const std::string line = s.SubMenuLine();
      int circled = 0;
      for (const std::string& ch : SplitChars(line)) {
        if (ch.size() == 3 && ch.compare(0, 2, "\xe2\x91") == 0) {
          EXPECT_EQ(ch, Circled(++circled)) << line;
        }
      }
      EXPECT_EQ(circled, s.MenuEnd()) << line;
      EXPECT_EQ(CharRight(line, 3), Circled(s.MenuEnd()) + "終了") << line;
    }
    for (const char* line : d.closingLines) {
      last = line;
      EXPECT_EQ(CharLeft(last, 2), std::to_string(++number) + "　") << last;
    }
    EXPECT_EQ(number, d.MenuEnd());
    EXPECT_EQ(CharRight(last, 2), "終了");
  }
}

}  // namespace
}  // namespace orvelle
