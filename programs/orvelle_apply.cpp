// Orvelle Apply: the program's entry.
#include "lessons/apply/main_menu.h"
#include "lessons/apply/program.h"
#include "programs/program_main.h"

int main() {
  return orvelle::RunInWindow(orvelle::apply::kProgram.title, orvelle::apply::ShowMainMenu);
}
