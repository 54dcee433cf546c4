// Runs a program in its window.
#pragma once

#include <string>

#include "core/startup.h"

namespace orvelle {

// Opens the window, runs the program in it and gives the process's exit status.
int RunInWindow(const std::string& title, MainMenu mainMenu);

}  // namespace orvelle
