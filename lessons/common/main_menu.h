// The main menu that the three programs share: a framed list of numbered sections, one number
// read, the chosen section run; the last item ends the program.
#pragma once

#include <source_location>

#include "core/shared.h"
#include "lessons/common/program.h"
#include "lessons/common/section.h"

namespace orvelle {

// Runs the main menu of `program`: its sections' lines, then its closing lines, until the pupil
// chooses the last ("終了"); then returns, and the program ends. Item k runs the program's section
// k (RunSection), which returns when its sub-menu's "終了" is chosen, and the menu is drawn again.
// A blank closing line only brings the menu back. The keys of the menu's number are logged with
// the line of the call.
void RunMainMenu(Machine& m, const ProgramDescription& program,
                 std::source_location where = std::source_location::current());

}  // namespace orvelle
