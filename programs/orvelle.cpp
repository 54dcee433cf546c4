// Orvelle: the program's entry.
#include "lessons/intro/main_menu.h"
#include "programs/program_main.h"

int main() { return orvelle::RunInWindow("Orvelle", orvelle::intro::ShowMainMenu); }
