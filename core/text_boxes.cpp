// Texts in boxes. A line of text is taken as 44 high when it is centred in a box, 50 when it holds
// a stacked fraction.
#include "core/text_boxes.h"

#include <string>

#include "core/measure.h"
#include "notation/markup.h"
#include "platform/number.h"
#include "platform/text.h"

namespace orvelle {
namespace {

constexpr float kLineHeight = 44;
constexpr float kFractionLineHeight = 50;
// How far the upper line of a two-line box moves down when there is no lower line.
constexpr float kSingleLineShift = 25;

// Measures `text` as it will be drawn; the measuring may clear tallParens, which the drawing
// must see as the caller set it. textOffsetX = the centring offset in the box.
void MeasureForBox(Machine& m, const std::string& text) {
  m.savedTallParens = m.tallParens;
  m.strArg = text;
  MeasureMarkedText(m);
  m.tallParens = m.savedTallParens;
  m.textOffsetX = (m.boxWidth - m.textWidth) / 2;
  // A text wider than its box starts at the left edge and runs over the right border.
  if (m.textOffsetX < 0) m.textOffsetX = 0;
}

float LineHeightFor(Machine& m, const std::string& text) {
  m.lettersPos = static_cast<float>(CharFind(text, "ﾀ"));
  return m.lettersPos == 0 ? kLineHeight : kFractionLineHeight;
}

void DrawBox(Machine& m, float left, float top) {
  m.device.Box(left, top, left + m.boxWidth, top + m.boxHeight, ToInt(m.lineColor),
               ToInt(m.fillColor));
}

void DrawTextAt(Machine& m, float x, float y, const std::string& text) {
  m.drawX = x;
  m.drawY = y;
  m.drawText = text;
  DrawMarkupText(m);
}

}  // namespace

void DrawTextInBox(Machine& m) {
  m.originX = m.drawX;
  m.originY = m.drawY;
  const float x0 = m.originX;
  const float y0 = m.originY;
  const std::string text = m.strArg;
  const float lineHeight = LineHeightFor(m, text);

  MeasureForBox(m, text);
  const float offset = m.textOffsetX;
  const float textY = y0 + IntPart((m.boxHeight - lineHeight) / 2);
  DrawBox(m, x0, y0);
  DrawTextAt(m, x0 + offset, textY, text);

  m.drawX = x0 + m.boxWidth;
  m.drawY = y0;
  m.strArg = text;
}

void DrawBoxAroundText(Machine& m) {
  m.originX = m.drawX;
  m.originY = m.drawY;
  const float x0 = m.originX;
  const float y0 = m.originY;
  const std::string text = m.strArg;

  MeasureForBox(m, text);
  const float offset = m.textOffsetX;
  // The box stands where it would if DrawTextInBox had put a plain line at y0.
  DrawBox(m, x0, y0 - IntPart((m.boxHeight - kLineHeight) / 2));
  DrawTextAt(m, x0 + offset, y0, text);

  m.drawX = x0 + m.boxWidth;
  m.drawY = y0;
  m.strArg = text;
}

void DrawTwoLineTextBox(Machine& m) {
  m.originX = m.drawX;
  m.originY = m.drawY;
  const float x0 = m.originX;
  const float y0 = m.originY;
  const std::string top = m.columnTopText;
  const std::string second = m.columnSecondText;

  const float topHeight = LineHeightFor(m, top);
  MeasureForBox(m, top);
  const float topOffset = m.textOffsetX;
  float topY = y0 + IntPart((m.boxHeight / 2 - topHeight) / 2);
  DrawBox(m, x0, y0);
  if (second.empty()) topY += kSingleLineShift;
  DrawTextAt(m, x0 + topOffset, topY, top);

  const float secondHeight = LineHeightFor(m, second);
  MeasureForBox(m, second);
  const float secondOffset = m.textOffsetX;
  const float secondY = y0 + secondHeight + IntPart((m.boxHeight / 2 - secondHeight) / 2);
  DrawTextAt(m, x0 + secondOffset, secondY, second);

  m.drawX = x0 + m.boxWidth;
  m.drawY = y0;
}

}  // namespace orvelle
