// Text measuring: a text is as wide as the pen moves when it is drawn, so it is drawn below the
// screen and the pen read.
#include "core/measure.h"

#include <string>

#include "notation/markup.h"

namespace orvelle {

void MeasureByDrawing(Machine& m, void (*draw)(Machine&)) {
  // Kept per call: a fraction in the text measures its parts through here again.
  const float x = m.drawX;
  const float y = m.drawY;
  m.drawX = 0;
  m.drawY = 1800;
  m.drawText = m.strArg;
  draw(m);
  m.textWidth = m.drawX;
  m.drawX = x;
  m.drawY = y;
}

void MeasureMarkedText(Machine& m) {
  const std::string text = m.strArg;
  MeasureByDrawing(m, DrawMarkupText);
  m.strArg = text;
}

}  // namespace orvelle
