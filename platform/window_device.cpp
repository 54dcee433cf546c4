#include "platform/window_device.h"

#include <SDL_syswm.h>
#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <utility>

#include "platform/error.h"
#include "platform/text.h"

namespace orvelle {
namespace {

// Keys typed ahead of the program; more are dropped.
constexpr size_t kMaxKeys = 256;
// The frame around the letterboxed screen.
constexpr Uint8 kFrameGrey = 0x20;
// Where the window system has no connection to sleep on, how long a sleep lasts at most.
constexpr int kSleepSliceMs = 1000;

// Set by SIGTERM, SIGINT and SIGHUP: the program ends at its next wait, as when the window is
// closed. The handler also writes into a pipe that every sleep watches, so that a signal that
// comes just before a sleep begins still ends it.
volatile std::sig_atomic_t gTerminated = 0;
int gWakeWrite = -1;
void OnTerminate(int) {
  gTerminated = 1;
  const int saved = errno;
  if (gWakeWrite >= 0) {
    const ssize_t written = write(gWakeWrite, "", 1);
    (void)written;  // a full pipe wakes the sleep as well
  }
  errno = saved;
}

// The same shape at the same place: the later call covers the earlier one.
bool SameShape(const DrawCall& a, const DrawCall& b) {
  if (a.op != b.op || a.width != b.width) return false;
  if (a.op == Op::kCircle) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.r == b.r && a.start == b.start && a.end == b.end &&
           a.filled == b.filled;
  }
  if (a.op == Op::kBox || a.op == Op::kLine) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
  }
  return false;
}

// A shape in the background colour that wipes out the same shape drawn before it.
bool IsErase(const DrawCall& c) {
  return c.color == kBackgroundColor &&
         (c.op == Op::kLine || (c.op == Op::kBox && c.fill == kBackgroundColor) ||
          (c.op == Op::kCircle && (!c.filled || c.fill == kBackgroundColor)));
}

bool SameCall(const DrawCall& a, const DrawCall& b) {
  return SameShape(a, b) && a.color == b.color && a.fill == b.fill;
}

}  // namespace

std::string KeyText(int keycode, int scancode, int modifiers) {
  switch (scancode) {
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL:
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT:
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT:
    case SDL_SCANCODE_LGUI:
    case SDL_SCANCODE_RGUI:
    case SDL_SCANCODE_CAPSLOCK:
    case SDL_SCANCODE_NUMLOCKCLEAR:
    case SDL_SCANCODE_SCROLLLOCK:
    case SDL_SCANCODE_MODE:
      return "";
    // The keypad gives its characters whatever the state of Num Lock.
    case SDL_SCANCODE_KP_0:
      return "0";
    case SDL_SCANCODE_KP_PERIOD:
      return ".";
    case SDL_SCANCODE_KP_DIVIDE:
      return "/";
    case SDL_SCANCODE_KP_MULTIPLY:
      return "*";
    case SDL_SCANCODE_KP_MINUS:
      return "-";
    case SDL_SCANCODE_KP_PLUS:
      return "+";
    case SDL_SCANCODE_KP_ENTER:
      return "\r";
    case SDL_SCANCODE_KP_EQUALS:
      return "=";
    case SDL_SCANCODE_KP_COMMA:
      return ",";
    default:
      break;
  }
  if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9) {
    return std::string(1, static_cast<char>('1' + (scancode - SDL_SCANCODE_KP_1)));
  }
  switch (keycode) {
    case SDLK_LCTRL:
    case SDLK_RCTRL:
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
    case SDLK_LALT:
    case SDLK_RALT:
    case SDLK_LGUI:
    case SDLK_RGUI:
    case SDLK_CAPSLOCK:
    case SDLK_NUMLOCKCLEAR:
    case SDLK_SCROLLLOCK:
    case SDLK_MODE:
      return "";
    case SDLK_RETURN:
    case SDLK_RETURN2:
      return "\r";
    case SDLK_BACKSPACE:
      return "\b";
    case SDLK_DELETE:
      return "\f";
    case SDLK_ESCAPE:
      return "\x1b";
    case SDLK_TAB:
      return "\t";
    case SDLK_SPACE:
      return " ";
    case SDLK_RIGHT:
      return "\x1c";
    case SDLK_LEFT:
      return "\x1d";
    case SDLK_UP:
      return "\x1e";
    case SDLK_DOWN:
      return "\x1f";
    default:
      break;
  }
  if (keycode == SDLK_l && (modifiers & KMOD_CTRL)) return "\f";
  if (keycode >= SDLK_a && keycode <= SDLK_z) {
    const bool upper = ((modifiers & KMOD_SHIFT) != 0) != ((modifiers & KMOD_CAPS) != 0);
    return std::string(1, static_cast<char>(upper ? keycode - 'a' + 'A' : keycode));
  }
  if (keycode > 32 && keycode < 127) return std::string(1, static_cast<char>(keycode));
  if (keycode >= 160 && (keycode & SDLK_SCANCODE_MASK) == 0) {
    return Chr(keycode);
  }
  // Function keys, Home, Insert and the like: a control character that no field takes, so that
  // they still count as "any key".
  return "\x01";
}

