// The program's main menu.
#pragma once

#include "core/shared.h"

namespace orvelle::apply {

// Sets the entry position, clears the screen, shows the menu and runs the chosen section until
// the last item ends the program.
void ShowMainMenu(Machine& m);

}  // namespace orvelle::apply
