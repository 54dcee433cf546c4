// window-probe: times what a user sees of a program's window on the X display, by reading the
// window's pixels. The frame around the letterboxed screen (grey 0x202020) shows only once a
// frame has been presented at the window's current size, so a pixel of it is the sign.
//
//   window-probe first-frame NAME PROGRAM [ARGS...]
//       starts PROGRAM and prints "first-frame MS pid PID" once the window named NAME shows its
//       first frame (MS: milliseconds since the start); the program is left running
//   window-probe resize WINDOW-ID W H
//       resizes the window and prints "resize MS" once it shows a frame of the new size
//   window-probe keys WINDOW-ID KEY...
//       gives the window the keyboard and types each KEY (an X key name: space, Return, 2,
//       BackSpace, ...) in turn as a keyboard would; prints "key KEY MS" for each, MS being the
//       time from the key to the first frame drawn into the window after it ("none" when no frame
//       came in 2 s). The next key is typed once the window has had no frame for 30 ms.
// Frames drawn into a window are told by the X server's damage extension, keys typed by its test
// extension; both are spoken in their own requests, as Xlib has no calls for them.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

// After the standard headers: Xlib's internal header defines min and max as macros.
#include <X11/Xlibint.h>
#include <X11/Xutil.h>
#include <X11/extensions/damageproto.h>
#include <X11/extensions/xtestproto.h>
#undef min
#undef max

namespace {

constexpr unsigned long kFrameGrey = 0x202020;
constexpr int kScreenWidth = 1440, kScreenHeight = 900;
constexpr auto kGiveUp = std::chrono::seconds(20);

using Clock = std::chrono::steady_clock;

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

// A top-level window called `name`, or 0.
Window FindWindow(Display* d, const std::string& name) {
  Window root, parent, *children = nullptr;
  unsigned int count = 0;
  Window found = 0;
  if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count)) return 0;
  for (unsigned int i = 0; i < count && !found; ++i) {
    char* title = nullptr;
    if (XFetchName(d, children[i], &title) && title) {
      if (name == title) found = children[i];
      XFree(title);
    }
  }
  if (children) XFree(children);
  return found;
}

// The pixel at (x, y) of the window, or a value no pixel has while the window is not viewable.
unsigned long PixelAt(Display* d, Window w, int x, int y) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable || x >= a.width ||
      y >= a.height) {
    return ~0ul;
  }
  XImage* image = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return ~0ul;
  const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

// A point of the frame around the screen in a window of w × h, or false when the screen fills it.
bool FramePoint(int w, int h, int& x, int& y) {
  const double scale = std::min(w / double(kScreenWidth), h / double(kScreenHeight));
  const int left = (w - static_cast<int>(std::lround(kScreenWidth * scale))) / 2;
  const int top = (h - static_cast<int>(std::lround(kScreenHeight * scale))) / 2;
  if (left >= 2) {
    x = left / 2, y = h / 2;
  } else if (top >= 2) {
    x = w / 2, y = top / 2;
  } else {
    return false;
  }
  return true;
}

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int FirstFrame(Display* d, const std::string& name, char** program) {
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    // The program's output is not the probe's: a reader of the probe must not wait for it.
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    execvp(program[0], program);
    _exit(127);
  }
  if (pid < 0) return 1;
  Window w = 0;
  while (MsSince(start) < std::chrono::duration<double, std::milli>(kGiveUp).count()) {
    if (!w) w = FindWindow(d, name);
    XWindowAttributes a;
    int x, y;
    if (w && XGetWindowAttributes(d, w, &a) && FramePoint(a.width, a.height, x, y) &&
        PixelAt(d, w, x, y) == kFrameGrey) {
      std::printf("first-frame %.1f pid %d\n", MsSince(start), static_cast<int>(pid));
      return 0;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(250));
  }
  std::fprintf(stderr, "window-probe: no frame of %s\n", name.c_str());
  return 1;
}

int Resize(Display* d, Window w, int width, int height) {
  int x, y;
  if (!FramePoint(width, height, x, y)) {
    std::fprintf(stderr, "window-probe: %d x %d has no frame to look at\n", width, height);
    return 2;
  }
  const Clock::time_point start = Clock::now();
  XResizeWindow(d, w, static_cast<unsigned>(width), static_cast<unsigned>(height));
  XSync(d, False);
  while (Clock::now() - start < kGiveUp) {
    XWindowAttributes a;
    if (XGetWindowAttributes(d, w, &a) && a.width == width && a.height == height &&
        PixelAt(d, w, x, y) == kFrameGrey) {
      std::printf("resize %.1f\n", MsSince(start));
      return 0;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(250));
  }
  std::fprintf(stderr, "window-probe: no frame at %d x %d\n", width, height);
  return 1;
}

// The first event code of the damage extension, for the converter below.
int gDamageEvent = -1;

// Xlib drops events of an extension it does not know unless they are converted; only the type of
// a damage event matters here.
Bool DamageToEvent(Display* d, XEvent* event, xEvent* wire) {
  event->xany.type = wire->u.u.type & 0x7F;
  event->xany.display = d;
  event->xany.send_event = (wire->u.u.type & 0x80) != 0;
  event->xany.serial = 0;
  event->xany.window = None;
  return True;
}