namespace {
// Whether SDL's video is started, and whether that succeeded.
bool gVideoTried = false;
bool gVideo = false;
}  // namespace

bool WindowDevice::StartVideo() {
  if (std::exchange(gVideoTried, true)) return gVideo;
  // Only the real window systems (never a dummy or off-screen driver), drawn by the CPU straight
  // into the window's frame buffer: the accelerated path costs more time and memory at start-up
  // (150 ms, 90 MiB) than it could ever save here, so it is taken only where nothing else shows a
  // picture (see below).
  // Wayland only where a Wayland display is announced: probing for one elsewhere prints errors.
  const char* drivers = std::getenv("WAYLAND_DISPLAY") ? "x11,wayland" : "x11";
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers, SDL_HINT_OVERRIDE);
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_OVERRIDE);
  SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "software", SDL_HINT_OVERRIDE);
  // A program waiting for a key does not keep the screen awake.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // The termination signals are ours: they must wake a sleeping wait at once.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // No shader cache from mesa (the accelerated fallback): we store only fontconfig's caches.
  setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
  gVideo = SDL_Init(SDL_INIT_VIDEO) == 0;
  return gVideo;
}

WindowDevice::WindowDevice(const std::string& title) {
  if (!StartVideo()) throw WindowError("no display");
  // The pictures (a canvas of a few MiB for each size the window takes) come straight from the
  // system and go back to it when freed, so that memory follows the window's current size.
  mallopt(M_MMAP_THRESHOLD, 1 << 20);

  SDL_Rect area{0, 0, Canvas::kScreenWidth, Canvas::kScreenHeight};
  if (SDL_GetDisplayUsableBounds(0, &area) != 0 || area.w <= 0 || area.h <= 0) {
    area = {0, 0, Canvas::kScreenWidth, Canvas::kScreenHeight};
  }
  window_ = SDL_CreateWindow(title.c_str(), area.x, area.y, area.w, area.h,
                             SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  if (!window_) {
    const std::string why = SDL_GetError();
    SDL_Quit();
    gVideoTried = false;
    throw WindowError(why);
  }
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  const bool x11 = SDL_GetWindowWMInfo(window_, &info) && info.subsystem == SDL_SYSWM_X11;
  if (x11) {
    display_ = info.info.x11.display;
    connection_ = ConnectionNumber(display_);
  }
  // The X server's own surface needs a screen whose pixels SDL knows (depths 15, 16 and 24).
  // Elsewhere (depth 30 or 8, a window system with no surface of its own) SDL's fallback, pixels
  // of its own shown through an accelerated renderer, is the one picture there can be. SDL reads
  // the hint once, when the window's first surface is made.
  fallback_ = !x11 || SDL_GetWindowPixelFormat(window_) == SDL_PIXELFORMAT_UNKNOWN;
  if (fallback_) SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "1", SDL_HINT_OVERRIDE);
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (!surface) {
    // Without a surface the window would stay black while the program ran blind.
    const std::string screen =
        x11 ? "an X screen of depth " +
                  std::to_string(DefaultDepth(display_, DefaultScreen(display_)))
            : "this window system (" + std::string(SDL_GetCurrentVideoDriver()) + ")";
    const std::string why = "SDL can show no picture on " + screen + " (" + SDL_GetError() +
                            "); the lessons cannot be shown on it";
    SDL_DestroyWindow(window_);
    SDL_Quit();
    gVideoTried = false;
    throw WindowError(why);
  }

  // Characters come from the keys themselves: no text input, no input method.
  SDL_StopTextInput();
  SDL_EventState(SDL_TEXTINPUT, SDL_DISABLE);
  SDL_EventState(SDL_TEXTEDITING, SDL_DISABLE);
  SDL_EventState(SDL_MOUSEMOTION, SDL_DISABLE);

  // The pipe is made before the handlers that write into it.
  int wake[2];
  if (pipe2(wake, O_NONBLOCK | O_CLOEXEC) == 0) {
    wakeRead_ = wake[0];
    gWakeWrite = wake[1];
  }
  gTerminated = 0;
  struct sigaction terminate {};
  terminate.sa_handler = OnTerminate;
  terminate.sa_flags = SA_RESTART;
  sigemptyset(&terminate.sa_mask);
  sigaction(SIGTERM, &terminate, &oldTerm_);
  sigaction(SIGINT, &terminate, &oldInt_);
  sigaction(SIGHUP, &terminate, &oldHup_);

  SDL_GetWindowSize(window_, &windowWidth_, &windowHeight_);
  Layout(surface);
  if (!canvas_) OwnCanvas(area.w, area.h);
}

