// scripts/compare-screens goes through each item by orvelle-screens --item: its item runs must wait
// at every line the walks wait at, or a page they never reach could change unseen.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "program_walk.h"

namespace orvelle::test {
namespace {

// Each key site the walks reach, and the first walk item (or menu) that reaches it.
std::map<std::string, std::string> WalkSites() {
  const std::pair<const TestProgram&, std::vector<WalkItem>> walks[] = {
      {kIntro, IntroWalk()}, {kCalc, CalcWalk()}, {kApply, ApplyWalk()}};
  std::map<std::string, std::string> sites;
  for (const auto& [program, items] : walks) {
    const auto note = [&](const std::vector<DrawCall>& log, const std::string& where) {
      for (const DrawCall& c : log) {
        if (c.op == Op::kKey) sites.emplace(c.site, program.title() + (" " + where));
      }
    };
    for (const char* clock : {"12:00:00", "07:45:13", "21:09:58"}) {
      const DrillRun run(
          program, WalkScript(program, items),
          [&](int k, const Machine&, const std::vector<DrawCall>& log) {
            const WalkItem& item = items[static_cast<size_t>(k)];
            note(log, std::to_string(item.section) + "-" + std::to_string(item.choice));
          },
          clock);
      note(run.rest, "menus");
    }
  }
  return sites;
}

// The key sites of compare-screens' item runs, with this build's orvelle-screens.
std::set<std::string> CompareScreensSites() {
  const std::string command = "bash '" ORVELLE_SOURCE_DIR "/scripts/compare-screens' --sites '" +
                              std::string(ORVELLE_SCREENS_TOOL) + "'";
  FILE* pipe = popen(command.c_str(), "r");
  std::set<std::string> sites;
  if (pipe == nullptr) {
    ADD_FAILURE() << "cannot run " << command;
    return sites;
  }
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::string site = line;
    if (!site.empty() && site.back() == '\n') site.pop_back();
    sites.insert(site);
  }
  EXPECT_EQ(pclose(pipe), 0) << command;
  return sites;
}

TEST(CompareScreens, ItemRunsWaitAtEveryLineTheWalksWaitAt) {
  const std::set<std::string> reached = CompareScreensSites();
  const std::map<std::string, std::string> walked = WalkSites();
  ASSERT_FALSE(walked.empty());
  std::string missed;
  for (const auto& [site, where] : walked) {
    if (!reached.contains(site)) missed += "\n  " + site + " (" + where + ")";
  }
  EXPECT_TRUE(missed.empty()) << "the walks wait at lines no item run reaches:" << missed;
}

}  // namespace
}  // namespace orvelle::test
