// window-check: draws the test card in the real window and echoes every key it reads, until
// Escape, the window's close button or a termination signal. With --png it draws the same
// card, with the given keys echoed, on the recording device into a PNG file instead.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/canvas.h"
#include "platform/error.h"
#include "platform/recording_device.h"
#include "platform/text.h"
#include "platform/window_device.h"
#include "tools/test_card.h"

namespace {

using namespace orvelle;

constexpr const char* kUsage =
    "usage: window-check [--cursor | --until-closed] [--first-frame]\n"
    "       window-check --png FILE [--keys KEYS] [--cursor] [--scale F]\n"
    "\n"
    "Opens the window with the test card and echoes each key read (on the card and as a\n"
    "'key s=\"...\"' line on stdout). Escape, closing the window or SIGTERM end it with status 0;\n"
    "without a display it fails with status 1.\n"
    "  --cursor       wait as the number field does, drawing and erasing a cursor dot each pass\n"
    "  --until-closed read no keys: wait as the error screen does until the window is closed\n"
    "  --first-frame  print 'first-frame NS' (CLOCK_REALTIME nanoseconds) when the first frame\n"
    "                 is shown\n"
    "  --png FILE     draw the card on the recording device into FILE, with KEYS (the notation of\n"
    "                 orvelle-screens: \\r Enter, \\b Backspace, \\f form feed, \\\\ backslash)\n"
    "                 echoed as the window would show them after reading them (with --cursor,\n"
    "                 the cursor dot too)\n"
    "  --scale F      pixels per unit of the PNG (default 1: 1440 x 900)\n";

constexpr float kDotX = 1200, kDotY = 828;  // the cursor dot of --cursor

void Dot(Device& d, int color) { d.Circle(kDotX, kDotY, 4, color, 0, 0, true, color); }

int RunWindow(bool cursor, bool untilClosed, bool firstFrame) {
  std::unique_ptr<WindowDevice> device;
  try {
    device = std::make_unique<WindowDevice>("window-check");
  } catch (const WindowError& e) {
    std::fprintf(stderr, "cannot open a window: %s\n", e.what());
    return 1;
  }
  WindowDevice& d = *device;
  if (firstFrame) {
    d.OnPresent([&d] {
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      std::printf("first-frame %lld\n",
                  static_cast<long long>(
                      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
      std::fflush(stdout);
      d.OnPresent(nullptr);
    });
  }
  std::string keys;
  try {
    tools::DrawTestCard(d);
    tools::DrawEcho(d, keys);
    if (untilClosed) d.WaitForClose();
    for (;;) {
      if (cursor) Dot(d, 5);
      const std::string key = d.PollKey();
      if (cursor) Dot(d, 15);
      if (key.empty()) continue;
      std::printf("%s\n", DrawCall{.op = Op::kKey, .s = key}.ToString().c_str());
      std::fflush(stdout);
      if (key == "\x1b") break;
      keys += key;
      tools::DrawEcho(d, keys);
    }
  } catch (const ProgramEnd&) {
  }
  return 0;
}

int WritePng(const std::string& path, const std::string& keys, bool cursor, double scale) {
  Canvas canvas(scale);
  RecordingDevice d;
  d.OnDraw([&canvas](const DrawCall& c) { canvas.Draw(c); });
  tools::DrawTestCard(d);
  std::string echoed;
  tools::DrawEcho(d, echoed);
  for (const std::string& key : SplitChars(keys)) {
    if (cursor) Dot(d, 5);
    if (cursor) Dot(d, 15);
    echoed += key;
    tools::DrawEcho(d, echoed);
  }
  if (cursor) Dot(d, 5);
  if (!canvas.WritePng(path)) {
    std::fprintf(stderr, "window-check: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  bool cursor = false, untilClosed = false, firstFrame = false;
  std::string png, keys;
  double scale = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--cursor") {
      cursor = true;
    } else if (arg == "--until-closed") {
      untilClosed = true;
    } else if (arg == "--first-frame") {
      firstFrame = true;
    } else if (arg == "--png" && i + 1 < argc) {
      png = argv[++i];
    } else if (arg == "--keys" && i + 1 < argc) {
      keys = orvelle::DecodeKeyScript(argv[++i]);
    } else if (arg == "--scale" && i + 1 < argc) {
      scale = std::atof(argv[++i]);
      if (!(scale > 0 && scale <= 8)) {
        std::fputs(kUsage, stderr);
        return 2;
      }
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  if (!png.empty()) return WritePng(png, keys, cursor, scale);
  return RunWindow(cursor, untilClosed, firstFrame);
}
