#include "lessons/common/steps.h"

#include "core/prompts.h"
#include "core/text_boxes.h"
#include "notation/markup.h"

namespace orvelle {
namespace {

void SetBox(Machine& m, float x, float y, const BoxStyle& box, float color,
            const std::string& text) {
  m.drawX = x;
  m.drawY = y;
  m.boxWidth = box.width;
  m.boxHeight = box.height;
  m.lineColor = box.border;
  m.fillColor = box.fill;
  m.drawColor = color;
  m.strArg = text;
}

void FollowBox(Machine& m) {
  m.afterX = m.drawX;
  m.lineY = m.drawY;
}

}  // namespace

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

void BoxKept(Machine& m, float x, float y, const BoxStyle& box, float color,
             const std::string& text) {
  SetBox(m, x, y, box, color, text);
  DrawTextInBox(m);
}

void BoxStep(Machine& m, float x, float y, const BoxStyle& box, float color,
             const std::string& text) {
  BoxKept(m, x, y, box, color, text);
  FollowBox(m);
}

void BoxAroundKept(Machine& m, float x, float y, const BoxStyle& box, float color,
                   const std::string& text) {
  SetBox(m, x, y, box, color, text);
  DrawBoxAroundText(m);
}

void BoxAroundStep(Machine& m, float x, float y, const BoxStyle& box, float color,
                   const std::string& text) {
  BoxAroundKept(m, x, y, box, color, text);
  FollowBox(m);
}

void WorkedAnswers(Machine& m, std::span<const WorkedAnswer> rows) {
  for (const WorkedAnswer& row : rows) {
    TextStep(m, m.marginX, m.lineY + row.step, 3, row.label);
    TextStep(m, m.indentX + 27, m.lineY, 0, row.question);
    Key(m);
    TextStep(m, m.afterX, m.lineY, 5, row.answer);
  }
}

void ShowGoals(Machine& m, float lineIndent, std::initializer_list<const char*> lines) {
  m.indentX = 44;
  m.lineY = 240;
  TextStep(m, m.indentX, m.lineY, 3, "<めあて>");
  for (const char* line : lines) TextStep(m, m.indentX + lineIndent, m.lineY + 65, 0, line);
}

}  // namespace orvelle
