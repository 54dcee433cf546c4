// close-window ID: asks the X window ID to close, as a window manager's close button does, by
// sending it WM_PROTOCOLS / WM_DELETE_WINDOW. Fails when the window does not take that request.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: close-window WINDOW-ID\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "close-window: no display\n");
    return 1;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);

  Atom* taken = nullptr;
  int count = 0;
  bool takesDelete = false;
  if (XGetWMProtocols(display, window, &taken, &count)) {
    for (int i = 0; i < count; ++i) takesDelete = takesDelete || taken[i] == deleteWindow;
    XFree(taken);
  }
  if (!takesDelete) {
    std::fprintf(stderr, "close-window: window %s does not take WM_DELETE_WINDOW\n", argv[1]);
    XCloseDisplay(display);
    return 1;
  }

  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = protocols;
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(deleteWindow);
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
