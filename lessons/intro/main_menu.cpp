#include "lessons/intro/main_menu.h"

#include "lessons/common/main_menu.h"
#include "lessons/intro/program.h"

namespace orvelle::intro {

void ShowMainMenu(Machine& m) { RunMainMenu(m, kProgram); }

}  // namespace orvelle::intro
