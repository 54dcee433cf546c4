// Orvelle Apply: the program's entry.
#include "lessons/apply/main_menu.h"
#include "programs/program_main.h"

int main() { return orvelle::RunInWindow("Orvelle Apply", orvelle::apply::ShowMainMenu); }
