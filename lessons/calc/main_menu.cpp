#include "lessons/calc/main_menu.h"

#include "lessons/calc/program.h"
#include "lessons/common/main_menu.h"

namespace orvelle::calc {

void ShowMainMenu(Machine& m) { RunMainMenu(m, kProgram); }

}  // namespace orvelle::calc
