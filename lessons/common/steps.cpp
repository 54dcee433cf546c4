#include "lessons/common/steps.h"

#include "core/prompts.h"
#include "core/text_boxes.h"
#include "notation/markup.h"
#include "platform/palette.h"

namespace orvelle {
namespace {

// The box routine `draw` with the box's inputs set; with `follow`, afterX and lineY then stand
// where it leaves drawX and drawY.
void Boxed(Machine& m, void (*draw)(Machine&), bool follow, float x, float y, const BoxStyle& box,
           float color, const std::string& text) {
  m.drawX = x;
  m.drawY = y;
  m.boxWidth = box.width;
  m.boxHeight = box.height;
  m.lineColor = box.border;
  m.fillColor = box.fill;
  m.drawColor = color;
  m.strArg = text;
  draw(m);
  if (follow) {
    m.afterX = m.drawX;
    m.lineY = m.drawY;
  }
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

void Key(Machine& m, std::source_location where) { WaitAnyKey(m, where); }

void ClearPage(Machine& m, float width, float height) {
  m.device.Box(0, 0, width, height, kBackgroundColor, kBackgroundColor);
}

void BoxKept(Machine& m, float x, float y, const BoxStyle& box, float color,
             const std::string& text) {
  Boxed(m, DrawTextInBox, false, x, y, box, color, text);
}

void BoxStep(Machine& m, float x, float y, const BoxStyle& box, float color,
             const std::string& text) {
  Boxed(m, DrawTextInBox, true, x, y, box, color, text);
}

void BoxAroundKept(Machine& m, float x, float y, const BoxStyle& box, float color,
                   const std::string& text) {
  Boxed(m, DrawBoxAroundText, false, x, y, box, color, text);
}

void BoxAroundStep(Machine& m, float x, float y, const BoxStyle& box, float color,
                   const std::string& text) {
  Boxed(m, DrawBoxAroundText, true, x, y, box, color, text);
}

void WorkedAnswers(Machine& m, std::span<const WorkedAnswer> rows, std::source_location where) {
  for (const WorkedAnswer& row : rows) {
    TextStep(m, m.marginX, m.lineY + row.step, 3, row.label);
    TextStep(m, m.indentX + 27, m.lineY, 0, row.question);
    Key(m, where);
    TextStep(m, m.afterX, m.lineY, 5, row.answer);
  }
}

void TwoLineAnswers(Machine& m, std::span<const TwoLineAnswer> rows, float step,
                    ResultKey resultKey, std::source_location where) {
  for (const TwoLineAnswer& row : rows) {
    TextStep(m, m.marginX, m.lineY + row.gap, 3, row.label);
    TextStep(m, m.indentX, m.lineY, 0, row.problem);
    Key(m, where);
    if (*row.working) {
      TextStep(m, m.indentX, m.lineY + step, 0, row.working);
      if (resultKey == ResultKey::kOwn) Key(m, where);
    }
    TextStep(m, m.afterX, m.lineY, 5, row.result);
  }
}

void ShowGoals(Machine& m, float lineIndent, std::initializer_list<const char*> lines) {
  m.indentX = 44;
  m.lineY = 240;
  TextStep(m, m.indentX, m.lineY, 3, "<めあて>");
  for (const char* line : lines) TextStep(m, m.indentX + lineIndent, m.lineY + 65, 0, line);
}

}  // namespace orvelle
