// Stacked fractions: the numerator centred over a bar, the denominator centred under it.
#include <string>

#include "core/measure.h"
#include "notation/markup.h"
#include "platform/number.h"
#include "platform/text.h"

namespace orvelle {
namespace {

bool Holds(const std::string& text, const char* ch) { return CharFind(text, ch) != 0; }

// Width of one part of a fraction, in the fraction metrics.
float MeasurePart(Machine& m, float x, float y, const std::string& part) {
  m.drawX = x;
  m.drawY = y;
  m.strArg = part;
  m.inFraction = 1;
  MeasureMarkedText(m);
  return m.textWidth;
}

}  // namespace

void DrawStackedFraction(Machine& m) {
  Device& d = m.device;
  const int width = d.GetDrawWidth();
  const int color = ToInt(m.drawColor);
  const float x = m.drawX;
  const float y = m.drawY;
  m.charPenX = x;
  const std::string text = m.strArg;
  const bool radicalInText = Holds(text, "!") || Holds(text, "√");

  // Only the first "/" splits; a text without one is all denominator.
  const int slash = CharFind(text, "/");
  const std::string numerator = CharLeft(text, slash - 1);
  const std::string denominator = CharMid(text, slash + 1);

  const float wNum = MeasurePart(m, x, y, numerator);
  const float wDen = MeasurePart(m, x, y, denominator);
  m.inFraction = 0;
  const float w = wNum >= wDen ? wNum : wDen;
  // Half units are kept: the glyphs are placed exactly in the middle.
  const float numOffset = (w - wNum) / 2;
  const float denOffset = (w - wDen) / 2;

  d.SetDrawWidth(4);
  d.Line(x, y + 25, x + w, y + 25, color);
  d.SetDrawWidth(width);
  if (m.radicalMode == 22) {
    // The tall radical's overbar, across the whole fraction at the height of the sign's top.
    d.SetDrawWidth(3);
    d.Line(x, y - 14, x + w, y - 14, color);
    d.SetDrawWidth(width);
  }

  // An exponent or a radical sign in the denominator reaches above its cell, and a radical
  // anywhere in the fraction needs room under the bar as well.
  float denY = y + (Holds(denominator, "√") || Holds(denominator, "^") ? 36 : 28);
  if (radicalInText) denY += 8;

  m.spotX = x + denOffset;
  m.spotY = denY;
  m.drawX = m.spotX;
  m.drawY = m.spotY;
  m.inFraction = 1;
  m.strArg = denominator;
  DrawGlyphs(m);

  m.drawX = x + numOffset;
  m.drawY = y - 10;
  m.inFraction = 1;
  m.strArg = numerator;
  DrawGlyphs(m);

  m.inFraction = 0;
  m.drawX = x + w;
  m.drawY = y;
}

}  // namespace orvelle
