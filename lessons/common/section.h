// The shapes every section and drill of the three programs share: the menu choice, the sub-menu
// loop of a section, and the drill loop.
//
// A section is run from its description in the program's lessons/<program>/program.h: its aims
// drawn once (when it has them), then its sub-menu, whose line is made from its items' labels.
// Choosing an item runs its routine; the line's last number ("終了") returns, and the program's
// main menu draws itself again. Each item returns when it is done, and the sub-menu line comes
// back under its last screen.
//
//   inline constexpr ItemDescription kLetterUseItems[] = {
//       {"P62Q", ShowP62Question}, {"P64Q", ShowP64Question}, {"例1", ShowExample1}, ...};
//   inline constexpr SectionDescription kLetterUse{"1　文字の使用", ShowLetterUseGoals,
//                                                  kLetterUseItems};
//
// A drill is one pass per problem (the problem, its key waits, the worked answer); the helper
// calls the next-step prompt after each pass and stops when the pupil types 1:
//
//   RunDrill(m, ShowRandomProduct);          // random problems; exerciseNo is not touched
//   RunCountedDrill(m, ShowLikeTermsPass);   // exerciseNo = 1, 2, 3, ...
//   RunTableDrill(m, 10, ShowProductRow);    // exerciseNo = 1..10, then 1 again
//
// A random drill that still gives exerciseNo a first value sets it itself before RunDrill.
//
// A main menu reads its number with its own prompt and goes by MenuItemOf(m.enteredValue, N):
// 0 draws the menu again, N (its last item) ends the program.
//
// The keys a sub-menu reads are logged with the line that describes its section; those of a
// drill's next-step prompt with the line of the call that started the drill (RunDrill, ...).
#pragma once

#include <functional>
#include <source_location>

#include "core/shared.h"
#include "lessons/common/program.h"

namespace orvelle {

// A drill pass.
using LessonRoutine = std::function<void(Machine&)>;

// The item that a typed choice selects in a menu of itemCount items: 0 when the choice is below
// 1 or above itemCount (nothing selected), else its whole part (5/2 selects item 2). Every main
// menu and sub-menu of the three programs selects through this.
int MenuItemOf(float choice, int itemCount);

// A section: its aims drawn once by `goals` (unless it has none), then its sub-menu: the line in
// the bottom strip and a number read (menuChoice = the number, enteredValue = 10), the strip
// cleared, and the chosen item run; a choice out of range reads again, with the screen as it
// was. Returns when the number after the last item ("終了") is chosen.
void RunSection(Machine& m, const SectionDescription& section);

// A drill of random problems: enteredValue = 3; then pass and NextStepPrompt, again and again,
// until the prompt gives exactly 1. exerciseNo is left alone.
void RunDrill(Machine& m, const LessonRoutine& pass,
              std::source_location where = std::source_location::current());

// A drill that numbers its problems: exerciseNo = 1 before the first pass and one more after
// every prompt, the last one too.
void RunCountedDrill(Machine& m, const LessonRoutine& pass,
                     std::source_location where = std::source_location::current());

// A drill through the rows 1..rows of a table: as RunCountedDrill, and a pass that finds
// exerciseNo past the last row starts again at row 1.
void RunTableDrill(Machine& m, int rows, const LessonRoutine& pass,
                   std::source_location where = std::source_location::current());

}  // namespace orvelle
