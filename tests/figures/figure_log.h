// Reading the figures off the recording device.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "platform/recording_device.h"

namespace orvelle::test {

// What the pupil sees of a drawn text: texts measured below the screen (from y 1800, raised
// glyphs a little above it) left out.
inline std::vector<DrawCall> VisibleTexts(const RecordingDevice& d) {
  std::vector<DrawCall> out;
  for (const auto& c : d.Texts()) {
    if (c.y1 < 1500) out.push_back(c);
  }
  return out;
}

// The characters of the visible texts, joined.
inline std::string VisibleString(const RecordingDevice& d) {
  std::string s;
  for (const auto& c : VisibleTexts(d)) s += c.s;
  return s;
}

// Every coordinate the device was handed is a number.
inline bool AllFinite(const RecordingDevice& d) {
  for (const auto& c : d.log()) {
    for (float v : {c.x1, c.y1, c.x2, c.y2, c.r, c.start, c.end}) {
      if (!std::isfinite(v)) return false;
    }
    for (const auto& p : c.points) {
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    }
  }
  return true;
}

// A line as "x1,y1-x2,y2 c<colour> w<width>".
inline std::string LineText(const DrawCall& c) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "%g,%g-%g,%g c%d w%d", c.x1, c.y1, c.x2, c.y2, c.color, c.width);
  return buf;
}

inline std::vector<std::string> LineTexts(const RecordingDevice& d) {
  std::vector<std::string> out;
  for (const auto& c : d.Calls("line")) out.push_back(LineText(c));
  return out;
}

}  // namespace orvelle::test
