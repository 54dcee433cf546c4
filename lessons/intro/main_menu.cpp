#include "lessons/intro/main_menu.h"

#include "lessons/common/main_menu.h"
#include "lessons/intro/expr_value.h"
#include "lessons/intro/intro_problems.h"
#include "lessons/intro/letter_use.h"
#include "lessons/intro/program.h"
#include "lessons/intro/quantities.h"
#include "lessons/intro/writing_rules.h"

namespace orvelle::intro {

void ShowMainMenu(Machine& m) {
  RunMainMenu(m, kProgram,
              {ShowLetterUseMenu, ShowWritingRulesMenu, ShowQuantitiesMenu, ShowExprValueMenu,
               ShowIntroProblemsMenu});
}

}  // namespace orvelle::intro
