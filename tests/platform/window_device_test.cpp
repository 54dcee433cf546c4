#include "platform/window_device.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace orvelle {
namespace {

std::string Key(SDL_Keycode key, SDL_Scancode scan = SDL_SCANCODE_UNKNOWN, Uint16 mod = 0) {
  if (scan == SDL_SCANCODE_UNKNOWN) scan = SDL_GetScancodeFromKey(key);
  return KeyText(key, scan, mod);
}

TEST(KeyText, CharactersComeFromTheKeys) {
  for (char c : std::string("0123456789-./")) {
    EXPECT_EQ(Key(static_cast<SDL_Keycode>(c)), std::string(1, c));
  }
  EXPECT_EQ(Key(SDLK_a), "a");
  EXPECT_EQ(Key(SDLK_q, SDL_SCANCODE_Q, KMOD_LSHIFT), "Q");
  EXPECT_EQ(Key(SDLK_s, SDL_SCANCODE_S, KMOD_CAPS), "S");
  EXPECT_EQ(Key(SDLK_s, SDL_SCANCODE_S, KMOD_CAPS | KMOD_RSHIFT), "s");
  EXPECT_EQ(Key(SDLK_AT), "@");
  EXPECT_EQ(Key(SDLK_LEFTBRACKET), "[");
  EXPECT_EQ(Key(SDLK_SPACE), " ");
}

TEST(KeyText, TheKeypadGivesDigitsAndSigns) {
  EXPECT_EQ(Key(SDLK_KP_0, SDL_SCANCODE_KP_0), "0");
  EXPECT_EQ(Key(SDLK_KP_7, SDL_SCANCODE_KP_7), "7");
  EXPECT_EQ(Key(SDLK_KP_9, SDL_SCANCODE_KP_9), "9");
  // With Num Lock off the window system calls them arrows and Home; they stay digits.
  EXPECT_EQ(Key(SDLK_HOME, SDL_SCANCODE_KP_7), "7");
  EXPECT_EQ(Key(SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS), "-");
  EXPECT_EQ(Key(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD), ".");
  EXPECT_EQ(Key(SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE), "/");
  EXPECT_EQ(Key(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER), "\r");
}

TEST(KeyText, ControlKeysGiveTheirCodes) {
  EXPECT_EQ(Key(SDLK_RETURN), "\r");
  EXPECT_EQ(Key(SDLK_BACKSPACE), "\b");
  EXPECT_EQ(Key(SDLK_DELETE), "\f");
  EXPECT_EQ(Key(SDLK_l, SDL_SCANCODE_L, KMOD_LCTRL), "\f");
  EXPECT_EQ(Key(SDLK_ESCAPE), "\x1b");
  EXPECT_EQ(Key(SDLK_TAB), "\t");
}

TEST(KeyText, EveryOtherKeyIsAControlCharacterNoFieldTakes) {
  for (SDL_Keycode k : {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_F1, SDLK_F12, SDLK_HOME,
                        SDLK_END, SDLK_INSERT, SDLK_PAGEUP, SDLK_PAUSE, SDLK_PRINTSCREEN}) {
    const std::string text = Key(k);
    ASSERT_EQ(text.size(), 1u) << SDL_GetKeyName(k);
    const int code = static_cast<unsigned char>(text[0]);
    EXPECT_LT(code, 32) << SDL_GetKeyName(k);
    EXPECT_NE(code, 8) << SDL_GetKeyName(k);
    EXPECT_NE(code, 12) << SDL_GetKeyName(k);
    EXPECT_NE(code, 13) << SDL_GetKeyName(k);
  }
}

TEST(KeyText, ModifiersAloneGiveNothing) {
  for (SDL_Keycode k : {SDLK_LSHIFT, SDLK_RSHIFT, SDLK_LCTRL, SDLK_RCTRL, SDLK_LALT, SDLK_RALT,
                        SDLK_LGUI, SDLK_CAPSLOCK, SDLK_NUMLOCKCLEAR}) {
    EXPECT_EQ(Key(k), "") << SDL_GetKeyName(k);
  }
}

// The canvas's place when SDL may have made the window's surface anew. A canvas drawing into
// its own pixels never moves; one drawing straight into SDL's surface must be off it before SDL
// frees it, and where SDL made it anew unseen, nothing of the old picture is left to copy.
TEST(DecideSurface, TheCanvasLeavesEverySurfaceSdlMayFree) {
  constexpr auto keep = SurfaceStep::kKeep, copy = SurfaceStep::kLeaveByCopy,
                 redraw = SurfaceStep::kRedraw;
  struct Row {
    bool direct, sizeEvent, sizeChanged, newSurface, newPixels, allKept;
    SurfaceStep step;
  };
  const Row rows[] = {
      // Nothing new: it stays, straight in or not.
      {true, false, false, false, false, true, keep},
      {true, false, false, false, false, false, keep},
      // A new size: off the surface before SDL frees it, by the kept calls where they hold all.
      {true, true, true, false, false, true, redraw},
      {true, true, true, false, false, false, copy},
      {true, false, true, false, false, false, copy},
      // A size that came back to the old one before the program looked: SDL makes the surface
      // anew all the same.
      {true, true, false, false, false, true, redraw},
      {true, true, false, false, false, false, copy},
      // Made anew unseen, at another address or only with other pixels: the picture is gone.
      {true, false, false, true, true, false, redraw},
      {true, false, false, true, false, true, redraw},
      {true, false, false, false, true, false, redraw},
      {true, false, false, false, true, true, redraw},
      // Copied into: its pixels are its own whatever SDL does.
      {false, true, true, true, true, false, keep},
      {false, true, false, false, false, true, keep},
      {false, false, false, false, true, false, keep},
  };
  const int surfaces[2] = {}, pixels[2] = {};
  for (const Row& r : rows) {
    SurfaceFacts f;
    f.direct = r.direct;
    f.sizeEvent = r.sizeEvent;
    f.sizeChanged = r.sizeChanged;
    f.laidOutOn = &surfaces[0];
    f.laidOutPixels = &pixels[0];
    f.surface = &surfaces[r.newSurface];
    f.pixels = &pixels[r.newPixels];
    f.allKept = r.allKept;
    EXPECT_EQ(DecideSurface(f), r.step)
        << "direct " << r.direct << " size event " << r.sizeEvent << " size changed "
        << r.sizeChanged << " new surface " << r.newSurface << " new pixels " << r.newPixels
        << " all kept " << r.allKept;
  }
  // SDL gave no surface: what was drawn straight in went with the old one.
  SurfaceFacts none;
  none.direct = none.allKept = true;
  none.laidOutOn = &surfaces[0];
  none.laidOutPixels = &pixels[0];
  EXPECT_EQ(DecideSurface(none), redraw);
}

// Sets an environment variable for one test and puts it back afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(WindowDevice, WithoutADisplayItSaysSo) {
  ScopedEnv display("DISPLAY", nullptr);
  ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  ScopedEnv driver("SDL_VIDEODRIVER", "dummy");  // never taken: only real window systems are
  try {
    WindowDevice device("test");
    FAIL() << "a window opened without a display";
  } catch (const WindowError& e) {
    EXPECT_STREQ(e.what(), "no display");
  }
}

}  // namespace
}  // namespace orvelle
