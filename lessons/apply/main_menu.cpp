#include "lessons/apply/main_menu.h"

namespace orvelle::apply {

void ShowMainMenu(Machine& m) {
  m.entryX = 1056;
  m.entryY = 648;
  m.device.Clear();
  // The sections are still to come: the menu has only its last item, which ends the program.
}

}  // namespace orvelle::apply
