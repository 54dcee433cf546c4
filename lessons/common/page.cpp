#include "lessons/common/page.h"

#include "lessons/common/steps.h"
#include "platform/palette.h"

namespace orvelle {

void StartColumn(Machine& m, float x, float indent, float y) {
  m.marginX = x;
  m.indentX = m.marginX + indent;
  m.lineY = y;
}

void OpenProblemsPage(Machine& m, const std::string& title, float width, float indent) {
  ClearPage(m, 1760, 1800);
  StartColumn(m, 40, indent, 30);
  BoxStep(m, m.marginX, m.lineY, {width, 48, 3, 13}, 0, title);
}

void ProblemNumber(Machine& m, float x, float y, const std::string& number) {
  BoxStep(m, x, y, {44, 44, 4, 3}, 13, number);
}

void EraseBox(Machine& m, float x, float y, float width, float height) {
  EraseRect(m, x, y, x + width, y + height);
}

void EraseRect(Machine& m, float x1, float y1, float x2, float y2) {
  m.device.Box(x1, y1, x2, y2, kBackgroundColor, kBackgroundColor);
}

void WriteText(Machine& m, const PageText& text, std::source_location where) {
  switch (text.place) {
    case Place::kMargin:
      TextStep(m, m.marginX, m.lineY + text.gap, text.color, text.text);
      break;
    case Place::kIndent:
      TextStep(m, m.indentX, m.lineY + text.gap, text.color, text.text);
      break;
    case Place::kInset:
      TextStep(m, m.indentX + text.gap, m.lineY, text.color, text.text);
      break;
    case Place::kAfter:
      TextStep(m, m.afterX + text.gap, m.lineY, text.color, text.text);
      break;
    case Place::kQuestion:
      TextStep(m, m.marginX, m.lineY + text.gap, text.color, text.text);
      m.answerX = m.afterX;
      break;
    case Place::kUnder:
      TextStep(m, m.answerX + text.gap, m.lineY + 50, text.color, text.text);
      break;
    case Place::kKey:
      Key(m, where);
      break;
  }
}

void WriteTexts(Machine& m, std::span<const PageText> texts, std::source_location where) {
  for (const PageText& text : texts) WriteText(m, text, where);
}

}  // namespace orvelle
