// The number field: the one place where the pupil types. It reads a short number beside the
// label "入力" at (entryX, entryY): digits, "-", "." and "/" for a fraction, ended by Enter.
#pragma once

#include <source_location>

#include "core/shared.h"

namespace orvelle {

// One entry: draws the label, runs the key loop, erases the field. entryText = the confirmed
// text; keyText = Enter; drawColor 0, or 5 once a character was echoed. The keys are logged as
// asked for at `where`, the caller's line by default.
void InputNumberField(Machine& m, std::source_location where = std::source_location::current());
// The key loop of the field, from the cell at (cursorX, cursorY) with entryText empty.
void NumberKeyLoop(Machine& m, std::source_location where = std::source_location::current());
// enteredValue = the value of entryText; a "/" divides the part before it by the part after it.
void ParseNumberEntry(Machine& m);

}  // namespace orvelle
