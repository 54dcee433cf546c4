#include "platform/window_device.h"

#include <SDL_syswm.h>
#include <poll.h>

#include <algorithm>
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

// Calls kept for redrawing the screen at another size; past this the window scales what it has.
constexpr size_t kMaxKeptCalls = 50000;
// Keys typed ahead of the program; more are dropped.
constexpr size_t kMaxKeys = 256;
// The frame around the letterboxed screen.
constexpr Uint8 kFrameGrey = 0x20;
// How long a poll that finds no key waits for one, and how often the endless waits look up.
constexpr int kPollWaitMs = 10;
constexpr int kIdleWaitMs = 100;
constexpr int kQuietPassesBeforeLooking = 10;

// Set by SIGTERM (and SIGINT): the program ends at its next wait, as when the window is closed.
volatile std::sig_atomic_t gTerminated = 0;
void OnTerminate(int) { gTerminated = 1; }

bool CoversScreen(const DrawCall& c) {
  return c.op == Op::kClear ||
         (c.op == Op::kBox && c.color == c.fill && std::min(c.x1, c.x2) <= 0 &&
          std::min(c.y1, c.y2) <= 0 && std::max(c.x1, c.x2) >= Canvas::kScreenWidth &&
          std::max(c.y1, c.y2) >= Canvas::kScreenHeight);
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
  return c.color == 15 && (c.op == Op::kLine || (c.op == Op::kBox && c.fill == 15) ||
                           (c.op == Op::kCircle && (!c.filled || c.fill == 15)));
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

WindowDevice::WindowDevice(const std::string& title) {
  // Only the real window systems (never a dummy or off-screen driver), drawn by the CPU straight
  // into the window's frame buffer: the accelerated path costs more time and memory at start-up
  // than it could ever save here.
  // Wayland only where a Wayland display is announced: probing for one elsewhere prints errors.
  const char* drivers = std::getenv("WAYLAND_DISPLAY") ? "x11,wayland" : "x11";
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers, SDL_HINT_OVERRIDE);
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_OVERRIDE);
  SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "software", SDL_HINT_OVERRIDE);
  // A program waiting for a key does not keep the screen awake.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // The termination signals are ours: they must wake a sleeping wait at once.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) throw WindowError("no display");

  SDL_Rect area{0, 0, Canvas::kScreenWidth, Canvas::kScreenHeight};
  if (SDL_GetDisplayUsableBounds(0, &area) != 0 || area.w <= 0 || area.h <= 0) {
    area = {0, 0, Canvas::kScreenWidth, Canvas::kScreenHeight};
  }
  window_ = SDL_CreateWindow(title.c_str(), area.x, area.y, area.w, area.h,
                             SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  if (!window_) {
    const std::string why = SDL_GetError();
    SDL_Quit();
    throw WindowError(why);
  }
  // Characters come from the keys themselves: no text input, no input method.
  SDL_StopTextInput();
  SDL_EventState(SDL_TEXTINPUT, SDL_DISABLE);
  SDL_EventState(SDL_TEXTEDITING, SDL_DISABLE);
  SDL_EventState(SDL_MOUSEMOTION, SDL_DISABLE);

  struct sigaction terminate {};
  terminate.sa_handler = OnTerminate;
  sigemptyset(&terminate.sa_mask);
  sigaction(SIGTERM, &terminate, &oldTerm_);
  sigaction(SIGINT, &terminate, &oldInt_);

  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window_, &info) && info.subsystem == SDL_SYSWM_X11) {
    connection_ = ConnectionNumber(info.info.x11.display);
  }

  int w = area.w, h = area.h;
  if (SDL_Surface* surface = SDL_GetWindowSurface(window_)) {
    w = surface->w;
    h = surface->h;
  }
  Layout(w, h);
}

