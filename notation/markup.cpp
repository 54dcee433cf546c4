// The mark-up interpreter: fractions and the tall radical are its own; every other character goes
// to the glyph renderer one at a time.
#include "notation/markup.h"

#include <vector>

#include "platform/number.h"
#include "platform/text.h"

namespace orvelle {
namespace {

// The tall radical, 74 high so that it spans a stacked fraction, with the start of its overbar.
void DrawTallRadical(Machine& m) {
  const float x = m.drawX;
  const float y = m.drawY;
  m.device.SetDrawWidth(3);
  m.device.Polyline(
      {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 60}, {x + 30, y - 14}, {x + 38, y - 14}},
      ToInt(m.drawColor));
  m.radicalMode = 22;
  m.device.SetDrawWidth(static_cast<int>(m.savedDrawWidth));
  // The overbar drawn later overlaps the sign's top stroke by 6.
  m.drawX += 32;
  m.radicalBarX = m.drawX;
}

}  // namespace

void DrawMarkupText(Machine& m) {
  for (;;) {
    m.savedDrawWidth = static_cast<float>(m.device.GetDrawWidth());
    m.textLength = static_cast<float>(CharLen(m.drawText));
    if (m.textLength == 0) {
      m.device.SetDrawWidth(static_cast<int>(m.savedDrawWidth));
      return;
    }
    const int length = static_cast<int>(m.textLength);
    m.strArg = CharLeft(m.drawText, 1);
    m.drawText = CharRight(m.drawText, length - 1);

    if (m.strArg == "ﾀ") {
      m.symbolsPos = static_cast<float>(CharFind(m.drawText, "ﾀ"));
      // An opening mark without a closing one is dropped.
      if (m.symbolsPos == 0) continue;
      const int close = static_cast<int>(m.symbolsPos);
      m.strArg = CharLeft(m.drawText, close - 1);
      // The rest waits here while the fraction measures its parts with this interpreter.
      m.markupRest = CharRight(m.drawText, length - close - 1);
      DrawStackedFraction(m);
      m.drawText = m.markupRest;
    } else if (m.strArg == "#") {
      DrawTallRadical(m);
    } else if (m.strArg == "^") {
      m.superscriptNext = 1;
    } else {
      DrawGlyphs(m);
    }
  }
}

}  // namespace orvelle
