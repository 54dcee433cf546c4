// Ratio marks: chevrons of two short lines just beyond the point that divides a segment m : n.
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#include "core/ratio_marks.h"

#include <cmath>

#include "platform/number.h"

namespace orvelle {

void DrawRatioTicks(Machine& m) {
  const float dx = m.segEndX - m.segStartX;
  const float dy = m.segEndY - m.segStartY;
  const float length = std::sqrt(dx * dx + dy * dy);
  const float ratioM = m.clockSeed;
  const float ratioN = m.errorCode;
  if (m.markCount <= 0 || m.markCount > 6) m.markCount = 1;
  // A segment without a direction, or a ratio without parts, has no point to mark.
  if (!(length > 0) || ratioM + ratioN == 0) return;

  const float ux = dx / length;
  const float uy = dy / length;
  const float wx = -uy;  // across the segment
  const float wy = ux;
  const float r = m.markRadius;
  float tipX = m.segStartX + dx * ratioM / (ratioM + ratioN);
  float tipY = m.segStartY + dy * ratioM / (ratioM + ratioN);
  const float backX = tipX - r * ux;
  const float backY = tipY - r * uy;
  float arm1X = backX + r / 2 * wx;
  float arm1Y = backY + r / 2 * wy;
  float arm2X = backX - r / 2 * wx;
  float arm2Y = backY - r / 2 * wy;

  const int color = ToInt(m.lineColor);
  // Each chevron stands 16 beyond the one before, the first 16 beyond the dividing point.
  m.loopIndex = 1;
  do {
    tipX += 16 * ux;
    tipY += 16 * uy;
    arm1X += 16 * ux;
    arm1Y += 16 * uy;
    arm2X += 16 * ux;
    arm2Y += 16 * uy;
    m.device.Line(arm1X, arm1Y, tipX, tipY, color);
    m.device.Line(arm2X, arm2Y, tipX, tipY, color);
    m.loopIndex += 1;
  } while (m.loopIndex <= m.markCount);
}

}  // namespace orvelle
