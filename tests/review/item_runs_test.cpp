// compare-screens sees a drill only as far as orvelle-screens --item goes through it: the tool must
// show every row of a table drill and its first row again, as many problems of every drill as it
// promises, and each of its numbers in a number field.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "../support/lesson_run.h"
#include "core/startup.h"
#include "tools/item_pupil.h"

namespace orvelle::test {
namespace {

using tools::ItemPupil;

// A drill as a run went through it: the line its next-step prompt reads at, and what each of its
// prompts ended: the problem number (exerciseNo) left by the pass before, in this process; the
// number typed, in the tool's log.
struct Drill {
  std::string site;
  std::vector<float> shown;
  int problems = 0;
};

// What one item's run met: its drills in order, and the numbers typed into its other fields.
struct ItemRunSeen {
  std::vector<Drill> drills;
  std::vector<std::string> numbers;
  std::vector<std::string> numberSites;
};

// The item gone through in this process by the tool's pupil, asking `problems` of each drill.
ItemRunSeen InProcess(const TestProgram& program, int section, int item, int problems) {
  ItemRunSeen seen;
  struct PupilDevice : RecordingDevice {
    ItemPupil pupil;
    Machine* m = nullptr;
    ItemRunSeen* seen = nullptr;
    Drill drill;
    PupilDevice(const SectionDescription& s, int problems) : pupil(s, problems) {}
    std::string PollKey() override {
      if (!KeysLeft()) {
        const bool prompt = tools::InNumberField(log()) && tools::AtNextStepPrompt(log());
        const std::string site =
            std::string(keySite().file_name()) + ":" + std::to_string(keySite().line());
        const std::string keys = pupil.Answer(*this);
        if (prompt) {
          drill.site = site;
          drill.shown.push_back(m->exerciseNo);
          if (keys == "1\r") seen->drills.push_back(std::exchange(drill, {}));
        } else if (tools::InNumberField(log()) && !keys.empty()) {
          seen->numberSites.push_back(site);
        }
        SetKeys(keys);
      }
      return RecordingDevice::PollKey();
    }
  } device(program.Section(section), problems);
  Machine m(device);
  device.m = &m;
  device.seen = &seen;
  device.SetKeys(EnterItem(program, section, item));
  StartProgram(m, program.title(), program.menu);
  EXPECT_EQ(device.pupil.failure(), "") << program.title() << " " << section << "-" << item;
  return seen;
}

// The drills of the tool's log: the keys read at the sites of `drillSites`, a drill ending with
// "1" and Enter; and the numbers typed at `numberSites`.
ItemRunSeen FromLog(const std::string& logFile, const std::vector<std::string>& drillSites,
                    const std::vector<std::string>& numberSites) {
  ItemRunSeen seen;
  std::ifstream log(logFile);
  const std::regex key(R"re(key s="(.*)" at=(.*))re");
  std::string line, typed;
  Drill drill;
  for (std::smatch k; std::getline(log, line);) {
    if (!std::regex_match(line, k, key)) continue;
    const std::string s = k[1], site = k[2];
    const bool atDrill = std::ranges::count(drillSites, site) > 0;
    if (!atDrill && std::ranges::count(numberSites, site) == 0) continue;
    if (s != "\\u000d") {
      typed += s;
      continue;
    }
    if (atDrill) {
      drill.site = site;
      ++drill.problems;
      if (typed == "1") seen.drills.push_back(std::exchange(drill, {}));
    } else {
      seen.numbers.push_back(typed);
    }
    typed.clear();
  }
  return seen;
}

// The rows of a table drill (exerciseNo 1, 2, ..., n and then 1 again), or 0 for another drill
// (one that leaves exerciseNo at 1 has no rows).
int TableRows(const std::vector<float>& shown) {
  const auto again = std::find(shown.begin() + 1, shown.end(), 1.0f);
  const int rows = static_cast<int>(again - shown.begin());
  if (again == shown.end() || rows < 2) return 0;
  for (size_t k = 0; k < shown.size(); ++k) {
    if (shown[k] != static_cast<float>(k % rows + 1)) return 0;
  }
  return rows;
}

std::string ToolRun(const char* name, int section, int item, const std::filesystem::path& out) {
  const std::string command = std::string("'" ORVELLE_SCREENS_TOOL "' --program ") + name +
                              " --item " + std::to_string(section) + "-" + std::to_string(item) +
                              " --png none --out '" + out.string() + "' >/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return (out / "log.txt").string();
}

TEST(OrvelleScreens, ItemRunsShowEveryTableRowAndThePromisedProblemsOfEveryDrill) {
  // Far more problems than any table has rows, to see where each table starts again.
  constexpr int kLong = 3 * ItemPupil::kDrillProblems;
  const std::filesystem::path out =
      std::filesystem::temp_directory_path() / ("item-runs-" + std::to_string(getpid()));
  const std::pair<const TestProgram&, const char*> programs[] = {
      {kIntro, "orvelle"}, {kCalc, "calc"}, {kApply, "apply"}};
  int tables = 0, drills = 0, fields = 0;
  for (const auto& [program, name] : programs) {
    for (int section = 1; section <= static_cast<int>(program.description.sections.size());
         ++section) {
      for (int item = 1; item < program.SubMenuEnd(section); ++item) {
        SCOPED_TRACE(std::string(name) + " item " + std::to_string(section) + "-" +
                     std::to_string(item));
        const ItemRunSeen here = InProcess(program, section, item, kLong);
        std::vector<std::string> drillSites;
        for (const Drill& d : here.drills) drillSites.push_back(d.site);
        const ItemRunSeen tool =
            FromLog(ToolRun(name, section, item, out), drillSites, here.numberSites);
        ASSERT_EQ(tool.drills.size(), here.drills.size());
        for (size_t d = 0; d < here.drills.size(); ++d) {
          SCOPED_TRACE(here.drills[d].site);
          EXPECT_EQ(tool.drills[d].site, here.drills[d].site);
          EXPECT_EQ(tool.drills[d].problems, ItemPupil::kDrillProblems);
          const int rows = TableRows(here.drills[d].shown);
          EXPECT_GE(tool.drills[d].problems, rows + 1) << "a table of " << rows << " rows";
          tables += rows > 0;
          ++drills;
        }
        if (!here.numberSites.empty()) {
          ++fields;
          for (const char* number : ItemPupil::kNumbers) {
            EXPECT_GE(std::ranges::count(tool.numbers, number), 1) << number;
          }
        }
      }
    }
  }
  std::filesystem::remove_all(out);
  // What the lessons have: five drills that go round a table, calc 1-②'s two, 3-①'s and 3-②'s of
  // ten rows and orvelle 3-4's three questions, and one number field that is not a drill's prompt
  // (apply 2-④'s).
  EXPECT_EQ(tables, 5);
  EXPECT_GE(drills, 30);
  EXPECT_EQ(fields, 1);
}

}  // namespace
}  // namespace orvelle::test
