#include "lessons/apply/main_menu.h"

#include "lessons/apply/program.h"
#include "lessons/common/main_menu.h"

namespace orvelle::apply {

void ShowMainMenu(Machine& m) { RunMainMenu(m, kProgram); }

}  // namespace orvelle::apply
