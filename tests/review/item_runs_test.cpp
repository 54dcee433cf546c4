// compare-screens sees a drill only as far as orvelle-screens --item goes through it: the tool must
// show every row of a table drill and its first row again, as many problems of every drill as it
// promises, and each of its numbers in a number field; and its pupils must type every answer its
// help names.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
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

// The log of the tool's run with the pupil `how` (--item S-I, --menus).
std::string ToolRun(const char* name, const std::string& how, const std::filesystem::path& out) {
  const std::string command = std::string("'" ORVELLE_SCREENS_TOOL "' --program ") + name + " " +
                              how + " --png none --out '" + out.string() + "' >/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return (out / "log.txt").string();
}

// A number field's answer in the tool's log: the keys read at one site up to Enter, and whether
// the texts drawn since the key before held a drill's next-step prompt. A key wait's key, read
// at another site and with no Enter after it, is none.
struct Answer {
  std::string site, keys;
  bool nextStep = false;
};

std::vector<Answer> Answers(const std::string& logFile) {
  std::ifstream log(logFile);
  const std::regex key(R"re(key s="(.*)" at=(.*))re"), text(R"re(text .* s="(.*)")re");
  std::vector<Answer> answers;
  std::optional<Answer> open;
  std::string line, texts;
  for (std::smatch m; std::getline(log, line);) {
    if (std::regex_match(line, m, text)) texts += m[1];
    if (!std::regex_match(line, m, key)) continue;
    if (!open || open->site != m[2]) {
      open = Answer{m[2], "", texts.find("次のステップは１を入力。") != std::string::npos};
    }
    texts.clear();
    if (m[1] != "\\u000d") {
      open->keys += m[1];
    } else {
      answers.push_back(*std::exchange(open, std::nullopt));
    }
  }
  return answers;
}

// Every answer orvelle-screens --help and docs/developing.md say the pupils type, read from the
// logs of real runs, not from the pupils' own lists.
TEST(OrvelleScreens, PupilsTypeEveryAnswerTheToolDescribes) {
  const std::filesystem::path out =
      std::filesystem::temp_directory_path() / ("pupil-answers-" + std::to_string(getpid()));
  // Apply 2-④ reads a number before each problem of its drill: both kinds of field in one run.
  const std::vector<Answer> item = Answers(ToolRun("apply", "--item 2-4", out));
  ASSERT_GT(item.size(), 2u);
  std::vector<std::string> nextStep, numbers;
  for (auto a = item.begin() + 2; a != item.end(); ++a) {  // after the menus' two
    (a->nextStep ? nextStep : numbers).push_back(a->keys);
  }
  EXPECT_EQ(nextStep,
            (std::vector<std::string>{"2", "3", "0", "", "2", "3", "0", "", "2", "3", "1"}));
  numbers.resize(std::min<size_t>(numbers.size(), 7));
  EXPECT_EQ(numbers,
            (std::vector<std::string>{"5", "-3", "0", "1/3", "999999999", "-7/3", "-1.25"}));

  // The menus: calc's and apply's main menus have a blank line, orvelle's none.
  for (const auto& [program, name] : {std::pair<const TestProgram&, const char*>{kIntro, "orvelle"},
                                      {kCalc, "calc"},
                                      {kApply, "apply"}}) {
    SCOPED_TRACE(name);
    const std::vector<Answer> menus = Answers(ToolRun(name, "--menus", out));
    ASSERT_FALSE(menus.empty());
    // Each answer at the main menu (the first), and at each section's sub-menu after it.
    std::map<std::string, std::vector<std::string>> at;
    std::string opened;
    for (const Answer& a : menus) {
      if (a.site == menus[0].site) opened = a.keys;
      at[a.site == menus[0].site ? "main" : opened].push_back(a.keys);
    }
    const int sections = static_cast<int>(program.description.sections.size());
    std::vector<std::string> atMain = {"0", std::to_string(program.MenuEnd() + 1)};
    for (int blank = sections + 1; blank < program.MenuEnd(); ++blank) {
      atMain.push_back(std::to_string(blank));
    }
    for (const std::string& choice : atMain) {
      EXPECT_GE(std::ranges::count(at["main"], choice), 1) << choice;
    }
    for (int s = 1; s <= sections; ++s) {
      for (const std::string& choice :
           {std::string("0"), std::to_string(program.SubMenuEnd(s) + 1)}) {
        EXPECT_GE(std::ranges::count(at[std::to_string(s)], choice), 1)
            << "section " << s << ": " << choice;
      }
    }
  }
  std::filesystem::remove_all(out);
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
        const ItemRunSeen tool = FromLog(
            ToolRun(name, "--item " + std::to_string(section) + "-" + std::to_string(item), out),
            drillSites, here.numberSites);
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
