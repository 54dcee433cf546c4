#include "lessons/calc/quotient_steps.h"

#include "lessons/common/random_pick.h"
#include "lessons/common/steps.h"

namespace orvelle::calc {

void EraseExampleArea(Machine& m, float x, float y, float width, float height) {
  m.device.Box(x, y, x + width, y + height, 15, 15);
}

void PickPassLetter(Machine& m) {
  m.signText[2] = "x";
  m.signText[3] = "y";
  m.signText[4] = "a";
  m.signText[5] = "b";
  m.coin = RandomPick(m, 4, 2);
  m.signText[1] = m.signText[m.coin];
}

void ShowClosingLines(Machine& m, std::span<const ClosingLine> lines) {
  for (const ClosingLine& line : lines) {
    const float x = line.from == ClosingFrom::kMargin   ? m.marginX
                    : line.from == ClosingFrom::kIndent ? m.indentX
                                                        : m.afterX;
    TextStep(m, x, m.lineY + line.dy, line.color, line.text);
    if (line.keyAfter) Key(m);
  }
}

void ClosingRightColumn(Machine& m, float margin) {
  m.marginX = margin;
  m.indentX = m.marginX + 54;
  m.lineY = 30;
}

}  // namespace orvelle::calc
