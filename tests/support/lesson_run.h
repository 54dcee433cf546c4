// The lessons of the three programs run on the recording device: an item reached through the
// menus and read screen by screen, drills run for many passes with a check at each, and the
// random values and key scripts they need.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/shared.h"
#include "core/startup.h"
#include "lessons/common/program.h"
#include "machine.h"
#include "platform/recording_device.h"
#include "screen.h"

namespace orvelle::test {

// A random value r that makes IntPart(r × n) + low give `pick`.
inline float Pick(int pick, int low, int n) {
  return (static_cast<float>(pick - low) + 0.5f) / static_cast<float>(n);
}

inline std::string Str(float v) { return std::to_string(static_cast<int>(v)); }
// A whole number with its sign ("+3", "-3"); a coefficient before a letter (1: "", -1: "-").
inline std::string Signed(float v) { return (v > 0 ? "+" : "") + Str(v); }
inline std::string Coef(float v) { return v == 1 ? "" : v == -1 ? "-" : Str(v); }

// Keys for a drill of `passes` problems with `spaces` key waits each: "2⏎" at every next-step
// prompt but the last (another problem), "1⏎" there.
std::string DrillKeys(int passes, int spaces = 1);

// A program as its tests drive it: its description (the one its menus read), its main menu and
// the folder of its lessons.
struct TestProgram {
  const ProgramDescription& description;
  MainMenu menu;
  const char* lessons;  // as key sites name it

  const char* title() const { return description.title; }
  // The number of the main menu's "終了".
  int MenuEnd() const { return description.MenuEnd(); }
  // Section 1, 2, ...: its description, its sub-menu line, and the number of that line's "終了".
  const SectionDescription& Section(int section) const;
  std::string SubMenuLine(int section) const { return Section(section).SubMenuLine(); }
  int SubMenuEnd(int section) const { return Section(section).MenuEnd(); }
};

// A number typed at a menu, and Enter.
inline std::string Typed(int n) { return std::to_string(n) + "\r"; }

// The keys that take a test in and out of a program's menus, as its description numbers them:
// from the main menu into a section, from its sub-menu into one of its items (both: EnterItem),
// from the sub-menu back to the main menu, and from the main menu to the program's end. A
// section or item the program does not describe fails the test.
std::string EnterSection(const TestProgram& program, int section);
std::string ChooseItem(const TestProgram& program, int section, int item);
std::string EnterItem(const TestProgram& program, int section, int item);
std::string LeaveSection(const TestProgram& program, int section);
std::string EndProgram(const TestProgram& program);
// From a section's sub-menu to the program's end: LeaveSection, then EndProgram.
std::string LeaveProgram(const TestProgram& program, int section);

extern const TestProgram kIntro;  // Orvelle
extern const TestProgram kCalc;   // Orvelle Calc
extern const TestProgram kApply;  // Orvelle Apply

// A text a pupil sees: the mark-up `text` drawn in one piece at (x, y) in `color`; on the item's
// screen `screen` (what it drew after that many of its keys), or anywhere.
constexpr int kAnyScreen = -1;
struct Seen {
  float x, y;
  int color;
  std::string text;
  int screen = kAnyScreen;
};

// Every text of `seen` in `log` (screens are not told apart).
void ExpectSeen(const std::vector<DrawCall>& log, const std::vector<Seen>& seen);

// A key script with marks: a mark stands before a key of the script, and the drill check runs
// when the program is about to read that key.
struct DrillScript {
  std::string keys;
  std::vector<size_t> marks;

  DrillScript& Keys(const std::string& k) {
    keys += k;
    return *this;
  }
  // `spaces` key waits, a mark, then `typed` and Enter at the next-step prompt.
  DrillScript& Pass(int spaces, const std::string& typed) {
    keys += std::string(spaces, ' ');
    marks.push_back(keys.size());
    keys += typed + "\r";
    return *this;
  }
  // `passes` passes: every one but the last answered with 2, the last with 1.
  DrillScript& Passes(int passes, int spaces) {
    for (int i = 1; i <= passes; ++i) Pass(spaces, i == passes ? "1" : "2");
    return *this;
  }
};

// What a check gets: the pass number (from 0), the machine, the drawing since the last mark.
using PassCheck =
    std::function<void(int pass, const Machine& m, const std::vector<DrawCall>& passLog)>;

// A program run from its start on the script. The log is cleared at each mark, so long runs
// stay small: a check sees each pass's drawing (without a check, the passes are kept in
// `passes`); what is left after the last mark is kept in `rest`. `onRun` sees the machine before
// the main menu (to script the random generator).
struct DrillRun {
  RecordingDevice device;
  Machine m{device};
  int status = -1;
  int checks = 0;
  std::vector<std::vector<DrawCall>> passes;
  std::vector<DrawCall> rest;

  DrillRun(const TestProgram& program, const DrillScript& script, const PassCheck& check = {},
           const std::string& clock = "12:00:00", const std::function<void(Machine&)>& onRun = {});
  // Checks that the run went through `passes` marks, read all its keys, showed no error.
  void ExpectPasses(int passes) const;
};

// A program from its start into section `section`, item `item`, with `keys` for the item
// (spaces by default, one per key wait), then out through the sub-menu's and the main menu's
// "終了" (EnterItem, LeaveProgram); `random` scripts the random generator. Checks that the item
// waited `keyWaits` times, read exactly its keys and showed no error.
struct ItemRun {
  DrillRun run;
  std::vector<std::vector<DrawCall>> screens;  // the item's: 0 is before its first key
  int keyWaits;

  ItemRun(const TestProgram& program, int section, int item, int keyWaits,
          const std::string& keys = "", const std::vector<float>& random = {});
  const std::vector<DrawCall>& log() const { return run.rest; }
  // What the item itself drew: its screens up to its last key wait.
  std::vector<DrawCall> Page() const;
  // Every text of `seen` on its screen; a misplaced one is reported with where it stands.
  void Expect(const std::vector<Seen>& seen) const;
};

// `script` run from each of four clocks, every pass checked and every mark reached; `after` sees
// each run's end.
void FromFourClocks(const TestProgram& program, const DrillScript& script, const PassCheck& check,
                    const std::function<void(const DrillRun&)>& after = {});

// A drill run with the random generator scripted, its passes kept.
inline DrillRun ScriptedDrill(const TestProgram& program, const DrillScript& script,
                              const std::vector<float>& random) {
  return DrillRun(program, script, {}, "12:00:00", [&](Machine& m) { m.random.Script(random); });
}

}  // namespace orvelle::test
