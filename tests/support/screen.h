// Reading a lesson screen back from the recording device's log: where a mark-up text was
// drawn, what stood on the screen at each key wait.
#pragma once

#include <string>
#include <vector>

#include "platform/recording_device.h"

namespace orvelle::test {

// The drawing calls (texts, lines, boxes, circles, polylines, polygons) of a log, one line each
// in the review log's format; settings and keys are left out.
std::vector<std::string> Drawing(const std::vector<DrawCall>& log);

// The drawing calls that DrawMarkupText makes for `text` at (x, y) in `color`, on a machine in
// start-up's state.
std::vector<std::string> MarkupDrawing(float x, float y, int color, const std::string& text);

// The x just after `text` drawn from x (what a continued line starts from).
float MarkupEnd(float x, const std::string& text);

// Whether the calls of `text` at (x, y) in `color` stand, in one piece, in `log`.
bool DrewMarkup(const std::vector<DrawCall>& log, float x, float y, int color,
                const std::string& text);

// The log cut at every key the program read: part k holds what was drawn after the k-th key
// (part 0: before the first).
std::vector<std::vector<DrawCall>> SplitAtKeys(const std::vector<DrawCall>& log);

// How many key waits ("何かキーを押して下さい。" bars) a log shows.
int KeyWaits(const std::vector<DrawCall>& log);

// Whether the error screen was shown.
bool ShowedErrorScreen(const std::vector<DrawCall>& log);

}  // namespace orvelle::test