// Reports every rectangle drawn into `w` from now on as an event of type gDamageEvent.
bool WatchDrawing(Display* d, Window w) {
  int opcode, error;
  if (!XQueryExtension(d, DAMAGE_NAME, &opcode, &gDamageEvent, &error)) return false;
  XESetWireToEvent(d, gDamageEvent + XDamageNotify, DamageToEvent);
  Display* dpy = d;  // the name Xlib's request macros use
  LockDisplay(d);
  xDamageQueryVersionReq* version;
  GetReq(DamageQueryVersion, version);
  version->reqType = static_cast<CARD8>(opcode);
  version->damageReqType = X_DamageQueryVersion;
  version->majorVersion = DAMAGE_MAJOR;
  version->minorVersion = DAMAGE_MINOR;
  xDamageQueryVersionReply reply;
  const bool known = _XReply(d, reinterpret_cast<xReply*>(&reply), 0, xTrue);
  if (known) {
    xDamageCreateReq* create;
    GetReq(DamageCreate, create);
    create->reqType = static_cast<CARD8>(opcode);
    create->damageReqType = X_DamageCreate;
    create->damage = static_cast<CARD32>(XAllocID(d));
    create->drawable = static_cast<CARD32>(w);
    create->level = XDamageReportRawRectangles;
    create->pad1 = 0;
    create->pad2 = 0;
  }
  UnlockDisplay(d);
  SyncHandle();
  XSync(d, False);
  return known;
}

// Presses or releases a key as the keyboard would.
void TypeKey(Display* d, int opcode, KeyCode code, bool press) {
  Display* dpy = d;  // the name Xlib's request macros use
  LockDisplay(d);
  xXTestFakeInputReq* req;
  GetReq(XTestFakeInput, req);
  req->reqType = static_cast<CARD8>(opcode);
  req->xtReqType = X_XTestFakeInput;
  req->type = press ? KeyPress : KeyRelease;
  req->detail = code;
  req->pad0 = 0;
  req->time = CurrentTime;
  req->root = None;
  req->pad1 = req->pad2 = req->pad3 = 0;
  req->rootX = req->rootY = 0;
  req->pad4 = 0;
  req->pad5 = 0;
  req->deviceid = 0;
  UnlockDisplay(d);
  SyncHandle();
}

// Takes in events until the window is drawn into or `until` passes; true when it was drawn.
bool AwaitDrawing(Display* d, Clock::time_point until) {
  for (;;) {
    while (XPending(d) > 0) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == gDamageEvent + XDamageNotify) return true;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()).count();
    if (left <= 0) return false;
    pollfd fd{ConnectionNumber(d), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left));
  }
}

// Waits until the window has gone `quiet` without a frame (at most kGiveUp).
void AwaitQuiet(Display* d, std::chrono::milliseconds quiet) {
  const Clock::time_point start = Clock::now();
  while (AwaitDrawing(d, Clock::now() + quiet) && Clock::now() - start < kGiveUp) {
  }
}

int Keys(Display* d, Window w, int count, char** names) {
  int opcode, event, error;
  if (!XQueryExtension(d, XTestExtensionName, &opcode, &event, &error) || !WatchDrawing(d, w)) {
    std::fprintf(stderr, "window-probe: the X server has no test or damage extension\n");
    return 1;
  }
  XSetInputFocus(d, w, RevertToPointerRoot, CurrentTime);
  XSync(d, False);
  constexpr auto kQuiet = std::chrono::milliseconds(30);
  AwaitQuiet(d, std::chrono::milliseconds(200));
  for (int i = 0; i < count; ++i) {
    const KeyCode code = XKeysymToKeycode(d, XStringToKeysym(names[i]));
    if (!code) {
      std::fprintf(stderr, "window-probe: no key %s\n", names[i]);
      return 2;
    }
    const Clock::time_point start = Clock::now();
    TypeKey(d, opcode, code, true);
    TypeKey(d, opcode, code, false);
    XFlush(d);
    if (AwaitDrawing(d, start + std::chrono::seconds(2))) {
      std::printf("key %s %.3f\n", names[i], MsSince(start));
    } else {
      std::printf("key %s none\n", names[i]);
    }
    AwaitQuiet(d, kQuiet);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "window-probe: no display\n");
    return 1;
  }
  XSetErrorHandler(IgnoreErrors);
  const std::string what = argc > 1 ? argv[1] : "";
  if (what == "first-frame" && argc > 3) return FirstFrame(d, argv[2], argv + 3);
  if (what == "resize" && argc == 5) {
    return Resize(d, std::strtoul(argv[2], nullptr, 0), std::atoi(argv[3]), std::atoi(argv[4]));
  }
  if (what == "keys" && argc > 3) {
    return Keys(d, std::strtoul(argv[2], nullptr, 0), argc - 3, argv + 3);
  }
  std::fprintf(stderr,
               "usage: window-probe first-frame NAME PROGRAM [ARGS...]\n"
               "       window-probe resize WINDOW-ID W H\n"
               "       window-probe keys WINDOW-ID KEY...\n");
  return 2;
}
