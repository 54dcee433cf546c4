// scripts/compare-screens: its item runs must wait at every line the walks wait at, or a page they
// never reach could change unseen; and it must say a difference where two versions draw otherwise
// or where a run fails.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "../programs/program_walk.h"

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

// What a command printed (stdout and stderr) and its exit status.
struct Said {
  int status = -1;
  std::string out;
};

Said Shell(const std::string& command) {
  Said said;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return said;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) said.out.append(buffer, n);
  const int status = pclose(pipe);
  said.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return said;
}

// compare-screens' comparing mode on two orvelle-screens already built: this build's, or wrappers
// around it that plant a fault, in a scratch folder removed at the end. The script is started in
// that folder and given the wrappers' paths relative to it.
class ComparingMode : public testing::Test {
 protected:
  // Three runs: a table drill at two seeds, and the menus.
  static constexpr const char* kRuns = "^calc (item 1-2 seed [12]|menus)$";

  ComparingMode()
      : dir_(std::filesystem::temp_directory_path() /
             ("compare-screens-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(dir_);
  }
  ~ComparingMode() override { std::filesystem::remove_all(dir_); }

  // An orvelle-screens that runs this build's and then, on a run whose arguments hold `when`,
  // runs the shell command `then` ($out: the run's folder). Returns its path relative to the
  // folder.
  std::string Planted(const std::string& name, const std::string& when, const std::string& then) {
    const std::filesystem::path path = dir_ / name;
    std::ofstream(path)
        << "#!/usr/bin/env bash\n"
           "out=; previous=\n"
           "for a in \"$@\"; do [ \"$previous\" = --out ] && out=$a; previous=$a; done\n"
           "'" ORVELLE_SCREENS_TOOL
           "' \"$@\" || exit\n"
           "case \" $* \" in *' "
        << when << " '*) " << then << " ;; esac\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return name;
  }
  Said Compare(const std::string& before, const std::string& after) const {
    return Shell("cd '" + dir_.string() +
                 "' && bash '" ORVELLE_SOURCE_DIR "/scripts/compare-screens' --jobs 4 --runs '" +
                 std::string(kRuns) + "' --tools '" + before + "' '" + after + "'");
  }
  // The report's lines naming the runs that differ and how, after its "the first:" line.
  static void ExpectDiffers(const Said& said, const std::string& differs, const std::string& how) {
    EXPECT_EQ(said.status, 1) << said.out;
    EXPECT_NE(said.out.find("compared 3 runs"), std::string::npos) << said.out;
    EXPECT_NE(said.out.find(differs + " of 3 runs differ"), std::string::npos) << said.out;
    EXPECT_NE(said.out.find(how), std::string::npos) << said.out;
  }

  const std::string tool_ = ORVELLE_SCREENS_TOOL;

 private:
  std::filesystem::path dir_;
};

TEST_F(ComparingMode, TheSameToolIsIdentical) {
  const Said said = Compare(tool_, tool_);
  EXPECT_EQ(said.status, 0) << said.out;
  EXPECT_NE(said.out.find("identical: 3 runs"), std::string::npos) << said.out;
}

TEST_F(ComparingMode, AChangedCallOrScreenIsADifference) {
  ExpectDiffers(
      Compare(tool_, Planted("call", "--seed 2", "sed -i '2s/^/changed /' \"$out/log.txt\"")), "1",
      "calc item 1-2 seed 2: log line 2");
  ExpectDiffers(Compare(Planted("screen", "--seed 1",
                                "sed -i '3s/ .*/ 0000000000000000/' \"$out/screens.txt\""),
                        tool_),
                "1", "calc item 1-2 seed 1: screen 3 has other pixels");
}

// The runs write the same logs: only their status, or a log gone, tells them apart.
TEST_F(ComparingMode, ARunThatFailsAtEitherVersionOrBothIsADifference) {
  ExpectDiffers(Compare(Planted("exits", "--seed 2", "exit 1"), tool_), "1",
                "calc item 1-2 seed 2: failed: before exited with status 1");
  ExpectDiffers(Compare(tool_, Planted("killed", "--seed 1", "kill -KILL $$")), "1",
                "calc item 1-2 seed 1: failed: after exited with status 137: killed by SIGKILL");
  const std::string both = Planted("both", "--clock 12:00:00", "exit 3");
  ExpectDiffers(Compare(both, both), "1",
                "calc menus: failed: before exited with status 3; after exited with status 3");
  ExpectDiffers(Compare(Planted("nolog", "--seed 2", "rm \"$out/log.txt\""), tool_), "1",
                "calc item 1-2 seed 2: failed: before wrote no log");
}

}  // namespace
}  // namespace orvelle::test
