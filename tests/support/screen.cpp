#include "screen.h"

#include <algorithm>

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

}  // namespace

std::vector<std::string> Drawing(const std::vector<DrawCall>& log) {
  std::vector<std::string> out;
  for (const auto& c : log) {
    if (IsDrawing(c)) out.push_back(c.ToString());
  }
  return out;
}

std::vector<std::string> MarkupDrawing(float x, float y, int color, const std::string& text) {
  Bench b;
  b.m.drawX = x;
  b.m.drawY = y;
  b.m.drawColor = static_cast<float>(color);
  b.m.drawText = text;
  DrawMarkupText(b.m);
  return Drawing(b.device.log());
}

float MarkupEnd(float x, const std::string& text) {
  Bench b;
  b.m.drawX = x;
  b.m.drawY = 100;
  b.m.drawText = text;
  DrawMarkupText(b.m);
  return b.m.drawX;
}

bool DrewMarkup(const std::vector<DrawCall>& log, float x, float y, int color,
                const std::string& text) {
  const auto want = MarkupDrawing(x, y, color, text);
  const auto have = Drawing(log);
  return !want.empty() &&
         std::search(have.begin(), have.end(), want.begin(), want.end()) != have.end();
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
