// Reading a lesson screen back from the recording device's log: where a mark-up text was
// drawn, which boxes and lines stand, what stood on the screen at each key wait.
#pragma once

#include <string>
#include <vector>

#include "platform/recording_device.h"

namespace orvelle::test {

// The drawing calls (texts, lines, boxes, circles, polylines, polygons, clears) of a log;
// settings and keys are left out.
std::vector<DrawCall> Drawing(const std::vector<DrawCall>& log);

// The drawing calls that DrawMarkupText makes for `text` at (x, y) in `color`, on a machine in
// start-up's state (remembered: drills ask for the same texts again and again).
const std::vector<DrawCall>& MarkupDrawing(float x, float y, int color, const std::string& text);

// The x just after `text` drawn from x (what a continued line starts from).
float MarkupEnd(float x, const std::string& text);

// A log's drawing read once, to look for many texts in it.
class Screen {
 public:
  explicit Screen(const std::vector<DrawCall>& log) : calls_(Drawing(log)) {}
  // How often the calls of `text` at (x, y) in `color` stand, in one piece, on the screen (the
  // same in every field the review log shows).
  int Count(float x, float y, int color, const std::string& text) const;
  bool Drew(float x, float y, int color, const std::string& text) const {
    return Count(x, y, color, text) > 0;
  }
  // Whether `text` stands somewhere on the screen in one piece, in any colour.
  bool Shows(const std::string& text) const;

 private:
  std::vector<DrawCall> calls_;
};

inline bool DrewMarkup(const std::vector<DrawCall>& log, float x, float y, int color,
                       const std::string& text) {
  return Screen(log).Drew(x, y, color, text);
}

// Whether a box with these corners, border and fill, or a line with these ends, colour and
// width, was drawn.
bool HasBox(const std::vector<DrawCall>& log, float x1, float y1, float x2, float y2, int border,
            int fill);
bool HasLine(const std::vector<DrawCall>& log, float x1, float y1, float x2, float y2, int color,
             int width);

// How often a sub-menu line (plain text at (16, 666) in colour 0) was drawn: its characters
// and places, whatever face was in force.
int SubMenuLines(const std::vector<DrawCall>& log, const std::string& line);

// The log cut at every key the program read: part k holds what was drawn after the k-th key
// (part 0: before the first).
std::vector<std::vector<DrawCall>> SplitAtKeys(const std::vector<DrawCall>& log);

// How many key waits ("何かキーを押して下さい。" bars) a log shows.
int KeyWaits(const std::vector<DrawCall>& log);

// Whether the error screen was shown.
bool ShowedErrorScreen(const std::vector<DrawCall>& log);

}  // namespace orvelle::test
