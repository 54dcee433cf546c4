// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#include "figures/legs.h"

#include "core/plain_text.h"
#include "figures/arrows.h"
#include "notation/markup.h"
#include "platform/number.h"
#include "platform/text.h"

namespace orvelle {

void LabelHorizontalLeg(Machine& m) {
  m.drawColor = 7;
  m.drawX = (m.legStartX + m.legEndX) / 2 - 14;
  m.drawY = m.legEndY < m.legStartY ? m.legStartY - 44 : m.legStartY;
  m.drawText = m.amountLetter;
  DrawMarkupText(m);
}

void LabelVerticalLeg(Machine& m) {
  m.drawColor = 3;
  m.drawX = m.legEndX;
  m.drawY = (m.legStartY + m.legEndY) / 2 - 16;
  m.drawText = m.legLabelY;
  DrawMarkupText(m);
}

void DrawRightAngleLegs(Machine& m) {
  if (m.legEndX < m.legStartX) {
    Exchange(m.legStartX, m.legEndX);
    Exchange(m.legStartY, m.legEndY);
  }
  const float x1 = m.legStartX, y1 = m.legStartY, x2 = m.legEndX, y2 = m.legEndY;
  m.device.SetDrawWidth(4);
  const auto leg = [&](float fromX, float fromY, float toX, float toY, float color) {
    m.vertexX = fromX;
    m.vertexY = fromY;
    m.pointCX = toX;
    m.pointCY = toY;
    m.arrowReverse = 1;
    m.lineColor = color;
    m.markRadius = 16;
    DrawArrowSegment(m);
  };
  leg(x1, y1, x2, y1, 7);
  leg(x2, y1, x2, y2, 3);
  if (m.cellSize == 0) return;  // no unit to count the lengths in
  m.amountLetter = BareNumberText(m, (x2 - x1) / m.cellSize);
  std::string vertical = BareNumberText(m, (y1 - y2) / m.cellSize);
  // The vertical length always has a digit before its point: ".5" reads "0.5", "-.5" "-0.5".
  if (CharLeft(vertical, 1) == ".") {
    vertical = "0" + vertical;
  } else if (CharLeft(vertical, 2) == "-.") {
    vertical = "-0" + CharMid(vertical, 2);
  }
  m.legLabelY = vertical;
  if (CharMid(m.legLabelFlags, 1, 1) == "y") LabelHorizontalLeg(m);
  if (CharMid(m.legLabelFlags, 2, 1) == "y") LabelVerticalLeg(m);
}

}  // namespace orvelle
