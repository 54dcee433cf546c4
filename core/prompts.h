// The prompts of the lower part of the screen: the key wait between the steps of a lesson, the
// next-step prompt that ends a drill pass, the sub-menu line and the main menu's number prompt.
// Every routine that waits takes `where`, the line that asked for the wait (its caller's by
// default); the keys read are logged with it.
#pragma once

#include <source_location>

#include "core/shared.h"

namespace orvelle {

// A bar with "何かキーを押して下さい。" until any key; keyText = the key. drawColor and the line
// width are given back as they were.
void WaitAnyKey(Machine& m, std::source_location where = std::source_location::current());
// A box with "次のステップは１を入力。" and the number field; enteredValue = the number (1 ends a
// drill). The line width is given back; drawColor is left at 0 or 5.
void NextStepPrompt(Machine& m, std::source_location where = std::source_location::current());
// drawText at (16, 666) in colour 0, then the number field; enteredValue = the number. The text
// stays until ClearBottomStrip.
void PromptBottomAndReadNumber(Machine& m,
                               std::source_location where = std::source_location::current());
// Erases the bottom strip (0, 657)-(992, 720).
void ClearBottomStrip(Machine& m);
// drawText in colour 5 ending 80 left of the field, then the number field; enteredValue = the
// number.
void PromptAndReadNumber(Machine& m, std::source_location where = std::source_location::current());
// Erases the main menu's prompt line and the field.
void EraseEntryLine(Machine& m);
// A bar with drawText until any key; keyText = the key. drawColor and the line width are given
// back as they were.
void ShowMessageUntilKey(Machine& m, std::source_location where = std::source_location::current());

}  // namespace orvelle
