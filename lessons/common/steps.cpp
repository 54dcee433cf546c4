#include "lessons/common/steps.h"

#include "core/prompts.h"
#include "notation/markup.h"

namespace orvelle {

void TextKept(Machine& m, float x, float y, float color, const std::string& text) {
  m.drawColor = color;
  m.drawX = x;
  m.drawY = y;
  m.drawText = text;
  DrawMarkupText(m);
}

void TextStep(Machine& m, float x, float y, float color, const std::string& text) {
  TextKept(m, x, y, color, text);
  m.afterX = m.drawX;
  m.lineY = m.drawY;
}

void Key(Machine& m) { WaitAnyKey(m); }

void ClearPage(Machine& m, float width, float height) { m.device.Box(0, 0, width, height, 15, 15); }

}  // namespace orvelle
