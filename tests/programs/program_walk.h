// Whole programs on the recording device: one key script through every item of every section,
// and storms of random keys from the start.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "../support/lesson_run.h"

namespace orvelle::test {

// A drill answered twice (`spaces` keys for each problem) or once; n plain keys.
inline std::string Twice(int spaces = 1) { return DrillKeys(2, spaces); }
inline std::string Once(int spaces = 1) { return DrillKeys(1, spaces); }
inline std::string Keys(int n) { return std::string(static_cast<size_t>(n), ' '); }

// One item of a walk: its section and choice, the keys it takes, its key waits (what each item
// shows is checked by the item's own test).
struct WalkItem {
  int section;
  int choice;
  std::string keys;
  int keyWaits;
};

// The walks' items (walks.cpp).
std::vector<WalkItem> IntroWalk();
std::vector<WalkItem> CalcWalk();
std::vector<WalkItem> ApplyWalk();

// The keys of a walk: from the main menu through every item of `items`, each section left by its
// "終了", then the main menu's "終了" and a key after it; a mark where each item is over.
DrillScript WalkScript(const TestProgram& program, const std::vector<WalkItem>& items);

// The walk of WalkScript: a key after the main menu's "終了" must never be read. Checks that
// `items` are every item of every section the program describes, in order, and, for each clock,
// each item's key waits, no error screen, the status and the keys read.
void ExpectWalk(const TestProgram& program, const std::vector<WalkItem>& items,
                const std::vector<std::string>& clocks);

// Random keys of every kind the number fields and key waits meet: digits, "-", "." and "/",
// Enter (twice as often), Backspace, letters and spaces (twice as often).
std::vector<std::string> StormKeys(unsigned seed, int count);

// `count` random keys from the start for each seed: never the error screen, never a hang. When
// the program ends by its menu, it starts again on the keys that are left. Gives which of the
// sections' sub-menu lines were drawn (which sections the storms went into).
std::set<std::string> ExpectStorm(const TestProgram& program, int count,
                                  const std::vector<std::pair<unsigned, std::string>>& seeds);

// The sub-menu lines of all the program's sections.
std::set<std::string> SectionLines(const TestProgram& program);

}  // namespace orvelle::test
