// A program as its menus show it: the title, the main menu's lines, and for each section its line
// in the main menu, its aims and its items, each a label and the routine it runs. Each program
// keeps its own in its lessons folder (program.h); its menus and the tests all read that one.
#pragma once

#include <source_location>
#include <span>
#include <string>

namespace orvelle {

struct Machine;

// A routine a menu runs: a section's aims, or an item.
using MenuRoutine = void (*)(Machine& m);

// An item of a sub-menu: its label there ("P62Q", or "" for a bare number) and its routine.
struct ItemDescription {
  const char* label;
  MenuRoutine routine;
};

struct SectionDescription {
  const char* menuLine;  // its line in the main menu: "1　文字の使用"
  MenuRoutine goals;     // draws its aims once as it opens; nullptr for a section without aims
  std::span<const ItemDescription> items;  // sub-menu items 1, 2, ...; "終了" comes after them
  // Where the section is described: the keys its sub-menu reads are logged with this line.
  // A description holding it is `constexpr`, never `inline constexpr`: GCC 12 with the sanitizers
  // puts the location inside an inline variable's link group and the link then fails.
  std::source_location where = std::source_location::current();

  // The sub-menu line: each item as its circled number, its label and a blank, then the next
  // circled number and "終了": "①P62Q　②P64Q　③例1　④問1,2,3　⑤終了". The circled numbers end at
  // ⑳, so a section holds at most 19 items.
  std::string SubMenuLine() const;
  // The number of the sub-menu's "終了".
  constexpr int MenuEnd() const { return static_cast<int>(items.size()) + 1; }
};

struct ProgramDescription {
  const char* title;
  std::span<const SectionDescription> sections;  // main-menu items 1, 2, ...
  // The main menu's lines after the sections': blank items that only bring the menu back, then
  // "終了", which ends the program.
  std::span<const char* const> closingLines;

  // The number of the main menu's "終了".
  constexpr int MenuEnd() const { return static_cast<int>(sections.size() + closingLines.size()); }
};

}  // namespace orvelle
