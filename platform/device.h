// The screen and keyboard the programs draw on and read from. Coordinates are logical units of
// the 1440 x 900 screen, x to the right and y down, as floats (half units occur). Colours are
// palette numbers 0..15.
#pragma once

#include <source_location>
#include <string>
#include <vector>

namespace orvelle {

struct Point {
  float x = 0;
  float y = 0;
};

// The font names the programs select; fonts.conf gives the face behind each.
inline constexpr const char* kGothicFont = "ゴシック";  // every text of the lessons and menus
inline constexpr const char* kStartFont = "ｺﾞｼｯｸ";      // start-up's name for the same face
inline constexpr const char* kLetterFont = "Times New Roman";  // the italic letters a, x and c
inline constexpr const char* kEllFont = "MT Extra";            // the script ell

struct FontState {
  std::string name;
  float size = 16;
  bool bold = false;
  bool italic = false;
};

class Device {
 public:
  virtual ~Device() = default;

  // Start-up's window settings.
  virtual void SetMapMode(int mode) = 0;
  virtual void MaximizeWindow() = 0;

  // Drawing, at the current line width.
  virtual void Line(float x1, float y1, float x2, float y2, int color) = 0;
  // A filled box between two corners: border in `border`, inside in `fill`.
  virtual void Box(float x1, float y1, float x2, float y2, int border, int fill) = 0;
  // Circle, arc or sector of radius r around (x, y). `start` and `end` are in turns, clockwise
  // on the screen from the positive x axis; both 0 give the whole circle. `filled` fills the
  // disc or sector in `fill`.
  virtual void Circle(float x, float y, float r, int color, float start, float end, bool filled,
                      int fill) = 0;
  virtual void Polyline(const std::vector<Point>& points, int color) = 0;
  virtual void Polygon(const std::vector<Point>& points, int color, int fill) = 0;
  // Text with its cell's top-left at (x, y), magnified by whole factors across and down, in the
  // current font.
  virtual void Text(float x, float y, int scaleX, int scaleY, int color, const std::string& s) = 0;
  virtual void Clear() = 0;

  // Font and line width, kept until changed.
  virtual void SetFontName(const std::string& name) { font_.name = name; }
  virtual void SetFontSize(float size) { font_.size = size; }
  virtual void SetFontBold(bool on) { font_.bold = on; }
  virtual void SetFontItalic(bool on) { font_.italic = on; }
  virtual void SetDrawWidth(int width) { width_ = width; }
  const FontState& font() const { return font_; }
  int GetDrawWidth() const { return width_; }

  // The next key as a one-character text, "" when none is waiting. A poll that finds no key
  // returns at once; the window's second such poll in a row sleeps until a key comes, so that a
  // program waiting for a key costs nothing. Throws ProgramEnd when the window has been closed.
  virtual std::string PollKey() = 0;
  // Waits `ms` milliseconds.
  virtual void Pause(int ms) = 0;
  // The clock as "hh:mm:ss".
  virtual std::string Clock() = 0;
  // Keeps the window alive, drawing nothing more, until it is closed; then throws ProgramEnd.
  [[noreturn]] virtual void WaitForClose() = 0;

  // The line of the program whose wait reads the next keys (line 0: none said); set by KeySite.
  const std::source_location& keySite() const { return keySite_; }
  void SetKeySite(const std::source_location& site) { keySite_ = site; }

 protected:
  FontState font_;
  int width_ = 1;
  std::source_location keySite_;
};

// For its lifetime, the keys the device reads are asked for at `site`; the site before comes back
// afterwards. A routine that waits for a key holds one with the line that asked for the wait.
class KeySite {
 public:
  KeySite(Device& d, const std::source_location& site) : device_(d), before_(d.keySite()) {
    d.SetKeySite(site);
  }
  ~KeySite() { device_.SetKeySite(before_); }
  KeySite(const KeySite&) = delete;
  KeySite& operator=(const KeySite&) = delete;

 private:
  Device& device_;
  std::source_location before_;
};

}  // namespace orvelle
