// Orvelle Calc: the program's entry.
#include "lessons/calc/main_menu.h"
#include "lessons/calc/program.h"
#include "programs/program_main.h"

int main() {
  return orvelle::RunInWindow(orvelle::calc::kProgram.title, orvelle::calc::ShowMainMenu);
}
