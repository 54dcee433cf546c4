// The real screen and keyboard: one window showing the 1440 x 900 logical screen, scaled
// uniformly and letterboxed, drawn with the canvas and shown only when the program waits.
#pragma once

#include <SDL.h>
#include <signal.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/device.h"
#include "platform/kept_calls.h"
#include "platform/recording_device.h"

struct _XDisplay;

namespace orvelle {

// The window cannot be opened, or shows no picture; what() says why ("no display").
struct WindowError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// What becomes of a canvas drawing straight into the window's surface when SDL may have made that
// surface anew (see WindowDevice::Surface).
enum class SurfaceStep {
  kKeep,         // it goes on drawing where it draws
  kLeaveByCopy,  // it takes a copy of its picture before SDL frees the surface, and draws on that
  kRedraw,       // it is dropped and drawn again from the kept calls
};

struct SurfaceFacts {
  bool direct = false;       // the canvas draws straight into the surface it was laid out on
  bool sizeEvent = false;    // SDL said the size changed: it makes the surface anew when next
                             // asked, even where the size has come back to the old one
  bool sizeChanged = false;  // the window's size is not the surface's
  // The surface the canvas was laid out on and its pixels; SDL's surface now (null where it has
  // none) and its pixels. SDL may make a new surface at a freed one's address.
  const void* laidOutOn = nullptr;
  const void* laidOutPixels = nullptr;
  const void* surface = nullptr;
  const void* pixels = nullptr;
  bool allKept = false;  // the kept calls can draw the whole picture again

  // The surface or its pixels are not the ones the canvas was laid out on.
  bool Anew() const { return surface != laidOutOn || pixels != laidOutPixels; }
};

// Asked before SDL is asked for the window's surface (which frees a stale one: the surface is
// still the one laid out on) and again after it, with what SDL gave.
SurfaceStep DecideSurface(const SurfaceFacts& facts);

class WindowDevice : public CallDevice {
 public:
  // Opens the window, as large as the screen allows. Throws WindowError.
  explicit WindowDevice(const std::string& title);
  // Connects to the window system ahead of the window, so that it overlaps the rest of the start;
  // the window's constructor does it otherwise. Whether it connected.
  static bool StartVideo();
  ~WindowDevice() override;
  WindowDevice(const WindowDevice&) = delete;
  WindowDevice& operator=(const WindowDevice&) = delete;

  void SetMapMode(int mode) override;
  void MaximizeWindow() override;
  // Shows what was drawn, then returns the next key, or "" when none has come. The second poll in
  // a row that finds no key sleeps until a key comes (or the end: the window closed, a
  // termination signal), answering resizes and exposes meanwhile.
  std::string PollKey() override;
  // Shows what was drawn and waits, taking keys in, until `ms` milliseconds have passed.
  void Pause(int ms) override;
  std::string Clock() override;
  // Shows what was drawn and sleeps on the window's events until it is closed.
  [[noreturn]] void WaitForClose() override;

  // Called each time a new frame has been shown (for measurements).
  void OnPresent(std::function<void()> hook) { onPresent_ = std::move(hook); }
  const Canvas& canvas() const { return *canvas_; }

 private:
  void Take(DrawCall call) override { Draw(std::move(call)); }
  void Draw(DrawCall call);
  void DrawNow(DrawCall call);
  void Present();
  // The window's surface, made anew by SDL when the window's size changed; the canvas laid out
  // on it. Null when SDL has none.
  SDL_Surface* Surface();
  void Carry(SurfaceStep step);
  void Layout(SDL_Surface* surface);
  // A canvas of its own, for a window without a surface to draw into.
  void OwnCanvas(int windowWidth, int windowHeight);
  // Takes in every event that has come, without waiting; repaints for a resize or an expose.
  void TakeEvents();
  // Takes in events, sleeping while none comes, until the end or (with `untilKey`) a key has
  // come, or `ms` milliseconds have passed (-1: no limit).
  void Await(int ms, bool untilKey);
  // Sleeps until the window system has something to read or a termination signal comes, or
  // `ms` milliseconds have passed (-1: no limit).
  void Sleep(int ms);
  void Handle(const SDL_Event& e);
  void EndIfClosed();

  SDL_Window* window_ = nullptr;
  std::unique_ptr<Canvas> canvas_;
  // The canvas draws straight into the window's surface (one picture, shown as it is drawn), or,
  // where SDL's surface cannot be drawn into so, into pixels of its own copied to it.
  bool direct_ = false;
  // The window's surface is SDL's fallback (pixels of its own shown through a renderer), made
  // where the window system's own surface has no pixel format SDL knows: copied into.
  bool fallback_ = false;
  SDL_Surface* laidOutOn_ = nullptr;        // the surface the canvas was laid out on
  void* laidOutPixels_ = nullptr;           // and its pixels
  int windowWidth_ = 0, windowHeight_ = 0;  // the window's size in pixels
  int offsetX_ = 0, offsetY_ = 0;           // the canvas's place in the window
  bool fullPresent_ = true;                 // the window needs every pixel again
  bool resized_ = false;
  bool exposed_ = false;
  bool closed_ = false;
  _XDisplay* display_ = nullptr;  // the X server connection, slept on while waiting
  int connection_ = -1;           // its socket
  int wakeRead_ = -1;             // a pipe the termination signals write into
  int emptyPolls_ = 0;            // polls in a row that found no key
  struct sigaction oldTerm_ {};
  struct sigaction oldInt_ {};
  struct sigaction oldHup_ {};
  KeptCalls kept_;
  // A shape drawn just after its own erase, and the erase before it; the last call drawn; an
  // erase of that shape held back (see Draw).
  struct Cycle {
    DrawCall erase, shape;
  };
  Cycle cycle_;
  bool inCycle_ = false;
  std::optional<DrawCall> last_;
  std::optional<DrawCall> heldErase_;
  std::deque<std::string> keys_;
  std::function<void()> onPresent_;
};

// The key's text: every key but a modifier gives one character (see the window device).
// Arguments are SDL's key code, scan code and modifier state.
std::string KeyText(int keycode, int scancode, int modifiers);

}  // namespace orvelle
