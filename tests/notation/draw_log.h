// Compact, readable views of the recording device's log for the text-drawing tests.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/recording_device.h"

namespace orvelle::test {

inline std::string Fmt(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
  return buf;
}

// "x,y hxv font size[b][i] cN s" for a text call.
inline std::string TextSig(const DrawCall& c) {
  return Fmt(c.x1) + "," + Fmt(c.y1) + " " + std::to_string(c.scaleX) + "x" +
         std::to_string(c.scaleY) + " " + c.font.name + " " + Fmt(c.font.size) +
         (c.font.bold ? "b" : "") + (c.font.italic ? "i" : "") + " c" + std::to_string(c.color) +
         " " + c.s;
}

// "x1,y1-x2,y2 wN cN" for a line call.
inline std::string LineSig(const DrawCall& c) {
  return Fmt(c.x1) + "," + Fmt(c.y1) + "-" + Fmt(c.x2) + "," + Fmt(c.y2) + " w" +
         std::to_string(c.width) + " c" + std::to_string(c.color);
}

// "x,y;x,y;... wN cN" for a polyline call.
inline std::string PolySig(const DrawCall& c) {
  std::string s;
  for (const auto& p : c.points) s += (s.empty() ? "" : ";") + Fmt(p.x) + "," + Fmt(p.y);
  return s + " w" + std::to_string(c.width) + " c" + std::to_string(c.color);
}

// "x1,y1-x2,y2 bN fN" for a box call.
inline std::string BoxSig(const DrawCall& c) {
  return Fmt(c.x1) + "," + Fmt(c.y1) + "-" + Fmt(c.x2) + "," + Fmt(c.y2) + " b" +
         std::to_string(c.color) + " f" + std::to_string(c.fill);
}

// Measuring draws below the screen, from y 1800 - 60 on; these views keep what a pupil sees.
inline bool OnScreen(const DrawCall& c) { return c.y1 < 1500; }

inline std::vector<std::string> Sigs(const RecordingDevice& d, const std::string& op,
                                     bool onScreenOnly = true) {
  std::vector<std::string> out;
  for (const auto& c : d.log()) {
    if (c.op != op) continue;
    if (op == "polyline") {
      if (onScreenOnly && !c.points.empty() && c.points[0].y >= 1500) continue;
      out.push_back(PolySig(c));
      continue;
    }
    if (onScreenOnly && !OnScreen(c)) continue;
    if (op == "text") out.push_back(TextSig(c));
    if (op == "line") out.push_back(LineSig(c));
    if (op == "box") out.push_back(BoxSig(c));
  }
  return out;
}

inline std::vector<std::string> Texts(const RecordingDevice& d) { return Sigs(d, "text"); }
inline std::vector<std::string> Lines(const RecordingDevice& d) { return Sigs(d, "line"); }
inline std::vector<std::string> Polys(const RecordingDevice& d) { return Sigs(d, "polyline"); }
inline std::vector<std::string> Boxes(const RecordingDevice& d) { return Sigs(d, "box"); }

}  // namespace orvelle::test
