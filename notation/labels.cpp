// Labels of figures: one line, bold, size 15, with glyph metrics of their own.
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet
// (figures/angles draws its label with it only when labelMode is 1, which no lesson sets).
#include "notation/labels.h"

#include <string>

#include "core/measure.h"
#include "core/text_boxes.h"
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
    d.SetFontName(kLetterFont);
    d.SetFontSize(8);
    d.SetFontItalic(true);
    d.Text(x + 4, y - 12, 7, 4, color, g);
    m.glyphPenX += 20;
    d.SetFontName(kGothicFont);
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

constexpr BoxedTextKind kLabelBox = {MeasureLabelText, DrawLabelText};

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
  const std::string text = m.strArg;
  MeasureByDrawing(m, DrawLabelText);
  m.drawText = text;
}

void DrawLabelInBox(Machine& m) {
  const float textY = m.drawY + IntPart((m.boxHeight - kLabelHeight) / 2);
  DrawBoxedLines(m, kLabelBox, 0, {{m.strArg, textY}});
}

void DrawTwoLineLabelBox(Machine& m) {
  const std::string second = m.columnSecondText;
  const float baseY = m.drawY + IntPart((m.boxHeight / 2 - kLabelHeight) / 2);
  DrawBoxedLines(m, kLabelBox, 0,
                 {{m.columnTopText, second.empty() ? baseY + kSingleLabelShift : baseY},
                  {second, baseY + kLabelLinePitch}});
}

}  // namespace orvelle
