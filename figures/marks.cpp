// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#include "figures/marks.h"

#include <cmath>
#include <vector>

#include "core/plain_text.h"
#include "figures/angles.h"
#include "figures/figure_util.h"

namespace orvelle {

void DrawEqualMarks(Machine& m) {
  if (m.markGap == 0 || m.markGap > 30) m.markGap = 8;  // a negative gap runs towards S
  const float dx = m.segX2 - m.segX1, dy = m.segY2 - m.segY1;
  const float length = std::hypot(dx, dy);
  const bool drawable = length > 0 && figure::Finite(length);  // a point has no direction
  const float ux = drawable ? dx / length : 0, uy = drawable ? dy / length : 0;
  const float wx = uy, wy = -ux;  // across the segment, on its left as seen on the screen
  const float midX = (m.segX1 + m.segX2) / 2 + m.swapRays * ux;
  const float midY = (m.segY1 + m.segY2) / 2 + m.swapRays * uy;
  if (m.markCount < 0 || m.markCount > 6) m.markCount = 1;
  const float g = m.markGap;
  figure::CountedLoop(m.loopIndex, 1, m.markCount, 1, [&](float) {
    const float cx = midX + m.markGap * ux, cy = midY + m.markGap * uy;
    if (drawable) {
      figure::DrawLine(m, cx + m.markRadius * wx, cy + m.markRadius * wy, cx - m.markRadius * wx,
                       cy - m.markRadius * wy, m.lineColor);
    }
    m.markGap += g;
  });
}

void DrawRightAngleMark(Machine& m) {
  ComputeRayAngles(m);
  const float r = m.markRadius;
  const float ax = r * std::cos(m.rayAngleA), ay = -r * std::sin(m.rayAngleA);
  const float bx = r * std::cos(m.rayAngleB), by = -r * std::sin(m.rayAngleB);
  const std::vector<Point> corner = {{m.vertexX + ax, m.vertexY + ay},
                                     {m.vertexX + ax + bx, m.vertexY + ay + by},
                                     {m.vertexX + bx, m.vertexY + by}};
  for (const Point& p : corner) {
    if (!figure::Finite(p.x, p.y)) return;
  }
  m.device.Polyline(corner, figure::Color(m.lineColor));
}

void AngleDegreesText(Machine& m) {
  ComputeRayAngles(m);
  if (m.rayAngleB < m.rayAngleA) m.rayAngleB += 2 * m.piValue;
  m.bisectorAngle = m.rayAngleB - m.rayAngleA;
  m.rayAngleDeg = m.bisectorAngle * 180 / m.piValue;
  // Tenths rounded half away from zero.
  m.angleText = BareNumberText(m, std::round(10 * m.rayAngleDeg) / 10);
}

}  // namespace orvelle
