#include "lessons/apply/main_menu.h"

#include "lessons/apply/chapter_problems.h"
#include "lessons/apply/numbers.h"
#include "lessons/apply/program.h"
#include "lessons/apply/relations.h"
#include "lessons/apply/sticks.h"
#include "lessons/common/main_menu.h"

namespace orvelle::apply {

void ShowMainMenu(Machine& m) {
  RunMainMenu(m, kProgram,
              {ShowSticksMenu, ShowNumbersMenu, ShowRelationsMenu, ShowChapterProblemsAMenu,
               ShowChapterProblemsBMenu});
}

}  // namespace orvelle::apply
