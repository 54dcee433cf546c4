#include "lesson_run.h"

#include <gtest/gtest.h>

#include "core/startup.h"
#include "lessons/apply/main_menu.h"
#include "lessons/apply/program.h"
#include "lessons/calc/main_menu.h"
#include "lessons/calc/program.h"
#include "lessons/intro/main_menu.h"
#include "lessons/intro/program.h"

namespace orvelle::test {
namespace {

std::string Trace(const Seen& s) {
  return "\"" + s.text + "\" at (" + std::to_string(s.x) + ", " + std::to_string(s.y) +
         ") colour " + std::to_string(s.color);
}

}  // namespace

std::string DrillKeys(int passes, int spaces) {
  std::string keys;
  for (int i = 1; i <= passes; ++i) keys += std::string(spaces, ' ') + (i < passes ? "2\r" : "1\r");
  return keys;
}

const TestProgram kIntro{intro::kProgram, intro::ShowMainMenu, "lessons/intro/"};
const TestProgram kCalc{calc::kProgram, calc::ShowMainMenu, "lessons/calc/"};
const TestProgram kApply{apply::kProgram, apply::ShowMainMenu, "lessons/apply/"};

const SectionDescription& TestProgram::Section(int section) const {
  const auto& sections = description.sections;
  if (section < 1 || static_cast<size_t>(section) > sections.size()) {
    ADD_FAILURE() << description.title << " has no section " << section;
    static constexpr SectionDescription kNone{"", nullptr, {}};
    return kNone;
  }
  return sections[static_cast<size_t>(section - 1)];
}

std::string EnterSection(const TestProgram& program, int section) {
  program.Section(section);
  return Typed(section);
}

std::string ChooseItem(const TestProgram& program, int section, int item) {
  EXPECT_TRUE(item >= 1 && item < program.SubMenuEnd(section))
      << program.title() << " section " << section << " has no item " << item;
  return Typed(item);
}

std::string EnterItem(const TestProgram& program, int section, int item) {
  return EnterSection(program, section) + ChooseItem(program, section, item);
}

std::string LeaveSection(const TestProgram& program, int section) {
  return Typed(program.SubMenuEnd(section));
}

std::string EndProgram(const TestProgram& program) { return Typed(program.MenuEnd()); }

std::string LeaveProgram(const TestProgram& program, int section) {
  return LeaveSection(program, section) + EndProgram(program);
}

void ExpectSeen(const std::vector<DrawCall>& log, const std::vector<Seen>& seen) {
  const Screen screen(log);
  for (const Seen& s : seen) EXPECT_TRUE(screen.Drew(s.x, s.y, s.color, s.text)) << Trace(s);
}

namespace {

DrillScript ItemScript(const TestProgram& program, int section, int item, int keyWaits,
                       const std::string& keys) {
  DrillScript s;
  s.Keys(EnterItem(program, section, item));
  s.Keys(keys.empty() ? std::string(keyWaits, ' ') : keys);
  s.Keys(LeaveProgram(program, section));
  return s;
}

}  // namespace

ItemRun::ItemRun(const TestProgram& program, int section, int item, int keyWaits,
                 const std::string& keys, const std::vector<float>& random)
    : run(program, ItemScript(program, section, item, keyWaits, keys), {}, "12:00:00",
          [&](Machine& m) {
            if (!random.empty()) m.random.Script(random);
          }),
      keyWaits(keyWaits) {
  SCOPED_TRACE("section " + std::to_string(section) + " item " + std::to_string(item));
  EXPECT_EQ(KeyWaits(log()), keyWaits);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(ShowedErrorScreen(log()));
  // The keys that chose the section and the item come first.
  const auto chosen = static_cast<long>(EnterItem(program, section, item).size());
  const auto parts = SplitAtKeys(log());
  if (static_cast<long>(parts.size()) > chosen) screens.assign(parts.begin() + chosen, parts.end());
}

std::vector<DrawCall> ItemRun::Page() const {
  std::vector<DrawCall> page;
  for (size_t k = 0; k < screens.size() && k <= static_cast<size_t>(keyWaits); ++k) {
    page.insert(page.end(), screens[k].begin(), screens[k].end());
  }
  return page;
}

void ItemRun::Expect(const std::vector<Seen>& seen) const {
  std::vector<Screen> read;
  for (const auto& s : screens) read.emplace_back(s);
  for (const Seen& s : seen) {
    if (s.screen == kAnyScreen) {
      EXPECT_TRUE(DrewMarkup(log(), s.x, s.y, s.color, s.text)) << Trace(s);
      continue;
    }
    std::string found;
    for (size_t k = 0; k < read.size(); ++k) {
      if (read[k].Drew(s.x, s.y, s.color, s.text)) found += " " + std::to_string(k);
    }
    const auto k = static_cast<size_t>(s.screen);
    const bool there = k < read.size() && read[k].Drew(s.x, s.y, s.color, s.text);
    EXPECT_TRUE(there) << Trace(s) << " on screen " << s.screen << "; found on screens:" << found;
  }
}

DrillRun::DrillRun(const TestProgram& program, const DrillScript& script, const PassCheck& check,
                   const std::string& clock, const std::function<void(Machine&)>& onRun) {
  device.SetClock(clock);
  device.SetKeys(script.keys);
  size_t next = 0;
  device.OnKeyWait([&] {
    if (next < script.marks.size() &&
        static_cast<size_t>(device.keysRead()) == script.marks[next]) {
      if (check) {
        check(checks, m, device.log());
      } else {
        passes.push_back(device.log());
      }
      ++checks;
      device.ClearLog();
      ++next;
    }
  });
  // The main menu is a plain function: the hook reaches it and the program's menu through
  // statics.
  static std::function<void(Machine&)> before;
  static MainMenu menu;
  before = onRun;
  menu = program.menu;
  status = StartProgram(m, program.title(), [](Machine& machine) {
    if (before) before(machine);
    menu(machine);
  });
  before = nullptr;
  device.OnKeyWait(nullptr);
  rest = device.log();
}

void DrillRun::ExpectPasses(int passes) const {
  EXPECT_EQ(checks, passes);
  EXPECT_FALSE(device.KeysLeft());
  EXPECT_FALSE(ShowedErrorScreen(rest));
}

void FromFourClocks(const TestProgram& program, const DrillScript& script, const PassCheck& check,
                    const std::function<void(const DrillRun&)>& after) {
  for (const char* clock : {"07:01:02", "09:30:45", "11:11:11", "14:20:33"}) {
    SCOPED_TRACE(clock);
    const DrillRun run(program, script, check, clock);
    run.ExpectPasses(static_cast<int>(script.marks.size()));
    if (after) after(run);
  }
}

}  // namespace orvelle::test
