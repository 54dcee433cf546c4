#include "figures/dotted_arc.h"

#include <cmath>

#include "figures/angles.h"
#include "figures/figure_util.h"

namespace orvelle {

namespace {

// The point for the parameter t (degrees) of the half ellipse over the chord: C + R cos t u +
// b sin t n, with u the chord's unit vector and n its normal on the left as seen on the screen.
Point ArcPoint(float cx, float cy, float r, float ux, float uy, float b, float tDegrees, float pi) {
  const float t = tDegrees * pi / 180;
  const float along = r * std::cos(t), across = b * std::sin(t);
  return {cx + along * ux + across * uy, cy + along * uy - across * ux};
}

}  // namespace

void DrawDottedArcLabel(Machine& m) {
  if (m.rowPitch > 0 && m.rowPitch < 16) {
    m.rowPitch *= 16;
  } else if (m.rowPitch < 0) {
    m.rowPitch = std::fabs(m.rowPitch);
  }
  const float b = m.rowPitch;
  const float px = m.vertexX, py = m.vertexY, qx = m.pointAX, qy = m.pointAY;
  RayAngle(m);  // the chord's direction
  const float r = std::hypot(qx - px, qy - py) / 2;
  const float cx = (px + qx) / 2, cy = (py + qy) / 2;

  float t0 = 0, t1 = 180;
  if (m.arcSide > 0) {
    t0 = 180;
    t1 = m.arcExtent > 0 ? 180 + m.arcExtent : 360;
  } else if (m.arcSide < 0 && m.arcExtent > 0) {
    t1 = m.arcExtent;
  }

  // A chord of no length has no direction: there is no arc to dot and no middle to label.
  if (r > 0 && figure::Finite(r)) {
    const float ux = (qx - px) / (2 * r), uy = (qy - py) / (2 * r);
    figure::CountedLoop(m.loopIndex, t0, t1, m.boxWidth, [&](float t) {
      const Point dot = ArcPoint(cx, cy, r, ux, uy, b, t, m.piValue);
      figure::DrawDisc(m, dot.x, dot.y, 0.5f, m.lineColor);
    });
    const Point mid = ArcPoint(cx, cy, r, ux, uy, b, (t0 + t1) / 2, m.piValue);
    m.vertexX = mid.x;
    m.vertexY = mid.y;
    m.pointAX = px;
    m.pointAY = py;
    m.pointBX = qx;
    m.pointBY = qy;
    m.markRadius = 0;
    m.swapRays = m.arcSide;
    DrawAngleLabel(m);
  } else {
    m.pointAX = px;
    m.pointAY = py;
    m.pointBX = qx;
    m.pointBY = qy;
  }
  m.figureLabel.clear();
  m.arcExtent = 0;
  m.markRadius = 0;
  m.swapRays = 0;
  m.labelOffsetX = 0;
  m.labelOffsetY = 0;
}

void ArcPointAtAngle(Machine& m) {
  const float px = m.vertexX, py = m.vertexY;
  const float r =
      std::sqrt((m.pointAX - px) * (m.pointAX - px) + (m.pointAY - py) * (m.pointAY - py)) / 2;
  m.pointBX = px + r;
  m.pointBY = py;
  RayAngle(m);
  const float alpha = m.rayAngleRad;
  if (!(r > 0) || !figure::Finite(r)) return;  // no chord, no direction to turn the point by
  const float t = m.arcAngleDeg * m.piValue / 180;
  // The point of the same arc over the chord laid from P to the right, then turned about P.
  m.pointAX = m.pointBX + r * std::cos(t);
  m.pointAY = m.pointBY - (m.rowPitch / r) * r * std::sin(t);
  RayAngle(m);
  const float beta = m.rayAngleRad;
  const float d =
      std::sqrt((m.pointAX - px) * (m.pointAX - px) + (m.pointAY - py) * (m.pointAY - py));
  m.pointRadius = d;
  m.pointCX = px + d * std::cos(alpha + beta);
  m.pointCY = py - d * std::sin(alpha + beta);
}

}  // namespace orvelle
