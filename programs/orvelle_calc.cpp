// Orvelle Calc: the program's entry.
#include "lessons/calc/main_menu.h"
#include "programs/program_main.h"

int main() { return orvelle::RunInWindow("Orvelle Calc", orvelle::calc::ShowMainMenu); }