WindowDevice::~WindowDevice() {
  sigaction(SIGTERM, &oldTerm_, nullptr);
  sigaction(SIGINT, &oldInt_, nullptr);
  canvas_.reset();
  if (window_) SDL_DestroyWindow(window_);
  SDL_Quit();
}

void WindowDevice::Layout(int windowWidth, int windowHeight) {
  const double scale = std::max(0.05, std::min(windowWidth / double(Canvas::kScreenWidth),
                                               windowHeight / double(Canvas::kScreenHeight)));
  const int width = static_cast<int>(std::lround(Canvas::kScreenWidth * scale));
  const int height = static_cast<int>(std::lround(Canvas::kScreenHeight * scale));
  if (!canvas_ || width != canvas_->width() || height != canvas_->height()) {
    auto canvas = std::make_unique<Canvas>(scale);
    if (canvas_ && callsComplete_) {
      for (const DrawCall& c : calls_) canvas->Draw(c);
    } else if (canvas_) {
      canvas->PaintScaled(*canvas_);
    }
    canvas_ = std::move(canvas);
    presented_.assign(static_cast<size_t>(canvas_->width()) * canvas_->height(), 0);
  }
  windowWidth_ = windowWidth;
  windowHeight_ = windowHeight;
  offsetX_ = (windowWidth - canvas_->width()) / 2;
  offsetY_ = (windowHeight - canvas_->height()) / 2;
  fullPresent_ = true;
}

void WindowDevice::Keep(DrawCall call) {
  if (CoversScreen(call)) {
    calls_.clear();
    callsComplete_ = true;
  } else if (!callsComplete_) {
    return;
  } else if (!calls_.empty() && SameShape(calls_.back(), call)) {
    calls_.back() = std::move(call);
    return;
  } else if (calls_.size() >= kMaxKeptCalls) {
    calls_.clear();
    calls_.shrink_to_fit();
    callsComplete_ = false;
    return;
  }
  calls_.push_back(std::move(call));
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
  Keep(std::move(call));
}

void WindowDevice::SetMapMode(int) {}

void WindowDevice::MaximizeWindow() {
  SDL_MaximizeWindow(window_);
  pumpNeeded_ = true;
}

void WindowDevice::Line(float x1, float y1, float x2, float y2, int color) {
  Draw({.op = Op::kLine, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = color});
}

void WindowDevice::Box(float x1, float y1, float x2, float y2, int border, int fill) {
  Draw({.op = Op::kBox, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = border, .fill = fill});
}

void WindowDevice::Circle(float x, float y, float r, int color, float start, float end, bool filled,
                          int fill) {
  Draw({.op = Op::kCircle,
        .x1 = x,
        .y1 = y,
        .r = r,
        .start = start,
        .end = end,
        .filled = filled,
        .color = color,
        .fill = fill});
}

void WindowDevice::Polyline(const std::vector<Point>& points, int color) {
  Draw({.op = Op::kPolyline, .color = color, .points = points});
}

void WindowDevice::Polygon(const std::vector<Point>& points, int color, int fill) {
  Draw({.op = Op::kPolygon, .color = color, .fill = fill, .points = points});
}

void WindowDevice::Text(float x, float y, int scaleX, int scaleY, int color, const std::string& s) {
  Draw(
      {.op = Op::kText, .x1 = x, .y1 = y, .color = color, .scaleX = scaleX, .scaleY = scaleY, .s = s});
}

void WindowDevice::Clear() { Draw({.op = Op::kClear}); }