WindowDevice::~WindowDevice() {
  sigaction(SIGTERM, &oldTerm_, nullptr);
  sigaction(SIGINT, &oldInt_, nullptr);
  sigaction(SIGHUP, &oldHup_, nullptr);
  if (gWakeWrite >= 0) close(std::exchange(gWakeWrite, -1));
  if (wakeRead_ >= 0) close(wakeRead_);
  canvas_.reset();
  if (window_) SDL_DestroyWindow(window_);
  SDL_Quit();
  gVideoTried = false;
}

namespace {

// The largest screen that fits a window, one pixel at least: its size never exceeds the window's.
double ScaleFor(int windowWidth, int windowHeight) {
  return std::min(windowWidth / double(Canvas::kScreenWidth),
                  windowHeight / double(Canvas::kScreenHeight));
}

}  // namespace

void WindowDevice::OwnCanvas(int windowWidth, int windowHeight) {
  direct_ = false;
  canvas_ = std::make_unique<Canvas>(
      windowWidth > 0 && windowHeight > 0 ? ScaleFor(windowWidth, windowHeight) : 1.0);
  kept_.DrawOn(*canvas_);
  fullPresent_ = true;
}

SurfaceStep DecideSurface(const SurfaceFacts& f) {
  if (!f.direct) return SurfaceStep::kKeep;  // its pixels are its own
  // Made anew without a size event: the old pixels are gone already, and the kept calls are all
  // there is to draw again.
  if (f.Anew()) return SurfaceStep::kRedraw;
  // SDL frees the surface when next asked for it: the canvas leaves first, for where the kept
  // calls can draw it again, else with a copy of its picture.
  if (f.sizeEvent || f.sizeChanged) {
    return f.allKept ? SurfaceStep::kRedraw : SurfaceStep::kLeaveByCopy;
  }
  return SurfaceStep::kKeep;
}

void WindowDevice::Carry(SurfaceStep step) {
  if (step == SurfaceStep::kKeep) return;
  direct_ = false;
  if (step == SurfaceStep::kRedraw) {
    canvas_.reset();
  } else {
    canvas_->OwnPixels();
  }
}

SDL_Surface* WindowDevice::Surface() {
  // SDL marks the window's surface stale when it takes in a new size (even one that comes back to
  // the old size before we look) and queues a size event with it; the next SDL_GetWindowSurface
  // frees the old surface, into which the canvas may draw. So the events are taken in first.
  SDL_PumpEvents();
  SDL_Event e;
  while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) Handle(e);
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  SurfaceFacts facts;
  facts.direct = direct_;
  facts.sizeEvent = resized_;
  facts.sizeChanged = w != windowWidth_ || h != windowHeight_;
  facts.laidOutOn = facts.surface = laidOutOn_;
  facts.laidOutPixels = facts.pixels = laidOutPixels_;
  facts.allKept = kept_.complete() && w > 0 && h > 0;
  Carry(DecideSurface(facts));
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  facts.direct = direct_;
  facts.surface = surface;
  facts.pixels = surface ? surface->pixels : nullptr;
  Carry(DecideSurface(facts));
  if (surface && (facts.sizeEvent || facts.sizeChanged || facts.Anew() || !canvas_)) {
    resized_ = false;
    Layout(surface);
  }
  if (!canvas_) OwnCanvas(w, h);
  return surface;
}

