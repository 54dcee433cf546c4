// Each program's description reads as its menus show it: the main menu numbered from 1 to its
// "終了", and each sub-menu line numbering exactly its items, then its "終了"; every item runs a
// routine; and each section opens on its own aims.
#include "lessons/common/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "../../support/lesson_run.h"
#include "../../support/page_reading.h"
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

// The kanji of a text, the words its kana join: U+4E00 to U+9FFF, three bytes each in UTF-8,
// whose byte order is their order.
std::set<std::string> Kanji(const std::string& text) {
  std::set<std::string> kanji;
  for (const std::string& ch : SplitChars(text)) {
    if (ch.size() == 3 && ch >= "\xe4\xb8\x80" && ch <= "\xe9\xbf\xbf") kanji.insert(ch);
  }
  return kanji;
}

// The texts of the page a section opens on, as they stand before its sub-menu reads a key.
std::string OpeningPage(const test::TestProgram& program, int section) {
  const std::string enter = test::EnterSection(program, section);
  const test::ProgramRun run(program.title(), program.menu,
                             enter + test::LeaveProgram(program, section));
  std::string page;
  const auto screens = test::SplitAtKeys(run.device.log());
  for (const test::ReadText& t : test::ReadTexts(screens.at(enter.size()))) page += t.text;
  return page;
}

// A section opens on its aims, and on its own: aims say in words what the section's lines name
// (its line in the main menu, its items' labels in the sub-menu), so dealt out as the description
// deals them they share more kanji with those lines than dealt any other way. Two sections' aims
// swapped deal them another way; one section's aims shown by another too deal them as well
// another way. A problems section ("問題") opens on its sub-menu alone.
TEST(ProgramDescription, EachSectionOpensOnTheAimsItsLinesName) {
  for (const test::TestProgram* program : {&test::kIntro, &test::kCalc, &test::kApply}) {
    SCOPED_TRACE(program->title());
    std::vector<int> numbers;  // the sections that open on aims
    std::vector<std::set<std::string>> lines, aims;
    const int sections = static_cast<int>(program->description.sections.size());
    for (int k = 1; k <= sections; ++k) {
      const SectionDescription& section = program->Section(k);
      const std::string page = OpeningPage(*program, k);
      const bool problems = std::string(section.menuLine).find("問題") != std::string::npos;
      EXPECT_EQ(page.empty(), problems) << section.menuLine << ": " << page;
      if (page.empty()) continue;
      numbers.push_back(k);
      lines.push_back(Kanji(section.menuLine + section.SubMenuLine()));
      aims.push_back(Kanji(page));
    }
    // Section numbers[i] given the aims found in section numbers[deal[i]].
    const auto shared = [&](const std::vector<size_t>& deal) {
      size_t n = 0;
      for (size_t i = 0; i < deal.size(); ++i) {
        for (const std::string& k : aims[deal[i]]) n += lines[i].count(k);
      }
      return n;
    };
    std::vector<size_t> deal(numbers.size());
    std::iota(deal.begin(), deal.end(), 0);
    const size_t described = shared(deal);
    std::vector<size_t> best;  // the other deal that shares the most
    while (std::next_permutation(deal.begin(), deal.end())) {
      if (best.empty() || shared(deal) > shared(best)) best = deal;
    }
    if (best.empty()) continue;
    std::string to, from;
    for (size_t i = 0; i < best.size(); ++i) {
      if (best[i] == i) continue;
      to += " " + std::to_string(numbers[i]);
      from += " " + std::to_string(numbers[best[i]]);
    }
    EXPECT_LT(shared(best), described)
        << "sections" << to << " given the aims that" << from << " open on share " << shared(best)
        << " kanji with their lines, against " << described << " as they open";
  }
}

}  // namespace
}  // namespace orvelle
