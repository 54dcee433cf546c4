#include "platform/recording_device.h"

#include <cstdio>
#include <iterator>

#include "platform/error.h"
#include "platform/text.h"

namespace orvelle {
namespace {

std::string Num(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(v));
  return buf;
}

std::string Json(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || u == 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// Where a wait was asked for, as "file:line". The build gives file names from the source root.
std::string SiteText(const std::source_location& site) {
  if (site.line() == 0) return "";
  return std::string(site.file_name()) + ":" + std::to_string(site.line());
}

}  // namespace

const char* OpName(Op op) {
  // In the order of the enumeration, one name for each operation.
  static constexpr const char* kNames[] = {
      "mapmode", "maximize", "font",    "fontsize", "bold",  "italic", "width", "line", "box",
      "circle",  "polyline", "polygon", "text",     "clear", "key",    "pause", "clock"};
  static_assert(std::size(kNames) == static_cast<size_t>(Op::kCount));
  return kNames[static_cast<size_t>(op)];
}

std::string DrawCall::ToString() const {
  const std::string name = OpName(op);
  const std::string w = " width=" + std::to_string(width);
  if (op == Op::kLine) {
    return "line x1=" + Num(x1) + " y1=" + Num(y1) + " x2=" + Num(x2) + " y2=" + Num(y2) +
           " color=" + std::to_string(color) + w;
  }
  if (op == Op::kBox) {
    return "box x1=" + Num(x1) + " y1=" + Num(y1) + " x2=" + Num(x2) + " y2=" + Num(y2) +
           " border=" + std::to_string(color) + " fill=" + std::to_string(fill) + w;
  }
  if (op == Op::kCircle) {
    return "circle x=" + Num(x1) + " y=" + Num(y1) + " r=" + Num(r) +
           " color=" + std::to_string(color) + " start=" + Num(start) + " end=" + Num(end) +
           " filled=" + std::to_string(filled ? 1 : 0) + " fill=" + std::to_string(fill) + w;
  }
  if (op == Op::kPolyline || op == Op::kPolygon) {
    std::string pts;
    for (const auto& p : points) pts += (pts.empty() ? "" : ";") + Num(p.x) + "," + Num(p.y);
    std::string line = name + " points=" + pts + " color=" + std::to_string(color);
    if (op == Op::kPolygon) line += " fill=" + std::to_string(fill);
    return line + w;
  }
  if (op == Op::kText) {
    return "text x=" + Num(x1) + " y=" + Num(y1) + " sx=" + std::to_string(scaleX) +
           " sy=" + std::to_string(scaleY) + " color=" + std::to_string(color) +
           " font=" + Json(font.name) + " size=" + Num(font.size) +
           " bold=" + std::to_string(font.bold ? 1 : 0) +
           " italic=" + std::to_string(font.italic ? 1 : 0) + " s=" + Json(s);
  }
  if (op == Op::kKey && !site.empty()) return name + " s=" + Json(s) + " at=" + site;
  if (op == Op::kFont || op == Op::kKey || op == Op::kClock) return name + " s=" + Json(s);
  if (op == Op::kFontSize) return "fontsize size=" + Num(font.size);
  if (op == Op::kClear || op == Op::kMaximize) return name;
  return name + " value=" + std::to_string(value);
}

DrawCall LineCall(float x1, float y1, float x2, float y2, int color) {
  return {.op = Op::kLine, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = color};
}

DrawCall BoxCall(float x1, float y1, float x2, float y2, int border, int fill) {
  return {.op = Op::kBox, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = border, .fill = fill};
}

DrawCall CircleCall(float x, float y, float r, int color, float start, float end, bool filled,
                    int fill) {
  return {.op = Op::kCircle,
          .x1 = x,
          .y1 = y,
          .r = r,
          .start = start,
          .end = end,
          .filled = filled,
          .color = color,
          .fill = fill};
}

DrawCall PolylineCall(const std::vector<Point>& points, int color) {
  return {.op = Op::kPolyline, .color = color, .points = points};
}

DrawCall PolygonCall(const std::vector<Point>& points, int color, int fill) {
  return {.op = Op::kPolygon, .color = color, .fill = fill, .points = points};
}

DrawCall TextCall(float x, float y, int scaleX, int scaleY, int color, const std::string& s) {
  return {.op = Op::kText,
          .x1 = x,
          .y1 = y,
          .color = color,
          .scaleX = scaleX,
          .scaleY = scaleY,
          .s = s};
}

void CallDevice::Line(float x1, float y1, float x2, float y2, int color) {
  Take(LineCall(x1, y1, x2, y2, color));
}

void CallDevice::Box(float x1, float y1, float x2, float y2, int border, int fill) {
  Take(BoxCall(x1, y1, x2, y2, border, fill));
}

void CallDevice::Circle(float x, float y, float r, int color, float start, float end, bool filled,
                        int fill) {
  Take(CircleCall(x, y, r, color, start, end, filled, fill));
}

void CallDevice::Polyline(const std::vector<Point>& points, int color) {
  Take(PolylineCall(points, color));
}

void CallDevice::Polygon(const std::vector<Point>& points, int color, int fill) {
  Take(PolygonCall(points, color, fill));
}

void CallDevice::Text(float x, float y, int scaleX, int scaleY, int color, const std::string& s) {
  Take(TextCall(x, y, scaleX, scaleY, color, s));
}

void CallDevice::Clear() { Take({.op = Op::kClear}); }

void RecordingDevice::SetKeys(const std::string& keys) { SetKeyList(SplitChars(keys)); }

void RecordingDevice::SetKeyList(std::vector<std::string> keys) {
  keys_ = std::move(keys);
  nextKey_ = 0;
}

std::vector<DrawCall> RecordingDevice::Calls(Op op) const {
  std::vector<DrawCall> out;
  for (const auto& c : log_) {
    if (c.op == op) out.push_back(c);
  }
  return out;
}

void RecordingDevice::Record(DrawCall call) {
  call.width = width_;
  call.font = font_;
  log_.push_back(std::move(call));
  if (onDraw_) onDraw_(log_.back());
}

void RecordingDevice::SetMapMode(int mode) { Record({.op = Op::kMapMode, .value = mode}); }
void RecordingDevice::MaximizeWindow() { Record({.op = Op::kMaximize}); }

void RecordingDevice::SetFontName(const std::string& name) {
  Device::SetFontName(name);
  Record({.op = Op::kFont, .s = name});
}

void RecordingDevice::SetFontSize(float size) {
  Device::SetFontSize(size);
  Record({.op = Op::kFontSize});
}

void RecordingDevice::SetFontBold(bool on) {
  Device::SetFontBold(on);
  Record({.op = Op::kBold, .value = on ? 1 : 0});
}

void RecordingDevice::SetFontItalic(bool on) {
  Device::SetFontItalic(on);
  Record({.op = Op::kItalic, .value = on ? 1 : 0});
}

void RecordingDevice::SetDrawWidth(int width) {
  Device::SetDrawWidth(width);
  Record({.op = Op::kWidth, .value = width});
}

std::string RecordingDevice::PollKey() {
  if (nextKey_ >= keys_.size()) throw ProgramEnd{};
  if (onKeyWait_) onKeyWait_();
  const std::string key = keys_[nextKey_++];
  if (!key.empty()) {
    ++keysRead_;
    Record({.op = Op::kKey, .s = key, .site = SiteText(keySite())});
  }
  return key;
}

void RecordingDevice::Pause(int ms) { Record({.op = Op::kPause, .value = ms}); }

std::string RecordingDevice::Clock() {
  Record({.op = Op::kClock, .s = clock_});
  return clock_;
}

void RecordingDevice::WaitForClose() {
  // Keys pressed on a screen that waits for its window to close change nothing.
  while (true) PollKey();
}

std::string DecodeKeyScript(const std::string& script) {
  std::string keys;
  for (size_t i = 0; i < script.size(); ++i) {
    if (script[i] == '\\' && i + 1 < script.size()) {
      const char next = script[i + 1];
      const char* decoded = next == 'r'    ? "\r"
                            : next == 'b'  ? "\b"
                            : next == 'f'  ? "\f"
                            : next == '\\' ? "\\"
                                           : nullptr;
      if (decoded) {
        keys += decoded;
        ++i;
        continue;
      }
    }
    keys += script[i];
  }
  return keys;
}

}  // namespace orvelle
