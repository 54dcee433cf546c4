// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#include "figures/graphs.h"

#include "figures/axes.h"
#include "figures/figure_util.h"
#include "platform/text.h"

namespace orvelle {

namespace {

float GraphValue(const Machine& m, float x) {
  if (m.graphType == 1) return m.graphA / x;
  if (m.graphType == 2) return m.graphA * x * x;
  return m.graphA * x + m.graphB;
}

}  // namespace

void PlotCurveDots(Machine& m) {
  // Every form but the straight line steps over x = 0.
  const bool avoidZero = m.graphType != 3;
  m.originX = m.axisXMin;
  m.boxWidth = 5000;
  if (avoidZero && m.originX == 0) m.originX += 0.002f;
  m.originY = GraphValue(m, m.originX);
  m.plotX = m.originX;
  m.plotY = m.originY;
  m.workValue = (m.axisXMax - m.axisXMin) / m.boxWidth;
  figure::CountedLoop(m.loopIndex, 0, m.boxWidth, 1, [&](float) {
    m.plotScreenX = m.gridBaseX + m.cellSize * m.plotX / m.axisXStep;
    m.plotScreenY = m.gridBaseY - m.cellSize * m.plotY / m.axisYStep;
    if (m.gridTopY <= m.plotScreenY && m.plotScreenY <= m.gridBottomY &&
        figure::Finite(m.plotScreenX)) {
      m.drawX = m.plotScreenX;
      m.drawY = m.plotScreenY;
      figure::DrawDisc(m, m.drawX, m.drawY, 1, m.fillColor);
    }
    m.plotX += m.workValue;
    if (avoidZero && m.plotX == 0) m.plotX += m.workValue;
    m.plotY = GraphValue(m, m.plotX);
  });
}

void DrawVerticalGraphLine(Machine& m) {
  m.device.SetDrawWidth(5);
  const float x = m.gridBaseX + m.cellSize * m.graphC / m.axisXStep;
  const float top = m.gridBaseY - m.cellSize * m.axisYMax / m.axisYStep;
  figure::DrawLine(m, x, m.gridBaseY - m.cellSize * m.axisYMin / m.axisYStep, x, top, m.fillColor);
  m.drawX = x + 10;
  m.drawY = top;
}

void PlotGraph(Machine& m) {
  // The label's text drawing keeps its own width in savedDrawWidth; the entry width is ours.
  const int entryWidth = m.device.GetDrawWidth();
  m.savedDrawWidth = static_cast<float>(entryWidth);
  if (m.axisXStep == 0) m.axisXStep = 1;
  if (m.axisYStep == 0) m.axisYStep = 1;
  bool drawn = true;
  if (m.graphType == 4 && m.graphB == 0) {
    if (m.graphA != 0) {
      m.graphC = m.graphC / m.graphA;
      DrawVerticalGraphLine(m);
    } else {
      drawn = false;  // 0x + 0y = c: no line, and no place for its label
    }
  } else if (m.graphType == 4) {
    const float b = m.graphB;
    m.graphA = -m.graphA / b;
    m.graphB = m.graphC / b;
    m.graphType = 3;
    PlotCurveDots(m);
  } else {
    PlotCurveDots(m);
  }
  if (drawn) DrawPlotLabel(m, m.drawX, m.drawY);
  ResetPlotInputs(m);
  m.device.SetDrawWidth(entryWidth);
}

void NegateSignText(Machine& m) {
  const int n = CharLen(m.strArg);
  m.strLength = static_cast<float>(n);
  if (n == 0) return;
  const std::string head = CharLeft(m.strArg, 1);
  if (head == "-") {
    m.strArg = "+" + CharRight(m.strArg, n - 1);
  } else if (head == "+") {
    m.strArg = "-" + CharRight(m.strArg, n - 1);
  } else {
    m.strArg = "-" + m.strArg;
  }
}

}  // namespace orvelle