void WindowDevice::Layout(SDL_Surface* surface) {
  laidOutOn_ = surface;
  laidOutPixels_ = surface->pixels;
  windowWidth_ = surface->w;
  windowHeight_ = surface->h;
  fullPresent_ = true;
  if (windowWidth_ < 1 || windowHeight_ < 1) return;  // nothing to show until it has a size again
  const double scale = ScaleFor(windowWidth_, windowHeight_);
  const int width = static_cast<int>(std::lround(Canvas::kScreenWidth * scale));
  const int height = static_cast<int>(std::lround(Canvas::kScreenHeight * scale));
  const int offsetX = std::max(0, (windowWidth_ - width) / 2);
  const int offsetY = std::max(0, (windowHeight_ - height) / 2);
  // Drawn straight into the window's surface where it holds the canvas's own pixel format and
  // lasts until the window's size changes (the X server's own surface at depth 24).
  const bool direct = display_ && !fallback_ && surface->format->format == SDL_PIXELFORMAT_RGB888 &&
                      !SDL_MUSTLOCK(surface) && surface->pixels;
  const bool sameSize = canvas_ && width == canvas_->width() && height == canvas_->height();
  if (sameSize && direct == direct_ && offsetX == offsetX_ && offsetY == offsetY_) return;
  offsetX_ = offsetX;
  offsetY_ = offsetY;

  const auto make = [&] {
    if (!direct) return std::make_unique<Canvas>(scale);
    auto* pixels = static_cast<unsigned char*>(surface->pixels) +
                   static_cast<size_t>(offsetY) * static_cast<size_t>(surface->pitch) +
                   static_cast<size_t>(offsetX) * 4;
    return std::make_unique<Canvas>(scale, pixels, surface->pitch);
  };
  if (!sameSize && kept_.complete()) {
    // Drawn afresh from what is kept: the old picture goes first, and its memory with it.
    canvas_.reset();
    canvas_ = make();
    kept_.DrawOn(*canvas_);
  } else {
    auto canvas = make();
    if (canvas_) canvas->PaintScaled(*canvas_);
    canvas_ = std::move(canvas);
  }
  direct_ = direct;
}

void WindowDevice::Draw(DrawCall call) {
  call.width = width_;
  if (call.op == Op::kText) call.font = font_;
  // The number field's cursor is erased and drawn again on every pass of its key loop. Once a
  // shape has been erased and drawn, erasing and drawing it once more leaves every pixel as it
  // was (the erase covers all the shape touched), so such a pair is not drawn at all: the erase
  // is held back until the next call shows whether the same shape follows.
  if (heldErase_) {
    const bool redraw = SameCall(call, cycle_.shape);
    if (!redraw) DrawNow(*std::exchange(heldErase_, std::nullopt));
    heldErase_.reset();
    if (redraw) return;
  }
  if (inCycle_ && SameCall(call, cycle_.erase)) {
    heldErase_ = std::move(call);
    return;
  }
  DrawNow(std::move(call));
}

void WindowDevice::DrawNow(DrawCall call) {
  inCycle_ = last_ && IsErase(*last_) && !IsErase(call) && SameShape(*last_, call);
  if (inCycle_) cycle_ = {*last_, call};
  canvas_->Draw(call);
  last_ = call;
  kept_.Add(std::move(call));
}

void WindowDevice::SetMapMode(int) {}

void WindowDevice::MaximizeWindow() { SDL_MaximizeWindow(window_); }

void WindowDevice::Present() {
  if (heldErase_) DrawNow(*std::exchange(heldErase_, std::nullopt));
  SDL_Surface* surface = Surface();
  if (!surface || windowWidth_ < 1 || windowHeight_ < 1) return;
  std::vector<PixelRect> damage = canvas_->TakeDamage();
  const int w = canvas_->width(), h = canvas_->height();
  const auto* pixels = canvas_->data();  // every drawing done
  const size_t stride = static_cast<size_t>(canvas_->stride());
  if (fullPresent_) damage = {{0, 0, w, h}};
  if (!direct_ && !fullPresent_ && surface->format->format == SDL_PIXELFORMAT_RGB888 &&
      SDL_LockSurface(surface) == 0) {
    // Only what differs from the frame on show is shown again: a cursor drawn and erased on
    // every pass costs a comparison of its few pixels with the window's, which hold the canvas's
    // own bytes where the two share a pixel format.
    const auto* shown = static_cast<const unsigned char*>(surface->pixels);
    const size_t pitch = static_cast<size_t>(surface->pitch);
    std::erase_if(damage, [&](const PixelRect& r) {
      const size_t bytes = static_cast<size_t>(r.x1 - r.x0) * 4;
      for (int y = r.y0; y < r.y1; ++y) {
        if (std::memcmp(pixels + static_cast<size_t>(y) * stride + static_cast<size_t>(r.x0) * 4,
                        shown + static_cast<size_t>(offsetY_ + y) * pitch +
                            static_cast<size_t>(offsetX_ + r.x0) * 4,
                        bytes) != 0) {
          return false;
        }
      }
      return true;
    });
    SDL_UnlockSurface(surface);
  }
  if (damage.empty()) return;

  std::vector<SDL_Rect> shown;
  for (const PixelRect& r : damage) {
    shown.push_back({offsetX_ + r.x0, offsetY_ + r.y0, r.x1 - r.x0, r.y1 - r.y0});
  }
  if (!direct_) {
    SDL_Surface* source =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(pixels), w, h, 32,
                                           static_cast<int>(stride), SDL_PIXELFORMAT_RGB888);
    if (!source) return;
    for (const PixelRect& r : damage) {
      SDL_Rect from{r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0};
      SDL_Rect to{offsetX_ + r.x0, offsetY_ + r.y0, from.w, from.h};
      SDL_BlitSurface(source, &from, surface, &to);
    }
    SDL_FreeSurface(source);
  }
  if (fullPresent_) {
    // The frame around the screen: left, right, above, below.
    const int right = offsetX_ + w, bottom = offsetY_ + h;
    const SDL_Rect frame[] = {{0, 0, offsetX_, windowHeight_},
                              {right, 0, windowWidth_ - right, windowHeight_},
                              {offsetX_, 0, w, offsetY_},
                              {offsetX_, bottom, w, windowHeight_ - bottom}};
    SDL_FillRects(surface, frame, 4,
                  SDL_MapRGB(surface->format, kFrameGrey, kFrameGrey, kFrameGrey));
    SDL_UpdateWindowSurface(window_);
  } else {
    SDL_UpdateWindowSurfaceRects(window_, shown.data(), static_cast<int>(shown.size()));
  }
  fullPresent_ = false;
  if (onPresent_) onPresent_();
}

