// The shapes every section and drill of the three programs share: the menu choice, the sub-menu
// loop of a section, and the drill loop.
//
// A section draws its aims once, then runs its sub-menu, whose line and number of items come from
// the program's description (lessons/<program>/program.h). The items are the section's lesson
// routines in the order of the sub-menu line; the line's last item ("終了") is not listed:
// choosing it returns, and the program's main menu draws itself again. Each item returns when it
// is done, and the sub-menu line comes back under its last screen.
//
//   void ShowLetterUseMenu(Machine& m) {
//     RunSection(m, ShowLetterUseGoals, kLetterUse,  // "①P62Q　②P64Q　③例1　④問1,2,3　⑤終了"
//                {ShowP62Question, ShowP64Question, ShowExample1, ShowExercises1To3});
//   }
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
// The keys read by a sub-menu or by a drill's next-step prompt are logged with the line of the
// call that started it (RunSection, RunSubMenu, RunDrill, ...).
#pragma once

#include <functional>
#include <initializer_list>
#include <source_location>

#include "core/shared.h"
#include "lessons/common/program.h"

namespace orvelle {

// A lesson routine that a menu item or a drill pass runs.
using LessonRoutine = std::function<void(Machine&)>;

// The item that a typed choice selects in a menu of itemCount items: 0 when the choice is below
// 1 or above itemCount (nothing selected), else its whole part (5/2 selects item 2). Every main
// menu and sub-menu of the three programs selects through this.
int MenuItemOf(float choice, int itemCount);

// A section's sub-menu loop: draws the section's sub-menu line in the bottom strip and reads a
// number (menuChoice = the number, enteredValue = 10), clears the strip, and runs the chosen
// item; a choice out of range reads again, with the screen as it was. Returns when the last
// item, the one after `items`, is chosen. `items` holds one routine for each item the section
// describes (else run-time error 9 at once); an empty LessonRoutine is an item that does nothing.
void RunSubMenu(Machine& m, const SectionDescription& section,
                std::initializer_list<LessonRoutine> items,
                std::source_location where = std::source_location::current());

// A section: its aims drawn once by `goals`, then its sub-menu as RunSubMenu runs it.
void RunSection(Machine& m, const LessonRoutine& goals, const SectionDescription& section,
                std::initializer_list<LessonRoutine> items,
                std::source_location where = std::source_location::current());

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
