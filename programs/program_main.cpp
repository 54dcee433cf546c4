#include "programs/program_main.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "platform/fonts.h"
#include "platform/window_device.h"

namespace orvelle {
namespace {

// Opens on /dev/null whatever a launcher left closed of standard input, output and error: else
// the first pipe or connection opened takes its number, and a line for stderr goes into it.
void OpenStandardStreams() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    const int null = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    if (null >= 0 && null != fd) {
      dup2(null, fd);
      close(null);
    }
  }
}

}  // namespace

int RunInWindow(const std::string& title, MainMenu mainMenu) {
  OpenStandardStreams();
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
