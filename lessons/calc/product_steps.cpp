#include "lessons/calc/product_steps.h"

#include "figures/dotted_arc.h"
#include "lessons/common/steps.h"

namespace orvelle::calc::products {

void EraseBox(Machine& m, float x, float y, float width, float height) {
  m.device.Box(x, y, x + width, y + height, 15, 15);
}

void DistributiveArc(Machine& m, float x1, float y1, float x2, float y2, float color,
                     float height) {
  m.vertexX = x1;
  m.vertexY = y1;
  m.pointAX = x2;
  m.pointAY = y2;
  m.lineColor = color;
  m.arcSide = -1;  // above a chord drawn to the right
  m.boxWidth = 1;  // a dot every degree
  m.rowPitch = height;
  m.figureLabel = "";
  m.arcExtent = 0;  // the whole half ellipse
  DrawDottedArcLabel(m);
}

void PlusIfPositive(Machine& m, int i) {
  // Once only: example 9's bracket constant has its "+" from the pick already.
  if (m.coef[i] > 0 && !m.coefText[i].starts_with("+")) m.coefText[i] = "+" + m.coefText[i];
}

void UnitCoefficient(Machine& m, int i) {
  if (m.coef[i] == 1) {
    m.coefText[i] = "";
  } else if (m.coef[i] == -1) {
    m.coefText[i] = "-";
  }
}

void RunScript(Machine& m, std::span<const ScriptLine> lines) {
  for (const ScriptLine& line : lines) {
    const float x = line.from == From::kIndent   ? m.indentX
                    : line.from == From::kMargin ? m.marginX
                                                 : m.marginX - 120;
    TextStep(m, x, m.lineY + line.dy, line.color, line.text);
    if (line.keyAfter) Key(m);
  }
}

}  // namespace orvelle::calc::products
