#include "figures/column_layout.h"

#include "core/measure.h"
#include "figures/figure_util.h"
#include "notation/markup.h"

namespace orvelle {

namespace {

void DrawAt(Machine& m, const std::string& text, float x, float y) {
  m.drawText = text;
  m.drawX = x;
  m.drawY = y;
  DrawMarkupText(m);
}

}  // namespace

void DrawColumnSetup(Machine& m) {
  m.originX = m.drawX;
  m.originY = m.drawY;
  const float x = m.originX, y = m.originY;
  // The texts' drawing keeps its own width in savedDrawWidth; the entry width is ours.
  const int entryWidth = m.device.GetDrawWidth();
  m.savedDrawWidth = static_cast<float>(entryWidth);

  m.strArg = m.columnTopText;
  MeasureMarkedText(m);
  m.textOffsetX = m.textWidth;
  m.strArg = m.columnSecondText;
  MeasureMarkedText(m);
  const float wider = m.textOffsetX > m.textWidth ? m.textOffsetX : m.textWidth;

  DrawAt(m, m.columnTopText, x + 54, y);
  DrawAt(m, m.columnOpText, x, y + m.rowPitch + 6);
  DrawAt(m, ")", m.drawX, y + m.rowPitch + 6);
  DrawAt(m, m.columnSecondText, x + 54, y + m.rowPitch);

  m.device.SetDrawWidth(3);
  const float ruleY = y + 2 * m.rowPitch;
  figure::DrawLine(m, x + 27, ruleY, x + 27 + (wider + 30), ruleY, m.lineColor);
  m.device.SetDrawWidth(entryWidth);
  m.savedDrawWidth = static_cast<float>(entryWidth);

  m.lineY = y + m.rowPitch;
  m.answerX = x + 54;
}

}  // namespace orvelle
