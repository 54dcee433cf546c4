#include "programs/program_main.h"

#include <cstdio>
#include <memory>

#include "platform/fonts.h"
#include "platform/window_device.h"

namespace orvelle {

int RunInWindow(const std::string& title, MainMenu mainMenu) {
  // The font configuration's trial runs in a child while SDL connects to the window system; the
  // window opens only once the faces are known to draw.
  StartFonts();
  WindowDevice::StartVideo();
  if (const std::string problem = TextFaceProblem(); !problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    return 1;
  }
  std::unique_ptr<WindowDevice> device;
  try {
    device = std::make_unique<WindowDevice>(title);
  } catch (const WindowError& e) {
    std::fprintf(stderr, "cannot open a window: %s\n", e.what());
    return 1;
  }
  auto machine = std::make_unique<Machine>(*device);
  return StartProgram(*machine, title, mainMenu);
}

}  // namespace orvelle
