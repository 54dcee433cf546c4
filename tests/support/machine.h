// Test benches: a machine on the recording device.
#pragma once

#include <string>
#include <vector>

#include "core/shared.h"
#include "core/startup.h"
#include "platform/recording_device.h"

namespace orvelle::test {

// A machine in the state start-up leaves it in (font, line width, colour, entry position,
// seed), with an empty log and the given keys.
struct Bench {
  RecordingDevice device;
  Machine m{device};

  explicit Bench(const std::string& keys = "", const std::string& clock = "12:00:00") {
    device.SetClock(clock);
    StartProgram(m, "Orvelle", [](Machine&) {});
    device.ClearLog();
    device.SetKeys(keys);
  }

  std::vector<DrawCall> Texts() const { return device.Texts(); }
  std::vector<DrawCall> Calls(Op op) const { return device.Calls(op); }
};

// A whole program run on the recording device until its key script is used up.
struct ProgramRun {
  RecordingDevice device;
  Machine m{device};
  int status = -1;

  ProgramRun(const std::string& title, MainMenu menu, const std::string& keys,
             const std::string& clock = "12:00:00") {
    device.SetClock(clock);
    device.SetKeys(keys);
    status = StartProgram(m, title, menu);
  }
};

}  // namespace orvelle::test
