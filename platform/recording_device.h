// The recording device: a log of every call, keys from a script. A poll after the script is used
// up ends the run, so no program driven by it can wait for ever.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/device.h"

namespace orvelle {

// What a logged call did: a device call, or a key read.
enum class Op {
  kMapMode,
  kMaximize,
  kFont,
  kFontSize,
  kBold,
  kItalic,
  kWidth,
  kLine,
  kBox,
  kCircle,
  kPolyline,
  kPolygon,
  kText,
  kClear,
  kKey,
  kPause,
  kClock,
  kCount,  // not an operation: how many there are
};

// The operation's name in the review log: "mapmode", "text", "key", ...
const char* OpName(Op op);

struct DrawCall {
  Op op = Op::kClear;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line, box; text and circle use x1, y1
  float r = 0, start = 0, end = 0;       // circle
  bool filled = false;                   // circle
  int color = 0;
  int fill = 0;
  int width = 0;  // line width in force
  int scaleX = 1, scaleY = 1;
  int value = 0;     // mapmode, width, bold, italic, pause
  std::string s;     // text, key, font name, clock
  std::string site;  // key: "file:line" of the wait that read it, from the source root; or ""
  FontState font;    // font in force (text)
  std::vector<Point> points;

  // One line of the review log; a key read by a wait that said its line ends " at=file:line".
  std::string ToString() const;
};

// The drawing calls as records: what the devices log or keep and the canvas draws.
DrawCall LineCall(float x1, float y1, float x2, float y2, int color);
DrawCall BoxCall(float x1, float y1, float x2, float y2, int border, int fill);
DrawCall CircleCall(float x, float y, float r, int color, float start, float end, bool filled,
                    int fill);
DrawCall PolylineCall(const std::vector<Point>& points, int color);
DrawCall PolygonCall(const std::vector<Point>& points, int color, int fill);
DrawCall TextCall(float x, float y, int scaleX, int scaleY, int color, const std::string& s);

// A device that takes each drawing call as a record: the recording device logs it, the window
// draws and keeps it.
class CallDevice : public Device {
 public:
  void Line(float x1, float y1, float x2, float y2, int color) final;
  void Box(float x1, float y1, float x2, float y2, int border, int fill) final;
  void Circle(float x, float y, float r, int color, float start, float end, bool filled,
              int fill) final;
  void Polyline(const std::vector<Point>& points, int color) final;
  void Polygon(const std::vector<Point>& points, int color, int fill) final;
  void Text(float x, float y, int scaleX, int scaleY, int color, const std::string& s) final;
  void Clear() final;

 protected:
  virtual void Take(DrawCall call) = 0;
};

class RecordingDevice : public CallDevice {
 public:
  RecordingDevice() = default;
  // Keys as a UTF-8 text, one key per character.
  explicit RecordingDevice(const std::string& keys) { SetKeys(keys); }

  void SetKeys(const std::string& keys);
  // Keys one by one; "" is a poll that finds no key.
  void SetKeyList(std::vector<std::string> keys);
  void SetClock(const std::string& hhmmss) { clock_ = hhmmss; }
  // Called each time the program reads a key, before the key is taken (a screenshot hook).
  void OnKeyWait(std::function<void()> hook) { onKeyWait_ = std::move(hook); }
  // Called after every drawing call (a rasteriser hook).
  void OnDraw(std::function<void(const DrawCall&)> hook) { onDraw_ = std::move(hook); }

  const std::vector<DrawCall>& log() const { return log_; }
  std::vector<DrawCall> Calls(Op op) const;
  std::vector<DrawCall> Texts() const { return Calls(Op::kText); }
  void ClearLog() { log_.clear(); }
  bool KeysLeft() const { return nextKey_ < keys_.size(); }
  int keysRead() const { return keysRead_; }

  void SetMapMode(int mode) override;
  void MaximizeWindow() override;
  void SetFontName(const std::string& name) override;
  void SetFontSize(float size) override;
  void SetFontBold(bool on) override;
  void SetFontItalic(bool on) override;
  void SetDrawWidth(int width) override;
  std::string PollKey() override;
  void Pause(int ms) override;
  std::string Clock() override;
  [[noreturn]] void WaitForClose() override;

 private:
  void Take(DrawCall call) override { Record(std::move(call)); }
  void Record(DrawCall call);

  std::vector<DrawCall> log_;
  std::vector<std::string> keys_;
  size_t nextKey_ = 0;
  int keysRead_ = 0;
  std::string clock_ = "12:00:00";
  std::function<void()> onKeyWait_;
  std::function<void(const DrawCall&)> onDraw_;
};

// Turns the review tools' key notation into keys: "\r" Enter, "\b" Backspace, "\f" form feed,
// "\\" a backslash; every other character is itself.
std::string DecodeKeyScript(const std::string& script);

}  // namespace orvelle