void WindowDevice::Present() {
  if (heldErase_) DrawNow(*std::exchange(heldErase_, std::nullopt));
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (!surface) return;
  if (resized_ || surface->w != windowWidth_ || surface->h != windowHeight_) {
    resized_ = false;
    Layout(surface->w, surface->h);
  }
  PixelRect damage = canvas_->TakeDamage();
  const int w = canvas_->width();
  const auto* pixels = canvas_->data();
  const size_t stride = static_cast<size_t>(canvas_->stride());
  if (fullPresent_) {
    damage = {0, 0, w, canvas_->height()};
  } else {
    if (damage.empty()) return;
    // Only a canvas that differs from the frame on show is shown again: a cursor drawn and
    // erased on every pass costs a comparison of its few pixels.
    bool same = true;
    const size_t bytes = static_cast<size_t>(damage.x1 - damage.x0) * 4;
    for (int y = damage.y0; same && y < damage.y1; ++y) {
      same = std::memcmp(pixels + y * stride + damage.x0 * 4,
                         &presented_[static_cast<size_t>(y) * w + damage.x0], bytes) == 0;
    }
    if (same) return;
  }
  const size_t bytes = static_cast<size_t>(damage.x1 - damage.x0) * 4;
  for (int y = damage.y0; y < damage.y1; ++y) {
    std::memcpy(&presented_[static_cast<size_t>(y) * w + damage.x0],
                pixels + y * stride + damage.x0 * 4, bytes);
  }

  SDL_Surface* source =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(pixels), w, canvas_->height(),
                                         32, static_cast<int>(stride), SDL_PIXELFORMAT_RGB888);
  if (!source) return;
  SDL_Rect from{damage.x0, damage.y0, damage.x1 - damage.x0, damage.y1 - damage.y0};
  SDL_Rect to{offsetX_ + damage.x0, offsetY_ + damage.y0, from.w, from.h};
  if (fullPresent_) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, kFrameGrey, kFrameGrey, kFrameGrey));
  }
  SDL_BlitSurface(source, &from, surface, &to);
  SDL_FreeSurface(source);
  if (fullPresent_) {
    SDL_UpdateWindowSurface(window_);
  } else {
    SDL_Rect shown{offsetX_ + damage.x0, offsetY_ + damage.y0, from.w, from.h};
    SDL_UpdateWindowSurfaceRects(window_, &shown, 1);
  }
  fullPresent_ = false;
  pumpNeeded_ = true;
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

bool WindowDevice::Readable(int ms) const {
  pollfd fd{connection_, POLLIN, 0};
  return poll(&fd, 1, ms) > 0;
}

void WindowDevice::Pump(int ms) {
  // A waiting program passes here a hundred times a second. SDL asks the window system a dozen
  // times each time it looks for events, so it looks only when the connection has something to
  // read, after the program has sent something itself (a frame's reply may bring events along),
  // and every tenth pass; otherwise this sleeps on the connection. A signal ends the sleep.
  SDL_Event e;
  bool look = true;
  if (connection_ >= 0) {
    look = pumpNeeded_ || ++quietPasses_ >= kQuietPassesBeforeLooking || Readable(0);
    if (!look && ms > 0 && !gTerminated) look = Readable(ms);
    if (look) {
      pumpNeeded_ = false;
      quietPasses_ = 0;
      SDL_PumpEvents();
    }
  } else if (ms > 0 && !gTerminated) {
    if (SDL_WaitEventTimeout(&e, ms)) Handle(e);
  } else {
    SDL_PumpEvents();
  }
  while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) Handle(e);
  if (gTerminated) closed_ = true;
  if (resized_ || exposed_) {
    exposed_ = false;
    fullPresent_ = true;
    Present();
  }
}

void WindowDevice::EndIfClosed() {
  if (closed_) throw ProgramEnd{};
}

std::string WindowDevice::PollKey() {
  Present();
  Pump(keys_.empty() ? kPollWaitMs : 0);
  EndIfClosed();
  if (keys_.empty()) return "";
  std::string key = std::move(keys_.front());
  keys_.pop_front();
  return key;
}

void WindowDevice::Pause(int ms) {
  Present();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  Pump(0);
  for (;;) {
    EndIfClosed();
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0) break;
    Pump(static_cast<int>(std::min<long long>(left, kIdleWaitMs)));
  }
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
    Pump(kIdleWaitMs);
    keys_.clear();
    EndIfClosed();
  }
}

}  // namespace orvelle
