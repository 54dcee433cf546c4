// Labels of figures: one line, bold, size 15, with glyph metrics of their own.
#include "notation/labels.h"

#include <string>

#include "platform/number.h"
#include "platform/text.h"

namespace orvelle {
namespace {

// A label line is taken as 26 high when it is centred in a box.
constexpr float kLabelHeight = 26;
// How far the upper line of a two-line box moves down when there is no lower line, and how far
// below the upper line the lower one stands.
constexpr float kSingleLabelShift = 15;
constexpr float kLabelLinePitch = 30;

void DrawLabelGlyph(Machine& m) {
  Device& d = m.device;
  const std::string& g = m.glyph;
  const int color = ToInt(m.drawColor);
  const float x = m.glyphPenX;
  const float y = m.glyphPenY;

  if (g == "." || g == ",") {
    d.Text(x, y, 3, 2, color, g);
    m.glyphPenX += 8;
  } else if (g == "(") {
    d.Text(x - 8, y, 3, 2, color, g);
    m.glyphPenX += 12;
  } else if (g == ")") {
    d.Text(x, y, 3, 2, color, g);
    m.glyphPenX += 8;
  } else if (g == " ") {
    m.glyphPenX += 20;
  } else if (m.glyphBytes == 2) {
    d.Text(x, y, 2, 2, color, g);
    m.glyphPenX += 30;
  } else if (g == "a" || g == "x" || g == "c") {
    d.SetFontName("Times New Roman");
    d.SetFontSize(8);
    d.SetFontItalic(true);
    d.Text(x + 4, y - 12, 7, 4, color, g);
    m.glyphPenX += 20;
    d.SetFontName("ゴシック");
    d.SetFontItalic(false);
  } else if (g == "y") {
    // Its tail would reach into the line below.
    d.Text(x, y - 6, 3, 2, color, g);
    m.glyphPenX += 20;
  } else {
    d.Text(x, y, 3, 2, color, g);
    m.glyphPenX += 20;
  }
}

float LabelOffset(Machine& m) {
  const float offset = (m.boxWidth - m.textWidth) / 2;
  return offset < 0 ? 0 : offset;
}

}  // namespace

void DrawLabelText(Machine& m) {
  Device& d = m.device;
  for (;;) {
    m.glyphPenX = m.drawX;
    m.glyphPenY = m.drawY;
    m.savedDrawWidth = static_cast<float>(d.GetDrawWidth());
    m.textLength = static_cast<float>(CharLen(m.drawText));
    if (m.textLength == 0) {
      d.SetFontBold(false);
      d.SetDrawWidth(static_cast<int>(m.savedDrawWidth));
      d.SetFontSize(16);
      return;
    }
    m.strArg = CharLeft(m.drawText, 1);
    m.drawText = CharRight(m.drawText, static_cast<int>(m.textLength) - 1);
    m.glyph = m.strArg;
    m.glyphBytes = static_cast<float>(CharBytes(m.glyph));
    d.SetFontBold(true);
    d.SetFontSize(15);
    DrawLabelGlyph(m);
    m.drawX = m.glyphPenX;
    m.drawY = m.glyphPenY;
  }
}

void MeasureLabelText(Machine& m) {
  const float x = m.drawX;
  const float y = m.drawY;
  const std::string text = m.strArg;
  m.drawX = 0;
  m.drawY = 1800;
  m.drawText = text;
  DrawLabelText(m);
  m.textWidth = m.drawX;
  m.drawX = x;
  m.drawY = y;
  m.drawText = text;
}

void DrawLabelInBox(Machine& m) {
  m.originX = m.drawX;
  m.originY = m.drawY;
  const float x0 = m.originX;
  const float y0 = m.originY;

  MeasureLabelText(m);
  m.textOffsetX = LabelOffset(m);
  const float textY = y0 + IntPart((m.boxHeight - kLabelHeight) / 2);
  m.device.Box(x0, y0, x0 + m.boxWidth, y0 + m.boxHeight, ToInt(m.lineColor), ToInt(m.fillColor));
  m.drawX = x0 + m.textOffsetX;
  m.drawY = textY;
  DrawLabelText(m);  // the text measuring left in drawText

  m.drawX = x0 + m.boxWidth;
  m.drawY = y0;
}

void DrawTwoLineLabelBox(Machine& m) {
  m.originX = m.drawX;
  m.originY = m.drawY;
  const float x0 = m.originX;
  const float y0 = m.originY;
  const std::string top = m.columnTopText;
  const std::string second = m.columnSecondText;

  m.strArg = top;
  MeasureLabelText(m);
  m.textOffsetX = LabelOffset(m);
  const float baseY = y0 + IntPart((m.boxHeight / 2 - kLabelHeight) / 2);
  m.device.Box(x0, y0, x0 + m.boxWidth, y0 + m.boxHeight, ToInt(m.lineColor), ToInt(m.fillColor));
  m.drawX = x0 + m.textOffsetX;
  m.drawY = second.empty() ? baseY + kSingleLabelShift : baseY;
  m.drawText = top;
  DrawLabelText(m);

  m.strArg = second;
  MeasureLabelText(m);
  m.textOffsetX = LabelOffset(m);
  m.drawX = x0 + m.textOffsetX;
  m.drawY = baseY + kLabelLinePitch;
  m.drawText = second;
  DrawLabelText(m);

  m.drawX = x0 + m.boxWidth;
  m.drawY = y0;
}

}  // namespace orvelle
