#include "screen.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "core/plain_text.h"
#include "core/shared.h"
#include "machine.h"
#include "notation/markup.h"

namespace orvelle::test {
namespace {

bool IsDrawing(const DrawCall& c) {
  static const std::vector<std::string> kOps = {"text",     "line",    "box",  "circle",
                                                "polyline", "polygon", "clear"};
  return std::find(kOps.begin(), kOps.end(), c.op) != kOps.end();
}

// Each text call as its character, place and colour.
std::vector<std::string> Chars(const std::vector<DrawCall>& log) {
  std::vector<std::string> out;
  for (const DrawCall& c : log) {
    if (c.op == "text") {
      out.push_back(c.s + "@" + std::to_string(c.x1) + "," + std::to_string(c.y1) + "," +
                    std::to_string(c.color));
    }
  }
  return out;
}

template <class T>
int Occurrences(const std::vector<T>& have, const std::vector<T>& want) {
  int n = 0;
  if (want.empty()) return 0;
  for (auto it = have.begin();
       (it = std::search(it, have.end(), want.begin(), want.end())) != have.end(); ++it) {
    ++n;
  }
  return n;
}

}  // namespace

std::vector<std::string> Drawing(const std::vector<DrawCall>& log) {
  std::vector<std::string> out;
  for (const auto& c : log) {
    if (IsDrawing(c)) out.push_back(c.ToString());
  }
  return out;
}

const std::vector<std::string>& MarkupDrawing(float x, float y, int color,
                                              const std::string& text) {
  static std::map<std::tuple<float, float, int, std::string>, std::vector<std::string>> known;
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
  return Occurrences(lines_, MarkupDrawing(x, y, color, text));
}

bool HasBox(const std::vector<DrawCall>& log, float x1, float y1, float x2, float y2, int border,
            int fill) {
  return std::any_of(log.begin(), log.end(), [&](const DrawCall& c) {
    return c.op == "box" && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2 &&
           c.color == border && c.fill == fill;
  });
}

bool HasLine(const std::vector<DrawCall>& log, float x1, float y1, float x2, float y2, int color,
             int width) {
  return std::any_of(log.begin(), log.end(), [&](const DrawCall& c) {
    return c.op == "line" && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2 &&
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
  return Occurrences(Chars(log), Chars(b.device.log()));
}

std::vector<std::vector<DrawCall>> SplitAtKeys(const std::vector<DrawCall>& log) {
  std::vector<std::vector<DrawCall>> parts(1);
  for (const auto& c : log) {
    if (c.op == "key") {
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
    if (c.op == "text" && c.s == "何" && c.x1 == 128 && c.y1 == 666 && c.color == 9) ++n;
  }
  return n;
}

bool ShowedErrorScreen(const std::vector<DrawCall>& log) {
  return std::any_of(log.begin(), log.end(), [](const DrawCall& c) {
    return c.op == "text" && c.s.find("エラーが発生しました。") != std::string::npos;
  });
}

}  // namespace orvelle::test
