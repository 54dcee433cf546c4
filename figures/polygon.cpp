// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#include "figures/polygon.h"

#include <cmath>
#include <string>

#include "figures/angles.h"
#include "figures/figure_util.h"
#include "platform/text.h"

namespace orvelle {

namespace {

// Sets the angle at vertex i: its rays run to the next vertex and the one after it (vertex 1
// following vertex n), exchanged so that the label lands outside a counterclockwise polygon.
void SetVertexAngle(Machine& m, float i) {
  const float n = m.polygonVertexCount;
  float a = i + 1, b = i + 2;
  if (a > n) a -= n;
  if (b > n) b -= n;
  m.vertexX = m.polygonVertices(i, 1);
  m.vertexY = m.polygonVertices(i, 2);
  m.pointAX = m.polygonVertices(a, 1);
  m.pointAY = m.polygonVertices(a, 2);
  m.pointBX = m.polygonVertices(b, 1);
  m.pointBY = m.polygonVertices(b, 2);
  m.swapRays = -1;
  m.markRadius = m.labelDistance;
}

}  // namespace

void LabelPolygonVertices(Machine& m) {
  const int first = CharCode(m.figureLabel);
  figure::CountedLoop(m.loopIndex, 1, m.polygonVertexCount, 1, [&](float i) {
    SetVertexAngle(m, i);
    m.figureLabel = Chr(first + static_cast<int>(i) - 1);
    DrawAngleLabel(m);
  });
}

void LabelPolygonSides(Machine& m) {
  float counter = 0;
  figure::CountedLoop(counter, 1, m.polygonVertexCount, 1, [&](float i) {
    SetVertexAngle(m, i);
    m.figureLabel = m.letterText[i];
    DrawAngleLabel(m);
  });
}

void DrawPolygonFigure(Machine& m) {
  const float n = m.polygonVertexCount;
  // The vertex table holds vertices 1..10, and the labels need three distinct vertices.
  if (!(n >= 3 && n <= 10) || n != std::floor(n)) {
    m.figureLabel.clear();
    return;
  }
  const int entryWidth = m.device.GetDrawWidth();
  figure::CountedLoop(m.loopIndex, 1, n, 1, [&](float i) {
    const float j = i == n ? 1 : i + 1;
    m.device.SetDrawWidth(ToInt(m.figureSize));
    figure::DrawLine(m, m.polygonVertices(i, 1), m.polygonVertices(i, 2), m.polygonVertices(j, 1),
                     m.polygonVertices(j, 2), m.lineColor);
  });
  m.labelDistance = m.markRadius;
  if (m.figureLabel == "1") {
    LabelPolygonSides(m);
  } else if (!m.figureLabel.empty()) {
    LabelPolygonVertices(m);
  }
  m.figureLabel.clear();
  // The labels' text drawing keeps its own width in savedDrawWidth; the entry width is ours.
  m.savedDrawWidth = static_cast<float>(entryWidth);
  m.device.SetDrawWidth(entryWidth);
}

}  // namespace orvelle
