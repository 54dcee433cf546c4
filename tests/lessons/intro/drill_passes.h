// Drills of Orvelle run for many passes: the key script is built pass by pass, and a check sees
// each pass's drawing (and the machine) at the moment the next-step prompt asks for its number.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "../../support/screen.h"
#include "core/startup.h"
#include "lessons/intro/main_menu.h"
#include "platform/recording_device.h"

namespace orvelle::test {

// A key script with marks: a mark stands before a key of the script, and the check runs when
// the program is about to read that key.
struct DrillScript {
  std::string keys;
  std::vector<size_t> marks;

  DrillScript& Keys(const std::string& k) {
    keys += k;
    return *this;
  }
  // `spaces` key waits, a mark, then the number typed at the next-step prompt.
  DrillScript& Pass(int spaces, const std::string& typed) {
    keys += std::string(spaces, ' ');
    marks.push_back(keys.size());
    keys += typed + "\r";
    return *this;
  }
  // `passes` passes: every one but the last answered with 2, the last with 1.
  DrillScript& Passes(int passes, int spaces) {
    for (int i = 1; i <= passes; ++i) Pass(spaces, i == passes ? "1" : "2");
    return *this;
  }
};

// MarkupDrawing and MarkupEnd, remembered: a long drill asks for the same texts again and again.
inline const std::vector<std::string>& RememberedMarkupDrawing(float x, float y, int color,
                                                               const std::string& text) {
  static std::map<std::tuple<float, float, int, std::string>, std::vector<std::string>> known;
  const auto key = std::make_tuple(x, y, color, text);
  auto it = known.find(key);
  if (it == known.end()) it = known.emplace(key, MarkupDrawing(x, y, color, text)).first;
  return it->second;
}

inline float RememberedMarkupEnd(float x, const std::string& text) {
  static std::map<std::pair<float, std::string>, float> known;
  const auto key = std::make_pair(x, text);
  auto it = known.find(key);
  if (it == known.end()) it = known.emplace(key, MarkupEnd(x, text)).first;
  return it->second;
}

// A pass's drawing turned into review-log lines once, so that a check can look for many texts
// in it cheaply.
class PassScreen {
 public:
  explicit PassScreen(const std::vector<DrawCall>& log) : lines_(Drawing(log)) {}
  // Whether the mark-up `text` was drawn at (x, y) in `color`, in one piece.
  bool Drew(float x, float y, int color, const std::string& text) const {
    const auto& want = RememberedMarkupDrawing(x, y, color, text);
    return !want.empty() &&
           std::search(lines_.begin(), lines_.end(), want.begin(), want.end()) != lines_.end();
  }

 private:
  std::vector<std::string> lines_;
};

// What a check gets: the pass number (from 0), the machine, the drawing since the last mark.
using PassCheck =
    std::function<void(int pass, const Machine& m, const std::vector<DrawCall>& passLog)>;

// Runs Orvelle from its start with the script; returns the whole run's status. `onRun` sees the
// machine before the main menu (to script the random generator). The log is cleared at each
// mark, so long runs stay small; what is left after the last mark is kept in `rest`.
struct DrillRun {
  RecordingDevice device;
  Machine m{device};
  int status = -1;
  int checks = 0;
  std::vector<DrawCall> rest;

  DrillRun(const DrillScript& script, const PassCheck& check, const std::string& clock,
           const std::function<void(Machine&)>& onRun = {}) {
    device.SetClock(clock);
    device.SetKeys(script.keys);
    size_t next = 0;
    device.OnKeyWait([&] {
      if (next < script.marks.size() &&
          static_cast<size_t>(device.keysRead()) == script.marks[next]) {
        check(checks++, m, device.log());
        device.ClearLog();
        ++next;
      }
    });
    static std::function<void(Machine&)> before;
    before = onRun;
    status = StartProgram(m, "Orvelle", [](Machine& machine) {
      if (before) before(machine);
      intro::ShowMainMenu(machine);
    });
    before = nullptr;
    device.OnKeyWait(nullptr);
    rest = device.log();
  }
};

}  // namespace orvelle::test