void WindowDevice::Handle(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      closed_ = true;
      break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) closed_ = true;
      if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) resized_ = true;
      if (e.window.event == SDL_WINDOWEVENT_EXPOSED) exposed_ = true;
      break;
    case SDL_KEYDOWN: {
      // Every press counts, a held key's repeats too.
      std::string key = KeyText(e.key.keysym.sym, e.key.keysym.scancode, e.key.keysym.mod);
      if (!key.empty() && keys_.size() < kMaxKeys) keys_.push_back(std::move(key));
      break;
    }
    default:
      break;
  }
}

void WindowDevice::TakeEvents() {
  SDL_PumpEvents();
  SDL_Event e;
  while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) Handle(e);
  if (gTerminated) closed_ = true;
  if (resized_ || exposed_) {
    exposed_ = false;
    fullPresent_ = true;
    Present();
  }
}

void WindowDevice::Await(int ms, bool untilKey) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    TakeEvents();
    if (closed_ || (untilKey && !keys_.empty())) return;
    int left = -1;
    if (ms >= 0) {
      const auto rest =
          std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (rest.count() <= 0) return;
      left = static_cast<int>(rest.count());
    }
    Sleep(left);
  }
}

void WindowDevice::Sleep(int ms) {
  if (gTerminated) return;
  if (connection_ < 0) {
    // No connection to watch: SDL waits, and a signal is seen within a slice.
    SDL_WaitEventTimeout(nullptr, ms < 0 ? kSleepSliceMs : std::min(ms, kSleepSliceMs));
    return;
  }
  // Events the X library has already read are not on the socket any more (showing a frame waits
  // for the server's reply, and what came before it is read with it): they are taken first.
  if (XEventsQueued(display_, QueuedAfterFlush) > 0) return;
  pollfd fds[2] = {{connection_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
  poll(fds, wakeRead_ >= 0 ? 2 : 1, ms);
  char drain[64];
  while (wakeRead_ >= 0 && read(wakeRead_, drain, sizeof drain) > 0) {
  }
}

void WindowDevice::EndIfClosed() {
  if (closed_) throw ProgramEnd{};
}

std::string WindowDevice::PollKey() {
  Present();
  TakeEvents();
  // The first poll that finds nothing returns at once (a program flushing its keys); a second
  // in a row means the program waits for a key, and the process sleeps until one comes.
  if (keys_.empty() && emptyPolls_ > 0) Await(-1, true);
  EndIfClosed();
  if (keys_.empty()) {
    ++emptyPolls_;
    return "";
  }
  emptyPolls_ = 0;
  std::string key = std::move(keys_.front());
  keys_.pop_front();
  return key;
}

void WindowDevice::Pause(int ms) {
  Present();
  Await(std::max(ms, 0), false);
  EndIfClosed();
  emptyPolls_ = 0;
}

std::string WindowDevice::Clock() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buf[16];
  std::strftime(buf, sizeof buf, "%H:%M:%S", &local);
  return buf;
}

void WindowDevice::WaitForClose() {
  Present();
  for (;;) {
    Await(-1, false);
    keys_.clear();
    EndIfClosed();
  }
}

}  // namespace orvelle
