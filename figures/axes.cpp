// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#include "figures/axes.h"

#include <cmath>

#include "core/plain_text.h"
#include "figures/figure_util.h"
#include "notation/markup.h"
#include "platform/text.h"

namespace orvelle {

namespace {

// Every fifth grid line, counted from the origin, carries a thick line and a number.
bool IsFifth(float index) { return std::fmod(std::round(static_cast<double>(index)), 5.0) == 0; }

void DrawScaledText(Machine& m, int scaleX, int scaleY) {
  if (m.drawText.empty() || !figure::Finite(m.drawX, m.drawY)) return;
  m.device.Text(m.drawX, m.drawY, scaleX, scaleY, figure::Color(m.drawColor), m.drawText);
}

// The tick value v split for writing: its sign and whole part, and its tenths digit. Tenths are
// counted on the magnitude, with a little room for float error (5 x 0.3 is 1.4999999).
void SplitTickValue(Machine& m, float v) {
  const float tenths = std::floor(10 * std::fabs(v) + 0.0001f);
  const float whole = std::floor(tenths / 10);
  m.workValue = v < 0 ? -whole : whole;
  m.tenthsDigit = tenths - 10 * whole;
  m.intPartText = (v < 0 ? "-" : "") + BareNumberText(m, whole);
  m.tenthsText = BareNumberText(m, m.tenthsDigit);
}

}  // namespace

void DrawAxes(Machine& m) {
  const int entryWidth = m.device.GetDrawWidth();
  m.savedDrawWidth = static_cast<float>(entryWidth);
  m.axisXStep = m.axisXStep == 0 ? 1 : std::fabs(m.axisXStep);
  m.axisYStep = m.axisYStep == 0 ? 1 : std::fabs(m.axisYStep);
  m.axisXMin /= m.axisXStep;
  m.axisXMax /= m.axisXStep;
  m.axisYMin /= m.axisYStep;
  m.axisYMax /= m.axisYStep;
  if (m.gridOriginX == 0 && m.gridOriginY == 0) {
    m.gridOriginX = 640;
    m.gridOriginY = 180;
  }
  m.gridBaseX = m.gridOriginX + m.cellSize * std::fabs(m.axisXMin);
  m.gridBaseY = m.gridOriginY + m.cellSize * m.axisYMax;
  m.gridLeftX = m.gridOriginX;
  m.gridTopY = m.gridOriginY;
  m.gridRightX = m.gridBaseX + m.cellSize * m.axisXMax;
  m.gridBottomY = m.gridBaseY + m.cellSize * std::fabs(m.axisYMin);
  m.figureSize = m.cellSize < 40 ? 26 : 30;
  m.device.SetFontSize(m.figureSize);
  const float fs = m.figureSize;

  if (m.lineColor != 0) {
    figure::CountedLoop(m.loopIndex, m.axisXMin, m.axisXMax, 1, [&](float i) {
      m.device.SetDrawWidth(1);
      const float x = m.gridBaseX + m.cellSize * i - 0.5f;
      figure::DrawLine(m, x, m.gridTopY, x, m.gridBottomY, 0);
    });
    figure::CountedLoop(m.loopIndex, m.axisYMin, m.axisYMax, 1, [&](float j) {
      const float y = m.gridBaseY - m.cellSize * j - 0.5f;
      figure::DrawLine(m, m.gridLeftX, y, m.gridRightX, y, 0);
    });
    figure::CountedLoop(m.loopIndex, m.axisXMin, m.axisXMax, 1, [&](float i) {
      if (!IsFifth(i)) return;
      m.device.SetDrawWidth(3);
      const float x = m.gridBaseX + m.cellSize * i;
      figure::DrawLine(m, x, m.gridTopY, x, m.gridBottomY, 1);
      const std::string label = BareNumberText(m, i);
      m.drawText = (i == 0 || m.hideAxisNumbers == -1) ? "" : label;
      m.drawColor = 0;
      m.drawX = x - fs * static_cast<float>(CharLen(m.drawText)) / 2;
      m.drawY = m.gridBaseY;
      DrawScaledText(m, 2, 1);
    });
    figure::CountedLoop(m.loopIndex, m.axisYMin, m.axisYMax, 1, [&](float j) {
      if (!IsFifth(j)) return;
      m.device.SetDrawWidth(3);
      const float y = m.gridBaseY - m.cellSize * j;
      figure::DrawLine(m, m.gridLeftX, y, m.gridRightX, y, 1);
      const std::string label = BareNumberText(m, j);
      m.drawText = (j == 0 || m.hideAxisNumbers == -1) ? "" : label;
      m.drawColor = 0;
      m.drawX = m.gridBaseX - fs * static_cast<float>(CharLen(m.drawText));
      m.drawY = y - fs / 2 - 4;
      DrawScaledText(m, 2, 1);
    });
  }

  m.device.SetDrawWidth(4);
  figure::DrawLine(m, m.gridBaseX, m.gridTopY, m.gridBaseX, m.gridBottomY, 0);
  figure::DrawLine(m, m.gridLeftX, m.gridBaseY, m.gridRightX, m.gridBaseY, 0);

  m.device.SetFontBold(true);
  m.device.SetFontName(kLetterFont);
  m.device.SetFontSize(fs * 0.8f);
  m.device.SetFontItalic(true);
  m.drawColor = 0;
  m.drawText = "x";
  m.drawX = m.gridRightX - 0.8f * fs;
  m.drawY = m.gridBaseY - 1.5f * fs;
  DrawScaledText(m, 3, 2);
  m.device.SetFontName(kGothicFont);
  m.device.SetFontSize(fs);
  m.device.SetFontItalic(false);
  m.drawText = "0";
  m.drawX = m.gridBaseX - fs;
  m.drawY = m.gridBaseY;
  DrawScaledText(m, 2, 1);
  m.drawText = "y";
  m.drawX = m.gridBaseX;
  m.drawY = m.gridTopY - fs / 2;
  DrawScaledText(m, 2, 1);

  m.device.SetFontBold(false);
  m.device.SetFontSize(16);
  m.device.SetDrawWidth(entryWidth);
  m.hideAxisNumbers = 0;
}

void DrawDecimalAxisLabels(Machine& m) {
  m.device.SetFontSize(m.figureSize);
  const float fs = m.figureSize;
  // The digits centred under (or right-aligned before) the line, the point slipped in after the
  // whole part.
  const auto write = [&](float x, float y, float pointDY) {
    const bool tenths = m.tenthsDigit != 0;
    m.drawText = tenths ? m.intPartText + m.tenthsText : m.intPartText;
    m.drawColor = 0;
    m.drawX = x;
    m.drawY = y;
    DrawScaledText(m, 2, 1);
    if (tenths && figure::Finite(m.drawX, y + pointDY)) {
      m.device.Text(m.drawX + fs * static_cast<float>(CharLen(m.intPartText)) - 6, y + pointDY, 2,
                    1, 0, ".");
    }
  };
  figure::CountedLoop(m.loopIndex, m.axisXMin, m.axisXMax, 1, [&](float i) {
    SplitTickValue(m, i * m.axisXStep);
    if (i == 0 || !IsFifth(i)) return;
    const std::string digits = m.tenthsDigit != 0 ? m.intPartText + m.tenthsText : m.intPartText;
    const float x = m.gridBaseX + m.cellSize * i - fs * static_cast<float>(CharLen(digits)) / 2;
    write(x, m.gridBaseY + 4, 4);
  });
  figure::CountedLoop(m.loopIndex, m.axisYMin, m.axisYMax, 1, [&](float j) {
    SplitTickValue(m, j * m.axisYStep);
    if (j == 0 || !IsFifth(j)) return;
    const std::string digits = m.tenthsDigit != 0 ? m.intPartText + m.tenthsText : m.intPartText;
    const float x = m.gridBaseX - fs * static_cast<float>(CharLen(digits));
    write(x, m.gridBaseY - m.cellSize * j - fs / 2, 4);
  });
  m.device.SetFontSize(16);
}

void PlotPoint(Machine& m) {
  if (m.axisXStep == 0) m.axisXStep = 1;
  if (m.axisYStep == 0) m.axisYStep = 1;
  m.plotScreenX = m.gridBaseX + m.cellSize * m.pointValueX / m.axisXStep;
  m.plotScreenY = m.gridBaseY - m.cellSize * m.pointValueY / m.axisYStep;
  figure::DrawDisc(m, m.plotScreenX, m.plotScreenY, m.pointRadius, m.fillColor);
  DrawPlotLabel(m, m.plotScreenX - 20, m.plotScreenY - 40);
  ResetPlotInputs(m);
}

void DrawPlotLabel(Machine& m, float x, float y) {
  m.drawColor = m.fillColor;
  m.drawX = x + m.plotLabelDX;
  m.drawY = y + m.plotLabelDY;
  m.drawText = m.figureLabel;
  DrawMarkupText(m);
}

void ResetPlotInputs(Machine& m) {
  m.plotLabelDX = 0;
  m.plotLabelDY = 0;
  m.axisXStep = 1;
  m.axisYStep = 1;
}

}  // namespace orvelle
