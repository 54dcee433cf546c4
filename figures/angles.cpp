#include "figures/angles.h"

#include <cmath>

#include "core/measure.h"
#include "figures/figure_util.h"
#include "notation/labels.h"
#include "notation/markup.h"
#include "platform/text.h"

namespace orvelle {

namespace {

// The direction from the vertex to a point dx, dy away on the screen (y down). A horizontal ray
// takes its own branch, so nothing is divided by zero; a point on the vertex gives pi.
float Direction(float dx, float dy, float pi) {
  if (dy < 0) return pi / 2 + std::atan(dx / dy);
  if (dy > 0) return 3 * pi / 2 + std::atan(dx / dy);
  if (dx > 0) return 0;
  return pi;
}

float Turn(float direction, float pi) { return 1 - direction / (2 * pi); }

}  // namespace

void RayAngle(Machine& m) {
  m.piValue = figure::kPi;
  m.rayAngleRad = Direction(m.pointAX - m.vertexX, m.pointAY - m.vertexY, m.piValue);
  m.rayAngleDeg = m.rayAngleRad * 180 / m.piValue;
}

void ComputeRayAngles(Machine& m) {
  m.piValue = figure::kPi;
  m.rayAngleRad = Direction(m.pointAX - m.vertexX, m.pointAY - m.vertexY, m.piValue);
  m.rayTurnA = Turn(m.rayAngleRad, m.piValue);
  m.rayAngleA = m.rayAngleRad;
  m.rayAngleRad = Direction(m.pointBX - m.vertexX, m.pointBY - m.vertexY, m.piValue);
  m.rayTurnB = Turn(m.rayAngleRad, m.piValue);
  m.rayAngleB = m.rayAngleRad;
  if (m.swapRays == -1) {
    Exchange(m.rayTurnA, m.rayTurnB);
    Exchange(m.rayAngleA, m.rayAngleB);
  }
  // The middle of the sweep from A to B; past the direction 0 it is the mean plus pi.
  m.bisectorAngle = (m.rayAngleA + m.rayAngleB) / 2;
  if (m.rayAngleB < m.rayAngleA) m.bisectorAngle += m.piValue;
}

void DrawAngleLabel(Machine& m) {
  m.strArg = m.figureLabel;
  MeasureMarkedText(m);
  ComputeRayAngles(m);
  const float beta = m.bisectorAngle;
  m.lettersPos = static_cast<float>(CharFind(m.figureLabel, "ﾀ"));
  const float halfHeight = m.lettersPos > 0 ? 40 : 22;  // a stacked fraction stands taller
  float anchorX = m.vertexX, anchorY = m.vertexY;
  if (m.markRadius != 0) {
    anchorX = m.vertexX + m.markRadius * std::cos(beta);
    anchorY = m.vertexY - m.markRadius * std::sin(beta);
  }
  // The label's box (textWidth by 2h) is pushed off the anchor along the bisector.
  m.drawX = anchorX + m.textWidth * (std::cos(beta) / 2 - 0.5f) + m.labelOffsetX;
  m.drawY = anchorY - 2 * halfHeight * (std::sin(beta) / 2 + 0.5f) + m.labelOffsetY;
  m.drawText = m.figureLabel;
  if (m.labelMode == 1) {
    DrawLabelText(m);
  } else {
    DrawMarkupText(m);
  }
  m.swapRays = 0;
  m.figureLabel.clear();
  m.markRadius = 0;
  m.labelOffsetX = 0;
  m.labelOffsetY = 0;
}

void DrawAngleMark(Machine& m) {
  ComputeRayAngles(m);
  if (m.markCount > 6) m.markCount = 1;
  // Both rays in one direction leave no angle to mark (and equal turns would mean no arc).
  const bool sweep = m.rayTurnA != m.rayTurnB;
  const bool vertexOk = figure::Finite(m.vertexX, m.vertexY);
  if (m.markCount > 0) {
    float r = m.markRadius;
    figure::CountedLoop(m.loopIndex, 1, m.markCount, 1, [&](float) {
      r -= 8;
      if (sweep && vertexOk && r > 0 && figure::Finite(r)) {
        m.device.Circle(m.vertexX, m.vertexY, r, figure::Color(m.fillColor), m.rayTurnB, m.rayTurnA,
                        false, figure::Color(m.fillColor));
      }
    });
  } else if (sweep && vertexOk && m.markRadius > 0 && figure::Finite(m.markRadius)) {
    m.device.Circle(m.vertexX, m.vertexY, m.markRadius, figure::Color(m.lineColor), m.rayTurnB,
                    m.rayTurnA, true, figure::Color(m.fillColor));
  }
  DrawAngleLabel(m);
  m.swapRays = 0;
  m.figureLabel.clear();
}

}  // namespace orvelle
