// Every routine that waits for a key logs each key it reads with the line that called it, so
// that a key of the review log leads to the lesson step that asked for it.
#include <gtest/gtest.h>

#include <source_location>
#include <string>
#include <vector>

#include "../../support/machine.h"
#include "core/number_entry.h"
#include "core/prompts.h"
#include "lessons/common/main_menu.h"
#include "lessons/common/page.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"

namespace orvelle {
namespace {

using Sites = std::vector<std::string>;

// The site of the line `below` lines under `here`, as the log writes it.
std::string Site(const std::source_location& here, int below = 1) {
  return "tests/lessons/common/key_site_test.cpp:" + std::to_string(here.line() + below);
}

std::string gPassSite;  // where the drill pass below waits

void PassWithKey(Machine& m) {
  gPassSite = Site(std::source_location::current());
  Key(m);
}

void NoItem(Machine&) {}

constexpr WorkedAnswer kRow[] = {{"(1)", 50, "x*y=", "xy"}};
constexpr PageText kTexts[] = {
    {Place::kMargin, 50, 3, "(1)"}, {Place::kKey}, {Place::kAfter, 0, 5, "xy"}, {Place::kKey}};

struct SiteCase {
  const char* routine;
  const char* keys;
  Sites (*run)(Machine& m);  // runs the routine; the site of each key read, in order
};

const SiteCase kCases[] = {
    {"Key", " ",
     [](Machine& m) {
       const auto here = std::source_location::current();
       Key(m);
       return Sites{Site(here)};
     }},
    {"WaitAnyKey", " ",
     [](Machine& m) {
       const auto here = std::source_location::current();
       WaitAnyKey(m);
       return Sites{Site(here)};
     }},
    {"ShowMessageUntilKey", " ",
     [](Machine& m) {
       m.drawText = "正解";
       const auto here = std::source_location::current();
       ShowMessageUntilKey(m);
       return Sites{Site(here)};
     }},
    {"WorkedAnswers", " ",
     [](Machine& m) {
       const auto here = std::source_location::current();
       WorkedAnswers(m, kRow);
       return Sites{Site(here)};
     }},
    {"WriteTexts", "  ",
     [](Machine& m) {
       const auto here = std::source_location::current();
       WriteTexts(m, kTexts);
       return Sites(2, Site(here));
     }},
    {"WriteText", " ",
     [](Machine& m) {
       const auto here = std::source_location::current();
       WriteText(m, {Place::kKey});
       return Sites{Site(here)};
     }},
    {"NextStepPrompt", "1\r",
     [](Machine& m) {
       const auto here = std::source_location::current();
       NextStepPrompt(m);
       return Sites(2, Site(here));
     }},
    {"PromptAndReadNumber", "5\r",
     [](Machine& m) {
       m.drawText = "番号を入力して下さい。";
       const auto here = std::source_location::current();
       PromptAndReadNumber(m);
       return Sites(2, Site(here));
     }},
    {"PromptBottomAndReadNumber", "5\r",
     [](Machine& m) {
       m.drawText = "①例　②終了";
       const auto here = std::source_location::current();
       PromptBottomAndReadNumber(m);
       return Sites(2, Site(here));
     }},
    {"InputNumberField", "-\b5\r",
     [](Machine& m) {
       const auto here = std::source_location::current();
       InputNumberField(m);
       return Sites(4, Site(here));
     }},
    // A sub-menu's keys at the line that describes its section.
    {"RunSection", "3\r2\r",
     [](Machine& m) {
       static constexpr ItemDescription kItems[] = {{"例", NoItem}};
       const auto here = std::source_location::current();
       static constexpr SectionDescription kSection{"", NoItem, kItems};
       RunSection(m, kSection);
       return Sites(4, Site(here));
     }},
    {"RunMainMenu", "2\r",
     [](Machine& m) {
       static constexpr const char* kLines[] = {"１　例", "２　終了"};
       const auto here = std::source_location::current();
       RunMainMenu(m, {"", {}, kLines});
       return Sites(2, Site(here));
     }},
    // The pass's own key at its own line; the next-step prompt at the line that started the drill.
    {"RunDrill", " 2\r 1\r",
     [](Machine& m) {
       const auto here = std::source_location::current();
       RunDrill(m, PassWithKey);
       return Sites{gPassSite, Site(here), Site(here), gPassSite, Site(here), Site(here)};
     }},
    {"RunCountedDrill", "2\r1\r",
     [](Machine& m) {
       const auto here = std::source_location::current();
       RunCountedDrill(m, NoItem);
       return Sites(4, Site(here));
     }},
    {"RunTableDrill", "1\r",
     [](Machine& m) {
       const auto here = std::source_location::current();
       RunTableDrill(m, 3, NoItem);
       return Sites(2, Site(here));
     }},
};

TEST(KeySites, EveryWaitLogsItsKeysWithTheLineThatCalledIt) {
  for (const SiteCase& c : kCases) {
    SCOPED_TRACE(c.routine);
    test::Bench b(c.keys);
    const Sites expected = c.run(b.m);
    EXPECT_FALSE(b.device.KeysLeft());
    Sites sites;
    for (const DrawCall& key : b.Calls(Op::kKey)) sites.push_back(key.site);
    EXPECT_EQ(sites, expected);
    // Once the wait is over, a key read elsewhere has no site.
    EXPECT_EQ(b.device.keySite().line(), 0u);
  }
}

}  // namespace
}  // namespace orvelle
