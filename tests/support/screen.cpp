#include "screen.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <map>
#include <tuple>

#include "core/plain_text.h"
#include "core/shared.h"
#include "machine.h"
#include "notation/markup.h"

namespace orvelle::test {
namespace {

bool IsDrawing(const DrawCall& c) {
  static constexpr Op kOps[] = {Op::kText,     Op::kLine,    Op::kBox,  Op::kCircle,
                                Op::kPolyline, Op::kPolygon, Op::kClear};
  return std::find(std::begin(kOps), std::end(kOps), c.op) != std::end(kOps);
}

// Equal as the review log writes numbers (7 significant digits).
bool Near(float a, float b) { return std::abs(a - b) <= 1e-6f * std::max(1.0f, std::abs(a)); }

// Whether two drawing calls are the same in every field their review-log line shows.
bool Same(const DrawCall& a, const DrawCall& b) {
  if (a.op != b.op || a.color != b.color) return false;
  if (a.op == Op::kText) {
    return a.s == b.s && Near(a.x1, b.x1) && Near(a.y1, b.y1) && a.scaleX == b.scaleX &&
           a.scaleY == b.scaleY && a.font.name == b.font.name && Near(a.font.size, b.font.size) &&
           a.font.bold == b.font.bold && a.font.italic == b.font.italic;
  }
  if (a.op == Op::kClear) return true;
  if (a.width != b.width || a.fill != b.fill) return false;
  if (a.op == Op::kPolyline || a.op == Op::kPolygon) {
    if (a.points.size() != b.points.size()) return false;
    for (size_t i = 0; i < a.points.size(); ++i) {
      if (!Near(a.points[i].x, b.points[i].x) || !Near(a.points[i].y, b.points[i].y)) return false;
    }
    return true;
  }
  return Near(a.x1, b.x1) && Near(a.y1, b.y1) && Near(a.x2, b.x2) && Near(a.y2, b.y2) &&
         Near(a.r, b.r) && Near(a.start, b.start) && Near(a.end, b.end) && a.filled == b.filled;
}

template <class Equal>
int Occurrences(const std::vector<DrawCall>& have, const std::vector<DrawCall>& want, Equal equal) {
  int n = 0;
  if (want.empty()) return 0;
  for (auto it = have.begin();
       (it = std::search(it, have.end(), want.begin(), want.end(), equal)) != have.end(); ++it) {
    ++n;
  }
  return n;
}

}  // namespace

std::vector<DrawCall> Drawing(const std::vector<DrawCall>& log) {
  std::vector<DrawCall> out;
  std::copy_if(log.begin(), log.end(), std::back_inserter(out), IsDrawing);
  return out;
}

const std::vector<DrawCall>& MarkupDrawing(float x, float y, int color, const std::string& text) {
  static std::map<std::tuple<float, float, int, std::string>, std::vector<DrawCall>> known;
  const auto key = std::make_tuple(x, y, color, text);
  auto it = known.find(key);
  if (it == known.end()) {
    Bench b;
    b.m.drawX = x;
    b.m.drawY = y;
    b.m.drawColor = static_cast<float>(color);
    b.m.drawText = text;
    DrawMarkupText(b.m);
    it = known.emplace(key, Drawing(b.device.log())).first;
  }
  return it->second;
}

float MarkupEnd(float x, const std::string& text) {
  static std::map<std::pair<float, std::string>, float> known;
  const auto key = std::make_pair(x, text);
  auto it = known.find(key);
  if (it == known.end()) {
    Bench b;
    b.m.drawX = x;
    b.m.drawY = 100;
    b.m.drawText = text;
    DrawMarkupText(b.m);
    it = known.emplace(key, b.m.drawX).first;
  }
  return it->second;
}

int Screen::Count(float x, float y, int color, const std::string& text) const {
  return Occurrences(calls_, MarkupDrawing(x, y, color, text), Same);
}

bool Screen::Shows(const std::string& text) const {
  const auto& want = MarkupDrawing(0, 100, 0, text);
  // Measuring draws below the screen, at a place of its own: the first call on the screen
  // gives the shift.
  size_t f = 0;
  while (f < want.size() && want[f].y1 >= 1500) ++f;
  for (size_t i = 0; f < want.size() && i + want.size() <= calls_.size(); ++i) {
    const float dx = calls_[i + f].x1 - want[f].x1, dy = calls_[i + f].y1 - want[f].y1;
    bool same = true;
    for (size_t j = 0; same && j < want.size(); ++j) {
      DrawCall moved = want[j];
      if (moved.y1 < 1500) {
        moved.x1 += dx, moved.x2 += dx, moved.y1 += dy, moved.y2 += dy;
        for (auto& p : moved.points) p.x += dx, p.y += dy;
      }
      moved.color = calls_[i + j].color;
      same = Same(calls_[i + j], moved);
    }
    if (same) return true;
  }
  return false;
}

bool HasBox(const std::vector<DrawCall>& log, float x1, float y1, float x2, float y2, int border,
            int fill) {
  return std::any_of(log.begin(), log.end(), [&](const DrawCall& c) {
    return c.op == Op::kBox && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2 &&
           c.color == border && c.fill == fill;
  });
}

bool HasLine(const std::vector<DrawCall>& log, float x1, float y1, float x2, float y2, int color,
             int width) {
  return std::any_of(log.begin(), log.end(), [&](const DrawCall& c) {
    return c.op == Op::kLine && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2 &&
           c.color == color && c.width == width;
  });
}

int SubMenuLines(const std::vector<DrawCall>& log, const std::string& line) {
  Bench b;
  b.m.drawText = line;
  b.m.drawX = 16;
  b.m.drawY = 666;
  b.m.drawColor = 0;
  DrawText(b.m);
  const auto texts = [](const std::vector<DrawCall>& calls) {
    std::vector<DrawCall> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [](const DrawCall& c) { return c.op == Op::kText; });
    return out;
  };
  // Characters, places and colours, whatever face was in force.
  return Occurrences(texts(log), texts(b.device.log()), [](const DrawCall& a, const DrawCall& c) {
    return a.s == c.s && a.x1 == c.x1 && a.y1 == c.y1 && a.color == c.color;
  });
}

std::vector<std::vector<DrawCall>> SplitAtKeys(const std::vector<DrawCall>& log) {
  std::vector<std::vector<DrawCall>> parts(1);
  for (const auto& c : log) {
    if (c.op == Op::kKey) {
      parts.emplace_back();
    } else {
      parts.back().push_back(c);
    }
  }
  return parts;
}

int KeyWaits(const std::vector<DrawCall>& log) {
  int n = 0;
  for (const auto& c : log) {
    if (c.op == Op::kText && c.s == "何" && c.x1 == 128 && c.y1 == 666 && c.color == 9) ++n;
  }
  return n;
}

bool ShowedErrorScreen(const std::vector<DrawCall>& log) {
  return std::any_of(log.begin(), log.end(), [](const DrawCall& c) {
    return c.op == Op::kText && c.s.find("エラーが発生しました。") != std::string::npos;
  });
}

}  // namespace orvelle::test
