// The main menu that the three programs share: a framed list of numbered sections, one number
// read, the chosen section run; the last item ends the program.
#pragma once

#include <initializer_list>
#include <source_location>
#include <string>

#include "core/shared.h"
#include "lessons/common/section.h"

namespace orvelle {

struct MainMenuItem {
  std::string text;       // the number, a full-width space and the section's name
  LessonRoutine section;  // empty: the item only brings the menu back
};

// Runs the program's main menu with `items` (the last one is "終了") until the pupil chooses the
// last item; then returns, and the program ends. A section returns when its sub-menu's
// "終了" is chosen, and the menu is drawn again. The keys of the menu's number are logged with
// the line of the call.
void RunMainMenu(Machine& m, std::initializer_list<MainMenuItem> items,
                 std::source_location where = std::source_location::current());

}  // namespace orvelle
