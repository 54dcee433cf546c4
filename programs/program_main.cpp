#include "programs/program_main.h"

#include <cstdio>

namespace orvelle {

int RunInWindow(const std::string& /*title*/, MainMenu /*mainMenu*/) {
  std::fprintf(stderr, "cannot open a window: no display\n");
  return 1;
}

}  // namespace orvelle
