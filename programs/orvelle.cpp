// Orvelle: the program's entry.
#include "lessons/intro/main_menu.h"
#include "lessons/intro/program.h"
#include "programs/program_main.h"

int main() {
  return orvelle::RunInWindow(orvelle::intro::kProgram.title, orvelle::intro::ShowMainMenu);
}
