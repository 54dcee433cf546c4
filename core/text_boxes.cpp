// Texts in boxes. A line of text is taken as 44 high when it is centred in a box, 50 when it holds
// a stacked fraction.
#include "core/text_boxes.h"

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

// Measures strArg as it will be drawn; the measuring may clear tallParens, which the drawing
// must see as the caller set it.
void MeasureForDrawing(Machine& m) {
  m.savedTallParens = m.tallParens;
  MeasureMarkedText(m);
  m.tallParens = m.savedTallParens;
}

constexpr BoxedTextKind kMarkupBox = {MeasureForDrawing, DrawMarkupText};

float LineHeightFor(Machine& m, const std::string& text) {
  m.lettersPos = static_cast<float>(CharFind(text, "ﾀ"));
  return m.lettersPos == 0 ? kLineHeight : kFractionLineHeight;
}

}  // namespace

void DrawBoxedLines(Machine& m, const BoxedTextKind& kind, float boxDrop,
                    std::initializer_list<BoxedLine> lines) {
  m.originX = m.drawX;
  m.originY = m.drawY;
  const float x0 = m.originX;
  const float y0 = m.originY;
  bool boxDrawn = false;
  for (const BoxedLine& line : lines) {
    m.strArg = line.text;
    kind.measure(m);
    m.textOffsetX = (m.boxWidth - m.textWidth) / 2;
    if (m.textOffsetX < 0) m.textOffsetX = 0;
    const float offset = m.textOffsetX;
    if (!boxDrawn) {
      const float top = y0 + boxDrop;
      m.device.Box(x0, top, x0 + m.boxWidth, top + m.boxHeight, ToInt(m.lineColor),
                   ToInt(m.fillColor));
      boxDrawn = true;
    }
    m.drawX = x0 + offset;
    m.drawY = line.y;
    m.drawText = line.text;
    kind.draw(m);
  }
  m.drawX = x0 + m.boxWidth;
  m.drawY = y0;
}

void DrawTextInBox(Machine& m) {
  const std::string text = m.strArg;
  const float textY = m.drawY + IntPart((m.boxHeight - LineHeightFor(m, text)) / 2);
  DrawBoxedLines(m, kMarkupBox, 0, {{text, textY}});
  m.strArg = text;
}

void DrawBoxAroundText(Machine& m) {
  const std::string text = m.strArg;
  // The box stands where it would if DrawTextInBox had put a plain line at drawY.
  DrawBoxedLines(m, kMarkupBox, -IntPart((m.boxHeight - kLineHeight) / 2), {{text, m.drawY}});
  m.strArg = text;
}

void DrawTwoLineTextBox(Machine& m) {
  const float y0 = m.drawY;
  const std::string top = m.columnTopText;
  const std::string second = m.columnSecondText;
  float topY = y0 + IntPart((m.boxHeight / 2 - LineHeightFor(m, top)) / 2);
  if (second.empty()) topY += kSingleLineShift;
  const float secondHeight = LineHeightFor(m, second);
  const float secondY = y0 + secondHeight + IntPart((m.boxHeight / 2 - secondHeight) / 2);
  DrawBoxedLines(m, kMarkupBox, 0, {{top, topY}, {second, secondY}});
}

}  // namespace orvelle
