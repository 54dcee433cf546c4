#include "program_walk.h"

#include <gtest/gtest.h>

#include <random>

#include "core/startup.h"
#include "platform/recording_device.h"

namespace orvelle::test {

void ExpectWalk(const TestProgram& program, const std::vector<WalkItem>& items,
                const std::vector<std::string>& clocks) {
  std::vector<std::pair<int, int>> described, walked;
  for (int section = 1; section <= static_cast<int>(program.description.sections.size());
       ++section) {
    for (int item = 1; item < program.SubMenuEnd(section); ++item) {
      described.emplace_back(section, item);
    }
  }
  for (const WalkItem& item : items) walked.emplace_back(item.section, item.choice);
  EXPECT_EQ(walked, described);
  // Each clock's run of the walk's keys, checked item by item.
  const DrillScript s = WalkScript(program, items);
  for (const std::string& clock : clocks) {
    SCOPED_TRACE(clock);
    DrillRun run(
        program, s,
        [&](int k, const Machine&, const std::vector<DrawCall>& log) {
          const WalkItem& item = items[static_cast<size_t>(k)];
          SCOPED_TRACE("section " + std::to_string(item.section) + " item " +
                       std::to_string(item.choice));
          EXPECT_EQ(KeyWaits(log), item.keyWaits);
          EXPECT_FALSE(ShowedErrorScreen(log));
          // Each key is logged with the line of the program's lessons that waited for it.
          for (const DrawCall& c : log) {
            if (c.op != Op::kKey) continue;
            EXPECT_EQ(c.site.rfind(program.lessons, 0), 0u) << c.ToString();
          }
        },
        clock);
    EXPECT_EQ(run.checks, static_cast<int>(items.size()));
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(ShowedErrorScreen(run.rest));
    // The program ended by its menu: only the key after its last item is left unread.
    EXPECT_TRUE(run.device.KeysLeft());
    EXPECT_EQ(run.device.keysRead(), static_cast<int>(s.keys.size()) - 1);
  }
}

DrillScript WalkScript(const TestProgram& program, const std::vector<WalkItem>& items) {
  DrillScript s;
  for (size_t i = 0; i < items.size(); ++i) {
    const WalkItem& item = items[i];
    if (i == 0 || items[i - 1].section != item.section) s.Keys(EnterSection(program, item.section));
    s.Keys(ChooseItem(program, item.section, item.choice) + item.keys);
    s.marks.push_back(s.keys.size());  // the item is over: the sub-menu reads its choice
    if (i + 1 == items.size() || items[i + 1].section != item.section) {
      s.Keys(LeaveSection(program, item.section));
    }
  }
  s.Keys(EndProgram(program) + "X");
  return s;
}

std::vector<std::string> StormKeys(unsigned seed, int count) {
  static const std::string kKinds[] = {
      "0123456789", "-./", "\r", "\r", "\b", "abcdefghijklmnopqrstuvwxyzQWERTS", " ", " "};
  std::mt19937 gen(seed);
  std::vector<std::string> keys;
  for (int i = 0; i < count; ++i) {
    const std::string& kind = kKinds[gen() % 8];
    keys.push_back(kind.substr(gen() % kind.size(), 1));
  }
  return keys;
}

std::set<std::string> SectionLines(const TestProgram& program) {
  std::set<std::string> lines;
  for (const SectionDescription& section : program.description.sections) {
    lines.insert(section.SubMenuLine());
  }
  return lines;
}

std::set<std::string> ExpectStorm(const TestProgram& program, int count,
                                  const std::vector<std::pair<unsigned, std::string>>& seeds) {
  const std::set<std::string> lines = SectionLines(program);
  std::set<std::string> subMenus;
  for (const auto& [seed, clock] : seeds) {
    SCOPED_TRACE(seed);
    const std::vector<std::string> keys = StormKeys(seed, count);
    size_t used = 0;
    while (used < keys.size()) {
      RecordingDevice device;
      Machine m{device};
      device.SetClock(clock);
      device.SetKeyList({keys.begin() + static_cast<long>(used), keys.end()});
      bool error = false;
      auto look = [&] {
        const auto& log = device.log();
        for (const std::string& line : lines) {
          if (SubMenuLines(log, line) > 0) subMenus.insert(line);
        }
        error |= ShowedErrorScreen(log);
      };
      device.OnKeyWait([&] {
        if (device.log().size() > 20000) {
          look();
          device.ClearLog();
        }
      });
      const int status = StartProgram(m, program.title(), program.menu);
      device.OnKeyWait(nullptr);
      look();
      EXPECT_FALSE(error) << "after " << used + static_cast<size_t>(device.keysRead()) << " keys";
      if (error) return subMenus;
      EXPECT_EQ(status, 0);
      EXPECT_GT(device.keysRead(), 0);
      if (device.keysRead() == 0) return subMenus;
      used += static_cast<size_t>(device.keysRead());
    }
    EXPECT_EQ(used, keys.size());
  }
  return subMenus;
}

}  // namespace orvelle::test
