// window-probe: times what a user sees of a program's window on the X display, by reading the
// window's pixels. The frame around the letterboxed screen (grey 0x202020) shows only once a
// frame has been presented at the window's current size, so a pixel of it is the sign.
//
//   window-probe first-frame NAME PROGRAM [ARGS...]
//       starts PROGRAM and prints "first-frame MS pid PID" once the window named NAME shows its
//       first frame (MS: milliseconds since the start); the program is left running
//   window-probe resize WINDOW-ID W H
//       resizes the window and prints "resize MS" once it shows a frame of the new size
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

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
  std::fprintf(stderr,
               "usage: window-probe first-frame NAME PROGRAM [ARGS...]\n"
               "       window-probe resize WINDOW-ID W H\n");
  return 2;
}
