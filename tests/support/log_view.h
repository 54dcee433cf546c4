// Compact views of the recording device's log: what a pupil sees, one short string per call, so
// a test states a whole screen in one comparison.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/recording_device.h"

namespace orvelle::test {

using Strings = std::vector<std::string>;

// A coordinate to the hundredth: float noise does not count, half units do.
inline std::string Fmt(float v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(v));
  std::string s = buf;
  if (s.find('.') != std::string::npos) {
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
  }
  return s == "-0" ? "0" : s;
}

// "x,y".
inline std::string Pt(float x, float y) { return Fmt(x) + "," + Fmt(y); }

// "x,y hxv font size[b][i] cN s" for a text.
inline std::string TextSig(const DrawCall& c) {
  return Pt(c.x1, c.y1) + " " + std::to_string(c.scaleX) + "x" + std::to_string(c.scaleY) + " " +
         c.font.name + " " + Fmt(c.font.size) + (c.font.bold ? "b" : "") +
         (c.font.italic ? "i" : "") + " c" + std::to_string(c.color) + " " + c.s;
}

// "x1,y1-x2,y2 wN cN" for a line.
inline std::string LineSig(const DrawCall& c) {
  return Pt(c.x1, c.y1) + "-" + Pt(c.x2, c.y2) + " w" + std::to_string(c.width) + " c" +
         std::to_string(c.color);
}

// "x,y;x,y;... wN cN" for a polyline or polygon.
inline std::string PolySig(const DrawCall& c) {
  std::string s;
  for (const auto& p : c.points) s += (s.empty() ? "" : ";") + Pt(p.x, p.y);
  return s + " w" + std::to_string(c.width) + " c" + std::to_string(c.color);
}

// "x1,y1-x2,y2 bN fN wN" for a box.
inline std::string BoxSig(const DrawCall& c) {
  return Pt(c.x1, c.y1) + "-" + Pt(c.x2, c.y2) + " b" + std::to_string(c.color) + " f" +
         std::to_string(c.fill) + " w" + std::to_string(c.width);
}

// "x,y rR cN [start-end] [fN] wN" for a circle: the turns only for an arc, the fill only when
// filled.
inline std::string CircleSig(const DrawCall& c) {
  std::string s = Pt(c.x1, c.y1) + " r" + Fmt(c.r) + " c" + std::to_string(c.color);
  if (c.start != 0 || c.end != 0) s += " " + Fmt(c.start) + "-" + Fmt(c.end);
  if (c.filled) s += " f" + std::to_string(c.fill);
  return s + " w" + std::to_string(c.width);
}

// Measuring draws below the screen (from y 1800, raised glyphs a little above it); the views
// keep what a pupil sees.
inline bool OnScreen(const DrawCall& c) { return (c.points.empty() ? c.y1 : c.points[0].y) < 1500; }

inline Strings Sigs(const RecordingDevice& d, Op op) {
  Strings out;
  for (const auto& c : d.log()) {
    if (c.op != op || !OnScreen(c)) continue;
    if (op == Op::kText) out.push_back(TextSig(c));
    if (op == Op::kLine) out.push_back(LineSig(c));
    if (op == Op::kBox) out.push_back(BoxSig(c));
    if (op == Op::kCircle) out.push_back(CircleSig(c));
    if (op == Op::kPolyline || op == Op::kPolygon) out.push_back(PolySig(c));
  }
  return out;
}

inline Strings Texts(const RecordingDevice& d) { return Sigs(d, Op::kText); }
inline Strings Lines(const RecordingDevice& d) { return Sigs(d, Op::kLine); }
inline Strings Polys(const RecordingDevice& d) { return Sigs(d, Op::kPolyline); }
inline Strings Boxes(const RecordingDevice& d) { return Sigs(d, Op::kBox); }
inline Strings Circles(const RecordingDevice& d) { return Sigs(d, Op::kCircle); }

// The texts a pupil sees, as calls.
inline std::vector<DrawCall> VisibleTexts(const RecordingDevice& d) {
  std::vector<DrawCall> out;
  for (const auto& c : d.Texts()) {
    if (OnScreen(c)) out.push_back(c);
  }
  return out;
}

// "s@x,y " for each visible text (of one colour, or of any when `color` is -1), joined: the cells
// of a line of plain text.
inline std::string Cells(const RecordingDevice& d, int color = -1) {
  std::string out;
  for (const auto& c : VisibleTexts(d)) {
    if (color < 0 || c.color == color) out += c.s + "@" + Pt(c.x1, c.y1) + " ";
  }
  return out;
}

// The characters of the visible texts, joined.
inline std::string Chars(const RecordingDevice& d) {
  std::string s;
  for (const auto& c : VisibleTexts(d)) s += c.s;
  return s;
}

// The dots of dotted arcs and lines (circles of radius 0.5) in colour `color` (-1: any), in order.
inline std::vector<DrawCall> Dots(const std::vector<DrawCall>& log, int color = -1) {
  std::vector<DrawCall> out;
  for (const auto& c : log) {
    if (c.op == Op::kCircle && c.r == 0.5f && (color < 0 || c.color == color)) out.push_back(c);
  }
  return out;
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

}  // namespace orvelle::test
