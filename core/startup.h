// Start-up of every program and its one answer to a run-time error.
#pragma once

#include <string>

#include "core/shared.h"
#include "platform/error.h"

namespace orvelle {

using MainMenu = void (*)(Machine&);

// A program's entry: start-up's steps, then the program's main menu. Returns the exit status
// when the program ends (its menu's last item, the window closed); a run-time error anywhere
// ends on the error screen, which waits for the window to close.
int StartProgram(Machine& m, const std::string& title, MainMenu mainMenu);

// Seeds the random generator from the clock: the sum of hours, minutes and seconds.
void SeedRandomFromClock(Machine& m);

// The error screen: the failing line, a comma, the code and the message, drawn once; then it
// only waits for the window to close (ProgramEnd).
[[noreturn]] void ErrorHandler(Machine& m, const RuntimeError& error);

// Reads and drops every key that is waiting; keyText is "" afterwards.
void FlushKeys(Machine& m);

}  // namespace orvelle
