#include "lessons/common/section.h"

#include <string>

#include "core/prompts.h"
#include "platform/number.h"

namespace orvelle {
namespace {

// What the sub-menu leaves in enteredValue: never 1, so a drill entered from it always shows a
// first problem.
constexpr float kAfterMenuChoice = 10;

// The number that ends a drill at the next-step prompt.
constexpr float kEndOfDrill = 1;

void RunPasses(Machine& m, const LessonRoutine& pass, int rows, bool counted,
               const std::source_location& where) {
  m.enteredValue = 3;
  if (counted) m.exerciseNo = 1;
  while (m.enteredValue != kEndOfDrill) {
    if (rows > 0 && m.exerciseNo > static_cast<float>(rows)) m.exerciseNo = 1;
    pass(m);
    NextStepPrompt(m, where);
    if (counted) m.exerciseNo += 1;
  }
}

}  // namespace

int MenuItemOf(float choice, int itemCount) {
  // The range test comes first, on the value as typed: 0.5 and itemCount + 0.5 select nothing.
  if (!(choice >= 1 && choice <= static_cast<float>(itemCount))) return 0;
  return ToInt(choice);
}

void RunSection(Machine& m, const SectionDescription& section) {
  if (section.goals != nullptr) section.goals(m);
  const std::string line = section.SubMenuLine();
  const int last = section.MenuEnd();  // "終了"
  while (true) {
    m.drawText = line;
    PromptBottomAndReadNumber(m, section.where);
    m.menuChoice = m.enteredValue;
    m.enteredValue = kAfterMenuChoice;
    ClearBottomStrip(m);
    const int item = MenuItemOf(m.menuChoice, last);
    if (item == 0) continue;
    if (item == last) return;
    section.items[static_cast<size_t>(item - 1)].routine(m);
  }
}

void RunDrill(Machine& m, const LessonRoutine& pass, std::source_location where) {
  RunPasses(m, pass, 0, false, where);
}

void RunCountedDrill(Machine& m, const LessonRoutine& pass, std::source_location where) {
  RunPasses(m, pass, 0, true, where);
}

void RunTableDrill(Machine& m, int rows, const LessonRoutine& pass, std::source_location where) {
  RunPasses(m, pass, rows, true, where);
}

}  // namespace orvelle
