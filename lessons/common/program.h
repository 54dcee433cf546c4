// A program as its menus show it: the title, the main menu's lines, and for each section its
// sub-menu line and how many items stand before that line's "終了". Each program keeps its own in
// its lessons folder (program.h); its main menu, its sections and the tests all read that one.
#pragma once

#include <span>

namespace orvelle {

struct SectionDescription {
  const char* menuLine;     // its line in the main menu: "1　文字の使用"
  const char* subMenuLine;  // its sub-menu: "①P62Q　②P64Q　③例1　④問1,2,3　⑤終了"
  int items;                // the items before "終了": 4
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
